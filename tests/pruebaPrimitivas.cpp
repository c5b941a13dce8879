// Text panel and drawing primitives, drawn into a real window and read back.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

#include <GL/freeglut.h>

#include "globales.h"
#include "modeloPrueba.h"
#include "ventanaPrueba.h"
#include "viewer/elementosPlot.h"
#include "viewer/funcionPlot.h"
#include "viewer/interruptores.h"

namespace {

const Color verde = colorDe(colorPanel);
const Color verdeActivo = colorDe(colorComboActivo);
const Color verdeInactivo = colorDe(colorComboInactivo);
// Ink of the primitives, a colour that no layer uses.
const ColorRGB colorTinta = {0.9f, 0.5f, 0.1f};
const Color tinta = colorDe(colorTinta);

class Primitivas : public ::testing::Test {
protected:
    void SetUp() override
    {
        encuadrar(-10.0, 10.0, -10.0, 10.0);
        ponerColor(colorTinta);
        glLineWidth(1.0f);
    }
};

// Window point of an eye-space position of the text panel.
PuntoVentana proyectarPanel(double x, double y)
{
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -profundidadPanel);
    const PuntoVentana p = proyectar(x, y);
    glPopMatrix();
    return p;
}

Caja buscarEnFila(const Imagen& im, Color c, PuntoVentana p, int ancho)
{
    const int x = pixelDe(p.x);
    const int y = pixelDe(p.y);
    return im.buscar(c, x - 1, y - 3, x + ancho, y + 10);
}

// One node with the combinations C1, C2, ...
void darCombos(int cantidad)
{
    std::vector<std::string> nombres;
    for (int i = 0; i < cantidad; ++i) {
        nombres.push_back("C" + std::to_string(i + 1));
    }
    nudoConCombos(nombres);
}

}  // namespace

class Panel : public Primitivas {
protected:
    void TearDown() override
    {
        vaciarModelo();
        dialogo = "Comando:";
        comando.clear();
    }
};

TEST_F(Panel, ElPromptEstaAbajoALaIzquierdaYLaOrdenDebajo)
{
    dialogo = "Comando:";
    comando = "";
    dibujarPanel();
    const Imagen sinOrden = leerImagen();
    encuadrar(-10.0, 10.0, -10.0, 10.0);
    comando = "plotM";
    dibujarPanel();
    const Imagen conOrden = leerImagen();

    const PuntoVentana p = proyectarPanel(xPrompt, yPrompt);
    EXPECT_LT(p.x, 150.0);
    EXPECT_LT(p.y, 60.0);
    const int x = pixelDe(p.x);
    const int y = pixelDe(p.y);
    const Caja prompt = conOrden.buscar(verde, x - 1, y - 2, x + 120, y + 14);
    EXPECT_GT(prompt.cantidad, 0);
    EXPECT_GE(prompt.xMinimo, x - 1);
    // The second line, "/>" and the command, stands one font height lower.
    const Caja segundaSin = sinOrden.buscar(verde, x - 1, y - 22, x + 120, y - 4);
    const Caja segundaCon = conOrden.buscar(verde, x - 1, y - 22, x + 120, y - 4);
    EXPECT_GT(segundaSin.cantidad, 0);
    EXPECT_GT(segundaCon.cantidad, segundaSin.cantidad);
    EXPECT_GT(segundaCon.xMaximo, segundaSin.xMaximo);
}

TEST_F(Panel, LosCombosActivosSeVenClarosYLosDemasOscuros)
{
    darCombos(3);
    flags[flagCombo(1)] = 1;
    flags[flagCombo(2)] = 2;  // even: switched on and off again
    dibujarPanel();
    const Imagen im = leerImagen();

    const PuntoVentana titulo = proyectarPanel(xTituloCombos, yTituloCombos);
    EXPECT_GT(titulo.x, 800.0);
    EXPECT_GT(titulo.y, 740.0);
    EXPECT_GT(buscarEnFila(im, verde, titulo, 150).cantidad, 0);

    const bool activo[3] = {false, true, false};
    for (int i = 0; i < 3; ++i) {
        const PuntoVentana fila = proyectarPanel(xListaCombos, yFilaCombo(i));
        const Caja claro = buscarEnFila(im, verdeActivo, fila, 30);
        const Caja oscuro = buscarEnFila(im, verdeInactivo, fila, 30);
        EXPECT_EQ(claro.cantidad > 0, activo[i]) << "combo " << i;
        EXPECT_EQ(oscuro.cantidad > 0, !activo[i]) << "combo " << i;
    }
}

