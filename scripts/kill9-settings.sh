#!/usr/bin/env bash
# Kills Zadrovec with SIGKILL in the middle of saving its settings, round after round, and
# checks that the settings file is always whole (the old file or the new one, never a mix) and
# that the next start removes the temporary files the killed save left behind.
#
#   scripts/kill9-settings.sh [BUILD_DIR] [ROUNDS]      (defaults: build, 30)
#
# Runs headless on a virtual X display (Xvfb), where xdotool can press Alt+F4 to close the main
# window, which saves the settings. Needs the packages xvfb and xdotool. Works in a folder of
# its own (XDG_CONFIG_HOME), so the user's settings are not touched.
set -euo pipefail
build=${1:-build}
rounds=${2:-30}
program=$(realpath "$build/zadrovec")
for tool in Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "kill9-settings: $tool is needed" >&2; exit 2; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/zadrovec-kill9.XXXXXX")
xvfb_pid=
program_pid=
cleanup() {
  [ -n "$program_pid" ] && kill -9 "$program_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# A free display number, and an X server on it.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
  display=$((display + 1))
done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
export DISPLAY=":$display"
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

export XDG_CONFIG_HOME="$work/config"
settings="$XDG_CONFIG_HOME/zadrovec"
ini="$settings/zadrovec.ini"
mkdir -p "$settings"

# Large enough (about 20 MB) that a save takes a while; the sections the program writes come
# first, so every save changes only lines above the ballast, and the end marker stays last.
ballast_lines=200000
end_marker=$'[End]\r\nwhole=1\r\n'
{
  printf '[Main window]\r\nSpinEdit1_Value=3\r\n[Menu]\r\nFormVersion=0\r\n[Ballast]\r\n'
  seq -f 'key%g=xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx' \
    "$ballast_lines" | sed 's/$/\r/'
  printf '%s' "$end_marker"
} >"$ini"

temporaries() { find "$settings" -maxdepth 1 -name '.zadrovec.ini.*' | wc -l; }

# Whole: every ballast line, the end marker last, and the main window's section.
check_whole() {
  local lines
  lines=$(grep -c '^key[0-9]*=x' "$ini" || true)
  if [ "$lines" != "$ballast_lines" ] ||
    ! tail -c ${#end_marker} "$ini" | cmp -s - <(printf '%s' "$end_marker") ||
    ! grep -q '^\[Main window\]' "$ini"; then
    echo "kill9-settings: round $1: the settings file is not whole" >&2
    exit 1
  fi
}

# Starts the program and waits for its main window (program_pid, window).
start() {
  "$program" >>"$work/program.log" 2>&1 &
  program_pid=$!
  window=$(timeout 30 xdotool search --sync --onlyvisible --pid "$program_pid" | head -1)
  [ -n "$window" ] || { echo "kill9-settings: the program showed no window" >&2; exit 1; }
}

# How long a close takes here, saving included: the kills are spread over that time.
start
began=$(date +%s%N)
xdotool windowfocus --sync "$window" key alt+F4
wait "$program_pid" || true
program_pid=
close_ms=$((($(date +%s%N) - began) / 1000000 + 1))
check_whole calibration

left_behind=0
for round in $(seq "$rounds"); do
  start
  # The start has removed what the previous killed save left.
  if [ "$(temporaries)" != 0 ]; then
    echo "kill9-settings: round $round: temporary files remain after the start" >&2
    exit 1
  fi
  xdotool windowfocus --sync "$window" key alt+F4
  # Somewhere in the save: reading, editing, writing or renaming.
  delay=$((RANDOM * 32768 + RANDOM))
  delay=$((delay % close_ms))
  sleep "$((delay / 1000)).$(printf '%03d' $((delay % 1000)))"
  kill -9 "$program_pid" 2>/dev/null || true
  wait "$program_pid" 2>/dev/null || true
  program_pid=
  check_whole "$round"
  found=$(temporaries)
  left_behind=$((left_behind + (found > 0 ? 1 : 0)))
done

# A last start and an ordinary close.
start
[ "$(temporaries)" = 0 ] || { echo "kill9-settings: temporary files remain" >&2; exit 1; }
xdotool windowfocus --sync "$window" key alt+F4
wait "$program_pid" || true
program_pid=
check_whole final
[ "$(temporaries)" = 0 ] || { echo "kill9-settings: the last save left a temporary file" >&2; exit 1; }
echo "kill9-settings: $rounds kills within a ${close_ms} ms close, $left_behind left temporary files," \
  "all removed at the next start; the settings file stayed whole"
