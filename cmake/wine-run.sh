#!/bin/sh
# Runs a Windows program under Wine: the cross build's emulator, so that CTest runs the test
# suite against the Windows build. Usage: wine-run.sh PREFIX PROGRAM [ARGUMENTS...]
#
# PREFIX is a Wine prefix of the build's own, made quietly by wineboot on the first run (one
# run at a time makes it, however many tests start together). Wine's own messages are kept off
# the output, so a test sees what the program printed and nothing else.
set -eu
mkdir -p "$1"
prefix=$(cd "$1" && pwd)  # Wine takes only an absolute path
shift
export WINEPREFIX="$prefix" WINEDEBUG=-all
wine=$(command -v wine64 || command -v wine || echo /usr/lib/wine/wine64)
if [ ! -f "$prefix/.ready" ]; then
  (
    flock 9
    if [ ! -f "$prefix/.ready" ]; then
      "$wine" wineboot --init >/dev/null 2>&1
      touch "$prefix/.ready"
    fi
  ) 9>"$prefix.lock"
fi
exec "$wine" "$@"
