// A real freeglut window for the drawing tests: it frames a box with the
// viewer's own camera, and reads the back buffer back so tests can look at
// pixels.
#ifndef TRELVIK2D_VENTANAPRUEBA_H
#define TRELVIK2D_VENTANAPRUEBA_H

#include <vector>

#include "viewer/colores.h"

// An 8-bit RGB pixel, as the framebuffer stores it.
class Color {
public:
    int r = 0;
    int g = 0;
    int b = 0;
};

// The pixel that the colour leaves in the framebuffer.
Color colorDe(const ColorRGB& color);
bool mismoColor(Color a, Color b);

// Window position in pixels, y growing upwards as glReadPixels counts it.
class PuntoVentana {
public:
    double x = 0.0;
    double y = 0.0;
};

// The pixel column or row that a window coordinate falls in.
int pixelDe(double v);

// The pixels found of one colour: how many and their enclosing rectangle.
class Caja {
public:
    int cantidad = 0;
    int xMinimo = 0;
    int xMaximo = -1;
    int yMinimo = 0;
    int yMaximo = -1;
};

class Imagen {
public:
    int ancho = 0;
    int alto = 0;
    std::vector<unsigned char> rgb;

    Color pixel(int x, int y) const;
    // Pixels of colour c in the rectangle [x0, x1] x [y0, y1], clipped.
    Caja buscar(Color c, int x0, int y0, int x1, int y1) const;
    Caja buscarTodo(Color c) const;
    bool hayCerca(Color c, PuntoVentana p, int radio) const;
};

// Opens the viewer's window once; later calls reuse it.
void abrirVentanaPrueba();
// Sets the nodes' bounding box and frames it as the viewer's first frame does.
void encuadrar(double xMinimo, double xMaximo, double yMinimo, double yMaximo);
// The viewer's first frame of the model: the nodes' bounding box with the
// origin, the projection and the camera.
void encuadrarModelo();
// Starts a frame as the viewer draws it: the window's projection, the
// buffers cleared and the current camera.
void empezarCuadro();
// Where the model point (x, y, 0) falls under the current model-view matrix.
PuntoVentana proyectar(double x, double y);
// Model units per pixel at the plane z = 0 under the current camera.
double unidadesPorPixel();
Imagen leerImagen();
// Turns the wheel by this many steps, forward (zoom in) when positive, each
// a press and a release as freeglut reports them.
void pasosDeRueda(int pasos);
// One character cell of the stroke font, in model units, for text height h.
double anchoCaracter(double altura);

#endif
