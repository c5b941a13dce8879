// The window on models read from files: frames drawn and read back from the
// screen (framing, pan and zoom, result layers only for an analysed model)
// and the F5 reload.
#include <GL/freeglut.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "analysis/funcionSolucionU.h"
#include "archivoPrueba.h"
#include "globales.h"
#include "modeloPrueba.h"
#include "salidaPrueba.h"
#include "tecladoPrueba.h"
#include "ventanaPrueba.h"
#include "viewer/funcionPlot.h"
#include "viewer/interruptores.h"

// Last: Xlib defines macros that clash with names in the headers above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

const int ancho = anchoVentana;
const int alto = altoVentana;

// A beam from (0, 0) to (10, 0) under a downward load: framed, it runs
// through the middle row of the window.
const char* const viga = "nudos: 1 0 0  2 10 0\n"
                         "barras: 1 1 2\n"
                         "apoyo: 1 1 1  1\n"
                         "apoyo: 0 1 0  2\n"
                         "seccionRectangular: S 0.3 0.5 2e7 0  1\n"
                         "distribuidaLocal: D 0 0 -10 -10  1\n"
                         "combo: C1 1 D\n"
                         "escalaM: 0.02\n";

const Color gris = {128, 128, 128};
const Color momento = {179, 51, 0};

// What the screen shows of the window after one frame, read back from the X
// server, in RGB rows from the bottom of the window as OpenGL numbers them.
// Without a window manager the window stands where it asked to be.
class Pantalla {
public:
    Pantalla() : pixeles(3 * ancho * alto)
    {
        draw();
        glFinish();
        static Display* pantalla = XOpenDisplay(nullptr);
        XSync(pantalla, False);
        XImage* imagen = XGetImage(pantalla, DefaultRootWindow(pantalla), xVentana, yVentana, ancho, alto,
                                   AllPlanes, ZPixmap);
        for (int y = 0; y < alto; ++y) {
            for (int x = 0; x < ancho; ++x) {
                const unsigned long p = XGetPixel(imagen, x, alto - 1 - y);
                unsigned char* destino = &pixeles[3 * (y * ancho + x)];
                destino[0] = (p >> 16) & 0xff;
                destino[1] = (p >> 8) & 0xff;
                destino[2] = p & 0xff;
            }
        }
        XDestroyImage(imagen);
    }
    bool es(int x, int y, Color c) const
    {
        const unsigned char* p = &pixeles[3 * (y * ancho + x)];
        return std::abs(p[0] - c.r) <= 3 && std::abs(p[1] - c.g) <= 3 && std::abs(p[2] - c.b) <= 3;
    }
    // Rows of column x that show the colour.
    std::vector<int> filas(int x, Color c) const
    {
        std::vector<int> f;
        for (int y = 0; y < alto; ++y) {
            if (es(x, y, c)) {
                f.push_back(y);
            }
        }
        return f;
    }
    int cuenta(Color c) const
    {
        int n = 0;
        for (int y = 0; y < alto; ++y) {
            for (int x = 0; x < ancho; ++x) {
                n += es(x, y, c) ? 1 : 0;
            }
        }
        return n;
    }

private:
    std::vector<unsigned char> pixeles;
};

bool cerca(const std::vector<int>& filas, int fila)
{
    for (int y : filas) {
        if (std::abs(y - fila) <= 2) {
            return true;
        }
    }
    return false;
}

class Ventana : public ::testing::Test {
protected:
    void SetUp() override
    {
        abrirVentanaPrueba();
        changeSize(ancho, alto);
        nombreArchivo = rutaTemporal("pruebaVentana.txt");
        abrirModelo(viga);
    }
    // Reads the model as the start-up does, without analysing it, and opens
    // the window on it: supports shown, the camera framing it.
    void abrirModelo(const std::string& texto)
    {
        escribirModelo(texto);
        leerModelo(nombreArchivo);
        ponerFlagsIniciales();
        funcionFronteraGraf();
    }
    void escribirModelo(const std::string& texto) { escribirArchivo(nombreArchivo, texto); }
    void TearDown() override { clickIzq = 0; }
};

}  // namespace

TEST_F(Ventana, LaVigaPasaPorLaFilaCentral)
{
    const Pantalla imagen;
    EXPECT_TRUE(cerca(imagen.filas(300, gris), alto / 2));
    EXPECT_TRUE(cerca(imagen.filas(700, gris), alto / 2));
    EXPECT_TRUE(imagen.filas(50, gris).empty()) << "la viga no llega al borde";
}

