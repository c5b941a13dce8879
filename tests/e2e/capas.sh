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
soloSeVen

escribirLinea plotDef
soloSeVen deformada

escribirLinea plotN
soloSeVen axial

escribirLinea plotV
soloSeVen cortante

escribirLinea plotM
soloSeVen momento

escribirLinea plotCarga
soloSeVen cargaNudo cargaBarra

escribirLinea plotR
soloSeVen reaccion

# The same command again hides its layer.
escribirLinea plotR
soloSeVen

pulsar Escape
esperarFin
