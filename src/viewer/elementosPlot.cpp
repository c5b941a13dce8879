// Text panel and the drawing primitives every layer shares.
#include "viewer/elementosPlot.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

#include <GL/freeglut.h>

#include "globales.h"
#include "viewer/glifos.h"
#include "viewer/interruptores.h"

namespace {

// The Roman stroke font is 152.38 units tall and every character of its
// monospaced face advances 104.76 units.
const double factorAltura = 0.006562541015881349;
const double avanceCaracter = 104.76;

// Divisors of the reference length for the sizes derived from it.
const double divisorRadioNudo = 400.0;
const double divisorRadioMarca = 200.0;
const double divisorCabezaFlecha = 75.0;
const double divisorSimbolo = 50.0;

// Slices and stacks of a sphere.
const int facetasEsfera = 12;

// Segments of an arc, whatever its angle.
const int segmentosArco = 10;

// Labels are formatted into buffers of these sizes: a format such as %.3f,
// and the text, cut to 99 characters.
const int largoFormato = 20;
const int largoTexto = 100;
using Texto = char[largoTexto];

// The stroke font has glyphs for ASCII only.
void trazarCaracteres(const char* texto)
{
    paraCadaGlifo(texto, finFuenteTrazos,
                  [](unsigned char c) { glutStrokeCharacter(GLUT_STROKE_MONO_ROMAN, c); });
}

// Stroke text whose origin is (x, y) moved left by the given number of
// character advances, so one routine serves left, right and centre.
void trazarTexto(double x, double y, const char* texto, double altura, double avancesAtras)
{
    const double k = factorAltura * altura;
    glPushMatrix();
    glTranslatef(simple(x), simple(y), 0.0f);
    glScalef(simple(k), simple(k), simple(k));
    glTranslatef(simple(-avanceCaracter * avancesAtras), 0.0f, 0.0f);
    trazarCaracteres(texto);
    glPopMatrix();
}

// A value that rounds to zero at the decimals shown reads 0.000, not
// -0.000: the sign goes when no digit of the number (before any exponent)
// is other than 0.
void quitarSignoDeCero(Texto& texto)
{
    if (texto[0] != '-') {
        return;
    }
    for (const char* p = texto + 1; *p != '\0' && *p != 'e'; ++p) {
        if (*p != '0' && *p != '.') {
            return;
        }
    }
    std::memmove(texto, texto + 1, std::strlen(texto));
}

// Labels are redrawn every frame: the text is formatted into two fixed
// stack buffers, so drawing a number never allocates. A negative number of
// decimals counts as none; more than the 99 characters of the text can show
// count as 99, since formatting millions of them would stall every frame.
void formatearNumero(Texto& texto, double valor, int decimales, char conversion)
{
    const int maximo = static_cast<int>(sizeof texto) - 1;
    char formato[largoFormato];
    std::snprintf(formato, sizeof formato, "%%.%d%c", std::clamp(decimales, 0, maximo), conversion);
    std::snprintf(texto, sizeof texto, formato, valor);
    quitarSignoDeCero(texto);
}

void trazarNumero(double x, double y, double valor, int decimales, double altura, char conversion,
                  double fraccionAncho)
{
    Texto texto;
    formatearNumero(texto, valor, decimales, conversion);
    const double ancho = static_cast<double>(std::strlen(texto));
    trazarTexto(x, y, texto, altura, fraccionAncho * ancho);
}

void escribirBitmap(double x, double y, const std::string& texto)
{
    glRasterPos3f(simple(x), simple(y), 0.0f);
    const std::string codigos = textoParaFuente(texto, finFuenteBitmap);
    glutBitmapString(GLUT_BITMAP_HELVETICA_12, reinterpret_cast<const unsigned char*>(codigos.c_str()));
}

}  // namespace

double tamanoReferencia()
{
    const double ancho = xMax - xMin;
    if (ancho > 0.0) {
        return ancho;
    }
    const double alto = yMax - yMin;
    return alto > 0.0 ? alto : 1.0;
}

double radioNudo() { return tamanoReferencia() / divisorRadioNudo; }

double radioMarca() { return tamanoReferencia() / divisorRadioMarca; }

double cabezaFlecha() { return tamanoReferencia() / divisorCabezaFlecha; }

double tamanoSimboloAutomatico() { return tamanoReferencia() / divisorSimbolo; }

