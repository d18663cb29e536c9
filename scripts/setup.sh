# Shared by run.sh, test.sh and package.sh: installs the packages that are missing and builds the
# program. Quiet when everything is in place; loud, with the log, when a step fails.

# The project's configurations (CMakePresets.json) and their folders: the program with every
# test, and the clang build with AddressSanitizer, UndefinedBehaviorSanitizer and the fuzz targets.
BUILD_DIR=build
SANITIZE_DIR=build-sanitize

# Compiler and build tools, Qt, Qt's Japanese texts, Japanese fonts for the window, the CUPS library the printout
# goes through, the renderer of the icon, and the X client library headers the start-up benchmark
# builds against.
BUILD_PACKAGES=(cmake g++ make ninja-build qt6-base-dev qt6-translations-l10n libcups2-dev libxcb1-dev
    fonts-ipafont-gothic fonts-ipafont-mincho librsvg2-bin)
# The Debian package: its library dependencies come from dpkg-shlibdeps, which CPack finds with file.
PACKAGE_PACKAGES=(dpkg-dev file)
# A real X server with a window manager, and the tools that drive it like a person.
# poppler-utils reads printouts back from PDF files; weston with Xwayland and Qt's Wayland plugin
# make the Wayland session the program is tried in; a session bus with the accessibility bus and
# its Python bindings read the windows as a screen reader does; Chromium renders the preview page.
# The package's checks: Debian's (lintian), the desktop's (entry, metadata) and the manual page's.
# A print server of the test's own with a printer that writes PDF files (through Ghostscript);
# valgrind watches the real program start and end; the C library's crypt(3) checks the trips' own;
# a board's web server of the tests' own, in Python, with certificates made by openssl.
TEST_PACKAGES=(xvfb xauth xclip xdotool openbox imagemagick x11-utils poppler-utils
    weston xwayland qt6-wayland dbus at-spi2-core python3-pyatspi chromium
    "${PACKAGE_PACKAGES[@]}" lintian desktop-file-utils appstream man-db
    cups cups-client cups-bsd printer-driver-cups-pdf ghostscript valgrind libcrypt-dev
    python3 openssl)
# clang with its sanitizer and libFuzzer runtimes.
SANITIZE_PACKAGES=(clang libclang-rt-14-dev)
# The Windows build: MinGW-w64 (posix threads) and Ninja for the cross build against the Qt of
# scripts/windows-qt.sh, Debian's Qt tools as its host tools, the icon's .ico maker, Wine to run the
# tests, NSIS for the installer, osslsigncode to sign it (and openssl for the test's certificate);
# the smoke run's X server and tools come with TEST_PACKAGES.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix mingw-w64-tools ninja-build qt6-base-dev-tools
    icoutils wine wine64 nsis osslsigncode openssl unzip xz-utils locales)

# Says which stage starts, after how long since the script began: a long build shows it is alive.
stage() {
    printf '[%d:%02d] %s\n' $((SECONDS / 60)) $((SECONDS % 60)) "$*"
}

ensure_packages() {
    local missing=() package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    if ! command -v apt-get >/dev/null; then
        echo "Please install these packages (or their equivalents) first: ${missing[*]}" >&2
        exit 1
    fi
    local sudo=
    [ "$(id -u)" -eq 0 ] || sudo=sudo
    stage "Installing ${missing[*]} ..."
    local log
    log=$(mktemp)
    if ! { $sudo apt-get update -qq \
        && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends \
            "${missing[@]}"; } >"$log" 2>&1; then
        cat "$log" >&2
        echo "Installing ${missing[*]} failed." >&2
        exit 1
    fi
    rm -f "$log"
}

# Runs a step silently, showing its output only when it fails.
quietly() {
    local log
    log=$(mktemp)
    if ! "$@" >"$log" 2>&1; then
        cat "$log" >&2
        echo "Failed: $*" >&2
        rm -f "$log"
        exit 1
    fi
    rm -f "$log"
}

# Configures (again, so that a changed preset or option takes effect) and builds one of the
# presets, saying so: the first build takes several minutes.
# The build folder of each preset, as CMakePresets.json names it.
declare -A PRESET_FOLDERS=([dev]=build [sanitize]=build-sanitize [release]=build-release
    [windows]=build-windows [windows-release]=build-windows-release)

build_preset() {
    local preset=$1 folder=${PRESET_FOLDERS[$1]}
    # A folder that an older checkout configured for Make is configured anew for Ninja: CMake
    # refuses to change a folder's generator.
    if [ -f "$folder/CMakeCache.txt" ] \
        && ! grep -q '^CMAKE_GENERATOR:INTERNAL=Ninja$' "$folder/CMakeCache.txt"; then
        rm -rf "$folder/CMakeCache.txt" "$folder/CMakeFiles"
    fi
    stage "Configuring and building the $preset build (several minutes the first time) ..."
    quietly cmake --preset "$preset"
    quietly cmake --build --preset "$preset" --parallel "$(nproc)"
}

build() { build_preset dev; }

# The libraries, the headless tests and the fuzz targets, built by clang with the sanitizers.
build_sanitized() { build_preset sanitize; }

# The program and its tests cross-built for Windows, to run under Wine.
WINDOWS_DIR=build-windows
build_windows() { build_preset windows; }

# Whether every package of a list is installed, without installing any.
have_packages() {
    local package
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' \
            || return 1
    done
}
