#!/usr/bin/env bash
# Builds Paluksen for 64-bit Windows on Debian 12 and packs dist/paluksen-<version>-windows-x64.zip:
# one folder with the program, its empty store and help, and every DLL, plugin and translation
# it loads, to unzip anywhere writable and run.
#
# Qt's base, SQLite and GoogleTest for Windows are built here from Debian's own sources (Qt and
# SQLite of the same versions as the machine's qt6-base-dev and libsqlite3-dev, fetched through
# apt with a configuration of this script's own) with Debian's MinGW-w64. They are kept in
# ${XDG_CACHE_HOME:-~/.cache}/paluksen, keyed by version and options: Qt takes half an hour to
# build on two cores, once per machine.
#
#   bash scripts/build-windows.sh           the zip
#   bash scripts/build-windows.sh --tests   the test programs as well (scripts/test-windows.sh)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
install_missing "${BUILD_PACKAGES[@]}" "${FONT_PACKAGES[@]}" "${WINDOWS_PACKAGES[@]}"

tests=OFF
[ "${1:-}" = --tests ] && tests=ON
jobs=$(nproc)
mingw=x86_64-w64-mingw32
toolchain=$PWD/cmake/mingw-w64-x86_64.cmake
cache=${XDG_CACHE_HOME:-$HOME/.cache}/paluksen
work=$cache/work
mkdir -p "$work"

# Source package name and version of the source of an installed package.
source_of() { dpkg-query -W -f='${source:Package} ${source:Version}' "$1"; }
# A cache entry's name: its version and a digest of all that shapes the build.
key_of() { printf '%s\n' "$@" "$($mingw-g++-posix -dumpfullversion)" | sha256sum | cut -c1-12; }

# apt with deb-src entries for the machine's own Debian suites, kept with the apt lists and
# downloads in a folder of ours: the machine's apt configuration is read, never changed.
apt_dir=$cache/apt
private_apt() {
  apt-get -o Dir::Etc::sourcelist="$apt_dir/sources.list" -o Dir::Etc::sourceparts="$apt_dir/parts" \
    -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache" -o APT::Sandbox::User=root "$@"
}
fetched_lists=no
# Unpacks Debian's source package $1 at version $2, Debian's patches applied, into $3.
fetch_source() {
  local package=$1 version=$2 into=$3
  if [ $fetched_lists = no ]; then
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/parts"
    local codename
    codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
    apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' 'Created-By: Packages' | sort -u |
      awk -v suite="^$codename(-updates|-security)?\$" '$2 ~ suite {
        print "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg] " $1 " " $2 " " $3 }' \
      >"$apt_dir/sources.list"
    if [ ! -s "$apt_dir/sources.list" ]; then
      echo "no Debian $codename archive in the machine's apt sources" >&2
      exit 1
    fi
    private_apt update -qq
    fetched_lists=yes
  fi
  rm -rf "$into" "$work/download" && mkdir -p "$work/download"
  (cd "$work/download" && private_apt source -qq --download-only "$package=$version")
  # apt checked the files against the archive's signed index; dpkg-source, which has no keys for
  # the uploader's signature, only says so.
  dpkg-source -x "$work/download/${package}_${version#*:}.dsc" "$into" >"$work/unpack.log" 2>&1 ||
    { cat "$work/unpack.log" >&2; return 1; }
  rm -rf "$work/download"
}

# Runs "$2..." unless cache entry $1 is complete; the entry counts only once the command has
# finished, and one build at a time fills the cache.
cached() {
  local entry=$1
  shift
  exec 9>"$cache/.lock"
  flock 9
  if [ ! -f "$entry/.complete" ]; then
    rm -rf "$entry"
    "$@"
    touch "$entry/.complete"
  fi
  flock -u 9
}

# Qt's base for Windows: Core, Gui, Widgets and Test (the tests use it), the windows and offscreen
# platforms and the Windows styles, with zlib, PCRE2, FreeType, HarfBuzz, libpng and libjpeg from
# Qt's own tree. Without ICU, so code page 932 goes through Windows' own converter. Tablet
# support is left out: it needs the Wintab headers, which Debian's source of Qt does not carry.
# Direct2D 1.1 is left out, but not Direct2D itself: the DirectWrite font database is built with it.
read -r qt_package qt_version <<<"$(source_of qt6-base-dev)"
QT_OPTIONS=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DFEATURE_dbus=OFF -DFEATURE_network=OFF -DFEATURE_sql=OFF -DFEATURE_printsupport=OFF -DFEATURE_xml=OFF
  -DFEATURE_concurrent=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no -DFEATURE_vulkan=OFF
  -DFEATURE_icu=OFF -DFEATURE_zstd=OFF -DFEATURE_tabletevent=OFF -DFEATURE_direct2d1_1=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_freetype=OFF
  -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
)
qt=$cache/qt-$qt_version-windows-x64-$(key_of "$qt_version" "${QT_OPTIONS[@]}")
build_qt() {
  local start=$SECONDS
  echo "Building Qt $qt_version for Windows into $qt (about half an hour on two cores)"
  fetch_source "$qt_package" "$qt_version" "$work/qt-source"
  rm -rf "$work/qt-build"
  cmake -S "$work/qt-source" -B "$work/qt-build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_INSTALL_PREFIX="$qt" "${QT_OPTIONS[@]}" >"$work/qt-configure.log" 2>&1 ||
    { tail -n 30 "$work/qt-configure.log" >&2; return 1; }
  # Quiet unless it fails: Qt's headers warn about every exported inline function with MinGW.
  cmake --build "$work/qt-build" -j"$jobs" >"$work/qt-build.log" 2>&1 ||
    { grep -B5 -A20 -m3 'error' "$work/qt-build.log" >&2; return 1; }
  cmake --install "$work/qt-build" >/dev/null
  rm -rf "$work/qt-source" "$work/qt-build"
  echo "Qt for Windows built in $((SECONDS - start)) s"
}
cached "$qt" build_qt

