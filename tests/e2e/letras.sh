#!/bin/bash
# Spanish letters through the real program: the combination "AÑO", its Ñ
# typed as the keyboard hands it over, is switched on, listed bright and
# drawn; typed wrong, it is not found.
source "$(dirname "$0")/comun.sh"

cp "$fixturas/letras.txt" "$trabajo/modelo.txt"
arrancar
esperarLinea "transferencia de combos a barra[i] OK"

# xdotool puts a letter that the server's keymap lacks on a spare key whose
# unshifted level gives the small letter: the capital needs Shift.
escribirLinea combo
xdotool key --delay 20 A shift+Ntilde O Return
escribirLinea plotM
esperarPantalla comboActivo comboInactivo momento

# "AñO" names no combination: "AÑO" stays the only one shown bright, and
# "AÑO" typed again switches it off.
escribirLinea combo
xdotool key --delay 20 A Ntilde O Return
escribirLinea combo
xdotool key --delay 20 A shift+Ntilde O Return
esperarPantalla barraGris comboInactivo -- comboActivo momento

pulsar Escape
esperarFin
