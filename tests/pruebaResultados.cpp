// Result, load and reaction layers drawn one at a time into a real window,
// for small models whose results follow from closed-form mechanics.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <tuple>

#include <GL/freeglut.h>

#include "globales.h"
#include "modeloPrueba.h"
#include "ventanaPrueba.h"
#include "viewer/elementosPlot.h"

namespace {

const Color contornoM = colorDe(colorContornoMomento);
const Color rayadoM = colorDe(colorRayadoMomento);
const Color contornoV = colorDe(colorContornoCortante);
const Color rayadoV = colorDe(colorRayadoCortante);
const Color contornoN = colorDe(colorContornoAxial);
const Color etiquetaN = colorDe(colorEtiquetaAxial);
const Color deformada = colorDe(colorDeformada);
const Color textoDeformada = colorDe(colorTextoDeformada);
const Color cargaNudo = colorDe(colorCargaNudo);
const Color flechaQ = colorDe(colorCargaTransversal);
const Color etiquetaQ = colorDe(colorRotuloCargaTransversal);
const Color flechaF = colorDe(colorCargaAxial);
const Color etiquetaF = colorDe(colorRotuloCargaAxial);
const Color reaccion = colorDe(colorReaccion);

const double L = 10.0;

class Resultados : public ::testing::Test {
protected:
    void SetUp() override
    {
        precision = 3;
        escalaTexto = 0.5;
    }
    void TearDown() override
    {
        vaciarModelo();
        precision = 0;
        escalaTexto = 0.0;
    }
};

// Hands a member its end displacements of one combination in global axes,
// after the values the analysis forms first.
void analizar(objBarra2d& b, const Eigen::Matrix<double, 6, 1>& u)
{
    b.getGdl();
    b.getKGlobal();
    b.getCargasEquivalentesGlobales();
    b.setDesplazamientos(Eigen::MatrixXd(u));
}

// E = I = A = 1 and one combination "C1" of the case "D".
objBarra2d& barraUnitaria(int i, int j)
{
    objBarra2d& b = unir(i, j);
    ponerSeccion(b, 1.0, 1.0, 1.0);
    return b;
}

// A simply supported beam of length 10 along +x under a uniform load of 1
// downwards: M = 5x - x²/2 (12.5 at midspan, sagging), V = 5 - x, end
// rotations -/+ qL³/24.
void vigaSimple()
{
    ponerNudos({{0, 0}, {L, 0}});
    barraUnitaria(0, 1).setCargaLocal("D", 0, 0, -1, -1);
    darCombos({{"C1", 1.0, "D"}});
    const double giro = std::pow(L, 3) / 24.0;
    Eigen::Matrix<double, 6, 1> u;
    u << 0, 0, -giro, 0, 0, giro;
    analizar(barra[0], u);
    encuadrarModelo();
}

// A purlin of 6 on two hinges (E = I = A = 1) under dead load -4 and a wind
// suction that lifts it to +6 at its far end: V = 5x²/6 - 4x + 2 vanishes at
// (12 ± 2√21)/5, where M = 5x³/18 - 2x² + 2x is +0.54 and -6.30.
const double xDisenoCorrea = (12 + 2 * std::sqrt(21.0)) / 5;
void correa()
{
    ponerNudos({{0, 0}, {6, 0}});
    objBarra2d& b = barraUnitaria(0, 1);
    b.setArticulacion(1, 1);
    b.setCargaLocal("D", 0, 0, -4, 6);
    darCombos({{"C1", 1.0, "D"}});
    analizar(barra[0], Eigen::Matrix<double, 6, 1>::Zero());
    encuadrarModelo();
}

// A member of length 12 from the origin pointing along the given angle.
objBarra2d& barraInclinada(double grados)
{
    const double a = grados * PI / 180.0;
    ponerNudos({{0, 0}, {12 * std::cos(a), 12 * std::sin(a)}});
    encuadrar(-15, 15, -15, 15);
    return barraUnitaria(0, 1);
}

// That member in tension (N = 1).
void barraTraccionada(double grados)
{
    objBarra2d& b = barraInclinada(grados);
    b.setCombo("C1", 1.0, "D");
    noCombos = 1;
    const double a = grados * PI / 180.0;
    Eigen::Matrix<double, 6, 1> u;
    u << 0, 0, 0, 12 * std::cos(a), 12 * std::sin(a), 0;
    analizar(b, u);
}

// That member under a uniform load in member axes, along it (f) and across it
// (q), not analysed.
void barraCargada(double grados, double f, double q)
{
    objBarra2d& b = barraInclinada(grados);
    b.setCargaLocal("D", f, f, q, q);
    b.setCombo("C1", 1.0, "D");
    noCombos = 1;
}

// Ink of colour c within a rectangle given in model coordinates.
Caja tintaEn(const Imagen& im, Color c, double x0, double y0, double x1, double y1)
{
    const PuntoVentana a = proyectar(x0, y0);
    const PuntoVentana b = proyectar(x1, y1);
    return im.buscar(c, pixelDe(std::min(a.x, b.x)), pixelDe(std::min(a.y, b.y)), pixelDe(std::max(a.x, b.x)),
                     pixelDe(std::max(a.y, b.y)));
}

// The moment layer at scale s, whole numbers of text height 1: the label at
// zero shear lies between heights y0 and y1 near x, centred on x and at most
// two characters wide.
void momentoRotuladoEn(double s, double x, double y0, double y1)
{
    precision = 0;
    escalaTexto = 1.0;
    plotMomento(0, s);
    const Imagen im = leerImagen();
    const Caja rotulo = tintaEn(im, contornoM, x - 0.8, y0, x + 0.8, y1);
    ASSERT_GT(rotulo.cantidad, 0);
    EXPECT_NEAR((rotulo.xMinimo + rotulo.xMaximo) / 2.0, proyectar(x, 0).x, 0.1 / unidadesPorPixel());
    EXPECT_LE(rotulo.xMaximo - rotulo.xMinimo, 2 * anchoCaracter(1.0) / unidadesPorPixel());
}

}  // namespace

