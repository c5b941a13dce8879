// Results report: layout and value forms of "resultados.txt", its numbers
// against closed-form beam and frame results, and the cases in which it must
// not be written.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "archivoPrueba.h"
#include "consola.h"
#include "globales.h"
#include "modeloPrueba.h"
#include "report/funcionImprimirResultados.h"
#include "salidaPrueba.h"

namespace {

namespace fs = std::filesystem;

void nudoNuevo(int usuario, double x, double y, int ax, int ay, int giro)
{
    agregarNudo(usuario, x, y).setApoyo(ax, ay, giro);
}

// Ends are internal indices; the user numbers come from the nodes.
void barraNueva(int usuario, int inicio, int fin, double A, double I, double E)
{
    objBarra2d& b = unir(inicio, fin, usuario);
    b.setNombreDeSeccion("S");
    ponerSeccion(b, A, I, E);
}

// Combinations go to every node and member, after all their loads.
void resolver(const std::vector<ParDeCombo>& pares)
{
    darCombos(pares);
    resolverCargado();
}

// The example model: a 3-long horizontal member, A 0.1, I 0.03, E 900,
// fixed at node 1, with a downward tip load.
void modeloEjemplo()
{
    nudoNuevo(1, 0, 0, 1, 1, 1);
    nudoNuevo(2, 3, 0, 0, 0, 0);
    barraNueva(1, 0, 1, 0.1, 0.03, 900);
    nudo[1].setCargaPuntual("P", 0, -1, 0);
    resolver({{"C1", 1.0, "P"}});
}

// Cantilever of length 4, EI 2000, fixed at its start: combination "punta"
// carries 10 downward at the tip, combination "uniforme" 3 per unit length
// downward along the whole member.
void voladizo()
{
    nudoNuevo(1, 0, 0, 1, 1, 1);
    nudoNuevo(2, 4, 0, 0, 0, 0);
    barraNueva(5, 0, 1, 1, 2, 1000);
    nudo[1].setCargaPuntual("P", 0, -10, 0);
    barra[0].setCargaLocal("Q", 0, 0, -3, -3);
    resolver({{"punta", 1.0, "P"}, {"uniforme", 1.0, "Q"}});
}

// Square portal of side 6, fixed bases, equal EI 1000 everywhere and a near
// rigid axial stiffness, 12 per unit length downward on the beam.
void portico()
{
    nudoNuevo(1, 0, 0, 1, 1, 1);
    nudoNuevo(2, 0, 6, 0, 0, 0);
    nudoNuevo(3, 6, 6, 0, 0, 0);
    nudoNuevo(4, 6, 0, 1, 1, 1);
    barraNueva(1, 0, 1, 1e6, 1, 1000);
    barraNueva(2, 1, 2, 1e6, 1, 1000);
    barraNueva(3, 3, 2, 1e6, 1, 1000);
    barra[1].setCargaLocal("D", 0, 0, -12, -12);
    resolver({{"D", 1.0, "D"}});
}

std::string reporte() { return leerArchivo("resultados.txt"); }

std::vector<std::string> lineas(const std::string& texto)
{
    std::vector<std::string> resultado;
    std::istringstream s(texto);
    for (std::string linea; std::getline(s, linea);) {
        resultado.push_back(linea);
    }
    return resultado;
}

std::vector<double> numeros(const std::string& texto)
{
    std::vector<double> resultado;
    std::istringstream s(texto);
    for (double v; s >> v;) {
        resultado.push_back(v);
    }
    return resultado;
}

// The values of every line that begins with the label, in file order.
std::vector<std::vector<double>> valoresDe(const std::string& texto, const std::string& rotulo)
{
    std::vector<std::vector<double>> resultado;
    for (const std::string& linea : lineas(texto)) {
        if (linea.compare(0, rotulo.size(), rotulo) == 0) {
            resultado.push_back(numeros(linea.substr(rotulo.size())));
        }
    }
    return resultado;
}

// The matrix written on the lines that follow a heading, up to an empty line.
std::vector<std::vector<double>> matrizTras(const std::string& texto, const std::string& titulo)
{
    std::vector<std::vector<double>> filas;
    const std::vector<std::string> ls = lineas(texto);
    std::size_t i = 0;
    while (i < ls.size() && ls[i] != titulo) {
        ++i;
    }
    for (++i; i < ls.size() && !ls[i].empty(); ++i) {
        filas.push_back(numeros(ls[i]));
    }
    return filas;
}

bool contieneLinea(const std::string& texto, const std::string& linea)
{
    for (const std::string& l : lineas(texto)) {
        if (l == linea) {
            return true;
        }
    }
    return false;
}

void esperarLineas(const std::string& texto, std::initializer_list<const char*> esperadas)
{
    for (const char* linea : esperadas) {
        EXPECT_TRUE(contieneLinea(texto, linea)) << linea;
    }
}

void esperarValores(const std::vector<double>& obtenidos, const std::vector<double>& esperados)
{
    ASSERT_EQ(obtenidos.size(), esperados.size());
    for (std::size_t i = 0; i < esperados.size(); ++i) {
        const double tolerancia = 1e-5 * (1.0 + std::abs(esperados[i]));
        EXPECT_NEAR(obtenidos[i], esperados[i], tolerancia) << "valor " << i;
    }
}

// End values of one block of the end-force section.
struct Extremos {
    double nInicio, nFin, vInicio, vFin, mInicio, mFin;
};

// The end-force blocks, member by member and combination by combination.
void esperarExtremos(const std::string& texto, const std::vector<Extremos>& esperados)
{
    const char* const rotulos[] = {"N_inicio: ", "N_fin: ", "V_inicio: ", "V_fin: ", "M_inicio: ", "M_fin: "};
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(rotulos[k]);
        const auto valores = valoresDe(texto, rotulos[k]);
        ASSERT_EQ(valores.size(), esperados.size());
        for (std::size_t i = 0; i < esperados.size(); ++i) {
            const Extremos& e = esperados[i];
            const double v[] = {e.nInicio, e.nFin, e.vInicio, e.vFin, e.mInicio, e.mFin};
            esperarValores(valores[i], {v[k]});
        }
    }
}

