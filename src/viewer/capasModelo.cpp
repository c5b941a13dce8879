// Model layers: nodes, members, hinges, labels, supports and springs.
#include <GL/freeglut.h>

#include "globales.h"
#include "viewer/elementosPlot.h"

namespace {

// A hinge is marked 3 % of the member's length in from its node: these
// fractions of the way from the start node to the end node.
const double fraccionArticulacionInicio = 0.03;
const double fraccionArticulacionFin = 0.97;

class Segmento {
public:
    double x1, y1, x2, y2;
};

template <size_t N>
void trazarSegmentos(const Segmento (&segmentos)[N])
{
    for (const Segmento& s : segmentos) {
        trazarSegmento(s.x1, s.y1, s.x2, s.y2);
    }
}

// Supports and springs are drawn in a unit frame at the node, scaled to the
// symbol size and, for the symbols that act along y or x, turned a quarter.
template <typename Dibujo>
void enMarcoUnidad(double x, double y, double tamano, bool girado, Dibujo dibujo)
{
    glPushMatrix();
    glTranslatef(simple(x), simple(y), 0.0f);
    glScalef(simple(tamano), simple(tamano), 0.0f);
    if (girado) {
        glRotatef(90.0f, 0.0f, 0.0f, 1.0f);
    }
    dibujo();
    glPopMatrix();
}

double tamanoSimbolo(double tamano) { return tamano == 0.0 ? tamanoSimboloAutomatico() : tamano; }

enum class TipoApoyo { ninguno, empotrado, articulado, rodilloY, rodilloX };

// Only these exact code patterns have a symbol.
TipoApoyo tipoApoyo(const Eigen::Vector3i& codigos)
{
    if (codigos == Eigen::Vector3i(1, 1, 1)) {
        return TipoApoyo::empotrado;
    }
    if (codigos == Eigen::Vector3i(1, 1, 0)) {
        return TipoApoyo::articulado;
    }
    if (codigos == Eigen::Vector3i(0, 1, 0)) {
        return TipoApoyo::rodilloY;
    }
    if (codigos == Eigen::Vector3i(1, 0, 0)) {
        return TipoApoyo::rodilloX;
    }
    return TipoApoyo::ninguno;
}

void dibujarApoyo(TipoApoyo tipo)
{
    static const Segmento rayado[] = {{-1.0, -0.6, -0.67, 0.0},
                                      {-0.67, -0.6, -0.33, 0.0},
                                      {-0.33, -0.6, 0.0, 0.0},
                                      {0.0, -0.6, 0.33, 0.0},
                                      {0.33, -0.6, 0.67, 0.0}};
    static const Segmento triangulo[] = {{-0.75, -1.3, 0.0, 0.0}, {0.75, -1.3, 0.0, 0.0}};
    const double suelo = tipo == TipoApoyo::empotrado ? 0.0 : -1.3;
    ponerColor(colorApoyo);
    glLineWidth(3.0f);
    trazarSegmento(-1.0, suelo, 1.0, suelo);
    glLineWidth(1.0f);
    if (tipo == TipoApoyo::empotrado) {
        trazarSegmentos(rayado);
    } else if (tipo == TipoApoyo::articulado) {
        trazarSegmentos(triangulo);
    } else {
        plotArco(0.0, -0.65, 0.65, 0.0, 360.0);
    }
}

// A wall 1.7 units to the left of the node and a zigzag from it to the node.
void dibujarResorteLineal()
{
    static const Segmento zigzag[] = {{-1.7, 0.0, -1.3, 0.0},
                                      {-1.3, 0.0, -1.05, 0.6},
                                      {-1.05, 0.6, -0.65, -0.6},
                                      {-0.65, -0.6, -0.4, 0.0},
                                      {-0.4, 0.0, 0.0, 0.0}};
    ponerColor(colorApoyo);
    glLineWidth(3.0f);
    trazarSegmento(-1.7, 0.8, -1.7, -0.8);
    glLineWidth(1.0f);
    trazarSegmentos(zigzag);
}

// A spiral from the node over the top, below it and up to its anchor stroke.
void dibujarResorteGiro()
{
    ponerColor(colorResorteGiro);
    glLineWidth(3.0f);
    trazarSegmento(0.6, 1.8, 0.6, 1.0);
    glLineWidth(1.0f);
    plotArco(0.4, 0.0, 0.4, 0.0, 180.0);
    plotArco(0.0, 0.0, 0.8, 180.0, 360.0);
    plotArco(0.6, 0.0, 1.4, 90.0, 180.0);
}

// A model read with errors may hold members that name a node missing from
// the node table: they have no place to stand and are left out.
template <typename Dibujo>
void paraCadaBarraConNudos(Dibujo dibujo)
{
    for (int i = 0; i < barrasDibujables(); ++i) {
        if (barra[i].getNudosDefinidos()) {
            dibujo(barra[i]);
        }
    }
}

void dibujarCirculoArticulacion(objBarra2d& b, double fraccion, double radio)
{
    glPushMatrix();
    glTranslatef(simple(b.getXi() + fraccion * (b.getXf() - b.getXi())),
                 simple(b.getYi() + fraccion * (b.getYf() - b.getYi())), 0.0f);
    plotArco(0.0, 0.0, radio, 0.0, 360.0);
    glPopMatrix();
}

}  // namespace

