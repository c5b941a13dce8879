# Helpers of the end-to-end scripts: start the real program on a copy of a
# model, type into its window, look at the screen and at its console output.
# Sourced by the scripts, which run under their own Xvfb server.

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

# A script may run the program under a tool (lanzador) that needs longer
# for the window to appear (esperaVentana, in tenths of a second).
lanzador=()
esperaVentana=100

# Starts the program in the work directory on modelo.txt and waits for its
# window; line buffering lets the console lines be read while it runs.
arrancar() {
    cd "$trabajo"
    stdbuf -oL "${lanzador[@]}" "$binario" modelo.txt >salida.txt 2>&1 &
    pid=$!
    ventana=""
    for _ in $(seq "$esperaVentana"); do
        ventana="$(xdotool search --onlyvisible --name '^KORVELAN$' 2>/dev/null | head -n 1 || true)"
        [ -n "$ventana" ] && break
        kill -0 "$pid" 2>/dev/null || fallar "el programa terminó antes de abrir la ventana"
        sleep 0.1
    done
    [ -n "$ventana" ] || fallar "no apareció la ventana KORVELAN"
    # A busy machine may map the window late: retry until it holds the focus.
    for _ in $(seq 50); do
        xdotool windowfocus "$ventana" 2>/dev/null || true
        [ "$(xdotool getwindowfocus 2>/dev/null || true)" = "$ventana" ] && break
        sleep 0.1
    done
    [ "$(xdotool getwindowfocus 2>/dev/null || true)" = "$ventana" ] || fallar "la ventana KORVELAN no recibe el foco"
    sleep 0.5
}

# Types a line into the window and ends it with Enter.
escribirLinea() {
    xdotool type --delay 20 "$1"
    xdotool key Return
    sleep 0.3
}

pulsar() {
    xdotool key "$1"
    sleep 0.5
}

# Waits up to 10 s for a line of the console output equal to the text.
esperarLinea() {
    for _ in $(seq 100); do
        grep -qxF -- "$1" salida.txt && return 0
        sleep 0.1
    done
    fallar "falta la línea de consola: $1"
}

# Number of console lines equal to the text.
contarLineas() {
    grep -cxF -- "$1" salida.txt || true
}

capturar() {
    sleep 0.5
    import -window root captura.png
}

# Pixels of the last capture within 3 levels of the colour r g b.
contarColor() {
    convert captura.png -alpha off -format %c histogram:info:- | awk -v r="$1" -v g="$2" -v b="$3" '
        function abs(v) { return v < 0 ? -v : v }
        {
            n = $1; sub(":", "", n)
            match($0, /\([^)]*\)/)
            split(substr($0, RSTART + 1, RLENGTH - 2), c, ",")
            if (abs(c[1] - r) <= 3 && abs(c[2] - g) <= 3 && abs(c[3] - b) <= 3) total += n
        }
        END { print total + 0 }'
}

hayColor() {
    [ "$(contarColor "$2" "$3" "$4")" -gt 0 ] || fallar "no se ve $1 ($2,$3,$4)"
}

noHayColor() {
    [ "$(contarColor "$2" "$3" "$4")" -eq 0 ] || fallar "se ve $1 ($2,$3,$4) y no debería"
}

# Colours of the drawn layers, and the console banner of a reload.
apoyo=(204 204 77)
barraGris=(128 128 128)
comboActivo=(0 255 51)
comboInactivo=(0 77 13)
deformada=(0 179 179)
axial=(0 51 179)
cortante=(128 128 0)
momento=(179 51 0)
cargaNudo=(204 51 51)
cargaBarra=(0 77 0)
reaccion=(255 0 0)
banner="------------------------Reinicio del programa------------------"

# The colours of the result layers.
colores=(deformada axial cortante momento cargaNudo cargaBarra reaccion)

# Only the colours named here may be on the screen among the result colours.
soloSeVen() {
    local nombre
    for nombre in "${colores[@]}"; do
        local -n color="$nombre"
        if [[ " $* " == *" $nombre "* ]]; then
            hayColor "$nombre" "${color[@]}"
        else
            noHayColor "$nombre" "${color[@]}"
        fi
    done
}

# Ends the program with a key or a command and checks its exit status.
esperarFin() {
    local estado=0
    wait "$pid" || estado=$?
    pid=""
    [ "$estado" -eq 0 ] || fallar "el programa terminó con estado $estado"
}
