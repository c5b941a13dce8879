// Result layers (deflected shape and the three force diagrams) and the loads
// and reactions of one combination.
#include <cmath>

#include <GL/freeglut.h>

#include "globales.h"
#include "viewer/elementosPlot.h"

namespace {

// Points at which a diagram or the deflected shape samples each member.
const int estacionesPorBarra = 21;

// Arrows of a distributed load: one at each end of as many equal parts.
const int tramosDeCarga = 10;

// The moment's end labels stand this fraction (1 / divisor) of the member's
// length inside its span.
const double divisorSeparacionMomento = 50.0;

// The zero-shear label stands this many text heights off the member's axis.
const double elevacionCorteNulo = 0.2;

// A node moment is an arc of this many arrow heads in radius, from straight
// below the node round to its upper left.
const double radioMomento = 1.6;
const double inicioArcoMomento = -90.0;
const double finArcoMomento = 135.0;

// A bare arrow head is an arrow with a shaft too short to see, forwards along
// the member or backwards.
const double colaAdelante = 0.00001;
const double colaAtras = 0.0001;

// Reactions are written this far to the right of their node, in model units.
const double separacionReacciones = 0.1;

// A polyline through the columns of a 2-row table of points.
void trazarPolilinea(const Eigen::MatrixXd& puntos)
{
    for (Eigen::Index k = 0; k + 1 < puntos.cols(); ++k) {
        trazarSegmento(puntos(0, k), puntos(1, k), puntos(0, k + 1), puntos(1, k + 1));
    }
}

double anguloEnGrados(objBarra2d& b) { return enGrados(b.getAngulo()); }

// Member diagrams and member loads are drawn in member axes: x from the
// start node towards the end node, y turned +90 degrees from it.
template <typename Dibujo>
void enEjesDeBarra(objBarra2d& b, Dibujo dibujo)
{
    glPushMatrix();
    glTranslatef(simple(b.getXi()), simple(b.getYi()), 0.0f);
    glRotatef(simple(anguloEnGrados(b)), 0.0f, 0.0f, 1.0f);
    dibujo();
    glPopMatrix();
}

// Labels along a member read from left to right: a member that points
// leftwards, above or below the horizontal, has them turned.
bool etiquetasGiradas(objBarra2d& b) { return std::abs(anguloEnGrados(b)) > 90.0; }

// A label written at an anchor, turned half a turn about it when the member
// points leftwards, so that it reads upright on the screen.
template <typename Escribir>
void enAncla(double x, double y, bool girado, Escribir escribir)
{
    glPushMatrix();
    glTranslatef(simple(x), simple(y), 0.0f);
    if (girado) {
        glRotatef(180.0f, 0.0f, 0.0f, 1.0f);
    }
    escribir();
    glPopMatrix();
}

enum class Adicional { ninguno, posicionCorteNulo, momentoCorteNulo };

// What sets one force diagram apart from the others.
class EstiloDiagrama {
public:
    Eigen::MatrixXd (objBarra2d::*solicitacion)(int, int);
    double signo;  // the moment is drawn on the side opposite to its sign
    ColorRGB contorno;
    ColorRGB rayado;
    ColorRGB etiqueta;
    bool separarEtiquetas;  // end values moved into the span
    Adicional adicional;
};

const EstiloDiagrama estiloAxial = {&objBarra2d::getSolicitacionAxial,
                                    1.0,
                                    colorContornoAxial,
                                    colorContornoAxial,
                                    colorEtiquetaAxial,
                                    false,
                                    Adicional::ninguno};
const EstiloDiagrama estiloCortante = {&objBarra2d::getSolicitacionCortante,
                                       1.0,
                                       colorContornoCortante,
                                       colorRayadoCortante,
                                       colorContornoCortante,
                                       false,
                                       Adicional::posicionCorteNulo};
const EstiloDiagrama estiloMomento = {&objBarra2d::getSolicitacionMomento,
                                      -1.0,
                                      colorContornoMomento,
                                      colorRayadoMomento,
                                      colorContornoMomento,
                                      true,
                                      Adicional::momentoCorteNulo};

void etiquetaCorteNulo(objBarra2d& b, int c, const EstiloDiagrama& estilo, double s, bool girado)
{
    if (estilo.adicional == Adicional::ninguno) {
        return;
    }
    const double t = escalaTexto;
    const double xv = b.getXvcero(c);
    if (estilo.adicional == Adicional::posicionCorteNulo && xv != -1.0) {
        enAncla(xv, 0.0, girado,
                [&] { escribirRotulo(0.0, elevacionCorteNulo * t, "x0= ", xv, precision, t); });
    }
    if (estilo.adicional == Adicional::momentoCorteNulo) {
        const double m = b.getMmax(c);  // evaluated where getXvcero left it
        if (0.0 < xv && xv < b.getLongitud()) {
            enAncla(xv, estilo.signo * m * s, girado, [&] { drawNumFloatCenter(0.0, 0.0, m, precision, t); });
        }
    }
}

void diagramaDeBarra(objBarra2d& b, int c, double s, const EstiloDiagrama& estilo)
{
    const Eigen::MatrixXd D = (b.*estilo.solicitacion)(c, estacionesPorBarra);
    if (D.rows() < 2 || D.cols() < 2) {
        return;
    }
    const Eigen::Index ultimo = D.cols() - 1;
    Eigen::MatrixXd P(2, D.cols());
    P.row(0) = D.row(0);
    P.row(1) = estilo.signo * s * D.row(1);
    const double t = escalaTexto;
    const double delta = estilo.separarEtiquetas ? b.getLongitud() / divisorSeparacionMomento : 0.0;
    const bool girado = etiquetasGiradas(b);
    enEjesDeBarra(b, [&] {
        glLineWidth(1.0f);
        ponerColor(estilo.contorno);
        trazarPolilinea(P);
        ponerColor(estilo.rayado);
        for (Eigen::Index k = 0; k <= ultimo; ++k) {
            trazarSegmento(P(0, k), 0.0, P(0, k), P(1, k));
        }
        ponerColor(estilo.etiqueta);
        enAncla(P(0, 0), P(1, 0), girado, [&] { drawNumFloat(delta, 0.0, D(1, 0), precision, t); });
        enAncla(P(0, ultimo), P(1, ultimo), girado,
                [&] { drawNumFloatRight(-delta, 0.0, D(1, ultimo), precision, t); });
        etiquetaCorteNulo(b, c, estilo, s, girado);
    });
}

void plotDiagrama(int c, double s, const EstiloDiagrama& estilo)
{
    for (int m = 0; m < barrasDibujables(); ++m) {
        diagramaDeBarra(barra[m], c, s, estilo);
    }
}

void cargasDeNudo(objNudo2d& n, int c, double s, double h)
{
    const double x = n.getX();
    const double y = n.getY();
    const double t = escalaTexto;
    const double Px = n.getPxCombo(c);
    const double Py = n.getPyCombo(c);
    const double Mz = n.getMzCombo(c);
    if (Px != 0.0) {
        glLineWidth(2.0f);
        drawFlecha(x - Px * s, y, x, y, h);
        glLineWidth(1.0f);
        drawNumFloat(x - Px * s, y, std::abs(Px), precision, t);
    }
    if (Py != 0.0) {
        glLineWidth(2.0f);
        drawFlecha(x, y - Py * s, x, y, h);
        glLineWidth(1.0f);
        drawNumFloat(x, y - Py * s, std::abs(Py), precision, t);
    }
    if (Mz != 0.0) {
        const double R = radioMomento * h;
        glLineWidth(2.0f);
        plotArco(x, y, R, inicioArcoMomento, finArcoMomento);
        if (Mz > 0.0) {
            // Head at the arc's upper-left end: counter-clockwise.
            const double px = x - R * std::cos(PI / 4.0);
            const double py = y + R * std::sin(PI / 4.0);
            trazarSegmento(px, py, px + 0.7 * h, py + h);
            trazarSegmento(px, py, px + 0.9 * h, py + 0.1 * h);
        } else {
            // Head at the end straight below the node: clockwise.
            const double qy = y - R;
            trazarSegmento(x, qy, x + 0.6 * h, qy + 0.6 * h);
            trazarSegmento(x, qy, x + h, qy - 0.1 * h);
        }
        glLineWidth(1.0f);
        drawNumFloat(x + 1.7 * h, y + 0.3 * h, std::abs(Mz), precision, t);
    }
}

// A distributed load (start and end intensity) drawn in member axes, unless
// both ends are zero; the drawing gets the intensities, L, the text height
// and whether its labels are turned.
template <typename Dibujo>
void cargaDistribuida(objBarra2d& b, double inicio, double fin, Dibujo dibujo)
{
    if (inicio == 0.0 && fin == 0.0) {
        return;
    }
    const double L = b.getLongitud();
    const double t = escalaTexto;
    const bool girado = etiquetasGiradas(b);
    enEjesDeBarra(b, [&] { dibujo(inicio, fin, L, t, girado); });
}

// A load along local +y stands on the -y side and points at the member.
void cargaTransversal(objBarra2d& b, int c, double s, double h)
{
    const auto dibujo = [s, h](double q1, double q2, double L, double t, bool girado) {
        ponerColor(colorCargaTransversal);
        glLineWidth(1.0f);
        for (int j = 0; j <= tramosDeCarga; ++j) {
            const double xj = j * L / tramosDeCarga;
            const double qj = q1 + j * (q2 - q1) / tramosDeCarga;
            drawFlecha(xj, -qj * s, xj, 0.0, h);
        }
        trazarSegmento(0.0, -q1 * s, L, -q2 * s);
        ponerColor(colorRotuloCargaTransversal);
        enAncla(0.0, -q1 * s, girado, [&] { drawNumFloat(0.0, 0.0, std::abs(q1), precision, t); });
        enAncla(L, -q2 * s, girado, [&] { drawNumFloatRight(0.0, 0.0, std::abs(q2), precision, t); });
    };
    cargaDistribuida(b, b.getQInicioCombo(c), b.getQFinCombo(c), dibujo);
}

// Bare arrow heads along the axis in the sense of the mean axial load.
void cargaAxial(objBarra2d& b, int c, double s, double h)
{
    const auto dibujo = [s, h](double f1, double f2, double L, double t, bool girado) {
        const double d = (f1 + f2) / 2.0 * s;
        ponerColor(colorCargaAxial);
        glLineWidth(2.0f);
        for (int j = 0; j <= tramosDeCarga && d != 0.0; ++j) {
            const double xj = j * L / tramosDeCarga;
            drawFlecha(xj, 0.0, d > 0.0 ? xj + colaAdelante : xj - colaAtras, 0.0, h);
        }
        ponerColor(colorRotuloCargaAxial);
        glLineWidth(1.0f);
        enAncla(0.1 * L, -1.1 * t, girado, [&] { drawNumFloat(0.0, 0.0, std::abs(f1), precision, t); });
        enAncla(0.9 * L, -1.2 * t, girado, [&] { drawNumFloatRight(0.0, 0.0, std::abs(f2), precision, t); });
    };
    cargaDistribuida(b, b.getFInicioCombo(c), b.getFFinCombo(c), dibujo);
}

}  // namespace

