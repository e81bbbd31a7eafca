#!/usr/bin/env bash
# on_display_under_wine.sh PREFIX PROGRAM [ARGUMENT...]: runs a Windows program under Wine on an
# X display of its own (with_window_manager.sh), in the Wine prefix PREFIX.
# Wine's desktop belongs to the X display of the first program its server starts, and the server
# outlives its last program by a few seconds: a windowed program that met a server started on
# another display (or on none, as the headless tests' is) could make no window. So the windowed
# tests have a prefix of their own, take turns in it (a CTest resource lock), and each ends the
# prefix's server before it starts and before its display goes.
set -u
prefix=$1
shift
root="$(cd "$(dirname "$0")/../.." && pwd)"
end_server() { WINEPREFIX="$prefix" wineserver -k 2>/dev/null; WINEPREFIX="$prefix" wineserver -w 2>/dev/null; true; }
end_server
export -f end_server
export prefix
exec "$root/tests/support/with_window_manager.sh" bash -c \
  '"$0" "$@"; status=$?; end_server; exit $status' "$root/cmake/run-under-wine" "$prefix" "$@"
