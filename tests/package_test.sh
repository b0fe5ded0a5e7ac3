#!/usr/bin/env bash
# Makes the package and checks it; "reproducible": twice, a minute apart, in
# other paths, zones, locales and umasks, the two identical:
#   package_test.sh <source dir> <version> <Qt major version> [reproducible]
set -euo pipefail
source=$1 version=$2 qt=$3 reproducible=${4:-}
other=$((qt == 5 ? 6 : 5))
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
profile=$([ "$qt" = 6 ] && echo qt6 || true)

# package <dir> <TZ> <locale> <umask>: the .deb files land in <dir>.
package() {
    (umask "$4" && TZ=$2 LC_ALL=$3 LANG=$3 DEB_BUILD_PROFILES=$profile "$source/scripts/package" "$1" >/dev/null) \
        || fail "scripts/package $1"
}
started=$SECONDS
debs=$work/a
package "$debs" UTC C.UTF-8 022
if [ -n "$reproducible" ]; then
    sleep $((60 - (SECONDS - started) > 0 ? 60 - (SECONDS - started) : 0))
    package "$work/other/path" Asia/Tokyo ja_JP.UTF-8 002
    for deb in yorozumi yorozumi-dbgsym; do
        sums=$(sha256sum "$debs/${deb}_${version}_"*.deb "$work/other/path/${deb}_${version}_"*.deb)
        echo "$sums"
        [ "$(cut -d' ' -f1 <<<"$sums" | uniq | wc -l)" = 1 ] || fail "$deb differs between the two builds"
    done
fi

deb=$(ls "$debs"/yorozumi_"$version"_*.deb)
[ -f "$(ls "$debs"/yorozumi-dbgsym_"$version"_*.deb)" ] || fail "no -dbgsym package"
field() { dpkg-deb -f "$deb" "$1"; }
wayland=$([ "$qt" = 6 ] && echo qt6-wayland || echo qtwayland5)
[ "$(field Recommends)" = "fonts-ipafont-gothic | fonts-noto-cjk, xdg-utils, $wayland" ] \
    || fail "Recommends: $(field Recommends)"
lintian --fail-on error,warning --tag-display-limit 0 "$deb" || fail "lintian"

dpkg-deb -x "$deb" "$work/root"
bin=$work/root/usr/bin/yorozumi # lintian has checked it is stripped, PIE and RELRO
needed=$(readelf -d "$bin")
grep -q "NEEDED.*libQt${qt}Widgets" <<<"$needed" && ! grep -q "NEEDED.*libQt${other}" <<<"$needed" \
    || fail "the program does not link Qt $qt alone"
grep -q 'FLAGS.*BIND_NOW\|FLAGS_1.*NOW' <<<"$needed" || fail "no full RELRO (-z now)"
grep -q '__stack_chk_fail' <<<"$(readelf --dyn-syms --wide "$bin")" || fail "no stack protector"

# The packaged program shows its window, of the desktop entry's class, scaled by main(): 600 px at 192 dpi.
wm=$(grep -h '^StartupWMClass=' "$work"/root/usr/share/applications/*.desktop | cut -d= -f2)
"$(dirname "$0")/x11_run.sh" 192 sh -c '"$1" 2>/dev/null & for i in $(seq 100); do
    xwininfo -root -tree | grep "\": (\"" && break; sleep 0.2; done; kill $!' sh "$bin" \
    >"$work/windows" 2>&1 || true
grep -q "\"ヨロズミ\": (\".*\" \"$wm\")" "$work/windows" || fail "no window of class \"$wm\": $(cat "$work/windows")"
grep -q "\"ヨロズミ\": (.*)  600x" "$work/windows" || fail "the window is not scaled: $(cat "$work/windows")"
echo "packaged ($(stat -c %s "$deb") bytes), lintian clean, window shown at 192 dpi"