// The panel's font has the Latin-1 glyphs: Ó stands where O would, one glyph
// as wide, with its accent above the capitals.
TEST_F(Panel, UnaLetraAcentuadaEsUnGlifoConSuAcento)
{
    const auto tintaDelNombre = [](const std::string& nombre) {
        encuadrar(-10.0, 10.0, -10.0, 10.0);
        nudoConCombos({nombre});
        dibujarPanel();
        const PuntoVentana fila = proyectarPanel(xListaCombos, yFilaCombo(0));
        const int x = pixelDe(fila.x);
        const int y = pixelDe(fila.y);
        return leerImagen().buscar(verdeInactivo, x - 1, y - 3, x + 150, y + 15);
    };
    const Caja llano = tintaDelNombre("COMBINACION_1");
    const Caja acentuado = tintaDelNombre("COMBINACI\xc3\x93N_1");
    ASSERT_GT(llano.cantidad, 0);
    EXPECT_EQ(acentuado.xMinimo, llano.xMinimo);
    EXPECT_EQ(acentuado.xMaximo, llano.xMaximo);
    EXPECT_EQ(acentuado.yMinimo, llano.yMinimo);
    EXPECT_GT(acentuado.yMaximo, llano.yMaximo);
    EXPECT_GT(acentuado.cantidad, llano.cantidad);
}

TEST_F(Panel, SinNudosSoloMuestraElTitulo)
{
    nudo.clear();
    dibujarPanel();
    const Imagen im = leerImagen();
    EXPECT_GT(buscarEnFila(im, verde, proyectarPanel(xTituloCombos, yTituloCombos), 150).cantidad, 0);
    EXPECT_EQ(im.buscarTodo(verdeActivo).cantidad, 0);
    EXPECT_EQ(im.buscarTodo(verdeInactivo).cantidad, 0);
}

// Rows are a step apart from the top, so the window shows the first 48; the
// rows of combinations without a switch lie far below its lower edge and
// must add nothing anywhere. (The sanitizer build catches a read of a switch
// that flags does not hold.)
TEST_F(Panel, MasDeCienCombosNoLeenFueraDeLosInterruptores)
{
    flags.assign(cantidadFlags, 1);
    darCombos(maxCombosVisibles);
    dibujarPanel();
    const Imagen cien = leerImagen();
    encuadrar(-10.0, 10.0, -10.0, 10.0);
    darCombos(130);
    dibujarPanel();
    const Imagen im = leerImagen();
    const PuntoVentana primera = proyectarPanel(xListaCombos, yFilaCombo(0));
    EXPECT_GT(buscarEnFila(im, verdeActivo, primera, 30).cantidad, 0);
    const PuntoVentana ultimaVisible = proyectarPanel(xListaCombos, yFilaCombo(47));
    EXPECT_GT(ultimaVisible.y, 0.0);
    EXPECT_GT(buscarEnFila(im, verdeActivo, ultimaVisible, 30).cantidad, 0);
    EXPECT_LT(proyectarPanel(xListaCombos, yFilaCombo(maxCombosVisibles)).y, 0.0);
    EXPECT_EQ(im.buscarTodo(verdeInactivo).cantidad, 0);
    EXPECT_EQ(im.rgb, cien.rgb);
    EXPECT_EQ(flags.size(), static_cast<size_t>(cantidadFlags));
}

// An arrow's head is two strokes at the head, reaching back e along the
// shaft and e/3 to each side; none stands at the tail.
class Flecha : public Primitivas, public ::testing::WithParamInterface<std::array<double, 4>> {};

