// The viewer's window: camera, mouse pan and zoom, the frame, the command
// console typed into the window and the F5 reload.
#include "viewer/funcionPlot.h"

#include <GL/glut.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iostream>
#include <string>

#include "arranque.h"
#include "globales.h"
#include "textoUtf8.h"
#include "viewer/elementosPlot.h"
#include "viewer/interruptores.h"

int (*leerModificadores)() = glutGetModifiers;

namespace {

const std::string textoPromptCombo = "Escriba el nombre del Combo y presione ENTER:";

// Divisor that turns the visible height at the target into model units per
// pixel; fixed, whatever the window's size.
const double pixelesPorVista = 1000.0;
const double pasoZoom = 1.07;
// The camera comes at most this many times nearer than the distance that
// frames the box, and goes at most as many times farther: about a hundred
// wheel steps each way.
const double factorZoomMaximo = 1000.0;
const double pasoEscala = 1.1;

// The near and far planes stand this many times nearer and farther than the
// depth that they enclose.
const double margenPlanos = 10.0;

// The vertical field of view, in degrees.
const double campoVisual = 45.0;
// The box fills the view with this margin, 10 % of its extent.
const double margenEncuadre = 1.1;

// Half the field of view is PI / 8: the height in view at a distance d is
// 2 d times this.
double tangenteMedioCampo() { return std::tan(PI / 8); }

void dibujarReacciones(int c, double) { plotReacciones(c); }

// The result layers in drawing order, with the scale that draw hands them and
// that "+" and "-" change (the reactions have none). The loads come from the
// reading alone; every other layer needs the results of an analysis.
struct CapaResultado {
    int slot;
    void (*dibujar)(int c, double s);
    double* escala;
    bool necesitaAnalisis;
};

const CapaResultado capasResultado[] = {
    {flagPlotDeformada, plotDeformada, &escalaDef, true},
    {flagPlotAxial, plotAxial, &escalaN, true},
    {flagPlotCortante, plotCortante, &escalaV, true},
    {flagPlotMomento, plotMomento, &escalaM, true},
    {flagPlotCarga, plotCarga, &escalaCarga, false},
    {flagPlotReacciones, dibujarReacciones, nullptr, true},
};

// A command word that switches one layer, with the prompt it leaves when the
// layer ends up shown and when it ends up hidden.
struct ComandoCapa {
    const char* palabra;
    int slot;
    const char* activada;
    const char* desactivada;
};

const ComandoCapa comandosCapa[] = {
    {"tagNudos", flagTagNudos, "Ingrese Comando:", "Ingrese Comando:"},
    {"tagBarras", flagTagBarras, "Ingrese Comando:", "Ingrese Comando:"},
    {"secciones", flagSecciones, "Ingrese Comando:", "Ingrese Comando:"},
    {"plotDef", flagPlotDeformada,
     "Deformaciones Activadas. Ingrese Comando:", "Deformaciones Desactivadas. Ingrese Comando:"},
    {"plotN", flagPlotAxial,
     "Fuerzas Axiales Activadas. Ingrese Comando:", "Fuerzas Axiales Desactivadas. Ingrese Comando:"},
    {"plotV", flagPlotCortante,
     "Fuerzas Cortantes Activadas. Ingrese Comando:", "Fuerzas Cortantes Desactivadas. Ingrese Comando:"},
    {"plotM", flagPlotMomento,
     "Momentos Flectores Activados. Ingrese Comando:", "Momentos Flectores Desactivados. Ingrese Comando:"},
    {"plotCarga", flagPlotCarga, "Graficacion de Cargas Activada. Ingrese Comando:",
     "Graficacion de Cargas Desactivada. Ingrese Comando:"},
    {"plotR", flagPlotReacciones, "Graficacion de Reacciones Activada. Ingrese Comando:",
     "Graficacion de Reacciones Desactivada. Ingrese Comando:"},
    {"plotApoyos", flagPlotApoyos, "Graficacion de Apoyos Activada. Ingrese Comando:",
     "Graficacion de Apoyos Desactivada. Ingrese Comando:"},
};

void dibujarCapasModelo()
{
    if (noBarras != 0) {
        plotBarras();
        plotArticulaciones();
    }
    if (noNudos != 0) {
        plotNudos();
    }
    if (flagActivo(flagTagNudos)) {
        plotTagNudos(escalaTexto);
    }
    if (flagActivo(flagTagBarras)) {
        plotTagBarras(escalaTexto);
    }
    if (flagActivo(flagSecciones)) {
        plotSecciones(escalaTexto);
    }
    if (flagActivo(flagPlotApoyos)) {
        plotApoyos(escalaApoyo);
        plotResortes(escalaApoyo);
    }
}

// A model read wrong or refused by the analysis shows no layer of its
// combinations; one read correctly but not analysed shows its loads.
bool capaDibujable(const CapaResultado& capa)
{
    return capa.necesitaAnalisis ? modeloAnalizado : modeloAdmitido;
}

// Every active combination is drawn superposed in the one result layer shown.
void dibujarCapasResultado()
{
    const int combos = std::min(noCombos, maxCombosVisibles);
    for (const CapaResultado& capa : capasResultado) {
        if (!flagActivo(capa.slot) || !capaDibujable(capa)) {
            continue;
        }
        for (int c = 0; c < combos; ++c) {
            if (comboActivo(c)) {
                capa.dibujar(c, capa.escala != nullptr ? *capa.escala : 0.0);
            }
        }
    }
}

// A step that would overflow to inf (whose products with 0 are NaN) or fade
// to 0 (which no "+" could undo) leaves the scale as it is.
void cambiarEscala(double& escala, bool agrandar)
{
    const double nueva = agrandar ? escala * pasoEscala : escala / pasoEscala;
    if (std::isnormal(nueva)) {
        escala = nueva;
    }
}

// Shift alone sizes the text; otherwise the scale of the result layer shown.
void cambiarEscalas(bool agrandar)
{
    if (leerModificadores() == GLUT_ACTIVE_SHIFT) {
        cambiarEscala(escalaTexto, agrandar);
        return;
    }
    for (const CapaResultado& capa : capasResultado) {
        if (capa.escala != nullptr && flagActivo(capa.slot)) {
            cambiarEscala(*capa.escala, agrandar);
        }
    }
}

bool esSlotResultado(int slot)
{
    return std::any_of(std::begin(capasResultado), std::end(capasResultado),
                       [slot](const CapaResultado& capa) { return capa.slot == slot; });
}

// At most one result layer is on: switching one turns the others off.
void alternarCapa(const ComandoCapa& comandoCapa)
{
    if (esSlotResultado(comandoCapa.slot)) {
        for (const CapaResultado& capa : capasResultado) {
            if (capa.slot != comandoCapa.slot) {
                flags[capa.slot] = 0;
            }
        }
    }
    ++flags[comandoCapa.slot];
    dialogo = flagActivo(comandoCapa.slot) ? comandoCapa.activada : comandoCapa.desactivada;
}

void ejecutarPalabra(const std::string& linea)
{
    if (linea == "noTags") {
        flags[flagTagNudos] = flags[flagTagBarras] = flags[flagSecciones] = 0;
        dialogo = "Ingrese Comando:";
        return;
    }
    for (const ComandoCapa& comandoCapa : comandosCapa) {
        if (linea == comandoCapa.palabra) {
            alternarCapa(comandoCapa);
        }
    }
}

// The combinations are named by the first node; a model read without nodes
// has none.
void alternarCombo(const std::string& nombre)
{
    numeroComboCoincidente = nudo.empty() ? -1 : nudo[0].getNumeroDeCombo(nombre);
    if (numeroComboCoincidente == -1) {
        dialogo = "el combo no existe. Ingrese Comando:";
    } else if (numeroComboCoincidente >= maxCombosVisibles) {
        dialogo = "solo se pueden activar los 100 primeros combos. Ingrese Comando:";
    } else {
        ++flags[flagCombo(numeroComboCoincidente)];
        dialogo = "Combo Activado/Desactivado, OK. Ingrese Comando:";
    }
}

// Command words come first, so a command word typed at the name prompt runs
// and closes the prompt before any name is looked up.
void ejecutarComando()
{
    if (comando == "exit" || comando == "salir") {
        std::exit(0);
    }
    ejecutarPalabra(comando);
    if (dialogo == textoPromptCombo) {
        alternarCombo(comando);
    }
    if (comando == "combo") {
        dialogo = textoPromptCombo;
    }
    comando.clear();
}

// The camera keeps within a factor of the distance that frames the box, so
// that about a hundred wheel steps bring back a model zoomed however far in
// or out.
void ponerAlturaCamara(double distancia)
{
    const double encuadre = distanciaDeEncuadre();
    zCam = std::clamp(distancia, encuadre / factorZoomMaximo, encuadre * factorZoomMaximo);
}

// The switches, the prompt and the camera stay; the model, its scales and
// its results come again from the file. A file read with errors is shown as
// read and not analysed.
void recargarModelo()
{
    std::cout << "\n\n\n------------------------Reinicio del programa------------------\n";
    leerYAnalizarArchivo();
}

void arrastrarIzquierdo(int state, int x, int y)
{
    if (state == GLUT_UP) {
        clickIzq = -1;
    } else if (state == GLUT_DOWN) {
        clickIzq = 1;
        xLast = x;
        yLast = y;
    }
}

}  // namespace