TEST_F(Resultados, ElMomentoPositivoSeDibujaDebajoDeLaViga)
{
    vigaSimple();
    const double s = 0.2;
    plotMomento(0, s);
    const Imagen im = leerImagen();
    EXPECT_TRUE(im.hayCerca(contornoM, proyectar(5, -12.5 * s), 1));
    EXPECT_TRUE(im.hayCerca(contornoM, proyectar(2, -8 * s), 1));
    EXPECT_TRUE(im.hayCerca(rayadoM, proyectar(5, -1), 1));
    EXPECT_EQ(tintaEn(im, contornoM, 0.5, -0.1, 9.5, -5).cantidad > 0, true);
    EXPECT_EQ(tintaEn(im, contornoM, 2, 0.6, 8, 5).cantidad, 0);
    EXPECT_EQ(tintaEn(im, rayadoM, 0, 0.1, 10, 5).cantidad, 0);
}

TEST_F(Resultados, ElMomentoEnCorteNuloSeCentraEnSuPunto)
{
    vigaSimple();
    // "12" centred on (5, -2.5), standing above the diagram's deepest point.
    momentoRotuladoEn(0.2, 5, -2.3, -1.6);
}

TEST_F(Resultados, ElMomentoDeDisenoSeRotulaEnSuCorteNulo)
{
    correa();
    // "-6" centred on (4.233, 0.63), above the hogging peak of the outline.
    const double s = 0.1, y = 6.3017 * s;
    momentoRotuladoEn(s, xDisenoCorrea, y + 0.2, y + 0.9);
}

TEST_F(Resultados, LosValoresExtremosDelMomentoQuedanDentroDelTramo)
{
    vigaSimple();
    escalaTexto = 1.0;
    plotMomento(0, 0.2);
    const Imagen im = leerImagen();
    // Start label from x = L/50, end label ending at x = L - L/50, above the
    // axis where the outline is not.
    const Caja inicio = tintaEn(im, contornoM, -1, 0.1, 4, 1);
    const Caja fin = tintaEn(im, contornoM, 6, 0.1, 11, 1);
    ASSERT_GT(inicio.cantidad, 0);
    ASSERT_GT(fin.cantidad, 0);
    EXPECT_GE(inicio.xMinimo, proyectar(0.2, 0).x - 1);
    EXPECT_LE(fin.xMaximo, proyectar(9.8, 0).x + 1);
}

