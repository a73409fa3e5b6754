#!/usr/bin/env bash
# Runs the real window on a virtual display and saves a screenshot of each page,
# to compare with the intended layout by eye:  scripts/look.sh [BUILD_DIR] [OUT_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
out=${2:-build/look}
mkdir -p "$out"
program="$(pwd)/$build/bin/tavrel"
out="$(cd "$out" && pwd)"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}
chmod 700 "$XDG_RUNTIME_DIR"

xvfb-run -a -s "-screen 0 800x560x24" bash -c '
  "$1" & pid=$!
  for _ in $(seq 50); do xdotool search --name "Tavrel Version" >/dev/null 2>&1 && break; sleep 0.1; done
  sleep 1
  import -window root "$2/page0.png"
  # To the next page by keyboard, as a user without a mouse would: Tab puts the
  # focus inside the tab control (if nothing has it yet), Ctrl+Tab turns the page.
  xdotool search --name "Tavrel Version" windowactivate --sync 2>/dev/null || true
  xdotool key Tab
  for page in 1 2; do
    xdotool key ctrl+Tab
    sleep 0.5
    import -window root "$2/page$page.png"
  done
  kill "$pid"
' look "$program" "$out"
ls "$out"/page*.png
