# Helpers of the end-to-end scripts: start the real program on a copy of a
# model, type into its window, wait for what the screen and the console
# output show. Sourced by the scripts, which run under their own Xvfb server.
# Nothing is looked at after a fixed pause: every check polls until the state
# holds and fails once a generous deadline has passed.

set -euo pipefail

binario="$(realpath "$1")"
fixturas="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
trabajo="$(mktemp -d)"
pid=""

terminar() {
    if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
        kill "$pid"
    fi
    rm -rf "$trabajo"
}
trap terminar EXIT

fallar() {
    echo "FALLO: $*" >&2
    echo "--- salida del programa ---" >&2
    cat "$trabajo/salida.txt" >&2 || true
    exit 1
}

# Sets the array named first to a colour of the viewer, named second, as the
# screen shows it (r g b): read from the viewer's own table, each channel
# times 255, rounded.
leerColorDelVisor() {
    local -n color="$1"
    read -ra color <<<"$(sed -nE "s/^const ColorRGB $2 = \{([0-9.]+)f, ([0-9.]+)f, ([0-9.]+)f\};$/\1 \2 \3/p" \
        "$fixturas/../../src/viewer/colores.h" |
        awk '{ printf "%d %d %d", int($1 * 255 + 0.5), int($2 * 255 + 0.5), int($3 * 255 + 0.5) }')"
    [ "${#color[@]}" -eq 3 ] || fallar "el visor no define el color $2"
}

# The colours the scripts look for, by the names they use.
for par in verdePanel:colorPanel barraGris:colorBarra apoyo:colorApoyo comboActivo:colorComboActivo \
    comboInactivo:colorComboInactivo deformada:colorDeformada axial:colorContornoAxial \
    cortante:colorContornoCortante momento:colorContornoMomento cargaNudo:colorCargaNudo \
    cargaBarra:colorCargaTransversal reaccion:colorReaccion textoBarra:colorTextoBarra; do
    leerColorDelVisor "${par%%:*}" "${par#*:}"
done

# A script may run the program under a tool (lanzador) that slows it down,
# and give each wait longer (plazo, in seconds).
lanzador=()
plazo=30

# Tries the command every tenth of a second until it succeeds; false once
# plazo seconds have passed.
intentarHasta() {
    local limite=$((SECONDS + plazo))
    until "$@"; do
        [ "$SECONDS" -lt "$limite" ] || return 1
        sleep 0.1
    done
}

# The same, and the script fails when the deadline passes.
esperarQue() {
    intentarHasta "$@" || fallar "no se cumplió: $*"
}

ventanaVisible() {
    ventana="$(xdotool search --onlyvisible --name '^KORVELAN$' 2>/dev/null | head -n 1 || true)"
    [ -n "$ventana" ] && return 0
    kill -0 "$pid" 2>/dev/null || fallar "el programa terminó antes de abrir la ventana"
    return 1
}

# A busy machine may map the window late: focus is asked for again each try.
ventanaConFoco() {
    xdotool windowfocus "$ventana" 2>/dev/null || true
    [ "$(xdotool getwindowfocus 2>/dev/null || true)" = "$ventana" ]
}

# Starts the program on modelo.txt in a folder (the work directory unless
# one is named), without waiting for it; line buffering lets the console
# lines, kept in the work directory, be read while it runs.
lanzar() {
    cd "${1:-$trabajo}"
    stdbuf -oL "${lanzador[@]}" "$binario" modelo.txt >"$trabajo/salida.txt" 2>&1 &
    pid=$!
}

# Waits for the window of the program started, its focus and its first frame.
esperarVentana() {
    intentarHasta ventanaVisible || fallar "no apareció la ventana KORVELAN"
    intentarHasta ventanaConFoco || fallar "la ventana KORVELAN no recibe el foco"
    esperarPantalla verdePanel
}

arrancar() {
    lanzar "$@"
    esperarVentana
}

# Types a line into the window and ends it with Enter.
escribirLinea() {
    xdotool type --delay 20 "$1"
    xdotool key Return
}

