#!/bin/bash
# Makes the README screenshots in docs/capturas/ from the example models:
# runs the real program under Xvfb, types its commands with xdotool and
# grabs the window. Needs a build (scripts/compilar.sh) and the packages of
# scripts/instalar-dependencias.sh.
set -euo pipefail
cd "$(dirname "$0")/.."

if [ -z "${CAPTURAS_EN_XVFB:-}" ]; then
  export CAPTURAS_EN_XVFB=1
  exec bash tests/conXvfb.sh bash "$0" "$@"
fi

programa=build/trelvik2d
[ -x "$programa" ] || bash scripts/compilar.sh
mkdir -p docs/capturas

# capturar SALIDA MODELO PASO...: opens the model, takes each step in turn
# and saves the window as docs/capturas/SALIDA. A step is a command line
# (typed, then Enter), "tecla:N:KEY" (KEY pressed N times: minus shrinks the
# shown layer, plus enlarges the text) or "rueda:N:BUTTON" (N wheel steps
# over the window: 4 zooms in, 5 zooms out).
capturar() {
  local salida="$1" modelo="$2"
  shift 2
  "$programa" "$modelo" >/dev/null &
  local pid=$!
  local ventana
  ventana=$(timeout 20 xdotool search --sync --onlyvisible --name '^KORVELAN$' | head -n 1)
  xdotool windowfocus --sync "$ventana"
  sleep 0.5
  local paso veces boton
  for paso in "$@"; do
    case "$paso" in
      tecla:*)
        IFS=: read -r _ veces boton <<<"$paso"
        xdotool key --delay 30 --repeat "$veces" "$boton"
        ;;
      rueda:*)
        IFS=: read -r _ veces boton <<<"$paso"
        xdotool mousemove --window "$ventana" 500 400 click --delay 50 --repeat "$veces" "$boton"
        ;;
      *)
        xdotool type --delay 20 "$paso"
        xdotool key Return
        ;;
    esac
    sleep 0.2
  done
  sleep 0.5
  import -window "$ventana" "docs/capturas/$salida"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  echo "docs/capturas/$salida"
}

capturar modelo.png examples/portico.txt tagNudos tagBarras tecla:8:plus rueda:6:5
capturar momentos.png examples/portico.txt combo GRAVEDAD plotM tecla:12:minus tecla:8:plus rueda:6:5
capturar cargas.png examples/portico.txt combo VIENTO plotCarga tecla:6:minus tecla:8:plus rueda:6:5
