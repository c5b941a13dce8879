#include "model/coeficiente.h"
#include "model/objBarra2d.h"
#include "model/reglaDeCombos.h"

#include <cmath>
#include <iostream>
#include <utility>

namespace {

// fInicio, fFin, qInicio, qFin: the columns of a distributed load and of a
// combination row.
constexpr Eigen::Index columnasDeCarga = 4;

// Fixed-end forces of a linear transverse load, sign reversed, as multiples
// of L·q (forces) and L²·q (moments): per hinge case (start + 2·end) the
// coefficients of q1 and q2 for F2, M3, F5 and M6.
const double coeficientesTransversales[4][8] = {
    {0.35, 0.15, 1.0 / 20.0, 1.0 / 30.0, 0.15, 0.35, -1.0 / 30.0, -1.0 / 20.0},
    {0.275, 0.1, 0.0, 0.0, 0.225, 0.4, -7.0 / 120.0, -1.0 / 15.0},
    {0.4, 0.225, 1.0 / 15.0, 7.0 / 120.0, 0.1, 0.275, 0.0, 0.0},
    {0.3333333333333333, 0.16666666666666666, 0.0, 0.0, 0.16666666666666666, 0.3333333333333333, 0.0, 0.0},
};

}  // namespace

void objBarra2d::setCargaLocal(std::string caso, double fInicio, double fFin, double qInicio, double qFin)
{
    casosCargaLocal.push_back(std::move(caso));
    agregarFila(cargasDistribuidasLocales, Eigen::RowVector4d(fInicio, fFin, qInicio, qFin));
}

// Resolved into member axes now, with the angle as it stands: only the
// member-axis components are kept.
void objBarra2d::setCargaGlobal(std::string caso, double w1, double w2, double dx, double dy)
{
    if (flagsBarra[flagAngulo] == 0) {
        angulo = getAngulo();
    }
    if (flagsBarra[flagAngulo] == 0) {
        std::cout << "el ángulo no está definido para calcular cargas globales de barra" << std::endl;
        return;
    }
    const double norma = std::hypot(dx, dy);
    if (!(norma > 0.0) || !std::isfinite(norma)) {
        std::cout << "Dirección nula de carga global en Elemento: " << numeroDeBarra << std::endl;
        return;
    }
    casosCargaGlobal.push_back(std::move(caso));
    const double nx = dx / norma;
    const double ny = dy / norma;
    const double c = cosenoDirector;
    const double s = senoDirector;
    const double alongX = c * nx + s * ny;
    const double alongY = -s * nx + c * ny;
    agregarFila(cargasDistribuidasGlobales,
                Eigen::RowVector4d(w1 * alongX, w2 * alongX, w1 * alongY, w2 * alongY));
}

void objBarra2d::setPesoPropio(std::string caso)
{
    const double w = area * pesoEspecifico;
    setCargaGlobal(std::move(caso), w, w, 0.0, -1.0);
}

// Every call that names a new combination creates its row, loads or not, so
// that members hold the same combinations in the same order as the nodes.
void objBarra2d::setCombo(std::string nombreCombo, double factor, std::string caso)
{
    const Eigen::RowVectorXd suma =
        sumaDelCaso(casosCargaLocal, cargasDistribuidasLocales, caso, factor, columnasDeCarga) +
        sumaDelCaso(casosCargaGlobal, cargasDistribuidasGlobales, caso, factor, columnasDeCarga);
    sumarAlCombo(nombresCombos, matrizCargasCombo, std::move(nombreCombo), suma);
}

double objBarra2d::getFInicioCombo(int c) { return coeficiente(matrizCargasCombo, c, 0); }
double objBarra2d::getFFinCombo(int c) { return coeficiente(matrizCargasCombo, c, 1); }
double objBarra2d::getQInicioCombo(int c) { return coeficiente(matrizCargasCombo, c, 2); }
double objBarra2d::getQFinCombo(int c) { return coeficiente(matrizCargasCombo, c, 3); }
Eigen::MatrixXd objBarra2d::getMatrizCargasCombo() { return matrizCargasCombo; }

// A member with a hinge code other than 0 or 1 forms no stiffness, so it
// hands no load to its nodes either.
Eigen::MatrixXd objBarra2d::getCargasEquivalentesLocales()
{
    const Eigen::Index noCombosBarra = static_cast<Eigen::Index>(nombresCombos.size());
    cargasEquivalentesLocales.setZero(6, noCombosBarra);
    if (articulacionValida()) {
        const double* k = coeficientesTransversales[articulacionInicio + 2 * articulacionFin];
        const double L = longitud;
        const double L2 = L * L;
        for (Eigen::Index c = 0; c < noCombosBarra; ++c) {
            const double p1 = coeficiente(matrizCargasCombo, c, 0);
            const double p2 = coeficiente(matrizCargasCombo, c, 1);
            const double q1 = coeficiente(matrizCargasCombo, c, 2);
            const double q2 = coeficiente(matrizCargasCombo, c, 3);
            cargasEquivalentesLocales.col(c) << L * (2.0 * p1 + p2) / 6.0, L * (k[0] * q1 + k[1] * q2),
                L2 * (k[2] * q1 + k[3] * q2), L * (p1 + 2.0 * p2) / 6.0, L * (k[4] * q1 + k[5] * q2),
                L2 * (k[6] * q1 + k[7] * q2);
        }
    }
    flagsBarra[flagCargasEquivalentesLocales] = 1;
    return cargasEquivalentesLocales;
}

// Formed once for the analysis; only resetFlags lets it be formed again.
Eigen::MatrixXd objBarra2d::getCargasEquivalentesGlobales()
{
    const Eigen::Index noCombosBarra = static_cast<Eigen::Index>(nombresCombos.size());
    if (cargasEquivalentesGlobales.rows() != 6 || cargasEquivalentesGlobales.cols() != noCombosBarra) {
        cargasEquivalentesGlobales.setZero(6, noCombosBarra);
    }
    if (flagsBarra[flagCargasEquivalentesGlobales] == 0) {
        if (flagsBarra[flagCargasEquivalentesLocales] == 0) {
            getCargasEquivalentesLocales();
        }
        if (cargasEquivalentesLocales.cols() == noCombosBarra) {
            cargasEquivalentesGlobales = seisPorSeis(T).transpose() * cargasEquivalentesLocales;
        }
        flagsBarra[flagCargasEquivalentesGlobales] = 1;
    }
    return cargasEquivalentesGlobales;
}

// A kept 6 × 6 matrix (T, kLocal), or zeros while it has never been formed,
// so that products with it always have matching sizes.
Eigen::MatrixXd objBarra2d::seisPorSeis(const Eigen::MatrixXd& m)
{
    const bool formada = m.rows() == 6 && m.cols() == 6;
    return formada ? m : Eigen::MatrixXd::Zero(6, 6);
}
