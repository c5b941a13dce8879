// Model reading: reading order and progress lines, number-to-index maps,
// precedence rules, combinations, display settings and bad input.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "archivoPrueba.h"
#include "arranque.h"
#include "globales.h"
#include "modeloPrueba.h"
#include "salidaPrueba.h"

namespace {

// Reads a model file that holds exactly the given text.
std::string leerTexto(const std::string& contenido) { return leerModelo(archivoTemporal(contenido)); }

// The lines of a reading that are neither progress lines nor warnings of
// absent display tags: errors and warnings about the file.
std::vector<std::string> lineasDeFalla(const std::string& salida)
{
    const std::string prefijosDeProgreso[] = {"lectura de ",
                                              "punteros de nudos internos OK",
                                              "puntero de barras internas OK",
                                              "transferencia de ",
                                              "Lectura de pesoPropio",
                                              "No se calculará el peso propio",
                                              "Advertencia: no se encontró ningún "};
    std::vector<std::string> lineas;
    std::istringstream entrada(salida);
    std::string linea;
    while (std::getline(entrada, linea)) {
        bool progreso = false;
        for (const std::string& prefijo : prefijosDeProgreso) {
            progreso = progreso || linea.rfind(prefijo, 0) == 0;
        }
        if (!progreso) {
            lineas.push_back(linea);
        }
    }
    return lineas;
}

const std::string avisosDeEscalas = "Advertencia: no se encontró ningún real con etiqueta escalaDeflexion:\n"
                                    "Advertencia: no se encontró ningún real con etiqueta escalaM:\n"
                                    "Advertencia: no se encontró ningún real con etiqueta escalaV:\n"
                                    "Advertencia: no se encontró ningún real con etiqueta escalaN:\n"
                                    "Advertencia: no se encontró ningún real con etiqueta escalaTexto:\n"
                                    "Advertencia: no se encontró ningún real con etiqueta escalaApoyo:\n";
const std::string avisoPrecision = "Advertencia: no se encontró ningún entero con etiqueta precision:\n";
const std::string avisoCarga = "Advertencia: no se encontró ningún real con etiqueta escalaCarga:\n";

const std::string salidaEjemplo = "lectura de nudos OK Num Nudos = 4\n"
                                  "lectura de barras OK Num Barras = 3\n"
                                  "punteros de nudos internos OK\n"
                                  "puntero de barras internas OK\n"
                                  "transferencia de coord a nudos[i] OK\n"
                                  "transferencia de apoyos a nudo[i] OK\n"
                                  "transferencia de resortes a nudo[i] OK\n"
                                  "transferencia de cargas puntuales a nudo[i] OK\n"
                                  "transferencia de combos a nudo[i] OK\n"
                                  "transferencia de coord a barra[i] OK\n"
                                  "transferencia de secciones rect a barra[i] OK\n"
                                  "transferencia de secciones gen a barra[i] OK\n"
                                  "transferencia de articulaciones a barra[i] OK\n"
                                  "transferencia de cargas Locales a barra[i] OK\n"
                                  "Lectura de pesoPropio ---> OK\n"
                                  "transferencia de combos a barra[i] OK\n" +
                                  avisosDeEscalas + avisoCarga;

// The model of the worked example, as its blocks describe it.
void comprobarModeloEjemplo()
{
    ASSERT_EQ(noNudos, 4);
    ASSERT_EQ(noBarras, 3);
    ASSERT_EQ(noCombos, 2);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(nudo[i].getNoNudo(), i);
        EXPECT_EQ(nudo[i].getNoNudoUsuario(), i + 1);
        EXPECT_EQ(nudo[i].getCantidadDeCombos(), 2);
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(barra[i].getNoBarraUsuario(), 10 * (i + 1));
        EXPECT_EQ(barra[i].getMatrizCargasCombo().rows(), 2);
    }
    EXPECT_EQ(nudo[2].getX(), 6.0);
    EXPECT_EQ(nudo[2].getY(), 4.0);
    EXPECT_EQ(nudo[0].getApoyo(), Eigen::Vector3i(1, 1, 1));
    EXPECT_EQ(nudo[3].getApoyo(), Eigen::Vector3i(1, 1, 0));
    EXPECT_EQ(nudo[1].getApoyo(), Eigen::Vector3i(0, 0, 0));
    EXPECT_EQ(nudo[2].getResorteY(), 500.0);
    EXPECT_EQ(nudo[1].getNombreCombo(1), "C2");
    EXPECT_DOUBLE_EQ(nudo[1].getPxCombo(1), 0.8 * 15);
    EXPECT_EQ(nudo[1].getPxCombo(0), 0.0);

    EXPECT_EQ(barra[1].getNudoInicioUsuario(), 2);
    EXPECT_EQ(barra[1].getNudoFinalUsuario(), 3);
    EXPECT_EQ(barra[1].getXf(), 6.0);
    EXPECT_EQ(barra[1].getArticulacionInicio(), 1);
    EXPECT_EQ(barra[1].getArticulacionFin(), 0);
    EXPECT_EQ(barra[1].getNombreDeSeccion(), "VIGA");
    EXPECT_EQ(barra[1].getArea(), 0.02);
    EXPECT_EQ(barra[1].getInercia(), 0.0004);
    EXPECT_EQ(barra[0].getNombreDeSeccion(), "COL");
    EXPECT_DOUBLE_EQ(barra[0].getArea(), 0.12);
    EXPECT_DOUBLE_EQ(barra[2].getInercia(), 0.3 * 0.4 * 0.4 * 0.4 / 12);
    EXPECT_EQ(barra[2].getModE(), 2.5e7);
    // Beam 20: self-weight 0.02 * 78 = 1.56 down, live load 10 down.
    EXPECT_NEAR(barra[1].getQInicioCombo(0), -1.4 * 1.56, 1e-12);
    EXPECT_NEAR(barra[1].getQFinCombo(1), -1.2 * 1.56 - 1.6 * 10, 1e-12);
    // Column 10 points up: its self-weight 0.12 * 24 acts along -x.
    EXPECT_NEAR(barra[0].getFInicioCombo(0), -1.4 * 0.12 * 24, 1e-12);
    EXPECT_NEAR(barra[0].getQInicioCombo(0), 0.0, 1e-12);

    EXPECT_EQ(precision, 2);
    EXPECT_EQ(escalaDef, 100.0);
    EXPECT_EQ(escalaM, 0.1);
    EXPECT_EQ(escalaV, 0.1);
    EXPECT_EQ(escalaN, 0.01);
    EXPECT_EQ(escalaTexto, 0.15);
    EXPECT_EQ(escalaApoyo, 0.0);
    EXPECT_EQ(escalaCarga, 0.1);
}

}  // namespace

TEST(LecturaModelo, EjemploTrabajado)
{
    modeloAnalizado = true;
    EXPECT_EQ(leerModelo("../examples/ejemplo.txt"), salidaEjemplo);
    EXPECT_TRUE(modeloAdmitido);
    EXPECT_FALSE(modeloAnalizado);
    comprobarModeloEjemplo();
}

// However many blocks it holds, a reading opens the file once, for reading
// only.
TEST(LecturaModelo, UnaLecturaLeeElArchivoUnaVez)
{
    VigiaDeArchivo vigia("../examples/ejemplo.txt");
    EXPECT_EQ(leerModelo("../examples/ejemplo.txt"), salidaEjemplo);
    const Cierres vistos = vigia.getCierres();
    EXPECT_EQ(vistos.sinEscritura, 1);
    EXPECT_EQ(vistos.conEscritura, 0);
}

// The same blocks in another order, free words between them and the generic
// section ahead of the rectangular one give the same model.
TEST(LecturaModelo, ElOrdenDeLosBloquesNoCambiaElModelo)
{
    EXPECT_EQ(leerModelo("datos/ejemploReordenado.txt"), salidaEjemplo);
    EXPECT_TRUE(modeloAdmitido);
    comprobarModeloEjemplo();
}

