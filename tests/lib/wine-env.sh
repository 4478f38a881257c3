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
  fi
}
