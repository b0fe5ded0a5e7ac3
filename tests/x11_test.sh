#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Yorozumi authors
# SPDX-License-Identifier: MIT
# On a 101-dpi screen: the window's size by Xft.dpi, 96 dpi without, the user's
# QT_FONT_DPI first; the desktop entry it names. x11_test.sh <program> <app id>
set -eu
for tool in xvfb-run xrdb xdotool xwininfo xprop; do
    command -v $tool >/dev/null || { echo "FAIL: $tool is missing" >&2; exit 1; }
done
status=0
for row in -:-:300x360 120:-:375x450 192:-:600x720 -:144:450x540; do
    xft=${row%%:*} rest=${row#*:} && fontdpi=${rest%%:*} size=${rest#*:}
    seen=$(QT_QPA_PLATFORM=xcb xvfb-run -a -s "-noreset -screen 0 1280x800x24 -dpi 101" sh -c '
        [ "$0" = - ] || echo "Xft.dpi: $0" | xrdb -merge
        [ "$1" = - ] || export QT_FONT_DPI=$1
        "$2" 2>/dev/null & # started here, ended here
        window=$(timeout 20 xdotool search --sync --onlyvisible --class Yorozumi | head -n 1)
        xwininfo -id "$window" | awk "/Width:/ { w = \$2 } /Height:/ { h = \$2 } END { printf \"%sx%s \", w, h }"
        xprop -id "$window" -notype _KDE_NET_WM_DESKTOP_FILE _GTK_APPLICATION_ID | tr "\n" " "
        kill $!' "$xft" "$fontdpi" "$1")
    expected="$size _KDE_NET_WM_DESKTOP_FILE = \"$2\" _GTK_APPLICATION_ID = \"$2\" "
    [ "$seen" = "$expected" ] || { echo "FAIL: Xft.dpi $xft, QT_FONT_DPI $fontdpi: $seen, expected $expected" >&2; status=1; }
done
exit $status
