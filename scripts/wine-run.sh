#!/usr/bin/env bash
# Runs a Windows program under Wine in the one prefix all builds and tests share. The
# prefix is made once, under a lock, since a first start takes about 20 s and two first
# starts at once would trip over each other.
set -euo pipefail
export WINEPREFIX="${KERUMINA_WINEPREFIX:-${XDG_CACHE_HOME:-$HOME/.cache}/kerumina-wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No prompts for the .NET and HTML runtimes, which nothing here uses.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
wine=/usr/lib/wine/wine64
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
      DISPLAY= "$wine" wineboot -i >/dev/null 2>&1 || true
      /usr/lib/wine/wineserver -w
    fi
  ) 9>"$WINEPREFIX.lock"
fi
# A server that outlives each program for a while spares every test its start (~4 s); it
# ends by itself, and fails quietly when one is running. Its background services are
# started here, away from our output: they would hold a caller's pipe open for as long as
# they live, and a caller waiting for the end of the output would wait for them.
if /usr/lib/wine/wineserver -p30 </dev/null >/dev/null 2>&1; then
  "$wine" wineboot </dev/null >/dev/null 2>&1 || true
fi
exec "$wine" "$@"