TEST_P(Flecha, LaPuntaEstaEnLaCabeza)
{
    const auto [xc, yc, xp, yp] = GetParam();
    const double e = 1.5;
    drawFlecha(xc, yc, xp, yp, e);
    const Imagen im = leerImagen();
    const double L = std::hypot(xp - xc, yp - yc);
    const double ux = (xp - xc) / L;
    const double uy = (yp - yc) / L;
    // Midpoints of the two head strokes: back e/2 along the shaft, e/6 aside.
    for (double lado : {1.0, -1.0}) {
        const double mx = xp - ux * e / 2 - lado * uy * e / 6;
        const double my = yp - uy * e / 2 + lado * ux * e / 6;
        EXPECT_TRUE(im.hayCerca(tinta, proyectar(mx, my), 2)) << "lado " << lado;
        const double rx = xc + ux * e / 2 - lado * uy * e / 6;
        const double ry = yc + uy * e / 2 + lado * ux * e / 6;
        EXPECT_FALSE(im.hayCerca(tinta, proyectar(rx, ry), 2)) << "lado " << lado;
    }
    EXPECT_TRUE(im.hayCerca(tinta, proyectar((xc + xp) / 2, (yc + yp) / 2), 1));
}

INSTANTIATE_TEST_SUITE_P(
    Direcciones, Flecha,
    ::testing::Values(std::array<double, 4>{-8, 0, 8, 0}, std::array<double, 4>{8, 2, -8, 2},
                      std::array<double, 4>{0, 8, 0, -8}, std::array<double, 4>{-3, -7, -3, 7},
                      std::array<double, 4>{-6, -6, 6, 6}, std::array<double, 4>{6, -6, -6, 6}));

TEST_F(Primitivas, UnaFlechaSinLongitudNoDibujaNada)
{
    drawFlecha(2.0, 3.0, 2.0, 3.0, 1.0);
    EXPECT_EQ(leerImagen().buscarTodo(tinta).cantidad, 0);
}

TEST_F(Primitivas, ElArcoVaEnSentidoAntihorarioDeInicioAFin)
{
    const double R = 6.0;
    plotArco(1.0, -1.0, R, -90.0, 135.0);
    const Imagen im = leerImagen();
    for (int i = 0; i <= 10; ++i) {
        const double a = (-90.0 + i * 22.5) * PI / 180.0;
        EXPECT_TRUE(im.hayCerca(tinta, proyectar(1.0 + R * std::cos(a), -1.0 + R * std::sin(a)), 1))
            << "vértice " << i;
    }
    // The part from 135 to 270 degrees is left out.
    for (double grados : {180.0, 225.0}) {
        const double a = grados * PI / 180.0;
        EXPECT_FALSE(im.hayCerca(tinta, proyectar(1.0 + R * std::cos(a), -1.0 + R * std::sin(a)), 4));
    }
}

TEST_F(Primitivas, ElCirculoCompletoEsUnDecagonoCerrado)
{
    plotArco(0.0, 0.0, 5.0, 0.0, 360.0);
    const Imagen im = leerImagen();
    for (int i = 0; i < 10; ++i) {
        const double a = i * 36.0 * PI / 180.0;
        EXPECT_TRUE(im.hayCerca(tinta, proyectar(5.0 * std::cos(a), 5.0 * std::sin(a)), 1));
    }
    // The side between two vertices is a straight chord, inside the circle.
    const double medio = 5.0 * std::cos(18.0 * PI / 180.0);
    EXPECT_TRUE(im.hayCerca(
        tinta, proyectar(medio * std::cos(18.0 * PI / 180.0), medio * std::sin(18.0 * PI / 180.0)), 1));
}

// Where a label's ink lies along x, in model units, for a given alignment.
class Numero {
public:
    const char* nombre;
    void (*dibujar)(double, double, double, int, double);
    double valor;
    int decimales;
    int caracteres;
    double celdasAntes;  // how many character cells the text starts left of x
};

void PrintTo(const Numero& n, std::ostream* os) { *os << n.nombre; }

class Alineacion : public Primitivas, public ::testing::WithParamInterface<Numero> {};

