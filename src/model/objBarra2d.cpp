#include "model/objBarra2d.h"

#include <algorithm>
#include <cmath>
#include <iostream>
#include <utility>

namespace {

// Through arccos(dx/L) the sine of a member at an angle θ from the X axis
// carries the rounding of dx/L multiplied by cot²θ: at θ = 1e-6 all but four
// digits are lost, and a slope under 1e-8 makes it zero. A member shallower
// than this slope (where that factor exceeds 2^20) takes its direction
// cosines from its coordinates instead.
constexpr double pendienteRasante = 1.0 / 1024.0;

// An exactly horizontal member is not one: the arccosine gives it c = ±1
// exactly.
bool esRasante(double dx, double dy)
{
    return 0.0 < std::abs(dy) && std::abs(dy) < pendienteRasante * std::abs(dx);
}

// Every other member's direction is the cosine and sine of this angle, exact
// there to a few units in the last place and what its results have always
// been computed with. A member of zero length has no direction; 0 keeps T
// finite, and its stiffness refuses it with its own line. The cosine is
// clamped because rounding can put |dx| / L a hair above 1.
double anguloPorArcoCoseno(double dx, double dy, double L)
{
    const double coseno = L > 0.0 ? std::clamp(dx / L, -1.0, 1.0) : 1.0;
    const double a = std::acos(coseno);
    return dy < 0.0 ? -a : a;
}

}  // namespace

void objBarra2d::resetFlags() { std::fill(std::begin(flagsBarra), std::end(flagsBarra), 0); }

void objBarra2d::setNumeroDeBarra(int numero)
{
    numeroDeBarra = numero;
    flagsBarra[flagNumeroDeBarra] = 1;
}

void objBarra2d::setNumeroBarraUsuario(int numero) { noBarraUsuario = numero; }

void objBarra2d::setNudoInicio(int nudo, double x, double y)
{
    nudoInicio = nudo;
    xi = x;
    yi = y;
    flagsBarra[flagNudoInicio] = 1;
}

void objBarra2d::setNudoFinal(int nudo, double x, double y)
{
    nudoFinal = nudo;
    xf = x;
    yf = y;
    flagsBarra[flagNudoFinal] = 1;
}

void objBarra2d::setNudoInicioUsuario(int numero) { nudoInicioUsuario = numero; }
void objBarra2d::setNudoFinalUsuario(int numero) { nudoFinalUsuario = numero; }

void objBarra2d::setArticulacion(int inicio, int fin)
{
    articulacionInicio = inicio;
    articulacionFin = fin;
}

void objBarra2d::setNombreDeSeccion(std::string nombre)
{
    nombreDeSeccion = std::move(nombre);
    flagsBarra[flagNombreDeSeccion] = 1;
}

void objBarra2d::setSeccionRectangular(double b, double h)
{
    area = b * h;
    inercia = std::pow(h, 3) * b / 12.0;
    flagsBarra[flagAreaInercia] = 1;
}

void objBarra2d::setSeccionGenerica(double A, double I)
{
    area = A;
    inercia = I;
    flagsBarra[flagAreaInercia] = 1;
}

void objBarra2d::setModuloE(double E)
{
    moduloE = E;
    flagsBarra[flagModuloE] = 1;
}

void objBarra2d::setPesoEspecifico(double peso) { pesoEspecifico = peso; }

int objBarra2d::getNoBarraUsuario() { return noBarraUsuario; }
bool objBarra2d::getNudosDefinidos() const
{
    return flagsBarra[flagNudoInicio] == 1 && flagsBarra[flagNudoFinal] == 1;
}
int objBarra2d::getNudoInicioUsuario() { return nudoInicioUsuario; }
int objBarra2d::getNudoFinalUsuario() { return nudoFinalUsuario; }
int objBarra2d::getArticulacionInicio() { return articulacionInicio; }
int objBarra2d::getArticulacionFin() { return articulacionFin; }
double objBarra2d::getXi() { return xi; }
double objBarra2d::getYi() { return yi; }
double objBarra2d::getXf() { return xf; }
double objBarra2d::getYf() { return yf; }
double objBarra2d::getArea() { return area; }
double objBarra2d::getInercia() { return inercia; }
double objBarra2d::getModE() { return moduloE; }

bool objBarra2d::getNombreDeSeccionDefinido() const { return flagsBarra[flagNombreDeSeccion] == 1; }

std::string objBarra2d::getNombreDeSeccion()
{
    if (getNombreDeSeccionDefinido()) {
        return nombreDeSeccion;
    }
    std::cout << "Definir el nombre de sección" << std::endl;
    return std::string();
}

double objBarra2d::getLongitud()
{
    if (flagsBarra[flagLongitud] == 1) {
        return longitud;
    }
    if (!getNudosDefinidos()) {
        std::cout << "Definir nudos del elemento" << std::endl;
        return 0.0;
    }
    flagsBarra[flagLongitud] = 1;
    longitud = std::pow(std::pow(xf - xi, 2) + std::pow(yf - yi, 2), 0.5);
    return longitud;
}