// Every test works on an empty model in a temporary working directory of its
// own, so that "resultados.txt" never lands in the source tree.
class Reporte : public testing::Test {
protected:
    void SetUp() override { vaciarModelo(); }

    TrabajoEnCarpetaTemporal carpeta;
};

TEST_F(Reporte, ComienzoDelEjemplo)
{
    modeloEjemplo();
    ASSERT_TRUE(modeloAnalizado);
    funcionImprimirResultados();
    const std::string esperado = "#Nudo CoordX coordY\n"
                                 "1 0 0\n"
                                 "2 3 0\n"
                                 "\n"
                                 "\n"
                                 "Apoyado = 1; sin Apoyo = 0\n"
                                 "#Nudo | ApoyoX | ApoyoY | giro\n"
                                 "1 1 1 1\n"
                                 "2 0 0 0\n"
                                 "\n"
                                 "\n"
                                 "Matrices de Rigidez de Barras\n"
                                 "#_barra: 1\n"
                                 "nudo_Inicio: 1\n"
                                 "nudo_final: 2\n"
                                 "longitud: 3\n"
                                 "angulo: 0\n"
                                 "Area: 0.1\n"
                                 "Inercia: 0.03\n"
                                 "modE: 900\n"
                                 "grados_de_libertad: 1 2 3 4 5 6\n"
                                 "Matriz_de_Rigidez:\n"
                                 " 30   0   0 -30   0   0\n"
                                 "  0  12  18   0 -12  18\n"
                                 "  0  18  36   0 -18  18\n"
                                 "-30   0   0  30   0   0\n"
                                 "  0 -12 -18   0  12 -18\n"
                                 "  0  18  18   0 -18  36\n"
                                 "\n"
                                 "\n"
                                 "\n"
                                 "MATRIZ DE RIGIDEZ DE TODA LA ESTRUCTURA: \n";
    EXPECT_EQ(reporte().substr(0, esperado.size()), esperado);
}

TEST_F(Reporte, GradosDeLibertadAlineadosADosCifras)
{
    for (int i = 0; i < 11; ++i) {
        const int fijo = i == 10 ? 0 : 1;
        nudoNuevo(i + 1, i, 0, fijo, fijo, fijo);
    }
    barraNueva(1, 2, 10, 0.1, 0.03, 900);
    resolver({{"C1", 1.0, "nada"}});
    funcionImprimirResultados();
    esperarLineas(reporte(), {"grados_de_libertad:  7  8  9 31 32 33"});
}

