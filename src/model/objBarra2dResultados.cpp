#include "model/coeficiente.h"
#include "model/objBarra2d.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <utility>

namespace {

// Column c of a six-row member matrix; zeros for a combination it does not hold.
Eigen::VectorXd columnaDeExtremos(const Eigen::MatrixXd& m, int c)
{
    Eigen::VectorXd v(6);
    for (int i = 0; i < 6; ++i) {
        v(i) = coeficiente(m, i, c);
    }
    return v;
}

// The curve of one combination, k = (A, B, C1, C2, C3, C4).
double cortante(const Eigen::VectorXd& k, double x) { return -k(0) * std::pow(x, 2) / 2.0 - k(1) * x + k(2); }

double momento(const Eigen::VectorXd& k, double x)
{
    return -k(0) * std::pow(x, 3) / 6.0 - k(1) * std::pow(x, 2) / 2.0 + k(2) * x + k(3);
}

double flechaPorEI(const Eigen::VectorXd& k, double x)
{
    return -k(0) * std::pow(x, 5) / 120.0 - k(1) * std::pow(x, 4) / 24.0 + k(2) * std::pow(x, 3) / 6.0 +
           k(3) * std::pow(x, 2) / 2.0 + k(4) * x + k(5);
}

// Stations (L/(n-1))·i; fewer than two would leave no step between the ends,
// so the two end stations are given then.
Eigen::RowVectorXd estaciones(double L, int n)
{
    const int m = std::max(n, 2);
    const double paso = L / static_cast<double>(m - 1);
    Eigen::RowVectorXd x(m);
    for (int i = 0; i < m; ++i) {
        x(i) = paso * i;
    }
    return x;
}

Eigen::MatrixXd tablaDe(const Eigen::RowVectorXd& x, const Eigen::RowVectorXd& valores)
{
    Eigen::MatrixXd tabla(2, x.size());
    tabla << x, valores;
    return tabla;
}

// The roots (√D - b)/(2a) and (-b - √D)/(2a) of a·x² + b·x + k, a ≠ 0, in
// this order. The one whose formula would subtract close numbers is taken as
// k/s, s = -(b + sign(b)·√D)/2: under a nearly uniform load (a tiny) the
// root near -k/b keeps its digits. A negative discriminant gives NaN roots.
std::pair<double, double> raicesCuadraticas(double a, double b, double k)
{
    const double raiz = std::pow(b * b - 4.0 * a * k, 0.5);
    if (b < 0.0) {
        const double s = (raiz - b) / 2.0;
        return {s / a, k / s};
    }
    const double s = -(b + raiz) / 2.0;
    return {k / s, s / a};
}

bool estrictamenteDentro(double x, double L) { return 0.0 < x && x < L; }

// Two moments within this share of the larger are the same design moment to
// every digit the report and the labels show, and rounding alone would
// choose between them.
constexpr double empateDeMomentos = 1e-9;

// Of two zeros of the shear inside the member, the one of the design moment:
// where |M| is larger, (-b - √D)/(2a) where both are equal (an antisymmetric
// load on a fixed-fixed member).
double ceroDelMomentoDeDiseno(const Eigen::VectorXd& k, double r1, double r2)
{
    const double m1 = std::abs(momento(k, r1));
    const double m2 = std::abs(momento(k, r2));
    return m1 - m2 > empateDeMomentos * m1 ? r1 : r2;
}

// A member whose length has a binary exponent within ±10 is solved as it
// stands: the columns L³/6 and 1 of its curve's system lie within 1e10 of
// each other, far from the pivoting threshold, and scaling would only move
// the last digits of its results.
constexpr int exponenteDeLongitudLimite = 10;

// The scale s of the curve's system, a power of two, so that x/s and the
// constants scaled back are exact. Far from unit length (a member of 1e-5 or
// of 1e6) the column L³/6 or the column 1 would fall under the pivoting
// threshold next to the other and its constant would be dropped; such a
// member is solved in its own power of two, any other one as it stands.
double escalaDeLaCurva(double L)
{
    const int exponente = std::ilogb(L);
    return std::abs(exponente) > exponenteDeLongitudLimite ? std::ldexp(1.0, exponente) : 1.0;
}

}  // namespace

