#!/usr/bin/env bash
# Builds the .deb, checks it as a Debian reviewer would (lintian, the desktop
# entry, the AppStream data, the manual pages), unpacks it into a temporary root
# and runs both programs from there: the package must hold everything they need
# beside them. Then installs the build tree with cmake and uninstalls it again
# from the manifest.
set -euo pipefail
# A step that fails without a word of its own says where.
trap 'echo "FAIL: line $LINENO: $BASH_COMMAND" >&2' ERR

config=$1
build=$(dirname "$config")
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

# Errors and warnings fail; so do the hardening tags, which lintian only reports
# as information.
status=0
lintian --display-info --fail-on error,warning "$deb" >"$work/lintian.log" 2>&1 || status=$?
if [ "$status" -ne 0 ] || grep -E '^(E|W): |^I: .* hardening-' "$work/lintian.log" >&2; then
  cat "$work/lintian.log" >&2
  fail "lintian"
fi

# Nothing runs on install or removal, so removing leaves nothing behind.
dpkg-deb -e "$deb" "$work/control"
scripts=$(cd "$work/control" && ls | grep -vx -e control -e md5sums || true)
[ -z "$scripts" ] || fail "maintainer scripts: $scripts"

# shlibdeps finds the libraries; the platform plugins and fonts it cannot see.
depends=$(dpkg-deb -f "$deb" Depends)
for package in qt6-qpa-plugins fonts-liberation libqt6widgets6 libqt6gui6 libqt6core6 libc6; do
  [[ ", $depends," == *", $package"[\ ,]* ]] || fail "Depends lacks $package: $depends"
done

dpkg -x "$deb" "$work/root"
usr=$work/root/usr
for file in lib/tavrel/tavrel lib/tavrel/tavrel-cli lib/tavrel/libQuorvix.so \
  lib/tavrel/Praxendel.pdf bin/tavrel bin/tavrel-cli share/applications/tavrel.desktop \
  share/icons/hicolor/scalable/apps/tavrel.svg share/tavrel/design.schema.json \
  share/mime/packages/tavrel.xml; do
  [ -e "$usr/$file" ] || fail "missing $file"
done
grep -qx 'Exec=tavrel %f' "$usr/share/applications/tavrel.desktop" || fail "desktop entry Exec"
# Double-clicking a design opens it: the file type and the entry name each other.
grep -qx 'MimeType=application/x-tavrel-design;' "$usr/share/applications/tavrel.desktop" ||
  fail "desktop entry MimeType"
grep -q '<mime-type type="application/x-tavrel-design">' "$usr/share/mime/packages/tavrel.xml" ||
  fail "shared-mime-info entry"
grep -qx 'Icon=tavrel' "$usr/share/applications/tavrel.desktop" || fail "desktop entry Icon"
# Hints too (such as two main categories, which list the program twice).
hints=$(desktop-file-validate "$usr/share/applications/tavrel.desktop" 2>&1) &&
  [ -z "$hints" ] || fail "desktop-file-validate: $hints"