TEST(LecturaModelo, PrecedenciaYSumaDeCargas)
{
    leerTexto("nudos: 1 0 0 2 4 0 3 8 0\n"
              "barras: 1 1 2 2 2 3\n"
              "apoyo: 1 1 1 1 3\n"
              "apoyo: 0 1 0 3\n"
              "resorte: 10 20 30 2 resorte: 1 2 3 2\n"
              "articulacion: 1 0 1 2 articulacion: 0 1 2\n"
              "puntual: P 0 -5 0 2 2\n"
              "puntual: P 1 0 0 2\n"
              "seccionGenerica: G 0.5 0.25 2e8 0 1\n"
              "seccionRectangular: R 0.2 0.3 3e7 0 1 2\n"
              "seccionRectangular: R2 0.1 0.2 2e7 0 2\n"
              "distribuidaLocal: Q 0 0 -2 -2 1 1\n"
              "combo: C 2 P 1 Q\n");
    EXPECT_TRUE(modeloAdmitido);
    EXPECT_EQ(nudo[0].getApoyo(), Eigen::Vector3i(1, 1, 1));
    EXPECT_EQ(nudo[2].getApoyo(), Eigen::Vector3i(0, 1, 0));
    EXPECT_EQ(nudo[1].getResorteX(), 1.0);
    EXPECT_EQ(barra[0].getArticulacionInicio(), 1);
    EXPECT_EQ(barra[1].getArticulacionInicio(), 0);
    EXPECT_EQ(barra[1].getArticulacionFin(), 1);
    // A node named twice in one block takes two load rows; blocks add.
    EXPECT_DOUBLE_EQ(nudo[1].getPyCombo(0), 2 * -10.0);
    EXPECT_DOUBLE_EQ(nudo[1].getPxCombo(0), 2 * 1.0);
    // The generic section comes last, wherever its block stands.
    EXPECT_EQ(barra[0].getNombreDeSeccion(), "G");
    EXPECT_EQ(barra[0].getArea(), 0.5);
    EXPECT_EQ(barra[0].getModE(), 2e8);
    EXPECT_EQ(barra[1].getNombreDeSeccion(), "R2");
    EXPECT_DOUBLE_EQ(barra[1].getArea(), 0.02);
    EXPECT_DOUBLE_EQ(barra[0].getQInicioCombo(0), -4.0);
    EXPECT_DOUBLE_EQ(barra[1].getQInicioCombo(0), 0.0);
}

TEST(LecturaModelo, NumerosDeUsuarioConHuecosYFilasDesordenadas)
{
    leerTexto("nudos: 10 8 0 1 0 0 5 4 0 2000000000 4 3\n"
              "barras: 7 1 5 3 5 10 2147483647 5 2000000000\n"
              "seccionGenerica: S 1 1 1 0 2147483647 3 7\n"
              "apoyo: 1 1 1 1 apoyo: 0 1 0 10\n"
              "articulacion: 1 1 2147483647\n");
    EXPECT_TRUE(modeloAdmitido);
    ASSERT_EQ(noNudos, 4);
    EXPECT_EQ(nudo[1].getNoNudo(), 1);
    EXPECT_EQ(nudo[1].getApoyo(), Eigen::Vector3i(1, 1, 1));
    EXPECT_EQ(nudo[0].getApoyo(), Eigen::Vector3i(0, 1, 0));
    EXPECT_EQ(nudo[3].getNoNudoUsuario(), 2000000000);
    ASSERT_EQ(noBarras, 3);
    EXPECT_EQ(barra[0].getXf(), 4.0);
    EXPECT_EQ(barra[1].getXf(), 8.0);
    EXPECT_EQ(barra[2].getYf(), 3.0);
    EXPECT_EQ(barra[2].getArticulacionInicio(), 1);
    EXPECT_EQ(barra[0].getArticulacionInicio(), 0);
}

TEST(LecturaModelo, AjustesDeVisualizacion)
{
    struct Caso {
        std::string texto;
        double escalaM;
        int precision;
    };
    const Caso casos[] = {
        {"escalaM: 0.5 precision: 5", 0.5, 5},
        {"escalaM: 0 precision: 0", 0.1, 0},
        {"escalaM: -2 precision: -1", 0.1, 3},
        {"escalaM: 2 escalaM: 3 precision: -4", 3, -4},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        escalaM = 7.0;
        leerTexto("nudos: 1 0 0 " + c.texto);
        EXPECT_EQ(escalaM, c.escalaM);
        EXPECT_EQ(precision, c.precision);
    }
    const std::string salida = leerTexto("nudos: 1 0 0 escalaDeflexion: 50 escalaV: 0.2 escalaN: 0.02 "
                                         "escalaTexto: 0.3 escalaApoyo: 0.4 escalaCarga: 0.5 escalaM: 1E-2 "
                                         "precision: 1");
    EXPECT_EQ(salida.find("Advertencia"), std::string::npos);
    EXPECT_EQ(escalaDef, 50.0);
    EXPECT_EQ(escalaV, 0.2);
    EXPECT_EQ(escalaN, 0.02);
    EXPECT_EQ(escalaTexto, 0.3);
    EXPECT_EQ(escalaApoyo, 0.4);
    EXPECT_EQ(escalaCarga, 0.5);
    EXPECT_EQ(escalaM, 0.01);
    EXPECT_EQ(precision, 1);
}

TEST(LecturaModelo, SoloNudos)
{
    EXPECT_EQ(leerTexto("nudos: 1 0 0 2 5 0 pesoPropio: PP"), "lectura de nudos OK Num Nudos = 2\n"
                                                              "lectura de barras OK Num Barras = 0\n"
                                                              "punteros de nudos internos OK\n"
                                                              "transferencia de coord a nudos[i] OK\n"
                                                              "Lectura de pesoPropio ---> OK\n" +
                                                                  avisosDeEscalas + avisoPrecision +
                                                                  avisoCarga);
    EXPECT_TRUE(modeloAdmitido);
    EXPECT_EQ(noBarras, 0);
    EXPECT_EQ(noCombos, 0);
    EXPECT_TRUE(barra.empty());
    EXPECT_EQ(nudo[1].getCantidadDeCombos(), 0);
}

TEST(LecturaModelo, PesoPropioDosVeces)
{
    const std::string salida = leerTexto("nudos: 1 0 0 2 5 0 barras: 1 1 2 seccionGenerica: S 1 1 1 10 1\n"
                                         "pesoPropio: PP pesoPropio: PP combo: C 1 PP");
    EXPECT_NE(salida.find("transferencia de combos a nudo[i] OK\n"), std::string::npos);
    EXPECT_NE(salida.find("No usar la etiqueta *pesoPropio:* más de una vez\n"), std::string::npos);
    EXPECT_EQ(salida.find("Lectura de pesoPropio"), std::string::npos);
    EXPECT_EQ(barra[0].getQInicioCombo(0), 0.0);
    EXPECT_FALSE(modeloAdmitido);
}

TEST(LecturaModelo, UnaSegundaLecturaSigueAlArchivoEditado)
{
    leerTexto("nudos: 1 0 0 2 5 0 barras: 1 1 2 combo: C 1 P escalaM: 0.5");
    EXPECT_EQ(noBarras, 1);
    EXPECT_EQ(noCombos, 1);
    escalaV = 9.0;
    leerTexto("nudos: 1 0 0 2 5 0 3 5 5");
    EXPECT_EQ(noNudos, 3);
    EXPECT_EQ(noBarras, 0);
    EXPECT_EQ(noCombos, 0);
    EXPECT_TRUE(barra.empty());
    EXPECT_EQ(escalaM, 0.1);
    EXPECT_EQ(escalaV, 0.1);
}

TEST(LecturaModelo, UnArchivoQueNoSeAbreNoSeLee)
{
    const std::string ruta = "datos/noExiste.txt";
    escalaM = 5.0;
    EXPECT_EQ(leerModelo(ruta), "Error: no se puede abrir el archivo de datos datos/noExiste.txt\n");
    EXPECT_FALSE(modeloAdmitido);
    EXPECT_EQ(noNudos, 0);
    EXPECT_EQ(noBarras, 0);
    EXPECT_EQ(noCombos, 0);
    EXPECT_TRUE(nudo.empty());
    EXPECT_EQ(escalaM, 0.1);
    EXPECT_EQ(precision, 3);
}

