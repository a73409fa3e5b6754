#!/usr/bin/env bash
# The README's pictures of what a newcomer sees, as small PNGs under docs/: the
# window's three pages (scripts/look.sh) and the web page at desktop and phone
# width (scripts/look-web.mjs). Build the release preset and the site first:
#   scripts/screenshots.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
shots=$(mktemp -d)
trap 'rm -rf "$shots"' EXIT

scripts/look.sh "${1:-build/release}" "$shots" >/dev/null
node scripts/look-web.mjs "$shots" >/dev/null
mkdir -p docs
# A palette of 64 colours keeps the pictures small and their text sharp.
small() { convert "$shots/$1.png" -strip -colors 64 "PNG8:docs/$2.png"; }
small page0 window-sizing
small page1 window-spacing
small page2 window-about
small web-desktop web-desktop
small web-phone web-phone
du -b docs/*.png
