#!/usr/bin/env bash
# Builds the .deb, unpacks it into a temporary root and starts the packaged
# program offscreen until Qt reports painting its main window:
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
[ "$(field Package)" = yorozumi ] || fail "package name $(field Package)"
[ "$(field Version)" = 3.3.0 ] || fail "version $(field Version)"
[ "$(field Section)" = utils ] || fail "section $(field Section)"
field Depends | grep -q "libqt${qt}widgets${qt}" || fail "Depends lacks Qt $qt Widgets: $(field Depends)"
field Depends | grep -q "libqt${other}" && fail "Depends names Qt $other: $(field Depends)"
field Recommends | grep -q fonts-ipafont-gothic || fail "no Japanese font recommended"

root="$work/root"
dpkg-deb -x "$deb" "$root"
needed=$(readelf -d "$root/usr/bin/yorozumi" | grep NEEDED)
grep -q "libQt${qt}Widgets" <<<"$needed" || fail "the program does not link Qt $qt Widgets"
grep -q "libQt${other}" <<<"$needed" && fail "the program links Qt $other:"$'\n'"$needed"
for f in usr/bin/yorozumi "usr/share/applications/$id.desktop" \
         "usr/share/icons/hicolor/48x48/apps/$id.png" "usr/share/metainfo/$id.metainfo.xml"; do
    [ -e "$root/$f" ] || fail "$f missing from the package"
done

# Qt's own painting log shows when the window has been exposed and drawn.
log="$work/run.log"
QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES='qt.widgets.painting=true' \
    "$root/usr/bin/yorozumi" >"$log" 2>&1 &
pid=$!
for _ in $(seq 200); do
    grep -q 'Drawing .* of MainWindow(.*name="MainWindow")' "$log" && break
    kill -0 "$pid" 2>/dev/null || fail "the packaged program ended early:"$'\n'"$(tail "$log")"
    sleep 0.1
done
grep -q 'Drawing .* of MainWindow(.*name="MainWindow")' "$log" || fail "no expose within 20 s"
echo "packaged $(basename "$deb") ($(stat -c %s "$deb") bytes); its window was exposed"
