#!/usr/bin/env bash
# Cross-builds Paluksen for Windows with its tests (scripts/build-windows.sh) and runs them under
# Wine as on a Japanese Windows, in a Wine prefix of this run's own: the core, window (offscreen)
# and command-line tests through ctest; then the packed zip as a user has it, unzipped into a
# folder with Japanese in its path and the program renamed, whose command line must write for the
# example listing, in code page 932, UTF-8 and UTF-16, the Linux build's four files byte for byte.
#
#   bash scripts/test-windows.sh [LINUX_BUILD]   (default build-test: the one scripts/test.sh makes)
set -euo pipefail
cd "$(dirname "$0")/.."
linux=${1:-build-test}
bash scripts/build-windows.sh --tests
if [ ! -x "$linux/src/paluksen" ]; then
  cmake -S . -B "$linux" -DPALUKSEN_TESTS=OFF >/dev/null
  cmake --build "$linux" -j"$(nproc)" --target paluksen
fi

run=$(mktemp -d "${TMPDIR:-/tmp}/paluksen-windows.XXXXXX")
export WINEPREFIX=$run/wine
shared=""
trap 'wineserver -k 2>/dev/null || true; [ -z "$shared" ] || chattr -R -i "$shared" 2>/dev/null || true; rm -rf "$run"' EXIT
echo "Making a Wine prefix for this run"
build-windows/wine-run.sh wineboot
# Wine links the user's documents to the Linux home; this run's outputs stay in the prefix.
profile=$WINEPREFIX/drive_c/users/$(id -un)
rm -f "$profile/Documents" && mkdir "$profile/Documents"
(cd build-windows && ctest --output-on-failure -j"$(nproc)")

