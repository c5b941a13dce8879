// Placeholder: the model layers are built here next.
#include "viewer/elementosPlot.h"

void plotNudos() {}
void plotTagNudos(double) {}
void plotBarras() {}
void plotArticulaciones() {}
void plotTagBarras(double) {}
void plotSecciones(double) {}
void plotApoyos(double) {}
void plotResortes(double) {}