TEST_F(Resultados, ElCortanteEsPositivoArribaEnLaMitadIzquierda)
{
    vigaSimple();
    const double s = 0.4;
    plotCortante(0, s);
    const Imagen im = leerImagen();
    EXPECT_TRUE(im.hayCerca(contornoV, proyectar(1, 4 * s), 1));
    EXPECT_TRUE(im.hayCerca(contornoV, proyectar(9, -4 * s), 1));
    EXPECT_TRUE(im.hayCerca(rayadoV, proyectar(1, 0.5), 1));
    EXPECT_TRUE(im.hayCerca(rayadoV, proyectar(9, -0.5), 1));
    EXPECT_EQ(tintaEn(im, rayadoV, 0, -0.1, 4.9, -3).cantidad, 0);
}

TEST_F(Resultados, LaPosicionDeCorteNuloSeRotulaSobreElEje)
{
    vigaSimple();
    const double t = escalaTexto;
    plotCortante(0, 0.4);
    const Imagen im = leerImagen();
    // "x0= 5.000": nine characters from (5, 0.2t), right of midspan where
    // the outline lies below the axis.
    const Caja rotulo = tintaEn(im, contornoV, 4.9, 0.15 * t, 5 + 10 * anchoCaracter(t), 1.3 * t);
    ASSERT_GT(rotulo.cantidad, 0);
    EXPECT_GE(rotulo.xMinimo, proyectar(5, 0).x - 1);
    EXPECT_GE(rotulo.yMinimo, proyectar(5, 0.2 * t).y - 2);
    EXPECT_LE(rotulo.xMaximo, proyectar(5 + 9 * anchoCaracter(t), 0).x + 1);
    EXPECT_GT(rotulo.xMaximo, proyectar(5 + 8 * anchoCaracter(t), 0).x);
}

TEST_F(Resultados, LaTraccionSeDibujaArribaDeLaBarra)
{
    barraTraccionada(0.0);
    plotAxial(0, 2.0);
    const Imagen im = leerImagen();
    EXPECT_TRUE(im.hayCerca(contornoN, proyectar(6, 2), 1));
    EXPECT_TRUE(im.hayCerca(contornoN, proyectar(6, 1), 1));
    EXPECT_FALSE(im.hayCerca(contornoN, proyectar(6, -2), 4));
    EXPECT_GT(tintaEn(im, etiquetaN, 0, 2, 4, 3).cantidad, 0);
}

// Where the start label "1.000" written along a member stands for a member
// pointing along an angle: upright on the screen when the member points
// leftwards.
class CasoGiro {
public:
    double grados;
    bool girado;
};

void PrintTo(const CasoGiro& c, std::ostream* os) { *os << c.grados; }

// A layer that writes such a label, its colour and its anchor in member axes
// (text height 1).
class EtiquetaDeInicio {
public:
    const char* nombre;
    void (*dibujar)(double grados);
    Color color;
    double xAncla;
    double yAncla;
};

void PrintTo(const EtiquetaDeInicio& e, std::ostream* os) { *os << e.nombre; }

// At the start of the outline, N·s = 2 along the member's local y.
void diagramaAxial(double grados)
{
    barraTraccionada(grados);
    plotAxial(0, 2.0);
}

// At the start of the load line, -q·s = 2 along the member's local y.
void cargaTransversal(double grados)
{
    barraCargada(grados, 0.0, -1.0);
    plotCarga(0, 2.0);
}

// Below the axis, a tenth of the length from the start.
void cargaAxial(double grados)
{
    barraCargada(grados, 1.0, 0.0);
    plotCarga(0, 1.0);
}

const EtiquetaDeInicio etiquetasDeInicio[] = {
    {"diagramaAxial", diagramaAxial, etiquetaN, 0.0, 2.0},
    {"cargaTransversal", cargaTransversal, etiquetaQ, 0.0, 2.0},
    {"cargaAxial", cargaAxial, etiquetaF, 1.2, -1.1},
};

class EtiquetasGiradas : public Resultados,
                         public ::testing::WithParamInterface<std::tuple<EtiquetaDeInicio, CasoGiro>> {};

