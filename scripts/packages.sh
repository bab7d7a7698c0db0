# Installs the Debian packages named in $@ that are not installed yet (sourced by the scripts).
install_missing() {
  local missing=()
  for package in "$@"; do
    dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing+=("$package")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    # Another apt run may hold the locks for a while: the install waits for dpkg's lock, and the
    # update, which cannot wait for its own, tries again.
    local try
    for try in 1 2 3 4 5 6 7 8 9 10; do
      $sudo apt-get update -qq && break
      [ "$try" -lt 10 ] || return 1
      sleep 30
    done
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends -o DPkg::Lock::Timeout=300 "${missing[@]}"
  fi
}

BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev libgl-dev libsqlite3-dev libgtest-dev)
# What the tests read the program's output with: a vCard reader for the system's Python.
TEST_PACKAGES=(python3-vobject)
# Japanese on screen: a gothic font, and Qt's own dialogs in Japanese.
FONT_PACKAGES=(fonts-ipafont-gothic qt6-translations-l10n)
# The X server, a window manager and the tools with which tests/gui-x/drive.sh drives the program.
X_PACKAGES=(xvfb xauth xdotool openbox x11-utils imagemagick)
# clang with its sanitizer and libFuzzer runtimes, for scripts/test-fuzz.sh.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
# The Windows build: the MinGW-w64 cross compiler, Wine to run what it makes, apt's source tools
# for Debian's Qt and SQLite sources (tcl makes SQLite's one-file source), GoogleTest's sources,
# a Japanese locale for Wine's code page, zip for the package, and icoutils to read the program's
# version, icon and manifest back from it.
WINDOWS_PACKAGES=(g++-mingw-w64-x86-64-posix wine wine64 dpkg-dev xz-utils tcl ninja-build googletest locales zip unzip icoutils)
# The Debian package: debhelper, and the checks its test runs over it (scripts/test-deb.sh).
DEB_PACKAGES=(debhelper dpkg-dev fakeroot lintian desktop-file-utils appstream man-db)
