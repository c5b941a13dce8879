// Tag queries: tokens and number tokens, runs, tables, single numbers,
// pair walks and the unreadable file.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "archivoPrueba.h"
#include "input/claseLeerArchivo.h"
#include "salidaPrueba.h"

namespace {

// A reader over a file that holds exactly the given text.
claseLeerArchivo lectorDe(const std::string& contenido)
{
    claseLeerArchivo lector;
    lector.setNombreArchivo(archivoTemporal(contenido));
    return lector;
}

}  // namespace

// A number is the whole token, and an integer a whole number in any of the
// forms a real takes.
TEST(LeerArchivo, TablaDeTokens)
{
    struct Caso {
        std::string token;
        bool esNumero;
        double real;    // as the value of a single-number tag; X: not a number, R: out of range
        double entero;  // the same, and F: a number with a fraction
    };
    const double X = NAN;
    const double R = INFINITY;
    const double F = -INFINITY;
    const Caso casos[] = {
        {"1.5e3", true, 1500, 1500},
        {"-1.5e-3", true, -0.0015, F},
        {"-.5", true, -0.5, F},
        {"2-1", true, X, X},
        {"3e", true, X, X},
        {"-20e", true, X, X},
        {"6.0.5", true, X, X},
        {"2.9", true, 2.9, F},
        {"2.0", true, 2, 2},
        {"1e1", true, 10, 10},
        {"e", true, X, X},
        {"-", true, X, X},
        {"+", true, X, X},
        {".", true, X, X},
        {"--", true, X, X},
        {"1E5", false, 100000, 100000},
        {"1,5", false, X, X},
        {"3abc", false, X, X},
        {"PP", false, X, X},
        {"x1", false, X, X},
        {"1e999", true, R, R},
        {"-1e400", true, R, R},
        {"1e-400", true, R, R},
        {"+7", true, 7, 7},
        {"+-7", true, X, X},
        {"inf", false, X, X},
        {"99999999999", true, 99999999999.0, R},
        {"-99999999999", true, -99999999999.0, R},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.token);
        claseLeerArchivo lector = lectorDe("v: " + c.token + "\n");
        EXPECT_EQ(lector.esNumero(c.token), c.esNumero);

        double real = 0.0;
        int entero = 0;
        const std::string salida = salidaDe([&] {
            real = lector.getReal("v:");
            entero = lector.getEntero("v:");
        });
        const auto falla = [](double valor) { return !std::isfinite(valor); };
        const auto lineaError = [&](double valor, const std::string& rango) {
            const std::string inicio = "Error: el valor " + c.token + " de la etiqueta v: ";
            const std::string motivo = std::isnan(valor) ? "no es un número válido"
                                       : valor < 0       ? "no es un número entero"
                                                         : "está fuera del rango " + rango;
            return inicio + motivo + "\n";
        };
        EXPECT_EQ(real, falla(c.real) ? -1.0 : c.real);
        EXPECT_EQ(entero, falla(c.entero) ? -1 : static_cast<int>(c.entero));
        std::string esperada;
        if (falla(c.real)) {
            esperada += lineaError(c.real, "de los números reales");
        }
        if (falla(c.entero)) {
            esperada += lineaError(c.entero, "de los números enteros");
        }
        EXPECT_EQ(salida, esperada);
        EXPECT_EQ(lector.getLecturaSinErrores(), esperada.empty());
        EXPECT_EQ(lector.getNoErrores(), (falla(c.real) ? 1 : 0) + (falla(c.entero) ? 1 : 0));
    }
}

