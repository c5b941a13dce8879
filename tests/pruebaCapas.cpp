// Model layers drawn one at a time into a real window: nodes, members,
// hinges, labels, supports and springs where and in the colour they belong.
#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

#include <GL/freeglut.h>

#include "globales.h"
#include "modeloPrueba.h"
#include "salidaPrueba.h"
#include "ventanaPrueba.h"
#include "viewer/elementosPlot.h"

namespace {

const Color rojoNudo = colorDe(colorNudo);
const Color grisBarra = colorDe(colorBarra);
const Color verdeArticulacion = colorDe(colorArticulacion);
const Color rojoTag = colorDe(colorTagNudo);
const Color grisTexto = colorDe(colorTextoBarra);
const Color amarilloApoyo = colorDe(colorApoyo);
const Color rojoResorte = colorDe(colorResorteGiro);

class Capas : public ::testing::Test {
protected:
    void TearDown() override { vaciarModelo(); }
};

// Window point of a point given in a symbol's unit frame at node (x, y).
PuntoVentana enSimbolo(double x, double y, double s, double u, double v)
{
    return proyectar(x + s * u, y + s * v);
}

}  // namespace

TEST_F(Capas, LosNudosSonEsferasRojasEnSuLugar)
{
    ponerNudos({{0, 0}, {10, 0}, {10, 5}});
    encuadrarModelo();
    plotNudos();
    const Imagen im = leerImagen();
    for (objNudo2d& n : nudo) {
        EXPECT_TRUE(im.hayCerca(rojoNudo, proyectar(n.getX(), n.getY()), 0));
    }
    EXPECT_FALSE(im.hayCerca(rojoNudo, proyectar(5, 0), 3));
    // Radius w / 400 = 0.025 units.
    const Caja esfera = im.buscarTodo(rojoNudo);
    const double diametro = 2 * 0.025 / unidadesPorPixel();
    EXPECT_NEAR(esfera.cantidad, 3 * PI * diametro * diametro / 4, 3 * 2 * diametro);
}

TEST_F(Capas, UnModeloVerticalTambienMuestraSusSimbolos)
{
    ponerNudos({{0, 0}, {0, 10}});
    nudo[0].setApoyo(1, 1, 0);
    unir(0, 1).setArticulacion(0, 1);
    encuadrarModelo();
    ASSERT_EQ(xMax - xMin, 0.0);
    plotNudos();
    plotArticulaciones();
    plotApoyos(0.0);
    const Imagen im = leerImagen();
    EXPECT_TRUE(im.hayCerca(rojoNudo, proyectar(0, 10), 0));
    // The height takes the width's place: hinge radius 10 / 200.
    EXPECT_TRUE(im.hayCerca(verdeArticulacion, proyectar(0.05, 9.7), 1));
    EXPECT_TRUE(im.hayCerca(amarilloApoyo, enSimbolo(0, 0, 0.2, 0.9, -1.3), 1));
}

TEST_F(Capas, UnModeloEnUnPuntoUsaUnaUnidad)
{
    ponerNudos({{0, 0}});
    encuadrarModelo();
    EXPECT_EQ(tamanoReferencia(), 1.0);
    ponerNudos({{0, 0}, {0, -4}});
    encuadrarModelo();
    EXPECT_EQ(tamanoReferencia(), 4.0);
}

TEST_F(Capas, LasBarrasSonLineasGrisesDeTresPixeles)
{
    ponerNudos({{0, 0}, {10, 0}, {10, 5}});
    unir(0, 1);
    unir(1, 2);
    encuadrarModelo();
    plotBarras();
    const Imagen im = leerImagen();
    const PuntoVentana medio = proyectar(5, 0);
    const int x = static_cast<int>(medio.x);
    EXPECT_EQ(im.buscar(grisBarra, x, 0, x, im.alto - 1).cantidad, 3);
    EXPECT_TRUE(im.hayCerca(grisBarra, proyectar(10, 2.5), 0));
    EXPECT_FALSE(im.hayCerca(grisBarra, proyectar(5, 2.5), 5));
}

