// Text report of the analysed model: node and support tables, member data
// and stiffness, structure matrices, loads, displacements, elastic-curve
// constants and end forces, written to "resultados.txt", which is replaced
// whole or not at all.
#include "report/funcionImprimirResultados.h"

#include <fcntl.h>
#ifdef _WIN32
#include <io.h>
#include <sys/stat.h>
#else
#include <unistd.h>
#endif

#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstddef>
#include <cstring>
#include <filesystem>
#include <initializer_list>
#include <iostream>
#include <random>
#include <string>
#include <string_view>
#include <system_error>

#include <Eigen/Dense>

#include "globales.h"
#include "model/coeficiente.h"

namespace {

namespace fs = std::filesystem;

constexpr char archivoResultados[] = "resultados.txt";
// The new report is written beside the old one, under the report's name and
// a suffix of its own of these letters.
constexpr std::string_view caracteresDeSufijo =
    "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr int largoDeSufijo = 6;
// The report's name, the dot, the suffix and the closing null.
constexpr std::size_t largoDeTemporal = sizeof archivoResultados + 1 + largoDeSufijo;
// Names already taken are passed over; a folder that holds this many of them
// in a row takes no report.
constexpr int intentosDeNombre = 100;

// Loops run to the counts, but never past what the container really holds.
int hasta(int cuenta, std::size_t tamano) { return std::max(0, std::min(cuenta, static_cast<int>(tamano))); }

// Each section after the first starts with two line breaks and its heading.
void escribirEncabezado(const char* titulo) { resultados << "\n\n" << titulo; }

// One row of a matrix after its label, aligned within its own line; a row
// the matrix does not hold leaves the label alone on its line.
void escribirFila(const char* rotulo, const Eigen::MatrixXd& m, Eigen::Index fila)
{
    resultados << rotulo;
    if (fila < m.rows()) {
        resultados << m.row(fila);
    }
    resultados << "\n";
}

void escribirFilas(const Eigen::MatrixXd& m, std::initializer_list<const char*> rotulos)
{
    Eigen::Index fila = 0;
    for (const char* rotulo : rotulos) {
        escribirFila(rotulo, m, fila++);
    }
}

void escribirNumeroDeBarra(objBarra2d& b) { resultados << "#_barra: " << b.getNoBarraUsuario() << "\n"; }

// One labelled matrix of a member block, its subtitle first when it has one.
struct Bloque {
    const char* subtitulo;
    const Eigen::MatrixXd& matriz;
    std::initializer_list<const char*> rotulos;
};

// A member block: its number, then its matrices row by row, then an empty line.
void escribirBloquesDeBarra(objBarra2d& b, std::initializer_list<Bloque> bloques)
{
    escribirNumeroDeBarra(b);
    for (const Bloque& bloque : bloques) {
        resultados << bloque.subtitulo;
        escribirFilas(bloque.matriz, bloque.rotulos);
    }
    resultados << "\n";
}

void escribirNudos()
{
    resultados << "#Nudo CoordX coordY\n";
    for (int i = 0; i < hasta(noNudos, nudo.size()); ++i) {
        resultados << nudo[i].getNoNudoUsuario() << " " << nudo[i].getX() << " " << nudo[i].getY() << "\n";
    }
}

void escribirApoyos()
{
    escribirEncabezado("Apoyado = 1; sin Apoyo = 0\n");
    resultados << "#Nudo | ApoyoX | ApoyoY | giro\n";
    for (int i = 0; i < hasta(noNudos, nudo.size()); ++i) {
        const Eigen::Vector3i apoyo = nudo[i].getApoyo();
        resultados << nudo[i].getNoNudoUsuario();
        for (int k = 0; k < 3; ++k) {
            resultados << " " << apoyo(k);
        }
        resultados << "\n";
    }
}

void escribirRigidezDeBarra(objBarra2d& b)
{
    // Fetched first, in this order, so that the member's own messages for
    // missing data come out in a fixed sequence.
    const int numero = b.getNoBarraUsuario();
    const int inicio = b.getNudoInicioUsuario();
    const int fin = b.getNudoFinalUsuario();
    const double longitud = b.getLongitud();
    const double angulo = b.getAngulo();
    const double area = b.getArea();
    const double inercia = b.getInercia();
    const double modE = b.getModE();
    const Eigen::MatrixXd k = b.getKGlobal();
    const Eigen::VectorXi gdl = b.getGdl();

    resultados << "#_barra: " << numero << "\n"
               << "nudo_Inicio: " << inicio << "\n"
               << "nudo_final: " << fin << "\n"
               << "longitud: " << longitud << "\n"
               << "angulo: " << angulo << "\n"
               << "Area: " << area << "\n"
               << "Inercia: " << inercia << "\n"
               << "modE: " << modE << "\n"
               << "grados_de_libertad: " << (gdl.array() + 1).matrix().transpose() << "\n"
               << "Matriz_de_Rigidez:\n"
               << k << "\n\n";
}

void escribirCargasDistribuidas(objBarra2d& b)
{
    // Each load column goes out as one line, one value per combination.
    const Eigen::MatrixXd porColumna = b.getMatrizCargasCombo().transpose();
    escribirBloquesDeBarra(
        b, {{"",
             porColumna,
             {"f_paralela_inicio: ", "f_paralela_fin: ", "q_perpend_inicio: ", "q_perpend_fin: "}}});
}

void escribirCargasEquivalentes(objBarra2d& b)
{
    const Eigen::MatrixXd locales = b.getCargasEquivalentesLocales();
    const Eigen::MatrixXd globales = b.getCargasEquivalentesGlobales();
    escribirBloquesDeBarra(
        b, {{"fuerzas Equivalentes LOCALES:\n", locales, {"F1: ", "F2: ", "M3: ", "F4: ", "F5: ", "M6: "}},
            {"fuerzas Equivalentes GLOBALES:\n",
             globales,
             {"Fx1: ", "Fy2: ", "Mz3: ", "Fx4: ", "Fy5: ", "Mz6: "}}});
}

void escribirDesplazamientosDeBarra(objBarra2d& b)
{
    // The member-axis matrix is fetched first but written second.
    const Eigen::MatrixXd locales = b.getDesplazamientosLocales();
    const Eigen::MatrixXd globales = b.getDesplazamientosGlobales();
    escribirBloquesDeBarra(b, {{"Desplazamientos Globales [uGlobal]:\n",
                                globales,
                                {"ux: ", "uy: ", "Giro: ", "ux: ", "uy: ", "Giro: "}},
                               {"Desplazamientos Locales [uLocal] = [T]*[uGlobal]:\n",
                                locales,
                                {"u1: ", "u2: ", "u3: ", "u4: ", "u5: ", "u6: "}}});
}

void escribirConstantes(objBarra2d& b)
{
    const Eigen::MatrixXd constantes = b.getConstantesIntegracion();
    escribirBloquesDeBarra(b,
                           {{"Constantes:\n", constantes, {"A: ", "B: ", "C1: ", "C2: ", "C3: ", "C4: "}}});
}

// The force queries read the member's result columns; a member holding
// fewer of them than noCombos is asked only for those it has.
int combosConResultados(objBarra2d& b)
{
    const Eigen::Index columnas =
        std::min(b.getConstantesIntegracion().cols(), b.getDesplazamientosLocales().cols());
    return static_cast<int>(std::min<Eigen::Index>(std::max(0, noCombos), columnas));
}

void escribirExtremos(const char* inicio, const char* fin, const Eigen::MatrixXd& solicitacion)
{
    resultados << inicio << coeficiente(solicitacion, 1, 0) << "\n"
               << fin << coeficiente(solicitacion, 1, 1) << "\n";
}

void escribirSolicitaciones(objBarra2d& b)
{
    const int combos = combosConResultados(b);
    for (int c = 0; c < combos; ++c) {
        const Eigen::MatrixXd axial = b.getSolicitacionAxial(c, 2);
        const Eigen::MatrixXd cortante = b.getSolicitacionCortante(c, 2);
        const Eigen::MatrixXd momento = b.getSolicitacionMomento(c, 2);
        escribirNumeroDeBarra(b);
        resultados << "combo: " << c + 1 << "\n";
        escribirExtremos("N_inicio: ", "N_fin: ", axial);
        escribirExtremos("V_inicio: ", "V_fin: ", cortante);
        escribirExtremos("M_inicio: ", "M_fin: ", momento);
    }
    resultados << "\n";
}

void escribirSeccionDeBarras(const char* titulo, void (*bloque)(objBarra2d&))
{
    escribirEncabezado(titulo);
    for (int i = 0; i < hasta(noBarras, barra.size()); ++i) {
        bloque(barra[i]);
    }
}

void escribirMatrizEstructura(const char* titulo, const Eigen::MatrixXd& m)
{
    escribirEncabezado(titulo);
    resultados << "\n" << m << "\n";
}

void escribirReporte()
{
    escribirNudos();
    escribirApoyos();
    escribirSeccionDeBarras("Matrices de Rigidez de Barras\n", escribirRigidezDeBarra);
    escribirMatrizEstructura("MATRIZ DE RIGIDEZ DE TODA LA ESTRUCTURA: ", kEstructura);
    escribirSeccionDeBarras("CARGAS DISTRIBUIDAS LOCALES PARA CADA BARRA:\n", escribirCargasDistribuidas);
    escribirSeccionDeBarras("CARGAS EQUIVALENTES LOCALES Y GLOBALES PARA CADA BARRA:\n",
                            escribirCargasEquivalentes);
    escribirMatrizEstructura("VECTOR DE CARGAS DE TODA LA ESTRUCTURA", pCombo);
    escribirMatrizEstructura("VECTOR DE DESPLAZAMIENTOS", u);
    escribirSeccionDeBarras("VECTOR DE DESPLAZAMIENTOS GLOBALES Y LOCALES PARA CADA BARRA\n",
                            escribirDesplazamientosDeBarra);
    escribirSeccionDeBarras("CONSTANTES DE INTEGRACIÓN DE CADA BARRA:\n", escribirConstantes);
    escribirSeccionDeBarras("SOLICITACIONES DE CADA BARRA EN LOS EXTREMOS:\n", escribirSolicitaciones);
    resultados << "\n\n";
}

void avisarFalloDeEscritura()
{
    std::cout << "No se pudo escribir el archivo " << archivoResultados << std::endl;
}

// A report that its owner made read-only, or that this user may not write,
// stays as it is, since the rename would replace it all the same. Root may
// write any file, so a file that grants writing to no one is kept for root as
// well. A link is no report of its own and is replaced, never followed.
#ifdef _WIN32
// The C runtime's mode for a test of writing; Windows names none.
constexpr int modoEscritura = 2;
bool puedeEscribir(const char* ruta) { return _access(ruta, modoEscritura) == 0; }
#else
bool puedeEscribir(const char* ruta) { return faccessat(AT_FDCWD, ruta, W_OK, AT_EACCESS) == 0; }
#endif

bool reporteProtegido()
{
    std::error_code error;
    const fs::file_status estado = fs::symlink_status(archivoResultados, error);
    if (error || !fs::is_regular_file(estado)) {
        return false;
    }
    const fs::perms escritura = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    return (estado.permissions() & escritura) == fs::perms::none || !puedeEscribir(archivoResultados);
}

// Creates the file only where nothing, not even a link, holds its name yet,
// with the permissions an ordinary creation gives.
#ifdef _WIN32
bool crearSiLibre(const char* ruta)
{
    const int descriptor = _open(ruta, _O_CREAT | _O_EXCL | _O_WRONLY, _S_IREAD | _S_IWRITE);
    return descriptor >= 0 && _close(descriptor) == 0;
}
#else
bool crearSiLibre(const char* ruta)
{
    const int descriptor = open(ruta, O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0666);
    return descriptor >= 0 && close(descriptor) == 0;
}
#endif

// The signals that end the program from outside: one of them while the new
// report is written must not leave its file behind, and then ends the program
// as it would have. A signal the program was started to ignore stays ignored.
#ifdef _WIN32
// Windows has no hang-up; Ctrl+C and Ctrl+Break arrive on a thread of their
// own while the file is still open, and an open file cannot be removed
// there, so the signal is noted and raised again once the new file is in
// place or gone.
constexpr int senalesDeFin[] = {SIGTERM, SIGINT, SIGBREAK};
using Disposicion = void (*)(int);

std::atomic<int> senalRecibida{0};

void anotarSenal(int senal) { senalRecibida = senal; }

Disposicion leerYCapturar(int senal)
{
    const Disposicion anterior = std::signal(senal, anotarSenal);
    if (anterior != SIG_DFL) {
        std::signal(senal, anterior);
    }
    return anterior;
}

void restaurar(int senal, Disposicion anterior) { std::signal(senal, anterior); }

bool crearYAnotar(const char* ruta) { return crearSiLibre(ruta); }

// Once the new file is in place or gone, a signal noted meanwhile ends the
// program.
void cerrarGuardia()
{
    const int senal = senalRecibida.exchange(0);
    if (senal != 0) {
        std::raise(senal);
    }
}
#else
constexpr int senalesDeFin[] = {SIGTERM, SIGINT, SIGHUP};
using Disposicion = struct sigaction;

// The name of the new report while it exists, written before the mark is
// set, so that the handler calls nothing but unlink on a finished name.
char temporalEnCurso[largoDeTemporal] = {};
std::atomic<bool> hayTemporal{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the handler reads the mark");

// The disposition is back to the default on entry, and the signal stays
// blocked until the handler returns, so it then ends the program.
void borrarTemporalYTerminar(int senal)
{
    if (hayTemporal) {
        unlink(temporalEnCurso);
    }
    raise(senal);
}

Disposicion leerYCapturar(int senal)
{
    Disposicion anterior{};
    sigaction(senal, nullptr, &anterior);
    if (anterior.sa_handler == SIG_DFL) {
        Disposicion captura{};
        captura.sa_handler = borrarTemporalYTerminar;
        sigemptyset(&captura.sa_mask);
        captura.sa_flags = SA_RESETHAND;
        sigaction(senal, &captura, nullptr);
    }
    return anterior;
}

void restaurar(int senal, const Disposicion& anterior) { sigaction(senal, &anterior, nullptr); }

// The ending signals wait while the file is made and its name noted, so that
// the handler knows every file made and no file of anyone else.
bool crearYAnotar(const char* ruta)
{
    sigset_t senales;
    sigset_t anteriores;
    sigemptyset(&senales);
    for (const int senal : senalesDeFin) {
        sigaddset(&senales, senal);
    }
    pthread_sigmask(SIG_BLOCK, &senales, &anteriores);
    const bool creado = crearSiLibre(ruta);
    if (creado) {
        std::strncpy(temporalEnCurso, ruta, largoDeTemporal - 1);
        hayTemporal = true;
    }
    pthread_sigmask(SIG_SETMASK, &anteriores, nullptr);
    return creado;
}

// Once the new file is in place or gone, its name is forgotten.
void cerrarGuardia() { hayTemporal = false; }
#endif

constexpr std::size_t cantidadDeSenales = sizeof senalesDeFin / sizeof senalesDeFin[0];

// For its life, the ending signals remove the new report before they end
// the program.
class GuardiaDeSenales {
public:
    GuardiaDeSenales()
    {
        for (std::size_t i = 0; i < cantidadDeSenales; ++i) {
            anteriores[i] = leerYCapturar(senalesDeFin[i]);
        }
    }
    ~GuardiaDeSenales()
    {
        for (std::size_t i = 0; i < cantidadDeSenales; ++i) {
            restaurar(senalesDeFin[i], anteriores[i]);
        }
        cerrarGuardia();
    }
    GuardiaDeSenales(const GuardiaDeSenales&) = delete;
    GuardiaDeSenales& operator=(const GuardiaDeSenales&) = delete;

private:
    Disposicion anteriores[cantidadDeSenales];
};

// A new empty file beside the report, so that the new report is never
// written through a link or into a pipe; its name drawn at random, so that
// two programs in one folder never share it. Empty when none was made.
std::string crearTemporal()
{
    static std::mt19937 generador{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> letra(0, caracteresDeSufijo.size() - 1);
    for (int intento = 0; intento < intentosDeNombre; ++intento) {
        std::string nombre = std::string(archivoResultados) + ".";
        for (int i = 0; i < largoDeSufijo; ++i) {
            nombre += caracteresDeSufijo[letra(generador)];
        }
        if (crearYAnotar(nombre.c_str())) {
            return nombre;
        }
    }
    return "";
}

// The written file down to the disk, so that a crash of the system right
// after the rename cannot leave an empty report. On Windows the standard
// library offers no such step, and the report is left to the system's cache.
#ifdef _WIN32
bool bajarAlDisco(const std::string&) { return true; }
#else
bool bajarAlDisco(const std::string& ruta)
{
    const int descriptor = open(ruta.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return false;
    }
    const bool sincronizado = fsync(descriptor) == 0;
    return close(descriptor) == 0 && sincronizado;
}
#endif

// The whole report into the new file; false when the stream or the flush to
// the disk reports any failure.
bool escribirEn(const std::string& ruta)
{
    resultados.clear();
    resultados.open(ruta, std::ios::out | std::ios::trunc);
    if (!resultados.is_open()) {
        return false;
    }
    escribirReporte();
    resultados.close();
    return !resultados.fail() && bajarAlDisco(ruta);
}

// The file system's rename replaces an older report on every system, where
// the C runtime's fails on Windows when the name is taken.
bool ponerEnLugarDelReporte(const std::string& temporal)
{
    std::error_code error;
    fs::rename(temporal, archivoResultados, error);
    return !error;
}

}  // namespace

void funcionImprimirResultados()
{
    // Without a completed analysis there is nothing true to report, and an
    // older report stays as it was.
    if (!modeloAnalizado) {
        return;
    }
    if (resultados.is_open()) {
        resultados.close();
    }
    if (reporteProtegido()) {
        avisarFalloDeEscritura();
        return;
    }
    // The report goes to a new file beside the old one and takes its name
    // only once written whole: a full disk leaves the older report intact,
    // and a link or a pipe of that name is replaced, never written through.
    const GuardiaDeSenales guardia;
    const std::string temporal = crearTemporal();
    if (temporal.empty()) {
        avisarFalloDeEscritura();
        return;
    }
    if (!escribirEn(temporal) || !ponerEnLugarDelReporte(temporal)) {
        std::error_code error;
        fs::remove(temporal, error);
        avisarFalloDeEscritura();
    }
}