// Control bytes, bytes that are no UTF-8, C1 controls and the no-break
// space show as \xHH; a
// token is cut after 60 bytes, never inside a character.
TEST(LeerArchivo, TokensVisiblesEnLaConsola)
{
    const std::string sesenta(60, 'a');
    const std::string enie = "\xc3\xb1";
    std::string treintaEnies;
    for (int i = 0; i < 30; ++i) {
        treintaEnies += enie;
    }
    struct Caso {
        std::string token;
        std::string visible;
    };
    const Caso casos[] = {
        {"VIGA", "VIGA"},
        {"secci\xc3\xb3n", "secci\xc3\xb3n"},
        {"\x1b[2J", "\\x1b[2J"},
        {"a\x07\x7f"
         "b",
         "a\\x07\\x7fb"},
        {"\xc2\x9b"
         "31m",
         "\\xc2\\x9b31m"},
        {"\xff\xc3", "\\xff\\xc3"},
        {sesenta, sesenta},
        {sesenta + "b", sesenta + "…"},
        {treintaEnies + enie, treintaEnies + "…"},
        {std::string(59, 'a') + enie, std::string(59, 'a') + "…"},
        // Direction controls would turn the rest of the line around: U+202A,
        // U+202E, U+2066 and U+2069 are made visible; U+202F and U+206A, next
        // to them, pass.
        {"\xe2\x80\xaa"
         "A\xe2\x80\xae"
         "B",
         "\\xe2\\x80\\xaaA\\xe2\\x80\\xaeB"},
        {"\xe2\x81\xa6"
         "C\xe2\x81\xa9",
         "\\xe2\\x81\\xa6C\\xe2\\x81\\xa9"},
        {"\xe2\x80\xaf\xe2\x81\xaa", "\xe2\x80\xaf\xe2\x81\xaa"},
        // A no-break space looks like a blank and is none; the letter after
        // it, U+00A1, passes.
        {"3\xc2\xa0"
         "0",
         "3\\xc2\\xa00"},
        {"\xc2\xa1Ojo!", "\xc2\xa1Ojo!"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.token);
        EXPECT_EQ(tokenVisible(c.token), c.visible);
    }

    claseLeerArchivo lector = lectorDe("v: \x1b[2J");
    EXPECT_EQ(salidaDe([&] { lector.getReal("v:"); }),
              "Error: el valor \\x1b[2J de la etiqueta v: no es un número válido\n");
}

TEST(LeerArchivo, UnNumeroDeUnaCorridaQueNoConvierteSeInforma)
{
    claseLeerArchivo lector = lectorDe("apoyo: 1 e 0 3\n");
    std::vector<double> v;
    EXPECT_EQ(salidaDe([&] { v = lector.getMatrizEtiquetaRepetida("apoyo:", 1, 0); }),
              "Error: el valor e de la etiqueta apoyo: no es un número válido\n");
    EXPECT_EQ(v, (std::vector<double>{1, 0, 0, 3}));
    EXPECT_FALSE(lector.getLecturaSinErrores());
}

TEST(LeerArchivo, LasEtiquetasSonTokensEnteros)
{
    claseLeerArchivo lector = lectorDe("Nudos: 1 nudos 2 nudos:3 4\nnudos: 5\tcombo: C 1.2 nudos:");
    EXPECT_EQ(lector.getNoEtiquetas("nudos:"), 2);
    EXPECT_EQ(lector.getString("nudos:", 1), "5");
    // The tag as the last token counts; nothing follows it.
    EXPECT_EQ(lector.getString("nudos:", 2), "");
    EXPECT_EQ(lector.getString("nudos:", 3), "");
    EXPECT_EQ(lector.getString("combo:", 1), "C");
}