# SQLite as a static library, with the options Debian builds its own with; its one-file source is
# made from Debian's source tree by the tree's own make rule on this machine.
read -r sqlite_package sqlite_version <<<"$(source_of libsqlite3-dev)"
SQLITE_FLAGS=(-O2 -fno-strict-aliasing -DSQLITE_SECURE_DELETE -DSQLITE_ENABLE_COLUMN_METADATA
  -DSQLITE_ENABLE_FTS3 -DSQLITE_ENABLE_FTS3_PARENTHESIS -DSQLITE_ENABLE_RTREE=1 -DSQLITE_SOUNDEX=1
  -DSQLITE_ENABLE_UNLOCK_NOTIFY -DSQLITE_OMIT_LOOKASIDE=1 -DSQLITE_ENABLE_DBSTAT_VTAB
  -DSQLITE_ALLOW_ROWID_IN_VIEW -DSQLITE_ENABLE_UPDATE_DELETE_LIMIT=1 -DSQLITE_ENABLE_LOAD_EXTENSION
  -DSQLITE_ENABLE_JSON1 -DSQLITE_LIKE_DOESNT_MATCH_BLOBS -DSQLITE_THREADSAFE=1
  -DSQLITE_ENABLE_FTS3_TOKENIZER=1 -DSQLITE_USE_URI=1 -DSQLITE_MAX_SCHEMA_RETRY=25
  -DSQLITE_ENABLE_PREUPDATE_HOOK -DSQLITE_ENABLE_SESSION -DSQLITE_ENABLE_STMTVTAB
  -DSQLITE_MAX_VARIABLE_NUMBER=250000)
sqlite=$cache/sqlite-$sqlite_version-windows-x64-$(key_of "$sqlite_version" "${SQLITE_FLAGS[@]}")
build_sqlite() {
  echo "Building SQLite $sqlite_version for Windows into $sqlite"
  fetch_source "$sqlite_package" "$sqlite_version" "$work/sqlite-source"
  rm -rf "$work/sqlite-build" && mkdir -p "$work/sqlite-build" "$sqlite/include" "$sqlite/lib"
  (cd "$work/sqlite-build" && "$work/sqlite-source/configure" --disable-tcl --disable-readline >/dev/null &&
    make -s sqlite3.c >/dev/null &&
    $mingw-gcc-posix "${SQLITE_FLAGS[@]}" -c sqlite3.c -o sqlite3.o &&
    $mingw-gcc-ar-posix rcs "$sqlite/lib/libsqlite3.a" sqlite3.o)
  cp "$work/sqlite-build/sqlite3.h" "$work/sqlite-source/src/sqlite3ext.h" "$sqlite/include/"
  rm -rf "$work/sqlite-source" "$work/sqlite-build"
}
cached "$sqlite" build_sqlite

# GoogleTest from the sources Debian's googletest package installs.
gtest_version=$(dpkg-query -W -f='${Version}' googletest)
gtest=$cache/googletest-$gtest_version-windows-x64-$(key_of "$gtest_version")
build_gtest() {
  echo "Building GoogleTest $gtest_version for Windows into $gtest"
  rm -rf "$work/gtest-build"
  cmake -S /usr/src/googletest -B "$work/gtest-build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$gtest" >/dev/null
  cmake --build "$work/gtest-build" -j"$jobs" >/dev/null
  cmake --install "$work/gtest-build" >/dev/null
  rm -rf "$work/gtest-build"
}
cached "$gtest" build_gtest

# Paluksen itself: the same sources and CMake files as on Linux.
cmake -S . -B build-windows -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release \
  -DPALUKSEN_WINDOWS_ROOTS="$qt;$sqlite;$gtest" -DPALUKSEN_TESTS=$tests >/dev/null
cmake --build build-windows -j"$jobs"

# The package: a folder named after the version. Qt finds its plugins and translations beside the
# program, since no import library of QtCore is there (windeployqt's layout). The runtime DLLs are
# stripped of their symbols: libstdc++ alone carries 20 MB of them.
version=$(sed -n 's/^project(paluksen VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
name=paluksen-$version-windows-x64
stage=build-windows/$name
rm -rf "$stage" && mkdir -p "$stage/platforms" "$stage/styles" "$stage/translations" dist
$mingw-strip -o "$stage/paluksen.exe" build-windows/src/paluksen.exe
cp build-windows/src/paluksen.mdb build-windows/src/paluksen.hlp "$stage/"
for dll in Qt6Core Qt6Gui Qt6Widgets; do
  $mingw-strip --strip-unneeded -o "$stage/$dll.dll" "$qt/bin/$dll.dll"
done
for dll in libstdc++-6 libgcc_s_seh-1 libwinpthread-1; do
  $mingw-strip --strip-unneeded -o "$stage/$dll.dll" "$($mingw-g++-posix -print-file-name=$dll.dll)"
done
cp "$qt/plugins/platforms/qwindows.dll" "$stage/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$stage/styles/"
cp /usr/share/qt6/translations/qtbase_ja.qm "$stage/translations/"
rm -f "dist/$name.zip"
(cd build-windows && zip -q -r -X "../dist/$name.zip" "$name")
echo "dist/$name.zip"
