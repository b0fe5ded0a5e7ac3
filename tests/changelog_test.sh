#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Yorozumi authors
# SPDX-License-Identifier: MIT
# CMake takes the release date from debian/changelog's newest entry and
# refuses one dated after today, since the package's time stamps would then
# go unclamped. Configures a copy of the top level with the entry dated
# today, then tomorrow:
#   changelog_test.sh <source dir>
set -euo pipefail
source=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# configure DATE: the newest entry's trailer dated DATE (as date -d reads it).
configure() {
    rm -rf "$work/src" "$work/build"
    mkdir -p "$work/src/debian"
    cp -r "$source/CMakeLists.txt" "$source/calc" "$work/src/"
    sed "0,/^ -- /s/^\( -- .*>  \).*$/\1$(LC_ALL=C date -u -R -d "$1")/" "$source/debian/changelog" >"$work/src/debian/changelog"
    cmake -S "$work/src" -B "$work/build" -DYOROZUMI_GUI=OFF -DYOROZUMI_TESTS=OFF >"$work/log" 2>&1
}
configure today || fail "an entry dated today is refused: $(cat "$work/log")"
! configure tomorrow || fail "an entry dated tomorrow is taken"
grep -q 'after today' "$work/log" || fail "refused, but not for its date: $(cat "$work/log")"
echo "an entry dated today is taken, one dated tomorrow refused"
