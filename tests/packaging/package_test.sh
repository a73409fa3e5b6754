#!/usr/bin/env bash
# Builds the .deb, unpacks it into a temporary root and runs both programs from
# there: the package must hold everything they need beside them.
set -euo pipefail

config=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

if ! cpack --config "$config" -B "$work/out" >"$work/cpack.log" 2>&1; then
  cat "$work/cpack.log" >&2
  fail "cpack"
fi
debs=("$work"/out/tavrel_*.deb)
deb=${debs[0]}
[ -f "$deb" ] || fail "no .deb in $work/out"

# shlibdeps finds the libraries; the platform plugins and fonts it cannot see.
depends=$(dpkg-deb -f "$deb" Depends)
for package in qt6-qpa-plugins fonts-liberation libqt6widgets6 libqt6gui6 libqt6core6 libc6; do
  [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
done

dpkg -x "$deb" "$work/root"
usr=$work/root/usr
for file in lib/tavrel/tavrel lib/tavrel/tavrel-cli lib/tavrel/libQuorvix.so \
  lib/tavrel/Praxendel.pdf bin/tavrel bin/tavrel-cli share/applications/tavrel.desktop \
  share/icons/hicolor/scalable/apps/tavrel.svg; do
  [ -e "$usr/$file" ] || fail "missing $file"
done
grep -qx 'Exec=tavrel' "$usr/share/applications/tavrel.desktop" || fail "desktop entry Exec"
grep -qx 'Icon=tavrel' "$usr/share/applications/tavrel.desktop" || fail "desktop entry Icon"

# Through the launcher on PATH, from another folder: the default design (its
# note column empty).
cd "$work"
csv=$(PATH="$usr/bin:$PATH" tavrel-cli --format csv)
[ "$(wc -l <<<"$csv")" -eq 9 ] || fail "expected a header and eight rows, got: $csv"
grep -qx '12,0.25,300,9000,4000000,12,90,1,round,71.6,26.1,46.2,1479,2469,acceptable,' \
  <<<"$csv" || fail "default design, 1-inch bar: $csv"

# The engine comes from the program's own folder and nowhere else.
mv "$usr/lib/tavrel/libQuorvix.so" "$work/away.so"
status=0
message=$("$usr/bin/tavrel-cli" 2>&1 >/dev/null) || status=$?
[ "$status" -eq 1 ] || fail "without its engine tavrel-cli exited $status"
[[ "$message" == *"$usr/lib/tavrel"* ]] || fail "engine message: $message"
mv "$work/away.so" "$usr/lib/tavrel/libQuorvix.so"

# The window comes up and stays up until stopped.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$usr/bin/tavrel" >"$work/window.log" 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
  cat "$work/window.log" >&2
  fail "the window exited with $status instead of staying up"
fi
echo "package test passed: $(basename "$deb")"
