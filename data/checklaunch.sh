#!/usr/bin/env bash
# Installs the build into two prefixes of its own (one with a blank in its name) and
# starts each installed desktop entry with dex, the way a desktop's launcher does, with
# a PATH that holds neither prefix's bin/: the entry must start the program of its own
# prefix. Runs on a private Xvfb server (xvfb-run picks a free display).
#
#   data/checklaunch.sh BUILD_DIR
#
# Needs: dex, xvfb (xvfb-run), xdotool.
set -euo pipefail

[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
build=$(realpath "$1")
for tool in dex xvfb-run xdotool; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is missing: run scripts/bootstrap" >&2; exit 2; }
done

readonly TITLE='Моделирование колебаний при сухом трении'
if [ "${2:-}" = --launch ]; then
  work=$5
else
  work=$(mktemp -d)
  trap 'rm -rf "$work"' EXIT
fi

# Under xvfb-run: start the entry, find the window the program opened, check it is
# the program of this prefix, close it.
launch() {
  local entry=$1 program=$2 window pid exe
  env -i HOME="$work/home" PATH=/usr/bin:/bin DISPLAY="$DISPLAY" XAUTHORITY="${XAUTHORITY:-}" \
    LANG=C.UTF-8 dex "$entry" >"$work/dex.log" 2>&1 || { cat "$work/dex.log" >&2; return 1; }
  window=""
  for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "^$TITLE\$" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "no window appeared for $entry" >&2; cat "$work/dex.log" >&2; return 1; }
  pid=$(xdotool getwindowpid "$window")
  exe=$(readlink -f "/proc/$pid/exe")
  kill "$pid"
  for _ in $(seq 50); do [ -e "/proc/$pid" ] || break; sleep 0.1; done
  if [ "$exe" != "$(readlink -f "$program")" ]; then
    echo "the entry $entry started $exe, not $program" >&2
    return 1
  fi
  echo "ok: $entry started $exe"
}

if [ "${2:-}" = --launch ]; then
  launch "$3" "$4"
  exit
fi

mkdir -p "$work/home"
status=0
for prefix in "$work/first prefix" "$work/second"; do
  cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 \
    || { cat "$work/install.log" >&2; exit 1; }
  entry="$prefix/share/applications/dryfriction.desktop"
  if grep -q '^Path=' "$entry"; then
    echo "$entry names a working folder: $(grep '^Path=' "$entry")" >&2
    status=1
  fi
  case ":$PATH:" in *":$prefix/bin:"*) echo "$prefix/bin is on PATH" >&2; exit 1 ;; esac
  xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$build" --launch "$entry" "$prefix/bin/dryfriction" "$work" \
    || status=1
done
exit $status