void plotNudos()
{
    const double radio = radioNudo();
    for (int i = 0; i < nudosDibujables(); ++i) {
        glPushMatrix();
        glTranslatef(simple(nudo[i].getX()), simple(nudo[i].getY()), 0.0f);
        ponerColor(colorNudo);
        dibujarEsfera(radio);
        glPopMatrix();
    }
}

void plotTagNudos(double altura)
{
    const double r = radioMarca();
    for (int i = 0; i < nudosDibujables(); ++i) {
        ponerColor(colorTagNudo);
        glLineWidth(1.0f);
        drawNumFloat(nudo[i].getX() + r, nudo[i].getY() + r, nudo[i].getNoNudoUsuario(), 0, altura);
    }
}

void plotBarras()
{
    paraCadaBarraConNudos([](objBarra2d& b) {
        glLineWidth(3.0f);
        ponerColor(colorBarra);
        trazarSegmento(b.getXi(), b.getYi(), b.getXf(), b.getYf());
    });
}

void plotArticulaciones()
{
    const double r = radioMarca();
    paraCadaBarraConNudos([r](objBarra2d& b) {
        glLineWidth(1.0f);
        ponerColor(colorArticulacion);
        if (b.getArticulacionInicio() == 1) {
            dibujarCirculoArticulacion(b, fraccionArticulacionInicio, r);
        }
        if (b.getArticulacionFin() == 1) {
            dibujarCirculoArticulacion(b, fraccionArticulacionFin, r);
        }
    });
}

void plotTagBarras(double altura)
{
    const double r = radioMarca();
    paraCadaBarraConNudos([r, altura](objBarra2d& b) {
        glLineWidth(1.0f);
        ponerColor(colorTextoBarra);
        drawNumFloat((b.getXi() + b.getXf()) / 2.0 + r, (b.getYi() + b.getYf()) / 2.0 + r,
                     b.getNoBarraUsuario(), 0, altura);
    });
}

// A member that no section names has no label: the reading has said so
// once, and a frame must not say it again.
void plotSecciones(double altura)
{
    const double r = radioMarca();
    paraCadaBarraConNudos([r, altura](objBarra2d& b) {
        if (!b.getNombreDeSeccionDefinido()) {
            return;
        }
        const std::string nombre = b.getNombreDeSeccion();
        glLineWidth(1.0f);
        ponerColor(colorTextoBarra);
        drawTextoEscalado((b.getXi() + b.getXf()) / 2.0 + r, (b.getYi() + b.getYf()) / 2.0 + r,
                          nombre.c_str(), altura);
    });
}

void plotApoyos(double tamano)
{
    const double s = tamanoSimbolo(tamano);
    for (int i = 0; i < nudosDibujables(); ++i) {
        const TipoApoyo tipo = tipoApoyo(nudo[i].getApoyo());
        if (tipo == TipoApoyo::ninguno) {
            continue;
        }
        enMarcoUnidad(nudo[i].getX(), nudo[i].getY(), s, tipo == TipoApoyo::rodilloX,
                      [tipo] { dibujarApoyo(tipo); });
    }
}

void plotResortes(double tamano)
{
    const double s = tamanoSimbolo(tamano);
    for (int i = 0; i < nudosDibujables(); ++i) {
        objNudo2d& n = nudo[i];
        if (n.getResorteX() != 0.0) {
            enMarcoUnidad(n.getX(), n.getY(), s, false, dibujarResorteLineal);
        }
        if (n.getResorteY() != 0.0) {
            enMarcoUnidad(n.getX(), n.getY(), s, true, dibujarResorteLineal);
        }
        if (n.getResorteGiro() != 0.0) {
            enMarcoUnidad(n.getX(), n.getY(), s, false, dibujarResorteGiro);
        }
    }
}
