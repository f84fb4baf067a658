# Shared by the scripts: install what is missing, then configure and build.
# Sourced, not run.

set -euo pipefail

ZORBIKA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# The configure preset for build/: CI sets "ci", which makes warnings errors.
ZORBIKA_PRESET=${ZORBIKA_PRESET:-default}

# Debian packages that building and running the program needs.
ZORBIKA_PROGRAM_PACKAGES=(cmake ninja-build g++ qt6-base-dev fonts-liberation2)

# What the tests and benchmarks add: their libraries, then the tools that run
# them. dbus-daemon gives the tests that run the real program a private session
# bus, so that nothing is autolaunched into their home; at-spi2-core and
# python3-pyatspi are a screen reader's side of the accessibility bus.
ZORBIKA_TEST_PACKAGES=(
    libgtest-dev libgmock-dev libbenchmark-dev libx11-dev
    xvfb xauth xdotool dbus-daemon dbus-session-bus-common at-spi2-core python3-pyatspi
    binutils-mingw-w64-x86-64
    desktop-file-utils appstream dpkg-dev file lintian
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

# Reads a cached option of build/, empty when it is not configured.
zorbika_cached() {
    sed -n "s/^$1:[A-Z]*=//p" "$ZORBIKA_ROOT/build/CMakeCache.txt" 2>/dev/null
}

# Builds only the program. A build/ that has none configures without the tests
# and benchmarks, which the program does not need; one that has them keeps them.
zorbika_build_program() {
    cd "$ZORBIKA_ROOT"
    if [ -z "$(zorbika_cached CMAKE_BUILD_TYPE)" ]; then
        cmake --preset "$ZORBIKA_PRESET" -DZORBIKA_BUILD_TESTS=OFF -DZORBIKA_BUILD_BENCHMARKS=OFF
    fi
    cmake --build build --parallel "$(nproc)" --target zorbika
}

# Builds everything: the program, its tests and its benchmarks.
zorbika_build() {
    cd "$ZORBIKA_ROOT"
    if [ "$(zorbika_cached ZORBIKA_BUILD_TESTS)" != ON ] \
        || [ "$(zorbika_cached ZORBIKA_BUILD_BENCHMARKS)" != ON ]; then
        cmake --preset "$ZORBIKA_PRESET" -DZORBIKA_BUILD_TESTS=ON -DZORBIKA_BUILD_BENCHMARKS=ON
    fi
    cmake --build build --parallel "$(nproc)"
}
