// Member results: elastic curve, internal forces, zero shear and deflected shape.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "globales.h"
#include "model/objBarra2d.h"
#include "modeloPrueba.h"
#include "salidaPrueba.h"

namespace {

using Fila = std::array<double, 4>;

const double E = 2e8, A = 0.02, I = 0.0004;
const double EI = E * I;

objBarra2d barraEntre(double x1, double y1, double x2, double y2, int ai, int af, double inercia = I)
{
    objBarra2d b = barraSuelta(5, 0, {x1, y1}, 1, {x2, y2});
    ponerSeccion(b, A, inercia, E);
    b.setArticulacion(ai, af);
    return b;
}

// The solution's order: stiffness, loads per combination, equivalent loads,
// then the end displacements.
void resolver(objBarra2d& b, const std::vector<Fila>& cargas, const Eigen::MatrixXd& U)
{
    b.getKGlobal();
    for (size_t c = 0; c < cargas.size(); ++c) {
        const std::string caso = "K" + std::to_string(c);
        const Fila& f = cargas[c];
        b.setCargaLocal(caso, f[0], f[1], f[2], f[3]);
        b.setCombo("C" + std::to_string(c), 1.0, caso);
    }
    b.getCargasEquivalentesGlobales();
    b.setDesplazamientos(U);
}

Eigen::MatrixXd sujeta(int combos) { return Eigen::MatrixXd::Zero(6, combos); }

Eigen::MatrixXd aleatoria(std::mt19937& gen, int combos, double escala)
{
    std::uniform_real_distribution<double> d(-escala, escala);
    Eigen::MatrixXd m(6, combos);
    for (Eigen::Index i = 0; i < m.size(); ++i) {
        m(i) = d(gen);
    }
    return m;
}

// |valor - esperado| within tol times the scale of the quantity.
void esperarRelativo(double valor, double esperado, double escala, double tol = 1e-9)
{
    EXPECT_NEAR(valor, esperado, tol * std::abs(escala));
}

void esperarPunto(const Eigen::MatrixXd& puntos, Eigen::Index i, double x, double y)
{
    EXPECT_NEAR(puntos(0, i), x, 1e-9) << "punto " << i;
    EXPECT_NEAR(puntos(1, i), y, 1e-9) << "punto " << i;
}

// A member of length L with both nodes held under a uniform q, for each
// hinge case: end and midspan forces, zero shear and midspan E·I·v.
struct CasoUniforme {
    int ai, af;
    double V0, VL, M0, ML, Mcentro, xv, Mmax, flechaCentro;
};

std::vector<CasoUniforme> casosUniformes(double L, double q)
{
    const double qL = q * L, qL2 = q * L * L, qL4 = q * std::pow(L, 4);
    return {
        {0, 0, -qL / 2, qL / 2, qL2 / 12, qL2 / 12, -qL2 / 24, L / 2, -qL2 / 24, qL4 / 384},
        {1, 0, -3 * qL / 8, 5 * qL / 8, 0, qL2 / 8, -qL2 / 16, 3 * L / 8, -9 * qL2 / 128, qL4 / 192},
        {0, 1, -5 * qL / 8, 3 * qL / 8, qL2 / 8, 0, -qL2 / 16, 5 * L / 8, -9 * qL2 / 128, qL4 / 192},
        {1, 1, -qL / 2, qL / 2, 0, 0, -qL2 / 8, L / 2, -qL2 / 8, 5 * qL4 / 384},
    };
}

}  // namespace

