#include "input/claseLeerArchivo.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <set>
#include <system_error>
#include <utility>

#include "textoUtf8.h"

namespace {

// The file is read in large blocks.
constexpr size_t tamanoBloque = 1 << 16;

// Some editors open a UTF-8 file with its byte order mark; it is no token.
const char marcaDeOrden[] = "\xEF\xBB\xBF";
constexpr size_t largoMarcaDeOrden = sizeof(marcaDeOrden) - 1;

// Longest token that a console line echoes whole.
constexpr size_t largoMaximoVisible = 60;

struct cerrarArchivo {
    void operator()(std::FILE* archivo) const { std::fclose(archivo); }
};
using archivoAbierto = std::unique_ptr<std::FILE, cerrarArchivo>;

// Read only: the reader never writes the input file.
archivoAbierto abrir(const std::string& ruta) { return archivoAbierto(std::fopen(ruta.c_str(), "rb")); }

bool esBlanco(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

bool esDigito(char c) { return c >= '0' && c <= '9'; }

bool esTokenNumero(std::string_view token)
{
    return token.find_first_not_of("1234567890+-.e") == std::string_view::npos;
}

// Tags, of the format or misspelt, are the tokens that end in ':'.
bool pareceEtiqueta(std::string_view token) { return !token.empty() && token.back() == ':'; }

size_t largoDeMarca(std::string_view texto)
{
    return texto.substr(0, largoMarcaDeOrden) == marcaDeOrden ? largoMarcaDeOrden : 0;
}

// Appends the whole file to destino; false when it cannot be opened or a
// read fails.
bool leerTodo(const std::string& ruta, std::string& destino)
{
    archivoAbierto archivo = abrir(ruta);
    if (!archivo) {
        return false;
    }
    std::vector<char> bloque(tamanoBloque);
    size_t leidos = 0;
    while ((leidos = std::fread(bloque.data(), 1, bloque.size(), archivo.get())) > 0) {
        destino.append(bloque.data(), leidos);
    }
    return std::ferror(archivo.get()) == 0;
}

// The token that follows pos in the text, pos then past it; empty at the end
// of the text, as no token is.
std::string_view siguienteToken(std::string_view texto, size_t& pos)
{
    while (pos < texto.size() && esBlanco(texto[pos])) {
        ++pos;
    }
    const size_t inicio = pos;
    while (pos < texto.size() && !esBlanco(texto[pos])) {
        ++pos;
    }
    return texto.substr(inicio, pos - inicio);
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

// How a token failed to give its value.
enum class fallo { ninguno, noValido, fueraDeRango, noEntero };

// A number is the whole token: a valid start followed by anything else
// (6.0.5, -20e, 3abc) is no number.
fallo leerReal(std::string_view t, double& valor)
{
    if (t.empty() || prefijoReal(t) != t.size()) {
        return fallo::noValido;
    }
    const char* const fin = t.data() + t.size();
    const auto r = std::from_chars(sinMas(t), fin, valor, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) {
        return fallo::fueraDeRango;
    }
    return r.ec == std::errc() && r.ptr == fin ? fallo::ninguno : fallo::noValido;
}

// An integer is a whole number written in any form a real takes (2, 2.0,
// 1e1); a fraction is refused, not cut.
fallo leerEntero(std::string_view t, int& valor)
{
    double real = 0.0;
    const fallo f = leerReal(t, real);
    if (f != fallo::ninguno) {
        return f;
    }
    switch (comoEntero(real, valor)) {
    case valorEntero::valido:
        return fallo::ninguno;
    case valorEntero::conFraccion:
        return fallo::noEntero;
    case valorEntero::fueraDeRango:
        break;
    }
    return fallo::fueraDeRango;
}

const char* rangoDe(double) { return "de los números reales"; }
const char* rangoDe(int) { return "de los números enteros"; }

std::string valorDeEtiqueta(std::string_view valor, const std::string& etiqueta)
{
    return "el valor " + tokenVisible(valor) + " de la etiqueta " + etiqueta;
}

std::string valorNoValido(std::string_view token, const std::string& etiqueta)
{
    return valorDeEtiqueta(token, etiqueta) + " no es un número válido";
}

template <class T>
std::string valorNoConvertido(std::string_view token, const std::string& etiqueta, fallo f)
{
    switch (f) {
    case fallo::fueraDeRango:
        return valorDeEtiqueta(token, etiqueta) + " está fuera del rango " + rangoDe(T());
    case fallo::noEntero:
        return valorNoEntero(token, etiqueta);
    default:
        return valorNoValido(token, etiqueta);
    }
}

// A token that stands where a number should and is a spoilt one: it starts
// as a number does (2,5, 3abc, 1E5 with its capital) or is a word that some
// programs read as one (nan, inf).
bool esNumeroEstropeado(std::string_view t)
{
    if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
        t.remove_prefix(1);
    }
    if (!t.empty() && (esDigito(t[0]) || t[0] == '.')) {
        return true;
    }
    std::string minusculas(t);
    std::transform(minusculas.begin(), minusculas.end(), minusculas.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; });
    return minusculas == "nan" || minusculas == "inf" || minusculas == "infinity";
}

// The direction controls U+202A to U+202E and U+2066 to U+2069, which turn
// the rest of a terminal line around: E2 80 AA-AE and E2 81 A6-A9.
bool esControlDeDireccion(unsigned char b1, unsigned char b2, unsigned char b3)
{
    return b1 == 0xe2 &&
           ((b2 == 0x80 && b3 >= 0xaa && b3 <= 0xae) || (b2 == 0x81 && b3 >= 0xa6 && b3 <= 0xa9));
}

// Length of the character that starts at t[i] when it is printable UTF-8;
// 0 for a control character (C0, DEL, C1, a direction control) or a byte
// that starts no valid sequence. ASCII lies below 0x80, its controls below
// 0x20 and at 0x7f; a lead byte from 0xc2 to 0xf4 tells the length of its
// sequence, whose other bytes are 10xxxxxx; C2 80 to C2 9F encode the C1
// controls, and C2 A0 the no-break space, which looks like a blank and is
// none.
size_t largoImprimible(std::string_view t, size_t i)
{
    const auto byte = [&](size_t j) { return static_cast<unsigned char>(t[j]); };
    const unsigned char b = byte(i);
    if (b < 0x80) {
        return b < 0x20 || b == 0x7f ? 0 : 1;
    }
    const size_t largo = b < 0xc2 ? 0 : b < 0xe0 ? 2 : b < 0xf0 ? 3 : b < 0xf5 ? 4 : 0;
    if (largo == 0 || i + largo > t.size()) {
        return 0;
    }
    for (size_t j = i + 1; j < i + largo; ++j) {
        if ((byte(j) & 0xc0) != 0x80) {
            return 0;
        }
    }
    const bool controlC1OEspacioDuro = b == 0xc2 && byte(i + 1) <= 0xa0;
    const bool direccion = largo == 3 && esControlDeDireccion(b, byte(i + 1), byte(i + 2));
    return controlC1OEspacioDuro || direccion ? 0 : largo;
}

}  // namespace

