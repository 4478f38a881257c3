#!/usr/bin/env bash
# Runs a Windows test program under wine64 in the build's own prefix, on a private virtual
# display; its exit code is the test's.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../lib/wine-env.sh"
start_virtual_display
wine_prefix_ready
"$WINE64" "$@"
