#include "input/funcionLeerArchivo.h"

#include <algorithm>
#include <climits>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "globales.h"
#include "input/claseLeerArchivo.h"

namespace {

// A node or member table: its tag, the word for its numbers in messages and
// the map from user number to row. A table whose own reading reported a
// fault is not checked further against the other blocks: one fault, one line.
struct tablaNumerada {
    const char* etiqueta;
    const char* nombre;
    std::map<int, int> puntero;
    bool leidaBien = true;
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
    std::vector<bool> barraConExtremos;
    std::vector<bool> barraConSeccion;
    std::set<std::pair<int, int>> nudosUnidos;  // the ends of each member, the lower index first
    std::set<std::string> casosDeCarga;         // named by a load block or by the self-weight
    std::set<std::string> nombres;              // every name field read: no tag among them
};

// Faults of the reading so far, the queries' and the reader's own.
int errores(const lectura& l) { return l.archivo.getNoErrores(); }

// A table is read wrong once a fault was reported since antes.
void marcarTabla(lectura& l, tablaNumerada& t, int antes)
{
    t.leidaBien = t.leidaBien && errores(l) == antes;
}

void anotarNombre(lectura& l, const std::string& nombre, bool esCaso)
{
    l.nombres.insert(nombre);
    if (esCaso) {
        l.casosDeCarga.insert(nombre);
    }
}

std::string texto(double valor)
{
    std::ostringstream salida;
    salida.precision(15);
    salida << valor;
    return salida.str();
}

// A node or member number as the user wrote it; -1 when it cannot be one.
int numeroUsuario(double valor)
{
    int numero = -1;
    return comoEntero(valor, numero) == valorEntero::valido && numero >= 0 ? numero : -1;
}

// A number that names a node or member, or a code, with a fraction: the
// whole number it was meant to be is no safer a guess than any other.
bool informarSiFraccion(lectura& l, double valor, const std::string& etiqueta)
{
    int entero = 0;
    if (comoEntero(valor, entero) != valorEntero::conFraccion) {
        return false;
    }
    l.archivo.informarError(valorNoEntero(texto(valor), etiqueta));
    return true;
}

// A table tag read with its count line; the table is given once.
Eigen::MatrixXd leerTabla(lectura& l, tablaNumerada& t, const char* lineaCuenta, int& cuenta)
{
    const int antes = errores(l);
    Eigen::MatrixXd tabla = l.archivo.getMatriz(t.etiqueta, 3);
    cuenta = static_cast<int>(tabla.rows());
    std::cout << lineaCuenta << cuenta << std::endl;
    const int veces = l.archivo.getNoEtiquetas(t.etiqueta);
    if (veces > 1) {
        l.archivo.informarError(std::string("la etiqueta ") + t.etiqueta + " aparece " +
                                std::to_string(veces) + " veces; la tabla se da una sola vez");
    }
    marcarTabla(l, t, antes);
    return tabla;
}

// Row j of the table bears the number of its first column.
void construirPuntero(lectura& l, tablaNumerada& t, const Eigen::MatrixXd& tabla)
{
    const int antes = errores(l);
    t.puntero.clear();
    for (Eigen::Index j = 0; j < tabla.rows(); ++j) {
        if (informarSiFraccion(l, tabla(j, 0), t.etiqueta)) {
            continue;
        }
        const int numero = numeroUsuario(tabla(j, 0));
        if (numero < 0) {
            l.archivo.informarError(std::string("número de ") + t.nombre + " no válido en la tabla " +
                                    t.etiqueta + " " + texto(tabla(j, 0)));
            continue;
        }
        if (t.puntero.count(numero) != 0) {
            l.archivo.informarError(std::string("el número de ") + t.nombre + " " + std::to_string(numero) +
                                    " se repite en la tabla " + t.etiqueta);
        }
        t.puntero[numero] = static_cast<int>(j);
    }
    marcarTabla(l, t, antes);
}

// Internal index of a number that a block names; -1 when it has a fraction
// or no row bears it, reported unless the table, or the one that names it
// (comprobar false), was read wrong.
int indiceDe(lectura& l, const tablaNumerada& t, double valor, const std::string& etiqueta,
             bool comprobar = true)
{
    if (comprobar && informarSiFraccion(l, valor, etiqueta)) {
        return -1;
    }
    const auto fila = t.puntero.find(numeroUsuario(valor));
    if (fila != t.puntero.end()) {
        return fila->second;
    }
    if (t.leidaBien && comprobar) {
        l.archivo.informarError("la etiqueta " + etiqueta + " nombra el número de " + t.nombre + " " +
                                texto(valor) + ", que no está en la tabla " + t.etiqueta);
    }
    return -1;
}

// Both tables with their count lines, then both maps. A table that stopped
// short has had its line: it is not called empty as well.
void leerTablas(lectura& l, Eigen::MatrixXd& tablaNudos, Eigen::MatrixXd& tablaBarras)
{
    tablaNudos = leerTabla(l, l.nudos, "lectura de nudos OK Num Nudos = ", noNudos);
    if (noNudos == 0 && l.nudos.leidaBien) {
        l.archivo.informarError(std::string("la tabla ") + l.nudos.etiqueta + " no tiene ningún nudo");
        l.nudos.leidaBien = false;
    }
    tablaBarras = leerTabla(l, l.barras, "lectura de barras OK Num Barras = ", noBarras);
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

// What the name field of a list block names, if it has one.
enum class nombreBloque { ninguno, seccion, caso };

// A fixed field that takes only values above 0 (estricto) or not below 0.
struct limite {
    size_t campo;
    const char* nombre;
    bool estricto;
};

// A list block: fixed fields, then node or member numbers. A named block
// with fewer numbers than its fixed fields is a fault; an unnamed one
// (supports, springs, hinges) changes nothing, and says so. Blocks of codes
// take them only within [minimo, maximo], fields with a limit only values
// within it, and a block with a direction only one that is not (0, 0).
struct tipoBloque {
    const char* etiqueta;
    nombreBloque nombre;
    size_t noFijos;
    const char* codigosInvalidos = nullptr;
    int minimo = 0;
    int maximo = 0;
    std::vector<limite> limites = {};
    bool conDireccion = false;
};

// The direction (dx, dy) of a load given in global axes.
constexpr size_t campoDx = 2;
constexpr size_t campoDy = 3;

// One row per block kind, laid out as a table.
// clang-format off
const tipoBloque bloqueApoyo{"apoyo:", nombreBloque::ninguno, 3, "de apoyo fuera de rango", INT_MIN, INT_MAX};
const tipoBloque bloqueResorte{
    "resorte:", nombreBloque::ninguno, 3, nullptr, 0, 0,
    {{0, "la rigidez en X", false}, {1, "la rigidez en Y", false}, {2, "la rigidez al giro", false}}};
const tipoBloque bloquePuntual{"puntual:", nombreBloque::caso, 3};
const tipoBloque bloqueSeccionRectangular{"seccionRectangular:", nombreBloque::seccion, 4, nullptr, 0, 0,
                                          {{0, "b", true}, {1, "h", true}, {2, "E", true}}};
const tipoBloque bloqueSeccionGenerica{"seccionGenerica:", nombreBloque::seccion, 4, nullptr, 0, 0,
                                       {{0, "A", false}, {1, "I", false}, {2, "E", true}}};
const tipoBloque bloqueArticulacion{"articulacion:", nombreBloque::ninguno, 2,
                                    "de articulación distintos de 0 y 1", 0, 1};
const tipoBloque bloqueDistribuidaLocal{"distribuidaLocal:", nombreBloque::caso, 4};
const tipoBloque bloqueDistribuidaGlobal{"distribuidaGlobal:", nombreBloque::caso, 4, nullptr, 0, 0, {}, true};
// clang-format on
const tipoBloque* const bloques[] = {
    &bloqueApoyo,           &bloqueResorte,      &bloquePuntual,          &bloqueSeccionRectangular,
    &bloqueSeccionGenerica, &bloqueArticulacion, &bloqueDistribuidaLocal, &bloqueDistribuidaGlobal,
};
const char* const etiquetaPesoPropio = "pesoPropio:";
const char* const etiquetaCombo = "combo:";

bool conNombre(const tipoBloque& tipo) { return tipo.nombre != nombreBloque::ninguno; }

// "bloque puntual: P", or "bloque resorte:" for a block without a name.
std::string bloque(const bloqueLista& b, const tipoBloque& tipo)
{
    const std::string etiqueta = std::string("bloque ") + tipo.etiqueta;
    return conNombre(tipo) ? etiqueta + " " + tokenVisible(b.nombre) : etiqueta;
}

// " (nudo 3)", " (barras 1 2)": the numbers a block names, as written.
std::string destinos(const bloqueLista& b, const tipoBloque& tipo, const tablaNumerada& t)
{
    const size_t cuenta = b.valores.size() - tipo.noFijos;
    if (cuenta == 0) {
        return "";
    }
    std::string lista = std::string(" (") + t.nombre + (cuenta > 1 ? "s" : "");
    for (size_t i = tipo.noFijos; i < b.valores.size(); ++i) {
        lista += " " + texto(b.valores[i]);
    }
    return lista + ")";
}

bool codigosValidos(lectura& l, const bloqueLista& b, const tipoBloque& tipo)
{
    bool validos = true;
    std::string valores;
    for (size_t i = 0; i < tipo.noFijos; ++i) {
        if (informarSiFraccion(l, b.valores[i], tipo.etiqueta)) {
            return false;
        }
        int codigo = 0;
        validos = comoEntero(b.valores[i], codigo) == valorEntero::valido && codigo >= tipo.minimo &&
                  codigo <= tipo.maximo && validos;
        valores += " " + texto(b.valores[i]);
    }
    if (!validos) {
        l.archivo.informarError(std::string("códigos ") + tipo.codigosInvalidos + " en la etiqueta " +
                                tipo.etiqueta + valores);
    }
    return validos;
}

// The end of the line of a block that is read and changes nothing.
const char* const sinEfecto = "; no cambia nada";

// A block that stopped short names the value, if any, where its run
// stopped: a fault for a named block; for an unnamed one a spoilt number
// where a value was due is a fault, anything else a warning.
bool bloqueCompleto(lectura& l, const bloqueLista& b, const tipoBloque& tipo, const finDeCorrida& fin)
{
    if (b.valores.size() >= tipo.noFijos) {
        return true;
    }
    const std::string faltan = "faltan datos en el " + bloque(b, tipo) + (conNombre(tipo) ? ": " : " ") +
                               "tiene " + std::to_string(b.valores.size()) + " de sus " +
                               std::to_string(tipo.noFijos) + " números fijos" +
                               (fin.token.empty() ? "" : "; " + lecturaDetenidaEn(fin.token));
    if (conNombre(tipo)) {
        l.archivo.informarError(faltan);
    } else if (!l.archivo.informarCorridaCortada(tipo.etiqueta, fin, true)) {
        informarAdvertencia(faltan + sinEfecto);
    }
    return false;
}

// "apoyo: 1 1  4", meant as two codes for node 4, reads three codes and no
// node.
void avisarSinDestinos(const bloqueLista& b, const tipoBloque& tipo, const tablaNumerada& t)
{
    if (conNombre(tipo) || b.valores.size() > tipo.noFijos) {
        return;
    }
    informarAdvertencia("el " + bloque(b, tipo) + " tiene sus " + std::to_string(tipo.noFijos) +
                        " números fijos y ningún número de " + t.nombre + sinEfecto);
}

// The first value that no section or spring can have: a section named, a
// spring's nodes listed.
bool dentroDeLimites(lectura& l, const bloqueLista& b, const tipoBloque& tipo, const tablaNumerada& t)
{
    for (const limite& campo : tipo.limites) {
        const double valor = b.valores[campo.campo];
        if (campo.estricto ? valor > 0.0 : valor >= 0.0) {
            continue;
        }
        l.archivo.informarError("el valor " + texto(valor) + " de " + campo.nombre + " del " +
                                bloque(b, tipo) + (campo.estricto ? " no es mayor que 0" : " es negativo") +
                                (conNombre(tipo) ? "" : destinos(b, tipo, t)));
        return false;
    }
    return true;
}

bool direccionDefinida(lectura& l, const bloqueLista& b, const tipoBloque& tipo, const tablaNumerada& t)
{
    if (!tipo.conDireccion || b.valores[campoDx] != 0.0 || b.valores[campoDy] != 0.0) {
        return true;
    }
    l.archivo.informarError("la dirección (dx, dy) del " + bloque(b, tipo) + " es nula" +
                            destinos(b, tipo, t));
    return false;
}

bool bloqueValido(lectura& l, const bloqueLista& b, const tipoBloque& tipo, const tablaNumerada& t)
{
    return (tipo.codigosInvalidos == nullptr || codigosValidos(l, b, tipo)) &&
           dentroDeLimites(l, b, tipo, t) && direccionDefinida(l, b, tipo, t);
}

// Calls aplicar(block, internal index) for every number the block names;
// returns the number of blocks of the tag. A block with a value that did not
// convert, or cut by a spoilt number, has had its line: it is neither
// applied nor checked further. A block cut by a word is applied up to it.
template <class F>
int aplicarBloques(lectura& l, const tipoBloque& tipo, const tablaNumerada& t, F aplicar)
{
    const int cuenta = l.archivo.getNoEtiquetas(tipo.etiqueta);
    const int saltar = conNombre(tipo) ? 1 : 0;
    for (int k = 1; k <= cuenta; ++k) {
        bloqueLista b;
        if (conNombre(tipo)) {
            b.nombre = l.archivo.getString(tipo.etiqueta, k);
            anotarNombre(l, b.nombre, tipo.nombre == nombreBloque::caso);
        }
        const int antes = errores(l);
        b.valores = l.archivo.getMatrizEtiquetaRepetida(tipo.etiqueta, k, saltar);
        if (errores(l) != antes) {
            continue;
        }
        const finDeCorrida fin = l.archivo.getFinDeCorrida(tipo.etiqueta, k, saltar);
        if (!bloqueCompleto(l, b, tipo, fin)) {
            continue;
        }
        const bool cortado = l.archivo.informarCorridaCortada(tipo.etiqueta, fin, false);
        if (errores(l) != antes || !bloqueValido(l, b, tipo, t)) {
            continue;
        }
        if (!cortado) {
            avisarSinDestinos(b, tipo, t);
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

// Codes are whole numbers; the block test keeps them in the int range.
int codigo(const bloqueLista& b, size_t i) { return static_cast<int>(b.valores[i]); }

void leerApoyosYResortes(lectura& l)
{
    imprimirSi(aplicarBloques(l, bloqueApoyo, l.nudos,
                              [](const bloqueLista& b, int n) {
                                  nudo[n].setApoyo(codigo(b, 0), codigo(b, 1), codigo(b, 2));
                              }),
               "transferencia de apoyos a nudo[i] OK");
    imprimirSi(aplicarBloques(l, bloqueResorte, l.nudos,
                              [](const bloqueLista& b, int n) {
                                  nudo[n].setResorte(b.valores[0], b.valores[1], b.valores[2]);
                              }),
               "transferencia de resortes a nudo[i] OK");
    imprimirSi(aplicarBloques(l, bloquePuntual, l.nudos,
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
    l.noEtiquetasCombo = l.archivo.getNoEtiquetas(etiquetaCombo);
    for (int k = 1; k <= l.noEtiquetasCombo; ++k) {
        const std::string nombre = l.archivo.getString(etiquetaCombo, k);
        const std::vector<double> factores = l.archivo.getFactoresEtiqueta(etiquetaCombo, k, 1);
        const std::vector<std::string> casos = l.archivo.getNombresDeFactores(etiquetaCombo, k, 1);
        anotarNombre(l, nombre, false);
        for (const std::string& caso : casos) {
            anotarNombre(l, caso, false);
        }
        const size_t noPares = std::min(factores.size(), casos.size());
        if (factores.size() > noPares) {
            l.archivo.informarError("al combo " + tokenVisible(nombre) +
                                    " le falta el caso de carga de su último factor " +
                                    texto(factores.back()));
        }
        if (nombre.empty()) {
            l.archivo.informarError("la etiqueta combo: al final del archivo no tiene nombre");
            continue;
        }
        if (noPares == 0) {
            l.archivo.informarError("el combo " + tokenVisible(nombre) +
                                    " no tiene ningún par de factor y caso de carga");
            continue;
        }
        auto existente = std::find_if(l.combos.begin(), l.combos.end(),
                                      [&](const combinacion& c) { return c.nombre == nombre; });
        if (existente == l.combos.end()) {
            existente = l.combos.insert(l.combos.end(), combinacion{nombre, {}});
        } else {
            l.archivo.informarError("el nombre de combo " + tokenVisible(nombre) + " se repite");
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

// A member row of a table read wrong is not checked against the nodes. The
// length is the member's own: nodes closer than its rounding give 0 too.
void darExtremos(lectura& l, objBarra2d& b, const Eigen::MatrixXd& tabla, int r)
{
    const bool comprobar = l.barras.leidaBien;
    const int i = indiceDe(l, l.nudos, tabla(r, 1), l.barras.etiqueta, comprobar);
    const int f = indiceDe(l, l.nudos, tabla(r, 2), l.barras.etiqueta, comprobar);
    if (i >= 0) {
        b.setNudoInicio(i, nudo[i].getX(), nudo[i].getY());
    }
    if (f >= 0) {
        b.setNudoFinal(f, nudo[f].getX(), nudo[f].getY());
    }
    b.setNudoInicioUsuario(numeroUsuario(tabla(r, 1)));
    b.setNudoFinalUsuario(numeroUsuario(tabla(r, 2)));
    l.barraConExtremos[r] = i >= 0 && f >= 0;
    if (l.barraConExtremos[r]) {
        l.nudosUnidos.insert(std::minmax(i, f));
    }
    if (l.barraConExtremos[r] && comprobar && l.nudos.leidaBien && !(b.getLongitud() > 0.0)) {
        l.archivo.informarError("la barra " + texto(tabla(r, 0)) + " tiene longitud nula (nudos " +
                                texto(tabla(r, 1)) + " y " + texto(tabla(r, 2)) + ")");
    }
}

void leerBarras(lectura& l, const Eigen::MatrixXd& tabla)
{
    barra.assign(static_cast<size_t>(noBarras), objBarra2d());
    l.barraConExtremos.assign(barra.size(), false);
    l.barraConSeccion.assign(barra.size(), false);
    for (int r = 0; r < noBarras; ++r) {
        objBarra2d& b = barra[r];
        b.resetFlags();
        b.setNumeroBarraUsuario(numeroUsuario(tabla(r, 0)));
        b.setNumeroDeBarra(r);
        darExtremos(l, b, tabla, r);
    }
    std::cout << "transferencia de coord a barra[i] OK" << std::endl;
}

void leerSecciones(lectura& l, const tipoBloque& tipo, void (objBarra2d::*darSeccion)(double, double),
                   const char* linea)
{
    aplicarBloques(l, tipo, l.barras, [&](const bloqueLista& b, int m) {
        (barra[m].*darSeccion)(b.valores[0], b.valores[1]);
        barra[m].setModuloE(b.valores[2]);
        barra[m].setPesoEspecifico(b.valores[3]);
        barra[m].setNombreDeSeccion(b.nombre);
        l.barraConSeccion[m] = true;
    });
    std::cout << linea << std::endl;
}

// A member that no section block names has no stiffness. The check waits for
// a sound member table and sound section blocks, so as to add no line to
// theirs.
void comprobarSecciones(lectura& l, int erroresAntes)
{
    if (!l.barras.leidaBien || errores(l) != erroresAntes) {
        return;
    }
    for (int m = 0; m < noBarras; ++m) {
        if (!l.barraConSeccion[m]) {
            l.archivo.informarError("la barra " + std::to_string(barra[m].getNoBarraUsuario()) +
                                    " no tiene sección; ningún bloque " + bloqueSeccionRectangular.etiqueta +
                                    " ni " + bloqueSeccionGenerica.etiqueta + " la nombra");
        }
    }
}

void leerArticulaciones(lectura& l)
{
    imprimirSi(aplicarBloques(
                   l, bloqueArticulacion, l.barras,
                   [](const bloqueLista& b, int m) { barra[m].setArticulacion(codigo(b, 0), codigo(b, 1)); }),
               "transferencia de articulaciones a barra[i] OK");
}

// A member without its end nodes (reported) takes no load: it has no axes.
void leerDistribuidas(lectura& l, const tipoBloque& tipo,
                      void (objBarra2d::*cargar)(std::string, double, double, double, double),
                      const char* linea)
{
    imprimirSi(aplicarBloques(l, tipo, l.barras,
                              [&](const bloqueLista& b, int m) {
                                  const std::vector<double>& v = b.valores;
                                  if (l.barraConExtremos[m]) {
                                      (barra[m].*cargar)(b.nombre, v[0], v[1], v[2], v[3]);
                                  }
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
    const int antes = errores(l);
    leerSecciones(l, bloqueSeccionRectangular, &objBarra2d::setSeccionRectangular,
                  "transferencia de secciones rect a barra[i] OK");
    leerSecciones(l, bloqueSeccionGenerica, &objBarra2d::setSeccionGenerica,
                  "transferencia de secciones gen a barra[i] OK");
    comprobarSecciones(l, antes);
}

// Every case the tag names is a load case, also when the tag is repeated.
void leerPesoPropio(lectura& l)
{
    const int cuenta = l.archivo.getNoEtiquetas(etiquetaPesoPropio);
    std::vector<std::string> casos;
    for (int k = 1; k <= cuenta; ++k) {
        casos.push_back(l.archivo.getString(etiquetaPesoPropio, k));
        anotarNombre(l, casos.back(), true);
    }
    if (cuenta == 0) {
        std::cout << "No se calculará el peso propio de la estructura" << std::endl;
    } else if (cuenta == 1) {
        for (size_t m = 0; m < barra.size(); ++m) {
            if (l.barraConExtremos[m]) {
                barra[m].setPesoPropio(casos[0]);
            }
        }
        std::cout << "Lectura de pesoPropio ---> OK" << std::endl;
    } else {
        l.archivo.informarError("No usar la etiqueta *pesoPropio:* más de una vez", lineaDeError::sinPrefijo);
    }
}

// Two nodes at one point that no member joins stand apart in the analysis:
// two cantilevers where one beam was meant. Each node is paired with the
// first of the table at its point; a member that joins them has had its
// line. Nothing is said about tables read wrong.
void avisarNudosCoincidentes(const lectura& l)
{
    if (!l.nudos.leidaBien || !l.barras.leidaBien) {
        return;
    }
    std::map<std::pair<double, double>, int> primeroEnElPunto;
    for (int n = 0; n < noNudos; ++n) {
        const auto punto = std::make_pair(nudo[n].getX(), nudo[n].getY());
        const auto [primero, esElPrimero] = primeroEnElPunto.emplace(punto, n);
        if (esElPrimero || l.nudosUnidos.count({primero->second, n}) != 0) {
            continue;
        }
        informarAdvertencia("los nudos " + std::to_string(nudo[primero->second].getNoNudoUsuario()) + " y " +
                            std::to_string(nudo[n].getNoNudoUsuario()) + " están en el mismo punto (" +
                            texto(primero->first.first) + ", " + texto(primero->first.second) +
                            ") y ninguna barra los une");
    }
}

// A case that no load names is most likely misspelt: the combination would
// take nothing from it.
void avisarCasosSinCargas(const lectura& l)
{
    for (const combinacion& c : l.combos) {
        std::set<std::string> avisados;
        for (const auto& par : c.pares) {
            if (l.casosDeCarga.count(par.second) == 0 && avisados.insert(par.second).second) {
                informarAdvertencia("el combo " + tokenVisible(c.nombre) + " nombra el caso de carga " +
                                    tokenVisible(par.second) + ", que ninguna carga usa");
            }
        }
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
    {"escalaDeflexion:", &escalaDef, nullptr, 100.0},
    {"escalaM:", &escalaM, nullptr, 0.1},
    {"escalaV:", &escalaV, nullptr, 0.1},
    {"escalaN:", &escalaN, nullptr, 0.01},
    {"escalaTexto:", &escalaTexto, nullptr, 0.15},
    {"escalaApoyo:", &escalaApoyo, nullptr, 0.0},
    {"precision:", nullptr, &precision, 3},
    {"escalaCarga:", &escalaCarga, nullptr, 0.1},
};

bool esEtiquetaDelFormato(const lectura& l, const std::string& token)
{
    const auto es = [&](const char* etiqueta) { return token == etiqueta; };
    const auto esDeBloque = [&](const tipoBloque* b) { return es(b->etiqueta); };
    const auto esDeAjuste = [&](const ajuste& a) { return es(a.etiqueta); };
    return es(l.nudos.etiqueta) || es(l.barras.etiqueta) || es(etiquetaPesoPropio) || es(etiquetaCombo) ||
           std::any_of(std::begin(bloques), std::end(bloques), esDeBloque) ||
           std::any_of(std::begin(ajustes), std::end(ajustes), esDeAjuste);
}

// A token that ends in ':', opens numbers and is neither a tag nor a name
// read is most likely a misspelt tag, whose block no query reads; words of
// free text between blocks pass.
void avisarEtiquetasAjenas(lectura& l)
{
    for (const std::string& token : l.archivo.getEtiquetasConDatos()) {
        if (!esEtiquetaDelFormato(l, token) && l.nombres.count(token) == 0) {
            informarAdvertencia("la etiqueta " + tokenVisible(token) + " no es del formato y se ignora");
        }
    }
}

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
    modeloAdmitido = false;
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
    leerDistribuidas(l, bloqueDistribuidaLocal, &objBarra2d::setCargaLocal,
                     "transferencia de cargas Locales a barra[i] OK");
    leerDistribuidas(l, bloqueDistribuidaGlobal, &objBarra2d::setCargaGlobal,
                     "transferencia de cargas globales a barra[i] OK");
    leerPesoPropio(l);
    transferirCombos(l, barra, "transferencia de combos a barra[i] OK");
    avisarNudosCoincidentes(l);
    avisarCasosSinCargas(l);
    avisarEtiquetasAjenas(l);
    leerAjustes(l);
    modeloAdmitido = l.archivo.getLecturaSinErrores();
}