// A member read with an end that no row of the node table bears keeps the
// origin there: it is not drawn, nor its hinges, number or section.
TEST_F(Capas, UnaBarraSinSusDosNudosNoSeDibuja)
{
    ponerNudos({{2, 2}, {10, 0}, {10, 5}});
    unir(1, 2).setNombreDeSeccion("S");
    objBarra2d suelta;
    suelta.resetFlags();
    suelta.setNudoInicio(0, 2, 2);
    suelta.setArticulacion(1, 1);
    suelta.setNombreDeSeccion("S");
    barra.push_back(suelta);
    ++noBarras;
    encuadrarModelo();
    plotBarras();
    plotArticulaciones();
    plotTagBarras(0.5);
    plotSecciones(0.5);
    const Imagen im = leerImagen();
    EXPECT_TRUE(im.hayCerca(grisBarra, proyectar(10, 2.5), 0));
    EXPECT_GT(im.buscarTodo(grisTexto).cantidad, 0);
    // Nothing between node 1 and the origin, where the missing end would stand.
    const PuntoVentana a = proyectar(-0.5, -0.5);
    const PuntoVentana b = proyectar(1.9, 1.9);
    for (Color c : {grisBarra, grisTexto, verdeArticulacion}) {
        const Caja tinta = im.buscar(c, static_cast<int>(a.x), static_cast<int>(a.y), static_cast<int>(b.x),
                                     static_cast<int>(b.y));
        EXPECT_EQ(tinta.cantidad, 0);
    }
    EXPECT_EQ(im.buscarTodo(verdeArticulacion).cantidad, 0);
}

TEST_F(Capas, LaArticulacionEstaAl3PorCientoDeSuNudo)
{
    ponerNudos({{0, 0}, {10, 0}, {10, 5}});
    unir(0, 1).setArticulacion(1, 0);
    unir(1, 2).setArticulacion(2, 1);
    encuadrarModelo();
    plotArticulaciones();
    const Imagen im = leerImagen();
    const double r = 10.0 / 200.0;
    EXPECT_TRUE(im.hayCerca(verdeArticulacion, proyectar(0.3 + r, 0), 1));
    EXPECT_TRUE(im.hayCerca(verdeArticulacion, proyectar(0.3 - r, 0), 1));
    EXPECT_FALSE(im.hayCerca(verdeArticulacion, proyectar(0.3, 0), 1));
    EXPECT_FALSE(im.hayCerca(verdeArticulacion, proyectar(9.7, 0), 6));
    // Code 2 at the start draws nothing; code 1 at the end does.
    EXPECT_FALSE(im.hayCerca(verdeArticulacion, proyectar(10, 0.15), 6));
    EXPECT_TRUE(im.hayCerca(verdeArticulacion, proyectar(10 + r, 4.85), 1));
}

TEST_F(Capas, LasEtiquetasEmpiezanJuntoASuAncla)
{
    ponerNudos({{0, 0}, {10, 0}, {10, 5}});
    unir(0, 1).setNombreDeSeccion("IPE");
    encuadrarModelo();
    const double r = 10.0 / 200.0;
    const double t = 0.5;
    struct Caso {
        void (*capa)(double);
        Color color;
        double x, y;
        int caracteres;
    };
    const Caso casos[] = {{plotTagNudos, rojoTag, 10 + r, 5 + r, 1},
                          {plotTagBarras, grisTexto, 5 + r, r, 1},
                          {plotSecciones, grisTexto, 5 + r, r, 3}};
    for (const Caso& c : casos) {
        encuadrarModelo();
        c.capa(t);
        // Each label stands right of and above its anchor, within its cells;
        // the other labels lie far from it.
        const PuntoVentana ancla = proyectar(c.x, c.y);
        const int x = static_cast<int>(ancla.x);
        const int y = static_cast<int>(ancla.y);
        const Caja tinta = leerImagen().buscar(c.color, x - 30, y - 30, x + 100, y + 60);
        ASSERT_GT(tinta.cantidad, 0);
        EXPECT_GE(tinta.xMinimo, ancla.x - 1);
        EXPECT_LE(tinta.xMaximo, proyectar(c.x + c.caracteres * anchoCaracter(t), c.y).x + 1);
        EXPECT_GE(tinta.yMinimo, ancla.y - 2);
        EXPECT_LE(tinta.yMaximo, proyectar(c.x, c.y + t).y + 1);
    }
}

// Ink of colour c within a rectangle given in model coordinates.
int tintaEntre(const Imagen& im, Color c, double x0, double y0, double x1, double y1)
{
    const PuntoVentana a = proyectar(x0, y0);
    const PuntoVentana b = proyectar(x1, y1);
    return im.buscar(c, pixelDe(a.x), pixelDe(a.y), pixelDe(b.x), pixelDe(b.y)).cantidad;
}

