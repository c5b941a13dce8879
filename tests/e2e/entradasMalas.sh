#!/bin/bash
# Broken input files through the real program: each prints its one error
# line, the window opens all the same, Escape ends the program with status 0,
# and no report is written for a model read wrong. A case without a file
# names a model that does not exist.
source "$(dirname "$0")/comun.sh"

casos=(
    "|Error: no se puede abrir el archivo de datos modelo.txt"
    "valorInvalido.txt|Error: el valor e de la etiqueta puntual: no es un número válido"
    "valorFueraDeRango.txt|Error: el valor -1e999 de la etiqueta puntual: no es un número válido"
    "etiquetaAlFinal.txt|Error: falta el valor de la etiqueta precision: al final del archivo"
    "nudoInexistente.txt|Error: la etiqueta puntual: nombra el número de nudo 7, que no está en la tabla nudos:"
    "nudoNegativo.txt|Error: la etiqueta puntual: nombra el número de nudo -2, que no está en la tabla nudos:"
    "barraFueraDelEntero.txt|Error: la etiqueta distribuidaGlobal: nombra el número de barra 2147483648, que no está en la tabla barras:"
    "barraSinNudo.txt|Error: la etiqueta barras: nombra el número de nudo 5, que no está en la tabla nudos:"
    "nudoRepetido.txt|Error: el número de nudo 2 se repite en la tabla nudos:"
    "tablaRepetida.txt|Error: la etiqueta nudos: aparece 2 veces; la tabla se da una sola vez"
    "sinNudos.txt|Error: la tabla nudos: no tiene ningún nudo"
    "puntualCorta.txt|Error: faltan datos en el bloque puntual: P: tiene 2 de sus 3 números fijos"
    "seccionCorta.txt|Error: faltan datos en el bloque seccionGenerica: VIGA: tiene 2 de sus 4 números fijos"
    "distribuidaCorta.txt|Error: faltan datos en el bloque distribuidaLocal: Q: tiene 2 de sus 4 números fijos"
    "articulacionInvalida.txt|Error: códigos de articulación distintos de 0 y 1 en la etiqueta articulacion: 0 2"
    "comboSinPares.txt|Error: el combo VACIO no tiene ningún par de factor y caso de carga"
    "comboRepetido.txt|Error: el nombre de combo C se repite"
    "comboSinCaso.txt|Error: al combo C le falta el caso de carga de su último factor 1.5"
    "comboAlFinal.txt|Error: la etiqueta combo: al final del archivo no tiene nombre"
    "longitudNula.txt|Error: la barra 1 tiene longitud nula (nudos 1 y 2)"
    "pesoPropioRepetido.txt|No usar la etiqueta *pesoPropio:* más de una vez"
)

for caso in "${casos[@]}"; do
    archivo="${caso%%|*}"
    linea="${caso#*|}"
    rm -rf "${trabajo:?}"/*
    if [ -n "$archivo" ]; then
        cp "$fixturas/malos/$archivo" "$trabajo/modelo.txt"
    fi
    arrancar
    esperarLinea "$linea"
    [ "$(contarLineas "$linea")" -eq 1 ] || fallar "$archivo: la línea no aparece una sola vez: $linea"
    pulsar Escape
    esperarFin
    [ ! -e resultados.txt ] || fallar "$archivo: se escribió resultados.txt para un modelo mal leído"
done
