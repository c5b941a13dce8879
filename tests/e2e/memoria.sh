#!/bin/bash
# The real program under valgrind's memcheck on the portal frame of the
# examples: read, solve, report, and the viewer drawing every result layer of
# a combination, ended with Escape. No invalid read or write, no use of an
# undefined value, and no definite leak whose allocation the graphics stack
# did not make itself.
source "$(dirname "$0")/comun.sh"

# valgrind reports on the program's standard error, so its findings stand in
# the console output that a failure shows. It slows every frame down.
lanzador=(valgrind --leak-check=full --errors-for-leak-kinds=definite
          --show-leak-kinds=definite --keep-debuginfo=yes
          --suppressions="$fixturas/sistema.supp" --error-exitcode=99)
plazo=200

cp "$fixturas/../../examples/portico.txt" "$trabajo/modelo.txt"
arrancar
esperarLinea "transferencia de combos a barra[i] OK"
escribirLinea combo
escribirLinea VIENTO
# Each layer is drawn before the next command.
for capa in plotDef:deformada plotN:axial plotV:cortante plotM:momento plotCarga:cargaBarra plotR:reaccion; do
    escribirLinea "${capa%%:*}"
    esperarPantalla "${capa#*:}"
done
pulsar Escape
esperarFin
[ -s resultados.txt ] || fallar "no se escribió resultados.txt"
grep -q "ERROR SUMMARY: 0 errors" salida.txt || fallar "valgrind no da 0 errores"
