#include "input/funcionLeerArchivo.h"

#include <algorithm>
#include <climits>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "globales.h"
#include "input/claseLeerArchivo.h"

namespace {

// A node or member table: its tag, the word for its numbers in messages and
// the map from user number to row.
struct tablaNumerada {
    const char* etiqueta;
    const char* nombre;
    std::map<int, int> puntero;
};

struct combinacion {
    std::string nombre;
    std::vector<std::pair<double, std::string>> pares;
};

// What one reading carries from step to step.
struct lectura {
    claseLeerArchivo archivo;
    tablaNumerada nudos{"nudos:", "nudo", {}};
    tablaNumerada barras{"barras:", "barra", {}};
    std::vector<combinacion> combos;
    int noEtiquetasCombo = 0;
    bool sinErrores = true;
};

void informar(lectura& l, const std::string& linea)
{
    l.sinErrores = false;
    std::cout << "Error: " << linea << std::endl;
}

std::string texto(double valor)
{
    std::ostringstream salida;
    salida.precision(15);
    salida << valor;
    return salida.str();
}

// Truncation toward zero, refused where the double lies beyond the int range.
bool enteroTruncado(double valor, int& entero)
{
    if (!(valor > INT_MIN - 1.0 && valor < INT_MAX + 1.0)) {
        return false;
    }
    entero = static_cast<int>(valor);
    return true;
}

// A node or member number as the user wrote it; -1 when it cannot be one.
int numeroUsuario(double valor)
{
    int numero = -1;
    return enteroTruncado(valor, numero) && numero >= 0 ? numero : -1;
}

// A table tag read with its count line; the table is given once.
Eigen::MatrixXd leerTabla(lectura& l, const char* etiqueta, const char* lineaCuenta, int& cuenta)
{
    Eigen::MatrixXd tabla = l.archivo.getMatriz(etiqueta, 3);
    cuenta = static_cast<int>(tabla.rows());
    std::cout << lineaCuenta << cuenta << std::endl;
    const int veces = l.archivo.getNoEtiquetas(etiqueta);
    if (veces > 1) {
        informar(l, std::string("la etiqueta ") + etiqueta + " aparece " + std::to_string(veces) +
                        " veces; la tabla se da una sola vez");
    }
    return tabla;
}

// Row j of the table bears the number of its first column.
void construirPuntero(lectura& l, tablaNumerada& t, const Eigen::MatrixXd& tabla)
{
    t.puntero.clear();
    for (Eigen::Index j = 0; j < tabla.rows(); ++j) {
        const int numero = numeroUsuario(tabla(j, 0));
        if (numero < 0) {
            informar(l, std::string("número de ") + t.nombre + " no válido en la tabla " + t.etiqueta +
                            " " + texto(tabla(j, 0)));
            continue;
        }
        if (t.puntero.count(numero) != 0) {
            informar(l, std::string("el número de ") + t.nombre + " " + std::to_string(numero) +
                            " se repite en la tabla " + t.etiqueta);
        }
        t.puntero[numero] = static_cast<int>(j);
    }
}

// Internal index of a number that a block names; -1, reported, when no row
// bears it.
int indiceDe(lectura& l, const tablaNumerada& t, double valor, const std::string& etiqueta)
{
    const auto fila = t.puntero.find(numeroUsuario(valor));
    if (fila != t.puntero.end()) {
        return fila->second;
    }
    informar(l, "la etiqueta " + etiqueta + " nombra el número de " + t.nombre + " " + texto(valor) +
                    ", que no está en la tabla " + t.etiqueta);
    return -1;
}

// Both tables with their count lines, then both maps.
void leerTablas(lectura& l, Eigen::MatrixXd& tablaNudos, Eigen::MatrixXd& tablaBarras)
{
    tablaNudos = leerTabla(l, "nudos:", "lectura de nudos OK Num Nudos = ", noNudos);
    if (noNudos == 0) {
        informar(l, "la tabla nudos: no tiene ningún nudo");
    }
    tablaBarras = leerTabla(l, "barras:", "lectura de barras OK Num Barras = ", noBarras);
    construirPuntero(l, l.nudos, tablaNudos);
    std::cout << "punteros de nudos internos OK" << std::endl;
    if (noBarras != 0) {
        construirPuntero(l, l.barras, tablaBarras);
        std::cout << "puntero de barras internas OK" << std::endl;
    }
}

void crearNudos(const Eigen::MatrixXd& tabla)
{
    nudo.assign(static_cast<size_t>(noNudos), objNudo2d());
    for (int m = 0; m < noNudos; ++m) {
        nudo[m].setNumeroNudoUsuario(numeroUsuario(tabla(m, 0)));
        nudo[m].setNumeroDeNudo(m);
        nudo[m].setCoordenadas(tabla(m, 1), tabla(m, 2));
    }
    std::cout << "transferencia de coord a nudos[i] OK" << std::endl;
}

struct bloqueLista {
    std::string nombre;
    std::vector<double> valores;
};

// A list block: fixed fields, then node or member numbers. A named block
// with fewer numbers than its fixed fields is reported; an unnamed one
// (supports, springs, hinges) changes nothing silently. Blocks of codes
// take them only within [minimo, maximo].
struct tipoBloque {
    const char* etiqueta;
    bool conNombre;
    size_t noFijos;
    const char* codigosInvalidos = nullptr;
    int minimo = 0;
    int maximo = 0;
};

bool codigosValidos(lectura& l, const bloqueLista& b, const tipoBloque& tipo)
{
    bool validos = true;
    std::string valores;
    for (size_t i = 0; i < tipo.noFijos; ++i) {
        int codigo = 0;
        validos = enteroTruncado(b.valores[i], codigo) && codigo >= tipo.minimo && codigo <= tipo.maximo && validos;
        valores += " " + texto(b.valores[i]);
    }
    if (!validos) {
        informar(l, std::string("códigos ") + tipo.codigosInvalidos + " en la etiqueta " + tipo.etiqueta +
                        valores);
    }
    return validos;
}

bool bloqueCompleto(lectura& l, const bloqueLista& b, const tipoBloque& tipo)
{
    if (b.valores.size() >= tipo.noFijos) {
        return tipo.codigosInvalidos == nullptr || codigosValidos(l, b, tipo);
    }
    if (tipo.conNombre) {
        informar(l, std::string("faltan datos en el bloque ") + tipo.etiqueta + " " + b.nombre + ": tiene " +
                        std::to_string(b.valores.size()) + " de sus " + std::to_string(tipo.noFijos) +
                        " números fijos");
    }
    return false;
}

// Calls aplicar(block, internal index) for every number the block names;
// returns the number of blocks of the tag.
template <class F>
int aplicarBloques(lectura& l, const tipoBloque& tipo, const tablaNumerada& t, F aplicar)
{
    const int cuenta = l.archivo.getNoEtiquetas(tipo.etiqueta);
    for (int k = 1; k <= cuenta; ++k) {
        bloqueLista b;
        if (tipo.conNombre) {
            b.nombre = l.archivo.getString(tipo.etiqueta, k);
        }
        b.valores = l.archivo.getMatrizEtiquetaRepetida(tipo.etiqueta, k, tipo.conNombre ? 1 : 0);
        if (!bloqueCompleto(l, b, tipo)) {
            continue;
        }
        for (size_t i = tipo.noFijos; i < b.valores.size(); ++i) {
            const int indice = indiceDe(l, t, b.valores[i], tipo.etiqueta);
            if (indice >= 0) {
                aplicar(b, indice);
            }
        }
    }
    return cuenta;
}

void imprimirSi(int cuenta, const char* linea)
{
    if (cuenta != 0) {
        std::cout << linea << std::endl;
    }
}

// Codes are truncated toward zero; the block test keeps them in the int range.
int codigo(const bloqueLista& b, size_t i) { return static_cast<int>(b.valores[i]); }

void leerApoyosYResortes(lectura& l)
{
    const tipoBloque apoyo{"apoyo:", false, 3, "de apoyo fuera de rango", INT_MIN, INT_MAX};
    imprimirSi(aplicarBloques(l, apoyo, l.nudos,
                              [](const bloqueLista& b, int n) {
                                  nudo[n].setApoyo(codigo(b, 0), codigo(b, 1), codigo(b, 2));
                              }),
               "transferencia de apoyos a nudo[i] OK");
    imprimirSi(aplicarBloques(l, {"resorte:", false, 3}, l.nudos,
                              [](const bloqueLista& b, int n) {
                                  nudo[n].setResorte(b.valores[0], b.valores[1], b.valores[2]);
                              }),
               "transferencia de resortes a nudo[i] OK");
    imprimirSi(aplicarBloques(l, {"puntual:", true, 3}, l.nudos,
                              [](const bloqueLista& b, int n) {
                                  nudo[n].setCargaPuntual(b.nombre, b.valores[0], b.valores[1], b.valores[2]);
                              }),
               "transferencia de cargas puntuales a nudo[i] OK");
}

// A block without pairs is no combination; a repeated name adds its pairs
// to the first block of that name; a factor without its case is dropped.
void leerCombos(lectura& l)
{
    l.combos.clear();
    l.noEtiquetasCombo = l.archivo.getNoEtiquetas("combo:");
    for (int k = 1; k <= l.noEtiquetasCombo; ++k) {
        const std::string nombre = l.archivo.getString("combo:", k);
        const std::vector<double> factores = l.archivo.getFactoresEtiqueta("combo:", k, 1);
        const std::vector<std::string> casos = l.archivo.getNombresDeFactores("combo:", k, 1);
        const size_t noPares = std::min(factores.size(), casos.size());
        if (factores.size() > noPares) {
            informar(l, "al combo " + nombre + " le falta el caso de carga de su último factor " +
                            texto(factores.back()));
        }
        if (nombre.empty()) {
            informar(l, "la etiqueta combo: al final del archivo no tiene nombre");
            continue;
        }
        if (noPares == 0) {
            informar(l, "el combo " + nombre + " no tiene ningún par de factor y caso de carga");
            continue;
        }
        auto existente = std::find_if(l.combos.begin(), l.combos.end(),
                                      [&](const combinacion& c) { return c.nombre == nombre; });
        if (existente == l.combos.end()) {
            existente = l.combos.insert(l.combos.end(), combinacion{nombre, {}});
        } else {
            informar(l, "el nombre de combo " + nombre + " se repite");
        }
        for (size_t i = 0; i < noPares; ++i) {
            existente->pares.emplace_back(factores[i], casos[i]);
        }
    }
    noCombos = static_cast<int>(l.combos.size());
}

template <class T>
void transferirCombos(const lectura& l, std::vector<T>& objetos, const char* linea)
{
    for (T& objeto : objetos) {
        for (const combinacion& c : l.combos) {
            for (const auto& par : c.pares) {
                objeto.setCombo(c.nombre, par.first, par.second);
            }
        }
    }
    imprimirSi(l.noEtiquetasCombo, linea);
}

void darExtremos(lectura& l, objBarra2d& b, const Eigen::MatrixXd& tabla, int r)
{
    const int i = indiceDe(l, l.nudos, tabla(r, 1), "barras:");
    const int f = indiceDe(l, l.nudos, tabla(r, 2), "barras:");
    if (i >= 0) {
        b.setNudoInicio(i, nudo[i].getX(), nudo[i].getY());
    }
    if (f >= 0) {
        b.setNudoFinal(f, nudo[f].getX(), nudo[f].getY());
    }
    b.setNudoInicioUsuario(numeroUsuario(tabla(r, 1)));
    b.setNudoFinalUsuario(numeroUsuario(tabla(r, 2)));
    if (i >= 0 && f >= 0 && nudo[i].getX() == nudo[f].getX() && nudo[i].getY() == nudo[f].getY()) {
        informar(l, "la barra " + texto(tabla(r, 0)) + " tiene longitud nula (nudos " + texto(tabla(r, 1)) +
                        " y " + texto(tabla(r, 2)) + ")");
    }
}

void leerBarras(lectura& l, const Eigen::MatrixXd& tabla)
{
    barra.assign(static_cast<size_t>(noBarras), objBarra2d());
    for (int r = 0; r < noBarras; ++r) {
        objBarra2d& b = barra[r];
        b.resetFlags();
        b.setNumeroBarraUsuario(numeroUsuario(tabla(r, 0)));
        b.setNumeroDeBarra(r);
        darExtremos(l, b, tabla, r);
    }
    std::cout << "transferencia de coord a barra[i] OK" << std::endl;
}

void leerSecciones(lectura& l, const char* etiqueta, void (objBarra2d::*darSeccion)(double, double),
                   const char* linea)
{
    aplicarBloques(l, {etiqueta, true, 4}, l.barras, [&](const bloqueLista& b, int m) {
        (barra[m].*darSeccion)(b.valores[0], b.valores[1]);
        barra[m].setModuloE(b.valores[2]);
        barra[m].setPesoEspecifico(b.valores[3]);
        barra[m].setNombreDeSeccion(b.nombre);
    });
    std::cout << linea << std::endl;
}

void leerArticulaciones(lectura& l)
{
    const tipoBloque articulacion{"articulacion:", false, 2, "de articulación distintos de 0 y 1", 0, 1};
    imprimirSi(aplicarBloques(l, articulacion, l.barras,
                              [](const bloqueLista& b, int m) { barra[m].setArticulacion(codigo(b, 0), codigo(b, 1)); }),
               "transferencia de articulaciones a barra[i] OK");
}

void leerDistribuidas(lectura& l, const char* etiqueta,
                      void (objBarra2d::*cargar)(std::string, double, double, double, double), const char* linea)
{
    imprimirSi(aplicarBloques(l, {etiqueta, true, 4}, l.barras,
                              [&](const bloqueLista& b, int m) {
                                  const std::vector<double>& v = b.valores;
                                  (barra[m].*cargar)(b.nombre, v[0], v[1], v[2], v[3]);
                              }),
               linea);
}

// Steps that need the member table: ends, then sections.
void leerBarrasYSecciones(lectura& l, const Eigen::MatrixXd& tablaBarras)
{
    if (noBarras == 0) {
        return;
    }
    leerBarras(l, tablaBarras);
    leerSecciones(l, "seccionRectangular:", &objBarra2d::setSeccionRectangular,
                  "transferencia de secciones rect a barra[i] OK");
    leerSecciones(l, "seccionGenerica:", &objBarra2d::setSeccionGenerica,
                  "transferencia de secciones gen a barra[i] OK");
}

void leerPesoPropio(lectura& l)
{
    const int cuenta = l.archivo.getNoEtiquetas("pesoPropio:");
    if (cuenta == 0) {
        std::cout << "No se calculará el peso propio de la estructura" << std::endl;
    } else if (cuenta == 1) {
        const std::string caso = l.archivo.getString("pesoPropio:", 1);
        for (objBarra2d& b : barra) {
            b.setPesoPropio(caso);
        }
        std::cout << "Lectura de pesoPropio ---> OK" << std::endl;
    } else {
        l.sinErrores = false;
        std::cout << "No usar la etiqueta *pesoPropio:* más de una vez" << std::endl;
    }
}

struct ajuste {
    const char* etiqueta;
    double* real;
    int* entero;
    double porDefecto;
};

// In the order of their queries, so that missing-tag warnings keep it.
const ajuste ajustes[] = {
    {"escalaDeflexion:", &escalaDef, nullptr, 100.0}, {"escalaM:", &escalaM, nullptr, 0.1},
    {"escalaV:", &escalaV, nullptr, 0.1},             {"escalaN:", &escalaN, nullptr, 0.01},
    {"escalaTexto:", &escalaTexto, nullptr, 0.15},    {"escalaApoyo:", &escalaApoyo, nullptr, 0.0},
    {"precision:", nullptr, &precision, 3},           {"escalaCarga:", &escalaCarga, nullptr, 0.1},
};

void ponerAjustesPorDefecto()
{
    for (const ajuste& a : ajustes) {
        if (a.entero != nullptr) {
            *a.entero = static_cast<int>(a.porDefecto);
        } else {
            *a.real = a.porDefecto;
        }
    }
}

// A display tag's value is taken only when its rule accepts it: a real
// above 0, a precision other than -1.
void leerAjustes(lectura& l)
{
    ponerAjustesPorDefecto();
    for (const ajuste& a : ajustes) {
        if (a.entero != nullptr) {
            const int valor = l.archivo.getEntero(a.etiqueta);
            *a.entero = valor != -1 ? valor : *a.entero;
        } else {
            const double valor = l.archivo.getReal(a.etiqueta);
            *a.real = valor > 0.0 ? valor : *a.real;
        }
    }
}

}  // namespace

