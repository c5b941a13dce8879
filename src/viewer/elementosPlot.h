// Drawing of the text panel, the model layers, the result layers and the
// drawing primitives they share. Everything draws in model coordinates in the
// plane z = 0, except the text panel, which draws in eye space.
#ifndef TRELVIK2D_ELEMENTOSPLOT_H
#define TRELVIK2D_ELEMENTOSPLOT_H

// Text panel and primitives (elementosPlot.cpp).
// The length every symbol size derives from: the width of the nodes'
// bounding box, or its height for a model on a vertical line, or one model
// unit for a model at a single point.
double tamanoReferencia();
// How many nodes and members the layers may walk: the counts, never beyond
// the containers.
int nudosDibujables();
int barrasDibujables();
// One GL_LINES segment at z = 0, the layers' common stroke.
void trazarSegmento(double x1, double y1, double x2, double y2);
void plotDialogo();
void drawFlecha(double xCola, double yCola, double xPunta, double yPunta, double e);
void drawNumFloat(double x, double y, double valor, int decimales, double altura);
void drawNumFloatRight(double x, double y, double valor, int decimales, double altura);
void drawNumFloatCenter(double x, double y, double valor, int decimales, double altura);
void drawNumSci(double x, double y, double valor, int decimales, double altura);
void drawTextoEscalado(double x, double y, const char* texto, double altura);
// A prefix followed by a value in fixed notation, as one stroke text.
void escribirRotulo(double x, double y, const char* prefijo, double valor, int decimales, double altura);
void plotArco(double xCentro, double yCentro, double radio, double anguloInicio, double anguloFin);

// Model layers (capasModelo.cpp).
void plotNudos();
void plotTagNudos(double altura);
void plotBarras();
void plotArticulaciones();
void plotTagBarras(double altura);
void plotSecciones(double altura);
void plotApoyos(double tamano);
void plotResortes(double tamano);

// Result, load and reaction layers (capasResultados.cpp).
void plotDeformada(int c, double s);
void plotAxial(int c, double s);
void plotCortante(int c, double s);
void plotMomento(int c, double s);
void plotCarga(int c, double s);
void plotReacciones(int c);

#endif