// Every progress line stays where it is; the error line joins them.
TEST(LecturaModelo, UnNudoQueNingunaFilaLlevaNoSeRedirige)
{
    const std::string salida = leerTexto("nudos: 1 0 0 5 4 0 10 8 0 barras: 1 1 5 apoyo: 1 1 1 7 5 "
                                         "seccionGenerica: S 1 1 1 0 1 puntual: P 0 -1 0 5 combo: C 1 P");
    EXPECT_EQ(salida, "lectura de nudos OK Num Nudos = 3\n"
                      "lectura de barras OK Num Barras = 1\n"
                      "punteros de nudos internos OK\n"
                      "puntero de barras internas OK\n"
                      "transferencia de coord a nudos[i] OK\n"
                      "Error: la etiqueta apoyo: nombra el número de nudo 7, que no está en la tabla nudos:\n"
                      "transferencia de apoyos a nudo[i] OK\n"
                      "transferencia de cargas puntuales a nudo[i] OK\n"
                      "transferencia de combos a nudo[i] OK\n"
                      "transferencia de coord a barra[i] OK\n"
                      "transferencia de secciones rect a barra[i] OK\n"
                      "transferencia de secciones gen a barra[i] OK\n"
                      "No se calculará el peso propio de la estructura\n"
                      "transferencia de combos a barra[i] OK\n" +
                          avisosDeEscalas + avisoPrecision + avisoCarga);
    EXPECT_FALSE(modeloAdmitido);
    EXPECT_EQ(nudo[0].getApoyo(), Eigen::Vector3i(0, 0, 0));
    EXPECT_EQ(nudo[1].getApoyo(), Eigen::Vector3i(1, 1, 1));
}

