#!/bin/sh
# Runs a program as on a desktop with a screen reader: an Xvfb of its own at
# <dpi>, in Xft.dpi too, a session bus and on it the accessibility bus:
#   x11_run.sh <dpi> <program> [arguments...]
set -eu
dpi=$1
shift
exec dbus-run-session -- sh -c '/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    exec xvfb-run -a -s "-noreset -screen 0 1920x1200x24 -dpi $0" \
        sh -c "echo Xft.dpi: \$0 | xrdb -merge && exec \"\$@\"" "$0" "$@"' "$dpi" "$@"
