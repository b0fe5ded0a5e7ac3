#!/usr/bin/env bash
# Installs a build into a temporary prefix and checks what lands there:
#   install_test.sh <build dir> <app id>
set -euo pipefail
build=$1 id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

expected=$(printf '%s\n' \
    bin/yorozumi \
    "share/applications/$id.desktop" \
    "share/icons/hicolor/16x16/apps/$id.png" \
    "share/icons/hicolor/32x32/apps/$id.png" \
    "share/icons/hicolor/48x48/apps/$id.png" \
    "share/metainfo/$id.metainfo.xml" | sort)
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
[ "$actual" = "$expected" ] || fail "installed files differ:"$'\n'"$(diff <(echo "$expected") <(echo "$actual"))"
[ -x "$prefix/bin/yorozumi" ] || fail "bin/yorozumi is not executable"

# Each icon is a PNG of its directory's size (IHDR width and height).
for size in 16 32 48; do
    png="$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png"
    [ "$(head -c 8 "$png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "$png is no PNG"
    read -r w h < <(od -An -j16 -N8 -tu1 "$png" | awk '{ print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }')
    [ "$w" = "$size" ] && [ "$h" = "$size" ] || fail "$png is ${w}x$h, not ${size}x$size"
done

desktop="$prefix/share/applications/$id.desktop"
desktop-file-validate "$desktop" || fail "desktop-file-validate rejected $desktop"
grep -qx "Icon=$id" "$desktop" || fail "the desktop entry names another icon"
grep -qx "Exec=yorozumi" "$desktop" || fail "the desktop entry starts something else"

metainfo="$prefix/share/metainfo/$id.metainfo.xml"
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli rejected $metainfo"
grep -q "<id>$id</id>" "$metainfo" || fail "the metadata carries another id"
grep -q '<release version="3.3.0"' "$metainfo" || fail "no 3.3.0 release entry"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "no launchable"

echo "installed and validated: $(echo "$actual" | wc -l) files"