TEST(BarraResultados, CargaUniformeConAmbosNudosSujetos)
{
    const double L = 6, q = -10;
    for (const CasoUniforme& k : casosUniformes(L, q)) {
        SCOPED_TRACE(testing::Message() << k.ai << k.af);
        objBarra2d b = barraEntre(1, 2, 1 + L, 2, k.ai, k.af);
        resolver(b, {{0, 0, q, q}}, sujeta(1));
        const Eigen::MatrixXd V = b.getSolicitacionCortante(0, 3);
        const Eigen::MatrixXd M = b.getSolicitacionMomento(0, 3);
        EXPECT_NEAR(V(0, 1), L / 2, 1e-12);
        EXPECT_NEAR(V(1, 0), k.V0, 1e-9);
        EXPECT_NEAR(V(1, 2), k.VL, 1e-9);
        EXPECT_NEAR(M(1, 0), k.M0, 1e-9);
        EXPECT_NEAR(M(1, 1), k.Mcentro, 1e-9);
        EXPECT_NEAR(M(1, 2), k.ML, 1e-9);
        EXPECT_NEAR(b.getXvcero(0), k.xv, 1e-9);
        EXPECT_NEAR(b.getMmax(0), k.Mmax, 1e-9);
        const Eigen::MatrixXd deformada = b.getBarraDeformada(0, 21, 1.0);
        esperarPunto(deformada, 10, 1 + L / 2, 2 + k.flechaCentro / EI);
    }
}

TEST(BarraResultados, CurvaEnLaEscalaDeLaBarra)
{
    // The closed forms hold for every hinge case whatever the length.
    const double q = -10;
    for (double L : {1e-5, 1e6}) {
        const double qL = q * L, qL2 = q * L * L;
        for (const CasoUniforme& k : casosUniformes(L, q)) {
            SCOPED_TRACE(testing::Message() << L << " " << k.ai << k.af);
            objBarra2d b = barraEntre(0, 0, L, 0, k.ai, k.af);
            resolver(b, {{0, 0, q, q}}, sujeta(1));
            const Eigen::MatrixXd V = b.getSolicitacionCortante(0, 3);
            const Eigen::MatrixXd M = b.getSolicitacionMomento(0, 3);
            esperarRelativo(V(1, 0), k.V0, qL);
            esperarRelativo(V(1, 2), k.VL, qL);
            esperarRelativo(M(1, 0), k.M0, qL2);
            esperarRelativo(M(1, 1), k.Mcentro, qL2);
            esperarRelativo(M(1, 2), k.ML, qL2);
            esperarRelativo(b.getXvcero(0), k.xv, L);
            esperarRelativo(b.getMmax(0), k.Mmax, qL2);
            esperarRelativo(b.getBarraDeformada(0, 3, 1.0)(1, 1), k.flechaCentro / EI, k.flechaCentro / EI);
        }
    }
}

TEST(BarraResultados, CurvaDeBarrasMuyCortas)
{
    // A cantilever of 1 mm in 100 members, fixed at x = 0, 1 downward at the
    // tip: V = P and M = -P·(l - x) in every member. The chain's stiffness
    // is ill-conditioned as the fourth power of its member count, so its
    // displacements, and its reactions with them, are only good to some 1e-8.
    const int tramos = 100;
    const double l = 1e-3, P = 1;
    ponerNudos({});
    agregarNudo(1, 0, 0).setApoyo(1, 1, 1);
    for (int i = 1; i <= tramos; ++i) {
        agregarNudo(i + 1, l * i / tramos, 0);
        ponerSeccion(unir(i - 1, i), 1e-6, 1e-12, 2e11);
    }
    nudo[tramos].setCargaPuntual("P", 0, -P, 0);
    darCombos({{"C1", 1.0, "P"}});
    EXPECT_EQ(resolverCargado(), "");
    ASSERT_TRUE(modeloAnalizado);
    for (int i = 0; i < tramos; ++i) {
        SCOPED_TRACE(i);
        const Eigen::MatrixXd V = barra[i].getSolicitacionCortante(0, 2);
        const Eigen::MatrixXd M = barra[i].getSolicitacionMomento(0, 2);
        const double tol = 1e-7;
        esperarRelativo(V(1, 0), P, P, tol);
        esperarRelativo(V(1, 1), P, P, tol);
        esperarRelativo(M(1, 0), -P * (l - nudo[i].getX()), P * l, tol);
        esperarRelativo(M(1, 1), -P * (l - nudo[i + 1].getX()), P * l, tol);
    }
}

