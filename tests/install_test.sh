#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what lands there:
#   install_test.sh <build dir> <app id>
set -euo pipefail
build=$1 id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

icons=share/icons/hicolor
expected=$(printf '%s\n' bin/yorozumi "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    share/doc/yorozumi/copyright share/doc/yorozumi/changelog.gz share/man/man1/yorozumi.1.gz \
    "$icons/scalable/apps/$id.svg" $(for s in 16 32 48 64 128 256; do echo "$icons/${s}x$s/apps/$id.png"; done) | sort)
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
[ "$actual" = "$expected" ] || fail "installed files differ:"$'\n'"$(diff <(echo "$expected") <(echo "$actual"))"
[ -x "$prefix/bin/yorozumi" ] || fail "bin/yorozumi is not executable"

# Each icon is a PNG of its directory's size (IHDR width and height).
for size in 16 32 48 64 128 256; do
    png="$prefix/$icons/${size}x$size/apps/$id.png"
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$png is no PNG"
    read -r w h < <(od -An -j16 -N8 -tu1 "$png" | awk '{ print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }')
    [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "$png is ${w}x$h, not ${size}x$size"
done
grep -q '<svg' "$prefix/$icons/scalable/apps/$id.svg" || fail "the scalable icon is no SVG"

# Compressed reproducibly: no file name, no time stamp (header bytes 4-7).
for gz in share/doc/yorozumi/changelog.gz share/man/man1/yorozumi.1.gz; do
    gzip -t "$prefix/$gz" || fail "$gz is no gzip file"
    [ "$(od -An -j3 -N5 -tx1 "$prefix/$gz" | tr -d ' ')" = 0000000000 ] || fail "$gz carries a name or a time"
done
man -l "$prefix/share/man/man1/yorozumi.1.gz" 2>&1 >/dev/null | grep . && fail "the manual page has errors"

desktop="$prefix/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejected $desktop"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry names another icon"
grep -qx "Exec=yorozumi" "$desktop" || fail "the desktop entry starts something else"
grep -q '^Keywords\[ja\]=.*数え年' "$desktop" || fail "no Japanese keywords"

metainfo="$prefix/share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejected $metainfo"
grep -q "<id>$id</id>" "$metainfo" || fail "the metadata carries another id"
grep -q '<project_license>MIT</project_license>' "$metainfo" || fail "no licence in the metadata"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "no launchable"

echo "installed and validated: $(echo "$actual" | wc -l) files"
