// Assembly of the structure stiffness and loads, one solution of the free
// block for every combination at once, the refusal of a structure that cannot
// carry its loads, and the hand-over of displacements and reactions to nodes
// and members.
#include "analysis/funcionSolucionU.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <iostream>
#include <limits>
#include <new>
#include <string>
#include <vector>

#include <Eigen/Dense>

#include "globales.h"

namespace {

const char* const noSeResuelve = "; no se resuelve la estructura";

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

// The directions of a node are compared by kind: its two translations
// together, so that loads, motions and stiffnesses compare whatever the
// axes, and its rotation apart. A group is named by its first degree of
// freedom.
int grupo(int g) { return g % 3 == 2 ? g : g - g % 3; }

double rigidezDelGrupo(int g)
{
    const int primero = grupo(g);
    const int ultimo = g % 3 == 2 ? g : primero + 1;
    return kEstructura.diagonal().segment(primero, ultimo - primero + 1).cwiseAbs().sum();
}

// A member laid exactly along one axis still stiffens the other by the
// square of the rounding of its direction cosine (cos(π/2)² ≈ 4e-33 of its
// own stiffness): a direction stiffened by less than this share of its
// group has no stiffness.
const double rigidezDeRedondeo =
    std::numeric_limits<double>::epsilon() * std::numeric_limits<double>::epsilon();

bool sinRigidez(int i) { return !(std::abs(kLL(i, i)) > rigidezDeRedondeo * rigidezDelGrupo(gdlLibres[i])); }

// Each stiffened direction is divided by the square root of its stiffness:
// the scaled block has a unit diagonal, so the factorisation's decision
// between rank and rounding depends neither on the units nor on how
// stiffness is spread over the model. Directions without stiffness stay out
// of it.
struct BloqueEscalado {
    std::vector<int> rigidizadas;
    std::vector<int> sueltas;
    Eigen::VectorXd escala;
};

BloqueEscalado escalarLibres()
{
    BloqueEscalado bloque;
    for (int i = 0; i < noLibres; ++i) {
        (sinRigidez(i) ? bloque.sueltas : bloque.rigidizadas).push_back(i);
    }
    bloque.escala.resize(static_cast<Eigen::Index>(bloque.rigidizadas.size()));
    for (Eigen::Index k = 0; k < bloque.escala.size(); ++k) {
        bloque.escala(k) = 1.0 / std::sqrt(std::abs(kLL(bloque.rigidizadas[k], bloque.rigidizadas[k])));
    }
    return bloque;
}

// The null space of the scaled block, taken back to displacements: the
// modes of the stiffened directions that no stiffness resists, one a column
// over the free directions, largest component 1; none at full rank. Each
// null vector carries rounding of about the machine epsilon times the size
// of the block over its smallest kept pivot: components below that are
// taken for 0.
Eigen::MatrixXd modosNulos(const BloqueEscalado& bloque, const Eigen::FullPivLU<Eigen::MatrixXd>& lu)
{
    const Eigen::Index rango = lu.rank();
    const Eigen::Index n = lu.cols();
    Eigen::MatrixXd modos = Eigen::MatrixXd::Zero(noLibres, n - rango);
    if (rango == n) {
        return modos;
    }
    const double menorPivote =
        rango == 0 ? lu.maxPivot() : lu.matrixLU().diagonal().head(rango).cwiseAbs().minCoeff();
    const double redondeo = std::numeric_limits<double>::epsilon() * n * lu.maxPivot() / menorPivote;
    const Eigen::MatrixXd nulos = lu.kernel();
    for (Eigen::Index k = 0; k < nulos.cols(); ++k) {
        const Eigen::VectorXd z = nulos.col(k) / nulos.col(k).cwiseAbs().maxCoeff();
        const Eigen::VectorXd modo =
            bloque.escala.cwiseProduct((z.array().abs() > redondeo).select(z, 0.0).matrix());
        modos(bloque.rigidizadas, k) = modo / modo.cwiseAbs().maxCoeff();
    }
    return modos;
}

// Solves the stiffened directions into uLibres with one factorisation of
// the scaled block, each combination a column of the right-hand side, and
// returns the modes of the block that no stiffness resists.
Eigen::MatrixXd resolverRigidizadas(const BloqueEscalado& bloque)
{
    if (bloque.rigidizadas.empty()) {
        return Eigen::MatrixXd(noLibres, 0);
    }
    const auto escala = bloque.escala.asDiagonal();
    const Eigen::FullPivLU<Eigen::MatrixXd> lu(escala * kLL(bloque.rigidizadas, bloque.rigidizadas) * escala);
    // Eigen's triangular solve touches a first entry even of a right-hand
    // side without columns: with no combination there is nothing to solve.
    if (noCombos != 0) {
        uLibres(bloque.rigidizadas, Eigen::all) =
            escala * lu.solve(escala * pL(bloque.rigidizadas, Eigen::all));
    }
    return modosNulos(bloque, lu);
}

// The most work that loads could do on a mode if, in every group, they
// pointed along its motion: in units of work, as the work they do.
double trabajoMaximo(const Eigen::VectorXd& modo, const Eigen::VectorXd& carga)
{
    double total = 0.0, modo2 = 0.0, carga2 = 0.0;
    for (int i = 0; i < noLibres; ++i) {
        modo2 += modo(i) * modo(i);
        carga2 += carga(i) * carga(i);
        if (i + 1 == noLibres || grupo(gdlLibres[i + 1]) != grupo(gdlLibres[i])) {
            total += std::sqrt(modo2) * std::sqrt(carga2);
            modo2 = carga2 = 0.0;
        }
    }
    return total;
}

// Loads find equilibrium when they do no work on any mode that no stiffness
// resists. The work and its most change alike with the units and with how
// stiffness is spread; a ratio that the six significant digits of the
// results cannot show is rounding.
const double toleranciaEquilibrio = 1e-6;

// Free direction (position in gdlLibres) where loads of largest component 1
// push the mode hardest, -1 when their work on it is rounding.
int direccionEmpujada(const Eigen::VectorXd& modo, const Eigen::VectorXd& carga)
{
    const Eigen::VectorXd trabajo = modo.cwiseProduct(carga);
    const double neto = trabajo.sum();
    if (!(std::abs(neto) > toleranciaEquilibrio * trabajoMaximo(modo, carga))) {
        return -1;
    }
    Eigen::Index i = 0;
    (neto > 0.0 ? trabajo : Eigen::VectorXd(-trabajo)).maxCoeff(&i);
    return static_cast<int>(i);
}

// Free direction (position in gdlLibres) where loads of largest component 1
// push a mode that no stiffness resists, -1 when they push none: first the
// directions without stiffness, each a mode of its own, then the null modes
// of the scaled block.
int direccionSinEquilibrio(const BloqueEscalado& bloque, const Eigen::MatrixXd& nulos,
                           const Eigen::VectorXd& carga)
{
    int i = -1;
    for (std::size_t k = 0; k < bloque.sueltas.size() && i < 0; ++k) {
        i = direccionEmpujada(Eigen::VectorXd::Unit(noLibres, bloque.sueltas[k]), carga);
    }
    for (Eigen::Index k = 0; k < nulos.cols() && i < 0; ++k) {
        i = direccionEmpujada(nulos.col(k), carga);
    }
    return i;
}

// A structure that cannot carry the loads of a combination is refused, with
// the node and direction where they push a mechanism hardest.
bool hayEquilibrio(const BloqueEscalado& bloque, const Eigen::MatrixXd& nulos)
{
    for (int c = 0; c < noCombos; ++c) {
        const double mayor = pL.col(c).cwiseAbs().maxCoeff();
        if (mayor == 0.0) {
            continue;
        }
        const int i = direccionSinEquilibrio(bloque, nulos, pL.col(c) / mayor);
        if (i >= 0) {
            const char* const direcciones[] = {"X", "Y", "giro"};
            std::cout << "Error: la estructura es un mecanismo bajo las cargas; no hay equilibrio en el nudo "
                      << nudo[gdlLibres[i] / 3].getNoNudoUsuario() << ", dirección "
                      << direcciones[gdlLibres[i] % 3] << noSeResuelve << std::endl;
            return false;
        }
    }
    return true;
}

// Loads that find no equilibrium refuse the model; a direction without
// stiffness gets displacement 0.
bool resolverLibres()
{
    kLL = kEstructura(gdlLibres, gdlLibres);
    pL = pCombo(gdlLibres, Eigen::all);
    uLibres.setZero(noLibres, noCombos);
    const BloqueEscalado bloque = escalarLibres();
    if (!hayEquilibrio(bloque, resolverRigidizadas(bloque))) {
        return false;
    }
    u.setZero(3 * noNudos, noCombos);
    u(gdlLibres, Eigen::all) = uLibres;
    return true;
}

// Nodes take their reactions after their displacements: a free direction
// with a spring reports the spring force, computed from the displacement.
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
    if (!resolverLibres()) {
        return false;
    }
    entregarResultados(gdlBarras);
    return dentroDelRango(resultadosFinitos());
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
        // A model the analysis refuses counts as one read wrong: the viewer
        // shows no layer of its combinations, not even its loads.
        modeloAdmitido = false;
        vaciarAnalisis();
        return;
    }
    modeloAnalizado = true;
}
