#!/bin/bash
# Faulty input through the real program, one case for each road: a model
# that does not exist, a broken file and a sound one that the start-up leaves
# unanalysed print their line, the window opens all the same, Escape ends the
# program with status 0 and no report is written; a file with a warning is
# analysed, and a broken edit that F5 brings then prints its line and leaves
# that report as it was. No escape byte from a file reaches the console. The
# reader's tests hold every faulty file with its line, the only one about it.
source "$(dirname "$0")/comun.sh"

# The case's file in malos/ (none: no model file) and its line.
sinAnalisis=(
    "|Error: no se puede abrir el archivo de datos modelo.txt"
    "nombreConEscape.txt|Error: el combo \\x1b[2J\\x1b[31m no tiene ningún par de factor y caso de carga"
    "sinBarras.txt|El modelo no tiene barras; no se analiza"
)
aviso="Advertencia: la etiqueta resortes: no es del formato y se ignora"
edicionRota="Error: la etiqueta barras: nombra el número de nudo 5, que no está en la tabla nudos:"

# Starts the program on the case's file and waits for its line.
arrancarCon() {
    local archivo="$1" linea="$2"
    rm -rf "${trabajo:?}"/*
    if [ -n "$archivo" ]; then
        cp "$fixturas/malos/$archivo" "$trabajo/modelo.txt"
    fi
    arrancar
    esperarLinea "$linea"
}

# Ends the program with Escape; the console must hold no escape byte.
terminarConEscape() {
    pulsar Escape
    esperarFin
    ! grep -q $'\e' salida.txt || fallar "la consola recibió un byte de escape"
}

for caso in "${sinAnalisis[@]}"; do
    archivo="${caso%%|*}"
    arrancarCon "$archivo" "${caso#*|}"
    terminarConEscape
    [ ! -e resultados.txt ] || fallar "$archivo: se escribió resultados.txt para un modelo que no se analizó"
done

arrancarCon etiquetaAjena.txt "$aviso"
[ -s resultados.txt ] || fallar "no se analizó un modelo con solo una advertencia"
cp resultados.txt reporteConAviso.txt
cp "$fixturas/malos/barraSinNudo.txt" modelo.txt
pulsar F5
esperarLinea "$banner"
esperarLinea "$edicionRota"
terminarConEscape
cmp -s resultados.txt reporteConAviso.txt || fallar "la edición rota tras F5 tocó el reporte"
