#!/usr/bin/env bash
# Drives the built program under a real X server and a window manager with the keyboard, as a
# user would: imports the example listing, writes the CSV, EdMax (memo 5) and TuruKame
# (remarks 3) files, meets the closing guard and quits. The files must be byte for byte what the
# command line writes from the same store with the same layouts.
#
#   xvfb-run -a -s "-screen 0 1280x1024x24" bash tests/gui-x/drive.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
listing=$(cd "$(dirname "$0")/../.." && pwd)/examples/sample-listing.txt
work=$(mktemp -d)
app="$work/paluksen"
pid=""
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null; kill "$wm" 2>/dev/null; rm -rf "$work"' EXIT

fail() {
  echo "gui-x: FAILED: $*" >&2
  import -window root "$build/gui-x-failure.png" 2>/dev/null || true
  tail -n 20 "$work/log" >&2
  exit 1
}

# Waits until a window of that exact caption is shown and has the focus; $win is that window.
focused_window() {
  for _ in $(seq 300); do
    win=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
    [ -n "$win" ] && [ "$(xdotool getwindowfocus 2>/dev/null)" = "$win" ] && return 0
    sleep 0.1
  done
  fail "no focused window '$1'"
}

gone() {
  for _ in $(seq 300); do
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  fail "'$1' is still open"
}

# Keys for the main menu, which the window manager gives back the focus to.
menu_keys() {
  xdotool windowactivate --sync "$main" key "$@"
}

answer() { # caption of a message box, then the keys that answer it
  focused_window "$1"
  shift
  xdotool key "$@"
  gone "$1"
}

openbox >/dev/null 2>&1 &
wm=$!
for _ in $(seq 100); do # until the window manager has taken over the screen
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
  sleep 0.1
done
cp "$build/src/paluksen" "$build/src/paluksen.mdb" "$build/src/paluksen.hlp" "$work/"
# The CSV run hands its file to the desktop: a stand-in notes the file instead of opening it.
printf '#!/bin/sh\necho "$*" >> "%s/opened"\n' "$work" >"$work/xdg-open"
chmod +x "$work/xdg-open"
(cd / && PATH="$work:$PATH" QT_QPA_PLATFORM=xcb exec "$app") >"$work/log" 2>&1 &
pid=$!
focused_window 'PalukF00：Paluksen Ver\.1\.00\.00'
main=$win

echo "gui-x: import"
menu_keys alt+1
focused_window 'アドレス帳データを取り込み'
xdotool key space
answer '実行の確認' alt+y
focused_window '入力ファイルを指定してください。'
xdotool type --delay 10 "$listing"
xdotool key Return
answer '正常終了' Return
gone 'アドレス帳データを取り込み'

echo "gui-x: CSV"
menu_keys alt+2
focused_window 'CSV 出力'
xdotool key space
gone 'CSV 出力'
for _ in $(seq 300); do # the desktop is handed the file by a process of its own
  grep -qs "PalukF02.txt" "$work/opened" && break
  sleep 0.1
done
grep -qs "PalukF02.txt" "$work/opened" || fail "PalukF02.txt was not handed to the desktop"

echo "gui-x: EdMax, memo layout 5"
menu_keys alt+5
focused_window 'EdMax アドレス帳作成'
xdotool key Tab Down Down Down Down Tab space
answer '処理完了' Return
gone 'EdMax アドレス帳作成'

echo "gui-x: TuruKame, remarks layout 3"
menu_keys alt+6
focused_window '鶴亀アドレス帳作成'
xdotool key Tab Down Down Tab space
answer '処理完了' Return
gone '鶴亀アドレス帳作成'

echo "gui-x: the closing guard"
menu_keys alt+1
focused_window 'アドレス帳データを取り込み'
menu_keys alt+x
answer '終了不可' Return
focused_window 'アドレス帳データを取り込み' # the guard hands it the focus
xdotool key space
answer '実行の確認' alt+n
gone 'アドレス帳データを取り込み'
menu_keys alt+x
wait "$pid" || fail "the program ended with $?"
pid=""

echo "gui-x: the files against the command line's"
[ -s "$work/PalukF02.txt" ] || fail "the store lost the listing"
"$app" csv - | cmp - "$work/PalukF02.txt" || fail "PalukF02.txt differs"
"$app" edmax --memo 5 - | cmp - "$work/常用アドレス.adr" || fail "常用アドレス.adr differs"
"$app" turukame --remarks 3 - | cmp - "$work/AdrBook.txt" || fail "AdrBook.txt differs"
echo "gui-x: passed in ${SECONDS}s"
