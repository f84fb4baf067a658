# Shared by the scripts: install what is missing, then configure and build.
# Sourced, not run.

set -euo pipefail

ZORBIKA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

# The configure preset for build/: CI sets "ci", which makes warnings errors.
ZORBIKA_PRESET=${ZORBIKA_PRESET:-default}

# Debian packages that building and running the program needs.
ZORBIKA_PROGRAM_PACKAGES=(cmake ninja-build g++ qt6-base-dev fonts-liberation2)

# What cross-building the Windows programs, 64- and 32-bit, and their installer
# packages needs.
ZORBIKA_WINDOWS_PACKAGES=(cmake ninja-build g++ g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
    g++-mingw-w64-i686-posix binutils-mingw-w64-i686 wixl msitools)

# What building the page for the browser needs: Emscripten, which brings its
# own clang, Node.js and Python.
ZORBIKA_WEB_PACKAGES=(cmake ninja-build emscripten python3)

# What the tests and benchmarks add: their libraries, then the tools that run
# them. dbus-daemon gives the tests that run the real program a private session
# bus, so that nothing is autolaunched into their home; at-spi2-core and
# python3-pyatspi are a screen reader's side of the accessibility bus. The
# Windows tests build GoogleTest from googletest's sources and run under Wine.
ZORBIKA_TEST_PACKAGES=(
    libgtest-dev libgmock-dev libbenchmark-dev libx11-dev
    xvfb xdotool xclip python3-xlib dbus-daemon dbus-session-bus-common at-spi2-core
    python3-pyatspi
    "${ZORBIKA_WINDOWS_PACKAGES[@]}" googletest wine wine64
    "${ZORBIKA_WEB_PACKAGES[@]}" chromium python3-websocket
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

# axe-core, the accessibility engine that the page's tests run, from npm into
# build-web/npm; npm comes from Debian where Node.js came without it.
ZORBIKA_AXE_VERSION=4.14.1
ZORBIKA_AXE_PREFIX=$ZORBIKA_ROOT/build-web/npm
zorbika_ensure_axe() {
    local manifest=$ZORBIKA_AXE_PREFIX/node_modules/axe-core/package.json
    if [ -f "$manifest" ] && grep -q "\"version\": \"$ZORBIKA_AXE_VERSION\"" "$manifest"; then
        return 0
    fi
    command -v npm >/dev/null || zorbika_ensure_packages npm
    npm install --prefix "$ZORBIKA_AXE_PREFIX" --no-save --no-package-lock --no-audit --no-fund \
        --loglevel=error "axe-core@$ZORBIKA_AXE_VERSION"
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

# Cross-builds with the configure preset PRESET into build-PRESET/, with its
# tests when asked (ON) or when that folder has them already; for CI warnings
# are errors there too.
zorbika_build_cross() {
    cd "$ZORBIKA_ROOT"
    local preset=$1 tests=${2:-} cached
    cached=$(sed -n 's/^ZORBIKA_BUILD_TESTS:[A-Z]*=//p' "build-$preset/CMakeCache.txt" 2>/dev/null || true)
    if [ -z "$cached" ] || { [ "$tests" = ON ] && [ "$cached" != ON ]; }; then
        local warnings=OFF
        [ "$ZORBIKA_PRESET" = ci ] && warnings=ON
        cmake --preset "$preset" -DZORBIKA_BUILD_TESTS="${tests:-OFF}" \
            -DZORBIKA_BUILD_BENCHMARKS="${tests:-OFF}" -DCMAKE_COMPILE_WARNING_AS_ERROR=$warnings
    fi
    cmake --build "build-$preset" --parallel "$(nproc)"
}

# The Windows program, into build-windows/.
zorbika_build_windows() {
    zorbika_build_cross windows "$@"
}

# Tells build-windows/ where the 32-bit build's installer package is, for the
# test that installs each package over the other.
zorbika_cache_windows_x86_msi() {
    local msi cached
    msi=$(ls "$ZORBIKA_ROOT"/build-windows-x86/Zorbika-*-x86.msi)
    cached=$(sed -n 's/^ZORBIKA_X86_MSI:[A-Z]*=//p' "$ZORBIKA_ROOT/build-windows/CMakeCache.txt")
    if [ "$cached" != "$msi" ]; then
        cmake -DZORBIKA_X86_MSI="$msi" "$ZORBIKA_ROOT/build-windows" >/dev/null
    fi
}

# The page, built with Emscripten into build-web/. A Node.js from another
# packager than Debian does not look for the modules Debian's Emscripten needs.
zorbika_build_web() {
    export NODE_PATH=${NODE_PATH:+$NODE_PATH:}/usr/share/nodejs
    zorbika_build_cross web "$@"
}

# A minimal Debian root of release SUITE in a new folder, for trying what a
# fresh system does: prints that folder, which holds the root in root/ and is
# the caller's to remove with zorbika_remove_root. As root only.
zorbika_make_root() {
    local suite=$1 work start
    work=$(mktemp -d "${TMPDIR:-/var/tmp}/zorbika-$suite.XXXXXX")
    start=$(date +%s)
    debootstrap --variant=minbase "$suite" "$work/root" http://deb.debian.org/debian \
        >"$work/debootstrap.log" 2>&1 || {
        tail -n 20 "$work/debootstrap.log" >&2
        rm -rf --one-file-system "$work"
        return 1
    }
    echo "debootstrap $suite: $(($(date +%s) - start)) s" >&2
    # The host's resolver: a workplace's network may answer only through it.
    cp /etc/resolv.conf "$work/root/etc/resolv.conf"
    echo "$work"
}

# Runs the shell command COMMAND as root in the root ROOT, in the folder DIR
# there: in a mount namespace of its own, so that its mounts never reach this
# system, and a PID namespace of its own, so that every process it started
# ends with it. The X sockets are this system's, so that a display started on
# either side is reachable from both and no two take one number.
# Usage: zorbika_in_root ROOT DIR COMMAND [SHARED]
# where SHARED, when given, is a folder of this system's that the root sees at
# the same path.
zorbika_in_root() {
    unshare --mount --propagation private --pid --fork --kill-child -- bash -c '
        root=$1 dir=$2 command=$3 shared=${4:-}
        mount -t proc proc "$root/proc"
        mount -t sysfs sys "$root/sys"
        mount --bind /dev "$root/dev"
        mount --bind /dev/pts "$root/dev/pts"
        mount -t tmpfs tmpfs "$root/tmp"
        mkdir "$root/tmp/.X11-unix"
        mount --bind /tmp/.X11-unix "$root/tmp/.X11-unix"
        if [ -n "$shared" ]; then
            mkdir -p "$root$shared"
            mount --bind "$shared" "$root$shared"
        fi
        exec chroot "$root" /usr/bin/env -i PATH=/usr/local/bin:/usr/bin:/bin:/usr/sbin:/sbin \
            HOME=/root LANG=C.UTF-8 ZORBIKA_PRESET="${ZORBIKA_PRESET:-default}" \
            ${DISPLAY:+DISPLAY="$DISPLAY"} bash -c "cd \"$dir\" && $command"' in_root "$@"
}

# Removes a folder of zorbika_make_root once nothing runs in its root.
zorbika_remove_root() {
    local work=$1 busy
    # Killed namespaces take a moment to empty.
    for _ in $(seq 50); do
        busy=$(find /proc -maxdepth 2 -name root -lname "$work/root" 2>/dev/null | head -n 1 || true)
        [ -z "$busy" ] && break
        sleep 0.2
    done
    # The mounts lived in the namespaces of zorbika_in_root and went with
    # them; what is left here is plain files.
    rm -rf --one-file-system "$work"
}
