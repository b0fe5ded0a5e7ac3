#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Yorozumi authors
# SPDX-License-Identifier: MIT
# The program's window as an X11 desktop sees it, on a screen of 101 dpi by
# its millimetres: its size at Xft.dpi, at 96 dpi where none is set, and at
# the user's QT_FONT_DPI before either; the desktop entry it names.
#   x11_test.sh <program> <app id>
set -eu
program=$1 id=$2
status=0
while read -r xft fontdpi size; do
    seen=$(QT_QPA_PLATFORM=xcb xvfb-run -a -s "-noreset -screen 0 1280x800x24 -dpi 101" sh -c '
        [ "$0" = - ] || echo "Xft.dpi: $0" | xrdb -merge
        [ "$1" = - ] || export QT_FONT_DPI=$1
        "$2" 2>/dev/null & # started here, ended here
        window=$(timeout 20 xdotool search --sync --onlyvisible --class Yorozumi | head -n 1)
        xwininfo -id "$window" | awk "/Width:/ { w = \$2 } /Height:/ { h = \$2 } END { print w \"x\" h }"
        xprop -id "$window" -notype _KDE_NET_WM_DESKTOP_FILE _GTK_APPLICATION_ID
        kill $!' "$xft" "$fontdpi" "$program")
    expected="$size
_KDE_NET_WM_DESKTOP_FILE = \"$id\"
_GTK_APPLICATION_ID = \"$id\""
    if [ "$seen" != "$expected" ]; then
        printf 'FAIL: Xft.dpi %s, QT_FONT_DPI %s:\n%s\nexpected:\n%s\n' "$xft" "$fontdpi" "$seen" "$expected" >&2
        status=1
    fi
done <<ROWS
- - 300x360
120 - 375x450
192 - 600x720
- 144 450x540
ROWS
exit $status