void funcionLeerArchivo()
{
    modeloAnalizado = false;
    lecturaCorrecta = false;
    lectura l;
    l.archivo.setNombreArchivo(nombreArchivo);
    noNudos = noBarras = noCombos = 0;
    nudo.clear();
    barra.clear();
    if (!l.archivo.archivoLegible()) {
        ponerAjustesPorDefecto();
        return;
    }
    Eigen::MatrixXd tablaNudos;
    Eigen::MatrixXd tablaBarras;
    leerTablas(l, tablaNudos, tablaBarras);
    crearNudos(tablaNudos);
    leerApoyosYResortes(l);
    leerCombos(l);
    transferirCombos(l, nudo, "transferencia de combos a nudo[i] OK");
    leerBarrasYSecciones(l, tablaBarras);
    leerArticulaciones(l);
    leerDistribuidas(l, "distribuidaLocal:", &objBarra2d::setCargaLocal, "transferencia de cargas Locales a barra[i] OK");
    leerDistribuidas(l, "distribuidaGlobal:", &objBarra2d::setCargaGlobal,
                     "transferencia de cargas globales a barra[i] OK");
    leerPesoPropio(l);
    transferirCombos(l, barra, "transferencia de combos a barra[i] OK");
    leerAjustes(l);
    lecturaCorrecta = l.sinErrores && l.archivo.getLecturaSinErrores();
}