TEST_P(EtiquetasGiradas, LaEtiquetaDeInicioSeLeeDerecha)
{
    const EtiquetaDeInicio etiqueta = std::get<0>(GetParam());
    const CasoGiro caso = std::get<1>(GetParam());
    escalaTexto = 1.0;
    etiqueta.dibujar(caso.grados);
    const Imagen im = leerImagen();
    const double a = caso.grados * PI / 180.0;
    const double ax = etiqueta.xAncla * std::cos(a) - etiqueta.yAncla * std::sin(a);
    const double ay = etiqueta.xAncla * std::sin(a) + etiqueta.yAncla * std::cos(a);
    const Caja rotulo = tintaEn(im, etiqueta.color, ax - 4.5, ay - 4.5, ax + 4.5, ay + 4.5);
    ASSERT_GT(rotulo.cantidad, 0);
    // The text "1.000" fills about five cells along its baseline and two
    // thirds of the height above it; its centre turns with the label.
    const double total = a + (caso.girado ? PI : 0.0);
    const double cx = 2.5 * anchoCaracter(1.0);
    const double cy = 0.33;
    const PuntoVentana centro = proyectar(ax + cx * std::cos(total) - cy * std::sin(total),
                                          ay + cx * std::sin(total) + cy * std::cos(total));
    const double tolerancia = 0.4 / unidadesPorPixel();
    EXPECT_NEAR((rotulo.xMinimo + rotulo.xMaximo) / 2.0, centro.x, tolerancia);
    EXPECT_NEAR((rotulo.yMinimo + rotulo.yMaximo) / 2.0, centro.y, tolerancia);
}

INSTANTIATE_TEST_SUITE_P(Angulos, EtiquetasGiradas,
                         ::testing::Combine(::testing::ValuesIn(etiquetasDeInicio),
                                            ::testing::Values(CasoGiro{0, false}, CasoGiro{180, true},
                                                              CasoGiro{135, true}, CasoGiro{91, true},
                                                              CasoGiro{90, false}, CasoGiro{-135, true},
                                                              CasoGiro{-91, true}, CasoGiro{-90, false},
                                                              CasoGiro{45, false}, CasoGiro{-45, false})));

TEST_F(Resultados, LaDeformadaPasaPorLaFlechaDeLaViga)
{
    vigaSimple();
    const double giro = std::pow(L, 3) / 24.0;
    Eigen::MatrixXd d0(3, 1);
    d0 << 0, 0, -giro;
    Eigen::MatrixXd d1(3, 1);
    d1 << 0.5, 0, giro;
    nudo[0].setDesplazamientos(d0);
    nudo[1].setDesplazamientos(d1);
    const double s = 0.01;
    plotDeformada(0, s);
    const Imagen im = leerImagen();
    // Midspan deflection 5qL⁴/384EI downwards, magnified by s.
    EXPECT_TRUE(im.hayCerca(deformada, proyectar(5, -5 * std::pow(L, 4) / 384 * s), 1));
    EXPECT_FALSE(im.hayCerca(deformada, proyectar(5, 0), 3));
    // The displaced node and its four lines of text beside it.
    const double r = L / 200;
    const double t = escalaTexto;
    EXPECT_TRUE(im.hayCerca(deformada, proyectar(L + 0.5 * s, 0), 0));
    for (int fila = 1; fila >= -2; --fila) {
        EXPECT_GT(tintaEn(im, textoDeformada, L + r, fila * t + 0.05, L + r + 5, (fila + 0.8) * t).cantidad,
                  0)
            << "fila " << fila;
    }
}

