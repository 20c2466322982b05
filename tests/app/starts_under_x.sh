#!/usr/bin/env bash
# Starts the real program on a real X server and checks that its main window
# comes up with its caption and size, that it keeps running until closed, and
# that the run ends, with status 0, both by EXIT and by the close box.
set -euo pipefail
program=$1
x_send=$2

tmp=$(mktemp -d)
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT

# -displayfd picks a free display number, so parallel runs do not collide.
# -noreset: when the first run's program, the only client, ends, the server
# would reset and refuse the second run's program while it does.
exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$tmp/display")"
unset QT_QPA_PLATFORM

# Starts the program and waits until its main window is on the screen; leaves
# the window's line of the window tree in $line.
start() {
  "$program" >"$tmp/log" 2>&1 &
  app=$!
  line=""
  for _ in $(seq 100); do
    line=$(xwininfo -root -tree 2>/dev/null | grep '"QRVN5800 Programming v1.0"' || true)
    if [ -n "$line" ] && xwininfo -id "$(window_id)" | grep -q 'IsViewable'; then
      echo "$line"
      return
    fi
    sleep 0.1
  done
  echo "no main window appeared"; cat "$tmp/log"; exit 1
}
window_id() { echo "$line" | awk '{ print $1 }'; }

# Waits up to 10 s for the run to end, then wants status 0.
ends_cleanly() {  # how it was closed
  for _ in $(seq 100); do kill -0 "$app" 2>/dev/null || break; sleep 0.1; done
  kill -0 "$app" 2>/dev/null && { echo "$1: the program still runs"; exit 1; }
  local status=0
  wait "$app" || status=$?
  app=""
  [ "$status" -eq 0 ] || { echo "$1: the program ended with status $status"; cat "$tmp/log"; exit 1; }
}

start
# The window is 641x434 and centred on the 1024x768 screen.
echo "$line" | grep -q '641x434+191+167' || { echo "wrong size or place"; exit 1; }
sleep 0.5
kill -0 "$app" || { echo "the program ended by itself"; exit 1; }
# EXIT is 129x41 at 448,360 in the window, which has no frame here: its
# middle is at 191+512, 167+380 on the screen.
"$x_send" click 703 547
ends_cleanly EXIT

start
# No window manager runs here, so the close box's request is sent directly.
"$x_send" close "$(window_id)"
ends_cleanly "close box"