// A uniform axial load of 5 on a member of length 2 gives F1 = F4 = 5; the
// second combination takes it times -2.5.
void barraConDosCombos()
{
    nudoNuevo(1, 0, 0, 1, 1, 1);
    nudoNuevo(2, 2, 0, 0, 0, 0);
    barraNueva(7, 0, 1, 1, 1, 1000);
    barra[0].setCargaLocal("A", 5, 5, 0, 0);
    resolver({{"C1", 1.0, "A"}, {"C2", -2.5, "A"}});
}

TEST_F(Reporte, FilaDeDosCombosAlineadaEnSuLinea)
{
    barraConDosCombos();
    funcionImprimirResultados();
    // Lines around it hold only zeros and keep their own width.
    const std::string texto = reporte();
    esperarLineas(texto, {"F1:     5 -12.5", "F4:     5 -12.5", "f_paralela_inicio:     5 -12.5", "F2: 0 0",
                          "q_perpend_inicio: 0 0"});
}

TEST_F(Reporte, BloquesDeExtremosPorCombo)
{
    barraConDosCombos();
    funcionImprimirResultados();
    const std::string texto = reporte();
    const std::string titulo = "SOLICITACIONES DE CADA BARRA EN LOS EXTREMOS:";
    const std::vector<std::string> ls = lineas(texto);
    std::size_t i = 0;
    while (i < ls.size() && ls[i] != titulo) {
        ++i;
    }
    ASSERT_LT(i + 17, ls.size());
    const std::vector<std::string> rotulos = {
        "N_inicio: ", "N_fin: ", "V_inicio: ", "V_fin: ", "M_inicio: ", "M_fin: "};
    for (int c = 0; c < 2; ++c) {
        const std::size_t base = i + 1 + 8 * c;
        EXPECT_EQ(ls[base], "#_barra: 7");
        EXPECT_EQ(ls[base + 1], "combo: " + std::to_string(c + 1));
        for (std::size_t k = 0; k < rotulos.size(); ++k) {
            const std::string& linea = ls[base + 2 + k];
            EXPECT_EQ(linea.compare(0, rotulos[k].size(), rotulos[k]), 0) << linea;
        }
    }
    EXPECT_EQ(ls[i + 17], "");
    // Tension at the fixed start equals the whole axial load, none at the free end.
    esperarValores(numeros(ls[i + 3].substr(10)), {10});
    esperarValores(numeros(ls[i + 11].substr(10)), {-25});
    esperarValores(numeros(ls[i + 4].substr(7)), {0});
    // The file ends with three empty lines after the member.
    EXPECT_EQ(texto.substr(texto.size() - 4), "\n\n\n\n");
    EXPECT_NE(texto.substr(texto.size() - 5, 1), "\n");
}

TEST_F(Reporte, FormasFijaYExponencial)
{
    nudoNuevo(1, 0.0001, 0, 1, 1, 1);
    nudoNuevo(2, 123.4567, 2.5e-05, 0, 0, 0);
    barraNueva(1, 0, 1, 1.5e7, 0.0001, 2.1e8);
    resolver({{"C1", 1.0, "nada"}});
    funcionImprimirResultados();
    esperarLineas(reporte(),
                  {"1 0.0001 0", "2 123.457 2.5e-05", "Area: 1.5e+07", "Inercia: 0.0001", "modE: 2.1e+08"});
}

// One node held by springs 100, 200 and 400 and loaded (50, -20, 8): every
// byte of the report follows, down to the empty member sections.
TEST_F(Reporte, ModeloSinBarrasSoloEncabezados)
{
    nudoNuevo(4, 1, 2, 0, 0, 0);
    nudo[0].setResorte(100, 200, 400);
    nudo[0].setCargaPuntual("P", 50, -20, 8);
    resolver({{"C1", 1.0, "P"}});
    ASSERT_TRUE(modeloAnalizado);
    funcionImprimirResultados();
    const std::string esperado = "#Nudo CoordX coordY\n"
                                 "4 1 2\n"
                                 "\n\n"
                                 "Apoyado = 1; sin Apoyo = 0\n"
                                 "#Nudo | ApoyoX | ApoyoY | giro\n"
                                 "4 0 0 0\n"
                                 "\n\n"
                                 "Matrices de Rigidez de Barras\n"
                                 "\n\n"
                                 "MATRIZ DE RIGIDEZ DE TODA LA ESTRUCTURA: \n"
                                 "100   0   0\n"
                                 "  0 200   0\n"
                                 "  0   0 400\n"
                                 "\n\n"
                                 "CARGAS DISTRIBUIDAS LOCALES PARA CADA BARRA:\n"
                                 "\n\n"
                                 "CARGAS EQUIVALENTES LOCALES Y GLOBALES PARA CADA BARRA:\n"
                                 "\n\n"
                                 "VECTOR DE CARGAS DE TODA LA ESTRUCTURA\n"
                                 " 50\n"
                                 "-20\n"
                                 "  8\n"
                                 "\n\n"
                                 "VECTOR DE DESPLAZAMIENTOS\n"
                                 " 0.5\n"
                                 "-0.1\n"
                                 "0.02\n"
                                 "\n\n"
                                 "VECTOR DE DESPLAZAMIENTOS GLOBALES Y LOCALES PARA CADA BARRA\n"
                                 "\n\n"
                                 "CONSTANTES DE INTEGRACIÓN DE CADA BARRA:\n"
                                 "\n\n"
                                 "SOLICITACIONES DE CADA BARRA EN LOS EXTREMOS:\n"
                                 "\n\n";
    EXPECT_EQ(reporte(), esperado);
}

