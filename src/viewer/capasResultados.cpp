// Placeholder: the result, load and reaction layers are built here next.
#include "viewer/elementosPlot.h"

void plotDeformada(int, double) {}
void plotAxial(int, double) {}
void plotCortante(int, double) {}
void plotMomento(int, double) {}
void plotCarga(int, double) {}
void plotReacciones(int) {}
