#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what lands there, then
# makes the .deb, has lintian check it, and starts the packaged program:
#   install_test.sh <build dir> <app id> <Qt major version>
set -euo pipefail
build=$1 id=$2 qt=$3
other=$((qt == 5 ? 6 : 5))
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
icons=share/icons/hicolor
expected=$(printf '%s\n' bin/yorozumi "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    share/doc/yorozumi/copyright share/doc/yorozumi/changelog.gz share/man/man1/yorozumi.1.gz \
    "$icons/scalable/apps/$id.svg" $(for s in 16 32 48 64 128 256; do echo "$icons/${s}x$s/apps/$id.png"; done) | sort)
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
[ "$actual" = "$expected" ] || fail "installed files differ:"$'\n'"$(diff <(echo "$expected") <(echo "$actual"))"

for s in 16 32 48 64 128 256; do # PNGs of their directory's size (IHDR)
    [ "$(od -An -j12 -N12 -tx1 "$prefix/$icons/${s}x$s/apps/$id.png" | tr -d ' \n')" = "$(printf '49484452%08x%08x' $s $s)" ] || fail "$s px icon"
done
grep -q '<svg' "$prefix/$icons/scalable/apps/$id.svg" || fail "the scalable icon is no SVG"
for gz in share/doc/yorozumi/changelog.gz share/man/man1/yorozumi.1.gz; do # no name, no time stamp
    gzip -t "$prefix/$gz" && [ "$(od -An -j3 -N5 -tx1 "$prefix/$gz" | tr -d ' ')" = 0000000000 ] || fail "$gz not reproducible"
done
man -l "$prefix/share/man/man1/yorozumi.1.gz" 2>&1 >/dev/null | grep . && fail "the manual page has errors"
desktop="$prefix/share/applications/$id.desktop"
desktop-file-validate "$desktop" && grep -qx "Icon=$id" "$desktop" && grep -qx "Exec=yorozumi" "$desktop" \
    && grep -q '^Keywords\[ja\]=.*数え年' "$desktop" || fail "desktop entry"
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" && grep -q "<id>$id</id>" "$metainfo" \
    && grep -q '<project_license>MIT</project_license>' "$metainfo" || fail "AppStream metadata"

(cd "$build" && cpack -G DEB -B "$work/out" >/dev/null)
deb=$(ls "$work"/out/*.deb)
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package) $(field Version) $(field Section)" = "yorozumi 3.3.0 utils" ] || fail "control fields"
field Depends | grep -q "libqt${qt}widgets${qt}" && ! field Depends | grep -q "libqt${other}" \
    || fail "Depends not on Qt $qt alone: $(field Depends)"
field Recommends | grep -q 'fonts-ipafont-gothic.*xdg-utils' || fail "Recommends: $(field Recommends)"
lintian --fail-on error,warning --tag-display-limit 0 "$deb" || fail "lintian"
dpkg-deb -x "$deb" "$work/root"
[ "$(cd "$work/root/usr" && find . -type f | sed 's|^\./||' | sort)" = "$expected" ] || fail "the package holds other files"
needed=$(readelf -d "$work/root/usr/bin/yorozumi")
grep -q "NEEDED.*libQt${qt}Widgets" <<<"$needed" && ! grep -q "NEEDED.*libQt${other}" <<<"$needed" \
    || fail "the program does not link Qt $qt alone"
grep -q 'FLAGS.*BIND_NOW\|FLAGS_1.*NOW' <<<"$needed" || fail "no full RELRO (-z now)"

# The packaged program shows its window, of the class the desktop entry names.
wm=$(grep '^StartupWMClass=' "$work/root/usr/share/applications/$id.desktop" | cut -d= -f2)
xvfb-run -a sh -c '"$1" 2>/dev/null & for i in $(seq 100); do
    xwininfo -root -tree | grep "\": (\"" && break; sleep 0.2; done; kill $!' sh "$work/root/usr/bin/yorozumi" \
    >"$work/windows" 2>&1 || true
grep -q "\"ヨロズミ\": (\".*\" \"$wm\")" "$work/windows" || fail "no window of class \"$wm\": $(cat "$work/windows")"
echo "installed, packaged ($(stat -c %s "$deb") bytes), lintian clean, window shown"
