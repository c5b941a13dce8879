#!/bin/bash
# The real program on a fixed-base portal with combination C2 (gravity and
# wind) switched on: each result command shows its own layer's colours and
# none of the other result layers.
source "$(dirname "$0")/comun.sh"

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