TEST_F(Ventana, ElArrastreMueveElModeloOchoDecimosDelPuntero)
{
    mouseButton(GLUT_LEFT_BUTTON, GLUT_DOWN, 500, 400);
    mouseMove(500, 350);
    mouseButton(GLUT_LEFT_BUTTON, GLUT_UP, 500, 350);
    const Pantalla imagen;
    // 50 px up with the pointer: 40 px up on the screen in an 800 px window.
    EXPECT_TRUE(cerca(imagen.filas(500, gris), alto / 2 + 40));
    EXPECT_FALSE(cerca(imagen.filas(500, gris), alto / 2));
}

TEST_F(Ventana, DiezPasosAtrasAchicanElModelo)
{
    for (int i = 0; i < 10; ++i) {
        mouseButton(botonRuedaAtras, GLUT_DOWN, 0, 0);
        mouseButton(botonRuedaAtras, GLUT_UP, 0, 0);
    }
    const Pantalla imagen;
    // The half length of 364 px shrinks by 1.07^10 to about 185 px.
    EXPECT_TRUE(imagen.filas(300, gris).empty());
    EXPECT_FALSE(imagen.filas(330, gris).empty());
}

TEST_F(Ventana, UnModeloSinAnalizarNoDibujaResultados)
{
    ASSERT_FALSE(modeloAnalizado);
    flags[flagPlotMomento] = 1;
    flags[flagCombo(0)] = 1;
    const Pantalla imagen;
    EXPECT_EQ(imagen.cuenta(momento), 0);
    EXPECT_FALSE(imagen.filas(500, gris).empty());
}

TEST_F(Ventana, UnModeloAnalizadoDibujaElMomentoDelComboActivo)
{
    ASSERT_TRUE(modeloAdmitido);
    funcionSolucionU();
    ASSERT_TRUE(modeloAnalizado);
    flags[flagPlotMomento] = 1;
    EXPECT_EQ(Pantalla().cuenta(momento), 0) << "sin combo activo no hay diagrama";
    flags[flagCombo(0)] = 1;
    // A sagging moment lies below a beam drawn from left to right.
    const std::vector<int> filas = Pantalla().filas(500, momento);
    ASSERT_FALSE(filas.empty());
    EXPECT_LT(filas.front(), alto / 2);
}

TEST_F(Ventana, RedimensionarSoloCambiaLaProporcion)
{
    changeSize(ancho, 0);
    changeSize(ancho / 2, alto);
    changeSize(ancho, alto);
    EXPECT_DOUBLE_EQ(xCam, 5.0);
    EXPECT_TRUE(cerca(Pantalla().filas(300, gris), alto / 2));
}

namespace {

const Color verdePanel = {0, 255, 0};

bool hayCerca(const Pantalla& imagen, PuntoVentana p, Color c, int radio)
{
    const int x = pixelDe(p.x);
    const int y = pixelDe(p.y);
    for (int j = std::max(y - radio, 0); j <= std::min(y + radio, alto - 1); ++j) {
        for (int i = std::max(x - radio, 0); i <= std::min(x + radio, ancho - 1); ++i) {
            if (imagen.es(i, j, c)) {
                return true;
            }
        }
    }
    return false;
}

// A portal drawn in millimetres, braced through its middle, and a slanted
// member a hundredth of a unit wide: each is framed about a point of one of
// its members, which therefore stands at the window's centre at any zoom.
// A hundred steps out, either is less than a pixel across; its slanted
// member, three pixels thick, still covers pixels about the centre.
class CasoTamano {
public:
    const char* nombre;
    const char* modelo;
};

const CasoTamano tamanos[] = {
    {"pórtico de 6000 x 4000", "nudos: 1 0 0  2 0 4000  3 6000 4000  4 6000 0\n"
                               "barras: 1 1 2  2 2 3  3 3 4  4 1 3\n"},
    {"barra de 0.01", "nudos: 1 0 0  2 0.01 0.01\nbarras: 1 1 2\n"},
};

}  // namespace

