#!/bin/bash
# The real program on a fixed-base portal with combination C2 (gravity and
# wind) switched on: each result command shows its own layer's colours and
# none of the other result layers.
source "$(dirname "$0")/comun.sh"

deformada=(0 179 179)
axial=(0 51 179)
cortante=(128 128 0)
momento=(179 51 0)
cargaNudo=(204 51 51)
cargaBarra=(0 77 0)
reaccion=(255 0 0)

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

cp "$fixturas/portico.txt" "$trabajo/modelo.txt"
arrancar
esperarLinea "transferencia de combos a barra[i] OK"

escribirLinea combo
escribirLinea C2
capturar
soloSeVen

escribirLinea plotDef
capturar
soloSeVen deformada

escribirLinea plotN
capturar
soloSeVen axial

escribirLinea plotV
capturar
soloSeVen cortante

escribirLinea plotM
capturar
soloSeVen momento

escribirLinea plotCarga
capturar
soloSeVen cargaNudo cargaBarra

escribirLinea plotR
capturar
soloSeVen reaccion

# The same command again hides its layer.
escribirLinea plotR
capturar
soloSeVen

pulsar Escape
esperarFin
