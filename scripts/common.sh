# Shared by scripts/run and scripts/test: install what is missing, then build.
# Sourced, not run.

set -euo pipefail

ZORBIKA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# Debian packages the default build needs: the program, its tests and
# benchmarks are all configured and built.
ZORBIKA_BUILD_PACKAGES=(
    cmake ninja-build g++ qt6-base-dev fonts-liberation2
    libgtest-dev libgmock-dev libbenchmark-dev libx11-dev
)

# What running the tests needs on top of the build.
ZORBIKA_TEST_PACKAGES=(
    xvfb xauth xdotool binutils-mingw-w64-x86-64 desktop-file-utils appstream
    dpkg-dev file lintian
)

# Installs the packages that are not installed yet; does nothing when all are.
zorbika_ensure_packages() {
    local missing=() pkg
    for pkg in "$@"; do
        if [ "$(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null)" != installed ]; then
            missing+=("$pkg")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive \
        apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Configures build/ once, then builds what changed.
zorbika_build() {
    cd "$ZORBIKA_ROOT"
    if [ ! -f build/CMakeCache.txt ]; then
        cmake --preset default
    fi
    cmake --build build --parallel "$(nproc)"
}