TEST_F(Ventana, CualquierTamanoSeVeAlAbrirYTrasCienPasosDeRueda)
{
    for (const CasoTamano& caso : tamanos) {
        for (int pasos : {0, 100, -100}) {
            abrirModelo(caso.modelo);
            pasosDeRueda(pasos);
            const Pantalla imagen;
            EXPECT_TRUE(hayCerca(imagen, {ancho / 2.0, alto / 2.0}, gris, 2)) << caso.nombre << ", " << pasos;
            EXPECT_GT(imagen.cuenta(verdePanel), 0) << "el panel de texto: " << caso.nombre << ", " << pasos;
        }
    }
}

namespace {

const Color flechaCargaBarra = {0, 77, 0};
const Color cargaDeNudo = {204, 51, 51};
const Color verdeArticulacion = {26, 179, 26};

// Loads come from the reading alone: a model read correctly shows them
// without an analysis, one read with errors shows none.
class CasoCargas {
public:
    const char* nombre;
    std::string modelo;
    Color color;
    bool visibles;
};

}  // namespace

TEST_F(Ventana, LasCargasNoEsperanAlAnalisisPeroSiAUnaLecturaCorrecta)
{
    const CasoCargas casos[] = {
        {"viga sin analizar", viga, flechaCargaBarra, true},
        {"nudos sin barras", "nudos: 1 0 0  2 10 0\napoyo: 1 1 1  1\npuntual: P 0 -5 0  2\ncombo: C1 1 P\n",
         cargaDeNudo, true},
        {"viga con un error", std::string(viga) + "apoyo: 1 1 1  7\n", flechaCargaBarra, false},
    };
    for (const CasoCargas& caso : casos) {
        abrirModelo(caso.modelo);
        ASSERT_FALSE(modeloAnalizado) << caso.nombre;
        flags[flagPlotCarga] = 1;
        flags[flagCombo(0)] = 1;
        EXPECT_EQ(Pantalla().cuenta(caso.color) > 0, caso.visibles) << caso.nombre;
    }
}

// Node 2 bears no valid number, so member 2 names a missing node at its end
// and member 3 at both ends; both are hinged at both ends.
TEST_F(Ventana, LasBarrasSinSusDosNudosNoSeDibujan)
{
    abrirModelo("nudos: 1 2 2  -2 12 2  3 12 8\n"
                "barras: 1 1 3  2 1 2  3 2 2\n"
                "articulacion: 1 1  2 3\n");
    ASSERT_FALSE(modeloAdmitido);
    const Pantalla imagen;
    EXPECT_TRUE(hayCerca(imagen, proyectar(7, 5), gris, 2)) << "la barra 1 sí se dibuja";
    EXPECT_FALSE(hayCerca(imagen, proyectar(1, 1), gris, 3)) << "nada va del nudo 1 al origen";
    EXPECT_EQ(imagen.cuenta(verdeArticulacion), 0);
}

namespace {

const char* const portico = "nudos: 1 0 0  2 0 4  3 6 4\n"
                            "barras: 1 1 2  2 2 3\n"
                            "apoyo: 1 1 1  1\n"
                            "apoyo: 0 1 0  3\n"
                            "seccionRectangular: S 0.3 0.5 2e7 0  1 2\n"
                            "puntual: W 10 0 0  2\n"
                            "distribuidaLocal: D 0 0 -20 -20  2\n"
                            "combo: C1 1 D\n"
                            "combo: C2 1.2 D 1 W\n"
                            "escalaM: 0.5\n";

const std::string bannerRecarga = "\n\n\n------------------------Reinicio del programa------------------\n";

std::string reemplazar(std::string texto, const std::string& viejo, const std::string& nuevo)
{
    texto.replace(texto.find(viejo), viejo.size(), nuevo);
    return texto;
}

// Reads and analyses the file as the start-up does, then drives F5.
class Recarga : public Ventana {
protected:
    void SetUp() override
    {
        Ventana::SetUp();
        escribirModelo(portico);
        leerModelo(nombreArchivo);
        ASSERT_TRUE(modeloAdmitido);
        resolverCargado();
        elegirModificadores();
        dialogo = "Comando:";
        comando.clear();
        numeroComboCoincidente = -1;
    }
    std::string recargar()
    {
        return salidaDe([] { tecladoEspecial(GLUT_KEY_F5, 0, 0); });
    }

    // F5 writes the report in the working directory: keep it out of the tree.
    TrabajoEnCarpetaTemporal carpeta;
};

}  // namespace

