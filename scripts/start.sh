#!/usr/bin/env bash
# Installs what is missing, builds Tavrel and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release

program=build/release/bin/tavrel
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display here. To see the window, run this on a desktop, or under a virtual one:"
  echo "  xvfb-run -a $program"
  echo "or build the web page (scripts/build-web.sh) and open build/web/site/index.html in a browser."
  cli=build/release/bin/tavrel-cli
  if [ -x "$cli" ]; then
    echo
    echo "Meanwhile, the default design's analysis through the command line ($cli --help for more):"
    echo
    "$cli"
  fi
  exit 0
fi
exec "$program"
