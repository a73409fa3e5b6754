#!/usr/bin/env bash
# Cross-builds the engine as Quorvix.dll for 32-bit Windows and proves the
# calling contract from the file itself:
#  - the export table holds exactly one name, CALCLTE, undecorated;
#  - the DLL imports only system DLLs (the C and C++ run-times are linked in);
#  - CALCLTE is stdcall: every return in it is "ret $0x8", the callee removing
#    its two 4-byte arguments.
# Where wine with 32-bit support is installed it also runs our Windows client,
# which loads the DLL by name and calls CALCLTE on the default design's cases.
set -euo pipefail
cd "$(dirname "$0")/.."

build=build/windows
tools=i686-w64-mingw32

cmake --no-warn-unused-cli -S . -B "$build" -DCMAKE_TOOLCHAIN_FILE=cmake/toolchains/i686-w64-mingw32.cmake \
  -DCMAKE_BUILD_TYPE=Release -DTAVREL_BUILD_APP=OFF -DTAVREL_BUILD_TESTS=OFF \
  -DTAVREL_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j2
dll=$build/bin/Quorvix.dll

fail() {
  echo "Quorvix.dll: $*"
  exit 1
}

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
system_dlls='^(kernel32|msvcrt|ntdll|user32|advapi32)\.dll$'
while read -r name; do
  [[ ${name,,} =~ $system_dlls ]] || fail "depends on $name, which Windows does not provide"
done <<<"$imports"

# The exported address, and the code from there to the next symbol.
base=$(awk '$1 == "ImageBase" {print $2}' <<<"$headers")
rva=$(awk '{for (i = 2; i <= NF; ++i) if ($i == "Export") print $(i - 1)}' <<<"$addresses")
start=$(printf '%x' $((0x$base + 0x$rva)))
body=$("$tools-objdump" -d --no-show-raw-insn "$dll" |
  awk -v start="$start" '$0 ~ "^0*" start " <" {t = 1; print; next}
                         t && /^[0-9a-f]+ <.*>:$/ {t = 0} t')
[ -n "$body" ] || fail "no code found at the exported address $start"
echo "entry: $(head -n 1 <<<"$body")"
returns=$(grep -E '^\s*[0-9a-f]+:\s+ret' <<<"$body" | sed -E 's/^\s*[0-9a-f]+:\s+//; s/\s+/ /g' || true)
[ -n "$returns" ] || fail "no return instruction found in CALCLTE"
echo "returns: $(sort -u <<<"$returns" | paste -sd ',')"
if grep -qv '^ret \$0x8$' <<<"$returns"; then
  fail "CALCLTE returns without removing its 8 argument bytes"
fi

# Running Windows code needs wine's 32-bit half (see the README).
if command -v wine >/dev/null &&
  dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed"; then
  echo "running the Windows client under wine"
  (cd "$build/bin" && WINEPREFIX="$PWD/../wineprefix" WINEDEBUG=-all timeout 600 \
    wine calclte_client.exe) || fail "the Windows client found mismatches"
else
  echo "wine (32-bit) is not installed: the Windows client was built but not run"
fi
echo "Quorvix.dll: export, imports and stdcall return are as they must be"
