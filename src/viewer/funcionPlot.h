// The viewer's window, camera, mouse and keyboard callbacks.
#ifndef TRELVIK2D_FUNCIONPLOT_H
#define TRELVIK2D_FUNCIONPLOT_H

void funcionPlot(int argc, char** argv);
void changeSize(int width, int height);
// The window's 45-degree perspective for its viewport, its near and far
// planes about the given distance ahead of the eye; selects the model-view
// matrix again.
void ponerPerspectiva(double profundidad);
void funcionFronteraGraf();
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
