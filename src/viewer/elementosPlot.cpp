// Placeholder: the text panel and the primitives are built here next.
#include "viewer/elementosPlot.h"

void plotDialogo() {}
void drawFlecha(double, double, double, double, double) {}
void drawNumFloat(double, double, double, int, double) {}
void drawNumFloatRight(double, double, double, int, double) {}
void drawNumFloatCenter(double, double, double, int, double) {}
void drawNumSci(double, double, double, int, double) {}
void drawTextoEscalado(double, double, const char*, double) {}
void plotArco(double, double, double, double, double) {}
