// Shared state of the program: every top-level function reads and writes
// these globals, defined once in trelvik2d.cpp.
#ifndef TRELVIK2D_GLOBALES_H
#define TRELVIK2D_GLOBALES_H

#include <fstream>
#include <string>
#include <vector>

#include <Eigen/Dense>

#include "model/objBarra2d.h"
#include "model/objNudo2d.h"

extern const double PI;
extern int numeroComboCoincidente;
extern std::string nombreArchivo;
extern int noNudos;
extern int noBarras;
extern int noCombos;
extern int noLibres;
extern std::vector<objNudo2d> nudo;
extern std::vector<objBarra2d> barra;
extern double escalaDef;
extern double escalaM;
extern double escalaV;
extern double escalaN;
extern double escalaTexto;
extern double escalaCarga;
extern double escalaApoyo;
extern int precision;
extern Eigen::MatrixXd kEstructura;
extern Eigen::MatrixXd kLL;
extern Eigen::MatrixXd pL;
extern Eigen::MatrixXd pCombo;
extern std::vector<int> gdlLibres;
extern Eigen::MatrixXd uLibres;
extern Eigen::MatrixXd u;
extern Eigen::MatrixXd reacciones;
extern double xMin, xMax;
extern double yMin, yMax;
extern double xCam, yCam, zCam, xCentroObj, yCentroObj;
extern int clickIzq, xLast, yLast;
extern std::string dialogo;
extern std::string comando;
extern std::vector<int> flags;
extern std::ofstream resultados;

// True while the current model may be shown with its loads: the last reading
// of the input file found no error and the analysis, when it ran, did not
// refuse the model. A model read wrong is never analysed.
extern bool modeloAdmitido;
// True while the nodes and members hold the results of a completed analysis
// of the current model; result layers and the report need it.
extern bool modeloAnalizado;

#endif