double objBarra2d::getAngulo()
{
    if (flagsBarra[flagAngulo] == 1) {
        return angulo;
    }
    if (flagsBarra[flagLongitud] == 0) {
        longitud = getLongitud();
    }
    if (flagsBarra[flagLongitud] == 0) {
        std::cout << "no se puede calcular el angulo. Faltan datos" << std::endl;
        return 0.0;
    }
    flagsBarra[flagAngulo] = 1;
    const double dx = xf - xi;
    const double dy = yf - yi;
    // dy + 0.0 turns a -0 into +0: a member along -X has π, not -π.
    angulo = std::atan2(dy + 0.0, dx);
    if (esRasante(dx, dy)) {
        cosenoDirector = dx / longitud;
        senoDirector = dy / longitud;
    } else {
        const double a = anguloPorArcoCoseno(dx, dy, longitud);
        cosenoDirector = std::cos(a);
        senoDirector = std::sin(a);
    }
    return angulo;
}

Eigen::MatrixXd objBarra2d::getT()
{
    T.setZero(6, 6);
    if (flagsBarra[flagAngulo] == 1) {
        flagsBarra[flagT] = 1;
        const double c = cosenoDirector;
        const double s = senoDirector;
        for (int extremo = 0; extremo < 6; extremo += 3) {
            T(extremo, extremo) = c;
            T(extremo, extremo + 1) = s;
            T(extremo + 1, extremo) = -s;
            T(extremo + 1, extremo + 1) = c;
            T(extremo + 2, extremo + 2) = 1.0;
        }
    } else {
        std::cout << "Calcular primero el ángulo de la barra" << std::endl;
    }
    return T;
}

bool objBarra2d::articulacionValida() const
{
    const bool inicioValido = articulacionInicio == 0 || articulacionInicio == 1;
    const bool finValido = articulacionFin == 0 || articulacionFin == 1;
    return inicioValido && finValido;
}

// Stiffness in member axes for the four hinge cases; a hinged end has no
// flexural row or column, the axial terms are the same in every case.
Eigen::MatrixXd objBarra2d::getKLocal()
{
    if (flagsBarra[flagLongitud] == 0) {
        longitud = getLongitud();
    }
    kLocal.setZero(6, 6);
    if (flagsBarra[flagAreaInercia] == 0 || flagsBarra[flagModuloE] == 0 || flagsBarra[flagLongitud] == 0) {
        std::cout << "No están definidas E, I o L de Elemento: " << numeroDeBarra << std::endl;
        return kLocal;
    }
    if (!(longitud > 0.0)) {
        std::cout << "Longitud nula (nudos coincidentes) en Elemento: " << numeroDeBarra << std::endl;
        return kLocal;
    }
    if (!articulacionValida()) {
        std::cout << "Código de articulación distinto de 0 y 1 en Elemento: " << numeroDeBarra << std::endl;
        return kLocal;
    }
    flagsBarra[flagKLocal] = 1;
    const double L = longitud;
    const double EI = moduloE * inercia;
    const double EA = moduloE * area;
    kLocal(0, 0) = kLocal(3, 3) = EA / L;
    kLocal(0, 3) = kLocal(3, 0) = -EA / L;

    if (articulacionInicio == 0 && articulacionFin == 0) {
        const double k1 = 12.0 * EI / std::pow(L, 3);
        const double k2 = 6.0 * EI / std::pow(L, 2);
        const double k3 = 4.0 * EI / L;
        const double k4 = 2.0 * EI / L;
        kLocal.block<2, 2>(1, 1) << k1, k2, k2, k3;
        kLocal.block<2, 2>(1, 4) << -k1, k2, -k2, k4;
        kLocal.block<2, 2>(4, 1) << -k1, -k2, k2, k4;
        kLocal.block<2, 2>(4, 4) << k1, -k2, -k2, k3;
    } else if (articulacionInicio != articulacionFin) {
        // One end hinged: only the rotation of the rigid end is stiffened.
        const int giro = articulacionInicio == 1 ? 5 : 2;
        const double k1 = 3.0 * EI / std::pow(L, 3);
        const double k2 = 3.0 * EI / std::pow(L, 2);
        kLocal(1, 1) = kLocal(4, 4) = k1;
        kLocal(1, 4) = kLocal(4, 1) = -k1;
        kLocal(1, giro) = kLocal(giro, 1) = k2;
        kLocal(4, giro) = kLocal(giro, 4) = -k2;
        kLocal(giro, giro) = 3.0 * EI / L;
    }
    return kLocal;
}

Eigen::MatrixXd objBarra2d::getKGlobal()
{
    if (flagsBarra[flagAngulo] == 0) {
        angulo = getAngulo();
    }
    if (flagsBarra[flagT] == 0) {
        T = getT();
    }
    if (flagsBarra[flagKLocal] == 0) {
        kLocal = getKLocal();
    }
    kGlobal = (T.transpose() * kLocal) * T;
    return kGlobal;
}

Eigen::VectorXi objBarra2d::getGdl()
{
    gdl.setZero(6);
    if (getNudosDefinidos()) {
        flagsBarra[flagGdl] = 1;
        gdl << 3 * nudoInicio, 3 * nudoInicio + 1, 3 * nudoInicio + 2, 3 * nudoFinal, 3 * nudoFinal + 1,
            3 * nudoFinal + 2;
    } else {
        std::cout << "Definir primero los nudos de la barra" << std::endl;
    }
    return gdl;
}
