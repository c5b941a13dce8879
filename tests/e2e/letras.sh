#!/bin/bash
# Spanish letters through the real program: the combination "AÑO", its Ñ
# typed as the keyboard hands it over, is switched on, listed bright and
# drawn; typed wrong, it is not found.
source "$(dirname "$0")/comun.sh"

# A Spanish layout has Ñ on a key of its own. Without it xdotool would put
# the letter on a spare key for a moment, and a program slow to read the key
# would find it gone.
setxkbmap es
cp "$fixturas/letras.txt" "$trabajo/modelo.txt"
arrancar
esperarLinea "transferencia de combos a barra[i] OK"

escribirLinea combo
xdotool key --delay 20 A Ntilde O Return
escribirLinea plotM
esperarPantalla comboActivo comboInactivo momento

# "AñO" names no combination and leaves "AÑO" on; "AÑO" typed again
# switches it off.
escribirLinea combo
xdotool key --delay 20 A ntilde O Return
escribirLinea combo
xdotool key --delay 20 A Ntilde O Return
esperarPantalla barraGris comboInactivo -- comboActivo momento

pulsar Escape
esperarFin
