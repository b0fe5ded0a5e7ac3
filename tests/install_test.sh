#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Yorozumi authors
# SPDX-License-Identifier: MIT
# Installs a build into a temporary prefix and checks what lands there (the
# package test's lintian validates the icons, desktop entry and metadata):
#   install_test.sh <build dir> <app id> <version> <source dir>
set -euo pipefail
export LC_ALL=C.UTF-8 # man renders the Japanese page
build=$1 id=$2 version=$3
# The release date as the changelog's newest entry gives it, read here.
set -- $(dpkg-parsechangelog -l "$4/debian/changelog" -S Date)
date=$(date -d "$2 $3 $4" +%F)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
expected=$(printf '%s\n' bin/yorozumi "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    share/man/man1/yorozumi.1.gz share/icons/hicolor/scalable/apps/$id.svg \
    $(for s in 16 32 48 64 128 256; do echo "share/icons/hicolor/${s}x$s/apps/$id.png"; done) | sort)
actual=$(cd "$prefix" && find . -type f | sed 's|^\./||' | sort)
[ "$actual" = "$expected" ] || fail "installed files differ:"$'\n'"$(diff <(echo "$expected") <(echo "$actual"))"

# Stripping is the packager's choice: a plain install keeps the symbols.
grep -q '\.symtab' <<<"$(readelf -S "$prefix/bin/yorozumi")" || fail "a plain install stripped the program"

page=$prefix/share/man/man1/yorozumi.1.gz # no name, no time stamp
gzip -t "$page" && [ "$(od -An -j3 -N5 -tx1 "$page" | tr -d ' ')" = 0000000000 ] || fail "manual page not reproducible"
man -l "$page" 2>&1 >/dev/null | grep . && fail "the manual page has errors"
grep -qx ".TH YOROZUMI 1 $date \"yorozumi $version\" \"User Commands\"" <<<"$(zcat "$page")" || fail "manual page header"

desktop=$prefix/share/applications/$id.desktop
for line in Type=Application Exec=yorozumi "Icon=$id" Terminal=false Name=ヨロズミ StartupWMClass=Yorozumi; do
    grep -qx "$line" "$desktop" || fail "desktop entry without $line"
done
grep -q '^Keywords\[ja\]=.*数え年' "$desktop" || fail "desktop entry without Japanese keywords"
metainfo=$prefix/share/metainfo/$id.metainfo.xml
for element in "<id>$id</id>" "<launchable type=\"desktop-id\">$id.desktop</launchable>" \
               '<project_license>MIT</project_license>' "<release version=\"$version\" date=\"$date\"/>"; do
    grep -qF "$element" "$metainfo" || fail "AppStream metadata without $element"
done
echo "installed: $(echo "$actual" | wc -l) files"