// A member of zero length or with a hinge code other than 0 or 1 has no
// stiffness and no curve: its constants stay zero.
bool objBarra2d::curvaDefinida() const { return longitud > 0.0 && articulacionValida(); }

// Boundary conditions of the curve: deflection at both ends always, the end
// slope at a rigid end, zero moment at a hinged one. The system is written
// in t = x/s (see escalaDeLaCurva), its unknowns C1·s³, C2·s², C3·s and C4.
Eigen::VectorXd objBarra2d::constantesDeCombo(int c) const
{
    Eigen::VectorXd k = Eigen::VectorXd::Zero(6);
    if (!curvaDefinida()) {
        return k;
    }
    const double L = longitud;
    const double s = escalaDeLaCurva(L);
    const double l = L / s;
    const double EI = inercia * moduloE;
    const Eigen::VectorXd u = columnaDeExtremos(desplazamientosLocales, c);
    const double q1 = coeficiente(matrizCargasCombo, c, 2);
    const double q2 = coeficiente(matrizCargasCombo, c, 3);
    const double A = -(q2 - q1) / L;
    const double B = -q1;
    Eigen::MatrixXd sistema = Eigen::MatrixXd::Zero(4, 4);
    Eigen::VectorXd derecha(4);
    sistema.row(0) << 0.0, 0.0, 0.0, 1.0;
    derecha(0) = EI * u(1);
    if (articulacionInicio == 0) {
        sistema.row(1) << 0.0, 0.0, 1.0, 0.0;
        derecha(1) = s * EI * u(2);
    } else {
        sistema.row(1) << 0.0, 1.0, 0.0, 0.0;
        derecha(1) = 0.0;
    }
    sistema.row(2) << std::pow(l, 3) / 6.0, std::pow(l, 2) / 2.0, l, 1.0;
    derecha(2) = EI * u(4) + A * std::pow(L, 5) / 120.0 + B * std::pow(L, 4) / 24.0;
    if (articulacionFin == 0) {
        sistema.row(3) << std::pow(l, 2) / 2.0, l, 1.0, 0.0;
        derecha(3) = s * (EI * u(5) + A * std::pow(L, 4) / 24.0 + B * std::pow(L, 3) / 6.0);
    } else {
        sistema.row(3) << l, 1.0, 0.0, 0.0;
        derecha(3) = std::pow(s, 2) * (A * std::pow(L, 3) / 6.0 + B * std::pow(L, 2) / 2.0);
    }
    const Eigen::Vector4d potencias(std::pow(s, 3), std::pow(s, 2), s, 1.0);
    k << A, B, sistema.fullPivLu().solve(derecha).cwiseQuotient(potencias);
    return k;
}

void objBarra2d::setDesplazamientos(Eigen::MatrixXd U)
{
    if (U.rows() != 6) {
        std::cout << "Desplazamientos de extremo sin 6 filas en Elemento: " << numeroDeBarra << std::endl;
        U.setZero(6, U.cols());
    }
    desplazamientosGlobales = std::move(U);
    desplazamientosLocales = seisPorSeis(T) * desplazamientosGlobales;
    constantesIntegracion.resize(6, desplazamientosGlobales.cols());
    for (Eigen::Index c = 0; c < constantesIntegracion.cols(); ++c) {
        constantesIntegracion.col(c) = constantesDeCombo(static_cast<int>(c));
    }
}

Eigen::MatrixXd objBarra2d::getDesplazamientosGlobales() { return desplazamientosGlobales; }
Eigen::MatrixXd objBarra2d::getDesplazamientosLocales() { return desplazamientosLocales; }
Eigen::MatrixXd objBarra2d::getConstantesIntegracion() { return constantesIntegracion; }

// N(x) = N1 minus the integral of the axial load p from the start. The
// member is in equilibrium, N2 = N1 - L·(p1 + p2)/2, so N is the straight
// line between the end values plus, for a load p1 -> p2 that varies, the
// parabola L·(p2 - p1)·t·(1 - t)/2, t = x/L, which vanishes at both ends.
Eigen::MatrixXd objBarra2d::getSolicitacionAxial(int c, int n)
{
    const Eigen::VectorXd F = seisPorSeis(kLocal) * columnaDeExtremos(desplazamientosLocales, c) -
                              columnaDeExtremos(cargasEquivalentesLocales, c);
    const double N1 = -F(0);
    const double N2 = F(3);
    const Eigen::Array<double, 1, Eigen::Dynamic> t = estaciones(1.0, n).array();
    Eigen::Array<double, 1, Eigen::Dynamic> valores = N1 + (N2 - N1) * t;
    const double p1 = coeficiente(matrizCargasCombo, c, 0);
    const double p2 = coeficiente(matrizCargasCombo, c, 1);
    // A member without a curve hands no load to its nodes and carries none.
    if (p2 != p1 && curvaDefinida()) {
        valores += longitud * (p2 - p1) / 2.0 * t * (1.0 - t);
    }
    return tablaDe(estaciones(longitud, n), valores.matrix());
}

