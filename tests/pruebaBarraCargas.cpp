// Member loads, combinations and equivalent nodal loads.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>

#include "model/objBarra2d.h"
#include "modeloPrueba.h"
#include "salidaPrueba.h"

namespace {

using Fila = std::array<double, 4>;
using Columna = std::array<double, 6>;

objBarra2d barraCon(double x2, double y2, int artInicio = 0, int artFin = 0)
{
    objBarra2d b = barraSuelta(7, 0, {0, 0}, 1, {x2, y2});
    ponerSeccion(b, 0.02, 0.0004, 2e8);
    b.setArticulacion(artInicio, artFin);
    return b;
}

// The analysis' order: stiffness (which keeps L, angle and T) before loads.
Eigen::MatrixXd equivalentesLocales(objBarra2d& b, const Fila& carga)
{
    b.getKGlobal();
    b.setCargaLocal("D", carga[0], carga[1], carga[2], carga[3]);
    b.setCombo("C1", 1.0, "D");
    return b.getCargasEquivalentesLocales();
}

void esperarFilaCombo(objBarra2d& b, int c, const Fila& esperada)
{
    EXPECT_NEAR(b.getFInicioCombo(c), esperada[0], 1e-12);
    EXPECT_NEAR(b.getFFinCombo(c), esperada[1], 1e-12);
    EXPECT_NEAR(b.getQInicioCombo(c), esperada[2], 1e-12);
    EXPECT_NEAR(b.getQFinCombo(c), esperada[3], 1e-12);
}

void esperarColumna(const Eigen::MatrixXd& m, int c, const Columna& esperada)
{
    ASSERT_EQ(m.rows(), 6);
    ASSERT_GT(m.cols(), c);
    for (int i = 0; i < 6; ++i) {
        EXPECT_NEAR(m(i, c), esperada[static_cast<size_t>(i)], 1e-9) << "fila " << i;
    }
}

}  // namespace

TEST(BarraCargas, UniformeSobreBarraDe6PorCasoDeArticulacion)
{
    struct Caso {
        int ai, af;
        Columna esperada;
    };
    const Caso casos[] = {
        {0, 0, {0, -30, -30, 0, -30, 30}},
        {1, 0, {0, -22.5, 0, 0, -37.5, 45}},
        {0, 1, {0, -37.5, -45, 0, -22.5, 0}},
        {1, 1, {0, -30, 0, 0, -30, 0}},
    };
    for (const Caso& k : casos) {
        SCOPED_TRACE(testing::Message() << k.ai << k.af);
        objBarra2d b = barraCon(6, 0, k.ai, k.af);
        esperarColumna(equivalentesLocales(b, {0, 0, -10, -10}), 0, k.esperada);
    }
}

TEST(BarraCargas, TriangularSobreBarraDe5)
{
    objBarra2d b = barraCon(5, 0);
    esperarColumna(equivalentesLocales(b, {0, 0, 0, -12}), 0, {0, -9, -10, 0, -21, 15});
}

TEST(BarraCargas, RepartoAxialEnBarraDe3)
{
    struct Caso {
        double p1, p2, F1, F4;
    };
    for (const Caso& k : {Caso{4, 1, 4.5, 3}, Caso{1, 4, 3, 4.5}, Caso{2, 2, 3, 3}}) {
        SCOPED_TRACE(testing::Message() << k.p1 << ", " << k.p2);
        objBarra2d b = barraCon(3, 0);
        esperarColumna(equivalentesLocales(b, {k.p1, k.p2, 0, 0}), 0, {k.F1, 0, 0, k.F4, 0, 0});
    }
}

TEST(BarraCargas, CargaGlobalSeResuelveEnEjesDeLaBarra)
{
    for (double dy : {-2.0, -1.0, -7.0}) {
        SCOPED_TRACE(dy);
        objBarra2d b = barraCon(3, 4);
        b.setCargaGlobal("L", 10, 10, 0, dy);
        b.setCombo("C1", 1.0, "L");
        esperarFilaCombo(b, 0, {-8, -8, -6, -6});
    }
}

TEST(BarraCargas, IntensidadesDistintasYDireccionInclinada)
{
    // Horizontal member, load along (1, 1): half of each intensity·√2 per axis.
    objBarra2d b = barraCon(4, 0);
    b.setCargaGlobal("L", 2, -4, 1, 1);
    b.setCombo("C1", 1.0, "L");
    const double r = std::sqrt(0.5);
    esperarFilaCombo(b, 0, {2 * r, -4 * r, 2 * r, -4 * r});
}

TEST(BarraCargas, PesoPropio)
{
    struct Caso {
        double x2, y2;
        Fila esperada;
    };
    const double w = 0.02 * 25;
    for (const Caso& k : {Caso{3, 4, {-0.4, -0.4, -0.3, -0.3}}, Caso{6, 0, {0, 0, -w, -w}}}) {
        SCOPED_TRACE(testing::Message() << k.x2 << ", " << k.y2);
        objBarra2d b = barraCon(k.x2, k.y2);
        b.setPesoEspecifico(25);
        b.setPesoPropio("PP");
        b.setCombo("C1", 1.0, "PP");
        esperarFilaCombo(b, 0, k.esperada);
    }
}

TEST(BarraCargas, PesoPropioDeUnaBarraRasante)
{
    // Rise 6e-6 over 6, either way along X: sin θ = 1e-6 to 12 digits, and
    // the weight's share along the member is w·sin θ towards the lower end.
    const double w = 0.02 * 25, seno = 6e-6 / std::hypot(6.0, 6e-6);
    for (double x2 : {6.0, -6.0}) {
        SCOPED_TRACE(x2);
        objBarra2d b = barraCon(x2, 6e-6);
        b.setPesoEspecifico(25);
        b.setPesoPropio("PP");
        b.setCombo("C1", 1.0, "PP");
        EXPECT_NEAR(b.getFInicioCombo(0), -w * seno, 1e-12 * w * seno);
        EXPECT_NEAR(b.getQInicioCombo(0), -w * x2 / std::abs(x2), 1e-12 * w);
    }
}

