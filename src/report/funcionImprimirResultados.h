// Writes the text report "resultados.txt" of the analysed model in the
// working directory; writes nothing, and leaves an older report as it was,
// while no analysis of the current model holds. A report that cannot be
// written whole leaves the older one as it was and is announced by one
// console line.
#ifndef TRELVIK2D_FUNCIONIMPRIMIRRESULTADOS_H
#define TRELVIK2D_FUNCIONIMPRIMIRRESULTADOS_H

void funcionImprimirResultados();

#endif
