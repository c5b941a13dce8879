#include "ventanaPrueba.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <GL/freeglut.h>

#include "globales.h"
#include "viewer/funcionPlot.h"

Color colorDe(const ColorRGB& color)
{
    auto canal = [](float v) { return static_cast<int>(std::lround(v * 255.0f)); };
    return Color{canal(color.r), canal(color.g), canal(color.b)};
}

// Rounding of the float-to-byte conversion may differ by one step.
bool mismoColor(Color a, Color b)
{
    return std::abs(a.r - b.r) <= 1 && std::abs(a.g - b.g) <= 1 && std::abs(a.b - b.b) <= 1;
}

int pixelDe(double v) { return static_cast<int>(std::lround(v)); }

Color Imagen::pixel(int x, int y) const
{
    const size_t i = 3 * (static_cast<size_t>(y) * static_cast<size_t>(ancho) + static_cast<size_t>(x));
    return Color{rgb[i], rgb[i + 1], rgb[i + 2]};
}

Caja Imagen::buscar(Color c, int x0, int y0, int x1, int y1) const
{
    Caja caja;
    for (int y = std::max(y0, 0); y <= std::min(y1, alto - 1); ++y) {
        for (int x = std::max(x0, 0); x <= std::min(x1, ancho - 1); ++x) {
            if (!mismoColor(pixel(x, y), c)) {
                continue;
            }
            if (caja.cantidad == 0) {
                caja = Caja{0, x, x, y, y};
            }
            ++caja.cantidad;
            caja.xMinimo = std::min(caja.xMinimo, x);
            caja.xMaximo = std::max(caja.xMaximo, x);
            caja.yMinimo = std::min(caja.yMinimo, y);
            caja.yMaximo = std::max(caja.yMaximo, y);
        }
    }
    return caja;
}

Caja Imagen::buscarTodo(Color c) const { return buscar(c, 0, 0, ancho - 1, alto - 1); }

bool Imagen::hayCerca(Color c, PuntoVentana p, int radio) const
{
    const int x = pixelDe(p.x);
    const int y = pixelDe(p.y);
    return buscar(c, x - radio, y - radio, x + radio, y + radio).cantidad > 0;
}

namespace {

void sinDibujo() {}

}  // namespace

void abrirVentanaPrueba()
{
    static bool abierta = false;
    if (abierta) {
        return;
    }
    static int argc = 1;
    static char nombre[] = "prueba";
    static char* argv[] = {nombre, nullptr};
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowPosition(xVentana, yVentana);
    glutInitWindowSize(anchoVentana, altoVentana);
    glutCreateWindow(tituloVentana);
    glutDisplayFunc(sinDibujo);
    for (int i = 0; i < 10; ++i) {
        glutMainLoopEvent();
    }
    abierta = true;
}

void encuadrar(double xMinimo, double xMaximo, double yMinimo, double yMaximo)
{
    xMin = xMinimo;
    xMax = xMaximo;
    yMin = yMinimo;
    yMax = yMaximo;
    encuadrarCaja();
    empezarCuadro();
}

void encuadrarModelo()
{
    funcionFronteraGraf();
    empezarCuadro();
}

void empezarCuadro()
{
    abrirVentanaPrueba();
    changeSize(glutGet(GLUT_WINDOW_WIDTH), glutGet(GLUT_WINDOW_HEIGHT));
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    ponerCamara();
}

PuntoVentana proyectar(double x, double y)
{
    GLdouble modelo[16];
    GLdouble proyeccion[16];
    GLint vista[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelo);
    glGetDoublev(GL_PROJECTION_MATRIX, proyeccion);
    glGetIntegerv(GL_VIEWPORT, vista);
    GLdouble px = 0.0;
    GLdouble py = 0.0;
    GLdouble pz = 0.0;
    gluProject(x, y, 0.0, modelo, proyeccion, vista, &px, &py, &pz);
    return PuntoVentana{px, py};
}

double unidadesPorPixel()
{
    const PuntoVentana a = proyectar(0.0, 0.0);
    const PuntoVentana b = proyectar(1.0, 0.0);
    return 1.0 / std::abs(b.x - a.x);
}

Imagen leerImagen()
{
    glFinish();
    Imagen imagen;
    imagen.ancho = glutGet(GLUT_WINDOW_WIDTH);
    imagen.alto = glutGet(GLUT_WINDOW_HEIGHT);
    imagen.rgb.assign(3 * static_cast<size_t>(imagen.ancho) * static_cast<size_t>(imagen.alto), 0);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, imagen.ancho, imagen.alto, GL_RGB, GL_UNSIGNED_BYTE, imagen.rgb.data());
    return imagen;
}

void pasosDeRueda(int pasos)
{
    const int boton = pasos > 0 ? botonRuedaAdelante : botonRuedaAtras;
    for (int i = 0; i < std::abs(pasos); ++i) {
        mouseButton(boton, GLUT_DOWN, 0, 0);
        mouseButton(boton, GLUT_UP, 0, 0);
    }
}

double anchoCaracter(double altura) { return 104.76 * altura / 152.38; }
