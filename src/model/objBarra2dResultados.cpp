// Placeholder: the member's end displacements, elastic curve and internal
// forces are built here next.
#include "model/objBarra2d.h"

void objBarra2d::setDesplazamientos(Eigen::MatrixXd) {}
Eigen::MatrixXd objBarra2d::getDesplazamientosGlobales() { return desplazamientosGlobales; }
Eigen::MatrixXd objBarra2d::getDesplazamientosLocales() { return desplazamientosLocales; }
Eigen::MatrixXd objBarra2d::getConstantesIntegracion() { return constantesIntegracion; }
Eigen::MatrixXd objBarra2d::getSolicitacionAxial(int, int) { return Eigen::MatrixXd(); }
Eigen::MatrixXd objBarra2d::getSolicitacionCortante(int, int) { return Eigen::MatrixXd(); }
Eigen::MatrixXd objBarra2d::getSolicitacionMomento(int, int) { return Eigen::MatrixXd(); }
double objBarra2d::getXvcero(int) { return xvcero; }
double objBarra2d::getMmax(int) { return 0.0; }
Eigen::MatrixXd objBarra2d::getBarraDeformada(int, int, double) { return Eigen::MatrixXd(); }