std::string tokenVisible(std::string_view token)
{
    const size_t fin = std::min(token.size(), largoMaximoVisible);
    std::string visible;
    size_t i = 0;
    while (i < fin) {
        const size_t largo = largoImprimible(token, i);
        if (largo == 0) {
            visible += byteEscapado(static_cast<unsigned char>(token[i]));
            ++i;
        } else if (i + largo <= fin) {
            visible.append(token, i, largo);
            i += largo;
        } else {
            break;  // a character that the cut would split
        }
    }
    if (token.size() > largoMaximoVisible) {
        visible += "…";
    }
    return visible;
}

std::string lecturaDetenidaEn(std::string_view token)
{
    return "la lectura se detuvo en el valor " + tokenVisible(token);
}

void informarAdvertencia(const std::string& texto) { std::cout << "Advertencia: " << texto << std::endl; }

valorEntero comoEntero(double valor, int& entero)
{
    if (!(valor > INT_MIN - 1.0 && valor < INT_MAX + 1.0)) {
        return valorEntero::fueraDeRango;
    }
    if (std::trunc(valor) != valor) {
        return valorEntero::conFraccion;
    }
    entero = static_cast<int>(valor);
    return valorEntero::valido;
}

std::string valorNoEntero(std::string_view valor, const std::string& etiqueta)
{
    return valorDeEtiqueta(valor, etiqueta) + " no es un número entero";
}

void claseLeerArchivo::setNombreArchivo(std::string ruta)
{
    rutaArchivo = std::move(ruta);
    leerCopia();
}

// Only a regular file is opened: a named pipe would wait for a writer for
// ever, and a device may never end. A byte order mark that opens the file is
// no token.
void claseLeerArchivo::leerCopia()
{
    copia.clear();
    ocurrencias.clear();
    std::error_code error;
    copiaLeida = std::filesystem::is_regular_file(rutaArchivo, error) && leerTodo(rutaArchivo, copia);
    if (!copiaLeida) {
        copia.clear();
    }
    copia.erase(0, largoDeMarca(copia));
}

