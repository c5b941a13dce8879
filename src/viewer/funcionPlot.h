// The viewer's window, camera, mouse and keyboard callbacks.
#ifndef TRELVIK2D_FUNCIONPLOT_H
#define TRELVIK2D_FUNCIONPLOT_H

// The window as it opens: its place on the screen and its size, in pixels.
const char* const tituloVentana = "KORVELAN";
const int xVentana = 100;
const int yVentana = 100;
const int anchoVentana = 1000;
const int altoVentana = 800;

// The key codes that teclado acts on besides "+" and "-".
const unsigned char teclaEsc = 27;
const unsigned char teclaEnter = 13;
const unsigned char teclaRetroceso = 8;

// freeglut reports each step of the wheel as a press and a release of one of
// these buttons.
const int botonRuedaAdelante = 3;
const int botonRuedaAtras = 4;

void funcionPlot(int argc, char** argv);
void changeSize(int width, int height);
// The window's 45-degree perspective for its viewport, its near and far
// planes about the given distance ahead of the eye; selects the model-view
// matrix again.
void ponerPerspectiva(double profundidad);
void funcionFronteraGraf();
// Centres the camera on the box xMin to xMax, yMin to yMax and raises it until
// the box's larger extent, plus a margin, fills the view; a box without
// extent is framed as if it were one unit wide, so the eye never sits on the
// target.
void encuadrarCaja();
// The height at which the box's larger extent, plus the margin, fills the
// view: the camera's first height, about which its zoom is bounded.
double distanciaDeEncuadre();
// The projection and the model-view matrix of the camera, which looks
// straight down at the model plane.
void ponerCamara();
// The text panel under the projection of its own depth; the camera is to be
// set again after it.
void dibujarPanel();
void draw();
void mouseButton(int button, int state, int x, int y);
void mouseMove(int x, int y);
void zoomIn();
void zoomOut();
void teclado(unsigned char key, int x, int y);
void tecladoEspecial(int key, int x, int y);

// Reads the modifier keys held with the key being handled; glutGetModifiers
// unless replaced, which lets the console be driven outside freeglut's
// input callbacks.
extern int (*leerModificadores)();

#endif