TEST_F(Recarga, F5ConservaInterruptoresYAvisoYDevuelveLasEscalasDelArchivo)
{
    teclear("plotM\rcombo\rC2\r");
    teclado('+', 0, 0);
    modificadoresElegidos = GLUT_ACTIVE_SHIFT;
    teclado('+', 0, 0);
    EXPECT_NEAR(escalaM, 0.55, 1e-12);
    teclear("pl");
    const std::string salida = recargar();
    EXPECT_EQ(salida.rfind(bannerRecarga, 0), 0u) << salida;
    EXPECT_NE(salida.find("\nlectura de nudos OK Num Nudos = 3\n"), std::string::npos) << salida;
    EXPECT_EQ(escalaM, 0.5);
    EXPECT_EQ(escalaTexto, 0.15);
    std::vector<int> esperados(cantidadFlags, 0);
    esperados[flagPlotApoyos] = 1;
    esperados[flagPlotMomento] = 1;
    esperados[flagCombo(1)] = 1;
    EXPECT_EQ(flags, esperados);
    EXPECT_EQ(dialogo, comboConmutado);
    EXPECT_EQ(comando, "pl");
    EXPECT_EQ(numeroComboCoincidente, 1);
    EXPECT_TRUE(modeloAnalizado);
    EXPECT_EQ(noNudos, 3);
    EXPECT_EQ(noBarras, 2);
    EXPECT_EQ(noCombos, 2);
}

TEST_F(Recarga, ConElAvisoAbiertoElNombreSeBuscaEnElModeloNuevo)
{
    teclear("combo\r");
    escribirModelo(reemplazar(portico, "combo: C2", "combo: C9"));
    recargar();
    EXPECT_EQ(dialogo, promptCombo);
    teclear("C9\r");
    EXPECT_EQ(flags[flagCombo(1)], 1);
    EXPECT_EQ(dialogo, comboConmutado);
}

TEST_F(Recarga, UnArchivoConErroresSeMuestraSinAnalizarYSuArregloVuelve)
{
    escribirModelo(reemplazar(portico, "2 2 3", "2 2 9"));
    recargar();
    EXPECT_FALSE(modeloAdmitido);
    EXPECT_FALSE(modeloAnalizado);
    teclear("combo\rC1\r");
    escribirModelo(portico);
    const std::string salida = recargar();
    EXPECT_NE(salida.find("\nlectura de barras OK Num Barras = 2\n"), std::string::npos) << salida;
    EXPECT_TRUE(modeloAdmitido);
    EXPECT_TRUE(modeloAnalizado);
}

// A file saved half-edited, its combinations not yet written, is left
// unanalysed by F5 as at start-up: the same line, and the last good report
// stays as it was.
TEST_F(Recarga, UnArchivoSinCombosNoSeAnalizaConF5YElReporteQueda)
{
    recargar();
    ASSERT_TRUE(modeloAnalizado);
    const std::string reporte = leerArchivo("resultados.txt");
    escribirModelo(reemplazar(reemplazar(portico, "combo: C1 1 D\n", ""), "combo: C2 1.2 D 1 W\n", ""));
    const std::string salida = recargar();
    EXPECT_NE(salida.find("\nEl modelo no tiene combos; no se analiza\n"), std::string::npos) << salida;
    EXPECT_TRUE(modeloAdmitido);
    EXPECT_FALSE(modeloAnalizado);
    EXPECT_EQ(noCombos, 0);
    EXPECT_EQ(leerArchivo("resultados.txt"), reporte);
    teclear("plotM\r");
    EXPECT_EQ(Pantalla().cuenta(momento), 0);
}

// However far the wheel has gone, about a hundred steps back bring the whole
// model into view again, and F5 keeps it there.
TEST_F(Recarga, TrasMilesDePasosDeRuedaElModeloVuelveYF5NoLoPierde)
{
    const int pasosDeVuelta = 102;
    for (int lejos : {11300, -11300}) {
        pasosDeRueda(lejos);
        pasosDeRueda(lejos > 0 ? -pasosDeVuelta : pasosDeVuelta);
        for (int recargas = 0; recargas < 2; ++recargas) {
            const Pantalla imagen;
            EXPECT_TRUE(hayCerca(imagen, proyectar(0, 2), gris, 2)) << lejos << ", la columna";
            EXPECT_TRUE(hayCerca(imagen, proyectar(3, 4), gris, 2)) << lejos << ", la viga";
            EXPECT_TRUE(hayCerca(imagen, proyectar(6, 4), gris, 2)) << lejos << ", el extremo de la viga";
            recargar();
        }
    }
}
