#!/bin/bash
# Structures that cannot carry their loads, through the real program: the
# one error line, no report (an older one stays as it was) and no result
# layer, at start-up and after F5, also when F5 brings the mechanism in place
# of a sound model. A truss whose joints turn freely under no moment is
# solved.
source "$(dirname "$0")/comun.sh"

reporteAnterior="reporte de un análisis anterior"

casos=(
    "porticoMecanismo.txt|Error: la estructura es un mecanismo bajo las cargas del combo C2; no hay equilibrio en el nudo 2, dirección X; no se resuelve la estructura"
    "momentoEnNudoArticulado.txt|Error: la estructura es un mecanismo bajo las cargas del combo C2; no hay equilibrio en el nudo 2, dirección giro; no se resuelve la estructura"
)

# A layer switched on shows nothing: the combination switched on after it
# proves that the command was taken, and switched off again it leaves the
# layer on for the next.
sinResultadosEnCapa() {
    escribirLinea "$1"
    escribirLinea combo
    escribirLinea C1
    soloSeVen
    escribirLinea combo
    escribirLinea C1
    esperarPantalla barraGris comboInactivo -- comboActivo "${capasDeResultado[@]}"
    escribirLinea "$1"
}

for caso in "${casos[@]}"; do
    archivo="${caso%%|*}"
    linea="${caso#*|}"
    rm -rf "${trabajo:?}"/*
    cp "$fixturas/malos/$archivo" "$trabajo/modelo.txt"
    echo "$reporteAnterior" >"$trabajo/resultados.txt"
    arrancar
    esperarLinea "$linea"
    hayLineas "$linea" 1 || fallar "$archivo: la línea no aparece una sola vez: $linea"
    for capa in plotDef plotN plotV plotM plotCarga plotR; do
        sinResultadosEnCapa "$capa"
    done
    escribirLinea plotM
    escribirLinea combo
    escribirLinea C1
    soloSeVen
    pulsar F5
    esperarQue hayLineas "$linea" 2
    hayLineas "$banner" 1 || fallar "$archivo: falta el aviso de reinicio"
    soloSeVen
    pulsar Escape
    esperarFin
    [ "$(cat resultados.txt)" = "$reporteAnterior" ] || fallar "$archivo: se tocó el reporte anterior"
done

# A sound portal, then its mechanism through F5: the moments go, the report
# of the sound portal stays.
rm -rf "${trabajo:?}"/*
cp "$fixturas/portico.txt" "$trabajo/modelo.txt"
arrancar
esperarLinea "transferencia de combos a barra[i] OK"
[ -s resultados.txt ] || fallar "no se escribió el reporte del pórtico"
cp resultados.txt reporteDelPortico.txt
escribirLinea combo
escribirLinea C2
escribirLinea plotM
soloSeVen momento
cp "$fixturas/malos/porticoMecanismo.txt" modelo.txt
pulsar F5
esperarLinea "${casos[0]#*|}"
soloSeVen
pulsar Escape
esperarFin
cmp -s resultados.txt reporteDelPortico.txt || fallar "el mecanismo tras F5 tocó el reporte del pórtico"

# Every member end of the truss is hinged: its joints turn freely, and with
# no moment on them it is solved and drawn.
rm -rf "${trabajo:?}"/*
cp "$fixturas/../../examples/cercha.txt" "$trabajo/modelo.txt"
arrancar
esperarLinea "transferencia de combos a barra[i] OK"
[ "$(grep -c '^Error' "$trabajo/salida.txt" || true)" -eq 0 ] || fallar "la cercha dio un error"
[ -s resultados.txt ] || fallar "no se escribió el reporte de la cercha"
escribirLinea combo
escribirLinea C
escribirLinea plotN
esperarPantalla barraGris comboActivo axial
pulsar Escape
esperarFin