bool claseLeerArchivo::archivoLegible()
{
    if (!copiaLeida) {
        informarArchivoIlegible();
    }
    return copiaLeida;
}

bool claseLeerArchivo::getLecturaSinErrores() const { return noErrores == 0; }

int claseLeerArchivo::getNoErrores() const { return noErrores; }

void claseLeerArchivo::informarError(const std::string& texto, lineaDeError forma)
{
    ++noErrores;
    std::cout << (forma == lineaDeError::conPrefijo ? "Error: " : "") << texto << std::endl;
}

// Named once per reading, however many queries meet the unreadable file.
void claseLeerArchivo::informarArchivoIlegible()
{
    if (!archivoInformado) {
        archivoInformado = true;
        informarError("no se puede abrir el archivo de datos " + rutaArchivo);
    }
}

// Every token of the copy in order; a file that could not be read has none.
template <class F>
void claseLeerArchivo::recorrer(F&& alToken)
{
    if (!copiaLeida) {
        informarArchivoIlegible();
        return;
    }
    size_t pos = 0;
    for (std::string_view t = siguienteToken(copia, pos); !t.empty(); t = siguienteToken(copia, pos)) {
        alToken(t);
    }
}

// Found with one pass over the copy at the first query for the tag.
const std::vector<size_t>& claseLeerArchivo::ocurrenciasDe(const std::string& etiqueta)
{
    auto encontradas = ocurrencias.find(etiqueta);
    if (encontradas == ocurrencias.end()) {
        std::vector<size_t> inicios;
        recorrer([&](std::string_view t) {
            if (t == etiqueta) {
                inicios.push_back(static_cast<size_t>(t.data() - copia.data()));
            }
        });
        encontradas = ocurrencias.emplace(etiqueta, std::move(inicios)).first;
    }
    return encontradas->second;
}

// Hands alToken the tokens that follow the k-th occurrence and saltar
// further tokens, until it returns false.
template <class F>
void claseLeerArchivo::trasOcurrencia(const std::string& etiqueta, int k, int saltar, F&& alToken)
{
    const std::vector<size_t>& inicios = ocurrenciasDe(etiqueta);
    if (k < 1 || static_cast<size_t>(k) > inicios.size()) {
        return;
    }
    size_t pos = inicios[static_cast<size_t>(k) - 1] + etiqueta.size();
    std::string_view t = siguienteToken(copia, pos);
    for (int i = 0; i < saltar && !t.empty(); ++i) {
        t = siguienteToken(copia, pos);
    }
    while (!t.empty() && alToken(t)) {
        t = siguienteToken(copia, pos);
    }
}

// Hands alNumero every token of the run after each occurrence of the tag,
// and alDetenerse each token that ended such a run with whether a number
// token follows it. An occurrence that a run has taken as one of its numbers
// opens no run; the token that ends a run may.
template <class F, class G>
void claseLeerArchivo::recorrerCorridas(const std::string& etiqueta, F&& alNumero, G&& alDetenerse)
{
    size_t libreDesde = 0;  // where the tokens that no run has taken start
    for (const size_t inicio : ocurrenciasDe(etiqueta)) {
        if (inicio < libreDesde) {
            continue;
        }
        size_t pos = inicio + etiqueta.size();
        std::string_view t = siguienteToken(copia, pos);
        for (; !t.empty() && esTokenNumero(t); t = siguienteToken(copia, pos)) {
            alNumero(t);
        }
        if (t.empty()) {
            return;
        }
        libreDesde = static_cast<size_t>(t.data() - copia.data());
        const std::string_view siguiente = siguienteToken(copia, pos);
        alDetenerse(t, !siguiente.empty() && esTokenNumero(siguiente));
    }
}

