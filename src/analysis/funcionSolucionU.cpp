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
#include <utility>
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

// Each member's stiffness is kept as it came: the residual of the solution
// is summed member by member from these.
void ensamblarRigidez(const std::vector<Eigen::VectorXi>& gdlBarras, std::vector<Eigen::MatrixXd>& kBarras)
{
    kEstructura.setZero(3 * noNudos, 3 * noNudos);
    kBarras.clear();
    for (int m = 0; m < noBarras; ++m) {
        const Eigen::VectorXi& g = gdlBarras[m];
        kBarras.push_back(barra[m].getKGlobal());
        const Eigen::MatrixXd& k = kBarras.back();
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

// A node's degrees of freedom follow its row, X, Y and rotation.
bool esGiro(int g) { return g % 3 == 2; }

double resorteEn(int g)
{
    const objNudo2d& n = nudo[g / 3];
    return esGiro(g) ? n.getResorteGiro() : g % 3 == 0 ? n.getResorteX() : n.getResorteY();
}

void sumarResortes()
{
    for (int g = 0; g < 3 * noNudos; ++g) {
        kEstructura(g, g) += resorteEn(g);
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
int grupo(int g) { return esGiro(g) ? g : g - g % 3; }

double rigidezDelGrupo(int g)
{
    const int primero = grupo(g);
    const int ultimo = esGiro(g) ? g : primero + 1;
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
// modes of the stiffened directions that the factorisation finds without
// stiffness, one a column over the free directions, largest component 1;
// none at full rank. Each null vector carries rounding of about the machine
// epsilon times the size of the block over its smallest kept pivot:
// components below that are taken for 0.
struct ModosNulos {
    Eigen::MatrixXd modos;
    double redondeo = 0.0;
};

ModosNulos modosNulos(const BloqueEscalado& bloque, const Eigen::FullPivLU<Eigen::MatrixXd>& lu)
{
    ModosNulos nulos;
    const Eigen::Index rango = lu.rank();
    const Eigen::Index n = lu.cols();
    nulos.modos = Eigen::MatrixXd::Zero(noLibres, n - rango);
    if (rango == n) {
        return nulos;
    }
    const double menorPivote =
        rango == 0 ? lu.maxPivot() : lu.matrixLU().diagonal().head(rango).cwiseAbs().minCoeff();
    nulos.redondeo = std::numeric_limits<double>::epsilon() * n * lu.maxPivot() / menorPivote;
    const Eigen::MatrixXd kernel = lu.kernel();
    for (Eigen::Index k = 0; k < kernel.cols(); ++k) {
        const Eigen::VectorXd z = kernel.col(k) / kernel.col(k).cwiseAbs().maxCoeff();
        const Eigen::VectorXd modo =
            bloque.escala.cwiseProduct((z.array().abs() > nulos.redondeo).select(z, 0.0).matrix());
        nulos.modos(bloque.rigidizadas, k) = modo / modo.cwiseAbs().maxCoeff();
    }
    return nulos;
}

// What the sums in extended precision read: each member's degrees of
// freedom and stiffness as the stiffness pass asked them, and the position
// of every degree of freedom among the free ones (-1 at a fixed one).
struct Rigideces {
    std::vector<Eigen::VectorXi> gdl;
    std::vector<Eigen::MatrixXd> k;
    std::vector<int> posicionLibre;
};

void numerarLibres(Rigideces& rigideces)
{
    rigideces.posicionLibre.assign(static_cast<std::size_t>(3 * noNudos), -1);
    for (int i = 0; i < noLibres; ++i) {
        rigideces.posicionLibre[gdlLibres[i]] = i;
    }
}

using Extendido = long double;
// Where long double is no wider than double (MSVC), the refinement would
// sum in the very precision whose loss it exists to undo.
static_assert(std::numeric_limits<Extendido>::digits > std::numeric_limits<double>::digits,
              "long double no es más ancho que double: el refinamiento de la solución necesita "
              "precisión extendida; en Windows compile con MinGW-w64 (GCC o Clang), no con MSVC");
using MatrizExtendida = Eigen::Matrix<Extendido, Eigen::Dynamic, Eigen::Dynamic>;

// The rows of the free directions (positions in gdlLibres) at the six ends
// of member m, 0 at a fixed one.
template <class Matriz>
Matriz extremos(const Rigideces& rigideces, int m, const Matriz& libres)
{
    Matriz e = Matriz::Zero(6, libres.cols());
    for (int a = 0; a < 6; ++a) {
        const int j = rigideces.posicionLibre[rigideces.gdl[m](a)];
        if (j >= 0) {
            e.row(a) = libres.row(j);
        }
    }
    return e;
}

// K times these free displacements (a column per combination or mode) at
// every degree of freedom, added member by member and spring by spring in
// extended precision: a soft member beside a rigid one loses its digits in
// the sum kEstructura, its own matrix still holds them.
MatrizExtendida fuerzasElasticas(const Rigideces& rigideces, const Eigen::MatrixXd& desplazamientos)
{
    const MatrizExtendida libres = desplazamientos.cast<Extendido>();
    MatrizExtendida f = MatrizExtendida::Zero(3 * noNudos, libres.cols());
    for (int m = 0; m < noBarras; ++m) {
        f(rigideces.gdl[m], Eigen::all) += rigideces.k[m].cast<Extendido>() * extremos(rigideces, m, libres);
    }
    for (int i = 0; i < noLibres; ++i) {
        f.row(gdlLibres[i]) += static_cast<Extendido>(resorteEn(gdlLibres[i])) * libres.row(i);
    }
    return f;
}

// pL − kLL·uLibres for every combination.
MatrizExtendida residuo(const Rigideces& rigideces)
{
    return pL.cast<Extendido>() - fuerzasElasticas(rigideces, uLibres)(gdlLibres, Eigen::all);
}

// The one factorisation of the scaled block of stiffened directions, which
// every step of the solution reuses.
struct Factorizacion {
    BloqueEscalado bloque;
    Eigen::FullPivLU<Eigen::MatrixXd> lu;
};

// The factorisation's solution of these forces on the stiffened directions.
Eigen::MatrixXd resolverBloque(const Factorizacion& f, const Eigen::MatrixXd& fuerzas)
{
    const auto escala = f.bloque.escala.asDiagonal();
    Eigen::MatrixXd d = Eigen::MatrixXd::Zero(noLibres, fuerzas.cols());
    d(f.bloque.rigidizadas, Eigen::all) =
        escala * f.lu.solve(escala * fuerzas(f.bloque.rigidizadas, Eigen::all));
    return d;
}

// A null vector of the factorisation carries the rounding of the block it
// was found in; steps that take out the part the members resist, as
// refinement does for a solution, leave the mode itself.
const int pasosDelModo = 3;

Eigen::VectorXd mejorarModo(const Rigideces& rigideces, const Factorizacion& f, Eigen::VectorXd modo)
{
    for (int paso = 0; paso < pasosDelModo; ++paso) {
        const Eigen::MatrixXd fuerzas =
            fuerzasElasticas(rigideces, modo)(gdlLibres, Eigen::all).cast<double>();
        modo -= resolverBloque(f, fuerzas);
    }
    return modo / modo.cwiseAbs().maxCoeff();
}

// A null mode is a mechanism when no member and no spring stores energy in
// it: a member moving as a rigid body stores only the rounding of its own
// coefficients, up to this share of its terms. A mode that they stiffen is
// a sound direction whose stiffness the sum kEstructura rounded away: it is
// solved from the members' own matrices, never refused. Its stiffness must
// still stand out of the rounding of the terms of the members it moves, or
// its displacement keeps no digit.
const double redondeoDeLaBarra = 16.0 * std::numeric_limits<double>::epsilon();

struct Modos {
    Eigen::MatrixXd mecanismos;
    double redondeo = 0.0;
    std::vector<Eigen::VectorXd> blandos;
    std::vector<Extendido> rigidezBlanda;
    // Free direction (position in gdlLibres) of a sound mode too soft to be
    // solved, -1 when there is none.
    int sinCifras = -1;
};

// The energy that members and springs store in the mode beyond their
// rounding, and the sum of all their terms.
std::pair<Extendido, Extendido> energiaDelModo(const Rigideces& rigideces, const Eigen::VectorXd& modo)
{
    const MatrizExtendida z = modo.cast<Extendido>();
    Extendido almacenada = 0.0L, todos = 0.0L;
    for (int m = 0; m < noBarras; ++m) {
        const MatrizExtendida e = extremos(rigideces, m, z);
        const MatrizExtendida terminos =
            e.col(0).asDiagonal() * rigideces.k[m].cast<Extendido>() * e.col(0).asDiagonal();
        const Extendido propia = terminos.sum(), suma = terminos.cwiseAbs().sum();
        todos += suma;
        if (std::abs(propia) > redondeoDeLaBarra * suma) {
            almacenada += propia;
        }
    }
    for (int i = 0; i < noLibres; ++i) {
        const Extendido resorte = static_cast<Extendido>(resorteEn(gdlLibres[i])) * z(i) * z(i);
        almacenada += resorte;
        todos += resorte;
    }
    return {almacenada, todos};
}

Modos clasificarModos(const Rigideces& rigideces, const Factorizacion& f, const ModosNulos& nulos)
{
    Modos modos;
    modos.redondeo = nulos.redondeo;
    std::vector<Eigen::Index> mecanismos;
    for (Eigen::Index k = 0; k < nulos.modos.cols(); ++k) {
        const Eigen::VectorXd modo = mejorarModo(rigideces, f, nulos.modos.col(k));
        const std::pair<Extendido, Extendido> energia = energiaDelModo(rigideces, modo);
        if (!(energia.first > redondeoDeLaBarra * redondeoDeLaBarra * energia.second)) {
            mecanismos.push_back(k);
        } else if (energia.first > redondeoDeLaBarra * energia.second) {
            modos.blandos.push_back(modo);
            modos.rigidezBlanda.push_back(energia.first);
        } else if (modos.sinCifras < 0) {
            Eigen::Index i = 0;
            modo.cwiseAbs().maxCoeff(&i);
            modos.sinCifras = static_cast<int>(i);
        }
    }
    modos.mecanismos = nulos.modos(Eigen::all, mecanismos);
    return modos;
}

// Loads push a mode that no stiffness resists when their work on it exceeds
// its rounding: every component of the mode may be off by its rounding and
// every term of the work by the last digit, and only the load along each
// component enters. Loads across the mode, however large, do no work on it.
const double holguraDelTrabajo = 16.0;

// Free direction (position in gdlLibres) where loads of largest component 1
// push the mode hardest, -1 when their work on it is rounding.
int direccionEmpujada(const Eigen::VectorXd& modo, const Eigen::VectorXd& carga, double redondeo)
{
    const Eigen::VectorXd trabajo = modo.cwiseProduct(carga);
    const Extendido neto = trabajo.cast<Extendido>().sum();
    const double redondeoDelTrabajo =
        ((std::numeric_limits<double>::epsilon() * modo.cwiseAbs().array() + redondeo) *
         carga.cwiseAbs().array())
            .sum();
    if (!(std::abs(neto) > holguraDelTrabajo * redondeoDelTrabajo)) {
        return -1;
    }
    Eigen::Index i = 0;
    (neto > 0.0L ? trabajo : Eigen::VectorXd(-trabajo)).maxCoeff(&i);
    return static_cast<int>(i);
}

// Free direction (position in gdlLibres) where loads of largest component 1
// push a mode that no stiffness resists, -1 when they push none: first the
// directions without stiffness, each an exact mode of its own, then the
// mechanisms among the null modes of the scaled block.
int direccionSinEquilibrio(const BloqueEscalado& bloque, const Modos& modos, const Eigen::VectorXd& carga)
{
    int i = -1;
    for (std::size_t k = 0; k < bloque.sueltas.size() && i < 0; ++k) {
        i = direccionEmpujada(Eigen::VectorXd::Unit(noLibres, bloque.sueltas[k]), carga, 0.0);
    }
    for (Eigen::Index k = 0; k < modos.mecanismos.cols() && i < 0; ++k) {
        i = direccionEmpujada(modos.mecanismos.col(k), carga, modos.redondeo);
    }
    return i;
}

const char* const direcciones[] = {"X", "Y", "giro"};

// The node and direction of a degree of freedom, as the console names them.
std::string nudoYDireccion(int g)
{
    return "nudo " + std::to_string(nudo[g / 3].getNoNudoUsuario()) + ", dirección " + direcciones[g % 3];
}

// A structure that cannot carry the loads of a combination is refused, with
// the combination and the node and direction where they push a mechanism
// hardest.
bool hayEquilibrio(const BloqueEscalado& bloque, const Modos& modos)
{
    for (int c = 0; c < noCombos; ++c) {
        const double mayor = pL.col(c).cwiseAbs().maxCoeff();
        if (mayor == 0.0) {
            continue;
        }
        const int i = direccionSinEquilibrio(bloque, modos, pL.col(c) / mayor);
        if (i >= 0) {
            std::cout << "Error: la estructura es un mecanismo bajo las cargas del combo "
                      << nudo[0].getNombreCombo(c) << "; no hay equilibrio en el "
                      << nudoYDireccion(gdlLibres[i]) << noSeResuelve << std::endl;
            return false;
        }
    }
    return true;
}

// Each sound direction that the factorisation cannot see takes the
// displacement that balances the residual along it.
void corregirBlandos(const Rigideces& rigideces, const Modos& modos)
{
    for (std::size_t k = 0; k < modos.blandos.size(); ++k) {
        const MatrizExtendida r = residuo(rigideces);
        const Eigen::VectorXd& modo = modos.blandos[k];
        for (int c = 0; c < noCombos; ++c) {
            const Extendido trabajo = (modo.cast<Extendido>().array() * r.col(c).array()).sum();
            uLibres.col(c) += static_cast<double>(trabajo / modos.rigidezBlanda[k]) * modo;
        }
    }
}

// One step of iterative refinement: the factorisation solves the residual
// of the members' own matrices, and the correction is added to uLibres and
// returned. From uLibres = 0 the first step is the plain solution.
Eigen::MatrixXd corregir(const Rigideces& rigideces, const Factorizacion& f, const Modos& modos)
{
    const Eigen::MatrixXd antes = uLibres;
    uLibres += resolverBloque(f, residuo(rigideces).cast<double>());
    corregirBlandos(rigideces, modos);
    return uLibres - antes;
}

// The largest correction of a combination beside its largest displacement,
// both in the units of the scaled block, where translations and rotations
// compare.
double correccionRelativa(const Eigen::MatrixXd& correccion, const BloqueEscalado& bloque)
{
    const Eigen::ArrayXd escala = bloque.escala.array();
    double mayor = 0.0;
    for (int c = 0; c < noCombos; ++c) {
        const double d = (correccion(bloque.rigidizadas, c).array() / escala).abs().maxCoeff();
        const double solucion = (uLibres(bloque.rigidizadas, c).array() / escala).abs().maxCoeff();
        if (d > 0.0) {
            mayor = std::max(mayor, solucion > 0.0 ? d / solucion : std::numeric_limits<double>::infinity());
        }
    }
    return mayor;
}

// Refinement stops when a correction reaches the last digit of the
// displacements, falls by less than half (the rounding of the residual
// itself, or a block too ill-conditioned to recover), or after these steps.
const int pasosDeRefinamiento = 10;
const double correccionDeRedondeo = 4.0 * std::numeric_limits<double>::epsilon();
const double contraccionSuficiente = 0.5;

// Solves uLibres from 0, keeps the plain solution of the factorisation in
// directa, refines uLibres and returns an estimate of the error left in it:
// the last correction, twice when it fell by less than half.
Eigen::MatrixXd refinar(const Rigideces& rigideces, const Factorizacion& f, const Modos& modos,
                        Eigen::MatrixXd& directa)
{
    double anterior = std::numeric_limits<double>::infinity();
    for (int paso = 0;; ++paso) {
        const Eigen::MatrixXd correccion = corregir(rigideces, f, modos);
        if (paso == 0) {
            directa = uLibres;
        }
        const double relativa = correccionRelativa(correccion, f.bloque);
        if (relativa > contraccionSuficiente * anterior) {
            return 2.0 * correccion;
        }
        if (relativa <= correccionDeRedondeo || paso + 1 == pasosDeRefinamiento) {
            return correccion;
        }
        anterior = relativa;
    }
}

// How far the results of the worst combination may be off, as a share of
// its largest result of the same kind, and the degree of freedom where.
struct Perdida {
    double relativa = 0.0;
    int gdl = 0;
};

// The size of the model, which turns forces into the moments they make.
double tamanoDelModelo()
{
    double xMenor = 0.0, xMayor = 0.0, yMenor = 0.0, yMayor = 0.0;
    for (int n = 0; n < noNudos; ++n) {
        const double x = nudo[n].getX(), y = nudo[n].getY();
        xMenor = n == 0 ? x : std::min(xMenor, x);
        xMayor = n == 0 ? x : std::max(xMayor, x);
        yMenor = n == 0 ? y : std::min(yMenor, y);
        yMayor = n == 0 ? y : std::max(yMayor, y);
    }
    return std::max(xMayor - xMenor, yMayor - yMenor);
}

// How far the end forces of the members (and the forces of the springs)
// may be off when the free displacements are off by desvio, a correlated
// error, and each is rounded on its own by up to redondeo. The error of each
// degree of freedom is set beside the largest load, reaction or force of its
// kind in the combination; moments beside the forces times the size of the
// model, too.
Perdida perdidaDePrecision(const Rigideces& rigideces, const Eigen::MatrixXd& desvio,
                           const Eigen::MatrixXd& redondeo)
{
    Eigen::MatrixXd errorFuerza = Eigen::MatrixXd::Zero(3 * noNudos, noCombos);
    for (int m = 0; m < noBarras; ++m) {
        const Eigen::MatrixXd& k = rigideces.k[m];
        const Eigen::MatrixXd error =
            (k * extremos(rigideces, m, desvio)).cwiseAbs() + k.cwiseAbs() * extremos(rigideces, m, redondeo);
        errorFuerza(rigideces.gdl[m], Eigen::all) = errorFuerza(rigideces.gdl[m], Eigen::all).cwiseMax(error);
    }
    for (int i = 0; i < noLibres; ++i) {
        const Eigen::RowVectorXd error =
            std::abs(resorteEn(gdlLibres[i])) * (desvio.row(i).cwiseAbs() + redondeo.row(i));
        errorFuerza.row(gdlLibres[i]) = errorFuerza.row(gdlLibres[i]).cwiseMax(error);
    }
    const Eigen::MatrixXd fuerza =
        fuerzasElasticas(rigideces, uLibres).cast<double>().cwiseAbs().cwiseMax(pCombo.cwiseAbs());
    const double tamano = tamanoDelModelo();
    Perdida perdida;
    for (int c = 0; c < noCombos; ++c) {
        double escalaFuerza = 0.0, escalaMomento = 0.0;
        for (int g = 0; g < 3 * noNudos; ++g) {
            double& escala = esGiro(g) ? escalaMomento : escalaFuerza;
            escala = std::max(escala, fuerza(g, c));
        }
        escalaMomento = std::max(escalaMomento, escalaFuerza * tamano);
        for (int g = 0; g < 3 * noNudos; ++g) {
            const double escala = esGiro(g) ? escalaMomento : escalaFuerza;
            if (escala > 0.0 && errorFuerza(g, c) > perdida.relativa * escala) {
                perdida = {errorFuerza(g, c) / escala, g};
            }
        }
    }
    return perdida;
}

// Results that keep fewer significant digits than these are announced; a
// structure whose results would keep none is refused.
const int cifrasSuficientes = 5;
const int cifrasMinimas = 1;

// The significant digits that a relative error leaves: none at an error of
// 1 or more, or one that is not a number (a mode too soft to be solved
// reports an infinite one).
int cifrasConservadas(double relativa)
{
    if (std::isnan(relativa) || relativa >= 1.0) {
        return 0;
    }
    if (relativa <= 0.0) {
        return cifrasSuficientes;
    }
    return static_cast<int>(std::floor(-std::log10(relativa)));
}

bool precisionAdmisible(const Perdida& perdida)
{
    const int cifras = cifrasConservadas(perdida.relativa);
    if (cifras < cifrasMinimas) {
        std::cout << "Error: la estructura está mal condicionada (" << nudoYDireccion(perdida.gdl)
                  << "): sus resultados no tendrían cifras exactas" << noSeResuelve << std::endl;
        return false;
    }
    if (cifras < cifrasSuficientes) {
        std::cout << "Advertencia: la estructura está mal condicionada; los resultados conservan unas "
                  << cifras << " cifras significativas (" << nudoYDireccion(perdida.gdl) << ")" << std::endl;
    }
    return true;
}

// Below this share of the largest results of its kind the refinement
// changes nothing that the six significant digits of the report show: the
// plain solution is kept, and with it every result exactly as the
// factorisation alone gives it.
const double cambioInvisible = 1e-7;

// Refines the solution and, where the refinement shows, keeps it; false
// after its line when the results would keep no digit. refinada tells
// which solution stands.
bool resolverConPrecision(const Rigideces& rigideces, const Factorizacion& f, const Modos& modos,
                          bool& refinada)
{
    if (modos.sinCifras >= 0) {
        return precisionAdmisible({std::numeric_limits<double>::infinity(), gdlLibres[modos.sinCifras]});
    }
    Eigen::MatrixXd directa;
    Eigen::MatrixXd desvio = refinar(rigideces, f, modos, directa);
    const Eigen::MatrixXd cambio = uLibres - directa;
    const Eigen::MatrixXd sinRedondeo = Eigen::MatrixXd::Zero(noLibres, noCombos);
    refinada = perdidaDePrecision(rigideces, cambio, sinRedondeo).relativa > cambioInvisible;
    if (!refinada) {
        uLibres = directa;
        desvio += cambio;
    }
    const Eigen::MatrixXd redondeo = std::numeric_limits<double>::epsilon() * uLibres.cwiseAbs();
    return precisionAdmisible(perdidaDePrecision(rigideces, desvio, redondeo));
}

// Loads that find no equilibrium, and results without a trustworthy digit,
// refuse the model; a direction without stiffness gets displacement 0.
bool resolverLibres(Rigideces& rigideces, bool& refinada)
{
    kLL = kEstructura(gdlLibres, gdlLibres);
    pL = pCombo(gdlLibres, Eigen::all);
    uLibres.setZero(noLibres, noCombos);
    refinada = false;
    numerarLibres(rigideces);
    Factorizacion f;
    f.bloque = escalarLibres();
    const bool hayRigidizadas = !f.bloque.rigidizadas.empty();
    Modos modos;
    if (hayRigidizadas) {
        const auto escala = f.bloque.escala.asDiagonal();
        f.lu.compute(escala * kLL(f.bloque.rigidizadas, f.bloque.rigidizadas) * escala);
        modos = clasificarModos(rigideces, f, modosNulos(f.bloque, f.lu));
    }
    if (!hayEquilibrio(f.bloque, modos)) {
        return false;
    }
    // Eigen's triangular solve touches a first entry even of a right-hand
    // side without columns: with no combination there is nothing to solve.
    if (hayRigidizadas && noCombos != 0 && !resolverConPrecision(rigideces, f, modos, refinada)) {
        return false;
    }
    u.setZero(3 * noNudos, noCombos);
    u(gdlLibres, Eigen::all) = uLibres;
    return true;
}

// Nodes take their reactions after their displacements: a free direction
// with a spring reports the spring force, computed from the displacement.
// A refined solution balances the members' own matrices, so K·u is then
// summed member by member: kEstructura would round away what it won.
void entregarResultados(const Rigideces& rigideces, bool refinada)
{
    for (int n = 0; n < noNudos; ++n) {
        nudo[n].setDesplazamientos(u(nudo[n].getGdl(), Eigen::all));
    }
    for (int m = 0; m < noBarras; ++m) {
        barra[m].setDesplazamientos(u(rigideces.gdl[m], Eigen::all));
    }
    reacciones = refinada ? (fuerzasElasticas(rigideces, uLibres) - pCombo.cast<Extendido>()).cast<double>()
                          : Eigen::MatrixXd(kEstructura * u - pCombo);
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
    Rigideces rigideces;
    if (!cantidadesValidas() || !nudosEnSuFila() || !gdlDeBarras(rigideces.gdl)) {
        return false;
    }
    ensamblarRigidez(rigideces.gdl, rigideces.k);
    if (!ensamblarCargas(rigideces.gdl)) {
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
    bool refinada = false;
    if (!resolverLibres(rigideces, refinada)) {
        return false;
    }
    entregarResultados(rigideces, refinada);
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
