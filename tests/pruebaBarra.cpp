// Member data, geometry and stiffness.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "model/objBarra2d.h"
#include "modeloPrueba.h"
#include "salidaPrueba.h"

namespace {

const double PI_ = 3.141592653589793;

objBarra2d barraEntre(double x1, double y1, double x2, double y2)
{
    return barraSuelta(3, 0, {x1, y1}, 2, {x2, y2});
}

objBarra2d barraConSeccion(double x2, double y2, int artInicio, int artFin)
{
    objBarra2d b = barraEntre(0, 0, x2, y2);
    ponerSeccion(b, 0.02, 0.0004, 2e8);
    b.setArticulacion(artInicio, artFin);
    return b;
}

}  // namespace

TEST(Barra, LongitudYAngulo)
{
    struct Caso {
        double x, y, L, angulo;
    };
    const Caso casos[] = {
        {3, 4, 5, std::atan2(4.0, 3.0)},
        {3, -4, 5, -std::atan2(4.0, 3.0)},
        {-2, 0, 2, PI_},
        {0, -3, 3, -PI_ / 2},
        {0, 3, 3, PI_ / 2},
        {7, 0, 7, 0.0},
        {-1e-9, 0, 1e-9, PI_},
    };
    for (const Caso& k : casos) {
        SCOPED_TRACE(testing::Message() << k.x << ", " << k.y);
        objBarra2d b = barraEntre(0, 0, k.x, k.y);
        EXPECT_NEAR(b.getLongitud(), k.L, 1e-12 * k.L);
        EXPECT_NEAR(b.getAngulo(), k.angulo, 1e-12);
        EXPECT_FALSE(std::isnan(b.getAngulo()));
    }
}

TEST(Barra, AnguloDeLaBarraDe3Por4)
{
    objBarra2d b = barraEntre(0, 0, 3, 4);
    EXPECT_NEAR(b.getAngulo(), 0.9273, 1e-4);
    const Eigen::MatrixXd T = b.getT();
    EXPECT_NEAR(T(0, 0), 0.6, 1e-12);
    EXPECT_NEAR(T(0, 1), 0.8, 1e-12);
    EXPECT_NEAR(T(1, 0), -0.8, 1e-12);
    EXPECT_NEAR(T(4, 4), 0.6, 1e-12);
    EXPECT_EQ(T(2, 2), 1.0);
    EXPECT_EQ(T(5, 5), 1.0);
    EXPECT_TRUE((T * T.transpose()).isIdentity(1e-12));
}

// A member within a hair of the X axis, either way along it: its direction
// cosines are those of its coordinates, and a bar hinged at both ends
// stiffens its end across the axis by EA/L·sin²θ.
TEST(Barra, BarraRasanteTomaSuDireccionDeSusCoordenadas)
{
    struct Caso {
        double dx, dy;
    };
    const Caso casos[] = {{6, 6e-6}, {6, -6e-6}, {-6, 6e-6}, {-6, -6e-6}, {1, 1e-8}, {-1, 1e-8}, {5, 5e-10}};
    const double EA = 0.02 * 2e8;
    for (const Caso& k : casos) {
        SCOPED_TRACE(testing::Message() << k.dx << ", " << k.dy);
        objBarra2d b = barraConSeccion(k.dx, k.dy, 1, 1);
        const long double L =
            std::sqrt(static_cast<long double>(k.dx) * k.dx + static_cast<long double>(k.dy) * k.dy);
        const double c = static_cast<double>(k.dx / L);
        const double s = static_cast<double>(k.dy / L);
        const double rigidezTransversal = EA / static_cast<double>(L) * s * s;
        EXPECT_NEAR(b.getKGlobal()(1, 1), rigidezTransversal, 1e-12 * rigidezTransversal);
        const Eigen::MatrixXd T = b.getT();
        EXPECT_NEAR(T(0, 0), c, 1e-15);
        EXPECT_NEAR(T(0, 1), s, 1e-15 * std::abs(s));
        EXPECT_NEAR(T(1, 0), -s, 1e-15 * std::abs(s));
        EXPECT_NEAR(b.getAngulo(), std::atan2(s, c), 1e-15 * std::abs(std::atan2(s, c)));
    }
}

TEST(Barra, SeccionRectangular)
{
    objBarra2d b;
    b.setSeccionRectangular(2, 3);
    EXPECT_DOUBLE_EQ(b.getArea(), 6.0);
    EXPECT_DOUBLE_EQ(b.getInercia(), 4.5);
}

