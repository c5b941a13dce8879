// Drawing of the text panel, the model layers, the result layers and the
// drawing primitives they share. Everything draws in model coordinates in the
// plane z = 0, except the text panel, which draws in eye space.
#ifndef TRELVIK2D_ELEMENTOSPLOT_H
#define TRELVIK2D_ELEMENTOSPLOT_H

#include "viewer/colores.h"

// The text panel stands in eye space this far ahead of the eye, whatever the
// camera; its anchors are eye-space positions at that depth: the prompt at
// the lower left, the list of combinations under its title at the upper
// right, one row a step below the other.
const float profundidadPanel = 2.41f;
const double xPrompt = -0.98;
const double yPrompt = -0.92;
const double xTituloCombos = 0.8;
const double yTituloCombos = 0.95;
const double xListaCombos = 0.85;
const double pasoListaCombos = 0.04;

// OpenGL takes floats; the model holds doubles.
inline float simple(double v) { return static_cast<float>(v); }

// Text panel and primitives (elementosPlot.cpp).
void ponerColor(const ColorRGB& color);
// The height in the panel of row i of the list of combinations.
double yFilaCombo(int i);
// The length every symbol size derives from: the width of the nodes'
// bounding box, or its height for a model on a vertical line, or one model
// unit for a model at a single point.
double tamanoReferencia();
// The sizes derived from it.
double radioNudo();
// The offset of labels from their anchor, the radius of hinge circles and of
// displaced nodes.
double radioMarca();
double cabezaFlecha();
// Supports and springs, unless a size is given.
double tamanoSimboloAutomatico();
// A solid sphere about the origin of the current frame.
void dibujarEsfera(double radio);
// How many nodes and members the layers may walk: the counts, never beyond
// the containers.
int nudosDibujables();
int barrasDibujables();
// Angles: the model's are in radians, OpenGL's and the arcs' in degrees.
double enGrados(double radianes);
double enRadianes(double grados);
// One GL_LINES segment at z = 0, the layers' common stroke.
void trazarSegmento(double x1, double y1, double x2, double y2);
// The text panel, drawn in eye space under the projection of its depth,
// which the caller sets; the model-view matrix is left as it was.
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
