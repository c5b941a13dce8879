#!/bin/bash
# "salir" and "exit" typed into the window end the real program with status 0,
# the first also from the combination-name prompt.
source "$(dirname "$0")/comun.sh"

for lineas in "salir" "exit" "combo salir"; do
    cp "$fixturas/portico.txt" "$trabajo/modelo.txt"
    arrancar
    for linea in $lineas; do
        escribirLinea "$linea"
    done
    esperarFin
done