void plotDeformada(int c, double s)
{
    const double r = radioMarca();
    const double t = escalaTexto;
    for (int i = 0; i < nudosDibujables(); ++i) {
        objNudo2d& n = nudo[i];
        const double ux = n.getDesplazamientoX(c);
        const double uy = n.getDesplazamientoY(c);
        const double g = n.getGiroZ(c);
        glPushMatrix();
        glTranslatef(simple(n.getX() + ux * s), simple(n.getY() + uy * s), 0.0f);
        ponerColor(colorDeformada);
        dibujarEsfera(r);
        ponerColor(colorTextoDeformada);
        drawTextoEscalado(r, t, "Ux, Uy, Giro:", t);
        drawNumSci(r, 0.0, ux, precision, t);
        drawNumSci(r, -t, uy, precision, t);
        drawNumSci(r, -2.0 * t, g, precision, t);
        glPopMatrix();
    }
    for (int m = 0; m < barrasDibujables(); ++m) {
        const Eigen::MatrixXd P = barra[m].getBarraDeformada(c, estacionesPorBarra, s);
        glLineWidth(1.0f);
        ponerColor(colorDeformada);
        if (P.rows() >= 2) {
            trazarPolilinea(P);
        }
    }
}

void plotAxial(int c, double s) { plotDiagrama(c, s, estiloAxial); }

