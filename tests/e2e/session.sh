#!/usr/bin/env bash
# Runs the end-to-end driver in a Wine session of its own: its own Xvfb on
# a free display, the project's Wine prefix under build/ (created once and
# reused) and a virtual desktop of the size the tests need. Stops only what
# it started.
#   session.sh WIDTHxHEIGHT DEFAULT_EXE NOSTORAGE_EXE DRIVER_EXE [gtest arguments]
# The program under test is $VANTREL_EXE when set, else DEFAULT_EXE.
set -euo pipefail
VANTREL_ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
source "$VANTREL_ROOT/scripts/lib/wine-session.sh"

size="$1"; default_exe="$2"; nostorage_exe="$3"; driver="$4"; shift 4
export VANTREL_EXE="${VANTREL_EXE:-$default_exe}"
export VANTREL_NOSTORAGE_EXE="$nostorage_exe"
export VANTREL_DESKTOP="$size"

# The X screen holds the whole virtual desktop.
width="${size%x*}"; height="${size#*x}"
[ "$width" -ge 1024 ] || width=1024
[ "$height" -ge 768 ] || height=768

vantrel_start_xvfb "${width}x${height}"
trap vantrel_stop_session EXIT
vantrel_wine_prefix "$size"
wine "$driver" "$@"