TEST_P(Alineacion, ElTextoOcupaSusCeldasDesdeElAncla)
{
    const Numero n = GetParam();
    const double x = 0.0;
    const double y = -1.0;
    const double h = 2.0;
    n.dibujar(x, y, n.valor, n.decimales, h);
    const Caja caja = leerImagen().buscarTodo(tinta);
    ASSERT_GT(caja.cantidad, 0);
    const double inicio = x - n.celdasAntes * anchoCaracter(h);
    const double fin = inicio + n.caracteres * anchoCaracter(h);
    EXPECT_GE(caja.xMinimo, proyectar(inicio, y).x - 1);
    EXPECT_LE(caja.xMaximo, proyectar(fin, y).x + 1);
    // The last character is drawn in its own cell.
    EXPECT_GT(caja.xMaximo, proyectar(fin - anchoCaracter(h), y).x);
    // Digits stand on the baseline and within the text height.
    EXPECT_GE(caja.yMinimo, proyectar(x, y).y - 2);
    EXPECT_LE(caja.yMaximo, proyectar(x, y + h).y + 1);
}

INSTANTIATE_TEST_SUITE_P(Formatos, Alineacion,
                         ::testing::Values(Numero{"izquierda", drawNumFloat, -2.5, 1, 4, 0.0},
                                           Numero{"derecha", drawNumFloatRight, -2.5, 1, 4, 4.0},
                                           Numero{"centro", drawNumFloatCenter, -2.5, 1, 4, 2.0},
                                           Numero{"redondeo", drawNumFloat, 3.14159, 3, 5, 0.0},
                                           Numero{"exponente", drawNumSci, 1234.5, 2, 8, 0.0},
                                           Numero{"sinDecimales", drawNumFloat, 7.0, 0, 1, 0.0}),
                         [](const ::testing::TestParamInfo<Numero>& caso) {
                             return std::string(caso.param.nombre);
                         });

// Two drawings, each in a frame of its own, leave the same pixels, and some
// ink.
void dibujanIgual(const std::function<void()>& uno, const std::function<void()>& otro,
                  const std::string& caso)
{
    encuadrar(-10.0, 10.0, -10.0, 10.0);
    uno();
    const Imagen primera = leerImagen();
    encuadrar(-10.0, 10.0, -10.0, 10.0);
    otro();
    const Imagen segunda = leerImagen();
    EXPECT_GT(segunda.buscarTodo(tinta).cantidad, 0) << caso;
    EXPECT_EQ(primera.rgb, segunda.rgb) << caso;
}

// A number of decimals beyond the usable range draws the same label as the
// nearest count within it.
void dibujaComoDentroDelRango(void (*dibujar)(double, double, double, int, double), int fuera, int dentro)
{
    dibujanIgual([&] { dibujar(-5.0, 0.0, 2.0, fuera, 2.0); }, [&] { dibujar(-5.0, 0.0, 2.0, dentro, 2.0); },
                 "decimales " + std::to_string(fuera));
}

TEST_F(Primitivas, DecimalesNegativosCuentanComoCero) { dibujaComoDentroDelRango(drawNumFloat, -3, 0); }

TEST_F(Primitivas, MasDecimalesDeLosQueCabenCuentanComoLosQueCaben)
{
    dibujaComoDentroDelRango(drawNumSci, std::numeric_limits<int>::max(), 99);
}

TEST_F(Primitivas, ElDobleDeAlturaDibujaElDobleDeGrande)
{
    drawNumFloat(-8.0, 0.0, 88.0, 0, 1.5);
    const Caja chica = leerImagen().buscarTodo(tinta);
    encuadrar(-10.0, 10.0, -10.0, 10.0);
    drawNumFloat(-8.0, 0.0, 88.0, 0, 3.0);
    const Caja grande = leerImagen().buscarTodo(tinta);
    const double anchoChica = chica.xMaximo - chica.xMinimo;
    const double anchoGrande = grande.xMaximo - grande.xMinimo;
    EXPECT_NEAR(anchoGrande / anchoChica, 2.0, 0.15);
    EXPECT_NEAR(double(grande.yMaximo - grande.yMinimo) / (chica.yMaximo - chica.yMinimo), 2.0, 0.15);
}

TEST_F(Primitivas, AlturaCeroNoSeVe)
{
    drawNumFloat(0.0, 0.0, 123.0, 0, 0.0);
    drawTextoEscalado(0.0, 0.0, "texto", 0.0);
    EXPECT_EQ(leerImagen().buscarTodo(tinta).cantidad, 0);
}

