// Bounds-checked read of one coefficient: the per-combination getters are
// asked by index, and an index outside the matrix yields 0.0 instead of a
// read beyond its storage.
#ifndef TRELVIK2D_COEFICIENTE_H
#define TRELVIK2D_COEFICIENTE_H

#include <Eigen/Dense>

inline double coeficiente(const Eigen::MatrixXd& m, Eigen::Index fila, Eigen::Index columna)
{
    const bool dentro = fila >= 0 && fila < m.rows() && columna >= 0 && columna < m.cols();
    return dentro ? m(fila, columna) : 0.0;
}

#endif