// Each fault is one line, and the only one: nothing that merely follows
// from it is reported as well.
TEST(LecturaModelo, EntradaErronea)
{
    struct Caso {
        std::string texto;
        std::string linea;
    };
    const std::string seccion = " seccionGenerica: S 1 1 1 0 10 ";
    const std::string base = "nudos: 1 0 0 2 4 0 barras: 10 1 2" + seccion + "puntual: P 0 -1 0 2 ";
    const std::string detenida =
        "Faltan datos para completar la matriz nudos: la lectura se detuvo en el valor ";
    const std::string sinSeccion = "Error: la barra 10 no tiene sección; ningún bloque seccionRectangular: "
                                   "ni seccionGenerica: la nombra";
    const Caso casos[] = {
        {"nudos: 1 0 e 2 4 0", "Error: el valor e de la etiqueta nudos: no es un número válido"},
        {base + "resorte: 1e999 0 0 2",
         "Error: el valor 1e999 de la etiqueta resorte: está fuera del rango de los números reales"},
        {base + "precision: 99999999999",
         "Error: el valor 99999999999 de la etiqueta precision: está fuera del rango de los números enteros"},
        {base + "combo: C . P", "Error: el valor . de la etiqueta combo: no es un número válido"},
        {base + "escalaM: x", "Error: el valor x de la etiqueta escalaM: no es un número válido"},
        {base + "precision:", "Error: falta el valor de la etiqueta precision: al final del archivo"},
        {base + "apoyo: 1 1 1 -1",
         "Error: la etiqueta apoyo: nombra el número de nudo -1, que no está en la tabla nudos:"},
        {base + "apoyo: 1 1 1 3",
         "Error: la etiqueta apoyo: nombra el número de nudo 3, que no está en la tabla nudos:"},
        {base + "puntual: P 1 0 0 1e12", "Error: la etiqueta puntual: nombra el número de nudo "
                                         "1000000000000, que no está en la tabla nudos:"},
        {base + "seccionGenerica: S 1 1 1 0 11",
         "Error: la etiqueta seccionGenerica: nombra el número de barra 11, que no está en la tabla barras:"},
        {"nudos: 1 0 0 articulacion: 1 0 1",
         "Error: la etiqueta articulacion: nombra el número de barra 1, que no está en la tabla barras:"},
        {"nudos: 1 0 0 2 4 0 barras: 10 1 3" + seccion,
         "Error: la etiqueta barras: nombra el número de nudo 3, que no está en la tabla nudos:"},
        {"nudos: 1 0 0 2 4 0 barras: 10 1 3" + seccion + "pesoPropio: PP distribuidaGlobal: Q 1 1 0 -1 10",
         "Error: la etiqueta barras: nombra el número de nudo 3, que no está en la tabla nudos:"},
        {"nudos: 1 0 0 2 4 0 1 8 0", "Error: el número de nudo 1 se repite en la tabla nudos:"},
        {"nudos: 1 0 0 2 4 0 barras: 10 1 2 10 2 1",
         "Error: el número de barra 10 se repite en la tabla barras:"},
        {"nudos: -3 0 0 2 4 0", "Error: número de nudo no válido en la tabla nudos: -3"},
        {"nudos: 1 0 0 nudos: 2 4 0",
         "Error: la etiqueta nudos: aparece 2 veces; la tabla se da una sola vez"},
        {base + "barras: 20 2 1", "Error: la etiqueta barras: aparece 2 veces; la tabla se da una sola vez"},
        {"barras: 10 1 2" + seccion, "Error: la tabla nudos: no tiene ningún nudo"},
        {"nudos: 1 0 0 2 4 0 barras: 10 1 2 20", "Faltan datos para completar la matriz barras:"},
        {base + "puntual: P 1 0",
         "Error: faltan datos en el bloque puntual: P: tiene 2 de sus 3 números fijos"},
        {base + "seccionRectangular: R 1 1 1",
         "Error: faltan datos en el bloque seccionRectangular: R: tiene 3 de sus 4 números fijos"},
        {base + "distribuidaGlobal: Q 1 1 0",
         "Error: faltan datos en el bloque distribuidaGlobal: Q: tiene 3 de sus 4 números fijos"},
        {base + "articulacion: 2 0 10",
         "Error: códigos de articulación distintos de 0 y 1 en la etiqueta articulacion: 2 0"},
        {base + "apoyo: 1 1e10 1 1",
         "Error: códigos de apoyo fuera de rango en la etiqueta apoyo: 1 10000000000 1"},
        {base + "combo: C1 combo: C2 1 P",
         "Error: el combo C1 no tiene ningún par de factor y caso de carga"},
        {base + "combo: C1 1 P combo:", "Error: la etiqueta combo: al final del archivo no tiene nombre"},
        {base + "combo: C1 1 P combo: C1 2 P", "Error: el nombre de combo C1 se repite"},
        {base + "combo: C1 1 P 0.5", "Error: al combo C1 le falta el caso de carga de su último factor 0.5"},
        {"nudos: 1 0 0 2 4 0 barras: 10 1 1" + seccion,
         "Error: la barra 10 tiene longitud nula (nudos 1 y 1)"},
        {"nudos: 1 0 0 2 0 0 barras: 10 1 2" + seccion,
         "Error: la barra 10 tiene longitud nula (nudos 1 y 2)"},
        // Nodes closer than the rounding of the length.
        {"nudos: 1 0 0 2 1e-300 0 barras: 10 1 2" + seccion,
         "Error: la barra 10 tiene longitud nula (nudos 1 y 2)"},
        {"nudos: 1 0 0 2 1e-170 -1e-170 barras: 10 2 1" + seccion,
         "Error: la barra 10 tiene longitud nula (nudos 2 y 1)"},
        // A member without a section, also beside a sound one.
        {"nudos: 1 0 0 2 4 0 barras: 10 1 2", sinSeccion},
        {"nudos: 1 0 0 2 4 0 3 8 0 barras: 10 1 2 20 2 3 seccionRectangular: R 1 1 1 0 20", sinSeccion},
        // Values that no section or spring can have.
        {base + "seccionRectangular: R 0 0.5 2e7 0 10",
         "Error: el valor 0 de b del bloque seccionRectangular: R no es mayor que 0"},
        {base + "seccionRectangular: R 0.3 -0.5 2e7 0 10",
         "Error: el valor -0.5 de h del bloque seccionRectangular: R no es mayor que 0"},
        {base + "seccionRectangular: R 0.3 0.5 0 0 10",
         "Error: el valor 0 de E del bloque seccionRectangular: R no es mayor que 0"},
        {base + "seccionGenerica: G 1 1 -2e8 0 10",
         "Error: el valor -200000000 de E del bloque seccionGenerica: G no es mayor que 0"},
        {base + "seccionGenerica: G -0.01 1 2e8 0 10",
         "Error: el valor -0.01 de A del bloque seccionGenerica: G es negativo"},
        {base + "seccionGenerica: G 0.01 -1e-4 2e8 0 10",
         "Error: el valor -0.0001 de I del bloque seccionGenerica: G es negativo"},
        {base + "resorte: -1 0 0 2",
         "Error: el valor -1 de la rigidez en X del bloque resorte: es negativo (nudo 2)"},
        {base + "resorte: 0 -500 0 1 2",
         "Error: el valor -500 de la rigidez en Y del bloque resorte: es negativo (nudos 1 2)"},
        {base + "resorte: 0 0 -3 2",
         "Error: el valor -3 de la rigidez al giro del bloque resorte: es negativo (nudo 2)"},
        // A section only a refused block names has no second line.
        {"nudos: 1 0 0 2 4 0 barras: 10 1 2 seccionGenerica: G 1 1 0 0 10",
         "Error: el valor 0 de E del bloque seccionGenerica: G no es mayor que 0"},
        {"nudos: 1 0 0 2 4 0 barras: 10 1 2 seccionGenerica: G 1 1",
         "Error: faltan datos en el bloque seccionGenerica: G: tiene 2 de sus 4 números fijos"},
        {"nudos: 1 0 0 2 4 0 barras: 10 1 2 seccionGenerica: G 1 1 1e400 0 10",
         "Error: el valor 1e400 de la etiqueta seccionGenerica: está fuera del rango de los números reales"},
        {base + "distribuidaGlobal: Q 1 1 0 0 10",
         "Error: la dirección (dx, dy) del bloque distribuidaGlobal: Q es nula (barra 10)"},
        {base + "distribuidaGlobal: Q 1 1 -0 0",
         "Error: la dirección (dx, dy) del bloque distribuidaGlobal: Q es nula"},
        // A table that stopped short names the value, and nothing is checked
        // against it: no line for the nodes that blocks or members name.
        {"nudos: 1 0 0 2 nan 0 barras: 10 1 2" + seccion +
             "apoyo: 1 1 1 1 puntual: P 0 -1 0 2 pesoPropio: PP",
         detenida + "nan"},
        {"nudos: 1 0 0 2 inf 0 barras: 10 1 2" + seccion + "distribuidaGlobal: Q 1 1 0 -1 10",
         detenida + "inf"},
        {"nudos: 1 0 0 2 1,5 0 barras: 10 1 2" + seccion, detenida + "1,5"},
        {"nudos: 1 0 0 2 0x10 0 barras: 10 1 2" + seccion, detenida + "0x10"},
        {"nudos: 1 0 0 2 3E0 0 barras: 10 1 2" + seccion, detenida + "3E0"},
        {"nudos: 1 0 0 2 4 0 barras: 10 1 2 20 2 x 1 seccionGenerica: S 1 1 1 0 10 20 articulacion: 1 0 20",
         "Faltan datos para completar la matriz barras: la lectura se detuvo en el valor x"},
        {"nudos: 1 0 0 2 4 0 2 8 0 barras: 10 1 2" + seccion + "apoyo: 1 1 1 5",
         "Error: el número de nudo 2 se repite en la tabla nudos:"},
        // A value replaced after its own line raises no second one.
        {"nudos: 1 0 0 2 1e400 0 barras: 10 1 2" + seccion,
         "Error: el valor 1e400 de la etiqueta nudos: está fuera del rango de los números reales"},
        {"nudos: 1 0 0 2 4 0 barras: 10 1 1e400" + seccion,
         "Error: el valor 1e400 de la etiqueta barras: está fuera del rango de los números reales"},
        {base + "puntual: P 0 -1 0 1e400",
         "Error: el valor 1e400 de la etiqueta puntual: está fuera del rango de los números reales"},
        {base + "puntual: Q 0 -1,5 0 2", "Error: faltan datos en el bloque puntual: Q: tiene 1 de sus 3 "
                                         "números fijos; la lectura se detuvo en el "
                                         "valor -1,5"},
        // A spoilt number that numbers follow cuts the table or the list
        // that it stands in; nothing is checked against a table so cut.
        {"nudos: 1 0 0 2 4 0 nan 3 8 0 barras: 10 1 2 20 2 3 seccionGenerica: S 1 1 1 0 10 20",
         "Error: el valor nan de la etiqueta nudos: no es un número válido"},
        {"nudos: 1 0 0 2 4 0 3 8 0 barras: 10 1 2 inf 20 2 3 seccionGenerica: S 1 1 1 0 10 20",
         "Error: el valor inf de la etiqueta barras: no es un número válido"},
        {base + "apoyo: 1 1 1 1 nan 2", "Error: el valor nan de la etiqueta apoyo: no es un número válido"},
        {base + "puntual: P 10 -20 0 1 2,5 2",
         "Error: el valor 2,5 de la etiqueta puntual: no es un número válido"},
        {base + "seccionGenerica: T 1 1 1 0 10 3abc 10",
         "Error: el valor 3abc de la etiqueta seccionGenerica: no es un número válido"},
        {base + "distribuidaLocal: Q 0 0 -1 -1 10 -NaN 10",
         "Error: el valor -NaN de la etiqueta distribuidaLocal: no es un número válido"},
        // A spoilt fixed value of a block without a name, whatever follows it.
        {base + "resorte: 0 nan 0 2", "Error: el valor nan de la etiqueta resorte: no es un número válido"},
        {base + "articulacion: 1 nan 10",
         "Error: el valor nan de la etiqueta articulacion: no es un número válido"},
        {base + "apoyo: 1 1 nan 1 2", "Error: el valor nan de la etiqueta apoyo: no es un número válido"},
        {base + "resorte: 0 0 1,5e3 combo: C 1 P",
         "Error: el valor 1,5e3 de la etiqueta resorte: no es un número válido"},
        // A number is the whole token.
        {base + "puntual: P 0 -20-5 0 2",
         "Error: el valor -20-5 de la etiqueta puntual: no es un número válido"},
        {base + "puntual: P 0 -20e 0 2",
         "Error: el valor -20e de la etiqueta puntual: no es un número válido"},
        {"nudos: 1 0 0 2 6.0.5 0 barras: 10 1 2" + seccion,
         "Error: el valor 6.0.5 de la etiqueta nudos: no es un número válido"},
        {base + "escalaM: 3abc", "Error: el valor 3abc de la etiqueta escalaM: no es un número válido"},
        // Numbers of nodes and members, codes and the precision are whole.
        {"nudos: 1 0 0 2.5 4 0 barras: 10 1 2" + seccion,
         "Error: el valor 2.5 de la etiqueta nudos: no es un número entero"},
        {"nudos: 1 0 0 2 4 0 barras: 10.5 1 2" + seccion,
         "Error: el valor 10.5 de la etiqueta barras: no es un número entero"},
        {"nudos: 1 0 0 2 4 0 barras: 10 1 2.7" + seccion,
         "Error: el valor 2.7 de la etiqueta barras: no es un número entero"},
        {base + "apoyo: 1 1 1 2.7", "Error: el valor 2.7 de la etiqueta apoyo: no es un número entero"},
        {base + "seccionRectangular: R 1 1 1 0 9.99",
         "Error: el valor 9.99 de la etiqueta seccionRectangular: no es un número entero"},
        {base + "apoyo: 1 0.5 1 1", "Error: el valor 0.5 de la etiqueta apoyo: no es un número entero"},
        {base + "articulacion: 1 0.5 10",
         "Error: el valor 0.5 de la etiqueta articulacion: no es un número entero"},
        {base + "precision: 2.9", "Error: el valor 2.9 de la etiqueta precision: no es un número entero"},
        // Tokens echoed from the file reach the console with their control
        // bytes and direction controls made visible and cut after 60 bytes.
        {base + "combo: \x1b[2J", "Error: el combo \\x1b[2J no tiene ningún par de factor y caso de carga"},
        {base + "combo: A\xe2\x80\xae"
                "B",
         "Error: el combo A\\xe2\\x80\\xaeB no tiene ningún par de factor y caso de carga"},
        // A no-break space between two numbers looks like a blank and is none.
        {base + "puntual: Q 0 -10\xc2\xa0"
                "0 2",
         "Error: faltan datos en el bloque puntual: Q: tiene 1 de sus 3 números fijos; la lectura se detuvo "
         "en el valor -10\\xc2\\xa00"},
        {base + "combo: " + std::string(61, 'C'),
         "Error: el combo " + std::string(60, 'C') + "… no tiene ningún par de factor y caso de carga"},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        const std::string salida = leerTexto(c.texto);
        EXPECT_EQ(lineasDeFalla(salida), std::vector<std::string>{c.linea}) << salida;
        EXPECT_FALSE(modeloAdmitido);
        EXPECT_EQ(static_cast<size_t>(noNudos), nudo.size());
        EXPECT_EQ(static_cast<size_t>(noBarras), barra.size());
    }
}