TEST_F(Reporte, DosCorridasDanElMismoArchivo)
{
    portico();
    funcionImprimirResultados();
    const std::string primero = reporte();
    funcionImprimirResultados();
    EXPECT_FALSE(primero.empty());
    EXPECT_EQ(reporte(), primero);
}

TEST_F(Reporte, VoladizoSegunFormulas)
{
    voladizo();
    funcionImprimirResultados();
    const std::string texto = reporte();

    // Tip: -P·L³/(3EI), -P·L²/(2EI); uniform: q·L⁴/(8EI), q·L³/(6EI).
    const auto u = matrizTras(texto, "VECTOR DE DESPLAZAMIENTOS");
    ASSERT_EQ(u.size(), 6u);
    esperarValores(u[3], {0, 0});
    esperarValores(u[4], {-640.0 / 6000.0, -0.048});
    esperarValores(u[5], {-0.04, -0.016});
    esperarValores(valoresDe(texto, "uy: ").at(1), {-640.0 / 6000.0, -0.048});
    esperarValores(valoresDe(texto, "u5: ").at(0), {-640.0 / 6000.0, -0.048});

    // Fixed-end forces of the uniform load, reversed: q·L/2 and q·L²/12.
    esperarValores(valoresDe(texto, "q_perpend_inicio: ").at(0), {0, -3});
    esperarValores(valoresDe(texto, "F2: ").at(0), {0, -6});
    esperarValores(valoresDe(texto, "M3: ").at(0), {0, -4});
    esperarValores(valoresDe(texto, "F5: ").at(0), {0, -6});
    esperarValores(valoresDe(texto, "M6: ").at(0), {0, 4});

    // Elastic curve: B = -q, C1 = V(0), C2 = M(0), the start held.
    esperarValores(valoresDe(texto, "B: ").at(0), {0, 3});
    esperarValores(valoresDe(texto, "C1: ").at(0), {10, 12});
    esperarValores(valoresDe(texto, "C2: ").at(0), {-40, -24});
    esperarValores(valoresDe(texto, "C3: ").at(0), {0, 0});
    esperarValores(valoresDe(texto, "C4: ").at(0), {0, 0});

    // Hogging moment -P·L and -q·L²/2 at the support, none at the tip.
    esperarExtremos(texto, {{0, 0, 10, 10, -40, 0}, {0, 0, 12, 0, -24, 0}});
}

TEST_F(Reporte, PorticoSegunFormulas)
{
    portico();
    funcionImprimirResultados();
    const std::string texto = reporte();
    const double q = 12, L = 6;

    // Joint rotation q·L³/(72EI): clockwise on the left, counter-clockwise
    // on the right; no sway by symmetry.
    const auto u = matrizTras(texto, "VECTOR DE DESPLAZAMIENTOS");
    ASSERT_EQ(u.size(), 12u);
    esperarValores(u[5], {-q * L * L * L / 72000});
    esperarValores(u[8], {q * L * L * L / 72000});

    // With columns and beam of equal EI and length, the beam ends take
    // q·L²/18, the column bases half of it; the columns carry q·L/2 each and
    // the beam the column shear q·L/12 in compression.
    const double mViga = q * L * L / 18, mBase = q * L * L / 36;
    const double nColumna = q * L / 2, nViga = q * L / 12;
    esperarExtremos(texto, {{-nColumna, -nColumna, -nViga, -nViga, mBase, -mViga},
                            {-nViga, -nViga, nColumna, -nColumna, -mViga, -mViga},
                            {-nColumna, -nColumna, nViga, nViga, -mBase, mViga}});
}

