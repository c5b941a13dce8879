// Writes the text report "resultados.txt" of the analysed model in the
// working directory; writes nothing, and leaves an older report as it was,
// while no analysis of the current model holds. A report that cannot be
// written whole, or an older one that the user may not write, leaves the
// older one as it was and is announced by one console line; a signal that
// ends the program meanwhile leaves no part of the new one behind.
#ifndef TRELVIK2D_FUNCIONIMPRIMIRRESULTADOS_H
#define TRELVIK2D_FUNCIONIMPRIMIRRESULTADOS_H

void funcionImprimirResultados();

#endif
