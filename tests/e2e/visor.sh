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
    for _ in $(seq 100); do
        trasUltimoReinicio "$1" && return 0
        sleep 0.1
    done
    fallar "tras el reinicio falta la línea: $1"
}

cp "$fixturas/portico.txt" "$trabajo/modelo.txt"
arrancar

esperarLinea "lectura de nudos OK Num Nudos = 4"
esperarLinea "lectura de barras OK Num Barras = 3"
esperarLinea "transferencia de combos a barra[i] OK"

capturar
hayColor "las barras" "${barraGris[@]}"
hayColor "los apoyos" "${apoyo[@]}"
hayColor "los nombres de combos inactivos" "${comboInactivo[@]}"
noHayColor "un combo activo" "${comboActivo[@]}"

escribirLinea plotApoyos
capturar
noHayColor "los apoyos ocultos" "${apoyo[@]}"

escribirLinea combo
escribirLinea C2
escribirLinea plotM
capturar
hayColor "el combo C2 activo" "${comboActivo[@]}"
hayColor "el combo C1 inactivo" "${comboInactivo[@]}"
hayColor "el diagrama de momentos" "${momento[@]}"

# An edit and F5: the new model, with the switches kept by index.
cp "$fixturas/porticoEditado.txt" modelo.txt
pulsar F5
esperarLinea "$banner"
esperarTrasReinicio "lectura de nudos OK Num Nudos = 5"
esperarTrasReinicio "lectura de barras OK Num Barras = 4"
capturar
hayColor "el combo C9 activo" "${comboActivo[@]}"
hayColor "el diagrama de momentos del modelo nuevo" "${momento[@]}"

# A broken edit: the program goes on, shows what was read and no results.
cp "$fixturas/porticoRoto.txt" modelo.txt
pulsar F5
[ "$(contarLineas "$banner")" -eq 2 ] || fallar "falta el segundo aviso de reinicio"
esperarTrasReinicio "lectura de nudos OK Num Nudos = 4"
kill -0 "$pid" 2>/dev/null || fallar "el programa terminó al leer un archivo con errores"
capturar
noHayColor "un diagrama de un modelo mal leído" "${momento[@]}"

# The repair shows the results again.
cp "$fixturas/portico.txt" modelo.txt
pulsar F5
[ "$(contarLineas "$banner")" -eq 3 ] || fallar "falta el tercer aviso de reinicio"
esperarTrasReinicio "lectura de barras OK Num Barras = 3"
capturar
hayColor "el diagrama de momentos tras reparar" "${momento[@]}"
hayColor "el combo C2 activo tras reparar" "${comboActivo[@]}"

pulsar Escape
esperarFin