// Two nodes at one point that no member joins are two separate structures:
// a warning names both and the point, once for each node after the first
// there. A member that joins them has its error instead, and a table read
// wrong is not checked.
TEST(LecturaModelo, NudosEnUnMismoPunto)
{
    struct Caso {
        std::string nudos;
        std::string barras;
        std::vector<std::string> lineas;
    };
    const std::string resto = " seccionGenerica: S 1 1 1 0 10 20 apoyo: 1 1 1 1 3 puntual: P 0 -1 0 2 "
                              "combo: C 1 P";
    const std::string dosVoladizos = "barras: 10 1 2 20 4 3";
    const std::string aviso24 =
        "Advertencia: los nudos 2 y 4 están en el mismo punto (4, 0) y ninguna barra los une";
    const Caso casos[] = {
        {"nudos: 1 0 0 2 4 0 3 8 0 4 4 0", dosVoladizos, {aviso24}},
        {"nudos: 1 0 0 2 4 0 3 8 0 4 4 -0", dosVoladizos, {aviso24}},
        {"nudos: 1 0 0 2 4 0 3 8 0 4 4 0 5 4 0",
         dosVoladizos + " 30 1 5 seccionGenerica: T 1 1 1 0 30",
         {aviso24, "Advertencia: los nudos 2 y 5 están en el mismo punto (4, 0) y ninguna barra los une"}},
        {"nudos: 1 0 0 7 2.5 -1e-3 3 8 0 2 2.5 -1e-3",
         "barras: 10 1 7 20 2 3",
         {"Advertencia: los nudos 7 y 2 están en el mismo punto (2.5, -0.001) y ninguna barra los une"}},
        {"nudos: 1 0 0 2 4 0 3 8 0 4 4.000001 0", dosVoladizos, {}},
        {"nudos: 1 0 0 2 4 0 3 8 0 4 4 0",
         dosVoladizos + " 30 4 2 seccionGenerica: T 1 1 1 0 30",
         {"Error: la barra 30 tiene longitud nula (nudos 4 y 2)"}},
        {"nudos: 1 0 0 2 4 0 3 8 0 2 4 0",
         "barras: 10 1 2 20 2 3",
         {"Error: el número de nudo 2 se repite en la tabla nudos:"}},
        {"nudos: 1 0 0 2 4 0 3 8 0 4 4 0",
         dosVoladizos + " 20 2 3",
         {"Error: el número de barra 20 se repite en la tabla barras:"}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nudos + " " + c.barras);
        const std::string salida = leerTexto(c.nudos + " " + c.barras + resto);
        EXPECT_EQ(lineasDeFalla(salida), c.lineas) << salida;
        EXPECT_EQ(modeloAdmitido, c.lineas.empty() || c.lineas[0].rfind("Advertencia", 0) == 0);
    }
}

