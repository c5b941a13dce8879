#include "model/objNudo2d.h"
#include "model/coeficiente.h"
#include "model/reglaDeCombos.h"

#include <algorithm>
#include <iostream>
#include <utility>

namespace {

// Px, Py, Mz: the columns of a point load and of a combination row.
constexpr Eigen::Index columnasDeCarga = 3;

}  // namespace

void objNudo2d::setNumeroDeNudo(int numero) { numeroDeNudo = numero; }

void objNudo2d::setNumeroNudoUsuario(int numero) { noNudoUsuario = numero; }

void objNudo2d::setCoordenadas(double xNudo, double yNudo)
{
    x = xNudo;
    y = yNudo;
}

void objNudo2d::setApoyo(int apoyoX, int apoyoY, int apoyoGiro) { apoyo << apoyoX, apoyoY, apoyoGiro; }

void objNudo2d::setResorte(double resorteX, double resorteY, double resorteGiro)
{
    resorte << resorteX, resorteY, resorteGiro;
}

void objNudo2d::setCargaPuntual(std::string caso, double Px, double Py, double Mz)
{
    casosCargaPuntual.push_back(std::move(caso));
    agregarFila(cargasPuntuales, Eigen::RowVector3d(Px, Py, Mz));
}

// Every call that names a new combination creates its row, loads or not, so
// that all nodes hold the same names in the same order.
void objNudo2d::setCombo(std::string nombreCombo, double factor, std::string caso)
{
    sumarAlCombo(nombresCombos, cargasGlobales, std::move(nombreCombo),
                 sumaDelCaso(casosCargaPuntual, cargasPuntuales, caso, factor, columnasDeCarga));
}

void objNudo2d::setDesplazamientos(Eigen::MatrixXd D)
{
    desplazamientosNudo = std::move(D);
    if (desplazamientosNudo.cols() != static_cast<Eigen::Index>(nombresCombos.size())) {
        std::cout << "La cantidad de combos de desplazamientos no es igual a la cantidad de combos en "
                     "Ingreso de Datos"
                  << std::endl;
    }
}

// A free direction with a spring reports the spring's force on the node,
// -k times the displacement, in place of the value handed in. A restrained
// direction keeps the support's reaction, which already holds the spring's
// share.
void objNudo2d::setReacciones(Eigen::MatrixXd R)
{
    reaccionesNudo = std::move(R);
    const Eigen::Index columnas = std::min(reaccionesNudo.cols(), desplazamientosNudo.cols());
    for (int k = 0; k < 3; ++k) {
        const bool resorteLibre = resorte(k) != 0.0 && apoyo(k) == 0;
        if (!resorteLibre || reaccionesNudo.rows() <= k || desplazamientosNudo.rows() <= k) {
            continue;
        }
        for (Eigen::Index i = 0; i < columnas; ++i) {
            reaccionesNudo(k, i) = -resorte(k) * desplazamientosNudo(k, i);
        }
    }
}

int objNudo2d::getNoNudo() const { return numeroDeNudo; }
int objNudo2d::getNoNudoUsuario() const { return noNudoUsuario; }
double objNudo2d::getX() const { return x; }
double objNudo2d::getY() const { return y; }
Eigen::Vector3i objNudo2d::getApoyo() const { return apoyo; }
double objNudo2d::getResorteX() const { return resorte(0); }
double objNudo2d::getResorteY() const { return resorte(1); }
double objNudo2d::getResorteGiro() const { return resorte(2); }

Eigen::Vector3i objNudo2d::getGdl()
{
    gdl << 3 * numeroDeNudo, 3 * numeroDeNudo + 1, 3 * numeroDeNudo + 2;
    return gdl;
}

Eigen::MatrixXd objNudo2d::getCargasGlobales() const { return cargasGlobales; }
double objNudo2d::getPxCombo(int c) const { return coeficiente(cargasGlobales, c, 0); }
double objNudo2d::getPyCombo(int c) const { return coeficiente(cargasGlobales, c, 1); }
double objNudo2d::getMzCombo(int c) const { return coeficiente(cargasGlobales, c, 2); }
std::string objNudo2d::getNombreCombo(int i) const
{
    const bool dentro = i >= 0 && static_cast<size_t>(i) < nombresCombos.size();
    return dentro ? nombresCombos[static_cast<size_t>(i)] : std::string();
}
int objNudo2d::getCantidadDeCombos() const { return static_cast<int>(nombresCombos.size()); }

int objNudo2d::getNumeroDeCombo(std::string nombre) const { return indiceDeNombre(nombresCombos, nombre); }

double objNudo2d::getDesplazamientoX(int c) const { return coeficiente(desplazamientosNudo, 0, c); }
double objNudo2d::getDesplazamientoY(int c) const { return coeficiente(desplazamientosNudo, 1, c); }
double objNudo2d::getGiroZ(int c) const { return coeficiente(desplazamientosNudo, 2, c); }
double objNudo2d::getReaccionX(int c) const { return coeficiente(reaccionesNudo, 0, c); }
double objNudo2d::getReaccionY(int c) const { return coeficiente(reaccionesNudo, 1, c); }
double objNudo2d::getReaccionM(int c) const { return coeficiente(reaccionesNudo, 2, c); }
