#!/usr/bin/env bash
# Runs a command on a desktop of its own: a virtual X display (Xvfb) with the openbox window
# manager, as a breeder's screen would be. Usage: xsession.sh [--size WxH] COMMAND [ARGS...]
set -euo pipefail

size=1280x800
if [ "${1:-}" = "--size" ]; then
  size=$2
  shift 2
fi

tmp=$(mktemp -d)
cleanup() {
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$tmp"
}
trap cleanup EXIT

# the server picks a free display number and writes it when it is ready
exec 3>"$tmp/display"
Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp -noreset >"$tmp/xvfb.log" 2>&1 &
xvfb=$!
exec 3>&-
for _ in $(seq 1 200); do
  [ -s "$tmp/display" ] && break
  kill -0 "$xvfb" 2>/dev/null || { cat "$tmp/xvfb.log" >&2; exit 1; }
  sleep 0.05
done
export DISPLAY=":$(head -n1 "$tmp/display")"

# openbox with its own settings folder, so that nothing of the user's desktop comes in
export XDG_CONFIG_HOME="$tmp/config"
mkdir -p "$XDG_CONFIG_HOME"
openbox --sm-disable >"$tmp/openbox.log" 2>&1 &
wm=$!
for _ in $(seq 1 200); do
  xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
  sleep 0.05
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" || { echo "openbox did not start" >&2; cat "$tmp/openbox.log" >&2; exit 1; }
unset XDG_CONFIG_HOME

export QT_QPA_PLATFORM=xcb
# no accessibility bus on this desktop; no browser or mail program starts from a test
export NO_AT_BRIDGE=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=0 BROWSER=true
"$@"
