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
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
  fi
}

BUILD_PACKAGES=(cmake make g++ pkg-config qt6-base-dev libgl-dev libsqlite3-dev libgtest-dev)
# Japanese on screen: a gothic font, and Qt's own dialogs in Japanese.
FONT_PACKAGES=(fonts-ipafont-gothic qt6-translations-l10n)
# The X server, a window manager and the tools with which tests/gui-x/drive.sh drives the program.
X_PACKAGES=(xvfb xauth xdotool openbox x11-utils imagemagick)
# The sqlite3 shell holds a store's write lock from another process in the import window's test.
TEST_PACKAGES=(sqlite3)
# clang with its sanitizer and libFuzzer runtimes, for scripts/test-fuzz.sh.
FUZZ_PACKAGES=(clang libclang-rt-14-dev)