metainfo=("$usr"/share/metainfo/*.metainfo.xml)
[ -f "${metainfo[0]}" ] || fail "no AppStream metainfo"
# Any remark fails but one: the vendor's domain lies under the reserved .example,
# which appstream cannot know for a domain.
appstreamcli validate --no-net "${metainfo[0]}" >"$work/appstream.log" 2>&1 ||
  fail "appstreamcli validate: $(cat "$work/appstream.log")"
remarks=$(grep -E '^[EWI]: ' "$work/appstream.log" | grep -v ': cid-maybe-not-rdns ' || true)
[ -z "$remarks" ] || fail "appstreamcli validate: $remarks"
version=$(dpkg-deb -f "$deb" Version)
grep -q "<release version=\"${version%-*}\"" "${metainfo[0]}" || fail "metainfo lacks release ${version%-*}"

# Each manual page renders, and names every option its program's --help gives.
for program in tavrel tavrel-cli; do
  page=$usr/share/man/man1/$program.1.gz
  [ -f "$page" ] || fail "missing manual page $page"
  text=$(LC_ALL=C MANWIDTH=200 man -l "$page" 2>"$work/man.log")
  [ ! -s "$work/man.log" ] || fail "man -l $program: $(cat "$work/man.log")"
  for section in NAME SYNOPSIS DESCRIPTION 'EXIT STATUS' FILES EXAMPLES; do
    grep -qx "$section" <<<"$text" || fail "$program(1) lacks $section"
  done
  grep -q 'libQuorvix.so' <<<"$text" || fail "$program(1) does not name the engine"
  # A usage line help2man could not read spills into the description.
  # One reader, no pipe: a reader that stops early would end its writer by SIGPIPE,
  # which pipefail takes for a failure, now and then.
  first=$(awk 'found && NF { sub(/^ +/, ""); print; exit } /^DESCRIPTION$/ { found = 1 }' <<<"$text")
  [[ "$first" != "["* && "$first" != "$program "* ]] || fail "$program(1) synopsis spilled: $first"
  options=$(env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/$program" --help |
    grep -oE '(^|[ ,])--?[a-z][a-z-]*' | tr -d ' ,' | sort -u)
  [ -n "$options" ] || fail "$program --help names no options"
  for option in $options; do
    grep -q -e "$option\b" <<<"$text" || fail "$program(1) lacks $option"
  done
done

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

# Help and the version need no display and win over any other argument.
for program in tavrel tavrel-cli; do
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/$program" --version)
  [ "$out" = "$program ${version%-*}" ] || fail "$program --version: $out"
done
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$usr/bin/tavrel" -platform nowhere --help)
[[ "$out" == "Usage: tavrel "* ]] || fail "tavrel --help: $out"

# Without a display, or with one that cannot be opened, one line says what to
# do and the exit status is 1, not Qt's abort.
for display in "" ":98765"; do
  status=0
  env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$display" timeout 20 "$usr/bin/tavrel" \
    >"$work/out.log" 2>"$work/err.log" || status=$?
  [ "$status" -eq 1 ] || fail "with DISPLAY='$display' the window exited $status: $(cat "$work/err.log")"
  [ ! -s "$work/out.log" ] || fail "with DISPLAY='$display' standard output: $(cat "$work/out.log")"
  last=$(tail -n 1 "$work/err.log")
  [[ "$last" == "tavrel: no display"*"xvfb-run -a tavrel" ]] || fail "no display message: $last"
  [ -n "$display" ] || [ "$(wc -l <"$work/err.log")" -eq 1 ] ||
    fail "without a display: $(cat "$work/err.log")"
done

# The window comes up and stays up until stopped.
status=0
QT_QPA_PLATFORM=offscreen timeout 3 "$usr/bin/tavrel" >"$work/window.log" 2>&1 || status=$?
if [ "$status" -ne 124 ]; then
  cat "$work/window.log" >&2
  fail "the window exited with $status instead of staying up"
fi
# cmake --install lists every file and link it lays down, so removing what
# install_manifest.txt names leaves no file behind.
DESTDIR=$work/installed cmake --install "$build" --prefix /usr >"$work/install.log" 2>&1 ||
  { cat "$work/install.log" >&2; fail "cmake --install"; }
manifest=$build/install_manifest.txt
for program in tavrel tavrel-cli; do
  grep -qx "/usr/bin/$program" "$manifest" || fail "manifest lacks bin/$program"
done
# The manifest's last line has no newline.
while IFS= read -r file || [ -n "$file" ]; do rm -f -- "$work/installed$file"; done <"$manifest"
left=$(find "$work/installed" ! -type d)
[ -z "$left" ] || fail "left after uninstalling from the manifest: $left"

echo "package test passed: $(basename "$deb")"