TEST(Barra, RigidezLocalPorCasoDeArticulacion)
{
    const double L = 4.0, E = 2e8, A = 0.02, I = 0.0004;
    const double EA = E * A / L, EI = E * I;
    struct Caso {
        int ai, af;
        int ceroFila;
    };
    for (const Caso& k : {Caso{0, 0, -1}, Caso{1, 0, 2}, Caso{0, 1, 5}, Caso{1, 1, -1}}) {
        SCOPED_TRACE(testing::Message() << k.ai << k.af);
        objBarra2d b = barraConSeccion(L, 0, k.ai, k.af);
        const Eigen::MatrixXd K = b.getKLocal();
        ASSERT_EQ(K.rows(), 6);
        EXPECT_TRUE(K.isApprox(K.transpose()));
        EXPECT_DOUBLE_EQ(K(0, 0), EA);
        EXPECT_DOUBLE_EQ(K(0, 3), -EA);
        EXPECT_DOUBLE_EQ(K(3, 3), EA);
        if (k.ceroFila >= 0) {
            EXPECT_TRUE(K.row(k.ceroFila).isZero());
            EXPECT_TRUE(K.col(k.ceroFila).isZero());
        }
        if (k.ai == 0 && k.af == 0) {
            EXPECT_DOUBLE_EQ(K(1, 1), 12 * EI / std::pow(L, 3));
            EXPECT_DOUBLE_EQ(K(1, 2), 6 * EI / (L * L));
            EXPECT_DOUBLE_EQ(K(2, 2), 4 * EI / L);
            EXPECT_DOUBLE_EQ(K(2, 5), 2 * EI / L);
            EXPECT_DOUBLE_EQ(K(4, 5), -6 * EI / (L * L));
        } else if (k.ai == 1 && k.af == 1) {
            Eigen::MatrixXd soloAxial = K;
            soloAxial(0, 0) = soloAxial(0, 3) = soloAxial(3, 0) = soloAxial(3, 3) = 0.0;
            EXPECT_TRUE(soloAxial.isZero());
        } else {
            const int giro = k.ai == 1 ? 5 : 2;
            EXPECT_DOUBLE_EQ(K(1, 1), 3 * EI / std::pow(L, 3));
            EXPECT_DOUBLE_EQ(K(giro, giro), 3 * EI / L);
            EXPECT_DOUBLE_EQ(K(1, giro), 3 * EI / (L * L));
            EXPECT_DOUBLE_EQ(K(4, giro), -3 * EI / (L * L));
        }
    }
}

TEST(Barra, RigidezGlobalIgualALocalSobreX)
{
    objBarra2d b = barraConSeccion(5, 0, 0, 0);
    const Eigen::MatrixXd kg = b.getKGlobal();
    EXPECT_TRUE(b.getT().isIdentity());
    EXPECT_TRUE(kg.isApprox(b.getKLocal()));
}

TEST(Barra, RigidezGlobalDeBarraVertical)
{
    const double L = 3.0, E = 2e8, A = 0.02, I = 0.0004;
    objBarra2d b = barraConSeccion(0, L, 0, 0);
    const Eigen::MatrixXd kg = b.getKGlobal();
    EXPECT_NEAR(kg(0, 0), 12 * E * I / std::pow(L, 3), 1e-6);
    EXPECT_NEAR(kg(1, 1), E * A / L, 1e-6);
    EXPECT_NEAR(kg(0, 2), -6 * E * I / (L * L), 1e-6);
    EXPECT_NEAR(kg(1, 2), 0.0, 1e-6);
    EXPECT_TRUE(kg.isApprox(kg.transpose()));
}

TEST(Barra, GradosDeLibertadDeLosDosNudos)
{
    objBarra2d b = barraEntre(0, 0, 1, 0);
    Eigen::VectorXi esperado(6);
    esperado << 0, 1, 2, 6, 7, 8;
    EXPECT_EQ(b.getGdl(), esperado);

    objBarra2d inversa;
    inversa.resetFlags();
    inversa.setNudoInicio(2, 1, 0);
    inversa.setNudoFinal(0, 0, 0);
    esperado << 6, 7, 8, 0, 1, 2;
    EXPECT_EQ(inversa.getGdl(), esperado);
}

