// Writes the text report "resultados.txt" of the analysed model.
#ifndef TRELVIK2D_FUNCIONIMPRIMIRRESULTADOS_H
#define TRELVIK2D_FUNCIONIMPRIMIRRESULTADOS_H

void funcionImprimirResultados();

#endif