TEST(BarraResultados, CurvaDeUnaBarraMuyLarga)
{
    // 1 km in mm, simply supported by its nodes, rigid ends, q = -10:
    // M = -q·x·(L - x)/2, V = q·(x - L/2).
    const double L = 1e6, q = -10;
    ponerNudos({{0, 0}, {L, 0}});
    nudo[0].setApoyo(1, 1, 0);
    nudo[1].setApoyo(0, 1, 0);
    objBarra2d& b = unir(0, 1);
    ponerSeccion(b, 1e4, 1e10, 2e5);
    b.setCargaLocal("Q", 0, 0, q, q);
    darCombos({{"C1", 1.0, "Q"}});
    EXPECT_EQ(resolverCargado(), "");
    ASSERT_TRUE(modeloAnalizado);
    const double qL = q * L, qL2 = q * L * L;
    const Eigen::MatrixXd V = barra[0].getSolicitacionCortante(0, 3);
    const Eigen::MatrixXd M = barra[0].getSolicitacionMomento(0, 3);
    esperarRelativo(V(1, 0), -qL / 2, qL);
    esperarRelativo(V(1, 1), 0, qL);
    esperarRelativo(V(1, 2), qL / 2, qL);
    esperarRelativo(M(1, 0), 0, qL2);
    esperarRelativo(M(1, 1), -qL2 / 8, qL2);
    esperarRelativo(M(1, 2), 0, qL2);
    esperarRelativo(barra[0].getXvcero(0), L / 2, L);
    esperarRelativo(barra[0].getMmax(0), -qL2 / 8, qL2);
}

TEST(BarraResultados, CeroDelCortanteConCargaCasiUniforme)
{
    // Simply supported, L = 10, q from -1 to -(1 + d): as d -> 0 the zero
    // tends to L/2 and the moment there to L²/8.
    const double L = 10;
    for (double d : {1e-15, 2e-16, 0.0}) {
        SCOPED_TRACE(d);
        objBarra2d b = barraEntre(0, 0, L, 0, 1, 1);
        resolver(b, {{0, 0, -1, -(1 + d)}}, sujeta(1));
        esperarRelativo(b.getXvcero(0), L / 2, L);
        esperarRelativo(b.getMmax(0), L * L / 8, L * L);
    }
}

TEST(BarraResultados, TriangularSobreBarraSimplementeApoyada)
{
    const double L = 6;
    for (double q : {-12.0, 12.0}) {
        SCOPED_TRACE(q);
        objBarra2d b = barraEntre(0, 0, L, 0, 1, 1);
        resolver(b, {{0, 0, 0, q}}, sujeta(1));
        EXPECT_NEAR(b.getConstantesIntegracion()(2, 0), -q * L / 6, 1e-9);
        EXPECT_NEAR(b.getXvcero(0), L / std::sqrt(3.0), 1e-9);
        EXPECT_NEAR(b.getMmax(0), -q * L * L / (9 * std::sqrt(3.0)), 1e-9);
        const Eigen::MatrixXd M = b.getSolicitacionMomento(0, 2);
        EXPECT_NEAR(M(1, 0), 0.0, 1e-9);
        EXPECT_NEAR(M(1, 1), 0.0, 1e-9);
        esperarPunto(b.getBarraDeformada(0, 21, 1.0), 20, L, 0.0);
    }
}

TEST(BarraResultados, DosCerosDelCortanteDentroDeLaBarra)
{
    // Fixed-fixed, L = 6, load from q1 to -q1: V(x) = ±(5/3·x² - 10·x + 12),
    // zero at 3 ± 0.6·√5. The load is antisymmetric, so is M: both zeros
    // carry the same |M|, and (-b - √D)/(2a) is kept, the smaller root when
    // a > 0.
    const double L = 6, raiz = 0.6 * std::sqrt(5.0);
    struct Caso {
        double q1, xv;
    };
    for (const Caso& k : {Caso{-10, 3 - raiz}, Caso{10, 3 + raiz}}) {
        SCOPED_TRACE(k.q1);
        objBarra2d b = barraEntre(0, 0, L, 0, 0, 0);
        resolver(b, {{0, 0, k.q1, -k.q1}}, sujeta(1));
        EXPECT_NEAR(b.getXvcero(0), k.xv, 1e-9);
    }
}

