#!/bin/sh
# Runs a program under a virtual X server of its own at <dpi>, told to the
# server and in Xft.dpi, as a desktop at that scale tells it (-noreset keeps
# the resource once xrdb has gone):
#   x11_run.sh <dpi> <program> [arguments...]
set -eu
dpi=$1
shift
exec xvfb-run -a -s "-noreset -screen 0 1920x1200x24 -dpi $dpi" \
    sh -c 'echo "Xft.dpi: $0" | xrdb -merge && exec "$@"' "$dpi" "$@"
