# Shared by the scripts: package installation and the build. Source it; don't run it.
set -euo pipefail

KORVO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KORVO_JOBS=${KORVO_JOBS:-$(nproc)}

# What building and running Korvo needs on Debian 12.
# qt6-l10n-tools: lrelease and lupdate; qt6-tools-dev: their CMake package (qt_add_translations);
# qt6-translations-l10n: Qt's own translations of its standard buttons.
KORVO_BUILD_PACKAGES=(cmake g++ make qt6-base-dev qt6-base-dev-tools libgl-dev fonts-dejavu-core libfontconfig-dev
                      qt6-l10n-tools qt6-tools-dev qt6-translations-l10n)
# What the tests need beyond that: a private NetworkManager test bed.
KORVO_TEST_PACKAGES=(network-manager dnsmasq-base dbus iproute2 util-linux procps polkitd iputils-arping)
# The screen reader's view: a private X server, the accessibility bus and an AT-SPI client (with the
# test packages' dbus).
KORVO_A11Y_PACKAGES=(xvfb qt6-qpa-plugins at-spi2-core python3-pyatspi)
# scripts/test: a headless Wayland compositor and Qt's Wayland platform (tests/support/under-weston).
KORVO_WAYLAND_PACKAGES=(weston qt6-wayland)
# scripts/package and scripts/package-check: the Debian package, its validators and a fresh Debian root.
KORVO_PACKAGE_PACKAGES=(dpkg-dev fakeroot file desktop-file-utils appstream lintian debootstrap)
# scripts/test: the format check, with the version the repo's .clang-format is written for.
KORVO_FORMAT_PACKAGES=(clang-format-14)
# scripts/fuzz: libFuzzer comes with clang. scripts/bench: a virtual X server to time windows on.
KORVO_FUZZ_PACKAGES=(clang-14 libclang-rt-14-dev)
KORVO_BENCH_PACKAGES=(hyperfine xvfb libxcb1-dev libxcb-damage0-dev qt6-qpa-plugins network-manager dbus iproute2 util-linux)
# What scripts/cross-windows needs: MinGW-w64 (posix threads) for the WMI backend, and Wine to run its probe.
KORVO_CROSS_PACKAGES=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev wine64 iproute2
                      util-linux)
# scripts/qt-windows: Qt for MinGW-w64 from Debian's source, with the host's Qt tools (same version).
KORVO_QT_WINDOWS_PACKAGES=(ninja-build cmake dpkg-dev xz-utils g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
                           binutils-mingw-w64-x86-64 mingw-w64-x86-64-dev qt6-base-dev qt6-base-dev-tools)
# scripts/cross-windows with that Qt: the windows on a private X server, driven and photographed; the
# installer and the zip; the fonts the offscreen tests draw with, and Wine's own Windows fonts (Tahoma).
# The host's lrelease compiles the translations, and Qt's own translations ship beside korvo.exe.
# locales: the Russian locale's source, from which Wine takes the code page 1251.
KORVO_CROSS_PROGRAM_PACKAGES=(xvfb xdotool x11-utils imagemagick nsis zip unzip fonts-dejavu-core fonts-wine
                              qt6-l10n-tools qt6-tools-dev qt6-translations-l10n locales)

# ensure_packages PKG...: installs those that are missing; a no-op when all are there.
ensure_packages() {
    local missing=() installed pkg quiet=()
    # One query for all: the test bed asks on every start.
    installed=$(dpkg-query -W -f='${Package} ${Status}\n' "$@" 2>/dev/null | sed -n 's/ install ok installed$//p' || true)
    for pkg in "$@"; do
        grep -qxF "$pkg" <<<"$installed" || [[ " ${missing[*]} " == *" $pkg "* ]] || missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -ne 0 ]; then
        echo "Korvo needs these Debian packages: ${missing[*]} (run as root, or install them)" >&2
        return 1
    fi
    echo "Installing ${missing[*]}, with what they need (apt-get)"
    export DEBIAN_FRONTEND=noninteractive
    # apt's progress shows a slow download is not a hang: its bars on a terminal, a line per
    # download and per package set up in a log.
    [ -t 1 ] || quiet=(-q)
    if [ -z "${KORVO_APT_UPDATED:-}" ]; then
        apt-get "${quiet[@]}" update
        KORVO_APT_UPDATED=1
    fi
    apt-get "${quiet[@]}" install -y --no-install-recommends "${missing[@]}"
}

# check_format: every C++ file of Korvo's own laid out as the repo's .clang-format says.
check_format() {
    echo "Checking the format of Korvo's C++ files (clang-format-14)"
    (cd "$KORVO_ROOT" &&
        find app core ui platform tests bench fuzz -name '*.cpp' -o -name '*.h' | sort |
        xargs clang-format-14 --dry-run -Werror)
}

# build_korvo DIR [cmake args...]: configures (once) and builds into DIR.
build_korvo() {
    local dir=$1
    shift
    cmake -S "$KORVO_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$KORVO_JOBS"
}

# Qt warns on every start when XDG_RUNTIME_DIR is unset (root shells, sudo): give it a private one.
ensure_runtime_dir() {
    [ -n "${XDG_RUNTIME_DIR:-}" ] && return 0
    XDG_RUNTIME_DIR=${TMPDIR:-/tmp}/korvo-runtime-$(id -u)
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
}

# has_display: true when a window can be shown (X11, Wayland, or a Qt platform chosen by hand).
has_display() {
    [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ] || [ -n "${QT_QPA_PLATFORM:-}" ]
}
