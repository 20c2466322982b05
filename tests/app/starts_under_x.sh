#!/usr/bin/env bash
# Starts the real program on a real X server and checks that its main window
# comes up with its caption and size, then that it keeps running until closed.
set -euo pipefail
program=$1

tmp=$(mktemp -d)
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT

# -displayfd picks a free display number, so parallel runs do not collide.
exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$tmp/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n1 "$tmp/display")"
unset QT_QPA_PLATFORM

"$program" >"$tmp/log" 2>&1 &
app=$!

line=""
for _ in $(seq 100); do
  line=$(xwininfo -root -tree 2>/dev/null | grep '"QRVN5800 Programming v1.0"' || true)
  [ -n "$line" ] && break
  sleep 0.1
done
if [ -z "$line" ]; then
  echo "no main window appeared"; cat "$tmp/log"; exit 1
fi
echo "$line"
# The window is 641x434 and centred on the 1024x768 screen.
echo "$line" | grep -q '641x434+191+167' || { echo "wrong size or place"; exit 1; }
kill -0 "$app" || { echo "the program ended by itself"; exit 1; }
