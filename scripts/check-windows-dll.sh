#!/usr/bin/env bash
# Cross-builds the engine as Quorvix.dll for 32-bit and for 64-bit Windows and
# proves the calling contract of each from the file itself:
#  - the file is a DLL for the intended processor (a 32-bit DLL cannot load
#    into a 64-bit spreadsheet, nor the other way round);
#  - the export table holds exactly one name, CALCLTE, undecorated;
#  - the DLL imports only system DLLs (the C and C++ run-times are linked in);
#  - 32-bit: CALCLTE is stdcall, every return in it is "ret $0x8", the callee
#    removing its two 4-byte arguments (64-bit Windows has one convention).
# Where wine can run the build's bitness it also runs our Windows client, which
# loads the DLL by name and calls CALCLTE on the default design's cases; the
# 64-bit client then also prints every result of 240 designs (each input at
# both ends of its range, with and without aggregate interlock), which must be
# bit for bit those of the engine built for this machine.
set -euo pipefail
cd "$(dirname "$0")/.."

fail() {
  echo "$dll: $*"
  exit 1
}

# check_dll BITS TOOLS BUILD_DIR FILE_FORMAT
check_dll() {
  local bits=$1 tools=$2 build=$3 format=$4
  echo "== Quorvix.dll, $bits-bit"
  cmake --no-warn-unused-cli -S . -B "$build" \
    -DCMAKE_TOOLCHAIN_FILE="cmake/toolchains/$tools.cmake" \
    -DCMAKE_BUILD_TYPE=Release -DTAVREL_BUILD_APP=OFF -DTAVREL_BUILD_TESTS=OFF \
    -DTAVREL_BUILD_BENCH=OFF >/dev/null
  cmake --build "$build" -j2
  dll=$build/bin/Quorvix.dll

  local found
  found=$("$tools-objdump" -f "$dll" | sed -n 's/.*file format //p')
  echo "format: $found"
  [ "$found" = "$format" ] || fail "is $found, not $format"

  local headers exports addresses imports name
  headers=$("$tools-objdump" -p "$dll")

  # Names of the export table, e.g. "[   0] CALCLTE"; and every address it exports.
  exports=$(awk '/^\[Ordinal\/Name Pointer\] Table/ {t = 1; next} t && NF == 0 {exit}
                 t {print $NF}' <<<"$headers")
  addresses=$(awk '/^Export Address Table -- Ordinal Base/ {t = 1; next} t && NF == 0 {exit}
                   t' <<<"$headers")
  echo "exports: $(echo $exports)"
  [ "$exports" = "CALCLTE" ] || fail "exports '$(echo $exports)', not exactly CALCLTE"
  [ "$(wc -l <<<"$addresses")" -eq 1 ] || fail "exports more than one address: $addresses"

  imports=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers")
  echo "imports: $(echo $imports)"
  local system_dlls='^(kernel32|msvcrt|ntdll|user32|advapi32)\.dll$'
  while read -r name; do
    [[ ${name,,} =~ $system_dlls ]] || fail "depends on $name, which Windows does not provide"
  done <<<"$imports"

  if [ "$bits" = 32 ]; then
    # The exported address, and the code from there to the next symbol.
    local base rva start body returns
    base=$(awk '$1 == "ImageBase" {print $2}' <<<"$headers")
    rva=$(awk '{for (i = 2; i <= NF; ++i) if ($i == "Export") print $(i - 1)}' <<<"$addresses")
    start=$(printf '%x' $((0x$base + 0x$rva)))
    body=$("$tools-objdump" -d --no-show-raw-insn "$dll" |
      awk -v start="$start" '$0 ~ "^0*" start " <" {t = 1; print; next}
                             t && /^[0-9a-f]+ <.*>:$/ {t = 0} t')
    [ -n "$body" ] || fail "no code found at the exported address $start"
    echo "entry: $(head -n 1 <<<"$body")"
    returns=$(grep -E '^\s*[0-9a-f]+:\s+ret' <<<"$body" |
      sed -E 's/^\s*[0-9a-f]+:\s+//; s/\s+/ /g' || true)
    [ -n "$returns" ] || fail "no return instruction found in CALCLTE"
    echo "returns: $(sort -u <<<"$returns" | paste -sd ',')"
    if grep -qv '^ret \$0x8$' <<<"$returns"; then
      fail "CALCLTE returns without removing its 8 argument bytes"
    fi
  fi
}

# run_client BITS BUILD_DIR WINE...: runs the client under wine, if wine is given.
run_client() {
  local bits=$1 build=$2
  shift 2
  if (($# == 0)); then
    echo "wine ($bits-bit) is not installed: the $bits-bit Windows client was built but not run"
    return
  fi
  echo "running the $bits-bit Windows client under wine"
  (cd "$build/bin" && WINEPREFIX="$PWD/../wineprefix" WINEDEBUG=-all timeout 600 \
    "$@" calclte_client.exe) || fail "the Windows client found mismatches"
}

check_dll 32 i686-w64-mingw32 build/windows pei-i386
# Running 32-bit Windows code needs wine's 32-bit half (see the README).
wine32=()
if command -v wine >/dev/null &&
  dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed"; then
  wine32=(wine)
fi
run_client 32 build/windows "${wine32[@]}"
echo "Quorvix.dll (32-bit): format, export, imports and stdcall return are as they must be"

check_dll 64 x86_64-w64-mingw32 build/windows64 pei-x86-64
wine64=()
if command -v wine64 >/dev/null; then
  wine64=(wine64)
elif [ -x /usr/lib/wine/wine64 ]; then
  wine64=(/usr/lib/wine/wine64)
fi
run_client 64 build/windows64 "${wine64[@]}"
if ((${#wine64[@]} > 0)); then
  # The same client built for this machine, on the engine built for it.
  native=build/windows-native
  cmake --no-warn-unused-cli -S . -B "$native" -DCMAKE_BUILD_TYPE=Release -DTAVREL_BUILD_APP=OFF \
    -DTAVREL_BUILD_TESTS=OFF -DTAVREL_BUILD_BENCH=OFF >/dev/null
  cmake --build "$native" -j2 --target Quorvix
  cc -std=c11 -O2 -Iengine/include tests/windows/calclte_client.c -ldl -lm \
    -o "$native/bin/calclte_client"
  (cd "$native/bin" && ./calclte_client --records) >"$native/records-linux.txt"
  (cd build/windows64/bin && WINEPREFIX="$PWD/../wineprefix" WINEDEBUG=-all timeout 600 \
    "${wine64[@]}" calclte_client.exe --records) | tr -d '\r' >"$native/records-windows.txt"
  dll=build/windows64/bin/Quorvix.dll
  cmp -s "$native/records-linux.txt" "$native/records-windows.txt" ||
    fail "differs from libQuorvix.so: $(diff "$native/records-linux.txt" \
      "$native/records-windows.txt" | head -n 4)"
  echo "records: $(wc -l <"$native/records-windows.txt") designs, identical to libQuorvix.so"
fi
echo "Quorvix.dll (64-bit): format, export and imports are as they must be"