Eigen::MatrixXd objBarra2d::getSolicitacionCortante(int c, int n)
{
    const Eigen::VectorXd k = columnaDeExtremos(constantesIntegracion, c);
    const Eigen::RowVectorXd x = estaciones(longitud, n);
    return tablaDe(x, x.unaryExpr([&k](double xs) { return cortante(k, xs); }));
}

Eigen::MatrixXd objBarra2d::getSolicitacionMomento(int c, int n)
{
    const Eigen::VectorXd k = columnaDeExtremos(constantesIntegracion, c);
    const Eigen::RowVectorXd x = estaciones(longitud, n);
    return tablaDe(x, x.unaryExpr([&k](double xs) { return momento(k, xs); }));
}

// Roots of V(x) = a·x² + b·x + k strictly inside the member; of two, the
// one of the design moment.
double objBarra2d::getXvcero(int c)
{
    const Eigen::VectorXd k = columnaDeExtremos(constantesIntegracion, c);
    const double a = -k(0) / 2.0;
    const double b = -k(1);
    std::pair<double, double> raices{-1.0, -1.0};
    if (a != 0.0) {
        raices = raicesCuadraticas(a, b, k(2));
    } else if (b != 0.0) {
        raices.first = -k(2) / b;
    }
    const auto [r1, r2] = raices;
    const bool dentro1 = estrictamenteDentro(r1, longitud);
    const bool dentro2 = estrictamenteDentro(r2, longitud);
    xvcero = -1.0;
    if (dentro1 && dentro2) {
        xvcero = ceroDelMomentoDeDiseno(k, r1, r2);
    } else if (dentro1) {
        xvcero = r1;
    } else if (dentro2) {
        xvcero = r2;
    }
    return xvcero;
}

// Evaluated where the last getXvcero left xvcero, whichever combination
// that call was for.
double objBarra2d::getMmax(int c)
{
    if (!estrictamenteDentro(xvcero, longitud)) {
        return 0.0;
    }
    return momento(columnaDeExtremos(constantesIntegracion, c), xvcero);
}

// Without a curve (no length, no E·I, no valid hinge case) the axis is drawn
// as the chord between the displaced ends, so both end points stay right.
Eigen::MatrixXd objBarra2d::getBarraDeformada(int c, int n, double s)
{
    const Eigen::RowVectorXd x = estaciones(longitud, n);
    const Eigen::RowVectorXd fraccion = estaciones(1.0, n);
    const Eigen::VectorXd k = columnaDeExtremos(constantesIntegracion, c);
    const Eigen::VectorXd u = columnaDeExtremos(desplazamientosLocales, c);
    const double EI = inercia * moduloE;
    const Eigen::RowVectorXd w =
        curvaDefinida() && EI != 0.0
            ? Eigen::RowVectorXd(x.unaryExpr([&k, EI](double xs) { return flechaPorEI(k, xs) / EI; }))
            : Eigen::RowVectorXd((u(1) + (u(4) - u(1)) * fraccion.array()).matrix());
    const Eigen::RowVectorXd a = x + (u(3) - u(0)) * s * fraccion;
    const Eigen::RowVectorXd b = (w.array() - w(0)).matrix() * s;
    const double cosA = cosenoDirector;
    const double senA = senoDirector;
    const double gX = coeficiente(desplazamientosGlobales, 0, c);
    const double gY = coeficiente(desplazamientosGlobales, 1, c);
    Eigen::MatrixXd puntos(2, x.size());
    puntos.row(0) = ((a * cosA - b * senA).array() + xi + gX * s).matrix();
    puntos.row(1) = ((a * senA + b * cosA).array() + yi + gY * s).matrix();
    return puntos;
}
