// Tag queries on the input file: every query scans the whole file and keeps
// nothing of it.
#ifndef TRELVIK2D_CLASELEERARCHIVO_H
#define TRELVIK2D_CLASELEERARCHIVO_H

#include <string>
#include <string_view>
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

    // True when the file opens and reads; otherwise its one line is printed.
    bool archivoLegible();
    // False once a query met a value that does not convert, a tag without
    // its value, an incomplete table or a file it could not read.
    bool getLecturaSinErrores();

private:
    template <class F> void recorrer(F&& alToken);
    template <class F> void trasOcurrencia(const std::string& etiqueta, int k, int saltar, F&& alToken);
    template <class F> void recorrerCorridas(const std::string& etiqueta, F&& alNumero);
    template <class T, class F>
    T valorUnico(const std::string& etiqueta, F&& convertir, const char* aviso);
    void leerPares(const std::string& etiqueta, int k, int saltar, std::vector<double>* factores,
                   std::vector<std::string>* nombres);
    double convertirReal(std::string_view token, const std::string& etiqueta);
    void informarArchivoIlegible();
    void informarError(const std::string& linea);

    std::string rutaArchivo;
    bool sinErrores = true;
    bool archivoInformado = false;
};

#endif