namespace {

class TextoEquivalente {
public:
    const char* texto;
    const char* dibujado;
};

}  // namespace

// The stroke font has only ASCII: an accented letter is drawn without its
// accent, and a byte that is no UTF-8 as on the console.
TEST_F(Primitivas, LasLetrasAcentuadasPierdenElAcentoEnLosTrazos)
{
    const TextoEquivalente casos[] = {
        {"Secci\xc3\xb3n", "Seccion"},
        {"VIGA_\xc3\x81REA", "VIGA_AREA"},
        {"A\xc3\x91O", "ANO"},
        {"A\xd1O", "A\\xd1O"},
    };
    for (const TextoEquivalente& caso : casos) {
        dibujanIgual([&] { drawTextoEscalado(-9.0, 0.0, caso.texto, 2.0); },
                     [&] { drawTextoEscalado(-9.0, 0.0, caso.dibujado, 2.0); }, caso.dibujado);
    }
}

namespace {

class NumeroDibujado {
public:
    const char* nombre;
    std::function<void()> numero;
    std::function<void()> esperado;
};

void texto(const char* t) { drawTextoEscalado(-5.0, 0.0, t, 2.0); }

}  // namespace

// A value that rounds to zero at the decimals shown has no sign; one that
// does not keeps it.
TEST_F(Primitivas, UnValorQueRedondeaACeroNoLlevaSigno)
{
    const NumeroDibujado casos[] = {
        {"fijo", [] { drawNumFloat(-5.0, 0.0, -0.0004, 3, 2.0); }, [] { texto("0.000"); }},
        {"sin decimales", [] { drawNumFloat(-5.0, 0.0, -0.4, 0, 2.0); }, [] { texto("0"); }},
        {"cero negativo", [] { drawNumFloat(-5.0, 0.0, -0.0, 2, 2.0); }, [] { texto("0.00"); }},
        {"exponente", [] { drawNumSci(-5.0, 0.0, -0.0, 3, 2.0); }, [] { texto("0.000e+00"); }},
        {"rótulo", [] { escribirRotulo(-5.0, 0.0, "Rx: ", -1e-9, 3, 2.0); }, [] { texto("Rx: 0.000"); }},
        {"a la derecha", [] { drawNumFloatRight(5.0, 0.0, -0.0004, 3, 2.0); },
         [] { drawNumFloatRight(5.0, 0.0, 0.0, 3, 2.0); }},
        {"centrado", [] { drawNumFloatCenter(0.0, 0.0, -0.0004, 3, 2.0); },
         [] { drawNumFloatCenter(0.0, 0.0, 0.0, 3, 2.0); }},
        {"no redondea a cero", [] { drawNumFloat(-5.0, 0.0, -0.0006, 3, 2.0); }, [] { texto("-0.001"); }},
        {"exponente pequeño", [] { drawNumSci(-5.0, 0.0, -1e-300, 1, 2.0); }, [] { texto("-1.0e-300"); }},
    };
    for (const NumeroDibujado& caso : casos) {
        dibujanIgual(caso.numero, caso.esperado, caso.nombre);
    }
}

TEST_F(Primitivas, DejanLaMatrizComoLaEncontraron)
{
    GLdouble antes[16];
    GLdouble despues[16];
    glTranslatef(1.0f, 2.0f, 0.0f);
    glGetDoublev(GL_MODELVIEW_MATRIX, antes);
    drawFlecha(0, 0, 3, 4, 1);
    drawNumFloat(1, 1, 2.5, 2, 1);
    drawNumFloatRight(1, 1, 2.5, 2, 1);
    drawNumFloatCenter(1, 1, 2.5, 2, 1);
    drawNumSci(1, 1, 2.5, 2, 1);
    drawTextoEscalado(1, 1, "abc", 1);
    plotArco(0, 0, 1, 0, 90);
    plotDialogo();
    glGetDoublev(GL_MODELVIEW_MATRIX, despues);
    for (int i = 0; i < 16; ++i) {
        EXPECT_DOUBLE_EQ(antes[i], despues[i]);
    }
    int profundidad = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &profundidad);
    EXPECT_EQ(profundidad, 1);
}
