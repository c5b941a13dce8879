// Placeholder: the member loads, combinations and equivalent nodal loads are
// built here next.
#include "model/objBarra2d.h"

void objBarra2d::setCargaLocal(std::string, double, double, double, double) {}
void objBarra2d::setCargaGlobal(std::string, double, double, double, double) {}
void objBarra2d::setPesoPropio(std::string) {}
void objBarra2d::setCombo(std::string, double, std::string) {}
double objBarra2d::getFInicioCombo(int) { return 0.0; }
double objBarra2d::getFFinCombo(int) { return 0.0; }
double objBarra2d::getQInicioCombo(int) { return 0.0; }
double objBarra2d::getQFinCombo(int) { return 0.0; }
Eigen::MatrixXd objBarra2d::getMatrizCargasCombo() { return matrizCargasCombo; }
Eigen::MatrixXd objBarra2d::getCargasEquivalentesLocales() { return cargasEquivalentesLocales; }
Eigen::MatrixXd objBarra2d::getCargasEquivalentesGlobales() { return cargasEquivalentesGlobales; }