// Warnings leave the model read without errors.
TEST(LecturaModelo, AvisosSobreElArchivo)
{
    struct Caso {
        std::string texto;
        std::vector<std::string> lineas;
    };
    const std::string modelo = "nudos: 1 0 0 2 4 0 barras: 10 1 2 seccionGenerica: S: 1 1 1 0 10 "
                               "apoyo: 1 1 1 1 puntual: P 0 -1 0 2 ";
    const Caso casos[] = {
        {modelo + "combo: C 1 P escalaM: 0.5 precision: 2", {}},
        // Names are compared exactly; a case is named once per combination.
        {modelo + "combo: C 1 p 2 p 1 P combo: D 1 Q",
         {"Advertencia: el combo C nombra el caso de carga p, que ninguna carga usa",
          "Advertencia: el combo D nombra el caso de carga Q, que ninguna carga usa"}},
        // Self-weight and distributed loads name their cases too.
        {modelo + "pesoPropio: PP distribuidaLocal: L 0 0 -1 -1 10 distribuidaGlobal: G 1 1 0 -1 10 "
                  "combo: C 1 PP 1 L 1 G",
         {}},
        // A misspelt tag, with or without a name after it, and once.
        {modelo + "apoyos: 1 1 1 2 Nudos: 3 0 0 combo: C 1 P apoyos: 0 1 0 1 Puntual: Q 1 0 0 2",
         {"Advertencia: la etiqueta apoyos: no es del formato y se ignora",
          "Advertencia: la etiqueta Nudos: no es del formato y se ignora",
          "Advertencia: la etiqueta Puntual: no es del formato y se ignora"}},
        {modelo + "combo: C 1 P Nota:\x1b[2J: 5",
         {"Advertencia: la etiqueta Nota:\\x1b[2J: no es del formato y se ignora"}},
        // Names that end in ':' are names; words of free text pass.
        {modelo + "puntual: V: 1 0 0 2 combo: C: 1 V: combo: D 1 P", {}},
        {"Viga de 4 de luz: " + modelo + "Carga en la punta: combo: C 1 P Nota: fin", {}},
        // A byte order mark before the first tag.
        {"\xEF\xBB\xBF" + modelo + "combo: C 1 P", {}},
        // A word that numbers follow cuts a list: the numbers before it
        // still count.
        {modelo + "puntual: Q 10 -20 0 2 x 1 combo: C 1 P 1 Q",
         {"Advertencia: la palabra x interrumpe la etiqueta puntual: y los números que la siguen no "
          "pertenecen a ningún bloque"}},
        {modelo + "seccionGenerica: T 1 1 1 0 10 y 10 combo: C 1 P",
         {"Advertencia: la palabra y interrumpe la etiqueta seccionGenerica: y los números que la siguen no "
          "pertenecen a ningún bloque"}},
        {modelo + "apoyo: 1 x 1 1 2 combo: C 1 P",
         {"Advertencia: la palabra x interrumpe la etiqueta apoyo: y los números que la siguen no "
          "pertenecen a ningún bloque"}},
        {"nudos: 1 0 0 2 4 0 x 3 8 0 barras: 10 1 2 seccionGenerica: S 1 1 1 0 10 puntual: P 0 -1 0 2 combo: "
         "C 1 P",
         {"Advertencia: la palabra x interrumpe la etiqueta nudos: y los números que la siguen no "
          "pertenecen a ningún bloque"}},
        // A block without a name that changes nothing.
        {modelo + "apoyo: 1 1 2 combo: C 1 P",
         {"Advertencia: el bloque apoyo: tiene sus 3 números fijos y ningún número de nudo; no cambia nada"}},
        {modelo + "articulacion: 1 0 combo: C 1 P",
         {"Advertencia: el bloque articulacion: tiene sus 2 números fijos y ningún número de barra; no "
          "cambia nada"}},
        {modelo + "resorte: 100 2 combo: C 1 P",
         {"Advertencia: faltan datos en el bloque resorte: tiene 2 de sus 3 números fijos; no cambia nada"}},
        {modelo + "apoyo: 1 1 x combo: C 1 P",
         {"Advertencia: faltan datos en el bloque apoyo: tiene 2 de sus 3 números fijos; la lectura se "
          "detuvo en el valor x; no cambia nada"}},
        {modelo + "combo: C 1 P Cada resorte: ver la nota",
         {"Advertencia: faltan datos en el bloque resorte: tiene 0 de sus 3 números fijos; la lectura se "
          "detuvo en el valor ver; no cambia nada"}},
        {modelo + "combo: C 1 P articulacion:",
         {"Advertencia: faltan datos en el bloque articulacion: tiene 0 de sus 2 números fijos; no cambia "
          "nada"}},
        // Prose after a block whose first word a word follows, and whole
        // values written with a point or an exponent.
        {modelo + "Nota de 2 apoyos. combo: C 1 P precision: 2.0", {}},
        {"nudos: 1 0 0 2.0 4 0 barras: 1e1 1 2 seccionGenerica: S 1 1 1 0 10.0 apoyo: 1 1 1.0 1 "
         "puntual: P 0 -1 0 2e0 combo: C 1 P",
         {}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        const std::string salida = leerTexto(c.texto);
        EXPECT_EQ(lineasDeFalla(salida), c.lineas) << salida;
        EXPECT_TRUE(modeloAdmitido);
        EXPECT_EQ(noNudos, 2);
        EXPECT_EQ(noBarras, 1);
        EXPECT_GE(noCombos, 1);
    }
}

// A member hinged at both ends needs no inertia, nor a member that carries
// no axial force an area: zero is a value that sections, and springs, take.
TEST(LecturaModelo, AreaInerciaYResorteNulosSeAceptan)
{
    const std::string salida = leerTexto("nudos: 1 0 0 2 4 0 3 8 0 barras: 10 1 2 20 2 3 "
                                         "seccionGenerica: S 0.01 0 2e8 0 10 articulacion: 1 1 10 "
                                         "seccionGenerica: T 0 1e-4 2e8 0 20 resorte: 0 0 0 1");
    EXPECT_TRUE(lineasDeFalla(salida).empty()) << salida;
    EXPECT_TRUE(modeloAdmitido);
    EXPECT_EQ(barra[0].getInercia(), 0.0);
    EXPECT_EQ(barra[1].getArea(), 0.0);
}

// Every number converts, but products of them leave the range of a double:
// the model is read and not analysed, and no result holds inf or NaN.
TEST(LecturaModelo, ValoresQueDesbordanNoSeAnalizan)
{
    const std::string apoyoYCombo = " apoyo: 1 1 1 1 puntual: P 0 -10 0 2 combo: C 1 P";
    const std::string seccion = " seccionGenerica: S 1 1 1 0 10";
    const std::string casos[] = {
        // E·A and E·I beyond 1e308.
        "nudos: 1 0 0 2 4 0 barras: 10 1 2 seccionGenerica: S 1e200 1e200 1e200 0 10" + apoyoYCombo,
        // A factored load beyond 1e308.
        "nudos: 1 0 0 2 4 0 barras: 10 1 2" + seccion +
            " apoyo: 1 1 1 1 puntual: P 0 -1e300 0 2 combo: C 1e10 P",
        // A length whose square overflows.
        "nudos: 1 0 0 2 1e200 0 barras: 10 1 2" + seccion + apoyoYCombo,
    };
    for (const std::string& texto : casos) {
        SCOPED_TRACE(texto);
        leerTexto(texto);
        ASSERT_TRUE(modeloAdmitido);
        const std::string salida = resolverCargado();
        EXPECT_NE(salida.find("Los valores del modelo exceden el rango de los números reales; no se resuelve "
                              "la estructura\n"),
                  std::string::npos)
            << salida;
        EXPECT_FALSE(modeloAnalizado);
        EXPECT_EQ(u.size() + reacciones.size(), 0);
    }
}

// Afterwards every node and member holds exactly noCombos rows.
TEST(LecturaModelo, CombosMalFormadosNoDesalineanLasFilas)
{
    const std::string salida = leerTexto("nudos: 1 0 0 2 4 0 barras: 10 1 2\n"
                                         "puntual: P 0 -1 0 2 distribuidaLocal: Q 0 0 -3 -3 10\n"
                                         "combo: A combo: B 1 P combo: B 2 Q combo: D 3 P 1");
    EXPECT_FALSE(modeloAdmitido);
    ASSERT_EQ(noCombos, 2);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(nudo[i].getCantidadDeCombos(), 2);
    }
    EXPECT_EQ(barra[0].getMatrizCargasCombo().rows(), 2);
    EXPECT_EQ(nudo[1].getNombreCombo(0), "B");
    EXPECT_EQ(nudo[1].getNombreCombo(1), "D");
    EXPECT_DOUBLE_EQ(nudo[1].getPyCombo(0), -1.0);
    EXPECT_DOUBLE_EQ(nudo[1].getPyCombo(1), -3.0);
    EXPECT_DOUBLE_EQ(barra[0].getQInicioCombo(0), -6.0);
    EXPECT_DOUBLE_EQ(barra[0].getQInicioCombo(1), 0.0);
}

TEST(LecturaModelo, SinCombos)
{
    const std::string salida = leerTexto("nudos: 1 0 0 2 4 0 barras: 10 1 2 seccionGenerica: S 1 1 1 0 10");
    EXPECT_EQ(salida.find("combos"), std::string::npos);
    EXPECT_TRUE(modeloAdmitido);
    EXPECT_EQ(noCombos, 0);
    EXPECT_EQ(nudo[0].getCantidadDeCombos(), 0);
    EXPECT_EQ(barra[0].getMatrizCargasCombo().rows(), 0);
}

// The sound files of the tree: no line but the progress and absent-tag ones.
TEST(LecturaModelo, LosArchivosSanosNoTienenLineasDeFalla)
{
    const std::string archivos[] = {
        "../examples/ejemplo.txt",   "../examples/voladizo.txt", "../examples/vigaContinua.txt",
        "../examples/portico.txt",   "../examples/cercha.txt",   "../examples/articulacionResorte.txt",
        "datos/apoyoConResorte.txt", "datos/axialVariable.txt",  "datos/ejemploReordenado.txt",
        "e2e/nudosNumerados.txt",    "e2e/portico.txt",          "e2e/porticoEditado.txt",
    };
    for (const std::string& archivo : archivos) {
        SCOPED_TRACE(archivo);
        const std::string salida = leerModelo(archivo);
        EXPECT_EQ(lineasDeFalla(salida), std::vector<std::string>{}) << salida;
        EXPECT_TRUE(modeloAdmitido);
        EXPECT_GT(noNudos, 0);
    }
}

// A word that cuts the node table explains the missing node that a member
// then names.
TEST(LecturaModelo, UnaTablaCortadaExplicaElNudoQueFalta)
{
    const std::string salida = leerTexto("nudos: 1 0 0 2 4 0 x 3 8 0 barras: 10 1 2 20 2 3 "
                                         "seccionGenerica: S 1 1 1 0 10 20 puntual: P 0 -1 0 2 combo: C 1 P");
    EXPECT_EQ(
        lineasDeFalla(salida),
        (std::vector<std::string>{"Advertencia: la palabra x interrumpe la etiqueta nudos: y los números "
                                  "que la siguen no pertenecen a ningún bloque",
                                  "Error: la etiqueta barras: nombra el número de nudo 3, que no está en "
                                  "la tabla nudos:"}));
    EXPECT_FALSE(modeloAdmitido);
}

// A number written in a comment right after a block's numbers joins them.
TEST(LecturaModelo, UnNumeroTrasUnBloqueSeUneASuLista)
{
    const std::string salida =
        leerTexto("nudos: 1 0 0 2 4 0 barras: 10 1 2 seccionGenerica: S 1 1 1 0 10\n"
                  "apoyo: 1 1 0  1\n2 apoyos: uno fijo y uno móvil\npuntual: P 0 -1 0 2 combo: C 1 P");
    EXPECT_TRUE(lineasDeFalla(salida).empty()) << salida;
    EXPECT_EQ(nudo[1].getApoyo(), Eigen::Vector3i(1, 1, 0));
}

TEST(LecturaModelo, EjemplosSeLeenSinErrores)
{
    struct Caso {
        std::string archivo;
        int nudos;
        int barras;
        int combos;
    };
    const Caso casos[] = {
        {"voladizo.txt", 2, 1, 2}, {"vigaContinua.txt", 3, 2, 1},        {"portico.txt", 5, 4, 2},
        {"cercha.txt", 3, 3, 1},   {"articulacionResorte.txt", 3, 2, 1},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.archivo);
        const std::string salida = leerModelo("../examples/" + c.archivo);
        EXPECT_EQ(salida.find("Error"), std::string::npos) << salida;
        EXPECT_TRUE(modeloAdmitido);
        EXPECT_EQ(noNudos, c.nudos);
        EXPECT_EQ(noBarras, c.barras);
        EXPECT_EQ(noCombos, c.combos);
    }
}

