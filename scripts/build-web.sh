#!/usr/bin/env bash
# Builds the web page into build/web/site/: index.html, its styles and scripts,
# tavrel.js, the engine and the rules compiled to WebAssembly (embedded), and the
# guidelines document that "Jump to Guidelines" opens.
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

# The smallest module: optimised for size across the whole program (link-time),
# and without the C++ exception and type-information tables the rules never use
# (a JSON error is a returned message, never a throw).
small="-Oz -DNDEBUG -flto -fno-exceptions -fno-rtti"
emcmake cmake --no-warn-unused-cli -S . -B "$build" -DCMAKE_BUILD_TYPE=MinSizeRel \
  -DCMAKE_CXX_FLAGS_MINSIZEREL="$small" -DCMAKE_C_FLAGS_MINSIZEREL="-Oz -DNDEBUG -flto" \
  -DCMAKE_EXE_LINKER_FLAGS="-flto -Oz" \
  -DCMAKE_COMPILE_WARNING_AS_ERROR=ON -DTAVREL_BUILD_APP=OFF -DTAVREL_BUILD_RULES=ON -DTAVREL_BUILD_WEB=ON \
  -DTAVREL_BUILD_TESTS=OFF -DTAVREL_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target tavrel_web

rm -rf "$site"
mkdir -p "$site"
cp web/index.html web/tavrel.css web/pages.css web/app.js web/page.js web/spacing.js web/about.js web/design.js \
  web/check.js web/check.css web/report.js web/report.css "$build/bin/tavrel.js" "$site/"

# The guidelines are typeset by the window's build (Qt); the release build makes
# them when it is configured, else the site goes without and says so.
guidelines=${TAVREL_GUIDELINES:-build/release/bin/Praxendel.pdf}
if [ ! -f "$guidelines" ] && [ -f build/release/CMakeCache.txt ]; then
  cmake --build build/release --target tavrel_guidelines >/dev/null || true
fi
if [ -f "$guidelines" ]; then
  cp "$guidelines" "$site/Praxendel.pdf"
else
  echo "build-web: $guidelines is missing (build the release preset); the site has no guidelines" >&2
fi
# The page's scripts without their comments and with short local names: half
# their size for a first visit on a slow line (the sources in web/ stay as read).
if ! command -v terser >/dev/null; then
  echo "build-web: terser is not installed; run scripts/install-deps.sh" >&2
  exit 1
fi
for script in "$site"/*.js; do
  [ "$script" = "$site/tavrel.js" ] && continue  # Emscripten has made it small already
  terser "$script" --compress --mangle --output "$script"
done

# What an installed app and a browser tab show: the emblem and the app icons.
cp web/manifest.webmanifest web/icon-192.png web/icon-512.png web/icon-maskable-512.png "$site/"
cp packaging/tavrel.svg "$site/icon.svg"

# The service worker keeps every file of the site, under a version that changes
# whenever any of them does.
files=$(cd "$site" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)
version=$(cd "$site" && echo "$files" | xargs sha256sum | sha256sum | cut -c1-16)
list=$(printf '"%s", ' $files | sed 's/, $//')
sed -e "s|\[/\* the build lists the site's files here \*/\]|[$list]|" \
    -e "s|/\* the build writes the version here \*/|$version|" web/service-worker.js >"$site/service-worker.js"
grep -q "$version" "$site/service-worker.js" || { echo "build-web: the service worker was not written" >&2; exit 1; }
echo "build-web: $(du -sb --exclude=Praxendel.pdf "$site" | cut -f1) bytes in $site/ without the guidelines"
