// Tag queries on the input file: every query scans the whole file.
#ifndef TRELVIK2D_CLASELEERARCHIVO_H
#define TRELVIK2D_CLASELEERARCHIVO_H

#include <string>
#include <vector>

#include <Eigen/Dense>

class claseLeerArchivo {
public:
    void setNombreArchivo(std::string ruta);
    int getNoEtiquetas(std::string etiqueta);
    int getEntero(std::string etiqueta);
    double getReal(std::string etiqueta);
    std::string getString(std::string etiqueta, int k);
    Eigen::MatrixXd getMatriz(std::string etiqueta, int columnas);
    std::vector<double> getMatrizEtiquetaRepetida(std::string etiqueta, int k, int saltar);
    std::vector<double> getFactoresEtiqueta(std::string etiqueta, int k, int saltar);
    std::vector<std::string> getNombresDeFactores(std::string etiqueta, int k, int saltar);
    bool esNumero(std::string token);

private:
    std::string rutaArchivo;
};

#endif
