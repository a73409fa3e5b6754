#!/usr/bin/env bash
# Fails on any C or C++ file that does not follow .clang-format; lists them.
#   scripts/check-format.sh          # check
#   scripts/check-format.sh --fix    # rewrite them in place
set -euo pipefail
cd "$(dirname "$0")/.."

mapfile -t files < <(git ls-files '*.c' '*.cpp' '*.h')
if [ "${1:-}" = "--fix" ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
if ! report=$(clang-format --dry-run -Werror "${files[@]}" 2>&1); then
  sed -n 's/^\([^:]*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/not formatted: \1/p' \
    <<<"$report" | sort -u
  echo "Run scripts/check-format.sh --fix to format them."
  exit 1
fi
