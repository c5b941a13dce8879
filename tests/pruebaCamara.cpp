// Camera: framing of the model with the origin, zoom steps and mouse pan.
#include <GL/glut.h>
#include <gtest/gtest.h>

#include <cmath>

#include "globales.h"
#include "modeloPrueba.h"
#include "ventanaPrueba.h"
#include "viewer/funcionPlot.h"

namespace {

// 1.1 / (2 tan(22.5 degrees)): the height at which an extent of one model
// unit fills the 45-degree view, plus 10 %.
const double alturaPorUnidad = 1.3278174593052023;

class Camara : public ::testing::Test {
protected:
    void TearDown() override
    {
        vaciarModelo();
        clickIzq = xLast = yLast = 0;
    }
};

}  // namespace

TEST_F(Camara, ModeloLejosDelOrigenSeEncuadraConElOrigen)
{
    ponerNudos({{100, 2}, {110, 2}, {105, 8}});
    funcionFronteraGraf();
    EXPECT_EQ(xMin, 0.0);
    EXPECT_EQ(xMax, 110.0);
    EXPECT_EQ(yMin, 0.0);
    EXPECT_EQ(yMax, 8.0);
    EXPECT_DOUBLE_EQ(xCam, 55.0);
    EXPECT_DOUBLE_EQ(xCentroObj, 55.0);
    EXPECT_DOUBLE_EQ(yCam, 4.0);
    EXPECT_DOUBLE_EQ(yCentroObj, 4.0);
    EXPECT_NEAR(zCam, 110 * alturaPorUnidad, 1e-9);
}

TEST_F(Camara, ModeloBajoElOrigenLlevaElCuadroANegativos)
{
    ponerNudos({{-4, -3}, {-1, -6}});
    funcionFronteraGraf();
    EXPECT_EQ(xMin, -4.0);
    EXPECT_EQ(xMax, 0.0);
    EXPECT_EQ(yMin, -6.0);
    EXPECT_EQ(yMax, 0.0);
    EXPECT_DOUBLE_EQ(xCam, -2.0);
    EXPECT_DOUBLE_EQ(yCam, -3.0);
    EXPECT_NEAR(zCam, 6 * alturaPorUnidad, 1e-12);
}

TEST_F(Camara, LineaHorizontalSeEncuadraPorSuAncho)
{
    ponerNudos({{0, 0}, {4, 0}, {10, 0}});
    funcionFronteraGraf();
    EXPECT_DOUBLE_EQ(xCam, 5.0);
    EXPECT_DOUBLE_EQ(yCam, 0.0);
    EXPECT_NEAR(zCam, 10 * alturaPorUnidad, 1e-12);
}

TEST_F(Camara, LineaVerticalSeEncuadraPorSuAltura)
{
    ponerNudos({{0, 0}, {0, 8}});
    funcionFronteraGraf();
    EXPECT_DOUBLE_EQ(xCam, 0.0);
    EXPECT_DOUBLE_EQ(yCam, 4.0);
    EXPECT_NEAR(zCam, 8 * alturaPorUnidad, 1e-12);
}

TEST_F(Camara, TodoEnElOrigenSeEncuadraComoUnaUnidadYAdmiteZoom)
{
    ponerNudos({{0, 0}, {0, 0}});
    funcionFronteraGraf();
    EXPECT_EQ(xMax - xMin, 0.0);
    EXPECT_DOUBLE_EQ(xCam, 0.0);
    EXPECT_DOUBLE_EQ(yCam, 0.0);
    EXPECT_NEAR(zCam, alturaPorUnidad, 1e-12);
    zoomOut();
    EXPECT_NEAR(zCam, alturaPorUnidad * 1.07, 1e-12);
}

TEST_F(Camara, SinNudosSeEncuadraComoUnaUnidad)
{
    ponerNudos({});
    funcionFronteraGraf();
    EXPECT_NEAR(zCam, alturaPorUnidad, 1e-12);
}

TEST_F(Camara, DiezPasosDeRuedaAdelanteYAtras)
{
    ponerNudos({{0, 0}, {10, 0}});
    funcionFronteraGraf();
    const double inicial = zCam;
    for (int paso = 0; paso < 10; ++paso) {
        mouseButton(botonRuedaAdelante, GLUT_DOWN, 0, 0);
        EXPECT_NEAR(zCam, inicial / std::pow(1.07, paso), 1e-9) << "la pulsación sola no cambia el zoom";
        mouseButton(botonRuedaAdelante, GLUT_UP, 0, 0);
    }
    EXPECT_NEAR(zCam / inicial, 0.508349, 1e-6);
    for (int paso = 0; paso < 10; ++paso) {
        mouseButton(botonRuedaAtras, GLUT_DOWN, 0, 0);
        mouseButton(botonRuedaAtras, GLUT_UP, 0, 0);
    }
    EXPECT_NEAR(zCam, inicial, 1e-9);
}