TEST_F(Resultados, LasFuerzasDeNudoApuntanSegunLaCarga)
{
    ponerNudos({{0, 0}, {20, 0}, {10, 5}});
    nudo[2].setCargaPuntual("D", -5, 3, 0);
    darCombos({{"C1", 1.0, "D"}});
    encuadrarModelo();
    const double s = 0.4;
    const double h = 20.0 / 75.0;
    plotCarga(0, s);
    const Imagen im = leerImagen();
    // Px = -5: tail 2 units right of the node, head at the node pointing
    // along -x, so its strokes reach back towards +x.
    EXPECT_TRUE(im.hayCerca(cargaNudo, proyectar(11, 5), 0));
    EXPECT_TRUE(im.hayCerca(cargaNudo, proyectar(10 + 0.9 * h, 5 + 0.3 * h), 1));
    EXPECT_FALSE(im.hayCerca(cargaNudo, proyectar(12 - 0.9 * h, 5 + 0.3 * h), 1));
    // Py = +3: tail below the node, head at the node pointing up.
    EXPECT_TRUE(im.hayCerca(cargaNudo, proyectar(10, 4.4), 0));
    EXPECT_TRUE(im.hayCerca(cargaNudo, proyectar(10 + 0.3 * h, 5 - 0.9 * h), 1));
    EXPECT_FALSE(im.hayCerca(cargaNudo, proyectar(10 + 0.3 * h, 3.8 + 0.9 * h), 1));
    // The magnitudes at the tails.
    EXPECT_GT(tintaEn(im, cargaNudo, 12.05, 5.05, 14, 5.4).cantidad, 0);
    EXPECT_GT(tintaEn(im, cargaNudo, 10.05, 3.85, 12, 4.2).cantidad, 0);
}

class MomentoDeNudo : public Resultados, public ::testing::WithParamInterface<double> {};

TEST_P(MomentoDeNudo, LaPuntaDelArcoMarcaElSentido)
{
    const double Mz = GetParam();
    ponerNudos({{0, 0}, {20, 0}, {10, 5}});
    nudo[2].setCargaPuntual("D", 0, 0, Mz);
    nudo[2].setCombo("C1", 1.0, "D");
    noCombos = 1;
    encuadrarModelo();
    const double h = 20.0 / 75.0;
    const double R = 1.6 * h;
    plotCarga(0, 1.0);
    const Imagen im = leerImagen();
    EXPECT_TRUE(im.hayCerca(cargaNudo, proyectar(10 + R, 5), 1));
    EXPECT_TRUE(im.hayCerca(cargaNudo, proyectar(10, 5 - R), 1));
    EXPECT_FALSE(im.hayCerca(cargaNudo, proyectar(10 - R, 5 - 0.3 * R), 2));
    const double px = 10 - R * std::cos(PI / 4);
    const double py = 5 + R * std::sin(PI / 4);
    EXPECT_EQ(im.hayCerca(cargaNudo, proyectar(px + 0.63 * h, py + 0.9 * h), 1), Mz > 0);
    EXPECT_EQ(im.hayCerca(cargaNudo, proyectar(10 + 0.54 * h, 5 - R + 0.54 * h), 1), Mz < 0);
    EXPECT_GT(tintaEn(im, cargaNudo, 10 + 1.7 * h, 5 + 0.3 * h + 0.03, 12, 5.7).cantidad, 0);
}

INSTANTIATE_TEST_SUITE_P(Sentidos, MomentoDeNudo, ::testing::Values(2.0, -2.0));

TEST_F(Resultados, LaCargaTransversalEstaDelLadoOpuestoASuSentido)
{
    ponerNudos({{0, 0}, {20, 0}});
    objBarra2d& b = barraUnitaria(0, 1);
    b.setCargaLocal("D", 0, 0, -1, -1);
    b.setCombo("C1", 1.0, "D");
    noCombos = 1;
    encuadrarModelo();
    const double s = 2.0;
    const double h = 20.0 / 75.0;
    plotCarga(0, s);
    const Imagen im = leerImagen();
    // Load downwards: load line at +2, arrows from it down to the axis.
    EXPECT_TRUE(im.hayCerca(flechaQ, proyectar(11, 2), 1));
    EXPECT_TRUE(im.hayCerca(flechaQ, proyectar(12, 1), 1));
    EXPECT_TRUE(im.hayCerca(flechaQ, proyectar(12 + 0.3 * h, 0.9 * h), 1));
    EXPECT_EQ(tintaEn(im, flechaQ, 0, -0.2, 20, -4).cantidad, 0);
    EXPECT_GT(tintaEn(im, etiquetaQ, 0, 2.05, 3, 2.4).cantidad, 0);
    EXPECT_GT(tintaEn(im, etiquetaQ, 17, 2.05, 20, 2.4).cantidad, 0);
}

