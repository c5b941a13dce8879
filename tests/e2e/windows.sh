#!/bin/bash
# The Windows program under wine, beside the Linux one: on every example and
# a few of these models the report agrees line by line and the console lines
# are the same; in the window typed commands draw the moment diagram of a
# combination, F5 re-reads the file and Esc ends it with status 0; on a
# console the accents of its lines show.
# Usage: windows.sh TRELVIK2D.EXE TRELVIK2D (the Linux program)
source "$(dirname "$0")/comun.sh"

linux="$(realpath "$2")"
windows="$binario"

# wine keeps its prefix in the Windows build folder, made once: its first
# start is slow. The dialogs that offer Mono and Gecko are left out, and so
# are wine's own messages, which would mix with the program's.
export WINEPREFIX
WINEPREFIX="$(dirname "$windows")/wine"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A wine server of this prefix that a killed run left behind is ended.
wineserver --kill 2>/dev/null || true
prefijoHecho="$WINEPREFIX/hecho"
if [ ! -f "$prefijoHecho" ]; then
    rm -rf "$WINEPREFIX"
    wineboot --init >/dev/null 2>&1
    wineserver --wait
    touch "$prefijoHecho"
fi

# One wine server of this prefix serves every run, which would start its
# own otherwise; it ends with the script, so that the next one starts it on
# its own X server.
wineserver --persistent
terminarConWine() {
    terminar
    wineserver --kill 2>/dev/null || true
}
trap terminarConWine EXIT

# The Windows program ends its console lines with CR LF.
hayLinea() {
    grep -qxF -- "$1" <(tr -d '\r' <"$trabajo/salida.txt")
}

# Runs one program (the Linux one with no launcher, the Windows one with
# wine) on modelo.txt in its folder until its window shows, ends it with Esc,
# and keeps its console lines there. freeglut for Windows takes the X
# server's DISPLAY, which wine passes on, for the name of a display device,
# fails to open it and says so in two lines that no Windows machine shows:
# they are left out.
correr() {
    binario="$1"
    shift
    lanzador=("$@")
    arrancar "$carpeta"
    pulsar Escape
    esperarFin
    sed -E '/^freeglut \(.*\): fgPlatformInitialize: CreateDC failed,/,/^This is quite likely caused by/d' \
        "$trabajo/salida.txt" >"$carpeta/consola.txt"
}

# Whether two reports agree line by line, CR LF read as LF: the same words,
# blanks aside (Eigen pads a column to its widest number), and numbers that
# differ by at most one unit of the sixth digit of the largest number of
# their paragraph, since another C library's sine and cosine give the noise
# of an exact zero other digits.
# Lines that begin with "#" head a table or name a member: they agree
# whole.
reportesConcuerdan() {
    awk '
        function esNumero(t) { return t ~ /^[-+]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][-+]?[0-9]+)?$/ }
        function abs(v) { return v < 0 ? -v : v }
        # One unit of the sixth significant digit of v, half a unit more for
        # the binary difference of two printed numbers.
        function holgura(v, e, d) {
            if (v == 0) return 0
            e = log(v) / log(10)
            d = int(e)
            if (d > e) --d
            return 1.5 * exp((d - 5) * log(10))
        }
        function falla(i, motivo) {
            printf "línea %d: %s\n  Linux:   %s\n  Windows: %s\n", i, motivo, linux[i], windows[i]
            exit 1
        }
        { sub(/\r$/, "") }
        FNR == NR { linux[++nLinux] = $0; next }
        { windows[++nWindows] = $0 }
        END {
            parrafo = 1
            for (i = 1; i <= nLinux; ++i) {
                n = split(linux[i], t)
                parrafo += n == 0
                parrafoDe[i] = parrafo
                for (k = 1; k <= n && t[1] !~ /^#/; ++k) {
                    if (esNumero(t[k]) && abs(t[k] + 0) > escala[parrafo]) escala[parrafo] = abs(t[k] + 0)
                }
            }
            for (i = 1; i <= nLinux && i <= nWindows; ++i) {
                n = split(linux[i], l)
                if (split(windows[i], w) != n) falla(i, "otro número de palabras")
                for (k = 1; k <= n; ++k) {
                    if (l[1] !~ /^#/ && esNumero(l[k]) && esNumero(w[k])) {
                        if (abs(l[k] - w[k]) > holgura(escala[parrafoDe[i]])) falla(i, "otro número")
                    } else if (l[k] != w[k]) {
                        falla(i, "otra palabra")
                    }
                }
            }
            if (nLinux != nWindows) falla(i, "otro número de líneas")
        }' "$1" "$2" >&2
}