TEST(Barra, ValoresGuardadosHastaResetFlags)
{
    objBarra2d b = barraConSeccion(4, 0, 0, 0);
    const Eigen::MatrixXd k1 = b.getKGlobal();
    b.setNudoFinal(2, 0, 8);
    b.setSeccionGenerica(1.0, 1.0);
    EXPECT_DOUBLE_EQ(b.getLongitud(), 4.0);
    EXPECT_DOUBLE_EQ(b.getAngulo(), 0.0);
    EXPECT_TRUE(b.getKGlobal().isApprox(k1));

    b.resetFlags();
    b.setNudoInicio(0, 0, 0);
    b.setNudoFinal(2, 0, 8);
    b.setSeccionGenerica(0.02, 0.0004);
    b.setModuloE(2e8);
    EXPECT_DOUBLE_EQ(b.getLongitud(), 8.0);
    EXPECT_DOUBLE_EQ(b.getAngulo(), PI_ / 2);
    EXPECT_NEAR(b.getKGlobal()(1, 1), 2e8 * 0.02 / 8.0, 1e-6);
}

TEST(Barra, BarraSinNudosImprimeCincoLineasEnCadaLlamada)
{
    objBarra2d b;
    b.resetFlags();
    b.setNumeroDeBarra(4);
    const std::string esperado = "Definir nudos del elemento\n"
                                 "no se puede calcular el angulo. Faltan datos\n"
                                 "Calcular primero el ángulo de la barra\n"
                                 "Definir nudos del elemento\n"
                                 "No están definidas E, I o L de Elemento: 4\n";
    for (int llamada = 0; llamada < 2; ++llamada) {
        Eigen::MatrixXd k;
        EXPECT_EQ(salidaDe([&] { k = b.getKGlobal(); }), esperado);
        EXPECT_TRUE(k.isZero());
        EXPECT_EQ(k.rows(), 6);
    }
    EXPECT_EQ(salidaDe([&] { b.getGdl(); }), "Definir primero los nudos de la barra\n");
    EXPECT_TRUE(b.getGdl().isZero());
}

TEST(Barra, SinSeccionNoHayRigidezYSeReintenta)
{
    objBarra2d b = barraEntre(0, 0, 2, 0);
    for (int llamada = 0; llamada < 2; ++llamada) {
        Eigen::MatrixXd k;
        EXPECT_EQ(salidaDe([&] { k = b.getKGlobal(); }), "No están definidas E, I o L de Elemento: 3\n");
        EXPECT_TRUE(k.isZero());
    }
    b.setSeccionGenerica(0.02, 0.0004);
    b.setModuloE(2e8);
    EXPECT_EQ(salidaDe([&] { b.getKGlobal(); }), "");
    EXPECT_FALSE(b.getKGlobal().isZero());
}

TEST(Barra, NombreDeSeccion)
{
    objBarra2d b;
    b.resetFlags();
    for (int llamada = 0; llamada < 2; ++llamada) {
        std::string nombre = "x";
        EXPECT_EQ(salidaDe([&] { nombre = b.getNombreDeSeccion(); }), "Definir el nombre de sección\n");
        EXPECT_EQ(nombre, "");
    }
    EXPECT_FALSE(b.getNombreDeSeccionDefinido());
    b.setNombreDeSeccion("VIGA");
    EXPECT_TRUE(b.getNombreDeSeccionDefinido());
    EXPECT_EQ(b.getNombreDeSeccion(), "VIGA");
}

TEST(Barra, ArticulacionInvalidaNoFormaRigidez)
{
    objBarra2d b = barraConSeccion(4, 0, 2, 0);
    Eigen::MatrixXd k;
    EXPECT_EQ(salidaDe([&] { k = b.getKGlobal(); }),
              "Código de articulación distinto de 0 y 1 en Elemento: 3\n");
    EXPECT_TRUE(k.isZero());
    EXPECT_EQ(salidaDe([&] { b.getKGlobal(); }), "Código de articulación distinto de 0 y 1 en Elemento: 3\n");
}

TEST(Barra, LongitudNulaNoFormaInfNiNaN)
{
    objBarra2d b = barraConSeccion(0, 0, 0, 0);
    Eigen::MatrixXd k;
    EXPECT_EQ(salidaDe([&] { k = b.getKGlobal(); }), "Longitud nula (nudos coincidentes) en Elemento: 3\n");
    EXPECT_TRUE(k.allFinite());
    EXPECT_TRUE(k.isZero());
    EXPECT_EQ(b.getAngulo(), 0.0);
}