const std::string avisoDeFallo = "No se pudo escribir el archivo resultados.txt\n";
const std::string reporteAnterior = "reporte anterior\n";

// The names in the working directory, sorted: a report that failed leaves
// no file of its own behind.
std::vector<std::string> entradas()
{
    std::vector<std::string> nombres;
    for (const fs::directory_entry& e : fs::directory_iterator(".")) {
        nombres.push_back(e.path().filename().string());
    }
    std::sort(nombres.begin(), nombres.end());
    return nombres;
}

const rlim_t limiteDeTamano = 4096;

// Files written by the process may grow to this size only; returns the
// former limit.
rlimit limitarArchivos(rlim_t bytes)
{
    rlimit anterior{};
    getrlimit(RLIMIT_FSIZE, &anterior);
    rlimit limitado = anterior;
    limitado.rlim_cur = bytes;
    setrlimit(RLIMIT_FSIZE, &limitado);
    return anterior;
}

// A size limit on the files written by the process, as on a disk that fills
// up while the report is written; the signal that would end the process is
// ignored so that the write just fails.
class LimiteDeArchivo {
public:
    explicit LimiteDeArchivo(rlim_t bytes) : anterior(limitarArchivos(bytes))
    {
        senalAnterior = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~LimiteDeArchivo()
    {
        setrlimit(RLIMIT_FSIZE, &anterior);
        std::signal(SIGXFSZ, senalAnterior);
    }
    LimiteDeArchivo(const LimiteDeArchivo&) = delete;
    LimiteDeArchivo& operator=(const LimiteDeArchivo&) = delete;

private:
    rlimit anterior{};
    void (*senalAnterior)(int) = SIG_DFL;
};

// A report that runs out of room halfway leaves the older one byte for byte
// and nothing else; once there is room again the next one is written whole.
TEST_F(Reporte, DiscoLlenoDejaElReporteAnterior)
{
    portico();
    funcionImprimirResultados();
    const std::string completo = reporte();
    ASSERT_GT(completo.size(), limiteDeTamano);
    escribirArchivo("resultados.txt", reporteAnterior);
    {
        LimiteDeArchivo lleno(limiteDeTamano);
        EXPECT_EQ(salidaDe(funcionImprimirResultados), avisoDeFallo);
    }
    EXPECT_EQ(reporte(), reporteAnterior);
    EXPECT_EQ(entradas(), std::vector<std::string>{"resultados.txt"});
    EXPECT_EQ(salidaDe(funcionImprimirResultados), "");
    EXPECT_EQ(reporte(), completo);
}

// The program's start-up step alone keeps a write past the size limit, as a
// shell's ulimit -f sets it, from ending the process: in a child of its own,
// with the signal as the system leaves it, the report just fails and the
// older one stays. The child leaves by _exit, so that the folder outlives it.
TEST_F(Reporte, LimiteDeTamanoNoTerminaElPrograma)
{
    portico();
    escribirArchivo("resultados.txt", reporteAnterior);
    const pid_t hijo = fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
        std::signal(SIGXFSZ, SIG_DFL);
        ignorarSenalDeLimiteDeArchivo();
        limitarArchivos(limiteDeTamano);
        _exit(salidaDe(funcionImprimirResultados) == avisoDeFallo ? EXIT_SUCCESS : EXIT_FAILURE);
    }
    int estado = 0;
    ASSERT_EQ(waitpid(hijo, &estado, 0), hijo);
    ASSERT_TRUE(WIFEXITED(estado)) << "el proceso terminó por la señal " << WTERMSIG(estado);
    EXPECT_EQ(WEXITSTATUS(estado), EXIT_SUCCESS) << "sin la línea de fallo";
    EXPECT_EQ(reporte(), reporteAnterior);
    EXPECT_EQ(entradas(), std::vector<std::string>{"resultados.txt"});
}

