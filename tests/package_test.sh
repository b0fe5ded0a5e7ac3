#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Yorozumi authors
# SPDX-License-Identifier: MIT
# Makes the packages and checks them; "reproducible": twice, a minute apart,
# in other paths, zones, locales and umasks, the two identical:
#   package_test.sh <source dir> <version> <Qt major version> [reproducible]
# Then runs the package's own autopkgtest against the .deb in a throw-away
# testbed (scripts/autopkgtest-run, as root or through sudo).
set -euo pipefail
export LC_ALL=C.UTF-8
source=$1 version=$2 qt=$3 reproducible=${4:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
profile=$([ "$qt" = 6 ] && echo pkg.yorozumi.qt6 || true)

# package <dir> <TZ> <locale> <umask>: the packages land in <dir>.
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
# The source package and both binary ones; lintian checks stripping, PIE and RELRO.
lintian -I --pedantic --fail-on error,warning --tag-display-limit 0 "$debs"/yorozumi_"$version"_*.changes \
    || fail "lintian"

dpkg-deb -x "$deb" "$work/root"
needed=$(readelf -d "$work/root/usr/bin/yorozumi")
grep -q "NEEDED.*libQt${qt}Widgets" <<<"$needed" && ! grep -q "NEEDED.*libQt$((qt == 5 ? 6 : 5))" <<<"$needed" \
    || fail "the program does not link Qt $qt alone"
grep -q 'FLAGS.*BIND_NOW\|FLAGS_1.*NOW' <<<"$needed" || fail "no full RELRO (-z now)"
grep -q '__stack_chk_fail' <<<"$(readelf --dyn-syms --wide "$work/root/usr/bin/yorozumi")" || fail "no stack protector"

# The installed program as a user gets it (debian/tests), never installed here.
source "$source/scripts/common.sh" # as_root
as_root "$source/scripts/autopkgtest-run" "$deb" "$debs/yorozumi_$version.dsc" >"$work/autopkgtest.log" 2>&1 \
    || { cat "$work/autopkgtest.log" >&2; fail "autopkgtest"; }
sed -n '/@@@@ summary/,/^autopkgtest/{/^[a-z]* *PASS/p}' "$work/autopkgtest.log" | grep . || fail "autopkgtest ran no test"
echo "packaged ($(stat -c %s "$deb") bytes), lintian clean, autopkgtest passed"