pulsar() {
    xdotool key "$1"
}

# Turns the mouse wheel over the window's middle by n steps: forward (zoom
# in) when n is positive, X buttons 4 and 5.
girarRueda() {
    local boton=4 pasos="$1"
    if [ "$pasos" -lt 0 ]; then
        boton=5
        pasos=$((-pasos))
    fi
    xdotool mousemove --window "$ventana" 500 400 click --repeat "$pasos" --delay 1 "$boton"
}

hayLinea() {
    grep -qxF -- "$1" "$trabajo/salida.txt"
}

esperarLinea() {
    intentarHasta hayLinea "$1" || fallar "falta la línea de consola: $1"
}

# Number of console lines equal to the text.
contarLineas() {
    grep -cxF -- "$1" "$trabajo/salida.txt" || true
}

# Whether the console holds exactly n lines equal to the text.
hayLineas() {
    [ "$(contarLineas "$1")" -eq "$2" ]
}

# Pixels of the last capture within 3 levels of the colour r g b.
contarColor() {
    awk -v r="$1" -v g="$2" -v b="$3" '
        function abs(v) { return v < 0 ? -v : v }
        {
            n = $1; sub(":", "", n)
            match($0, /\([^)]*\)/)
            split(substr($0, RSTART + 1, RLENGTH - 2), c, ",")
            if (abs(c[1] - r) <= 3 && abs(c[2] - g) <= 3 && abs(c[3] - b) <= 3) total += n
        }
        END { print total + 0 }' <<<"$histograma"
}

# Captures the screen and tells whether it shows every colour named before
# "--" and none of those named after it (names of the colours above); what
# does not hold is left in "faltas".
pantallaMuestra() {
    histograma="$(import -window root ppm:- | convert ppm:- -depth 8 -alpha off -format %c histogram:info:-)"
    faltas=""
    local debeVerse=1 nombre cuenta
    for nombre in "$@"; do
        if [ "$nombre" = "--" ]; then
            debeVerse=0
            continue
        fi
        local -n color="$nombre"
        cuenta="$(contarColor "${color[@]}")"
        if [ "$debeVerse" -eq 1 ] && [ "$cuenta" -eq 0 ]; then
            faltas+=" no se ve $nombre (${color[*]});"
        elif [ "$debeVerse" -eq 0 ] && [ "$cuenta" -gt 0 ]; then
            faltas+=" se ve $nombre (${color[*]}) y no debería;"
        fi
    done
    [ -z "$faltas" ]
}

# Waits for a frame that shows what pantallaMuestra asks. Every frame is drawn
# whole, so a colour that must show is judged together with the ones that
# must not: the caller names one whose coming (or going) only the frame after
# its keys brings, and one that proves that the window still draws.
esperarPantalla() {
    intentarHasta pantallaMuestra "$@" || fallar "la pantalla no llegó a mostrar lo esperado:$faltas"
}

# The console banner of a reload.
banner="------------------------Reinicio del programa------------------"

capasDeResultado=(deformada axial cortante momento cargaNudo cargaBarra reaccion)

# Waits for the members and the active combination with only the result
# colours named here.
soloSeVen() {
    local ausentes=() nombre
    for nombre in "${capasDeResultado[@]}"; do
        [[ " $* " == *" $nombre "* ]] || ausentes+=("$nombre")
    done
    esperarPantalla barraGris comboActivo "$@" -- "${ausentes[@]}"
}

# Whether the program has ended; one that has ended but was not waited for
# yet stands as a zombie.
programaTerminado() {
    ! kill -0 "$pid" 2>/dev/null || [[ "$(ps -o stat= -p "$pid" 2>/dev/null)" == *Z* ]]
}

# Waits for the end of the program that a key or a command ended and checks
# its exit status.
esperarFin() {
    intentarHasta programaTerminado || fallar "el programa no terminó"
    local estado=0
    wait "$pid" || estado=$?
    pid=""
    [ "$estado" -eq 0 ] || fallar "el programa terminó con estado $estado"
}
