#!/bin/sh
# Runs a test as the only client of a headless weston of its own:
#   wayland_run.sh <output scale> <program> [arguments...]
set -eu
scale=$1
shift
export XDG_RUNTIME_DIR="$(mktemp -d)" # made 0700
weston --backend=headless-backend.so --no-config --idle-time=0 --width=1024 --height=768 \
    --scale="$scale" --socket=wayland-test >"$XDG_RUNTIME_DIR/weston.log" 2>&1 &
weston=$!
trap 'kill $weston 2>/dev/null; wait $weston 2>/dev/null; rm -rf "$XDG_RUNTIME_DIR"' EXIT
for i in $(seq 100); do
    [ -S "$XDG_RUNTIME_DIR/wayland-test" ] && break
    kill -0 $weston 2>/dev/null || { cat "$XDG_RUNTIME_DIR/weston.log" >&2; exit 1; }
    sleep 0.1
done
WAYLAND_DISPLAY=wayland-test QT_QPA_PLATFORM=wayland "$@"
