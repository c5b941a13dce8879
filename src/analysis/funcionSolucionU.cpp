// Assembly of the structure stiffness and loads, one solution of the free
// block for every combination at once, and the hand-over of displacements and
// reactions to nodes and members.
#include "analysis/funcionSolucionU.h"

#include <cmath>
#include <cstddef>
#include <iostream>
#include <new>
#include <string>
#include <vector>

#include <Eigen/Dense>

#include "globales.h"

namespace {

const char* const noSeResuelve = "; no se resuelve la estructura";

// A residual below this share of the rounding scale of the free equations is
// rounding; above it the loads find no equilibrium.
const double toleranciaResiduo = 1e-8;

// Neither an earlier model nor a refused one leaves matrices behind.
void vaciarAnalisis()
{
    gdlLibres.clear();
    noLibres = 0;
    kEstructura.resize(0, 0);
    pCombo.resize(0, 0);
    kLL.resize(0, 0);
    pL.resize(0, 0);
    uLibres.resize(0, 0);
    u.resize(0, 0);
    reacciones.resize(0, 0);
}

bool cantidadesValidas()
{
    const bool validas = noNudos >= 0 && noBarras >= 0 && noCombos >= 0 &&
                         nudo.size() >= static_cast<std::size_t>(noNudos) &&
                         barra.size() >= static_cast<std::size_t>(noBarras);
    if (!validas) {
        std::cout << "Las cantidades de nudos, barras o combos no corresponden a los nudos y barras leídos"
                  << noSeResuelve << std::endl;
    }
    return validas;
}

// The degrees of freedom are numbered by internal index; a node out of its
// row would put its loads and results on another node's.
bool nudosEnSuFila()
{
    for (int n = 0; n < noNudos; ++n) {
        if (nudo[n].getNoNudo() != n) {
            std::cout << "El índice interno del nudo " << nudo[n].getNoNudoUsuario()
                      << " no corresponde a su fila en la tabla de nudos" << noSeResuelve << std::endl;
            return false;
        }
    }
    return true;
}

// Each member's degrees of freedom, asked once and kept for every pass;
// false when a member names a node outside the model.
bool gdlDeBarras(std::vector<Eigen::VectorXi>& gdlBarras)
{
    gdlBarras.clear();
    for (int m = 0; m < noBarras; ++m) {
        const Eigen::VectorXi g = barra[m].getGdl();
        if (g.size() != 6 || g.minCoeff() < 0 || g.maxCoeff() >= 3 * noNudos) {
            std::cout << "La barra " << barra[m].getNoBarraUsuario()
                      << " une nudos que no están en la tabla de nudos" << noSeResuelve << std::endl;
            return false;
        }
        gdlBarras.push_back(g);
    }
    return true;
}

// A matrix without coefficients is the right shape for a request of none.
bool tieneForma(const Eigen::MatrixXd& matriz, Eigen::Index filas, Eigen::Index columnas)
{
    if (matriz.size() == 0) {
        return filas * columnas == 0;
    }
    return matriz.rows() == filas && matriz.cols() == columnas;
}

void avisarCombos(const std::string& objeto, int numeroUsuario)
{
    std::cout << "La cantidad de combos " << objeto << numeroUsuario
              << " no es igual a la cantidad de combos en Ingreso de Datos" << noSeResuelve << std::endl;
}

void ensamblarRigidez(const std::vector<Eigen::VectorXi>& gdlBarras)
{
    kEstructura.setZero(3 * noNudos, 3 * noNudos);
    for (int m = 0; m < noBarras; ++m) {
        const Eigen::VectorXi& g = gdlBarras[m];
        const Eigen::MatrixXd k = barra[m].getKGlobal();
        for (int a = 0; a < 6; ++a) {
            for (int b = 0; b < 6; ++b) {
                kEstructura(g(a), g(b)) += k(a, b);
            }
        }
    }
}

// The equivalent loads use the transformation formed by getKGlobal, so this
// runs after the stiffness pass.
bool ensamblarCargasDeBarras(const std::vector<Eigen::VectorXi>& gdlBarras)
{
    for (int m = 0; m < noBarras; ++m) {
        const Eigen::MatrixXd q = barra[m].getCargasEquivalentesGlobales();
        if (!tieneForma(q, 6, noCombos)) {
            avisarCombos("de la barra ", barra[m].getNoBarraUsuario());
            return false;
        }
        const Eigen::VectorXi& g = gdlBarras[m];
        for (int a = 0; a < 6; ++a) {
            for (int c = 0; c < noCombos; ++c) {
                pCombo(g(a), c) += q(a, c);
            }
        }
    }
    return true;
}

bool ensamblarCargasDeNudos()
{
    for (int n = 0; n < noNudos; ++n) {
        const Eigen::MatrixXd f = nudo[n].getCargasGlobales();
        if (!tieneForma(f, noCombos, 3)) {
            avisarCombos("del nudo ", nudo[n].getNoNudoUsuario());
            return false;
        }
        const Eigen::Vector3i g = nudo[n].getGdl();
        for (int a = 0; a < 3; ++a) {
            for (int c = 0; c < noCombos; ++c) {
                pCombo(g(a), c) += f(c, a);
            }
        }
    }
    return true;
}

bool ensamblarCargas(const std::vector<Eigen::VectorXi>& gdlBarras)
{
    pCombo.setZero(3 * noNudos, noCombos);
    return ensamblarCargasDeBarras(gdlBarras) && ensamblarCargasDeNudos();
}

void sumarResortes()
{
    for (int n = 0; n < noNudos; ++n) {
        const Eigen::Vector3i g = nudo[n].getGdl();
        kEstructura(g(0), g(0)) += nudo[n].getResorteX();
        kEstructura(g(1), g(1)) += nudo[n].getResorteY();
        kEstructura(g(2), g(2)) += nudo[n].getResorteGiro();
    }
}

// Nodes in index order and X, Y, rotation within each keep gdlLibres
// ascending, so kLL follows the global numbering.
void particionar()
{
    for (int n = 0; n < noNudos; ++n) {
        const Eigen::Vector3i g = nudo[n].getGdl();
        const Eigen::Vector3i apoyo = nudo[n].getApoyo();
        for (int a = 0; a < 3; ++a) {
            if (apoyo(a) == 0) {
                gdlLibres.push_back(g(a));
            }
        }
    }
    noLibres = static_cast<int>(gdlLibres.size());
}

// One factorisation with complete pivoting serves every combination, each a
// column of the right-hand side. A direction that nothing stiffens falls
// beyond the numerical rank and gets displacement 0.
void resolverLibres()
{
    kLL = kEstructura(gdlLibres, gdlLibres);
    pL = pCombo(gdlLibres, Eigen::all);
    // Eigen's triangular solve touches a first entry even of a right-hand
    // side without columns: with no combination there is nothing to solve.
    uLibres = noCombos == 0 ? Eigen::MatrixXd(noLibres, 0) : Eigen::MatrixXd(kLL.fullPivLu().solve(pL));
    u.setZero(3 * noNudos, noCombos);
    u(gdlLibres, Eigen::all) = uLibres;
}

// Nodes take their reactions after their displacements: a direction with a
// spring reports the spring force, computed from the displacement.
void entregarResultados(const std::vector<Eigen::VectorXi>& gdlBarras)
{
    for (int n = 0; n < noNudos; ++n) {
        nudo[n].setDesplazamientos(u(nudo[n].getGdl(), Eigen::all));
    }
    for (int m = 0; m < noBarras; ++m) {
        barra[m].setDesplazamientos(u(gdlBarras[m], Eigen::all));
    }
    reacciones = kEstructura * u - pCombo;
    for (int n = 0; n < noNudos; ++n) {
        nudo[n].setReacciones(reacciones(nudo[n].getGdl(), Eigen::all));
    }
}

// The residual of the free equations is rounding, unless the structure is a
// mechanism under these loads; then the numbers shown break equilibrium and
// the user is told where it is worst. Rounding grows with |kLL|·|uLibres|,
// and with the loads themselves.
void advertirMecanismo()
{
    const double normaKLL = kLL.cwiseAbs().rowwise().sum().maxCoeff();
    double peorRelativo = toleranciaResiduo;
    int gdlPeor = -1;
    for (int c = 0; c < noCombos; ++c) {
        const double escala = normaKLL * uLibres.col(c).cwiseAbs().maxCoeff() +
                              pL.col(c).cwiseAbs().maxCoeff();
        for (int i = 0; i < noLibres; ++i) {
            const double residuo = std::abs(reacciones(gdlLibres[i], c));
            if (residuo > peorRelativo * escala) {
                peorRelativo = residuo / escala;
                gdlPeor = gdlLibres[i];
            }
        }
    }
    if (gdlPeor < 0) {
        return;
    }
    const char* const direcciones[] = {"X", "Y", "giro"};
    std::cout << "Advertencia: la estructura es un mecanismo bajo las cargas; no hay equilibrio en el nudo "
              << nudo[gdlPeor / 3].getNoNudoUsuario() << ", dirección " << direcciones[gdlPeor % 3]
              << std::endl;
}

// Values beyond the range of a double (a huge section, load or length) turn
// sums and products into inf or NaN, which no result may show as a number.
bool dentroDelRango(bool finitos)
{
    if (!finitos) {
        std::cout << "Los valores del modelo exceden el rango de los números reales" << noSeResuelve
                  << std::endl;
    }
    return finitos;
}

bool resultadosFinitos()
{
    bool finitos = u.allFinite() && reacciones.allFinite();
    for (int m = 0; m < noBarras && finitos; ++m) {
        finitos = barra[m].getConstantesIntegracion().allFinite();
    }
    return finitos;
}

// False, after its one line, for a model that cannot be solved.
bool analizar()
{
    std::vector<Eigen::VectorXi> gdlBarras;
    if (!cantidadesValidas() || !nudosEnSuFila() || !gdlDeBarras(gdlBarras)) {
        return false;
    }
    ensamblarRigidez(gdlBarras);
    if (!ensamblarCargas(gdlBarras)) {
        return false;
    }
    sumarResortes();
    if (!dentroDelRango(kEstructura.allFinite() && pCombo.allFinite())) {
        return false;
    }
    particionar();
    if (noLibres == 0) {
        std::cout << "No hay grados de libertad libres (todos los códigos de apoyo son distintos de 0)"
                  << noSeResuelve << std::endl;
        return false;
    }
    resolverLibres();
    entregarResultados(gdlBarras);
    if (!dentroDelRango(resultadosFinitos())) {
        return false;
    }
    advertirMecanismo();
    return true;
}

// The structure stiffness is dense: a model too large for the memory is
// refused with its line instead of ending the program, also from F5.
bool analizarEnMemoria()
{
    try {
        return analizar();
    } catch (const std::bad_alloc&) {
        std::cout << "No hay memoria suficiente para las matrices de la estructura" << noSeResuelve
                  << std::endl;
        return false;
    }
}

}  // namespace

void funcionSolucionU()
{
    modeloAnalizado = false;
    vaciarAnalisis();
    if (!analizarEnMemoria()) {
        vaciarAnalisis();
        return;
    }
    modeloAnalizado = true;
}