// A name that cannot be replaced (a directory stands there) and a folder
// where no file can be created fail for root as well.
TEST_F(Reporte, ArchivoQueNoSePuedeEscribir)
{
    modeloEjemplo();
    fs::create_directory("resultados.txt");
    escribirArchivo("resultados.txt/dentro", reporteAnterior);
    EXPECT_EQ(salidaDe(funcionImprimirResultados), avisoDeFallo);
    EXPECT_TRUE(fs::is_directory("resultados.txt"));
    EXPECT_EQ(leerArchivo("resultados.txt/dentro"), reporteAnterior);
    EXPECT_EQ(entradas(), std::vector<std::string>{"resultados.txt"});

    const fs::path borrada = carpeta.getRuta() / "borrada";
    fs::create_directory(borrada);
    fs::current_path(borrada);
    fs::remove(borrada);
    EXPECT_EQ(salidaDe(funcionImprimirResultados), avisoDeFallo);
    fs::current_path(carpeta.getRuta());
    fs::remove_all("resultados.txt");

    // The stream recovers: the next report is written whole.
    EXPECT_EQ(salidaDe(funcionImprimirResultados), "");
    EXPECT_EQ(reporte().substr(0, 20), "#Nudo CoordX coordY\n");
}

// A link or a pipe named resultados.txt is replaced by the report: the
// linked file keeps its text and the pipe is never opened, so nothing waits.
TEST_F(Reporte, EnlaceOTuberiaSeReemplazan)
{
    modeloEjemplo();
    funcionImprimirResultados();
    const std::string esperado = reporte();
    fs::remove("resultados.txt");

    const std::string modelo = "nudos: 1 0 0  2 3 0\n";
    escribirArchivo("modelo.txt", modelo);
    fs::create_symlink("modelo.txt", "resultados.txt");
    EXPECT_EQ(salidaDe(funcionImprimirResultados), "");
    EXPECT_EQ(leerArchivo("modelo.txt"), modelo);
    EXPECT_FALSE(fs::is_symlink("resultados.txt"));
    EXPECT_EQ(reporte(), esperado);

    fs::remove("resultados.txt");
    ASSERT_EQ(mkfifo("resultados.txt", 0644), 0);
    // With a reader at the other end, a writer that opened the pipe would
    // fail this test instead of waiting for ever.
    const int lector = open("resultados.txt", O_RDONLY | O_NONBLOCK);
    ASSERT_GE(lector, 0);
    EXPECT_EQ(salidaDe(funcionImprimirResultados), "");
    close(lector);
    EXPECT_TRUE(fs::is_regular_file("resultados.txt"));
    EXPECT_EQ(reporte(), esperado);
    EXPECT_EQ(entradas(), (std::vector<std::string>{"modelo.txt", "resultados.txt"}));
}

// Modes given in octal, as chmod takes them.
fs::perms modo(unsigned bits) { return static_cast<fs::perms>(bits); }

fs::perms modoDe(const char* ruta) { return fs::symlink_status(ruta).permissions(); }

// A report made read-only by its owner stays byte for byte, with the line of
// a report that could not be written and no file of its own beside it; made
// writable again, it is replaced. Root may write any file, yet a file that
// grants writing to no one is kept for root as well.
TEST_F(Reporte, ReporteDeSoloLecturaSeConserva)
{
    modeloEjemplo();
    for (const unsigned bits : {0444u, 0400u, 0555u, 0000u}) {
        SCOPED_TRACE(bits);
        escribirArchivo("resultados.txt", reporteAnterior);
        fs::permissions("resultados.txt", modo(bits));
        EXPECT_EQ(salidaDe(funcionImprimirResultados), avisoDeFallo);
        EXPECT_EQ(modoDe("resultados.txt"), modo(bits));
        EXPECT_EQ(entradas(), std::vector<std::string>{"resultados.txt"});
        fs::permissions("resultados.txt", modo(0600));
        EXPECT_EQ(reporte(), reporteAnterior);
    }
    EXPECT_EQ(salidaDe(funcionImprimirResultados), "");
    EXPECT_EQ(reporte().substr(0, 20), "#Nudo CoordX coordY\n");

    // A link is no report of its own: it is replaced, and the read-only file
    // it names keeps its text.
    fs::remove("resultados.txt");
    escribirArchivo("protegido.txt", reporteAnterior);
    fs::permissions("protegido.txt", modo(0444));
    fs::create_symlink("protegido.txt", "resultados.txt");
    EXPECT_EQ(salidaDe(funcionImprimirResultados), "");
    EXPECT_FALSE(fs::is_symlink("resultados.txt"));
    EXPECT_EQ(leerArchivo("protegido.txt"), reporteAnterior);
}

