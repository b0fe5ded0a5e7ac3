#!/usr/bin/env bash
# Builds the .deb, has lintian check it, unpacks it into a temporary root
# and starts the packaged program until its window shows:
#   package_test.sh <build dir> <app id> <Qt major version>
set -euo pipefail
build=$1 id=$2 qt=$3
other=$((qt == 5 ? 6 : 5))
work=$(mktemp -d)
pid=
trap '[ -n "$pid" ] && kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/*.deb)
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = yorozumi ] && [ "$(field Version)" = 3.3.0 ] && [ "$(field Section)" = utils ] \
    || fail "package $(field Package) $(field Version) in $(field Section)"
field Depends | grep -q "libqt${qt}widgets${qt}" || fail "Depends lacks Qt $qt Widgets: $(field Depends)"
field Depends | grep -q "libqt${other}" && fail "Depends names Qt $other: $(field Depends)"
field Recommends | grep -q fonts-ipafont-gothic || fail "no Japanese font recommended"
field Recommends | grep -q xdg-utils || fail "no URL handler recommended"

# Debian's own checker: no error and no warning.
lintian --fail-on error,warning --tag-display-limit 0 "$deb" || fail "lintian: $(lintian "$deb")"

root="$work/root"
dpkg-deb -x "$deb" "$root"
binary="$root/usr/bin/yorozumi"
needed=$(readelf -d "$binary")
grep -q "NEEDED.*libQt${qt}Widgets" <<<"$needed" || fail "the program does not link Qt $qt Widgets"
grep -q "NEEDED.*libQt${other}" <<<"$needed" && fail "the program links Qt $other"
grep -q 'FLAGS.*BIND_NOW\|FLAGS_1.*NOW' <<<"$needed" || fail "no full RELRO (-z now)"

# The window shows, and on X11 its class is the one the desktop entry names.
if command -v xvfb-run >/dev/null && command -v xwininfo >/dev/null; then
    wm=$(grep '^StartupWMClass=' "$root/usr/share/applications/$id.desktop" | cut -d= -f2)
    xvfb-run -a sh -c '"$1" 2>/dev/null & for i in $(seq 100); do
        xwininfo -root -tree | grep "\": (\"" && break; sleep 0.2; done; kill $!' sh "$binary" \
        >"$work/windows" 2>&1 || true
    grep -q "\"ヨロズミ\": (\".*\" \"$wm\")" "$work/windows" \
        || fail "no window of class \"$wm\": $(cat "$work/windows")"
else
    QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.widgets.painting=true' "$binary" >"$work/run.log" 2>&1 &
    pid=$!
    for _ in $(seq 200); do
        grep -q 'Drawing .* of MainWindow' "$work/run.log" && break
        sleep 0.1
    done
    grep -q 'Drawing .* of MainWindow' "$work/run.log" || fail "no expose within 20 s"
fi
echo "packaged $(basename "$deb") ($(stat -c %s "$deb") bytes): lintian clean, window shown"