void ponerColor(const ColorRGB& color) { glColor3f(color.r, color.g, color.b); }

void dibujarEsfera(double radio) { glutSolidSphere(radio, facetasEsfera, facetasEsfera); }

double yFilaCombo(int i) { return yTituloCombos - (i + 1) * pasoListaCombos; }

double enGrados(double radianes) { return radianes * 180.0 / PI; }

double enRadianes(double grados) { return grados * PI / 180.0; }

int nudosDibujables() { return std::min(noNudos, static_cast<int>(nudo.size())); }

int barrasDibujables() { return std::min(noBarras, static_cast<int>(barra.size())); }

void trazarSegmento(double x1, double y1, double x2, double y2)
{
    glBegin(GL_LINES);
    glVertex2f(simple(x1), simple(y1));
    glVertex2f(simple(x2), simple(y2));
    glEnd();
}

void plotDialogo()
{
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -profundidadPanel);

    // The raster position takes the current colour, so colour comes first.
    ponerColor(colorPanel);
    escribirBitmap(xPrompt, yPrompt, dialogo + "\n/>" + comando);

    ponerColor(colorPanel);
    escribirBitmap(xTituloCombos, yTituloCombos, "COMBOS ACTIVADOS:");

    const int n = nudo.empty() ? 0 : nudo[0].getCantidadDeCombos();
    for (int i = 0; i < n; ++i) {
        ponerColor(comboActivo(i) ? colorComboActivo : colorComboInactivo);
        escribirBitmap(xListaCombos, yFilaCombo(i), nudo[0].getNombreCombo(i));
    }
    glPopMatrix();
}

void drawFlecha(double xCola, double yCola, double xPunta, double yPunta, double e)
{
    const double L = std::pow(std::pow(xCola - xPunta, 2) + std::pow(yCola - yPunta, 2), 0.5);
    if (!(L > 0.0)) {
        return;  // no direction to point along
    }
    // Rounding can push the cosine a hair beyond 1.
    double a = std::acos(std::clamp((xPunta - xCola) / L, -1.0, 1.0));
    if (yPunta - yCola < 0.0) {
        a = -a;
    }
    trazarSegmento(xCola, yCola, xPunta, yPunta);
    glPushMatrix();
    glTranslatef(simple(xPunta), simple(yPunta), 0.0f);
    glRotatef(simple(enGrados(a)), 0.0f, 0.0f, 1.0f);
    trazarSegmento(0.0, 0.0, -e, e / 3.0);
    trazarSegmento(0.0, 0.0, -e, -e / 3.0);
    glPopMatrix();
}

void drawNumFloat(double x, double y, double valor, int decimales, double altura)
{
    trazarNumero(x, y, valor, decimales, altura, 'f', 0.0);
}

void drawNumFloatRight(double x, double y, double valor, int decimales, double altura)
{
    trazarNumero(x, y, valor, decimales, altura, 'f', 1.0);
}

void drawNumFloatCenter(double x, double y, double valor, int decimales, double altura)
{
    trazarNumero(x, y, valor, decimales, altura, 'f', 0.5);
}

void drawNumSci(double x, double y, double valor, int decimales, double altura)
{
    trazarNumero(x, y, valor, decimales, altura, 'e', 0.0);
}

void drawTextoEscalado(double x, double y, const char* texto, double altura)
{
    trazarTexto(x, y, texto, altura, 0.0);
}

void escribirRotulo(double x, double y, const char* prefijo, double valor, int decimales, double altura)
{
    Texto numero;
    formatearNumero(numero, valor, decimales, 'f');
    Texto texto;
    std::snprintf(texto, sizeof texto, "%s%s", prefijo, numero);
    drawTextoEscalado(x, y, texto, altura);
}

void plotArco(double xCentro, double yCentro, double radio, double anguloInicio, double anguloFin)
{
    const double inicio = enRadianes(anguloInicio);
    const double paso = enRadianes(anguloFin - anguloInicio) / segmentosArco;
    glBegin(GL_LINE_STRIP);
    for (int i = 0; i <= segmentosArco; ++i) {
        const double angulo = i * paso + inicio;
        glVertex3f(simple(xCentro + radio * std::cos(angulo)), simple(yCentro + radio * std::sin(angulo)),
                   0.0f);
    }
    glEnd();
}
