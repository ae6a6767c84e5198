#!/usr/bin/env bash
# Installs the build into two prefixes of its own (one with a blank in its name) and
# starts each installed desktop entry with dex, the way a desktop's launcher does, with
# a PATH that holds neither prefix's bin/: the entry must start the program of its own
# prefix. Runs on a private Xvfb server, which picks a free display itself and tells
# its number once it accepts clients (xvfb-run -a guesses a number, and loses the race
# when another server starts at the same moment).
#
#   data/checklaunch.sh BUILD_DIR
#
# Needs: dex, Xvfb, xdotool.
set -euo pipefail

[ $# -ge 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
build=$(realpath "$1")
for tool in dex Xvfb xdotool; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is missing: run scripts/bootstrap" >&2; exit 2; }
done

readonly TITLE='Моделирование колебаний при сухом трении'
work=$(mktemp -d)
xvfb_pid=""
trap '[ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT

# On the private server: start the entry, find the window the program opened, check it is
# the program of this prefix, close it.
launch() {
  local entry=$1 program=$2 window pid exe
  env -i HOME="$work/home" PATH=/usr/bin:/bin DISPLAY="$DISPLAY" XAUTHORITY="${XAUTHORITY:-}" \
    LANG=C.UTF-8 dex "$entry" >"$work/dex.log" 2>&1 || { cat "$work/dex.log" >&2; return 1; }
  window=""
  # A loaded machine (the tests run in parallel) can take seconds to show the window.
  for _ in $(seq 300); do
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

start_xserver() {
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 100); do
    if grep -q '^[0-9]' "$work/display" 2>/dev/null; then
      DISPLAY=":$(head -n1 "$work/display")"
      export DISPLAY
      return
    fi
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
  done
  cat "$work/xvfb.log" >&2
  echo "$0: Xvfb did not start" >&2
  exit 1
}

start_xserver
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
  launch "$entry" "$prefix/bin/dryfriction" || status=1
done
exit $status