void plotCortante(int c, double s) { plotDiagrama(c, s, estiloCortante); }

void plotMomento(int c, double s) { plotDiagrama(c, s, estiloMomento); }

void plotCarga(int c, double s)
{
    const double h = cabezaFlecha();
    ponerColor(colorCargaNudo);
    for (int i = 0; i < nudosDibujables(); ++i) {
        cargasDeNudo(nudo[i], c, s, h);
    }
    for (int m = 0; m < barrasDibujables(); ++m) {
        cargaTransversal(barra[m], c, s, h);
        cargaAxial(barra[m], c, s, h);
    }
}

void plotReacciones(int c)
{
    static const char* const prefijos[3] = {"Rx: ", "Ry: ", "Mz: "};
    const double t = escalaTexto;
    for (int i = 0; i < nudosDibujables(); ++i) {
        objNudo2d& n = nudo[i];
        const Eigen::Vector3i apoyo = n.getApoyo();
        const double resortes[3] = {n.getResorteX(), n.getResorteY(), n.getResorteGiro()};
        const double valores[3] = {n.getReaccionX(c), n.getReaccionY(c), n.getReaccionM(c)};
        glPushMatrix();
        glTranslatef(simple(n.getX()), simple(n.getY()), 0.0f);
        ponerColor(colorReaccion);
        glLineWidth(1.0f);
        double d = 0.0;
        for (int k = 0; k < 3; ++k) {
            if (apoyo(k) == 1 || resortes[k] != 0.0) {
                escribirRotulo(separacionReacciones, d, prefijos[k], valores[k], precision, t);
                d -= t;
            }
        }
        glPopMatrix();
    }
}
