#!/usr/bin/env bash
# The helper scripts under scripts/, on what they can be tried with here without a
# display or root: each is run by a relative path from a folder of its own.
#   tests/scripts/scriptchecks.sh REPOSITORY
# - a program or package that is not there: the script's own message, which names
#   the path as the caller meant it (found from the caller's folder), and exit 2;
# - compare-screens on two images of 1920x1080 that differ everywhere, a count that
#   ImageMagick writes in exponent form: "2073600 pixels differ" and exit 1.
# Exits 0 when all holds, 1 on a failure, 77 (skipped) without ImageMagick.
set -euo pipefail
repo=$(realpath -- "$1")
command -v compare >/dev/null && command -v convert >/dev/null || { echo "ImageMagick is missing"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/caller/sub"
cd "$work/caller/sub"
scripts=$(realpath --relative-to=. "$repo/scripts")
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Runs a script; sets status, out (stdout and stderr together).
run() {
  status=0
  out=$("$@" 2>&1) || status=$?
}

missing="absent/dryfriction"
# measure-run-cpu and capture-screens look for their X tools first.
checked=(check-accessibility check-documents)
if command -v Xvfb >/dev/null && command -v xdotool >/dev/null && command -v xprop >/dev/null; then
  checked+=(measure-run-cpu)
fi
for script in "${checked[@]}"; do
  run "$scripts/$script" "$missing"
  [ "$status" -eq 2 ] || fail "$script $missing: exit $status, not 2: $out"
  [[ $out == *"no program at"*"$missing"* ]] || fail "$script $missing: $out"
done
run "$scripts/check-accessibility" "$missing"
[[ $out == *"$work/caller/sub/$missing"* ]] || fail "check-accessibility takes $missing from another folder: $out"
run "$scripts/check-documents" "$missing"
[[ $out == *"$work/caller/sub/$missing"* ]] || fail "check-documents takes $missing from another folder: $out"
if command -v Xvfb >/dev/null && command -v xdotool >/dev/null && command -v xclip >/dev/null; then
  run "$scripts/capture-screens" "$missing" "$work/shots"
  [ "$status" -eq 2 ] && [[ $out == *"no program at $missing"* ]] || fail "capture-screens $missing: exit $status: $out"
fi
run "$scripts/check-package" "absent/dryfriction.deb"
[ "$status" -eq 2 ] && [[ $out == *"no package at $work/caller/sub/absent/dryfriction.deb"* ]] \
  || fail "check-package absent/dryfriction.deb: exit $status: $out"

mkdir before after
convert -size 1920x1080 xc:white before/screen.png
convert -size 1920x1080 xc:black after/screen.png
run "$scripts/compare-screens" before after
[ "$status" -eq 1 ] || fail "compare-screens: exit $status, not 1: $out"
[[ $out == *"screen.png: 2073600 pixels differ"* ]] || fail "compare-screens: $out"
cp before/screen.png after/screen.png
run "$scripts/compare-screens" before after
[ "$status" -eq 0 ] && [[ $out == *"screen.png: 0"* ]] || fail "compare-screens on equal images: exit $status: $out"

[ "$failures" -eq 0 ] || exit 1
echo "the scripts give their own messages and counts"
