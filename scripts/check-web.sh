#!/usr/bin/env bash
# Builds the web page and runs its tests: the WebAssembly module against
# tavrel-cli (built by the release preset) and the page in headless Chromium.
# Missing tools fail the check: scripts/install-deps.sh installs them.
set -euo pipefail
cd "$(dirname "$0")/.."

for tool in em++ node pdftotext; do
  command -v "$tool" >/dev/null || { echo "check-web: $tool is not installed" >&2; exit 1; }
done
[ -x "${CHROMIUM:-/usr/bin/chromium}" ] || { echo "check-web: chromium is not installed" >&2; exit 1; }
[ -d node_modules/puppeteer-core ] || { echo "check-web: puppeteer-core is not installed (npm ci)" >&2; exit 1; }
cli=${TAVREL_CLI:-build/release/bin/tavrel-cli}
[ -x "$cli" ] || { echo "check-web: $cli is missing; build the release preset first" >&2; exit 1; }

scripts/build-web.sh
TAVREL_CLI=$cli TAVREL_WEB_SITE=build/web/site node --test tests/web/
