#!/bin/sh
# Runs a program under an Xvfb of its own at <dpi>, in Xft.dpi too, as a desktop sets it:
#   x11_run.sh <dpi> <program> [arguments...]
set -eu
dpi=$1
shift
exec xvfb-run -a -s "-noreset -screen 0 1920x1200x24 -dpi $dpi" \
    sh -c 'echo "Xft.dpi: $0" | xrdb -merge && exec "$@"' "$dpi" "$@"
