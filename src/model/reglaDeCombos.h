// The combination rule that nodes and members share: loads are kept one row
// per load, each row tagged with its load case, and every combination owns one
// row that holds the factored sum of the loads it names.
#ifndef TRELVIK2D_REGLADECOMBOS_H
#define TRELVIK2D_REGLADECOMBOS_H

#include <string>
#include <vector>

#include <Eigen/Dense>

// Grows the matrix by one row, keeping the rows it holds.
void agregarFila(Eigen::MatrixXd& filas, const Eigen::RowVectorXd& fila);

// Factor times the sum of the rows of load case `caso`, in row order; zeros
// of `columnas` values when no row bears that case.
Eigen::RowVectorXd sumaDelCaso(const std::vector<std::string>& casos, const Eigen::MatrixXd& cargas,
                               const std::string& caso, double factor, Eigen::Index columnas);

// Position of a name in the list, or -1. Every name stands at most once.
int indiceDeNombre(const std::vector<std::string>& nombres, const std::string& nombre);

// Adds the sum to the row of the combination, or appends the name with the
// sum as its new last row, so that every call that names a new combination
// creates its row, loads or not.
void sumarAlCombo(std::vector<std::string>& nombresCombos, Eigen::MatrixXd& filasCombos,
                  std::string nombreCombo, const Eigen::RowVectorXd& suma);

#endif