TEST_F(Resultados, LaCargaAxialMuestraPuntasEnSuSentido)
{
    ponerNudos({{0, 0}, {20, 0}});
    objBarra2d& b = barraUnitaria(0, 1);
    b.setCargaLocal("D", 1, 1, 0, 0);
    b.setCargaLocal("E", 1, -1, 0, 0);
    b.setCombo("C1", 1.0, "D");
    b.setCombo("C2", 1.0, "E");
    noCombos = 2;
    encuadrarModelo();
    const double h = 20.0 / 75.0;
    plotCarga(0, 1.0);
    const Imagen positiva = leerImagen();
    EXPECT_TRUE(positiva.hayCerca(flechaF, proyectar(10 - 0.9 * h, 0.3 * h), 1));
    EXPECT_FALSE(positiva.hayCerca(flechaF, proyectar(10 + 0.9 * h, 0.3 * h), 1));
    EXPECT_GT(tintaEn(positiva, etiquetaF, 2, -0.55, 5, -0.2).cantidad, 0);

    encuadrarModelo();
    plotCarga(1, 1.0);
    const Imagen opuesta = leerImagen();
    EXPECT_EQ(opuesta.buscarTodo(flechaF).cantidad, 0);
    EXPECT_GT(tintaEn(opuesta, etiquetaF, 2, -0.55, 5, -0.2).cantidad, 0);
    EXPECT_GT(tintaEn(opuesta, etiquetaF, 15, -0.6, 18, -0.25).cantidad, 0);
}

TEST_F(Resultados, LasReaccionesSeEscribenJuntoASusNudos)
{
    ponerNudos({{0, 0}, {10, 0}, {5, 3}, {10, 5}});
    nudo[0].setApoyo(1, 1, 0);
    nudo[1].setResorte(0, 0, 50);
    Eigen::MatrixXd R(3, 1);
    R << 2, 5, 0;
    for (objNudo2d& n : nudo) {
        n.setDesplazamientos(Eigen::MatrixXd::Zero(3, 1));
        n.setReacciones(R);
    }
    encuadrarModelo();
    const double t = escalaTexto;
    plotReacciones(0);
    const Imagen im = leerImagen();
    // Pinned node: "Rx: " level with it, "Ry: " one text height lower.
    EXPECT_GT(tintaEn(im, reaccion, 0.1, 0.02, 3, 0.9 * t).cantidad, 0);
    EXPECT_GT(tintaEn(im, reaccion, 0.1, -t + 0.02, 3, -0.1 * t).cantidad, 0);
    // No third line (the "y" of "Ry: " hangs a little below its baseline).
    EXPECT_EQ(tintaEn(im, reaccion, 0.1, -2 * t + 0.02, 3, -1.3 * t).cantidad, 0);
    const Caja rx = tintaEn(im, reaccion, -1, 0.02, 4, 0.9 * t);
    EXPECT_GE(rx.xMinimo, proyectar(0.1, 0).x - 1);
    // The rotational spring: only "Mz: " level with the node.
    EXPECT_GT(tintaEn(im, reaccion, 10.1, 0.02, 13, 0.9 * t).cantidad, 0);
    EXPECT_EQ(tintaEn(im, reaccion, 10.1, -t + 0.02, 13, -0.1 * t).cantidad, 0);
    // Free nodes: nothing.
    EXPECT_EQ(tintaEn(im, reaccion, 4, 2, 9, 4).cantidad, 0);
    EXPECT_EQ(tintaEn(im, reaccion, 9, 4, 14, 6).cantidad, 0);
}

TEST_F(Resultados, SinResultadosLasCapasNoLeenFuera)
{
    ponerNudos({{0, 0}, {10, 0}});
    nudo[0].setApoyo(1, 1, 1);
    unir(0, 1);
    noCombos = 1;
    encuadrarModelo();
    for (int c : {0, 3, -1}) {
        plotDeformada(c, 1.0);
        plotAxial(c, 1.0);
        plotCortante(c, 1.0);
        plotMomento(c, 1.0);
        plotCarga(c, 1.0);
        plotReacciones(c);
    }
    // Nothing was analysed: every value drawn is zero, on the member axis.
    const Imagen im = leerImagen();
    EXPECT_EQ(tintaEn(im, contornoM, 0.5, -0.3, 9.5, -5).cantidad, 0);
    GLint profundidad = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &profundidad);
    EXPECT_EQ(profundidad, 1);
}
