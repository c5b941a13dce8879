#!/bin/bash
# Structures that cannot carry their loads, through the real program: the
# one error line, no report (an older one stays as it was) and no result
# layer, at start-up and after F5, also when F5 brings the mechanism in place
# of a sound model. A truss whose joints turn freely under no moment is
# solved.
source "$(dirname "$0")/comun.sh"

reporteAnterior="reporte de un análisis anterior"

casos=(
    "porticoMecanismo.txt|Error: la estructura es un mecanismo bajo las cargas; no hay equilibrio en el nudo 2, dirección X; no se resuelve la estructura"
    "momentoEnNudoArticulado.txt|Error: la estructura es un mecanismo bajo las cargas; no hay equilibrio en el nudo 2, dirección giro; no se resuelve la estructura"
)

# Waits up to 10 s for the text to stand on that many console lines.
esperarVeces() {
    for _ in $(seq 100); do
        [ "$(contarLineas "$1")" -ge "$2" ] && return 0
        sleep 0.1
    done
    fallar "la línea no aparece $2 veces: $1"
}

activarCombos() {
    escribirLinea combo
    escribirLinea C1
    escribirLinea combo
    escribirLinea C2
}

# The model is drawn, none of its results.
sinResultados() {
    capturar
    hayColor "las barras" "${barraGris[@]}"
    soloSeVen
}

for caso in "${casos[@]}"; do
    archivo="${caso%%|*}"
    linea="${caso#*|}"
    rm -rf "${trabajo:?}"/*
    cp "$fixturas/malos/$archivo" "$trabajo/modelo.txt"
    echo "$reporteAnterior" >"$trabajo/resultados.txt"
    arrancar
    esperarLinea "$linea"
    [ "$(contarLineas "$linea")" -eq 1 ] || fallar "$archivo: la línea no aparece una sola vez: $linea"
    activarCombos
    for capa in plotDef plotM plotR; do
        escribirLinea "$capa"
        sinResultados
    done
    pulsar F5
    esperarVeces "$linea" 2
    [ "$(contarLineas "$banner")" -eq 1 ] || fallar "$archivo: falta el aviso de reinicio"
    sinResultados
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
capturar
hayColor "los momentos del pórtico" "${momento[@]}"
cp "$fixturas/malos/porticoMecanismo.txt" modelo.txt
pulsar F5
linea="${casos[0]#*|}"
esperarLinea "$linea"
sinResultados
pulsar Escape
esperarFin
cmp -s resultados.txt reporteDelPortico.txt || fallar "el mecanismo tras F5 tocó el reporte del pórtico"

# Every member end of the truss is hinged: its joints turn freely, and with
# no moment on them it is solved and drawn.
rm -rf "${trabajo:?}"/*
cp "$fixturas/../../examples/cercha.txt" "$trabajo/modelo.txt"
arrancar
esperarLinea "transferencia de combos a barra[i] OK"
[ "$(grep -c '^Error' salida.txt || true)" -eq 0 ] || fallar "la cercha dio un error"
[ -s resultados.txt ] || fallar "no se escribió el reporte de la cercha"
escribirLinea combo
escribirLinea C
escribirLinea plotN
capturar
hayColor "las fuerzas axiales de la cercha" "${axial[@]}"
pulsar Escape
esperarFin
