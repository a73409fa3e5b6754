#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang and runs each for SECONDS (default 60).
# Fails on any crash, hang (an input taking over 2 s), leak or sanitizer report;
# the input that caused it is left in build/fuzz/findings/.
#   scripts/fuzz.sh            # one minute per harness
#   scripts/fuzz.sh 3600       # an hour per harness
# New inputs found go to build/fuzz/corpus/<harness>/ and are reused by later runs;
# the seeds in fuzz/corpus/ are only read.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-60}
build=build/fuzz
harnesses=(engine_record design_texts design_file designs_csv)

# --fresh: a folder configured earlier with another compiler is set up anew.
cmake --fresh -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
  -DTAVREL_BUILD_FUZZERS=ON -DTAVREL_BUILD_APP=OFF -DTAVREL_BUILD_RULES=ON -DTAVREL_BUILD_TESTS=OFF \
  -DTAVREL_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2 --target "${harnesses[@]/#/fuzz_}"

mkdir -p "$build/findings"
for name in "${harnesses[@]}"; do
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  options=(-timeout=2 -max_total_time="$seconds" -print_final_stats=1
    -artifact_prefix="$build/findings/$name-")
  case $name in
    engine_record) options+=(-max_len=76) ;;
    design_texts) options+=(-max_len=512 -dict=fuzz/design_texts.dict) ;;
    design_file) options+=(-max_len=4096 -dict=fuzz/design_file.dict) ;;
    designs_csv) options+=(-max_len=8192 -dict=fuzz/designs_csv.dict) ;;
  esac
  echo "== fuzz_$name for ${seconds}s"
  log="$build/$name.log"
  if ! "$build/bin/fuzz_$name" "${options[@]}" "$corpus" "fuzz/corpus/$name" >"$log" 2>&1; then
    tail -n 40 "$log"
    echo "fuzz_$name FAILED; the input is in $build/findings/"
    exit 1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "fuzz_$name: ${runs:-?} executions, nothing found"
done
