#!/usr/bin/env bash
# Runs a Windows program under Wine in the prefix all builds and tests share. The prefix is
# made once, under a lock, since a first start takes about 20 s and two first starts at once
# would trip over each other.
set -euo pipefail
prefix="${KERUMINA_WINEPREFIX:-${XDG_CACHE_HOME:-${HOME:-/tmp}/.cache}/kerumina-wine}"
# Wine's desktop process belongs to the display it was started on, and a server kept alive
# by a run without one would leave a later window without a desktop: runs on a screen get a
# prefix, and so a server, of their own.
if [ -n "${DISPLAY:-}" ]; then
  export WINEPREFIX="$prefix-display"
else
  export WINEPREFIX="$prefix"
fi
export WINEDEBUG="${WINEDEBUG:--all}"
# No prompts for the .NET and HTML runtimes, which nothing here uses.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
wine=/usr/lib/wine/wine64
ready="$WINEPREFIX/.kerumina-ready"
if [ ! -f "$ready" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  (
    flock 9
    if [ ! -f "$ready" ]; then
      unset DISPLAY
      "$wine" wineboot -i >/dev/null 2>&1 || true
      # Wine draws window captions in its own Tahoma, which has no Japanese; Windows uses
      # a Japanese UI font there.
      "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v Tahoma /d IPAPGothic /f \
        >/dev/null 2>&1 || true
      /usr/lib/wine/wineserver -w
      touch "$ready"
    fi
  ) 9>"$WINEPREFIX.lock"
fi
# Wine draws the caption buttons in Marlett, which it does not find where Debian puts it.
fonts="$WINEPREFIX/drive_c/windows/Fonts"
if [ -d "$fonts" ] && [ ! -f "$fonts/marlett.ttf" ] && [ -f /usr/share/wine/fonts/marlett.ttf ]; then
  cp /usr/share/wine/fonts/marlett.ttf "$fonts/" || true
fi
if [ -n "${DISPLAY:-}" ]; then
  # Waits for the server to end, so that the next screen starts afresh.
  status=0
  "$wine" "$@" || status=$?
  /usr/lib/wine/wineserver -w
  exit "$status"
fi
# A server that outlives each program for a while spares every test its start (~4 s); it
# ends by itself, and fails quietly when one is running. Its background services are
# started here, away from our output: they would hold a caller's pipe open for as long as
# they live, and a caller waiting for the end of the output would wait for them.
if /usr/lib/wine/wineserver -p30 </dev/null >/dev/null 2>&1; then
  "$wine" wineboot </dev/null >/dev/null 2>&1 || true
fi
exec "$wine" "$@"
