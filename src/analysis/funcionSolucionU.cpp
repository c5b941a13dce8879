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

// What the sums in extended precision and the estimate of the digits read:
// each member's degrees of freedom, stiffness, length and equivalent loads
// as the assembly asked them, and the position of every degree of freedom
// among the free ones (-1 at a fixed one).
struct Rigideces {
    std::vector<Eigen::VectorXi> gdl;
    std::vector<Eigen::MatrixXd> k;
    std::vector<double> longitud;
    std::vector<Eigen::MatrixXd> cargas;
    std::vector<int> posicionLibre;
};

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
void ensamblarRigidez(Rigideces& rigideces)
{
    kEstructura.setZero(3 * noNudos, 3 * noNudos);
    rigideces.k.clear();
    rigideces.longitud.clear();
    for (int m = 0; m < noBarras; ++m) {
        const Eigen::VectorXi& g = rigideces.gdl[m];
        rigideces.k.push_back(barra[m].getKGlobal());
        rigideces.longitud.push_back(barra[m].getLongitud());
        const Eigen::MatrixXd& k = rigideces.k.back();
        for (int a = 0; a < 6; ++a) {
            for (int b = 0; b < 6; ++b) {
                kEstructura(g(a), g(b)) += k(a, b);
            }
        }
    }
}

