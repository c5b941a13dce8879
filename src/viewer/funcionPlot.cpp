// Placeholder: the window and the console are built here next.
#include "viewer/funcionPlot.h"

void funcionPlot(int, char**) {}
void changeSize(int, int) {}
void funcionFronteraGraf() {}
void draw() {}
void mouseButton(int, int, int, int) {}
void mouseMove(int, int) {}
void zoomIn() {}
void zoomOut() {}
void teclado(unsigned char, int, int) {}
void tecladoEspecial(int, int, int) {}
