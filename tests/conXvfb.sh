#!/bin/bash
# Runs a command under an Xvfb server of its own, on a display number that
# the server picks itself, so that runs side by side never take the same one.
# Usage: conXvfb.sh COMMAND [ARG...]
set -euo pipefail

tuberia="$(mktemp -u)"
mkfifo "$tuberia"
# Without -noreset the server resets whenever its last client leaves, and a
# program that connects in that moment fails to open the display.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$tuberia" >/dev/null 2>&1 &
servidor=$!
terminar() {
    kill "$servidor" 2>/dev/null || true
    wait "$servidor" 2>/dev/null || true
    rm -f "$tuberia"
}
trap terminar EXIT

# The server writes its display number once it accepts clients.
numero=""
read -r -t 30 numero <"$tuberia" || true
[ -n "$numero" ] || { echo "conXvfb: Xvfb no arrancó" >&2; exit 1; }
export DISPLAY=":$numero"
"$@"