void funcionPlot(int argc, char** argv)
{
    glutInit(&argc, argv);
    glutInitDisplayMode(GLUT_DOUBLE | GLUT_DEPTH);
    glutInitWindowPosition(xVentana, yVentana);
    glutInitWindowSize(anchoVentana, altoVentana);
    glutCreateWindow(tituloVentana);
    ponerFlagsIniciales();
    funcionFronteraGraf();
    glutDisplayFunc(draw);
    glutReshapeFunc(changeSize);
    glutIdleFunc(draw);
    glutMouseFunc(mouseButton);
    glutMotionFunc(mouseMove);
    glutKeyboardFunc(teclado);
    glutSpecialFunc(tecladoEspecial);
    glutMainLoop();
}

void changeSize(int width, int height)
{
    if (height == 0) {
        height = 1;
    }
    glViewport(0, 0, width, height);
    ponerPerspectiva(zCam);
}

// Clipping planes a fixed ratio before and beyond the one depth drawn keep it
// well inside them in single precision, however large or small it is.
void ponerPerspectiva(double profundidad)
{
    GLint vista[4];
    glGetIntegerv(GL_VIEWPORT, vista);
    const double aspecto = static_cast<double>(vista[2]) / std::max(vista[3], 1);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(campoVisual, aspecto, profundidad / margenPlanos, profundidad * margenPlanos);
    glMatrixMode(GL_MODELVIEW);
}