TEST(BarraResultados, DeDosCerosDelCortanteElDelMayorMomento)
{
    // A purlin of 6, simply supported, under dead load -4 and a wind suction
    // that lifts it to +6 at the far end: q = -4 + 5x/3, V = 5x²/6 - 4x + 2,
    // M = 5x³/18 - 2x² + 2x. V vanishes at (12 ± 2√21)/5: M = +0.54 at the
    // smaller zero, -6.30 at the larger one, the design moment. Loaded the
    // other way round, the member mirrors it.
    const double L = 6, xDiseno = (12 + 2 * std::sqrt(21.0)) / 5;
    const auto M = [](double x) { return 5 * std::pow(x, 3) / 18 - 2 * x * x + 2 * x; };
    struct Caso {
        double q1, q2, xv;
    };
    for (const Caso& k : {Caso{-4, 6, xDiseno}, Caso{6, -4, L - xDiseno}}) {
        SCOPED_TRACE(k.q1);
        objBarra2d b = barraEntre(0, 0, L, 0, 1, 1);
        resolver(b, {{0, 0, k.q1, k.q2}}, sujeta(1));
        EXPECT_NEAR(b.getXvcero(0), k.xv, 1e-9);
        EXPECT_NEAR(b.getMmax(0), M(xDiseno), 1e-9);
        EXPECT_NEAR(b.getMmax(0), -6.3017, 1e-4);
    }
}

TEST(BarraResultados, CurvaYFuerzasDeExtremoConcuerdan)
{
    std::mt19937 gen(20240611);
    std::uniform_real_distribution<double> carga(-20, 20);
    const int combos = 3;
    for (int ai : {0, 1}) {
        for (int af : {0, 1}) {
            SCOPED_TRACE(testing::Message() << ai << af);
            objBarra2d b = barraEntre(1, 2, 4, 6, ai, af);
            std::vector<Fila> cargas;
            for (int c = 0; c < combos; ++c) {
                cargas.push_back({carga(gen), carga(gen), carga(gen), carga(gen)});
            }
            const Eigen::MatrixXd U = aleatoria(gen, combos, 0.01);
            resolver(b, cargas, U);
            const Eigen::MatrixXd uL = b.getDesplazamientosLocales();
            const Eigen::MatrixXd F = b.getKLocal() * uL - b.getCargasEquivalentesLocales();
            const Eigen::MatrixXd k = b.getConstantesIntegracion();
            for (int c = 0; c < combos; ++c) {
                SCOPED_TRACE(c);
                EXPECT_NEAR(k(5, c), EI * uL(1, c), 1e-6);
                const Eigen::MatrixXd N = b.getSolicitacionAxial(c, 2);
                const Eigen::MatrixXd V = b.getSolicitacionCortante(c, 2);
                const Eigen::MatrixXd M = b.getSolicitacionMomento(c, 2);
                EXPECT_NEAR(N(1, 0), -F(0, c), 1e-6);
                EXPECT_NEAR(N(1, 1), F(3, c), 1e-6);
                EXPECT_NEAR(V(1, 0), F(1, c), 1e-6);
                EXPECT_NEAR(V(1, 1), -F(4, c), 1e-6);
                EXPECT_NEAR(M(1, 0), -F(2, c), 1e-6);
                EXPECT_NEAR(M(1, 1), F(5, c), 1e-6);
                if (ai == 1) {
                    EXPECT_NEAR(M(1, 0), 0.0, 1e-9);
                }
                if (af == 1) {
                    EXPECT_NEAR(M(1, 1), 0.0, 1e-9);
                }
                // v(0) = v1 and v(L) = v2: the shape ends on both moved nodes.
                const Eigen::MatrixXd d = b.getBarraDeformada(c, 9, 1.0);
                esperarPunto(d, 0, 1 + U(0, c), 2 + U(1, c));
                esperarPunto(d, 8, 4 + U(3, c), 6 + U(4, c));
            }
        }
    }
}

TEST(BarraResultados, MmaxUsaElCeroDelUltimoGetXvcero)
{
    // Simply supported, L = 6: combination 0 uniform q = -10, M = 5·x·(L - x);
    // combination 1 triangular 0 to -12, M = 12·x·(L² - x²)/(6·L).
    const double L = 6, x1 = L / std::sqrt(3.0);
    objBarra2d b = barraEntre(0, 0, L, 0, 1, 1);
    resolver(b, {{0, 0, -10, -10}, {0, 0, 0, -12}}, sujeta(2));
    EXPECT_NEAR(b.getXvcero(1), x1, 1e-9);
    EXPECT_NEAR(b.getMmax(0), 5 * x1 * (L - x1), 1e-9);
    EXPECT_NEAR(b.getXvcero(0), 3, 1e-9);
    EXPECT_NEAR(b.getMmax(1), 27, 1e-9);
}

