#!/usr/bin/env bash
# Locked play survives kill -9. Runs the real program in a scratch folder:
#  1. kill it right after the computer's discards; the next start resumes the
#     hand with those discards made (same State, "Resuming" in the log);
#  2. under Xvfb, start it, switch on automatic play (Ctrl+F10) and kill it at
#     a random moment, KILLS times: the settings file always parses, no
#     player's options are lost, and every start after a saved match resumes it.
#
#   tests/kill9/locked_kill_test.sh BIN_DIR [KILLS]
# Exit 0 pass, 1 fail, 77 skipped (no Xvfb or xdotool).
set -u
bin=${1:?usage: locked_kill_test.sh BIN_DIR [KILLS]}
kills=${2:-15}
work=$(mktemp -d)
pid=
cleanup() {
  [ -n "$pid" ] && kill -9 "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
cp "$bin/Kestrel32" "$bin/libOsprey32.so" "$work/"
ini=$work/Kestrel32.ini
log=$work/Ann.log
ann_options=4242,1,1,1,1,1,0,0,0,2,0,1,0,1,0,0
bob_options=777,0,0,1,1,0,1,2,1,3,0,0,1,2,2,1
export XDG_RUNTIME_DIR=$work

fail() { echo "FAIL: $*"; echo "--- settings file:"; cat "$ini"; exit 1; }

write_ini() {
  cat >"$ini" <<INI
[Global]
Version=Kestrel (02 Jan 19)
Players=Ann,Bob
AllowMultipleInstances=1 ;0/1
AllowCtrlF10=1 ;0/1
UsePetrelDLL=0 ;0/1/2/3
[Ann]
Options=$ann_options
LogFile=$log
[Bob]
Options=$bob_options
WinSound=/home/bob/win.wav
INI
}

value() { # section key
  awk -v s="[$1]" -v k="$2" '/^\[/ {in_s = ($0 == s)} in_s && index($0, k "=") == 1 {print substr($0, length(k) + 2); exit}' "$ini"
}

start() {
  "$work/Kestrel32" /LOCK /Player=Ann >/dev/null 2>&1 &
  pid=$!
}

stop() {
  kill -9 "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  pid=
}

# Wait up to 10 s for a condition.
await() {
  for _ in $(seq 100); do
    eval "$1" && return 0
    sleep 0.1
  done
  return 1
}

check_file() {
  # Every line a section, a key=value pair or empty.
  local bad
  bad=$(grep -nvE '^(\[[^]]+\]|[^=[]+=.*|)$' "$ini") && fail "unparsable line: $bad"
  [ "$(grep -c '^\[Ann\]$' "$ini")" = 1 ] || fail "Ann's section"
  [ "$(grep -c '^\[Bob\]$' "$ini")" = 1 ] || fail "Bob's section"
  [ "$(value Ann Options | cut -d, -f2-)" = "${ann_options#*,}" ] || fail "Ann's options"
  [ "$(value Bob Options)" = "$bob_options" ] || fail "Bob's options"
  [ "$(value Bob WinSound)" = /home/bob/win.wav ] || fail "Bob's win sound"
  [ "$(value Global Players)" = Ann,Bob ] || fail "the player list"
  return 0
}

fields() { echo "$1" | tr ',' '\n' | grep -c .; }

# --- 1. Killed right after the computer's discards (the player deals first,
# so the program deals at once and waits for the player's discards).
write_ini
QT_QPA_PLATFORM=offscreen start
await '[ "$(fields "$(value Ann State)")" = 13 ]' || fail "no State with the computer's discards"
stop
before=$(value Ann State)
check_file
QT_QPA_PLATFORM=offscreen start
await 'grep -q "Resuming match from INI state for Ann" "$log"' || fail "the match was not resumed"
sleep 0.5
stop
after=$(value Ann State)
[ "$after" = "$before" ] || fail "State changed on resuming: $before -> $after"
echo "resumed after the computer's discards: State=$after"

# --- 2. Random kills during automatic play.
command -v xvfb-run >/dev/null && command -v xdotool >/dev/null || { echo "SKIP: no xvfb-run or xdotool"; exit 77; }
export work kills ini log ann_options bob_options
export QT_QPA_PLATFORM=xcb  # a real window on the Xvfb display, whatever the caller set
xvfb-run -a -s "-screen 0 1280x800x24" bash -c "$(declare -f fail value start stop await check_file fields); $(cat <<'INNER'
set -u
pid=
resumes_before=$(grep -c "Resuming match from INI state for Ann" "$log")
resumes_expected=0
for i in $(seq "$kills"); do
  [ -n "$(value Ann State)" ] && resumes_expected=$((resumes_expected + 1))
  start
  wid=$(timeout 10 xdotool search --sync --onlyvisible --name '^Kestrel' | head -1)
  [ -n "$wid" ] || fail "no window (kill $i)"
  xdotool windowfocus --sync "$wid" key ctrl+F10
  sleep "$(awk -v r="$RANDOM" 'BEGIN {printf "%.2f", 0.1 + r / 32767 * 1.5}')"
  stop
  check_file
done
resumes=$(( $(grep -c "Resuming match from INI state for Ann" "$log") - resumes_before ))
[ "$resumes" = "$resumes_expected" ] || fail "resumed $resumes times, expected $resumes_expected"
echo "killed $kills times during automatic play: file intact, $resumes resumes; last State=$(value Ann State)"
echo "temporary files left by interrupted saves: $(ls -A "$work" | grep -c '^\.Kestrel32\.ini\.')"
INNER
)"