TEST(BarraCargas, ComboSumaAmbosEjesDelMismoCaso)
{
    objBarra2d b = barraCon(3, 4);
    b.setCargaLocal("D", 1, 2, 3, 4);
    b.setCargaGlobal("D", 10, 10, 0, -1);
    b.setCargaLocal("V", 100, 100, 100, 100);
    b.setCombo("U", 1.5, "D");
    esperarFilaCombo(b, 0, {1.5 * (1 - 8), 1.5 * (2 - 8), 1.5 * (3 - 6), 1.5 * (4 - 6)});
}

TEST(BarraCargas, ReglaDeCombinacion)
{
    objBarra2d b = barraCon(5, 0);
    b.setCargaLocal("D", 0, 0, -1, -1);
    b.setCargaLocal("V", 0, 0, -2, -4);
    b.setCombo("A", 1.2, "D");
    b.setCombo("B", 1.0, "NADA");
    b.setCombo("A", 0.5, "V");
    b.setCombo("C", 1.0, "V");
    const Eigen::MatrixXd m = b.getMatrizCargasCombo();
    ASSERT_EQ(m.rows(), 3);
    ASSERT_EQ(m.cols(), 4);
    esperarFilaCombo(b, 0, {0, 0, -2.2, -3.2});
    esperarFilaCombo(b, 1, {0, 0, 0, 0});
    esperarFilaCombo(b, 2, {0, 0, -2, -4});
}

TEST(BarraCargas, GettersFueraDeRangoDanCero)
{
    objBarra2d b = barraCon(5, 0);
    b.setCargaLocal("D", 1, 2, 3, 4);
    b.setCombo("A", 1.0, "D");
    for (int c : {-1, 1, 100}) {
        SCOPED_TRACE(c);
        esperarFilaCombo(b, c, {0, 0, 0, 0});
    }
}

TEST(BarraCargas, GlobalesSeGuardanHastaResetFlags)
{
    // (0,0)-(3,4), L = 5, uniform q = -10 across: local F2 = -25, M3 = -125/6.
    objBarra2d b = barraCon(3, 4);
    b.getKGlobal();
    b.setCargaLocal("D", 0, 0, -10, -10);
    b.setCombo("A", 1.0, "D");
    const Eigen::MatrixXd primera = b.getCargasEquivalentesGlobales();
    esperarColumna(primera, 0, {20, -15, -125.0 / 6, 20, -15, 125.0 / 6});

    b.setCombo("A", 1.0, "D");
    EXPECT_EQ(b.getCargasEquivalentesGlobales(), primera);

    b.resetFlags();
    esperarColumna(b.getCargasEquivalentesGlobales(), 0, {40, -30, -125.0 / 3, 40, -30, 125.0 / 3});
}

TEST(BarraCargas, SinCombosMatricesDe6Por0)
{
    objBarra2d b = barraCon(5, 0);
    b.getKGlobal();
    b.setCargaLocal("D", 1, 2, 3, 4);
    const Eigen::MatrixXd locales = b.getCargasEquivalentesLocales();
    const Eigen::MatrixXd globales = b.getCargasEquivalentesGlobales();
    EXPECT_EQ(locales.rows(), 6);
    EXPECT_EQ(locales.cols(), 0);
    EXPECT_EQ(globales.rows(), 6);
    EXPECT_EQ(globales.cols(), 0);
}

TEST(BarraCargas, SinAnguloLaCargaGlobalSeDescarta)
{
    objBarra2d b;
    b.resetFlags();
    b.setNumeroDeBarra(2);
    EXPECT_EQ(salidaDe([&] { b.setCargaGlobal("L", 5, 5, 0, -1); }),
              "Definir nudos del elemento\n"
              "no se puede calcular el angulo. Faltan datos\n"
              "el ángulo no está definido para calcular cargas globales de barra\n");
    b.setCombo("A", 1.0, "L");
    esperarFilaCombo(b, 0, {0, 0, 0, 0});
}

TEST(BarraCargas, DireccionNulaSeDescartaConUnaLinea)
{
    objBarra2d b = barraCon(3, 4);
    EXPECT_EQ(salidaDe([&] { b.setCargaGlobal("L", 5, 5, 0, 0); }),
              "Dirección nula de carga global en Elemento: 7\n");
    b.setCargaGlobal("L", 10, 10, 0, -1);
    b.setCombo("A", 1.0, "L");
    esperarFilaCombo(b, 0, {-8, -8, -6, -6});
}

TEST(BarraCargas, BarraSinRigidezNoDaCargasEquivalentes)
{
    struct Caso {
        double x2;
        int ai, af;
    };
    for (const Caso& k : {Caso{4, 2, 0}, Caso{4, 0, -1}, Caso{0, 0, 0}}) {
        SCOPED_TRACE(testing::Message() << k.x2 << " " << k.ai << k.af);
        objBarra2d b = barraCon(k.x2, 0, k.ai, k.af);
        salidaDe([&] { b.getKGlobal(); });
        b.setCargaLocal("D", 3, 1, -10, -5);
        b.setCombo("A", 1.0, "D");
        const Eigen::MatrixXd locales = b.getCargasEquivalentesLocales();
        ASSERT_EQ(locales.cols(), 1);
        EXPECT_TRUE(locales.isZero());
        EXPECT_TRUE(b.getCargasEquivalentesGlobales().isZero());
    }
}
