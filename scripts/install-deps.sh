#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing,
# and the web tests' npm packages pinned by package-lock.json.
# Safe to run again: a machine that has everything installs nothing.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  # build and test
  g++ cmake make pkg-config git googletest libgtest-dev libgmock-dev libbenchmark-dev
  libicu-dev
  clang-format
  # window
  qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev qt6-qpa-plugins fonts-liberation
  # running the window without a display, and looking at it
  xvfb xauth x11-utils xdotool imagemagick poppler-utils
  # packaging: the .deb, its manual pages, and the checks a Debian reviewer runs on it
  dpkg-dev file help2man man-db lintian desktop-file-utils appstream
  # fuzzing: clang 14 with its libFuzzer (scripts/fuzz.sh and check.sh use this version)
  clang-14 libclang-rt-14-dev
  # the engine as a 32- and a 64-bit Windows DLL, and running the 64-bit one
  g++-mingw-w64-i686-win32 binutils-mingw-w64-i686
  g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64 wine64
  # the engine's Python package (pip installs it in its test) and the spreadsheet module's test
  python3 python3-pytest python3-pip
  # checking design files against their published JSON Schema
  python3-jsonschema
  # number reading without the C++ library's floating-point conversions
  libfast-float-dev
  # design files: JSON reading and writing, header-only so the web page compiles it too
  nlohmann-json3-dev
  # the web page: compiler, and the browser its tests drive
  emscripten chromium
  # the web page's scripts made small for the site
  terser
)
# A Node.js installed otherwise (for example a newer one) serves as well.
if ! command -v node >/dev/null || ! command -v npm >/dev/null; then packages+=(nodejs npm); fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]} > 0)); then
  sudo=""
  if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
  echo "Installing: ${missing[*]}"
  $sudo apt-get -o DPkg::Lock::Timeout=300 update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=300 install -y -qq \
    --no-install-recommends "${missing[@]}"
fi

# puppeteer-core drives the installed chromium and downloads no browser; npm
# installs exactly the locked versions, again only when the lock file changed.
if ! cmp -s package-lock.json node_modules/.installed-lock.json 2>/dev/null; then
  npm ci --ignore-scripts --no-audit --no-fund
  cp package-lock.json node_modules/.installed-lock.json
fi
