#!/bin/bash
# What a hostile user tries in the real window: the section-name layer on a
# member that no section names says nothing, frame after frame; the wheel
# turned thousands of steps in or out stops where about a hundred steps bring
# the whole model back, also after F5.
source "$(dirname "$0")/comun.sh"

aviso="Definir el nombre de sección"

cp "$fixturas/malos/sinSeccion.txt" "$trabajo/modelo.txt"
arrancar
esperarLinea "Error: la barra 2 no tiene sección; ningún bloque seccionRectangular: ni seccionGenerica: la nombra"
lineas="$(wc -l <salida.txt)"

# The name of member 1 shows; hiding and showing the supports again takes
# frames enough to have flooded the console.
escribirLinea secciones
esperarPantalla textoBarra apoyo
escribirLinea plotApoyos
esperarPantalla textoBarra -- apoyo
escribirLinea plotApoyos
esperarPantalla textoBarra apoyo
hayLineas "$aviso" 0 || fallar "la capa de secciones escribió: $aviso"
[ "$(wc -l <salida.txt)" -eq "$lineas" ] || fallar "la capa de secciones escribió en la consola"
pulsar Escape
esperarFin

# Each turn of the wheel is followed by the switching of a combination,
# which the window handles only after every step of the wheel: the frame
# that shows the switch comes after the last step.
conmutarC2() {
    escribirLinea combo
    escribirLinea C2
}

cp "$fixturas/portico.txt" "$trabajo/modelo.txt"
arrancar
for lejos in 3000 -3000; do
    girarRueda "$lejos"
    conmutarC2
    esperarPantalla comboActivo
    girarRueda $((lejos > 0 ? -102 : 102))
    conmutarC2
    esperarPantalla barraGris apoyo -- comboActivo
done

pulsar F5
esperarLinea "$banner"
conmutarC2
esperarPantalla barraGris apoyo comboActivo

pulsar Escape
esperarFin
