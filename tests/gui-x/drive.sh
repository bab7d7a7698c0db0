#!/usr/bin/env bash
# Drives the built program under a real X server and window manager with the keyboard, as a user
# would: imports the example listing, writes the CSV, EdMax (memo 5) and TuruKame (remarks 3)
# files, meets the closing guard and quits. The files must be what the command line writes.
#   xvfb-run -a -s "-screen 0 1280x1024x24" bash tests/gui-x/drive.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
listing=$(cd "$(dirname "$0")/../.." && pwd)/examples/sample-listing.txt
work=$(mktemp -d)
pid=""
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null; kill "$wm" 2>/dev/null; rm -rf "$work"' EXIT

fail() {
  echo "gui-x: FAILED: $*" >&2
  import -window root "$build/gui-x-failure.png" 2>/dev/null || true
  tail -n 20 "$work/log" >&2
  exit 1
}
until_true() { # every tenth of a second, for at most 30 s
  for _ in $(seq 300); do "$@" && return 0; sleep 0.1; done
  return 1
}
has_focus() { # a shown window of that exact caption holds the focus; $win is that window
  win=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) &&
    [ "$(xdotool getwindowfocus 2>/dev/null)" = "$win" ]
}
focused() { until_true has_focus "$1" || fail "no focused window '$1'"; }
gone() { until_true eval "! xdotool search --onlyvisible --name '^$1\$' >/dev/null 2>&1" || fail "'$1' is still open"; }
menu() { xdotool windowactivate --sync "$main" key "$1" && focused "$2"; } # a key, the window it opens
answer() { # caption of a message box, then the keys that answer it
  focused "$1"
  xdotool key "${@:2}"
  gone "$1"
}

openbox >/dev/null 2>&1 &
wm=$!
until_true eval "xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'"
cp "$build/src/paluksen" "$build/src/paluksen.mdb" "$build/src/paluksen.hlp" "$work/"
# The CSV run hands its file to the desktop: a stand-in notes the file instead of opening it.
printf '#!/bin/sh\necho "$*" >> "%s/opened"\n' "$work" >"$work/xdg-open"
chmod +x "$work/xdg-open"
(cd / && PATH="$work:$PATH" QT_QPA_PLATFORM=xcb exec "$work/paluksen") >"$work/log" 2>&1 &
pid=$!
focused 'PalukF00：Paluksen Ver\.1\.00\.00'
main=$win

menu alt+1 'アドレス帳データを取り込み'
xdotool key space
answer '実行の確認' alt+y
focused '入力ファイルを指定してください。'
xdotool type --delay 10 "$listing"
xdotool key Return
answer '正常終了' Return
gone 'アドレス帳データを取り込み'

menu alt+2 'CSV 出力'
xdotool key space
until_true grep -qs "PalukF02.txt" "$work/opened" || fail "PalukF02.txt was not handed to the desktop"
menu alt+5 'EdMax アドレス帳作成'
xdotool key Tab Down Down Down Down Tab space
answer '処理完了' Return
menu alt+6 '鶴亀アドレス帳作成'
xdotool key Tab Down Down Tab space
answer '処理完了' Return

menu alt+1 'アドレス帳データを取り込み'
xdotool windowactivate --sync "$main" key alt+x
answer '終了不可' Return
focused 'アドレス帳データを取り込み' # the guard hands it the focus
xdotool key space
answer '実行の確認' alt+n
gone 'アドレス帳データを取り込み'
xdotool windowactivate --sync "$main" key alt+x
wait "$pid" || fail "the program ended with $?"
pid=""

cd "$work"
[ -s PalukF02.txt ] || fail "the store lost the listing"
./paluksen csv - | cmp - PalukF02.txt || fail "PalukF02.txt differs"
./paluksen edmax --memo 5 - | cmp - 常用アドレス.adr || fail "常用アドレス.adr differs"
./paluksen turukame --remarks 3 - | cmp - AdrBook.txt || fail "AdrBook.txt differs"
echo "gui-x: passed in ${SECONDS}s"
