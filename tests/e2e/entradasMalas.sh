#!/bin/bash
# Faulty input files through the real program. A broken file, or a sound one
# that the start-up leaves unanalysed, prints its one line and nothing more
# about the file, the window opens all the same, Escape ends the program with
# status 0, and no report is written. A file with a warning prints it and is
# analysed. A case without a file names a model that does not exist.
source "$(dirname "$0")/comun.sh"

malos=(
    "|Error: no se puede abrir el archivo de datos modelo.txt"
    "valorInvalido.txt|Error: el valor e de la etiqueta puntual: no es un número válido"
    "valorFueraDeRango.txt|Error: el valor -1e999 de la etiqueta puntual: está fuera del rango de los números reales"
    "nudoFueraDeRango.txt|Error: el valor 1e400 de la etiqueta nudos: está fuera del rango de los números reales"
    "precisionFueraDeRango.txt|Error: el valor 99999999999 de la etiqueta precision: está fuera del rango de los números enteros"
    "tablaConNan.txt|Faltan datos para completar la matriz nudos: la lectura se detuvo en el valor nan"
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
    "sinSeccion.txt|Error: la barra 2 no tiene sección; ningún bloque seccionRectangular: ni seccionGenerica: la nombra"
    "moduloNulo.txt|Error: el valor 0 de E del bloque seccionRectangular: VIGA no es mayor que 0"
    "inerciaNegativa.txt|Error: el valor -0.003125 de I del bloque seccionGenerica: VIGA es negativo"
    "resorteNegativo.txt|Error: el valor -500 de la rigidez en Y del bloque resorte: es negativo (nudo 3)"
    "direccionNula.txt|Error: la dirección (dx, dy) del bloque distribuidaGlobal: Q es nula (barra 2)"
    "comboSinPares.txt|Error: el combo VACIO no tiene ningún par de factor y caso de carga"
    "comboRepetido.txt|Error: el nombre de combo C se repite"
    "comboSinCaso.txt|Error: al combo C le falta el caso de carga de su último factor 1.5"
    "comboAlFinal.txt|Error: la etiqueta combo: al final del archivo no tiene nombre"
    "nombreConEscape.txt|Error: el combo \\x1b[2J\\x1b[31m no tiene ningún par de factor y caso de carga"
    "longitudNula.txt|Error: la barra 1 tiene longitud nula (nudos 1 y 2)"
    "nudosCasiCoincidentes.txt|Error: la barra 1 tiene longitud nula (nudos 1 y 2)"
    "pesoPropioRepetido.txt|No usar la etiqueta *pesoPropio:* más de una vez"
    "sinBarras.txt|El modelo no tiene barras; no se analiza"
    "sinCombos.txt|El modelo no tiene combos; no se analiza"
)

# A file with a byte order mark has no line of its own: its first tag is read.
avisos=(
    "etiquetaAjena.txt|Advertencia: la etiqueta resortes: no es del formato y se ignora"
    "comboSinCargas.txt|Advertencia: el combo D nombra el caso de carga p, que ninguna carga usa"
    "marcaDeOrden.txt|"
)

# The console lines about the file: neither progress lines nor the warnings
# of absent display tags.
lineasDeFalla() {
    grep -v -E '^(lectura de |punteros de nudos internos OK|puntero de barras internas OK|transferencia de |Lectura de pesoPropio|No se calculará el peso propio|Advertencia: no se encontró ningún )' salida.txt || true
}

# Runs the program on the case's file and checks that the line is the only
# one about the file; the window is then closed with Escape.
probar() {
    local archivo="$1" linea="$2"
    rm -rf "${trabajo:?}"/*
    if [ -n "$archivo" ]; then
        cp "$fixturas/malos/$archivo" "$trabajo/modelo.txt"
    fi
    arrancar
    # A case without a line of its own shows its first tag read.
    esperarLinea "${linea:-lectura de nudos OK Num Nudos = 3}"
    pulsar Escape
    esperarFin
    [ "$(lineasDeFalla)" = "$linea" ] || fallar "$archivo: se esperaba solo la línea: $linea"
    ! grep -q $'\e' salida.txt || fallar "$archivo: la consola recibió un byte de escape"
}

for caso in "${malos[@]}"; do
    archivo="${caso%%|*}"
    probar "$archivo" "${caso#*|}"
    [ ! -e resultados.txt ] || fallar "$archivo: se escribió resultados.txt para un modelo que no se analizó"
done

for caso in "${avisos[@]}"; do
    archivo="${caso%%|*}"
    probar "$archivo" "${caso#*|}"
    [ -e resultados.txt ] || fallar "$archivo: no se analizó un modelo con solo una advertencia"
done
