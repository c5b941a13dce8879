#include "input/claseLeerArchivo.h"

#include <charconv>
#include <cstdio>
#include <iostream>
#include <memory>
#include <utility>

namespace {

// Large blocks keep a scan's cost near the cost of reading the file once.
constexpr size_t tamanoBloque = 1 << 16;

struct cerrarArchivo {
    void operator()(std::FILE* archivo) const { std::fclose(archivo); }
};
using archivoAbierto = std::unique_ptr<std::FILE, cerrarArchivo>;

// Read only: the reader never writes the input file.
archivoAbierto abrir(const std::string& ruta) { return archivoAbierto(std::fopen(ruta.c_str(), "rb")); }

bool esBlanco(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool esDigito(char c) { return c >= '0' && c <= '9'; }

bool esTokenNumero(std::string_view token)
{
    return token.find_first_not_of("1234567890+-.e") == std::string_view::npos;
}

// Calls alToken for every token of the file in order; false when the file
// cannot be opened or a read fails.
template <class F>
bool recorrerTokens(const std::string& ruta, F& alToken)
{
    archivoAbierto archivo = abrir(ruta);
    if (!archivo) {
        return false;
    }
    std::vector<char> bloque(tamanoBloque);
    std::string pendiente;  // a token that a block boundary cut
    size_t leidos = 0;
    while ((leidos = std::fread(bloque.data(), 1, bloque.size(), archivo.get())) > 0) {
        const char* p = bloque.data();
        const char* const fin = p + leidos;
        while (p < fin) {
            if (esBlanco(*p)) {
                if (!pendiente.empty()) {
                    alToken(std::string_view(pendiente));
                    pendiente.clear();
                }
                ++p;
                continue;
            }
            const char* const inicio = p;
            while (p < fin && !esBlanco(*p)) {
                ++p;
            }
            if (p < fin && pendiente.empty()) {
                alToken(std::string_view(inicio, static_cast<size_t>(p - inicio)));
            } else {
                pendiente.append(inicio, p);
            }
        }
    }
    if (!pendiente.empty()) {
        alToken(std::string_view(pendiente));
    }
    return std::ferror(archivo.get()) == 0;
}

// Length of the longest leading part that is a decimal number: optional
// sign, digits with an optional point, optional exponent with its digits.
size_t prefijoReal(std::string_view t)
{
    size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        ++i;
    }
    size_t digitos = 0;
    for (; i < t.size() && esDigito(t[i]); ++i) {
        ++digitos;
    }
    if (i < t.size() && t[i] == '.') {
        for (++i; i < t.size() && esDigito(t[i]); ++i) {
            ++digitos;
        }
    }
    if (digitos == 0) {
        return 0;
    }
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) {
            ++j;
        }
        if (j < t.size() && esDigito(t[j])) {
            while (j < t.size() && esDigito(t[j])) {
                ++j;
            }
            return j;
        }
    }
    return i;
}

// from_chars is locale-free but takes no leading '+'.
const char* sinMas(std::string_view t) { return t.data() + (!t.empty() && t[0] == '+' ? 1 : 0); }

bool leerReal(std::string_view t, double& valor)
{
    const size_t largo = prefijoReal(t);
    if (largo == 0) {
        return false;
    }
    const char* const fin = t.data() + largo;
    const auto r = std::from_chars(sinMas(t), fin, valor, std::chars_format::general);
    return r.ec == std::errc() && r.ptr == fin;
}

bool leerEntero(std::string_view t, int& valor)
{
    const char* const inicio = sinMas(t);
    if (inicio != t.data() && (inicio == t.data() + t.size() || !esDigito(*inicio))) {
        return false;  // a '+' followed by no digit
    }
    const auto r = std::from_chars(inicio, t.data() + t.size(), valor);
    return r.ec == std::errc();
}

std::string lineaValorInvalido(std::string_view token, const std::string& etiqueta)
{
    return "Error: el valor " + std::string(token) + " de la etiqueta " + etiqueta +
           " no es un número válido";
}

}  // namespace

void claseLeerArchivo::setNombreArchivo(std::string ruta) { rutaArchivo = std::move(ruta); }

bool claseLeerArchivo::archivoLegible()
{
    archivoAbierto archivo = abrir(rutaArchivo);
    char byte = 0;
    const bool legible = archivo && (std::fread(&byte, 1, 1, archivo.get()) == 1 || std::feof(archivo.get()));
    if (!legible) {
        informarArchivoIlegible();
    }
    return legible;
}

bool claseLeerArchivo::getLecturaSinErrores() { return sinErrores; }

void claseLeerArchivo::informarError(const std::string& linea)
{
    sinErrores = false;
    std::cout << linea << std::endl;
}

// Named once per reading, however many queries meet the unreadable file.
void claseLeerArchivo::informarArchivoIlegible()
{
    sinErrores = false;
    if (!archivoInformado) {
        archivoInformado = true;
        std::cout << "Error: no se puede abrir el archivo de datos " << rutaArchivo << std::endl;
    }
}

template <class F>
void claseLeerArchivo::recorrer(F&& alToken)
{
    if (!recorrerTokens(rutaArchivo, alToken)) {
        informarArchivoIlegible();
    }
}