# The zip alone: no WINEPATH, so every DLL it loads must be in it. Wine's code page follows the
# locale, as the wrapper of the build sets it.
version=$(sed -n 's/^project(paluksen VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
unzip -q "dist/paluksen-$version-windows-x64.zip" -d "$run"
windows="$run/ユーザー/住所録 ツール"
mkdir -p "$(dirname "$windows")" "$run/linux"
mv "$run/paluksen-$version-windows-x64" "$windows"
mv "$windows/paluksen.exe" "$windows/住所録.exe"
cp "$linux/src/paluksen" "$linux/src/paluksen.mdb" "$run/linux/"
fail() { echo "Windows zip: $*" >&2; exit 1; }

# The program says who it is: its version resource, in Japanese, its icon and its manifest, read
# back from the program as the zip has it.
resource() { wrestool -x --raw "$@" "$windows/住所録.exe"; }
hex_of() { od -An -tx1 | tr -d ' \n'; }
utf16() { printf '%s' "$1" | iconv -f UTF-8 -t UTF-16LE | hex_of; }
info=$(resource --type=16 | hex_of)
# The fixed part after its signature: the structure's version, then file and product version 1.0.0.0.
[[ $info == *bd04effe00000100000001000000000000000100000000* ]] || fail "no version 1.0.0.0 in $info"
[[ $info =~ $(utf16 Translation)0000(0000)?1104b004 ]] || fail "not marked Japanese in Unicode"
for pair in "FileDescription=Paluksen アドレス帳変換ツール" ProductName=Paluksen FileVersion=$version.0 \
  ProductVersion=$version.0; do
  [[ $info =~ $(utf16 041104B0).*$(utf16 "${pair%%=*}")0000(0000)?$(utf16 "${pair#*=}")0000 ]] ||
    fail "no $pair in the Japanese block of the version"
done
manifest=$(resource --type=24 --name=1)
for setting in 'level="asInvoker"' '{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}' '>PerMonitorV2<' '>true/pm<'; do
  [[ $manifest == *"$setting"* ]] || fail "manifest without $setting"
done
[[ $manifest != *activeCodePage* ]] || fail "the manifest changes the code page the files are written in"
wrestool -x --type=14 "$windows/住所録.exe" | cmp -s -n "$(stat -c %s data/icons/paluksen.ico)" - data/icons/paluksen.ico ||
  fail "not the program's icon"
echo "Windows zip: the program carries its version $version.0, icon and manifest"

locale=(LC_ALL=ja_JP.UTF-8)
[ -d build-windows/locale ] && locale+=(LOCPATH="$PWD/build-windows/locale")
on_windows() {
  (cd "$windows" && env "${locale[@]}" WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= wine "$windows/住所録.exe" "$@")
}
on_linux() { (cd "$run/linux" && ./paluksen "$@"); }

# Renamed, the program looks for a store of its new name, and says so in Japanese (code page 932
# on the console, as on a Japanese Windows).
if on_windows csv >"$run/out" 2>"$run/err"; then fail "ran without 住所録.mdb"; fi
iconv -f CP932 -t UTF-8 "$run/err" | grep -q "エラー番号：2" || fail "no store failure: $(iconv -f CP932 -t UTF-8 "$run/err")"
iconv -f CP932 -t UTF-8 "$run/err" | grep -q "住所録.mdb" || fail "not its own store: $(iconv -f CP932 -t UTF-8 "$run/err")"
mv "$windows/paluksen.mdb" "$windows/住所録.mdb"

cp examples/sample-listing.txt "$run/一覧 cp932.txt"
iconv -f CP932 -t UTF-8 examples/sample-listing.txt >"$run/一覧 utf-8.txt"
{ printf '\xff\xfe' && iconv -f CP932 -t UTF-16LE examples/sample-listing.txt; } >"$run/一覧 utf-16.txt"
for listing in "一覧 cp932.txt" "一覧 utf-8.txt" "一覧 utf-16.txt"; do
  cp "$run/$listing" "$windows/"
  cp "$run/$listing" "$run/linux/"
  on_windows import "$listing" >"$run/windows.out" || fail "import of $listing failed"
  on_linux import "$listing" >"$run/linux.out"
  iconv -f CP932 -t UTF-8 "$run/windows.out" | tr -d '\r' | cmp -s - "$run/linux.out" ||
    fail "import of $listing said: $(iconv -f CP932 -t UTF-8 "$run/windows.out")"
  for command in csv edmax turukame vcard; do
    on_windows $command || fail "$command after $listing failed"
    on_linux $command
  done
  for file in PalukF02.txt 常用アドレス.adr AdrBook.txt アドレス帳.vcf; do
    cmp "$windows/$file" "$run/linux/$file" || fail "$file after $listing differs from the Linux build's"
  done
  echo "Windows zip: $listing imported, four files as the Linux build's: $(cat "$run/linux.out")"
done

# Unzipped where the user cannot write (as C:\Program Files is), the program keeps its store in
# %LOCALAPPDATA%\paluksen, copied from the zip's on first start, and writes to Documents\Paluksen.
# The folder is made immutable, which holds for root as well; the zip's folder stays as it was.
shared="$run/読み取り専用/paluksen"
mkdir -p "$(dirname "$shared")"
unzip -q "dist/paluksen-$version-windows-x64.zip" -d "$run/unzipped"
mv "$run/unzipped/paluksen-$version-windows-x64" "$shared"
cp "$run/一覧 cp932.txt" "$run/一覧.txt"
before=$(cd "$shared" && find . -type f -exec sha256sum {} + | sort)
chattr -R +i "$shared"
on_shared() {
  (cd "$run" && env "${locale[@]}" WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml= wine "$shared/paluksen.exe" "$@")
}
on_shared import 一覧.txt >/dev/null || fail "import into the per-user store failed"
on_shared vcard || fail "vcard from the per-user store failed"
[ -f "$profile/AppData/Local/paluksen/paluksen.mdb" ] || fail "no store in %LOCALAPPDATA%\\paluksen"
cmp "$profile/Documents/Paluksen/アドレス帳.vcf" "$run/linux/アドレス帳.vcf" ||
  fail "the per-user store's vCard file differs from the Linux build's"
chattr -R -i "$shared"
[ "$(cd "$shared" && find . -type f -exec sha256sum {} + | sort)" = "$before" ] || fail "the read-only folder changed"
echo "Windows zip: in a folder the user cannot write, the store is the user's own and the outputs in Documents\\Paluksen"
