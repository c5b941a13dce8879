#!/bin/bash
# The real program on a small portal frame: start-up lines, layers and
# combinations switched by typed commands as they show on the screen, F5
# after an edit, after a broken edit and after its repair, and Esc.
source "$(dirname "$0")/comun.sh"

# True when a line equal to the text follows the last reload banner.
trasUltimoReinicio() {
    awk -v b="$banner" -v t="$1" '$0 == b { visto = 0; tras = 1 } tras && $0 == t { visto = 1 }
        END { exit !visto }' salida.txt
}

esperarTrasReinicio() {
    intentarHasta trasUltimoReinicio "$1" || fallar "tras el reinicio falta la línea: $1"
}

# The n-th reload banner.
esperarReinicio() {
    intentarHasta hayLineas "$banner" "$1" || fallar "falta el aviso de reinicio número $1"
}

# The list of combinations, bright where it names the active one, shows
# other ink than it did, with the moment diagram.
comboActivoCambia() {
    pantallaMuestra comboActivo momento && [ "$(contarColor "${comboActivo[@]}")" -ne "$tintaAnterior" ]
}

cp "$fixturas/portico.txt" "$trabajo/modelo.txt"
arrancar

esperarLinea "lectura de nudos OK Num Nudos = 4"
esperarLinea "lectura de barras OK Num Barras = 3"
esperarLinea "transferencia de combos a barra[i] OK"

esperarPantalla barraGris apoyo comboInactivo -- comboActivo

# The members show that the window still draws; the supports go.
escribirLinea plotApoyos
esperarPantalla barraGris -- apoyo

escribirLinea combo
escribirLinea C2
escribirLinea plotM
esperarPantalla comboActivo comboInactivo momento
tintaAnterior="$(contarColor "${comboActivo[@]}")"

# An edit and F5: the new model, with the switches kept by index; the active
# name reads C9 where it read C2.
cp "$fixturas/porticoEditado.txt" modelo.txt
pulsar F5
esperarReinicio 1
esperarTrasReinicio "lectura de nudos OK Num Nudos = 5"
esperarTrasReinicio "lectura de barras OK Num Barras = 4"
intentarHasta comboActivoCambia ||
    fallar "el combo C9 activo y el diagrama de momentos del modelo nuevo no se ven:$faltas"

# A broken edit: the program goes on, shows what was read and no results.
cp "$fixturas/porticoRoto.txt" modelo.txt
pulsar F5
esperarReinicio 2
esperarTrasReinicio "lectura de nudos OK Num Nudos = 4"
esperarPantalla barraGris comboActivo -- momento
kill -0 "$pid" 2>/dev/null || fallar "el programa terminó al leer un archivo con errores"

# The repair shows the results again.
cp "$fixturas/portico.txt" modelo.txt
pulsar F5
esperarReinicio 3
esperarTrasReinicio "lectura de barras OK Num Barras = 3"
esperarPantalla momento comboActivo

pulsar Escape
esperarFin