// An ordinary user that root's tests run as.
const uid_t usuarioComun = 65534;
const gid_t grupoComun = 65534;

// A report that grants writing to others but not to its owner is not the
// owner's to write, though the folder would take a new one: the writer, run
// by the owner, keeps it. Root's tests hand the report and a folder anyone
// may write to an ordinary user, and run the writer as that user in a child,
// which leaves by _exit so that the folder outlives it.
TEST_F(Reporte, ReporteQueSuDuenoNoPuedeEscribir)
{
    modeloEjemplo();
    escribirArchivo("resultados.txt", reporteAnterior);
    fs::permissions("resultados.txt", modo(0066));
    const bool comoRoot = geteuid() == 0;
    if (comoRoot) {
        ASSERT_EQ(chown("resultados.txt", usuarioComun, grupoComun), 0);
        fs::permissions(carpeta.getRuta(), modo(0777));
    }
    const pid_t hijo = fork();
    ASSERT_GE(hijo, 0);
    if (hijo == 0) {
        if (comoRoot && (setgid(grupoComun) != 0 || setuid(usuarioComun) != 0)) {
            _exit(EXIT_FAILURE);
        }
        _exit(salidaDe(funcionImprimirResultados) == avisoDeFallo ? EXIT_SUCCESS : EXIT_FAILURE);
    }
    int estado = 0;
    ASSERT_EQ(waitpid(hijo, &estado, 0), hijo);
    ASSERT_TRUE(WIFEXITED(estado));
    EXPECT_EQ(WEXITSTATUS(estado), EXIT_SUCCESS) << "sin la línea de fallo";
    EXPECT_EQ(modoDe("resultados.txt"), modo(0066));
    EXPECT_EQ(entradas(), std::vector<std::string>{"resultados.txt"});
    fs::permissions("resultados.txt", modo(0600));
    EXPECT_EQ(reporte(), reporteAnterior);
}

// A beam of n nodes, all fixed but the last: little to solve, and a
// structure stiffness of 3n by 3n numbers that takes a while to write.
void vigaLarga(int n)
{
    for (int i = 0; i < n; ++i) {
        const int fijo = i + 1 < n ? 1 : 0;
        nudoNuevo(i + 1, i, 0, fijo, fijo, fijo);
    }
    for (int i = 0; i + 1 < n; ++i) {
        barraNueva(i + 1, i, i + 1, 0.1, 0.003, 2.1e8);
    }
    nudo[n - 1].setCargaPuntual("P", 0, -10, 0);
    resolver({{"C", 1.0, "P"}});
}

const std::string prefijoTemporal = "resultados.txt.";

// Whether the writer's new report stands in the folder with some text in it.
bool temporalEmpezado()
{
    for (const fs::directory_entry& e : fs::directory_iterator(".")) {
        const std::string nombre = e.path().filename().string();
        std::error_code error;
        if (nombre.compare(0, prefijoTemporal.size(), prefijoTemporal) == 0 && e.file_size(error) > 0) {
            return true;
        }
    }
    return false;
}

const auto plazoDeEspera = std::chrono::seconds(30);
const auto pausaDeSondeo = std::chrono::milliseconds(1);

// Polls the condition until it holds; false once the deadline has passed.
bool esperarHasta(const std::function<bool()>& condicion)
{
    const auto limite = std::chrono::steady_clock::now() + plazoDeEspera;
    while (!condicion()) {
        if (std::chrono::steady_clock::now() > limite) {
            return false;
        }
        std::this_thread::sleep_for(pausaDeSondeo);
    }
    return true;
}

const int senalesDeFin[] = {SIGTERM, SIGINT, SIGHUP};

