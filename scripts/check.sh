#!/usr/bin/env bash
# Installs what is missing, builds Tavrel and runs every test: the release
# build, the same suite under AddressSanitizer and UndefinedBehaviorSanitizer,
# a minute of fuzzing per harness, and the engine's Windows DLL checks.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
scripts/check-format.sh
passed=("formatting")
cmake --preset release >/dev/null
cmake --build --preset release
ctest --preset release
passed+=("release tests")

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize
passed+=("tests under ASan and UBSan")

skipped=()
# The clang that scripts/install-deps.sh installs and scripts/fuzz.sh uses.
if command -v clang++-14 >/dev/null &&
  compgen -G "/usr/lib/llvm-14/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a" >/dev/null; then
  scripts/fuzz.sh 60
  passed+=("fuzzing, 60 s per harness")
else
  skipped+=("fuzzing (clang's libFuzzer is not installed)")
fi

if command -v i686-w64-mingw32-g++-win32 >/dev/null &&
  command -v x86_64-w64-mingw32-g++-win32 >/dev/null; then
  scripts/check-windows-dll.sh
  passed+=("Windows DLL contracts, 32- and 64-bit")
else
  skipped+=("Windows DLL checks (the MinGW-w64 cross compilers are not installed)")
fi

echo
for s in "${skipped[@]}"; do echo "skipped: $s"; done
summary=$(printf '%s; ' "${passed[@]}")
echo "passed: ${summary%; }"