TEST(BarraResultados, SinCargaTransversalNoHayCeroDelCortante)
{
    // Only lengthening: N = E·A·Δ/L at both ends; along the member N falls
    // by the integral of the axial load, p1·x + (p2 - p1)·x²/(2L).
    const double L = 5, delta = 0.001, EA = E * A;
    struct Caso {
        int ai, af;
        double p1, p2;
    };
    for (const Caso& k :
         {Caso{0, 0, 0, 0}, Caso{1, 1, 0, 0}, Caso{0, 0, 3, 9}, Caso{0, 0, 4, 4}, Caso{1, 1, 9, 3}}) {
        SCOPED_TRACE(testing::Message() << k.ai << k.af << " " << k.p1 << "," << k.p2);
        objBarra2d b = barraEntre(0, 0, L, 0, k.ai, k.af);
        Eigen::MatrixXd U = sujeta(1);
        U(3, 0) = delta;
        U(5, 0) = 0.002;
        resolver(b, {{k.p1, k.p2, 0, 0}}, U);
        const Eigen::MatrixXd N = b.getSolicitacionAxial(0, 3);
        const double N1 = EA * delta / L + L * (2 * k.p1 + k.p2) / 6;
        const double N2 = EA * delta / L - L * (k.p1 + 2 * k.p2) / 6;
        EXPECT_NEAR(N(1, 0), N1, 1e-6);
        EXPECT_NEAR(N(1, 2), N2, 1e-6);
        EXPECT_NEAR(N(1, 1), N1 - k.p1 * L / 2 - (k.p2 - k.p1) * L / 8, 1e-6);
        EXPECT_DOUBLE_EQ(b.getXvcero(0), -1.0);
        EXPECT_DOUBLE_EQ(b.getMmax(0), 0.0);
    }
}

TEST(BarraResultados, DeformadaPasaPorLosNudosMovidos)
{
    std::mt19937 gen(7);
    const Eigen::MatrixXd U = aleatoria(gen, 1, 0.01);
    for (double s : {0.0, 1.0, 250.0}) {
        SCOPED_TRACE(s);
        objBarra2d b = barraEntre(1, 2, 4, 6, 0, 1);
        resolver(b, {{1, 2, -8, 3}}, U);
        const Eigen::MatrixXd d = b.getBarraDeformada(0, 21, s);
        ASSERT_EQ(d.rows(), 2);
        ASSERT_EQ(d.cols(), 21);
        esperarPunto(d, 0, 1 + s * U(0, 0), 2 + s * U(1, 0));
        esperarPunto(d, 20, 4 + s * U(3, 0), 6 + s * U(4, 0));
        if (s == 0.0) {
            for (int i = 0; i < 21; ++i) {
                esperarPunto(d, i, 1 + 3 * i / 20.0, 2 + 4 * i / 20.0);
            }
        }
    }
}

TEST(BarraResultados, MenosDeDosEstacionesDaLosExtremos)
{
    std::mt19937 gen(11);
    const double L = 5;
    objBarra2d b = barraEntre(0, 0, 3, 4, 0, 0);
    resolver(b, {{2, 1, -6, -3}}, aleatoria(gen, 1, 0.01));
    using Consulta = std::function<Eigen::MatrixXd(int)>;
    const Consulta consultas[] = {
        [&](int n) { return b.getSolicitacionAxial(0, n); },
        [&](int n) { return b.getSolicitacionCortante(0, n); },
        [&](int n) { return b.getSolicitacionMomento(0, n); },
        [&](int n) { return b.getBarraDeformada(0, n, 100.0); },
    };
    for (const Consulta& consulta : consultas) {
        const Eigen::MatrixXd extremos = consulta(2);
        ASSERT_EQ(extremos.cols(), 2);
        for (int n : {1, 0, -4}) {
            SCOPED_TRACE(n);
            EXPECT_EQ(consulta(n), extremos);
        }
    }
    const Eigen::MatrixXd V = b.getSolicitacionCortante(0, 1);
    EXPECT_DOUBLE_EQ(V(0, 0), 0.0);
    EXPECT_DOUBLE_EQ(V(0, 1), L);
}