# The Linux and the Windows program write the file alike, or neither writes
# it.
mismoArchivo() {
    local nombre="$1" descripcion="$2" comparar="$3"
    if [ ! -f "$trabajo/linux/$nombre" ]; then
        [ ! -f "$trabajo/windows/$nombre" ] || fallar "$modelo: el programa de Windows escribe $nombre y el de Linux no"
        return
    fi
    [ -f "$trabajo/windows/$nombre" ] || fallar "$modelo: el programa de Windows no escribe $nombre"
    "$comparar" "$trabajo/linux/$nombre" "$trabajo/windows/$nombre" ||
        fallar "$modelo: $descripcion no concuerda entre los programas de Linux y de Windows"
}

# The console lines, CR LF read as LF.
consolasIguales() {
    diff "$1" <(tr -d '\r' <"$2") >&2
}

# A new folder of the work directory named first, with the model named
# second as modelo.txt; it becomes the one the programs run in.
prepararCarpeta() {
    carpeta="$trabajo/$1"
    rm -rf "$carpeta"
    mkdir "$carpeta"
    cp "$2" "$carpeta/modelo.txt"
}

for modelo in "$fixturas"/../../examples/*.txt "$fixturas"/portico.txt "$fixturas"/nudosNumerados.txt \
    "$fixturas"/malos/porticoMecanismo.txt "$fixturas"/malos/valorInvalido.txt; do
    prepararCarpeta linux "$modelo"
    correr "$linux"
    prepararCarpeta windows "$modelo"
    correr "$windows" wine
    modelo="$(basename "$modelo")"
    grep -q . "$trabajo/linux/consola.txt" || fallar "$modelo: el programa de Linux no escribió nada"
    mismoArchivo consola.txt "la consola" consolasIguales
    mismoArchivo resultados.txt "el reporte" reportesConcuerdan
done

# --- A console: script gives wine a terminal, which wine makes the
# program's console, and copies what the terminal shows, in UTF-8, to the
# program's output; with the console's control sequences and blanks left
# out, the accents of a line show as they are. ---
prepararCarpeta consola "$fixturas/../../examples/voladizo.txt"
correr "$windows" bash -c 'exec env LC_ALL=C.UTF-8 script -qfec "wine $(printf "%q " "$@")" /dev/null' enConsola
lineaVisible="Nosecalcularáelpesopropiodelaestructura"
grep -qF "$lineaVisible" <(sed 's/\x1b\[[0-9;?]*[a-zA-Z]//g; s/ //g' "$carpeta/consola.txt") ||
    fallar "la consola de Windows no muestra la línea con su acento: $lineaVisible"

# --- The window: commands, F5 and Esc. ---
prepararCarpeta windows "$fixturas/portico.txt"
binario="$windows"
lanzador=(wine)
arrancar "$carpeta"
escribirLinea plotM
escribirLinea combo
escribirLinea C2
esperarPantalla comboActivo momento

# An edit and F5: the new model is read and its moments are drawn.
cp "$fixturas/porticoEditado.txt" modelo.txt
pulsar F5
esperarLinea "$banner"
esperarLinea "lectura de nudos OK Num Nudos = 5"
esperarPantalla comboActivo momento

pulsar Escape
esperarFin