// The box always holds the origin.
void funcionFronteraGraf()
{
    xMin = xMax = yMin = yMax = 0.0;
    for (int i = 0; i < nudosDibujables(); ++i) {
        const double x = nudo[i].getX();
        const double y = nudo[i].getY();
        xMin = std::min(xMin, x);
        xMax = std::max(xMax, x);
        yMin = std::min(yMin, y);
        yMax = std::max(yMax, y);
    }
    encuadrarCaja();
}

double distanciaDeEncuadre()
{
    double extension = std::max(xMax - xMin, yMax - yMin);
    if (extension == 0.0) {
        extension = 1.0;
    }
    return margenEncuadre * extension / (2 * tangenteMedioCampo());
}

void encuadrarCaja()
{
    xCam = xCentroObj = (xMin + xMax) / 2;
    yCam = yCentroObj = (yMin + yMax) / 2;
    zCam = distanciaDeEncuadre();
}

// The whole model plane lies zCam ahead of the eye.
void ponerCamara()
{
    ponerPerspectiva(zCam);
    glLoadIdentity();
    gluLookAt(xCam, yCam, zCam, xCentroObj, yCentroObj, 0, 0, 1, 0);
}

// The panel has clipping planes of its own, so it shows at any model size
// and zoom.
void dibujarPanel()
{
    ponerPerspectiva(profundidadPanel);
    plotDialogo();
}

void draw()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    dibujarPanel();
    ponerCamara();
    dibujarCapasModelo();
    dibujarCapasResultado();
    glFlush();
    glutSwapBuffers();
}

// Each wheel step acts once, on its release.
void mouseButton(int button, int state, int x, int y)
{
    if (button == GLUT_LEFT_BUTTON) {
        arrastrarIzquierdo(state, x, y);
    } else if (button == botonRuedaAdelante && state == GLUT_UP) {
        zoomIn();
    } else if (button == botonRuedaAtras && state == GLUT_UP) {
        zoomOut();
    }
}

void mouseMove(int x, int y)
{
    if (clickIzq != 1) {
        return;
    }
    const int dx = xLast - x;
    const int dy = yLast - y;
    const double k = tangenteMedioCampo() * (2 * zCam) / pixelesPorVista;
    xCam += dx * k;
    xCentroObj += dx * k;
    yCam -= dy * k;
    yCentroObj -= dy * k;
    xLast = x;
    yLast = y;
}

void zoomIn() { ponerAlturaCamara(zCam / pasoZoom); }

void zoomOut() { ponerAlturaCamara(zCam * pasoZoom); }

void teclado(unsigned char key, int, int)
{
    switch (key) {
    case teclaEsc:
        std::exit(0);
    case teclaEnter:
        ejecutarComando();
        break;
    case teclaRetroceso:
        borrarUltimoCaracter(comando);
        break;
    case '+':
        cambiarEscalas(true);
        break;
    case '-':
        cambiarEscalas(false);
        break;
    default:
        // The keyboard hands over Latin-1; names and commands are UTF-8.
        comando += utf8DeLatin1(key);
    }
    glutPostRedisplay();
}

void tecladoEspecial(int key, int, int)
{
    if (key == GLUT_KEY_F5) {
        recargarModelo();
    }
}