// Hands alToken the tokens that follow the k-th occurrence and saltar
// further tokens, until it returns false.
template <class F>
void claseLeerArchivo::trasOcurrencia(const std::string& etiqueta, int k, int saltar, F&& alToken)
{
    int ocurrencias = 0;
    int porSaltar = 0;
    bool activo = false;
    recorrer([&](std::string_view t) {
        if (activo) {
            if (porSaltar > 0) {
                --porSaltar;
            } else {
                activo = alToken(t);
            }
        } else if (t == etiqueta && ++ocurrencias == k) {
            activo = true;
            porSaltar = saltar;
        }
    });
}

// Hands alNumero every token of the run after each occurrence of the tag.
template <class F>
void claseLeerArchivo::recorrerCorridas(const std::string& etiqueta, F&& alNumero)
{
    bool enCorrida = false;
    recorrer([&](std::string_view t) {
        if (enCorrida && esTokenNumero(t)) {
            alNumero(t);
            return;
        }
        enCorrida = t == etiqueta;
    });
}

double claseLeerArchivo::convertirReal(std::string_view token, const std::string& etiqueta)
{
    double valor = 0.0;
    if (!leerReal(token, valor)) {
        informarError(lineaValorInvalido(token, etiqueta));
        valor = 0.0;
    }
    return valor;
}

int claseLeerArchivo::getNoEtiquetas(std::string etiqueta)
{
    int cuenta = 0;
    recorrer([&](std::string_view t) { cuenta += t == etiqueta ? 1 : 0; });
    return cuenta;
}

// Every occurrence's value is converted; the last one is the result.
template <class T, class F>
T claseLeerArchivo::valorUnico(const std::string& etiqueta, F&& convertir, const char* aviso)
{
    T valor = -1;
    bool encontrada = false;
    bool esperandoValor = false;
    recorrer([&](std::string_view t) {
        if (esperandoValor) {
            esperandoValor = false;
            if (!convertir(t, valor)) {
                informarError(lineaValorInvalido(t, etiqueta));
                valor = -1;
            }
        } else if (t == etiqueta) {
            encontrada = true;
            esperandoValor = true;
        }
    });
    if (esperandoValor) {
        informarError("Error: falta el valor de la etiqueta " + etiqueta + " al final del archivo");
        valor = -1;
    } else if (!encontrada) {
        std::cout << aviso << etiqueta << std::endl;
    }
    return valor;
}

int claseLeerArchivo::getEntero(std::string etiqueta)
{
    return valorUnico<int>(etiqueta, leerEntero, "Advertencia: no se encontró ningún entero con etiqueta ");
}

double claseLeerArchivo::getReal(std::string etiqueta)
{
    return valorUnico<double>(etiqueta, leerReal, "Advertencia: no se encontró ningún real con etiqueta ");
}

std::string claseLeerArchivo::getString(std::string etiqueta, int k)
{
    std::string resultado;
    trasOcurrencia(etiqueta, k, 0, [&](std::string_view t) {
        resultado = t;
        return false;
    });
    return resultado;
}

// First pass counts the runs, the second converts them; each occurrence's
// run continues the table where the previous one ended.
Eigen::MatrixXd claseLeerArchivo::getMatriz(std::string etiqueta, int columnas)
{
    if (columnas < 1) {
        return Eigen::MatrixXd(0, 0);
    }
    Eigen::Index cuenta = 0;
    recorrerCorridas(etiqueta, [&](std::string_view) { ++cuenta; });
    if (cuenta % columnas != 0) {
        informarError("Faltan datos para completar la matriz " + etiqueta);
        return Eigen::MatrixXd(0, 0);
    }
    Eigen::MatrixXd matriz = Eigen::MatrixXd::Zero(cuenta / columnas, columnas);
    Eigen::Index celda = 0;
    recorrerCorridas(etiqueta, [&](std::string_view t) {
        // The file may have changed since the first pass.
        if (celda < cuenta) {
            matriz(celda / columnas, celda % columnas) = convertirReal(t, etiqueta);
        }
        ++celda;
    });
    return matriz;
}

std::vector<double> claseLeerArchivo::getMatrizEtiquetaRepetida(std::string etiqueta, int k, int saltar)
{
    std::vector<double> valores;
    trasOcurrencia(etiqueta, k, saltar, [&](std::string_view t) {
        if (!esTokenNumero(t)) {
            return false;
        }
        valores.push_back(convertirReal(t, etiqueta));
        return true;
    });
    return valores;
}

// Walks the (factor, name) pairs; a factor is any number token, the name
// after it any token.
void claseLeerArchivo::leerPares(const std::string& etiqueta, int k, int saltar,
                                 std::vector<double>* factores, std::vector<std::string>* nombres)
{
    bool esperandoNombre = false;
    trasOcurrencia(etiqueta, k, saltar, [&](std::string_view t) {
        if (esperandoNombre) {
            esperandoNombre = false;
            if (nombres != nullptr) {
                nombres->emplace_back(t);
            }
            return true;
        }
        if (!esTokenNumero(t)) {
            return false;
        }
        esperandoNombre = true;
        if (factores != nullptr) {
            factores->push_back(convertirReal(t, etiqueta));
        }
        return true;
    });
}

std::vector<double> claseLeerArchivo::getFactoresEtiqueta(std::string etiqueta, int k, int saltar)
{
    std::vector<double> factores;
    leerPares(etiqueta, k, saltar, &factores, nullptr);
    return factores;
}

std::vector<std::string> claseLeerArchivo::getNombresDeFactores(std::string etiqueta, int k, int saltar)
{
    std::vector<std::string> nombres;
    leerPares(etiqueta, k, saltar, nullptr, &nombres);
    return nombres;
}

bool claseLeerArchivo::esNumero(std::string token) { return esTokenNumero(token); }