// A child writes the report of a long beam beside an older one and is
// stopped once its new report holds some text, then handed the signal and
// let go: it ends by that signal, and only the older report stays.
TEST_F(Reporte, SenalAMitadDelReporteNoDejaRastro)
{
    vigaLarga(400);
    for (const int senal : senalesDeFin) {
        SCOPED_TRACE(senal);
        escribirArchivo("resultados.txt", reporteAnterior);
        const pid_t hijo = fork();
        ASSERT_GE(hijo, 0);
        if (hijo == 0) {
            for (const int s : senalesDeFin) {
                std::signal(s, SIG_DFL);
            }
            funcionImprimirResultados();
            _exit(EXIT_SUCCESS);
        }
        const bool empezado = esperarHasta(temporalEmpezado);
        kill(hijo, SIGSTOP);
        int estado = 0;
        ASSERT_EQ(waitpid(hijo, &estado, WUNTRACED), hijo);
        ASSERT_TRUE(empezado);
        ASSERT_TRUE(WIFSTOPPED(estado)) << "el reporte se terminó antes de la señal";
        ASSERT_TRUE(temporalEmpezado());
        kill(hijo, senal);
        kill(hijo, SIGCONT);
        ASSERT_EQ(waitpid(hijo, &estado, 0), hijo);
        ASSERT_TRUE(WIFSIGNALED(estado));
        EXPECT_EQ(WTERMSIG(estado), senal);
        EXPECT_EQ(entradas(), std::vector<std::string>{"resultados.txt"});
        EXPECT_EQ(reporte(), reporteAnterior);
    }
}

// Once written, the report leaves the ending signals as it found them: at
// their default, or ignored where the program was started to ignore them.
TEST_F(Reporte, LasSenalesQuedanComoEstaban)
{
    modeloEjemplo();
    const std::pair<int, void (*)(int)> antes[] = {{SIGTERM, SIG_DFL}, {SIGINT, SIG_DFL}, {SIGHUP, SIG_IGN}};
    std::vector<void (*)(int)> originales;
    for (const auto& [senal, disposicion] : antes) {
        originales.push_back(std::signal(senal, disposicion));
    }
    funcionImprimirResultados();
    for (std::size_t i = 0; i < std::size(antes); ++i) {
        EXPECT_EQ(std::signal(antes[i].first, originales[i]), antes[i].second) << antes[i].first;
    }
}

// The new report is as readable as a file created the ordinary way.
TEST_F(Reporte, PermisosDeUnArchivoNuevo)
{
    modeloEjemplo();
    const mode_t anterior = umask(022);
    funcionImprimirResultados();
    umask(anterior);
    struct stat datos {};
    ASSERT_EQ(stat("resultados.txt", &datos), 0);
    EXPECT_EQ(datos.st_mode & 0777, 0644u);
}

// Nodes numbered 30, 7 and 12: each support row names its node as the node
// table does, so the fixed node reads 7.
TEST_F(Reporte, TablaDeApoyosConNumerosDeUsuario)
{
    nudoNuevo(30, 0, 0, 0, 0, 0);
    nudoNuevo(7, 3, 0, 1, 1, 1);
    nudoNuevo(12, 6, 0, 1, 1, 0);
    barraNueva(1, 0, 1, 0.1, 0.03, 900);
    barraNueva(2, 1, 2, 0.1, 0.03, 900);
    nudo[0].setCargaPuntual("P", 0, -1, 0);
    resolver({{"C1", 1.0, "P"}});
    funcionImprimirResultados();
    const std::string esperado = "#Nudo CoordX coordY\n"
                                 "30 0 0\n"
                                 "7 3 0\n"
                                 "12 6 0\n"
                                 "\n\n"
                                 "Apoyado = 1; sin Apoyo = 0\n"
                                 "#Nudo | ApoyoX | ApoyoY | giro\n"
                                 "30 0 0 0\n"
                                 "7 1 1 1\n"
                                 "12 1 1 0\n"
                                 "\n\n"
                                 "Matrices de Rigidez de Barras\n";
    EXPECT_EQ(reporte().substr(0, esperado.size()), esperado);
}

TEST_F(Reporte, ModeloSinAnalisisNoEscribeNada)
{
    escribirArchivo("resultados.txt", reporteAnterior);
    nudoNuevo(1, 0, 0, 1, 1, 1);
    nudoNuevo(2, 3, 0, 0, 0, 0);
    barraNueva(1, 0, 1, 0.1, 0.03, 900);
    noNudos = 2;
    noBarras = 1;
    noCombos = 0;
    modeloAnalizado = false;
    EXPECT_EQ(salidaDe(funcionImprimirResultados), "");
    EXPECT_EQ(reporte(), reporteAnterior);
}

// A count larger than the member's result columns reads only those columns.
TEST_F(Reporte, NoLeeMasCombosDeLosQueLaBarraTiene)
{
    modeloEjemplo();
    noCombos = 2;
    funcionImprimirResultados();
    const std::string texto = reporte();
    EXPECT_EQ(valoresDe(texto, "combo: ").size(), 1u);
    EXPECT_TRUE(contieneLinea(texto, "combo: 1"));
}

}  // namespace