TEST(BarraResultados, BarraSinCurvaNoDaValoresNoFinitos)
{
    // Zero length, no inertia, an invalid hinge code: finite results, and
    // the shape still joins both moved nodes.
    struct Caso {
        double x2;
        int ai, af;
        double inercia;
        bool constantesNulas;
    };
    const Caso casos[] = {
        {1, 0, 0, I, true},
        {4, 1, 1, 0.0, false},
        {4, 2, 0, I, true},
    };
    std::mt19937 gen(3);
    for (const Caso& k : casos) {
        SCOPED_TRACE(testing::Message() << k.x2 << " " << k.ai << k.af << " " << k.inercia);
        objBarra2d b = barraEntre(1, 2, k.x2, 2, k.ai, k.af, k.inercia);
        const Eigen::MatrixXd U = aleatoria(gen, 1, 0.01);
        salidaDe([&] { resolver(b, {{1, 2, -8, 3}}, U); });
        const Eigen::MatrixXd constantes = b.getConstantesIntegracion();
        EXPECT_TRUE(constantes.allFinite());
        EXPECT_EQ(constantes.isZero(), k.constantesNulas);
        EXPECT_TRUE(b.getSolicitacionAxial(0, 21).allFinite());
        EXPECT_TRUE(b.getSolicitacionCortante(0, 21).allFinite());
        EXPECT_TRUE(b.getSolicitacionMomento(0, 21).allFinite());
        const Eigen::MatrixXd d = b.getBarraDeformada(0, 21, 10.0);
        ASSERT_TRUE(d.allFinite());
        esperarPunto(d, 0, 1 + 10 * U(0, 0), 2 + 10 * U(1, 0));
        esperarPunto(d, 20, k.x2 + 10 * U(3, 0), 2 + 10 * U(4, 0));
        EXPECT_TRUE(std::isfinite(b.getXvcero(0)));
        EXPECT_TRUE(std::isfinite(b.getMmax(0)));
    }
}

TEST(BarraResultados, ComboFueraDeRangoDaCeros)
{
    objBarra2d b = barraEntre(0, 0, 4, 0, 0, 0);
    EXPECT_TRUE(b.getSolicitacionMomento(0, 3).row(1).isZero());
    resolver(b, {{1, 2, -8, 3}}, Eigen::MatrixXd::Constant(6, 1, 0.001));
    for (int c : {-1, 1, 50}) {
        SCOPED_TRACE(c);
        EXPECT_TRUE(b.getSolicitacionAxial(c, 3).row(1).isZero());
        EXPECT_TRUE(b.getSolicitacionCortante(c, 3).row(1).isZero());
        EXPECT_TRUE(b.getSolicitacionMomento(c, 3).row(1).isZero());
        EXPECT_DOUBLE_EQ(b.getXvcero(c), -1.0);
        EXPECT_DOUBLE_EQ(b.getMmax(c), 0.0);
        const Eigen::MatrixXd d = b.getBarraDeformada(c, 3, 1.0);
        esperarPunto(d, 0, 0, 0);
        esperarPunto(d, 2, 4, 0);
    }
}

TEST(BarraResultados, DesplazamientosSinSeisFilas)
{
    objBarra2d b = barraEntre(0, 0, 4, 0, 0, 0);
    b.getKGlobal();
    EXPECT_EQ(salidaDe([&] { b.setDesplazamientos(Eigen::MatrixXd::Ones(3, 2)); }),
              "Desplazamientos de extremo sin 6 filas en Elemento: 5\n");
    const Eigen::MatrixXd uG = b.getDesplazamientosGlobales();
    EXPECT_EQ(uG.rows(), 6);
    EXPECT_EQ(uG.cols(), 2);
    EXPECT_TRUE(uG.isZero());
    EXPECT_EQ(b.getConstantesIntegracion().cols(), 2);
    EXPECT_TRUE(b.getConstantesIntegracion().isZero());
}
