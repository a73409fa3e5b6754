#!/usr/bin/env bash
# Builds the web page into build/web/site/: index.html, its style and script,
# and tavrel.js, the engine and the rules compiled to WebAssembly (embedded).
# Open build/web/site/index.html from disk, or copy the folder to any static host.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/web/cmake
site=build/web/site

if ! command -v emcmake >/dev/null; then
  echo "build-web: Emscripten (emcmake, em++) is not installed; run scripts/install-deps.sh" >&2
  exit 1
fi
# Debian's Emscripten runs its optimiser on Node.js, which finds the acorn
# module there only when Node.js is not Debian's own.
export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}

emcmake cmake --no-warn-unused-cli -S . -B "$build" -DCMAKE_BUILD_TYPE=MinSizeRel \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DTAVREL_BUILD_APP=OFF -DTAVREL_BUILD_RULES=ON -DTAVREL_BUILD_WEB=ON \
  -DTAVREL_BUILD_TESTS=OFF -DTAVREL_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target tavrel_web

rm -rf "$site"
mkdir -p "$site"
cp web/index.html web/tavrel.css web/page.js "$build/bin/tavrel.js" "$site/"
echo "build-web: $(du -sb "$site" | cut -f1) bytes in $site/"
