# Shared by the tests and scripts that start Wine: where wine64 is, and a private prefix.
# Source it; then call wine_prefix_ready before starting a program.
: "${VELMORA_ROOT:=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}"
WINE64=${WINE64:-$(command -v wine64 || echo /usr/lib/wine/wine64)}
WINESERVER=${WINESERVER:-$(command -v wineserver || echo /usr/lib/wine/wineserver)}
export WINEPREFIX=${WINEPREFIX:-$VELMORA_ROOT/build/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}  # no Mono or Gecko install dialogs

wine_prefix_ready() {
  if [ ! -f "$WINEPREFIX/system.reg" ]; then
    mkdir -p "$WINEPREFIX"
    "$WINE64" wineboot --init >/dev/null 2>&1 || true
    "$WINESERVER" -w
    # Wine links Desktop and the like to the Unix home; the tests' files stay inside the prefix.
    local link
    for link in "$WINEPREFIX"/drive_c/users/*/*; do
      if [ -L "$link" ]; then rm "$link" && mkdir -p "$link"; fi
    done
    # One virtual desktop for every program: windows behave as on Windows, with no window manager.
    "$WINE64" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
    "$WINE64" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f >/dev/null 2>&1
    "$WINESERVER" -w
  fi
}

# A private Xvfb display for this shell, stopped when it exits.
start_virtual_display() {
  local n
  for n in $(seq 90 199); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] || break
  done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  VIRTUAL_DISPLAY_PID=$!
  export DISPLAY=":$n"
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.05; done
  trap 'kill $VIRTUAL_DISPLAY_PID 2>/dev/null; "$WINESERVER" -k 2>/dev/null' EXIT
}
