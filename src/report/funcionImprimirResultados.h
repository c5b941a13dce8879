// Writes the text report "resultados.txt" of the analysed model; writes
// nothing while no analysis of the current model holds.
#ifndef TRELVIK2D_FUNCIONIMPRIMIRRESULTADOS_H
#define TRELVIK2D_FUNCIONIMPRIMIRRESULTADOS_H

void funcionImprimirResultados();

#endif
