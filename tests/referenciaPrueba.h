// The model in the tables solved again in quadruple precision from each
// member's own stiffness matrix, as the reference against which the digits
// of the program's solution are measured.
#ifndef TRELVIK2D_REFERENCIAPRUEBA_H
#define TRELVIK2D_REFERENCIAPRUEBA_H

#include <Eigen/Dense>

// Results of every combination c, as doubles: the displacements of node n
// in rows 3n (X), 3n + 1 (Y), 3n + 2 (rotation) of desplazamientos, and the
// end forces of member m in member axes, as the member reports them, in
// rows 6m to 6m + 5 of fuerzas: N, V, M at its start, then at its end.
struct ResultadosDeReferencia {
    Eigen::MatrixXd desplazamientos;
    Eigen::MatrixXd fuerzas;
};

// Solves the model in the tables, whose members must have been asked for
// their stiffness already (a solution has run).
ResultadosDeReferencia resolverEnCuadruple();

// The same results as the program left them in its nodes and members.
ResultadosDeReferencia resultadosDelPrograma();

// The largest difference between the two, each result set beside the
// largest reference result of its kind (translations, rotations, forces,
// moments) in its combination, or of the kind paired with it, carried over
// by the size of the model.
double errorRelativo(const ResultadosDeReferencia& programa, const ResultadosDeReferencia& referencia);

#endif
