#!/usr/bin/env bash
# Builds the Debian package and checks it without installing it: Debian's own checks over it, then
# its program, unpacked into a scratch root, started by two users with homes of their own (the
# command line, and the main menu under Xvfb). Each gets a store of their own, copied from the
# supplied one, and what one imports the other never sees.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh
[ "${1:-}" = --main-menu ] || install_missing "${DEB_PACKAGES[@]}" "${X_PACKAGES[@]}" "${FONT_PACKAGES[@]}"
listing=$PWD/examples/sample-listing.txt
fail() { echo "Debian package: FAILED: $*" >&2; exit 1; }

# A user of the unpacked program: a home of their own, nothing else of this machine's.
as() {
  local home=$work/$1
  shift
  mkdir -p "$home"
  env -i HOME="$home" PATH=/usr/bin:/bin LANG=C.UTF-8 ${DISPLAY:+DISPLAY=$DISPLAY} ${XAUTHORITY:+XAUTHORITY=$XAUTHORITY} "$root/usr/bin/paluksen" "$@"
}
store_of() { echo "$work/$1/.local/share/paluksen/paluksen.mdb"; }

# The second user through the main menu, run by this script again under Xvfb: the EdMax window
# writes from their own, empty store.
main_menu() {
  openbox >/dev/null 2>&1 &
  local wm=$! pid
  for _ in $(seq 100); do xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break; sleep 0.1; done
  as bob >"$work/bob.log" 2>&1 &
  pid=$!
  until_shown() { for _ in $(seq 300); do xdotool search --onlyvisible --name "$1" >/dev/null 2>&1 && return 0; sleep 0.1; done; return 1; }
  until_shown '^PalukF00：Paluksen' || { kill "$pid" "$wm"; return 1; }
  xdotool search --onlyvisible --name '^PalukF00：Paluksen' windowactivate --sync key alt+5
  until_shown 'EdMax アドレス帳作成' || { kill "$pid" "$wm"; return 1; }
  sleep 0.5
  import -window root "$work/bob-edmax.png"
  xdotool key space
  until_shown '処理完了' || { kill "$pid" "$wm"; return 1; }
  xdotool key Return
  sleep 0.5
  xdotool search --onlyvisible --name '^PalukF00：Paluksen' windowactivate --sync key alt+x
  wait "$pid"
  kill "$wm"
}
if [ "${1:-}" = --main-menu ]; then
  main_menu
  exit
fi

# PALUKSEN_DEB names a package built before, to check it again without building it anew.
deb=${PALUKSEN_DEB:-$(bash scripts/build-deb.sh | tail -n 1)}
lintian --fail-on error,warning --tag-display-limit 0 "$deb"
work=$(mktemp -d)
trap 'chattr -i "$work/root/usr/bin" 2>/dev/null || true; rm -rf "$work"' EXIT
dpkg-deb -x "$deb" "$work/root"
dpkg-deb -e "$deb" "$work/control"
for script in preinst postinst prerm postrm config; do
  [ ! -e "$work/control/$script" ] || fail "it has a maintainer script: $script"
done
root=$work/root
for file in usr/bin/paluksen usr/share/paluksen/paluksen.mdb usr/share/paluksen/paluksen.hlp \
  usr/share/applications/paluksen.desktop usr/share/metainfo/io.github.paluksen.Paluksen.metainfo.xml \
  usr/share/icons/hicolor/scalable/apps/paluksen.svg usr/share/icons/hicolor/48x48/apps/paluksen.png \
  usr/share/icons/hicolor/256x256/apps/paluksen.png usr/share/man/man1/paluksen.1.gz usr/share/man/ja/man1/paluksen.1.gz; do
  [ -f "$root/$file" ] || fail "no /$file"
done
desktop-file-validate "$root/usr/share/applications/paluksen.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/io.github.paluksen.Paluksen.metainfo.xml"
grep -q '^Keywords\[ja\]=' "$root/usr/share/applications/paluksen.desktop" || fail "no Japanese keywords"
supplied=$(sha256sum <"$root/usr/share/paluksen/paluksen.mdb")

# The first user on the command line: the import fills their own store, made on this first start;
# the CSV lands in their documents.
as alice import "$listing" | grep -q "行のデータを読み込みました" || fail "alice's import said nothing"
[ -f "$(store_of alice)" ] || fail "alice has no store of her own"
[ -n "$(find "$(store_of alice)" -perm -u+w)" ] || fail "alice cannot write her store"
as alice csv
[ -s "$work/alice/Documents/Paluksen/PalukF02.txt" ] || fail "alice's CSV is not in her documents"

work=$work root=$root xvfb-run -a -s "-screen 0 1280x1024x24" bash scripts/test-deb.sh --main-menu || fail "bob's main menu: $(cat "$work/bob.log")"
cp "$work/bob-edmax.png" build-deb/ 2>/dev/null || true
[ -f "$(store_of bob)" ] || fail "bob has no store of his own"
[ "$(sha256sum <"$(store_of bob)")" = "$supplied" ] || fail "alice's import reached bob's store"
[ -f "$work/bob/Documents/Paluksen/常用アドレス.adr" ] && [ ! -s "$work/bob/Documents/Paluksen/常用アドレス.adr" ] ||
  fail "bob's EdMax book is not his empty store's"
[ "$(sha256sum <"$(store_of alice)")" != "$supplied" ] || fail "alice's store lost her import"
[ "$(sha256sum <"$root/usr/share/paluksen/paluksen.mdb")" = "$supplied" ] || fail "the supplied store was written"

# A broken store names itself and the way out, which works.
echo "not a database" >"$(store_of bob)"
if as bob csv 2>"$work/err"; then fail "bob's broken store opened"; fi
grep -qF "$(store_of bob)" "$work/err" && grep -q "このファイルを削除してください" "$work/err" || fail "the report: $(cat "$work/err")"
rm "$(store_of bob)"
as bob csv || fail "no fresh store after removing the broken one"

# A folder that holds the store but that the user cannot write is no portable folder: the store is
# still the user's own copy (the folder made immutable, which holds even for root).
cp "$root/usr/share/paluksen/paluksen.mdb" "$root/usr/bin/"
if chattr +i "$root/usr/bin" 2>/dev/null; then
  as carol import "$listing" >/dev/null || fail "carol's import failed"
  [ -f "$(store_of carol)" ] && [ "$(sha256sum <"$root/usr/bin/paluksen.mdb")" = "$supplied" ] ||
    fail "carol's import went into the read-only program folder"
  chattr -i "$root/usr/bin"
else
  echo "Debian package: this file system cannot make a folder read-only for root; that case left out"
fi
echo "Debian package: $deb passes lintian, desktop-file-validate and appstreamcli; two users keep their own stores"
