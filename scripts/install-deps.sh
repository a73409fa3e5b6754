#!/usr/bin/env bash
# Installs the Debian packages the project needs, only those that are missing.
# Safe to run again: a machine that has everything installs nothing.
set -euo pipefail

packages=(
  # build and test
  g++ cmake make pkg-config git googletest libgtest-dev libgmock-dev libbenchmark-dev
  libicu-dev
  clang-format
  # window
  qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev qt6-qpa-plugins fonts-liberation
  # running the window without a display, and looking at it
  xvfb xauth x11-utils xdotool imagemagick poppler-utils
  # packaging
  dpkg-dev file
  # fuzzing (clang with libFuzzer) and the engine as a 32-bit Windows DLL
  clang libclang-rt-14-dev g++-mingw-w64-i686-win32 binutils-mingw-w64-i686
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then sudo="sudo"; fi
echo "Installing: ${missing[*]}"
$sudo apt-get -o DPkg::Lock::Timeout=300 update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get -o DPkg::Lock::Timeout=300 install -y -qq \
  --no-install-recommends "${missing[@]}"