// The reading says once that a member has no section name; the layer, drawn
// on every frame, says nothing and draws no name for it.
TEST_F(Capas, UnaBarraSinSeccionNoLlevaNombreNiLlenaLaConsola)
{
    ponerNudos({{0, 0}, {10, 0}, {10, 5}});
    unir(0, 1).setNombreDeSeccion("IPE");
    unir(1, 2);
    encuadrarModelo();
    const std::string salida = salidaDe([] {
        for (int cuadro = 0; cuadro < 100; ++cuadro) {
            plotSecciones(0.5);
        }
    });
    EXPECT_EQ(salida, "");
    const Imagen im = leerImagen();
    EXPECT_GT(tintaEntre(im, grisTexto, 5.0, 0.0, 7.0, 0.7), 0) << "la barra 1 lleva su sección";
    EXPECT_EQ(tintaEntre(im, grisTexto, 10.0, 2.0, 12.0, 3.5), 0) << "la barra 2 no lleva nombre";
}

TEST_F(Capas, CadaNudoTieneSuNumeroDeUsuario)
{
    ponerNudos({{0, 0}, {10, 0}});
    nudo[0].setNumeroNudoUsuario(1);
    nudo[1].setNumeroNudoUsuario(12345);
    encuadrarModelo();
    plotTagNudos(0.5);
    const Imagen im = leerImagen();
    const Caja primero = im.buscar(rojoTag, 0, 0, 499, 799);
    const Caja segundo = im.buscar(rojoTag, 500, 0, 999, 799);
    EXPECT_LE(primero.xMaximo - primero.xMinimo, anchoCaracter(0.5) / unidadesPorPixel());
    EXPECT_GT(segundo.xMaximo - segundo.xMinimo, 4 * anchoCaracter(0.5) / unidadesPorPixel());
}

// Characteristic points of each support symbol, in its unit frame.
class CasoApoyo {
public:
    const char* nombre;
    int x, y, giro;
    std::vector<std::array<double, 2>> presentes;
    std::vector<std::array<double, 2>> ausentes;
};

void PrintTo(const CasoApoyo& c, std::ostream* os) { *os << c.nombre; }

class Apoyos : public Capas, public ::testing::WithParamInterface<CasoApoyo> {};

TEST_P(Apoyos, CadaPatronDibujaSuSimboloEnElNudo)
{
    const CasoApoyo c = GetParam();
    ponerNudos({{0, 0}, {10, 0}, {4, 5}});
    nudo[2].setApoyo(c.x, c.y, c.giro);
    encuadrarModelo();
    const double s = 1.0;
    plotApoyos(s);
    const Imagen im = leerImagen();
    EXPECT_EQ(im.buscarTodo(amarilloApoyo).cantidad > 0, !c.presentes.empty());
    for (const auto& p : c.presentes) {
        EXPECT_TRUE(im.hayCerca(amarilloApoyo, enSimbolo(4, 5, s, p[0], p[1]), 1)) << p[0] << ", " << p[1];
    }
    for (const auto& p : c.ausentes) {
        EXPECT_FALSE(im.hayCerca(amarilloApoyo, enSimbolo(4, 5, s, p[0], p[1]), 2)) << p[0] << ", " << p[1];
    }
}

INSTANTIATE_TEST_SUITE_P(
    Patrones, Apoyos,
    ::testing::Values(
        // Ground line level with the node, hatch below it.
        CasoApoyo{"empotrado",
                  1,
                  1,
                  1,
                  {{0.9, 0}, {-0.9, 0}, {0.165, -0.3}, {-0.835, -0.3}},
                  {{0.9, -1.3}, {0.8, -0.3}}},
        // Triangle with its apex at the node on a ground line 1.3 below.
        CasoApoyo{
            "articulado", 1, 1, 0, {{0.9, -1.3}, {-0.375, -0.65}, {0.375, -0.65}}, {{0.9, 0}, {0.65, -0.65}}},
        // A circle between the node and the ground line.
        CasoApoyo{
            "rodilloY", 0, 1, 0, {{0.9, -1.3}, {0.65, -0.65}, {-0.65, -0.65}}, {{0.375, -0.65}, {1.3, 0.9}}},
        // Turned a quarter: ground line upright to the right of the node.
        CasoApoyo{
            "rodilloX", 1, 0, 0, {{1.3, 0.9}, {1.3, -0.9}, {0.65, 0.65}}, {{0.9, -1.3}, {-0.65, -0.65}}},
        CasoApoyo{"soloGiro", 0, 0, 1, {}, {}}, CasoApoyo{"xGiro", 1, 0, 1, {}, {}},
        CasoApoyo{"yGiro", 0, 1, 1, {}, {}}, CasoApoyo{"libre", 0, 0, 0, {}, {}},
        CasoApoyo{"codigoDos", 2, 1, 0, {}, {}}),
    [](const ::testing::TestParamInfo<CasoApoyo>& caso) { return std::string(caso.param.nombre); });