// The start-up leaves a sound model without members or combinations
// unanalysed and says which; a model read wrong has its own lines.
TEST(Arranque, UnModeloSinBarrasOSinCombosDiceQueNoSeAnaliza)
{
    struct Caso {
        std::string texto;
        std::string linea;
    };
    const Caso casos[] = {
        {"nudos: 1 0 0 2 4 0 puntual: P 0 -1 0 2 combo: C 1 P", "El modelo no tiene barras; no se analiza"},
        {"nudos: 1 0 0 2 4 0", "El modelo no tiene barras; no se analiza"},
        {"nudos: 1 0 0 2 4 0 barras: 10 1 2 seccionGenerica: S 1 1 1 0 10",
         "El modelo no tiene combos; no se analiza"},
        {"nudos: 1 0 0 2 4 0 barras: 10 1 2 combo: C 1 P", ""},
        {"barras: 10 1 2", ""},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.texto);
        nombreArchivo = archivoTemporal(c.texto);
        const std::vector<std::string> fallas = lineasDeFalla(salidaDe([] { leerYAnalizarArchivo(); }));
        EXPECT_FALSE(modeloAnalizado);
        if (c.linea.empty()) {
            EXPECT_FALSE(modeloAdmitido);
            EXPECT_EQ(fallas.back().find("El modelo"), std::string::npos);
        } else {
            EXPECT_EQ(fallas, std::vector<std::string>{c.linea});
        }
    }
}

namespace {

void leerYResolverRuta(const std::string& ruta)
{
    leerModelo(ruta);
    ASSERT_TRUE(modeloAdmitido);
    EXPECT_EQ(resolverCargado(), "");
}

void leerYResolver(const std::string& archivo) { leerYResolverRuta("../examples/" + archivo); }

// Bending moment at the start (0) or end (1) of a member.
double momento(int m, int c, int extremo) { return barra[m].getSolicitacionMomento(c, 2)(1, extremo); }
double axial(int m, int c) { return barra[m].getSolicitacionAxial(c, 2)(1, 0); }

const double tol = 1e-9;

}  // namespace

// Cantilever of length 3, EI 9000: tip load 10 and uniform load 2.
TEST(Ejemplos, Voladizo)
{
    leerYResolver("voladizo.txt");
    EXPECT_NEAR(nudo[1].getDesplazamientoY(0), -10.0 * 27 / (3 * 9000), tol);
    EXPECT_NEAR(nudo[1].getGiroZ(0), -10.0 * 9 / (2 * 9000), tol);
    EXPECT_NEAR(nudo[0].getReaccionY(0), 10.0, 1e-7);
    EXPECT_NEAR(nudo[0].getReaccionM(0), 30.0, 1e-7);
    EXPECT_NEAR(momento(0, 0, 0), -30.0, 1e-7);
    EXPECT_NEAR(nudo[1].getDesplazamientoY(1), -2.0 * 81 / (8 * 9000), tol);
    EXPECT_NEAR(nudo[1].getGiroZ(1), -2.0 * 27 / (6 * 9000), tol);
    EXPECT_NEAR(nudo[0].getReaccionY(1), 6.0, 1e-7);
    EXPECT_NEAR(nudo[0].getReaccionM(1), 9.0, 1e-7);
    EXPECT_NEAR(momento(0, 1, 0), -9.0, 1e-7);
}

// Two equal spans L = 4 under q = 10: end reactions 3qL/8, middle 5qL/4,
// moment -qL²/8 over the middle support, end rotations qL³/(48 EI).
TEST(Ejemplos, VigaContinua)
{
    leerYResolver("vigaContinua.txt");
    EXPECT_NEAR(nudo[0].getReaccionY(0), 15.0, 1e-7);
    EXPECT_NEAR(nudo[1].getReaccionY(0), 50.0, 1e-7);
    EXPECT_NEAR(nudo[2].getReaccionY(0), 15.0, 1e-7);
    EXPECT_NEAR(momento(0, 0, 1), -20.0, 1e-7);
    EXPECT_NEAR(momento(1, 0, 0), -20.0, 1e-7);
    EXPECT_NEAR(nudo[0].getGiroZ(0), -640.0 / (48 * 1e4), tol);
    EXPECT_NEAR(nudo[2].getGiroZ(0), 640.0 / (48 * 1e4), tol);
    EXPECT_NEAR(nudo[1].getGiroZ(0), 0.0, tol);
}

// Three-hinged portal, span 6, height 4: statics alone give the reactions.
// Gravity q: V = 3q, thrust q·36/32; wind H at the knee: V = ∓H·4/6, H/2 at each base.
TEST(Ejemplos, Portico)
{
    leerYResolver("portico.txt");
    struct Caso {
        int c;
        double h1, v1, h4, v4;
    };
    const Caso casos[] = {
        {0, 1.4 * 11.25, 42.0, -1.4 * 11.25, 42.0},
        {1, 1.2 * 11.25 - 12.0, 36.0 - 16.0, -1.2 * 11.25 - 12.0, 36.0 + 16.0},
    };
    for (const Caso& k : casos) {
        SCOPED_TRACE(k.c);
        EXPECT_NEAR(nudo[0].getReaccionX(k.c), k.h1, 1e-7);
        EXPECT_NEAR(nudo[0].getReaccionY(k.c), k.v1, 1e-7);
        EXPECT_NEAR(nudo[4].getReaccionX(k.c), k.h4, 1e-7);
        EXPECT_NEAR(nudo[4].getReaccionY(k.c), k.v4, 1e-7);
        EXPECT_NEAR(momento(1, k.c, 1), 0.0, 1e-7);
        EXPECT_NEAR(momento(2, k.c, 0), 0.0, 1e-7);
    }
}

// Triangular truss, 3-4-5 triangles: 12 at the apex gives 10 in compression
// in the rafters, 8 in tension in the tie, and an apex deflection of
// Σ N n L / EA = 126 / 126000.
TEST(Ejemplos, Cercha)
{
    leerYResolver("cercha.txt");
    EXPECT_NEAR(axial(0, 0), -10.0, 1e-7);
    EXPECT_NEAR(axial(1, 0), -10.0, 1e-7);
    EXPECT_NEAR(axial(2, 0), 8.0, 1e-7);
    EXPECT_NEAR(nudo[0].getReaccionY(0), 6.0, 1e-7);
    EXPECT_NEAR(nudo[1].getReaccionY(0), 6.0, 1e-7);
    EXPECT_NEAR(nudo[2].getDesplazamientoY(0), -0.001, tol);
    EXPECT_NEAR(momento(0, 0, 0), 0.0, 1e-7);
}

// Span 4 pinned at 1 (the hinge frees the clamp) and on a spring of 1000 at
// 3, load 20 at midspan: half the load on each end, the spring shortens by
// 10/1000, midspan moves by half of that plus PL³/(48 EI).
TEST(Ejemplos, ArticulacionYResorte)
{
    leerYResolver("articulacionResorte.txt");
    EXPECT_NEAR(nudo[0].getReaccionY(0), 10.0, 1e-7);
    EXPECT_NEAR(nudo[0].getReaccionM(0), 0.0, 1e-7);
    EXPECT_NEAR(nudo[2].getDesplazamientoY(0), -0.01, tol);
    EXPECT_NEAR(nudo[2].getReaccionY(0), 10.0, 1e-7);
    EXPECT_NEAR(nudo[1].getDesplazamientoY(0), -0.005 - 20.0 * 64 / (48 * 1e4), tol);
    EXPECT_NEAR(momento(0, 0, 1), 20.0, 1e-7);
}

