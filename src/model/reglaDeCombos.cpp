#include "model/reglaDeCombos.h"

#include <algorithm>
#include <iterator>
#include <utility>

void agregarFila(Eigen::MatrixXd& filas, const Eigen::RowVectorXd& fila)
{
    const Eigen::Index n = filas.rows();
    filas.conservativeResize(n + 1, fila.size());
    filas.row(n) = fila;
}

Eigen::RowVectorXd sumaDelCaso(const std::vector<std::string>& casos, const Eigen::MatrixXd& cargas,
                               const std::string& caso, double factor, Eigen::Index columnas)
{
    Eigen::RowVectorXd suma = Eigen::RowVectorXd::Zero(columnas);
    for (Eigen::Index i = 0; i < cargas.rows(); ++i) {
        if (casos[static_cast<size_t>(i)] == caso) {
            suma += factor * cargas.row(i);
        }
    }
    return suma;
}

int indiceDeNombre(const std::vector<std::string>& nombres, const std::string& nombre)
{
    const auto encontrado = std::find(nombres.begin(), nombres.end(), nombre);
    if (encontrado == nombres.end()) {
        return -1;
    }
    return static_cast<int>(std::distance(nombres.begin(), encontrado));
}

void sumarAlCombo(std::vector<std::string>& nombresCombos, Eigen::MatrixXd& filasCombos,
                  std::string nombreCombo, const Eigen::RowVectorXd& suma)
{
    const int existente = indiceDeNombre(nombresCombos, nombreCombo);
    if (existente >= 0) {
        filasCombos.row(existente) += suma;
        return;
    }
    nombresCombos.push_back(std::move(nombreCombo));
    agregarFila(filasCombos, suma);
}