TEST_F(Capas, SinTamanoElApoyoMideUnCincuentavoDelAncho)
{
    ponerNudos({{0, 0}, {10, 0}, {4, 5}});
    nudo[2].setApoyo(1, 1, 1);
    encuadrarModelo();
    plotApoyos(0.0);
    const Caja simbolo = leerImagen().buscarTodo(amarilloApoyo);
    const double ancho = 2 * 10.0 / 50.0 / unidadesPorPixel();
    EXPECT_NEAR(simbolo.xMaximo - simbolo.xMinimo, ancho, 2.0);
    EXPECT_NEAR((simbolo.xMaximo + simbolo.xMinimo) / 2.0, proyectar(4, 5).x, 1.5);
}

class CasoResorte {
public:
    const char* nombre;
    double kx, ky, kg;
};

void PrintTo(const CasoResorte& c, std::ostream* os) { *os << c.nombre; }

class Resortes : public Capas, public ::testing::WithParamInterface<CasoResorte> {};

TEST_P(Resortes, UnSimboloPorCadaRigidezNoNula)
{
    const CasoResorte c = GetParam();
    ponerNudos({{0, 0}, {10, 0}, {5, 5}});
    nudo[2].setResorte(c.kx, c.ky, c.kg);
    encuadrarModelo();
    const double s = 1.0;
    plotResortes(s);
    const Imagen im = leerImagen();
    // x: wall 1.7 left of the node and the zigzag's steep stroke.
    EXPECT_EQ(im.hayCerca(amarilloApoyo, enSimbolo(5, 5, s, -1.7, 0.5), 1), c.kx != 0);
    EXPECT_EQ(im.hayCerca(amarilloApoyo, enSimbolo(5, 5, s, -0.85, 0.0), 1), c.kx != 0);
    // y: the same turned a quarter, the wall 1.7 below the node.
    EXPECT_EQ(im.hayCerca(amarilloApoyo, enSimbolo(5, 5, s, 0.5, -1.7), 1), c.ky != 0);
    EXPECT_EQ(im.hayCerca(amarilloApoyo, enSimbolo(5, 5, s, 0.0, -0.85), 1), c.ky != 0);
    // Rotation: the anchor stroke and the spiral passing below the node.
    EXPECT_EQ(im.hayCerca(rojoResorte, enSimbolo(5, 5, s, 0.6, 1.4), 1), c.kg != 0);
    EXPECT_EQ(im.hayCerca(rojoResorte, enSimbolo(5, 5, s, 0.0, -0.8), 1), c.kg != 0);
}

INSTANTIATE_TEST_SUITE_P(Rigideces, Resortes,
                         ::testing::Values(CasoResorte{"x", 100, 0, 0}, CasoResorte{"y", 0, 5, 0},
                                           CasoResorte{"giro", 0, 0, 1e6}, CasoResorte{"negativo", -3, 0, 0},
                                           CasoResorte{"todos", 1, 2, 3}, CasoResorte{"ninguno", 0, 0, 0}),
                         [](const ::testing::TestParamInfo<CasoResorte>& caso) {
                             return std::string(caso.param.nombre);
                         });

TEST_F(Capas, LasCapasDejanLaMatrizComoLaEncontraron)
{
    ponerNudos({{0, 0}, {10, 0}});
    nudo[0].setApoyo(1, 0, 0);
    nudo[1].setResorte(1, 1, 1);
    unir(0, 1).setArticulacion(1, 1);
    barra[0].setNombreDeSeccion("S");
    encuadrarModelo();
    GLdouble antes[16];
    GLdouble despues[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, antes);
    plotNudos();
    plotBarras();
    plotArticulaciones();
    plotTagNudos(1);
    plotTagBarras(1);
    plotSecciones(1);
    plotApoyos(0);
    plotResortes(0);
    glGetDoublev(GL_MODELVIEW_MATRIX, despues);
    for (int i = 0; i < 16; ++i) {
        EXPECT_DOUBLE_EQ(antes[i], despues[i]);
    }
}
