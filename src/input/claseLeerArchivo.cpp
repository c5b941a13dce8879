// Placeholder: the tag queries are built here next.
#include "input/claseLeerArchivo.h"

#include <utility>

void claseLeerArchivo::setNombreArchivo(std::string ruta) { rutaArchivo = std::move(ruta); }
int claseLeerArchivo::getNoEtiquetas(std::string) { return 0; }
int claseLeerArchivo::getEntero(std::string) { return -1; }
double claseLeerArchivo::getReal(std::string) { return -1.0; }
std::string claseLeerArchivo::getString(std::string, int) { return std::string(); }
Eigen::MatrixXd claseLeerArchivo::getMatriz(std::string, int columnas) { return Eigen::MatrixXd(0, columnas); }
std::vector<double> claseLeerArchivo::getMatrizEtiquetaRepetida(std::string, int, int) { return {}; }
std::vector<double> claseLeerArchivo::getFactoresEtiqueta(std::string, int, int) { return {}; }
std::vector<std::string> claseLeerArchivo::getNombresDeFactores(std::string, int, int) { return {}; }
bool claseLeerArchivo::esNumero(std::string) { return false; }