TEST(LeerArchivo, CorridasDeNumeros)
{
    struct Caso {
        std::string texto;
        std::string etiqueta;
        int k;
        int saltar;
        std::vector<double> valores;
    };
    const Caso casos[] = {
        {"nudos: 1 0 0 2 5 0 barras: 1 1 2", "nudos:", 1, 0, {1, 0, 0, 2, 5, 0}},
        {"nudos: 1 0 0 PP 2 5 0", "nudos:", 1, 0, {1, 0, 0}},
        {"v: 1 2 1E5 3", "v:", 1, 0, {1, 2}},
        {"puntual: VIENTO 15 0 0 2 combo: C1", "puntual:", 1, 1, {15, 0, 0, 2}},
        {"apoyo: 1 1 1 1 apoyo: 1 1 0 4 7", "apoyo:", 2, 0, {1, 1, 0, 4, 7}},
        {"apoyo: 1 1 1 1", "apoyo:", 2, 0, {}},
        {"apoyo: PP 1", "apoyo:", 1, 0, {}},
        {"x 1 2 apoyo:", "apoyo:", 1, 0, {}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(lectorDe(c.texto).getMatrizEtiquetaRepetida(c.etiqueta, c.k, c.saltar), c.valores);
    }
}

TEST(LeerArchivo, UnaPalabraDelJuegoNumericoAlargaLaCorrida)
{
    claseLeerArchivo lector = lectorDe("nudos: 1 0 0 -- barras: 1 1 2");
    std::vector<double> corrida;
    EXPECT_EQ(salidaDe([&] { corrida = lector.getMatrizEtiquetaRepetida("nudos:", 1, 0); }),
              "Error: el valor -- de la etiqueta nudos: no es un número válido\n");
    EXPECT_EQ(corrida.size(), 4u);
}

TEST(LeerArchivo, Tablas)
{
    claseLeerArchivo seis = lectorDe("nudos: 1 0 0\n2 5\n0 barras: 1 1 2");
    const Eigen::MatrixXd m = seis.getMatriz("nudos:", 3);
    ASSERT_EQ(m.rows(), 2);
    ASSERT_EQ(m.cols(), 3);
    EXPECT_EQ(m, (Eigen::MatrixXd(2, 3) << 1, 0, 0, 2, 5, 0).finished());

    claseLeerArchivo siete = lectorDe("nudos: 1 0 0 2 5 0 3");
    Eigen::MatrixXd incompleta;
    EXPECT_EQ(salidaDe([&] { incompleta = siete.getMatriz("nudos:", 3); }),
              "Faltan datos para completar la matriz nudos:\n");
    EXPECT_EQ(incompleta.rows(), 0);
    EXPECT_EQ(incompleta.cols(), 0);
    EXPECT_FALSE(siete.getLecturaSinErrores());

    claseLeerArchivo sinTabla = lectorDe("barras: 1 1 2");
    Eigen::MatrixXd ausente;
    EXPECT_EQ(salidaDe([&] { ausente = sinTabla.getMatriz("nudos:", 3); }), "");
    EXPECT_EQ(ausente.rows(), 0);
    EXPECT_EQ(ausente.cols(), 3);
    EXPECT_TRUE(sinTabla.getLecturaSinErrores());
}

// A table that stopped short at a value names it; a tag or the end of the
// file that ends it is no value.
TEST(LeerArchivo, UnaTablaIncompletaNombraElValorQueLaDetuvo)
{
    struct Caso {
        std::string texto;
        std::string linea;
    };
    const std::string detenida =
        "Faltan datos para completar la matriz nudos: la lectura se detuvo en el valor ";
    const Caso casos[] = {
        {"nudos: 1 0 0 2 nan 0 barras: 1 1 2", detenida + "nan"},
        {"nudos: 1 0 0 2 inf 0", detenida + "inf"},
        {"nudos: 1 0 0 2 1,5 0", detenida + "1,5"},
        {"nudos: 1 0 0 2 0x10 0", detenida + "0x10"},
        {"nudos: 1 0 0 2 3E0 0", detenida + "3E0"},
        {"nudos: 1 0 0 2 \x1b[2J 0", detenida + "\\x1b[2J"},
        {"nudos: 1 0 0 2 4 barras: 1 1 2", "Faltan datos para completar la matriz nudos:"},
        {"nudos: 1 0 0 2 4", "Faltan datos para completar la matriz nudos:"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        claseLeerArchivo lector = lectorDe(c.texto);
        Eigen::MatrixXd tabla;
        EXPECT_EQ(salidaDe([&] { tabla = lector.getMatriz("nudos:", 3); }), c.linea + "\n");
        EXPECT_EQ(tabla.rows(), 0);
    }
}

TEST(LeerArchivo, FinDeCorrida)
{
    struct Caso {
        std::string texto;
        int k;
        int saltar;
        std::string fin;
        bool seguidoDeNumero;
    };
    const Caso casos[] = {
        {"puntual: P 0 -1,5 0 2", 1, 1, "-1,5", true},
        {"puntual: P 0 -1 0 2 combo: C 1 P", 1, 1, "", false},
        {"puntual: P 0 -1 0 2", 1, 1, "", false},
        {"apoyo: 1 1 1 1 apoyo: 1 x 0 4", 2, 0, "x", true},
        {"apoyo: 1 1 1 1 x", 1, 0, "x", false},
        {"apoyo: 1 1 1 1 Nota de 2", 1, 0, "Nota", false},
        {"apoyo: 1 1 1 1 x apoyo: 1 1 1 2", 1, 0, "x", false},
        {"apoyo: 1 1 1 1", 2, 0, "", false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        const finDeCorrida fin =
            lectorDe(c.texto).getFinDeCorrida(c.texto.substr(0, c.texto.find(' ')), c.k, c.saltar);
        EXPECT_EQ(fin.token, c.fin);
        EXPECT_EQ(fin.seguidoDeNumero, c.seguidoDeNumero);
    }
}

// A complete table whose run a spoilt number or a word cut before more
// numbers says so; one that prose ends does not.
TEST(LeerArchivo, UnaTablaCortadaSeInforma)
{
    struct Caso {
        std::string texto;
        std::string linea;
        bool sinErrores;
    };
    const Caso casos[] = {
        {"nudos: 1 0 0 2 4 0 nan 3 8 0", "Error: el valor nan de la etiqueta nudos: no es un número válido\n",
         false},
        {"nudos: 1 0 0 2 4 0 2,5 3 8", "Error: el valor 2,5 de la etiqueta nudos: no es un número válido\n",
         false},
        {"nudos: 1 0 0 2 4 0 x 3 8 0",
         "Advertencia: la palabra x interrumpe la etiqueta nudos: y los números que la siguen no pertenecen "
         "a ningún bloque\n",
         true},
        {"nudos: 1 0 0 2 4 0 Viga de 4", "", true},
        {"nudos: 1 0 0 2 4 0 nan barras: 1 1 2", "", true},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        claseLeerArchivo lector = lectorDe(c.texto);
        Eigen::MatrixXd tabla;
        EXPECT_EQ(salidaDe([&] { tabla = lector.getMatriz("nudos:", 3); }), c.linea);
        EXPECT_EQ(tabla.rows(), 2);
        EXPECT_EQ(lector.getLecturaSinErrores(), c.sinErrores);
    }
}

// Tags of the format and misspelt ones alike, each once, in file order,
// when numbers follow them at once or after a name; words of free text that
// end in ':' open none.
TEST(LeerArchivo, EtiquetasConDatos)
{
    struct Caso {
        std::string texto;
        std::vector<std::string> etiquetas;
    };
    const Caso casos[] = {
        {"nudos: 1 0 0 Nudos: x 5 apoyos: 1 nudos: 2 Nudos: 3", {"nudos:", "Nudos:", "apoyos:"}},
        {"Nota: la viga 2: combo: C 1 P", {"combo:"}},
        {"Viga de 4 de luz: empotrada en el nudo 1", {}},
        {"a: b: 1 : 2", {"b:", ":"}},
        {"nudos 1 0 0 apoyos:", {}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        EXPECT_EQ(lectorDe(c.texto).getEtiquetasConDatos(), c.etiquetas);
    }
}

// A byte order mark opens the file and is no part of its first token; any
// other place keeps it.
TEST(LeerArchivo, MarcaDeOrdenUtf8)
{
    const std::string marca = "\xEF\xBB\xBF";
    claseLeerArchivo conMarca = lectorDe(marca + "nudos: 1 0 0");
    EXPECT_EQ(conMarca.getNoEtiquetas("nudos:"), 1);
    EXPECT_EQ(conMarca.getMatriz("nudos:", 3).rows(), 1);
    EXPECT_EQ(conMarca.getEtiquetasConDatos(), (std::vector<std::string>{"nudos:"}));
    EXPECT_EQ(lectorDe(marca + " 1").getEtiquetasConDatos().size(), 0u);
    EXPECT_EQ(lectorDe(marca).getNoEtiquetas(marca), 0);
    EXPECT_EQ(lectorDe("x " + marca + "nudos:").getNoEtiquetas("nudos:"), 0);
    EXPECT_EQ(lectorDe(" " + marca + "nudos:").getNoEtiquetas("nudos:"), 0);
}

// Each occurrence's run continues the table; none reaches past its own run.
TEST(LeerArchivo, UnaTablaRepetidaUneSusCorridas)
{
    const Eigen::MatrixXd m = lectorDe("nudos: 1 0 0 PP nudos: 2 5 0 barras: 9").getMatriz("nudos:", 3);
    EXPECT_EQ(m, (Eigen::MatrixXd(2, 3) << 1, 0, 0, 2, 5, 0).finished());
}

TEST(LeerArchivo, NumerosSueltos)
{
    EXPECT_EQ(lectorDe("precision: 2 x precision: 4").getEntero("precision:"), 4);
    EXPECT_EQ(lectorDe("precision: 2.0").getEntero("precision:"), 2);
    EXPECT_EQ(lectorDe("escalaM: 1E-2").getReal("escalaM:"), 0.01);
    EXPECT_EQ(lectorDe("escalaM: 0.5 escalaM: 0.25").getReal("escalaM:"), 0.25);

    claseLeerArchivo ausente = lectorDe("nudos: 1 0 0");
    double real = 0.0;
    int entero = 0;
    EXPECT_EQ(salidaDe([&] {
                  real = ausente.getReal("escalaM:");
                  entero = ausente.getEntero("precision:");
              }),
              "Advertencia: no se encontró ningún real con etiqueta escalaM:\n"
              "Advertencia: no se encontró ningún entero con etiqueta precision:\n");
    EXPECT_EQ(real, -1.0);
    EXPECT_EQ(entero, -1);
    EXPECT_TRUE(ausente.getLecturaSinErrores());
}

TEST(LeerArchivo, UnNumeroSueltoSinValorAlFinalDelArchivo)
{
    claseLeerArchivo lector = lectorDe("precision: 2 escalaM: 0.5 precision:");
    int entero = 0;
    EXPECT_EQ(salidaDe([&] { entero = lector.getEntero("precision:"); }),
              "Error: falta el valor de la etiqueta precision: al final del archivo\n");
    EXPECT_EQ(entero, -1);
    EXPECT_FALSE(lector.getLecturaSinErrores());
}

TEST(LeerArchivo, CuentaLaEtiquetaDondeQuieraQueEste)
{
    EXPECT_EQ(lectorDe("puntual: PP 1 0 0 1 combo: C 1.2 PP PP").getNoEtiquetas("PP"), 3);
}

TEST(LeerArchivo, ParesDeFactorYNombre)
{
    struct Caso {
        std::string texto;
        int k;
        std::vector<double> factores;
        std::vector<std::string> nombres;
    };
    const Caso casos[] = {
        {"combo: U1 1.2 PP 1.6 CV escalaM: 0.1", 1, {1.2, 1.6}, {"PP", "CV"}},
        // A name is any token, also one that looks like a number.
        {"combo: U 1 2 3 4", 1, {1, 3}, {"2", "4"}},
        {"combo: A 1 PP combo: B 0.9 PP -1 W", 2, {0.9, -1}, {"PP", "W"}},
        {"combo: U1 1.2 PP 1.6", 1, {1.2, 1.6}, {"PP"}},
        {"combo: U1 PP 1.2", 1, {}, {}},
        {"combo: U1", 1, {}, {}},
        {"combo: U1 1 PP", 2, {}, {}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        claseLeerArchivo lector = lectorDe(c.texto);
        EXPECT_EQ(lector.getFactoresEtiqueta("combo:", c.k, 1), c.factores);
        EXPECT_EQ(lector.getNombresDeFactores("combo:", c.k, 1), c.nombres);
    }
}

TEST(LeerArchivo, EsNumeroAceptaLaCadenaVacia) { EXPECT_TRUE(claseLeerArchivo().esNumero("")); }

TEST(LeerArchivo, UnArchivoQueNoSeAbreSeNombraUnaVez)
{
    const std::string rutas[] = {"datos/noExiste.txt", std::filesystem::temp_directory_path().string()};
    for (const std::string& ruta : rutas) {
        SCOPED_TRACE(ruta);
        claseLeerArchivo lector;
        lector.setNombreArchivo(ruta);
        // Every query answers as for an empty file; the assertions run while
        // the console is captured.
        const std::string salida = salidaDe([&] {
            EXPECT_FALSE(lector.archivoLegible());
            EXPECT_EQ(lector.getNoEtiquetas("nudos:"), 0);
            EXPECT_EQ(lector.getEntero("precision:"), -1);
            EXPECT_EQ(lector.getReal("escalaM:"), -1.0);
            EXPECT_EQ(lector.getString("combo:", 1), "");
            EXPECT_EQ(lector.getMatriz("nudos:", 3).rows(), 0);
            EXPECT_TRUE(lector.getMatrizEtiquetaRepetida("apoyo:", 1, 0).empty());
            EXPECT_TRUE(lector.getFactoresEtiqueta("combo:", 1, 1).empty());
            EXPECT_TRUE(lector.getNombresDeFactores("combo:", 1, 1).empty());
        });
        EXPECT_EQ(salida, "Error: no se puede abrir el archivo de datos " + ruta +
                              "\n"
                              "Advertencia: no se encontró ningún entero con etiqueta precision:\n"
                              "Advertencia: no se encontró ningún real con etiqueta escalaM:\n");
        EXPECT_FALSE(lector.getLecturaSinErrores());
    }
}

TEST(LeerArchivo, UnArchivoVacioSeLee)
{
    claseLeerArchivo lector = lectorDe("");
    EXPECT_TRUE(lector.archivoLegible());
    EXPECT_EQ(lector.getNoEtiquetas("nudos:"), 0);
}

// The input file is only read, and once: setting the path reads it without
// opening it for writing, and no query opens it again.
TEST(LeerArchivo, UnArchivoDeSoloLecturaSeLeeUnaVez)
{
    const std::filesystem::path ruta = archivoTemporal("nudos: 1 0 0 combo: C 1 P precision: 2 escalaM: 0.5");
    std::filesystem::permissions(ruta, std::filesystem::perms::owner_read);
    VigiaDeArchivo vigia(ruta.string());
    claseLeerArchivo lector;
    lector.setNombreArchivo(ruta.string());
    const Cierres alLeer = vigia.getCierres();
    EXPECT_EQ(alLeer.conEscritura, 0);
    EXPECT_EQ(alLeer.sinEscritura, 1);
    struct Consulta {
        const char* nombre;
        std::function<void()> hacer;
    };
    const Consulta consultas[] = {
        {"archivoLegible", [&] { EXPECT_TRUE(lector.archivoLegible()); }},
        {"getNoEtiquetas", [&] { EXPECT_EQ(lector.getNoEtiquetas("nudos:"), 1); }},
        {"getEntero", [&] { EXPECT_EQ(lector.getEntero("precision:"), 2); }},
        {"getReal", [&] { EXPECT_EQ(lector.getReal("escalaM:"), 0.5); }},
        {"getString", [&] { EXPECT_EQ(lector.getString("combo:", 1), "C"); }},
        {"getMatriz", [&] { EXPECT_EQ(lector.getMatriz("nudos:", 3).rows(), 1); }},
        {"getMatrizEtiquetaRepetida",
         [&] { EXPECT_EQ(lector.getMatrizEtiquetaRepetida("nudos:", 1, 0).size(), 3u); }},
        {"getFactoresEtiqueta", [&] { EXPECT_EQ(lector.getFactoresEtiqueta("combo:", 1, 1).size(), 1u); }},
        {"getNombresDeFactores", [&] { EXPECT_EQ(lector.getNombresDeFactores("combo:", 1, 1).size(), 1u); }},
        {"getFinDeCorrida", [&] { EXPECT_EQ(lector.getFinDeCorrida("nudos:", 1, 0).token, ""); }},
        {"getEtiquetasConDatos", [&] { EXPECT_EQ(lector.getEtiquetasConDatos().size(), 4u); }},
    };
    for (const Consulta& c : consultas) {
        SCOPED_TRACE(c.nombre);
        c.hacer();
        const Cierres vistos = vigia.getCierres();
        EXPECT_EQ(vistos.conEscritura + vistos.sinEscritura, 0);
    }
    EXPECT_TRUE(lector.getLecturaSinErrores());
    std::filesystem::permissions(ruta, std::filesystem::perms::owner_all);
    std::filesystem::remove(ruta);
}

// Every query answers from the copy read with the path: a file saved again,
// or removed, meanwhile changes nothing of the answers; a new reader sees
// the edit.
TEST(LeerArchivo, LasConsultasRespondenDeLaCopia)
{
    const std::string ruta = archivoTemporal("nudos: 1 0 0 2 4 0 combo: C 1 P");
    claseLeerArchivo lector;
    lector.setNombreArchivo(ruta);
    EXPECT_EQ(lector.getNoEtiquetas("combo:"), 1);
    escribirArchivo(ruta, "nudos: 1 0 0 combo: A 1 P combo: B 2 Q");
    EXPECT_EQ(lector.getMatriz("nudos:", 3).rows(), 2);
    EXPECT_EQ(lector.getNoEtiquetas("combo:"), 1);
    EXPECT_EQ(lector.getString("combo:", 1), "C");

    claseLeerArchivo editado;
    editado.setNombreArchivo(ruta);
    std::filesystem::remove(ruta);
    EXPECT_TRUE(lector.archivoLegible());
    EXPECT_TRUE(editado.archivoLegible());
    EXPECT_EQ(editado.getMatriz("nudos:", 3).rows(), 1);
    EXPECT_EQ(editado.getNombresDeFactores("combo:", 2, 1), std::vector<std::string>{"Q"});
}

// Several MB in a few blocks: tokens cut by a block boundary are whole, and
// a query runs in well under a second.
TEST(LeerArchivo, ArchivoGrande)
{
    std::string texto = "nudos:";
    const int filas = 200000;
    for (int i = 0; i < filas; ++i) {
        texto += "\r\n" + std::to_string(i) + " " + std::to_string(i) + ".25 -" + std::to_string(2 * i);
    }
    texto += " combo: C 1 PP";
    claseLeerArchivo lector = lectorDe(texto);
    const Eigen::MatrixXd m = lector.getMatriz("nudos:", 3);
    ASSERT_EQ(m.rows(), filas);
    Eigen::VectorXd esperada = Eigen::VectorXd::LinSpaced(filas, 0, filas - 1);
    EXPECT_EQ(m.col(0), esperada);
    EXPECT_EQ(m.col(1), (esperada.array() + 0.25).matrix());
    EXPECT_EQ(m.col(2), -2 * esperada);
    EXPECT_EQ(lector.getNoEtiquetas("combo:"), 1);
    EXPECT_EQ(lector.getString("combo:", 1), "C");
}
