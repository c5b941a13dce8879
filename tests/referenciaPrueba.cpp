#include "referenciaPrueba.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "globales.h"

namespace {

using Cuadruple = __float128;
using MatrizCuadruple = Eigen::Matrix<Cuadruple, Eigen::Dynamic, Eigen::Dynamic>;

Cuadruple absoluto(Cuadruple x) { return x < 0 ? -x : x; }

MatrizCuadruple cuadruple(const Eigen::MatrixXd& m)
{
    MatrizCuadruple q(m.rows(), m.cols());
    for (Eigen::Index i = 0; i < m.rows(); ++i) {
        for (Eigen::Index j = 0; j < m.cols(); ++j) {
            q(i, j) = m(i, j);
        }
    }
    return q;
}

Eigen::MatrixXd dobles(const MatrizCuadruple& q)
{
    Eigen::MatrixXd m(q.rows(), q.cols());
    for (Eigen::Index i = 0; i < q.rows(); ++i) {
        for (Eigen::Index j = 0; j < q.cols(); ++j) {
            m(i, j) = static_cast<double>(q(i, j));
        }
    }
    return m;
}

// Gaussian elimination with partial pivoting; a is square and regular.
MatrizCuadruple resolverSistema(MatrizCuadruple a, MatrizCuadruple b)
{
    const Eigen::Index n = a.rows();
    for (Eigen::Index k = 0; k < n; ++k) {
        Eigen::Index pivote = k;
        for (Eigen::Index i = k + 1; i < n; ++i) {
            if (absoluto(a(i, k)) > absoluto(a(pivote, k))) {
                pivote = i;
            }
        }
        a.row(k).swap(a.row(pivote));
        b.row(k).swap(b.row(pivote));
        for (Eigen::Index i = k + 1; i < n; ++i) {
            const Cuadruple factor = a(i, k) / a(k, k);
            if (factor != 0) {
                a.row(i).tail(n - k) -= factor * a.row(k).tail(n - k);
                b.row(i) -= factor * b.row(k);
            }
        }
    }
    for (Eigen::Index k = n - 1; k >= 0; --k) {
        b.row(k) -= a.row(k).tail(n - k - 1) * b.bottomRows(n - k - 1);
        b.row(k) /= a(k, k);
    }
    return b;
}

struct Sistema {
    MatrizCuadruple k;
    MatrizCuadruple p;
};

Sistema ensamblar()
{
    Sistema s{MatrizCuadruple::Zero(3 * noNudos, 3 * noNudos), MatrizCuadruple::Zero(3 * noNudos, noCombos)};
    for (int m = 0; m < noBarras; ++m) {
        const Eigen::VectorXi g = barra[m].getGdl();
        const MatrizCuadruple k = cuadruple(barra[m].getKGlobal());
        const MatrizCuadruple q = cuadruple(barra[m].getCargasEquivalentesGlobales());
        for (int a = 0; a < 6; ++a) {
            for (int b = 0; b < 6; ++b) {
                s.k(g(a), g(b)) += k(a, b);
            }
            s.p.row(g(a)) += q.row(a);
        }
    }
    for (int n = 0; n < noNudos; ++n) {
        const double resortes[] = {nudo[n].getResorteX(), nudo[n].getResorteY(), nudo[n].getResorteGiro()};
        const MatrizCuadruple f = cuadruple(nudo[n].getCargasGlobales());
        for (int a = 0; a < 3; ++a) {
            s.k(3 * n + a, 3 * n + a) += resortes[a];
            s.p.row(3 * n + a) += f.col(a).transpose();
        }
    }
    return s;
}

std::vector<int> libres()
{
    std::vector<int> l;
    for (int n = 0; n < noNudos; ++n) {
        const Eigen::Vector3i apoyo = nudo[n].getApoyo();
        for (int a = 0; a < 3; ++a) {
            if (apoyo(a) == 0) {
                l.push_back(3 * n + a);
            }
        }
    }
    return l;
}

// The member reports N at its start against its end force, and V and M as
// beam forces: positive shear at the start and sagging moment.
const double signos[] = {-1, 1, -1, 1, -1, 1};

}  // namespace

