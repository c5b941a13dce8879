// Program entry and the definitions of the shared globals, in the order in
// which they are constructed.
#include "globales.h"

#include <exception>
#include <iostream>

#include "arranque.h"
#include "consola.h"
#include "viewer/funcionPlot.h"
#include "viewer/interruptores.h"

const double PI = 3.141592653589793;
int numeroComboCoincidente = -1;
std::string nombreArchivo;
int noNudos = 0;
int noBarras = 0;
int noCombos = 0;
int noLibres = 0;
std::vector<objNudo2d> nudo;
std::vector<objBarra2d> barra;
double escalaDef = 0.0;
double escalaM = 0.0;
double escalaV = 0.0;
double escalaN = 0.0;
double escalaTexto = 0.0;
double escalaCarga = 0.0;
double escalaApoyo = 0.0;
int precision = 0;
Eigen::MatrixXd kEstructura;
Eigen::MatrixXd kLL;
Eigen::MatrixXd pL;
Eigen::MatrixXd pCombo;
std::vector<int> gdlLibres;
Eigen::MatrixXd uLibres;
Eigen::MatrixXd u;
Eigen::MatrixXd reacciones;
double xMin = 0.0, xMax = 0.0;
double yMin = 0.0, yMax = 0.0;
double xCam = 0.0, yCam = 0.0, zCam = 0.0, xCentroObj = 0.0, yCentroObj = 0.0;
int clickIzq = 0, xLast = 0, yLast = 0;
std::string dialogo = "Comando:";
std::string comando;
std::vector<int> flags(cantidadFlags, 0);
std::ofstream resultados;

bool modeloAdmitido = false;
bool modeloAnalizado = false;

#ifdef TRELVIK2D_PROGRAMA
// Nothing may leave main as an exception: a failure that no step handled
// ends the program with its line and a failure status.
int main(int argc, char** argv)
{
    try {
        ignorarSenalDeLimiteDeArchivo();
        nombreArchivo = argc > 1 ? argv[1] : "ingresoDatos.txt";
        escribirConsolaEnUtf8();
        limpiarConsola();
        leerYAnalizarArchivo();
        funcionPlot(argc, argv);
    } catch (const std::exception& e) {
        std::cout << "Error inesperado: " << e.what() << std::endl;
        return 1;
    } catch (...) {
        std::cout << "Error inesperado" << std::endl;
        return 1;
    }
    return 0;
}
#endif