// The equivalent loads use the transformation formed by getKGlobal, so this
// runs after the stiffness pass.
bool ensamblarCargasDeBarras(Rigideces& rigideces)
{
    rigideces.cargas.clear();
    for (int m = 0; m < noBarras; ++m) {
        const Eigen::MatrixXd q = barra[m].getCargasEquivalentesGlobales();
        if (!tieneForma(q, 6, noCombos)) {
            avisarCombos("de la barra ", barra[m].getNoBarraUsuario());
            return false;
        }
        rigideces.cargas.push_back(q.size() == 0 ? Eigen::MatrixXd::Zero(6, noCombos) : q);
        const Eigen::VectorXi& g = rigideces.gdl[m];
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

bool ensamblarCargas(Rigideces& rigideces)
{
    pCombo.setZero(3 * noNudos, noCombos);
    return ensamblarCargasDeBarras(rigideces) && ensamblarCargasDeNudos();
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

// A member laid exactly along one axis still stiffens the other by the
// square of the rounding of its direction cosine (cos(π/2)² ≈ 4e-33 of its
// own stiffness): what a member puts on one translation of an end below this
// share of what it puts on both is no stiffness. Its rotations compare
// alone, so that a hinged end (an exact 0) puts none.
const double rigidezDeRedondeo =
    std::numeric_limits<double>::epsilon() * std::numeric_limits<double>::epsilon();

// Each member's rounding is judged against that member alone: a very stiff
// spring or member on one direction leaves the others of the node as they
// are.
bool rigidizaElExtremo(const Eigen::MatrixXd& k, int a)
{
    const int primero = a % 3 == 2 ? a : a - a % 3;
    const int cuantos = a % 3 == 2 ? 1 : 2;
    return k(a, a) > rigidezDeRedondeo * k.diagonal().segment(primero, cuantos).cwiseAbs().sum();
}

// The degrees of freedom (global numbers) that a spring or some member
// stiffens.
std::vector<bool> direccionesRigidizadas(const Rigideces& rigideces)
{
    std::vector<bool> rigidizada(static_cast<std::size_t>(3 * noNudos), false);
    for (int g = 0; g < 3 * noNudos; ++g) {
        rigidizada[g] = resorteEn(g) != 0.0;
    }
    for (int m = 0; m < noBarras; ++m) {
        for (int a = 0; a < 6; ++a) {
            if (rigidizaElExtremo(rigideces.k[m], a)) {
                rigidizada[rigideces.gdl[m](a)] = true;
            }
        }
    }
    return rigidizada;
}

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

// The scale of these free directions (positions in gdlLibres).
Eigen::VectorXd escalaDe(const std::vector<int>& libres)
{
    return kLL.diagonal()(libres).cwiseAbs().cwiseSqrt().cwiseInverse();
}

BloqueEscalado escalarLibres(const Rigideces& rigideces)
{
    const std::vector<bool> rigidizada = direccionesRigidizadas(rigideces);
    BloqueEscalado bloque;
    for (int i = 0; i < noLibres; ++i) {
        const bool conRigidez = rigidizada[gdlLibres[i]] && kLL(i, i) != 0.0;
        (conRigidez ? bloque.rigidizadas : bloque.sueltas).push_back(i);
    }
    bloque.escala = escalaDe(bloque.rigidizadas);
    return bloque;
}

// The stiffened directions fall into parts that no member joins. Each part
// factorised on its own, scaled, has a rank, modes and rounding that are the
// same whatever stands beside it.
struct Parte {
    std::vector<int> libres;
    Eigen::VectorXd escala;
    Eigen::FullPivLU<Eigen::MatrixXd> lu;
};

// The factorisations of the parts, which every step of the solution
// reuses.
struct Factorizacion {
    BloqueEscalado bloque;
    std::vector<Parte> partes;
};

int raiz(std::vector<int>& padre, int i)
{
    while (padre[i] != i) {
        padre[i] = padre[padre[i]];
        i = padre[i];
    }
    return i;
}

// The stiffened free directions (positions in gdlLibres) of each part, in
// ascending order.
std::vector<std::vector<int>> partesUnidas(const Rigideces& rigideces, const BloqueEscalado& bloque)
{
    std::vector<int> padre(static_cast<std::size_t>(noLibres));
    for (int i = 0; i < noLibres; ++i) {
        padre[i] = i;
    }
    for (int m = 0; m < noBarras; ++m) {
        int primera = -1;
        for (int a = 0; a < 6; ++a) {
            const int j = rigideces.posicionLibre[rigideces.gdl[m](a)];
            if (j < 0) {
                continue;
            }
            if (primera < 0) {
                primera = j;
            }
            padre[raiz(padre, j)] = raiz(padre, primera);
        }
    }
    std::vector<int> parteDe(static_cast<std::size_t>(noLibres), -1);
    std::vector<std::vector<int>> partes;
    for (int i : bloque.rigidizadas) {
        int& parte = parteDe[raiz(padre, i)];
        if (parte < 0) {
            parte = static_cast<int>(partes.size());
            partes.emplace_back();
        }
        partes[parte].push_back(i);
    }
    return partes;
}

void factorizar(Parte& parte, const std::vector<int>& libres)
{
    parte.libres = libres;
    parte.escala = escalaDe(parte.libres);
    const auto escala = parte.escala.asDiagonal();
    parte.lu.compute(escala * kLL(parte.libres, parte.libres) * escala);
}

// Whether one factorisation of all the parts keeps exactly the pivots that
// each part would keep alone: those above the machine epsilon times the
// size of the part, relative to the part's own largest pivot (the library's
// rule, which for the whole block grows with what stands beside a part).
bool rangoComoPorPartes(const Parte& todo, const std::vector<std::vector<int>>& partes)
{
    std::vector<int> parteDe(static_cast<std::size_t>(noLibres), -1);
    for (std::size_t p = 0; p < partes.size(); ++p) {
        for (int i : partes[p]) {
            parteDe[i] = static_cast<int>(p);
        }
    }
    const Eigen::VectorXd pivotes = todo.lu.matrixLU().diagonal().cwiseAbs();
    const Eigen::VectorXi& columna = todo.lu.permutationQ().indices();
    auto parteDelPivote = [&](Eigen::Index k) { return parteDe[todo.libres[columna(k)]]; };
    std::vector<double> mayor(partes.size(), 0.0);
    for (Eigen::Index k = 0; k < pivotes.size(); ++k) {
        double& m = mayor[parteDelPivote(k)];
        m = std::max(m, pivotes(k));
    }
    const double umbralDelTodo = todo.lu.threshold() * todo.lu.maxPivot();
    for (Eigen::Index k = 0; k < pivotes.size(); ++k) {
        const int p = parteDelPivote(k);
        const double umbralDeLaParte = std::numeric_limits<double>::epsilon() * partes[p].size() * mayor[p];
        if ((pivotes(k) > umbralDeLaParte) != (pivotes(k) > umbralDelTodo)) {
            return false;
        }
    }
    return true;
}

// The whole block is factorised at once, unless its rank differs from that
// of its parts alone: then each part is.
void factorizarPartes(const Rigideces& rigideces, Factorizacion& f)
{
    const std::vector<std::vector<int>> partes = partesUnidas(rigideces, f.bloque);
    f.partes.resize(1);
    factorizar(f.partes[0], f.bloque.rigidizadas);
    if (rangoComoPorPartes(f.partes[0], partes)) {
        return;
    }
    f.partes.resize(partes.size());
    for (std::size_t p = 0; p < partes.size(); ++p) {
        factorizar(f.partes[p], partes[p]);
    }
}

// The null space of each part, taken back to displacements: the modes of
// the stiffened directions that the factorisation finds without stiffness,
// one a column over the free directions, largest component 1; none at full
// rank. Each null vector carries rounding of about the machine epsilon
// times the size of its part over its smallest kept pivot: components below
// that are taken for 0.
struct ModosNulos {
    Eigen::MatrixXd modos;
    std::vector<double> redondeo;
};

void modosDeLaParte(const Parte& parte, std::vector<Eigen::VectorXd>& modos, std::vector<double>& redondeos)
{
    const Eigen::FullPivLU<Eigen::MatrixXd>& lu = parte.lu;
    const Eigen::Index rango = lu.rank();
    const Eigen::Index n = lu.cols();
    if (rango == n) {
        return;
    }
    const double menorPivote =
        rango == 0 ? lu.maxPivot() : lu.matrixLU().diagonal().head(rango).cwiseAbs().minCoeff();
    const double redondeo = std::numeric_limits<double>::epsilon() * n * lu.maxPivot() / menorPivote;
    const Eigen::MatrixXd kernel = lu.kernel();
    for (Eigen::Index k = 0; k < kernel.cols(); ++k) {
        const Eigen::VectorXd z = kernel.col(k) / kernel.col(k).cwiseAbs().maxCoeff();
        const Eigen::VectorXd enParte =
            parte.escala.cwiseProduct((z.array().abs() > redondeo).select(z, 0.0).matrix());
        Eigen::VectorXd modo = Eigen::VectorXd::Zero(noLibres);
        modo(parte.libres) = enParte / enParte.cwiseAbs().maxCoeff();
        modos.push_back(modo);
        redondeos.push_back(redondeo);
    }
}

ModosNulos modosNulos(const Factorizacion& f)
{
    std::vector<Eigen::VectorXd> modos;
    ModosNulos nulos;
    for (const Parte& parte : f.partes) {
        modosDeLaParte(parte, modos, nulos.redondeo);
    }
    nulos.modos.resize(noLibres, static_cast<Eigen::Index>(modos.size()));
    for (std::size_t k = 0; k < modos.size(); ++k) {
        nulos.modos.col(static_cast<Eigen::Index>(k)) = modos[k];
    }
    return nulos;
}

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

// The factorisations' solution of these forces on the stiffened directions.
Eigen::MatrixXd resolverBloque(const Factorizacion& f, const Eigen::MatrixXd& fuerzas)
{
    Eigen::MatrixXd d = Eigen::MatrixXd::Zero(noLibres, fuerzas.cols());
    for (const Parte& parte : f.partes) {
        const auto escala = parte.escala.asDiagonal();
        d(parte.libres, Eigen::all) = escala * parte.lu.solve(escala * fuerzas(parte.libres, Eigen::all));
    }
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
    std::vector<double> redondeo;
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
    std::vector<Eigen::Index> mecanismos;
    for (Eigen::Index k = 0; k < nulos.modos.cols(); ++k) {
        const Eigen::VectorXd modo = mejorarModo(rigideces, f, nulos.modos.col(k));
        const std::pair<Extendido, Extendido> energia = energiaDelModo(rigideces, modo);
        if (!(energia.first > redondeoDeLaBarra * redondeoDeLaBarra * energia.second)) {
            mecanismos.push_back(k);
            modos.redondeo.push_back(nulos.redondeo[static_cast<std::size_t>(k)]);
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
        i = direccionEmpujada(modos.mecanismos.col(k), carga, modos.redondeo[static_cast<std::size_t>(k)]);
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

// Free direction (position in gdlLibres) of a motion that nothing resists:
// a translation without stiffness, or the largest component of a
// mechanism; -1 when there is none. A rotation without stiffness is a joint
// where every member end is hinged, which turns freely in any sound truss.
int direccionInestable(const BloqueEscalado& bloque, const Modos& modos)
{
    for (int i : bloque.sueltas) {
        if (!esGiro(gdlLibres[i])) {
            return i;
        }
    }
    Eigen::Index i = -1;
    if (modos.mecanismos.cols() > 0) {
        modos.mecanismos.col(0).cwiseAbs().maxCoeff(&i);
    }
    return static_cast<int>(i);
}

// A structure that is unstable where no load moves it is solved with that
// motion left at zero, and the console says so once.
void avisarInestable(const BloqueEscalado& bloque, const Modos& modos)
{
    const int i = direccionInestable(bloque, modos);
    if (i >= 0) {
        std::cout << "Advertencia: la estructura es inestable (" << nudoYDireccion(gdlLibres[i])
                  << "): ninguna carga de los combos la mueve en esa dirección; se toma desplazamiento nulo "
                     "en ella"
                  << std::endl;
    }
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
// the results they belong to, and the degree of freedom where.
struct Perdida {
    double relativa = 0.0;
    int gdl = 0;
};

// End forces of a member in one unit: its forces, and its moments over its
// length; a value per combination.
Eigen::RowVectorXd enUnaUnidad(const Eigen::MatrixXd& extremos, double longitud)
{
    Eigen::MatrixXd unidad = extremos.cwiseAbs();
    if (longitud > 0.0) {
        unidad.row(2) /= longitud;
        unidad.row(5) /= longitud;
    }
    return unidad.colwise().maxCoeff();
}

// A result that statics leaves at zero has no size of its own: below this
// share of the largest member force of its combination, a member's forces
// are set beside that share, never beside their own rounding.
const double fraccionMinima = 1e-6;

// The forces of every member in one unit, its scale in each combination,
// and at every degree of freedom the largest scale of the members there, a
// force along a translation and a moment (times the member's length) about
// a rotation.
struct Escalas {
    std::vector<Eigen::RowVectorXd> barras;
    Eigen::MatrixXd gdl;
};

Escalas escalasDeFuerza(const Rigideces& rigideces)
{
    Escalas escalas{{}, Eigen::MatrixXd::Zero(3 * noNudos, noCombos)};
    Eigen::RowVectorXd minima = Eigen::RowVectorXd::Zero(noCombos);
    for (int m = 0; m < noBarras; ++m) {
        const Eigen::MatrixXd fuerzas =
            rigideces.k[m] * extremos(rigideces, m, uLibres) - rigideces.cargas[m];
        escalas.barras.push_back(enUnaUnidad(fuerzas, rigideces.longitud[m]));
        minima = minima.cwiseMax(fraccionMinima * escalas.barras.back());
    }
    for (int m = 0; m < noBarras; ++m) {
        escalas.barras[m] = escalas.barras[m].cwiseMax(minima);
        for (int a = 0; a < 6; ++a) {
            const int g = rigideces.gdl[m](a);
            const double unidad = esGiro(g) ? rigideces.longitud[m] : 1.0;
            escalas.gdl.row(g) = escalas.gdl.row(g).cwiseMax(unidad * escalas.barras[m]);
        }
    }
    return escalas;
}

// The worst of these errors beside their scales, named by the degree of
// freedom g of each column.
void peorPerdida(Perdida& perdida, const Eigen::MatrixXd& error, const Eigen::RowVectorXd& escala,
                 const Eigen::VectorXi& g, double longitud)
{
    for (int c = 0; c < noCombos; ++c) {
        for (Eigen::Index a = 0; a < error.rows(); ++a) {
            const double e = esGiro(g(a)) && longitud > 0.0 ? error(a, c) / longitud : error(a, c);
            if (escala(c) > 0.0 && e > perdida.relativa * escala(c)) {
                perdida = {e / escala(c), g(a)};
            }
        }
    }
}

// How far the end forces of the members (and the forces of the springs)
// may be off when the free displacements are off by desvio, a correlated
// error, and each is rounded on its own by up to redondeo. Each member's
// error is set beside that member's own forces, a spring's beside its force
// and the members it holds: a load taken straight by a support is part of
// no scale, and a small part keeps its own.
Perdida perdidaDePrecision(const Rigideces& rigideces, const Eigen::MatrixXd& desvio,
                           const Eigen::MatrixXd& redondeo)
{
    const Escalas escalas = escalasDeFuerza(rigideces);
    Perdida perdida;
    for (int m = 0; m < noBarras; ++m) {
        const Eigen::MatrixXd& k = rigideces.k[m];
        const Eigen::MatrixXd error =
            (k * extremos(rigideces, m, desvio)).cwiseAbs() + k.cwiseAbs() * extremos(rigideces, m, redondeo);
        peorPerdida(perdida, error, escalas.barras[m], rigideces.gdl[m], rigideces.longitud[m]);
    }
    for (int i = 0; i < noLibres; ++i) {
        const double resorte = std::abs(resorteEn(gdlLibres[i]));
        const Eigen::RowVectorXd escala =
            (resorte * uLibres.row(i).cwiseAbs()).cwiseMax(escalas.gdl.row(gdlLibres[i]));
        const Eigen::RowVectorXd error = resorte * (desvio.row(i).cwiseAbs() + redondeo.row(i));
        peorPerdida(perdida, error, escala, Eigen::VectorXi::Constant(1, gdlLibres[i]), 0.0);
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
        std::cout << "Advertencia: la estructura está mal condicionada; los resultados conservan "
                  << (cifras == 1 ? "1 cifra significativa"
                                  : "unas " + std::to_string(cifras) + " cifras significativas")
                  << " (" << nudoYDireccion(perdida.gdl) << ")" << std::endl;
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
    f.bloque = escalarLibres(rigideces);
    const bool hayRigidizadas = !f.bloque.rigidizadas.empty();
    Modos modos;
    if (hayRigidizadas) {
        factorizarPartes(rigideces, f);
        modos = clasificarModos(rigideces, f, modosNulos(f));
    }
    if (!hayEquilibrio(f.bloque, modos)) {
        return false;
    }
    avisarInestable(f.bloque, modos);
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
    ensamblarRigidez(rigideces);
    if (!ensamblarCargas(rigideces)) {
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
