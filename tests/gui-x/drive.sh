#!/usr/bin/env bash
# Drives the real, built Paluksen under a real X server with keyboard and mouse only, as a user
# would: imports the example listing, writes the CSV, EdMax and TuruKame files, meets the closing
# guard and quits. Then compares the three files byte for byte with files written by hand
# (expected/make_expected.py).
#
#   drive.sh [--shots DIR] BUILD_DIR
#
# BUILD_DIR is a CMake build folder holding src/paluksen with its store and help file. Run it
# under an X server, e.g. xvfb-run -a -s "-screen 0 1280x1024x24". On a failure it names the
# step, saves a screenshot as BUILD_DIR/gui-x-failure.png and exits non-zero. With --shots it
# also saves PNGs of the main menu and of each task window into DIR.
set -Eeuo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
shots=""
while [ $# -gt 0 ]; do
  case "$1" in
    --shots) shots=$(mkdir -p "$2" && cd "$2" && pwd); shift 2 ;;
    -*) echo "usage: $0 [--shots DIR] BUILD_DIR" >&2; exit 2 ;;
    *) break ;;
  esac
done
[ $# -eq 1 ] || { echo "usage: $0 [--shots DIR] BUILD_DIR" >&2; exit 2; }
build=$(cd "$1" && pwd)
listing="$repo/examples/sample-listing.txt"

# Every wait is bounded; a window that never comes must fail the run, not hang it. The bound is
# generous because the machine may be busy; waits that take long are reported even on a pass.
WAIT=60
SLOW=10

step_name="setting up"
app_pid=""
work=""

step() {
  step_name="$1"
  echo "gui-x: $step_name"
}

# Running, and not a zombie waiting to be reaped.
app_running() {
  local stat
  stat=$(cat "/proc/$app_pid/stat" 2>/dev/null) || return 1
  stat=${stat##*) }
  [[ "$stat" != Z* ]]
}

fail() {
  trap - ERR
  echo "gui-x: FAILED in step '$step_name': $*" >&2
  if [ -n "${DISPLAY:-}" ]; then
    import -window root "$build/gui-x-failure.png" 2>/dev/null &&
      echo "gui-x: screenshot saved as $build/gui-x-failure.png" >&2
  fi
  if [ -n "${DISPLAY:-}" ]; then
    echo "gui-x: windows on the screen:" >&2
    xwininfo -root -children 2>/dev/null | grep -E '^ +0x' | while read -r id rest; do
      printf '  %s %s %s\n' "$id" "$(xwininfo -id "$id" 2>/dev/null | awk -F': ' '/Map State/ { print $2 }')" "$rest"
    done >&2
  fi
  if [ -n "$app_pid" ] && ! app_running; then
    echo "gui-x: paluksen is no longer running" >&2
  elif [ -n "$app_pid" ]; then
    # A program that stopped answering: where it waits tells a hang from a slow disk.
    echo "gui-x: paluksen is still running, waiting in $(cat "/proc/$app_pid/wchan" 2>/dev/null)" >&2
    if command -v gdb >/dev/null; then
      gdb -p "$app_pid" -batch -ex 'thread apply all bt' 2>/dev/null | grep -E '^(#|Thread)' >&2 || true
    fi
  fi
  if [ -n "$work" ] && [ -s "$work/paluksen.log" ]; then
    echo "gui-x: paluksen's output:" >&2
    tail -n 20 "$work/paluksen.log" >&2
  fi
  exit 1
}
trap 'fail "command failed at line $LINENO: $BASH_COMMAND"' ERR

cleanup() {
  local rc=$?
  if [ -n "$app_pid" ] && app_running; then
    kill "$app_pid" 2>/dev/null || true
  fi
  if [ -n "$work" ]; then
    if [ "$rc" -eq 0 ]; then rm -rf "$work"; else echo "gui-x: program folder kept in $work" >&2; fi
  fi
}
trap cleanup EXIT

[ -n "${DISPLAY:-}" ] || fail "no X display; run it under xvfb-run"
for tool in xdotool import xwininfo python3; do
  command -v "$tool" >/dev/null || fail "$tool is missing"
done

# Sets $found to the first visible window whose caption matches the pattern, once it is there.
# A search can fail outright when a window vanishes while it walks the window tree, so it is
# tried again until the deadline.
window() {
  local ids="" start=$SECONDS
  until ids=$(timeout 5 xdotool search --onlyvisible --name "$1" 2>/dev/null) && [ -n "$ids" ]; do
    ((SECONDS - start < WAIT)) || fail "no window named /$1/ within ${WAIT}s"
    sleep 0.1
  done
  found=${ids%%$'\n'*}
  ((SECONDS - start < SLOW)) || echo "gui-x: note: /$1/ took $((SECONDS - start))s to appear" >&2
}

viewable() {
  xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'
}

wait_gone() {
  local deadline=$((SECONDS + WAIT))
  while viewable "$1"; do
    ((SECONDS < deadline)) || fail "$2 is still open after ${WAIT}s"
    sleep 0.1
  done
}

focused() {
  xdotool getwindowfocus 2>/dev/null || true
}

wait_focus() {
  local deadline=$((SECONDS + WAIT))
  until [ "$(focused)" = "$1" ]; do
    ((SECONDS < deadline)) || fail "$2 did not get the keyboard focus within ${WAIT}s"
    sleep 0.1
  done
}

# Layouts are kept in twips, 15 to a pixel.
px() {
  echo $((($1 + 7) / 15))
}

# A click on a point of a window given in twips from its top left corner.
click_at() {
  xdotool mousemove --window "$1" "$(px "$2")" "$(px "$3")" click 1
}

# A click on an empty spot near the bottom left corner, as a user brings a window to the front.
bring_forward() {
  local height
  [ "$(focused)" = "$1" ] && return 0
  height=$(xwininfo -id "$1" | awk '/Height:/ { print $2 }')
  xdotool mousemove --window "$1" 3 $((height - 3)) click 1
  wait_focus "$1" "$2"
}

# Windows open where the main menu stands; the user drags each one aside to see both.
move_aside() {
  xdotool windowmove --sync "$1" 380 0
}

# A picture of one window once it has stopped changing, with the pointer out of the way.
capture() {
  local deadline=$((SECONDS + WAIT))
  xdotool mousemove 1200 1000
  import -window "$1" "$work/a.png"
  while :; do
    import -window "$1" "$work/b.png"
    [ "$(compare -metric AE "$work/a.png" "$work/b.png" null: 2>&1 || true)" = "0" ] && break
    ((SECONDS < deadline)) || fail "window $2 kept changing"
    mv "$work/b.png" "$work/a.png"
    sleep 0.2
  done
  mv "$work/b.png" "$2"
}

shot() {
  [ -z "$shots" ] || capture "$1" "$shots/$2"
}

# Sets $found to the drop-down list a click has opened: a window with no caption of its own,
# laid over the others without the window manager.
wait_list() {
  local deadline=$((SECONDS + WAIT)) id
  while :; do
    for id in $(xdotool search --onlyvisible --class '^paluksen$' 2>/dev/null); do
      if xwininfo -id "$id" 2>/dev/null | grep -q 'Override Redirect State: yes'; then
        found=$id
        return 0
      fi
    done
    ((SECONDS < deadline)) || fail "no drop-down list opened within ${WAIT}s"
    sleep 0.1
  done
}

# A message box with its caption must come and take the focus; $found is the box.
message_box() {
  window "^$1\$"
  wait_focus "$found" "the message box '$1'"
}

# Windows that are closing may linger a moment; any other window must be gone by the deadline.
only_main_open() {
  local id names=() start=$SECONDS
  while :; do
    names=()
    for id in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
      names+=("$(xdotool getwindowname "$id" 2>/dev/null)")
    done
    [ "${#names[@]}" -eq 1 ] && [ "${names[0]}" = "$main_caption" ] && return 0
    ((SECONDS - start < WAIT)) || fail "expected only the main menu to be open, found: ${names[*]}"
    sleep 0.1
  done
}

# --- A fresh program folder: the executable, its store and its help file, nothing else. ---
step "preparing a program folder"
for file in paluksen paluksen.mdb paluksen.hlp; do
  [ -f "$build/src/$file" ] || fail "$build/src/$file is missing; build first"
done
[ -f "$listing" ] || fail "$listing is missing"
# A short folder name keeps the output paths on one line of the windows' status labels.
work=$(mktemp -d "${TMPDIR:-/tmp}/plk.XXXXXX")
prog="$work/app"
mkdir -p "$prog" "$work/bin" "$work/runtime"
chmod 700 "$work/runtime"
cp "$build/src/paluksen" "$build/src/paluksen.mdb" "$build/src/paluksen.hlp" "$prog/"

# The CSV run hands its file to the desktop; a stand-in records what it was given instead of
# opening a viewer.
cat >"$work/bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$*" >>"$work/xdg-open.log"
EOF
chmod +x "$work/bin/xdg-open"

main_caption="PalukF00：Paluksen Ver.1.00.00"

step "starting paluksen"
# Started from another folder: it must find its store beside itself, not in the current one.
(cd "$work" && exec env PATH="$work/bin:$PATH" XDG_RUNTIME_DIR="$work/runtime" \
  QT_QPA_PLATFORM=xcb QT_QPA_PLATFORMTHEME= "$prog/paluksen") >"$work/paluksen.log" 2>&1 &
app_pid=$!
window '^PalukF00：Paluksen Ver\.1\.00\.00$'
main=$found
bring_forward "$main" "the main menu"
shot "$main" main-menu.png

# --- 1. Import the example listing. ---
step "import: opening the window with Alt+1"
xdotool key alt+1
window '^アドレス帳データを取り込み$'
import_window=$found
move_aside "$import_window"
wait_focus "$import_window" "the import window"
shot "$import_window" import-window.png

step "import: pressing 処理実行 with the space bar"
xdotool key space
message_box '実行の確認'

step "import: answering はい"
xdotool key alt+y
window '^入力ファイルを指定してください。$'
dialog=$found
wait_focus "$dialog" "the file dialog"
shot "$dialog" file-dialog.png

step "import: typing the listing's path into the file dialog"
xdotool type --delay 10 "$listing"
xdotool key Return
wait_gone "$dialog" "the file dialog"

step "import: accepting the 正常終了 message"
message_box '正常終了'
box=$found
xdotool key Return
wait_gone "$box" "the 正常終了 message"
wait_gone "$import_window" "the import window"

# --- 2. CSV, handed to the desktop. ---
step "CSV: opening the window with Alt+2"
bring_forward "$main" "the main menu"
xdotool key alt+2
window '^CSV 出力$'
csv_window=$found
move_aside "$csv_window"
wait_focus "$csv_window" "the CSV window"
shot "$csv_window" csv-window.png

step "CSV: clicking 処理実行"
click_at "$csv_window" 3400 1400
wait_gone "$csv_window" "the CSV window"
[ -f "$prog/PalukF02.txt" ] || fail "PalukF02.txt was not written"

step "CSV: the file is handed to the desktop"
deadline=$((SECONDS + WAIT))
until [ -s "$work/xdg-open.log" ]; do
  ((SECONDS < deadline)) || fail "xdg-open was not called within ${WAIT}s"
  sleep 0.1
done
opened=$(cat "$work/xdg-open.log")
[ "$opened" = "file://$prog/PalukF02.txt" ] || [ "$opened" = "$prog/PalukF02.txt" ] ||
  fail "xdg-open was given '$opened', not $prog/PalukF02.txt"

# --- 3. EdMax, memo layout 5, chosen from the opened list with the arrow keys. ---
step "EdMax: opening the window with Alt+5"
bring_forward "$main" "the main menu"
xdotool key alt+5
window '^EdMax アドレス帳作成$'
edmax_window=$found
move_aside "$edmax_window"
wait_focus "$edmax_window" "the EdMax window"

step "EdMax: choosing '5 会社名,部署名,役職' in メモ選択"
click_at "$edmax_window" 2900 150
wait_list
xdotool key Down Down Down Down Return
wait_gone "$found" "the drop-down list of メモ選択"
shot "$edmax_window" edmax-window.png

step "EdMax: clicking 処理実行"
click_at "$edmax_window" 3400 1700
message_box '処理完了'
box=$found

step "EdMax: accepting the 処理完了 message"
xdotool key Return
wait_gone "$box" "the 処理完了 message"
wait_gone "$edmax_window" "the EdMax window"

# --- 4. TuruKame, remarks layout 3, keyboard only. ---
step "TuruKame: opening the window with Alt+6"
bring_forward "$main" "the main menu"
xdotool key alt+6
window '^鶴亀アドレス帳作成$'
turukame_window=$found
move_aside "$turukame_window"
wait_focus "$turukame_window" "the TuruKame window"

# The window opens with 処理実行 focused; Tab reaches the list, and Tab from the list comes back.
step "TuruKame: choosing '3 会社名,役職' in 備考選択 with Tab and the arrow keys"
xdotool key Tab Down Down
shot "$turukame_window" turukame-window.png

step "TuruKame: pressing 処理実行 with Tab and the space bar"
day_before=$(date +%Y/%m/%d)
xdotool key Tab space
message_box '処理完了'
box=$found
day_after=$(date +%Y/%m/%d)

step "TuruKame: accepting the 処理完了 message"
xdotool key Return
wait_gone "$box" "the 処理完了 message"
wait_gone "$turukame_window" "the TuruKame window"

# --- 5. The closing guard, then quitting. ---
step "guard: opening the import window again"
bring_forward "$main" "the main menu"
xdotool key alt+1
window '^アドレス帳データを取り込み$'
import_window=$found
move_aside "$import_window"
wait_focus "$import_window" "the import window"

step "guard: clicking 終了(X) while the import window is open"
bring_forward "$main" "the main menu"
click_at "$main" 2600 5925
message_box '終了不可'
box=$found

step "guard: accepting the 終了不可 message"
xdotool key Return
wait_gone "$box" "the 終了不可 message"
viewable "$main" || fail "the main menu closed although a task window was open"
wait_focus "$import_window" "the import window (after the refused close)"

step "guard: closing the import window by answering いいえ"
click_at "$import_window" 3400 1400
message_box '実行の確認'
xdotool key alt+n
wait_gone "$import_window" "the import window"
only_main_open

step "quitting with Alt+X"
bring_forward "$main" "the main menu"
xdotool key alt+x
deadline=$((SECONDS + WAIT))
while app_running; do
  ((SECONDS < deadline)) || fail "paluksen is still running ${WAIT}s after Alt+X"
  sleep 0.1
done
rc=0
wait "$app_pid" || rc=$?
app_pid=""
[ "$rc" -eq 0 ] || fail "paluksen exited with $rc"

# --- The store and the three files. ---
step "checking the store kept the listing after いいえ"
counts=$(python3 - "$prog/paluksen.mdb" <<'EOF'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
print(*(db.execute(f"SELECT count(*) FROM {t}").fetchone()[0] for t in ("アドレス情報", "グループ情報")))
EOF
)
[ "$counts" = "5 6" ] || fail "the store holds $counts rows of people and memberships, not 5 6"

readable() {
  iconv -f cp932 -t utf-8 "$1" 2>/dev/null | sed -e 's/\t/<TAB>/g' -e 's/\r$/<CR>/' || od -c "$1"
}

same_bytes() {
  local expected="$1" actual="$2"
  [ -f "$actual" ] || fail "$(basename "$actual") was not written"
  if ! cmp -s "$expected" "$actual"; then
    echo "gui-x: expected (<) and written (>) lines:" >&2
    diff <(readable "$expected") <(readable "$actual") >&2 || true
    fail "$(basename "$actual") differs from $(basename "$expected")"
  fi
}

step "comparing PalukF02.txt"
same_bytes "$here/expected/csv.txt" "$prog/PalukF02.txt"

step "comparing 常用アドレス.adr"
same_bytes "$here/expected/edmax_memo5.adr" "$prog/常用アドレス.adr"

step "comparing AdrBook.txt"
# Each line carries the day it was written; a run across midnight may show either day.
matched=""
for day in "$day_before" "$day_after"; do
  LC_ALL=C sed "s#YYYY/MM/DD#$day#g" "$here/expected/turukame_remarks3.txt" >"$work/AdrBook.expected"
  if cmp -s "$work/AdrBook.expected" "$prog/AdrBook.txt"; then matched=$day; break; fi
done
[ -n "$matched" ] || same_bytes "$work/AdrBook.expected" "$prog/AdrBook.txt"

step "done"
echo "gui-x: passed in ${SECONDS}s"
