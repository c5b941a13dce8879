// Tag queries on the input file. The file is read once, when its path is
// set, and every query answers from that copy: a file saved meanwhile cannot
// give a reading made of two versions of it. Each tag is looked for once, so
// the whole reading stays linear in the size of the file.
#ifndef TRELVIK2D_CLASELEERARCHIVO_H
#define TRELVIK2D_CLASELEERARCHIVO_H

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include <Eigen/Dense>

// A fault's line starts with "Error: ", but for the two lines that the
// format has always printed bare: the incomplete table and the repeated
// self-weight tag.
enum class lineaDeError { conPrefijo, sinPrefijo };

// How a run of numbers ended: the token that stopped it, unless a tag or the
// end of the file did, and whether a number token follows that token.
struct finDeCorrida {
    std::string token;
    bool seguidoDeNumero = false;
};

class claseLeerArchivo {
public:
    // Sets the path and reads the file into memory.
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
    // How the run after the k-th occurrence and saltar further tokens ended.
    finDeCorrida getFinDeCorrida(std::string etiqueta, int k, int saltar);
    // The distinct tokens that end in ':', tags of the format or not, that
    // open a run of numbers at once or after one name, in file order.
    std::vector<std::string> getEtiquetasConDatos();

    // True when the file was a regular one (a named pipe would block the
    // reading) that opened and read; otherwise its one line is printed.
    bool archivoLegible();
    // Every fault of a reading, met by a query or by the reader that asks
    // them, passes here: its line, and the count that keeps a model read
    // wrong from the analysis.
    void informarError(const std::string& texto, lineaDeError forma = lineaDeError::conPrefijo);
    // A run of the tag that a spoilt number or a word cut short, or that a
    // spoilt number ended where a value was due (valorEsperado): its line,
    // an error or a warning. False when there was nothing to say.
    bool informarCorridaCortada(const std::string& etiqueta, const finDeCorrida& fin, bool valorEsperado);
    // False once a fault was reported: a value that does not convert, a tag
    // without its value, an incomplete table, a file that could not be read
    // or a fault the reader found in the model.
    bool getLecturaSinErrores() const;
    // How many faults have been reported so far.
    int getNoErrores() const;

private:
    void leerCopia();
    // Where the occurrences of the tag start in the copy, in file order.
    const std::vector<size_t>& ocurrenciasDe(const std::string& etiqueta);
    template <class F>
    void recorrer(F&& alToken);
    template <class F>
    void trasOcurrencia(const std::string& etiqueta, int k, int saltar, F&& alToken);
    template <class F, class G>
    void recorrerCorridas(const std::string& etiqueta, F&& alNumero, G&& alDetenerse);
    template <class T, class F>
    T valorUnico(const std::string& etiqueta, F&& convertir, const char* aviso);
    void leerPares(const std::string& etiqueta, int k, int saltar, std::vector<double>* factores,
                   std::vector<std::string>* nombres);
    double convertirReal(std::string_view token, const std::string& etiqueta);
    void informarArchivoIlegible();

    std::string rutaArchivo;
    // The file's bytes, without a leading byte order mark.
    std::string copia;
    bool copiaLeida = false;
    std::map<std::string, std::vector<size_t>, std::less<>> ocurrencias;
    int noErrores = 0;
    bool archivoInformado = false;
};

// A token as an error line may echo it: control bytes and bytes that are no
// UTF-8 made visible as \xHH, and a token longer than 60 bytes cut with "…".
std::string tokenVisible(std::string_view token);

// A warning: its line, with the "Advertencia: " prefix; the reading stays
// sound.
void informarAdvertencia(const std::string& texto);

// The words that name the value where the run of a table or a block stopped.
std::string lecturaDetenidaEn(std::string_view token);

// A value as an int: whole and within the int range, or why not.
enum class valorEntero { valido, conFraccion, fueraDeRango };
valorEntero comoEntero(double valor, int& entero);

// The fault of a value of the tag that has to be whole and has a fraction.
std::string valorNoEntero(std::string_view valor, const std::string& etiqueta);

#endif
