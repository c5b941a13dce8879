// Node: combination rule, combination index, degrees of freedom and the
// spring rule of the reactions.
#include <gtest/gtest.h>

#include "model/objNudo2d.h"
#include "salidaPrueba.h"

namespace {

objNudo2d nudoConCargas()
{
    objNudo2d n;
    n.setNumeroNudoUsuario(7);
    n.setNumeroDeNudo(0);
    n.setCoordenadas(0.0, 0.0);
    n.setCargaPuntual("D", 10, 0, 0);
    n.setCargaPuntual("D", 0, -5, 2);
    n.setCargaPuntual("L", 0, -3, 0);
    return n;
}

void combinar(objNudo2d& n)
{
    n.setCombo("C1", 1.2, "D");
    n.setCombo("C1", 1.6, "L");
    n.setCombo("C2", 1.0, "D");
}

}  // namespace

TEST(Nudo, UnNudoNuevoEstaLibreYSinResortes)
{
    objNudo2d n;
    EXPECT_EQ(n.getApoyo(), Eigen::Vector3i(0, 0, 0));
    EXPECT_EQ(n.getResorteX(), 0.0);
    EXPECT_EQ(n.getResorteY(), 0.0);
    EXPECT_EQ(n.getResorteGiro(), 0.0);
    EXPECT_EQ(n.getCantidadDeCombos(), 0);
    EXPECT_EQ(n.getCargasGlobales().size(), 0);
}

TEST(Nudo, CombosSinCargasCreanFilasDeCeros)
{
    objNudo2d n;
    combinar(n);
    ASSERT_EQ(n.getCantidadDeCombos(), 2);
    EXPECT_EQ(n.getNombreCombo(1), "C2");
    EXPECT_EQ(n.getNumeroDeCombo("C2"), 1);
    EXPECT_TRUE(n.getCargasGlobales().isZero());
    EXPECT_EQ(n.getCargasGlobales().rows(), 2);
}

TEST(Nudo, CombosSumanLasCargasFactorizadasDeCadaCaso)
{
    objNudo2d n = nudoConCargas();
    combinar(n);
    struct Caso {
        int c;
        double px, py, mz;
    };
    for (const Caso& k : {Caso{0, 12.0, -10.8, 2.4}, Caso{1, 10.0, -5.0, 2.0}}) {
        SCOPED_TRACE(k.c);
        EXPECT_NEAR(n.getPxCombo(k.c), k.px, 1e-12);
        EXPECT_NEAR(n.getPyCombo(k.c), k.py, 1e-12);
        EXPECT_NEAR(n.getMzCombo(k.c), k.mz, 1e-12);
    }
}

TEST(Nudo, UnNombreRepetidoSumaEnSuFila)
{
    objNudo2d n = nudoConCargas();
    combinar(n);
    n.setCombo("C1", 1.0, "D");
    ASSERT_EQ(n.getCantidadDeCombos(), 2);
    EXPECT_NEAR(n.getPxCombo(0), 22.0, 1e-12);
    EXPECT_NEAR(n.getPyCombo(0), -15.8, 1e-12);
}

TEST(Nudo, CasoDeCargaSeComparaExacto)
{
    objNudo2d n = nudoConCargas();
    n.setCombo("C1", 1.0, "d");
    EXPECT_EQ(n.getPxCombo(0), 0.0);
    EXPECT_EQ(n.getNumeroDeCombo("c1"), -1);
    EXPECT_EQ(n.getNumeroDeCombo("C1 "), -1);
    EXPECT_EQ(n.getNumeroDeCombo("X"), -1);
    EXPECT_EQ(n.getNumeroDeCombo("C1"), 0);
}

TEST(Nudo, UnaCargaPosteriorAlComboNoEntraEnEl)
{
    objNudo2d n;
    n.setCombo("C1", 1.0, "D");
    n.setCargaPuntual("D", 5, 0, 0);
    EXPECT_EQ(n.getPxCombo(0), 0.0);
}

TEST(Nudo, GradosDeLibertadDelIndiceInterno)
{
    objNudo2d n;
    n.setNumeroDeNudo(4);
    EXPECT_EQ(n.getGdl(), Eigen::Vector3i(12, 13, 14));
    n.setNumeroDeNudo(0);
    EXPECT_EQ(n.getGdl(), Eigen::Vector3i(0, 1, 2));
}

TEST(Nudo, ReglaDelResorte)
{
    objNudo2d n;
    n.setApoyo(0, 1, 0);
    n.setResorte(1000, 0, 0);
    n.setCombo("C1", 1.0, "D");
    Eigen::MatrixXd D(3, 1);
    D << 0.002, 0.0, 0.001;
    n.setDesplazamientos(D);
    Eigen::MatrixXd R(3, 1);
    R << 55.0, 7.0, -3.0;
    n.setReacciones(R);
    EXPECT_NEAR(n.getReaccionX(0), -2.0, 1e-12);
    EXPECT_EQ(n.getReaccionY(0), 7.0);
    EXPECT_EQ(n.getReaccionM(0), -3.0);
}

// A restrained direction reports the support's reaction, the spring's share
// (zero, the direction does not move) included; only the free rotation
// reports its spring's moment.
TEST(Nudo, ResorteEnDireccionRestringidaDaLaReaccionDelApoyo)
{
    objNudo2d n;
    n.setApoyo(1, 1, 0);
    n.setResorte(200, 500, 300);
    n.setCombo("C1", 1.0, "D");
    Eigen::MatrixXd D(3, 1);
    D << 0.0, 0.0, 0.01;
    n.setDesplazamientos(D);
    Eigen::MatrixXd R(3, 1);
    R << -7.0, 40.0, 99.0;
    n.setReacciones(R);
    EXPECT_EQ(n.getReaccionX(0), -7.0);
    EXPECT_EQ(n.getReaccionY(0), 40.0);
    EXPECT_NEAR(n.getReaccionM(0), -3.0, 1e-12);
}

TEST(Nudo, DesplazamientosConColumnasDeMenosAvisanUnaVez)
{
    objNudo2d n;
    n.setCombo("C1", 1.0, "D");
    n.setCombo("C2", 1.0, "D");
    Eigen::MatrixXd D(3, 1);
    D << 1.0, 2.0, 3.0;
    EXPECT_EQ(salidaDe([&] { n.setDesplazamientos(D); }),
              "La cantidad de combos de desplazamientos no es igual a la cantidad de combos en "
              "Ingreso de Datos\n");
    EXPECT_EQ(n.getDesplazamientoY(0), 2.0);
}

TEST(Nudo, IndicesFueraDeRangoNoLeenFueraDeLasMatrices)
{
    objNudo2d n;
    n.setCombo("C1", 1.0, "D");
    EXPECT_EQ(n.getPxCombo(5), 0.0);
    EXPECT_EQ(n.getPyCombo(-1), 0.0);
    EXPECT_EQ(n.getDesplazamientoX(0), 0.0);
    EXPECT_EQ(n.getReaccionM(3), 0.0);
    EXPECT_EQ(n.getNombreCombo(1), "");
}