TEST_F(Camara, ArrastreIzquierdoMueveOjoYObjetivoPorPixel)
{
    ponerNudos({{0, 0}, {10, 0}});
    funcionFronteraGraf();
    const double k = std::tan(3.141592653589793 / 8) * 2 * zCam / 1000;
    const double zInicial = zCam;
    mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 100, 100);
    mouseMove(110, 90);
    // The pointer went 10 px right and 10 px up: the eye goes left and down,
    // so the model follows the pointer.
    EXPECT_NEAR(xCam, 5 - 10 * k, 1e-12);
    EXPECT_NEAR(xCentroObj, 5 - 10 * k, 1e-12);
    EXPECT_NEAR(yCam, -10 * k, 1e-12);
    EXPECT_NEAR(yCentroObj, -10 * k, 1e-12);
    EXPECT_EQ(zCam, zInicial);
    mouseMove(105, 90);
    EXPECT_NEAR(xCam, 5 - 5 * k, 1e-12);
    EXPECT_EQ(xLast, 105);
    EXPECT_EQ(yLast, 90);
}

TEST_F(Camara, SinBotonIzquierdoNoHayArrastre)
{
    ponerNudos({{0, 0}, {10, 0}});
    funcionFronteraGraf();
    mouseMove(300, 300);
    mouseButton(GLUT_MIDDLE_BUTTON, GLUT_DOWN, 0, 0);
    mouseMove(50, 50);
    mouseButton(GLUT_RIGHT_BUTTON, GLUT_DOWN, 0, 0);
    mouseMove(70, 20);
    EXPECT_DOUBLE_EQ(xCam, 5.0);
    EXPECT_DOUBLE_EQ(yCam, 0.0);
    mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
    mouseButton(GLUT_LEFT_BUTTON, GLUT_UP, 0, 0);
    EXPECT_EQ(clickIzq, -1);
    mouseMove(40, 40);
    EXPECT_DOUBLE_EQ(xCam, 5.0);
    EXPECT_DOUBLE_EQ(yCam, 0.0);
}

TEST_F(Camara, OtroBotonDuranteElArrastreNoLoCorta)
{
    ponerNudos({{0, 0}, {10, 0}});
    funcionFronteraGraf();
    const double k = std::tan(3.141592653589793 / 8) * 2 * zCam / 1000;
    mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 0, 0);
    mouseButton(GLUT_RIGHT_BUTTON, GLUT_DOWN, 20, 0);
    mouseMove(20, 0);
    EXPECT_NEAR(xCam, 5 - 20 * k, 1e-12);
}

namespace {

// The camera comes at most this many times nearer, or goes as many times
// farther, than the distance that frames the model.
const double factorZoom = 1000.0;
// Wheel steps that take the camera from one bound back to the framing
// distance, within one step: 1.07^102 is about 994.
const int pasosDeVuelta = 102;

}  // namespace

// Eleven thousand steps once made the distance underflow to 0 or overflow,
// and the model was never seen again.
TEST_F(Camara, ElZoomSeDetieneEnLimitesQueFijaElTamanoDelModelo)
{
    const std::initializer_list<Punto> modelos[] = {
        {{0, 0}, {10, 0}}, {{0, 0}, {6000, 4000}}, {{0, 0}, {0.01, 0}}};
    const double vuelta = std::pow(1.07, pasosDeVuelta) / factorZoom;
    for (const auto& nudos : modelos) {
        ponerNudos(nudos);
        funcionFronteraGraf();
        const double inicial = zCam;
        pasosDeRueda(11300);
        EXPECT_NEAR(zCam / inicial, 1 / factorZoom, 1e-12) << inicial;
        pasosDeRueda(-pasosDeVuelta);
        EXPECT_NEAR(zCam / inicial, vuelta, 1e-9) << inicial;
        pasosDeRueda(-11300);
        EXPECT_NEAR(zCam / inicial, factorZoom, 1e-9) << inicial;
        pasosDeRueda(pasosDeVuelta);
        EXPECT_NEAR(zCam / inicial, 1 / vuelta, 1e-9) << inicial;
    }
}
