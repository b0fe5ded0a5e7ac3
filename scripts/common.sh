# SPDX-FileCopyrightText: 2026 The Yorozumi authors
# SPDX-License-Identifier: MIT
# Shared by scripts/run, scripts/test, scripts/bench and scripts/package.
# Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
JOBS=$(nproc 2>/dev/null || echo 2)

# What the program needs beside its build dependencies, which debian/control
# names: a Japanese face for its texts, and dpkg-dev to read the control file.
BASE_PACKAGES=(dpkg-dev fonts-ipafont-gothic)

# What the tests need beyond building: the fuzzer's clang, a virtual X
# server with xrdb, xwininfo, xprop and xdotool, the Japanese locale, Qt SVG for the image
# tool, the package checkers, autopkgtest and debootstrap for its testbed,
# three headless Wayland compositors (weston, KWin, mutter, whose keys
# Debian's python3-gi presses, gdbus scales) with the Wayland plugins of both Qt
# versions, and a session
# bus with the accessibility bus; reuse for the licence headers. Names that every
# release since Debian 12 has, none tied to one release.
TEST_PACKAGES=(clang libclang-rt-dev xvfb xauth x11-xserver-utils x11-utils xdotool locales
               libqt5svg5-dev qt6-svg-dev desktop-file-utils appstream lintian man-db
               autopkgtest debootstrap weston kwin-wayland mutter python3-gi libglib2.0-bin qtwayland5 qt6-wayland dbus at-spi2-core reuse)

say() { printf '==> %s\n' "$*"; }

# Installs whichever of the named packages are missing; apt-get update runs
# only when something has to be installed.
ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -q '^install ok installed$' \
            || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    say "installing ${missing[*]}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# ensure_build_deps [profile]: installs what debian/control's Build-Depends
# name (for the build profile, if given) where anything is missing.
ensure_build_deps() {
    DEB_BUILD_PROFILES=${1:-} dpkg-checkbuilddeps "$ROOT/debian/control" >/dev/null 2>&1 && return 0
    say "installing the build dependencies${1:+ of profile $1}"
    as_root env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    as_root env DEBIAN_FRONTEND=noninteractive apt-get build-dep -y -qq --no-install-recommends \
        ${1:+-P "$1"} "$ROOT"
}

as_root() {
    if [ "$(id -u)" -eq 0 ]; then
        "$@"
    elif command -v sudo >/dev/null; then
        sudo "$@"
    else
        echo "need root or sudo for: $*" >&2
        return 1
    fi
}

# Generates the ja_JP.UTF-8 locale where it is missing.
ensure_japanese_locale() {
    locale -a 2>/dev/null | grep -qix 'ja_JP.utf-\?8' && return 0
    say "generating the ja_JP.UTF-8 locale"
    as_root localedef -i ja_JP -f UTF-8 ja_JP.UTF-8
}

# make_root RELEASE DIR: a minimal root of a Debian release, made by
# debootstrap from the main archive of this machine's own apt sources (no
# mirror is written here); packages installed there start no services.
make_root() {
    local mirror
    mirror=$(apt-get indextargets --format '$(LABEL) $(REPO_URI)' | awk '$1 == "Debian" { print $2; exit }')
    [ -n "$mirror" ] || { echo "no Debian archive in this machine's apt sources" >&2; return 1; }
    say "making a $1 root in $2 from $mirror"
    rm -rf "$2"
    mkdir -p "$2"
    debootstrap --variant=minbase "$1" "$2" "$mirror" >"$2.log" 2>&1 || { tail -n 20 "$2.log" >&2; return 1; }
    printf '#!/bin/sh\nexit 101\n' >"$2/usr/sbin/policy-rc.d"
    chmod +x "$2/usr/sbin/policy-rc.d"
}

# mount_root DIR: what a program run there needs, /proc, /sys, /dev and
# fresh /dev/pts, /dev/shm and /tmp, each undone by unmount_roots.
ROOT_MOUNTS=()
mount_root() {
    mounted() { mount "$@" && ROOT_MOUNTS+=("${@: -1}"); }
    mounted -t proc proc "$1/proc"
    mounted -t sysfs sysfs "$1/sys"
    mounted --bind /dev "$1/dev"
    mounted -t devpts -o newinstance,ptmxmode=0666 devpts "$1/dev/pts"
    mounted -t tmpfs -o mode=1777 tmpfs "$1/dev/shm"
    mounted -t tmpfs -o mode=1777 tmpfs "$1/tmp"
    cp /etc/resolv.conf "$1/etc/resolv.conf" 2>/dev/null || true
}
unmount_roots() {
    local i
    for ((i = ${#ROOT_MOUNTS[@]} - 1; i >= 0; i--)); do
        umount "${ROOT_MOUNTS[i]}" || umount -l "${ROOT_MOUNTS[i]}"
    done
    ROOT_MOUNTS=()
}

# copy_tree DEST: the working tree as it is now, without .git and builds.
copy_tree() {
    tar -C "$ROOT" --exclude=./.git --exclude=./build --exclude='./build-*' -cf - . | tar -C "$1" -xf -
}

# build PRESET [target]: configures with the preset of CMakePresets.json
# (every time, so that a changed option takes effect) and builds.
build() {
    cmake --preset "$1" >/dev/null
    cmake --build --preset "$1" --parallel "$JOBS" ${2:+--target "$2"}
}