double claseLeerArchivo::convertirReal(std::string_view token, const std::string& etiqueta)
{
    double valor = 0.0;
    const fallo f = leerReal(token, valor);
    if (f != fallo::ninguno) {
        informarError(valorNoConvertido<double>(token, etiqueta, f));
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

// Every occurrence's value is converted; the last one is the result. An
// occurrence that is the value of the one before it is that value.
template <class T, class F>
T claseLeerArchivo::valorUnico(const std::string& etiqueta, F&& convertir, const char* aviso)
{
    T valor = -1;
    const std::vector<size_t>& inicios = ocurrenciasDe(etiqueta);
    size_t libreDesde = 0;  // past the last value read
    for (const size_t inicio : inicios) {
        if (inicio < libreDesde) {
            continue;
        }
        size_t pos = inicio + etiqueta.size();
        const std::string_view t = siguienteToken(copia, pos);
        if (t.empty()) {
            informarError("falta el valor de la etiqueta " + etiqueta + " al final del archivo");
            return -1;
        }
        libreDesde = pos;
        const fallo f = convertir(t, valor);
        if (f != fallo::ninguno) {
            informarError(valorNoConvertido<T>(t, etiqueta, f));
            valor = -1;
        }
    }
    if (inicios.empty()) {
        informarAdvertencia(aviso + etiqueta);
    }
    return valor;
}

int claseLeerArchivo::getEntero(std::string etiqueta)
{
    return valorUnico<int>(etiqueta, leerEntero, "no se encontró ningún entero con etiqueta ");
}

double claseLeerArchivo::getReal(std::string etiqueta)
{
    return valorUnico<double>(etiqueta, leerReal, "no se encontró ningún real con etiqueta ");
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

// Each occurrence's run continues the table where the previous one ended.
// An incomplete table names the value, if any, where a run stopped short.
Eigen::MatrixXd claseLeerArchivo::getMatriz(std::string etiqueta, int columnas)
{
    if (columnas < 1) {
        return Eigen::MatrixXd(0, 0);
    }
    std::vector<std::string_view> numeros;
    finDeCorrida detenida;
    recorrerCorridas(
        etiqueta, [&](std::string_view t) { numeros.push_back(t); },
        [&](std::string_view t, bool seguidoDeNumero) {
            if (detenida.token.empty() && !pareceEtiqueta(t)) {
                detenida = {std::string(t), seguidoDeNumero};
            }
        });
    const Eigen::Index cuenta = static_cast<Eigen::Index>(numeros.size());
    if (cuenta % columnas != 0) {
        const std::string motivo = detenida.token.empty() ? "" : " " + lecturaDetenidaEn(detenida.token);
        informarError("Faltan datos para completar la matriz " + etiqueta + motivo, lineaDeError::sinPrefijo);
        return Eigen::MatrixXd(0, 0);
    }
    informarCorridaCortada(etiqueta, detenida, false);
    Eigen::MatrixXd matriz(cuenta / columnas, columnas);
    for (Eigen::Index celda = 0; celda < cuenta; ++celda) {
        matriz(celda / columnas, celda % columnas) =
            convertirReal(numeros[static_cast<size_t>(celda)], etiqueta);
    }
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

finDeCorrida claseLeerArchivo::getFinDeCorrida(std::string etiqueta, int k, int saltar)
{
    finDeCorrida fin;
    bool trasFin = false;
    trasOcurrencia(etiqueta, k, saltar, [&](std::string_view t) {
        if (trasFin) {
            fin.seguidoDeNumero = esTokenNumero(t);
            return false;
        }
        if (esTokenNumero(t)) {
            return true;
        }
        if (pareceEtiqueta(t)) {
            return false;
        }
        fin.token = t;
        trasFin = true;
        return true;
    });
    return fin;
}

// Numbers right after the token that stopped a run were most likely meant
// for it: a spoilt number there is a fault, a word a slip worth a warning.
// Where a value was due, a spoilt number is a fault whatever follows.
bool claseLeerArchivo::informarCorridaCortada(const std::string& etiqueta, const finDeCorrida& fin,
                                              bool valorEsperado)
{
    if (esNumeroEstropeado(fin.token) && (fin.seguidoDeNumero || valorEsperado)) {
        informarError(valorNoValido(fin.token, etiqueta));
        return true;
    }
    if (!fin.seguidoDeNumero) {
        return false;
    }
    informarAdvertencia("la palabra " + tokenVisible(fin.token) + " interrumpe la etiqueta " + etiqueta +
                        " y los números que la siguen no pertenecen a ningún bloque");
    return true;
}

// A word with a colon in free text opens no numbers; a tag, misspelt or not,
// is followed by its block's.
std::vector<std::string> claseLeerArchivo::getEtiquetasConDatos()
{
    std::vector<std::string> etiquetas;
    std::set<std::string, std::less<>> vistas;
    const auto anotar = [&](const std::string& etiqueta) {
        if (vistas.insert(etiqueta).second) {
            etiquetas.push_back(etiqueta);
        }
    };
    std::string anterior;
    std::string antesDelAnterior;
    recorrer([&](std::string_view t) {
        if (esTokenNumero(t) && pareceEtiqueta(anterior)) {
            anotar(anterior);
        } else if (esTokenNumero(t) && pareceEtiqueta(antesDelAnterior) && !pareceEtiqueta(anterior)) {
            anotar(antesDelAnterior);
        }
        antesDelAnterior.swap(anterior);
        anterior.assign(t);
    });
    return etiquetas;
}