ResultadosDeReferencia resolverEnCuadruple()
{
    const Sistema s = ensamblar();
    const std::vector<int> l = libres();
    MatrizCuadruple d = MatrizCuadruple::Zero(3 * noNudos, noCombos);
    d(l, Eigen::all) = resolverSistema(s.k(l, l), s.p(l, Eigen::all));
    ResultadosDeReferencia r{dobles(d), Eigen::MatrixXd(6 * noBarras, noCombos)};
    for (int m = 0; m < noBarras; ++m) {
        const Eigen::VectorXi g = barra[m].getGdl();
        const MatrizCuadruple f =
            cuadruple(barra[m].getT()) * (cuadruple(barra[m].getKGlobal()) * d(g, Eigen::all) -
                                          cuadruple(barra[m].getCargasEquivalentesGlobales()));
        for (int a = 0; a < 6; ++a) {
            r.fuerzas.row(6 * m + a) = signos[a] * dobles(f.row(a));
        }
    }
    return r;
}

ResultadosDeReferencia resultadosDelPrograma()
{
    ResultadosDeReferencia r{Eigen::MatrixXd(3 * noNudos, noCombos), Eigen::MatrixXd(6 * noBarras, noCombos)};
    for (int c = 0; c < noCombos; ++c) {
        for (int n = 0; n < noNudos; ++n) {
            r.desplazamientos.col(c).segment(3 * n, 3) << nudo[n].getDesplazamientoX(c),
                nudo[n].getDesplazamientoY(c), nudo[n].getGiroZ(c);
        }
        for (int m = 0; m < noBarras; ++m) {
            const Eigen::MatrixXd solicitaciones[] = {barra[m].getSolicitacionAxial(c, 2),
                                                      barra[m].getSolicitacionCortante(c, 2),
                                                      barra[m].getSolicitacionMomento(c, 2)};
            for (int extremo = 0; extremo < 2; ++extremo) {
                for (int tipo = 0; tipo < 3; ++tipo) {
                    r.fuerzas(6 * m + 3 * extremo + tipo, c) = solicitaciones[tipo](1, extremo);
                }
            }
        }
    }
    return r;
}

namespace {

// The largest magnitude, in combination c, of the rows whose index modulo
// periodo is among primeras.
double mayorDeTipo(const Eigen::MatrixXd& m, Eigen::Index c, int periodo, const std::vector<int>& primeras)
{
    double mayor = 0.0;
    for (Eigen::Index i = 0; i < m.rows(); ++i) {
        if (std::find(primeras.begin(), primeras.end(), i % periodo) != primeras.end()) {
            mayor = std::max(mayor, std::abs(m(i, c)));
        }
    }
    return mayor;
}

// The size of the model, which relates forces to moments and translations
// to rotations.
double tamano()
{
    double mayor = 0.0;
    for (int i = 0; i < noNudos; ++i) {
        for (int j = 0; j < noNudos; ++j) {
            mayor = std::max({mayor, std::abs(nudo[i].getX() - nudo[j].getX()),
                              std::abs(nudo[i].getY() - nudo[j].getY())});
        }
    }
    return mayor;
}

// A pair of kinds, a linear one and an angular one (translations and
// rotations, forces and moments): each is set beside the largest of its own
// kind and of the other carried over by the size of the model, so that a
// kind that statics leaves at zero is not measured against its rounding.
double errorDePar(const Eigen::MatrixXd& programa, const Eigen::MatrixXd& referencia, int periodo,
                  const std::vector<int>& lineales, const std::vector<int>& angulares)
{
    const double L = tamano();
    const Eigen::MatrixXd diferencia = programa - referencia;
    double peor = 0.0;
    for (Eigen::Index c = 0; c < referencia.cols(); ++c) {
        const double lineal = mayorDeTipo(referencia, c, periodo, lineales);
        const double angular = mayorDeTipo(referencia, c, periodo, angulares);
        const double escalaLineal = std::max(lineal, angular * (periodo == 3 ? L : 1.0 / L));
        const double escalaAngular = std::max(angular, lineal * (periodo == 3 ? 1.0 / L : L));
        if (escalaLineal > 0.0) {
            peor = std::max(peor, mayorDeTipo(diferencia, c, periodo, lineales) / escalaLineal);
        }
        if (escalaAngular > 0.0) {
            peor = std::max(peor, mayorDeTipo(diferencia, c, periodo, angulares) / escalaAngular);
        }
    }
    return peor;
}

}  // namespace

double errorRelativo(const ResultadosDeReferencia& programa, const ResultadosDeReferencia& referencia)
{
    return std::max(errorDePar(programa.desplazamientos, referencia.desplazamientos, 3, {0, 1}, {2}),
                    errorDePar(programa.fuerzas, referencia.fuerzas, 6, {0, 1, 3, 4}, {2, 5}));
}
