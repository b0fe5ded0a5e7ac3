# Shared by scripts/run, scripts/test, scripts/bench and scripts/package.
# Sourced, not run.

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
JOBS=$(nproc 2>/dev/null || echo 2)

# Debian packages needed to build and run the program and its tests.
BASE_PACKAGES=(cmake ninja-build g++ pkg-config qtbase5-dev qtbase5-dev-tools
               fonts-ipafont-gothic)

# The second, Qt 6 build (cmake -DQT_MAJOR_VERSION=6).
QT6_PACKAGES=(qt6-base-dev qt6-base-dev-tools qt6-5compat-dev)

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
    local sudo=()
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "need root or sudo to install: ${missing[*]}" >&2; return 1; }
        sudo=(sudo)
    fi
    say "installing ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends \
        "${missing[@]}"
}

# configure_build DIR [cmake args...]: configures once, then builds.
configure_build() {
    local dir=$1; shift
    if [ ! -f "$dir/CMakeCache.txt" ]; then
        cmake -S "$ROOT" -B "$dir" -G Ninja "$@" >/dev/null
    fi
    cmake --build "$dir" --parallel "$JOBS"
}
