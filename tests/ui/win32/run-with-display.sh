#!/bin/sh
# Runs a Windows test program under Wine on a virtual X display of its own: Wine
# makes no windows without a display. Bounded, so a hung program cannot stall CTest.
# Usage: run-with-display.sh PROGRAM.exe ARGS...
set -eu
root=$(cd "$(dirname "$0")/../../.." && pwd)
"$root/scripts/wine-prefix" >/dev/null
exec timeout 280 xvfb-run -a -s "-screen 0 1024x768x24" "$root/scripts/wine-run" "$@"