// Span 4 under 10 per unit length, pinned at 1 and on a roller in Y at 2
// that also has a spring: the roller carries its wL/2, the spring nothing.
TEST(Modelos, ApoyoConResorteDaSuReaccion)
{
    leerYResolverRuta("datos/apoyoConResorte.txt");
    EXPECT_NEAR(nudo[0].getReaccionY(0), 20.0, 1e-7);
    EXPECT_NEAR(nudo[1].getReaccionY(0), 20.0, 1e-7);
    EXPECT_NEAR(nudo[0].getReaccionX(0), 0.0, 1e-7);
    EXPECT_NEAR(nudo[1].getDesplazamientoY(0), 0.0, tol);
}

// Member of 6 held axially at both ends under an axial load growing from 0
// to 6: the start takes L·(2p1 + p2)/6 = 6, and N(x) = 6 - x²/2, which is
// +1.5 at midspan and changes sign at √12.
TEST(Modelos, AxialBajoCargaAxialVariable)
{
    leerYResolverRuta("datos/axialVariable.txt");
    const int estaciones = 21;
    const Eigen::MatrixXd N = barra[0].getSolicitacionAxial(0, estaciones);
    ASSERT_EQ(N.cols(), estaciones);
    for (int i = 0; i < estaciones; ++i) {
        const double x = N(0, i);
        EXPECT_NEAR(N(1, i), 6.0 - x * x / 2.0, 1e-7) << "x = " << x;
    }
    EXPECT_NEAR(N(1, 10), 1.5, 1e-7);
    EXPECT_GT(N(1, 11), 0.0);
    EXPECT_LT(N(1, 12), 0.0);
    EXPECT_NEAR(N(1, 20), -12.0, 1e-7);
}

// The worked example: the reactions, spring force included, balance the
// loads of each combination.
TEST(Ejemplos, EjemploTrabajadoEnEquilibrio)
{
    leerYResolver("ejemplo.txt");
    const double pesoPropio = 2 * 0.12 * 24 * 4 + 0.02 * 78 * 6;
    const double cargaY[] = {1.4 * pesoPropio, 1.2 * pesoPropio + 1.6 * 10 * 6};
    const double cargaX[] = {0.0, 0.8 * 15};
    for (int c = 0; c < 2; ++c) {
        double sumaX = 0.0;
        double sumaY = 0.0;
        for (int n = 0; n < noNudos; ++n) {
            sumaX += nudo[n].getReaccionX(c);
            sumaY += nudo[n].getReaccionY(c);
        }
        EXPECT_NEAR(sumaX, -cargaX[c], 1e-6);
        EXPECT_NEAR(sumaY, cargaY[c], 1e-6);
    }
}

// The broken files of the end-to-end fixtures, taken as the program starts
// on them: each gives its one line about the file, and only a file with no
// more than a warning is analysed and has its report. A byte order mark has
// no line of its own.
TEST(Arranque, CadaArchivoDefectuosoDaSuUnicaLinea)
{
    struct Caso {
        std::string archivo;
        std::string linea;
        bool analizado;
    };
    const Caso casos[] = {
        {"valorInvalido.txt", "Error: el valor e de la etiqueta puntual: no es un número válido", false},
        {"valorFueraDeRango.txt",
         "Error: el valor -1e999 de la etiqueta puntual: está fuera del rango de los números reales", false},
        {"nudoFueraDeRango.txt",
         "Error: el valor 1e400 de la etiqueta nudos: está fuera del rango de los números reales", false},
        {"precisionFueraDeRango.txt",
         "Error: el valor 99999999999 de la etiqueta precision: está fuera del rango de los números enteros",
         false},
        {"tablaConNan.txt",
         "Faltan datos para completar la matriz nudos: la lectura se detuvo en el valor nan", false},
        {"etiquetaAlFinal.txt", "Error: falta el valor de la etiqueta precision: al final del archivo",
         false},
        {"nudoInexistente.txt",
         "Error: la etiqueta puntual: nombra el número de nudo 7, que no está en la tabla nudos:", false},
        {"nudoNegativo.txt",
         "Error: la etiqueta puntual: nombra el número de nudo -2, que no está en la tabla nudos:", false},
        {"barraFueraDelEntero.txt",
         "Error: la etiqueta distribuidaGlobal: nombra el número de barra 2147483648, que no está en la "
         "tabla barras:",
         false},
        {"barraSinNudo.txt",
         "Error: la etiqueta barras: nombra el número de nudo 5, que no está en la tabla nudos:", false},
        {"nudoRepetido.txt", "Error: el número de nudo 2 se repite en la tabla nudos:", false},
        {"tablaRepetida.txt", "Error: la etiqueta nudos: aparece 2 veces; la tabla se da una sola vez",
         false},
        {"sinNudos.txt", "Error: la tabla nudos: no tiene ningún nudo", false},
        {"puntualCorta.txt", "Error: faltan datos en el bloque puntual: P: tiene 2 de sus 3 números fijos",
         false},
        {"seccionCorta.txt",
         "Error: faltan datos en el bloque seccionGenerica: VIGA: tiene 2 de sus 4 números fijos", false},
        {"distribuidaCorta.txt",
         "Error: faltan datos en el bloque distribuidaLocal: Q: tiene 2 de sus 4 números fijos", false},
        {"articulacionInvalida.txt",
         "Error: códigos de articulación distintos de 0 y 1 en la etiqueta articulacion: 0 2", false},
        {"sinSeccion.txt",
         "Error: la barra 2 no tiene sección; ningún bloque seccionRectangular: ni seccionGenerica: la "
         "nombra",
         false},
        {"moduloNulo.txt", "Error: el valor 0 de E del bloque seccionRectangular: VIGA no es mayor que 0",
         false},
        {"inerciaNegativa.txt", "Error: el valor -0.003125 de I del bloque seccionGenerica: VIGA es negativo",
         false},
        {"resorteNegativo.txt",
         "Error: el valor -500 de la rigidez en Y del bloque resorte: es negativo (nudo 3)", false},
        {"direccionNula.txt",
         "Error: la dirección (dx, dy) del bloque distribuidaGlobal: Q es nula (barra 2)", false},
        {"comboSinPares.txt", "Error: el combo VACIO no tiene ningún par de factor y caso de carga", false},
        {"comboRepetido.txt", "Error: el nombre de combo C se repite", false},
        {"comboSinCaso.txt", "Error: al combo C le falta el caso de carga de su último factor 1.5", false},
        {"comboAlFinal.txt", "Error: la etiqueta combo: al final del archivo no tiene nombre", false},
        {"nombreConEscape.txt",
         "Error: el combo \\x1b[2J\\x1b[31m no tiene ningún par de factor y caso de carga", false},
        {"longitudNula.txt", "Error: la barra 1 tiene longitud nula (nudos 1 y 2)", false},
        {"nudosCasiCoincidentes.txt", "Error: la barra 1 tiene longitud nula (nudos 1 y 2)", false},
        {"pesoPropioRepetido.txt", "No usar la etiqueta *pesoPropio:* más de una vez", false},
        {"sinBarras.txt", "El modelo no tiene barras; no se analiza", false},
        {"sinCombos.txt", "El modelo no tiene combos; no se analiza", false},
        {"etiquetaAjena.txt", "Advertencia: la etiqueta resortes: no es del formato y se ignora", true},
        {"comboSinCargas.txt", "Advertencia: el combo D nombra el caso de carga p, que ninguna carga usa",
         true},
        {"marcaDeOrden.txt", "", true},
        {"espacioDuro.txt",
         "Faltan datos para completar la matriz nudos: la lectura se detuvo en el valor 6\\xc2\\xa00", false},
        {"nudosSinUnir.txt",
         "Advertencia: los nudos 2 y 4 están en el mismo punto (4, 0) y ninguna barra los une", true},
    };
    const std::filesystem::path malos = std::filesystem::absolute("e2e/malos");
    const TrabajoEnCarpetaTemporal trabajo;
    const std::filesystem::path reporte = trabajo.getRuta() / "resultados.txt";
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.archivo);
        std::filesystem::remove(reporte);
        nombreArchivo = (malos / c.archivo).string();
        const std::string salida = salidaDe([] { leerYAnalizarArchivo(); });
        const std::vector<std::string> lineas =
            c.linea.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.linea};
        EXPECT_EQ(lineasDeFalla(salida), lineas) << salida;
        EXPECT_EQ(modeloAnalizado, c.analizado);
        EXPECT_EQ(std::filesystem::exists(reporte), c.analizado);
    }
}
