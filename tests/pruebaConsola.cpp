// Command console typed into the window: keys, command words, the
// combination-name prompt, the scale keys and the end of the program.
#include <GL/glut.h>
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <utility>
#include <vector>

#include "globales.h"
#include "modeloPrueba.h"
#include "salidaPrueba.h"
#include "tecladoPrueba.h"
#include "ventanaPrueba.h"
#include "viewer/funcionPlot.h"
#include "viewer/interruptores.h"

namespace {

const std::string comboNoExiste = "el combo no existe. Ingrese Comando:";

// The state in which the window opens: supports shown, nothing else.
std::vector<int> flagsIniciales()
{
    std::vector<int> f(cantidadFlags, 0);
    f[flagPlotApoyos] = 1;
    return f;
}

class Consola : public ::testing::Test {
protected:
    void SetUp() override
    {
        // The redraw request after every key needs a window.
        abrirVentanaPrueba();
        elegirModificadores();
        flags = flagsIniciales();
        dialogo = "Comando:";
        comando.clear();
        numeroComboCoincidente = -1;
        nudoConCombos({"C1", "C2", "A\xc3\x91O"});
    }
    void TearDown() override
    {
        nudo.clear();
        noNudos = noCombos = 0;
    }
};

struct Secuencia {
    const char* nombre;
    std::string teclas;
    std::vector<std::pair<int, int>> flagsCambiados;
    std::string dialogoFinal;
    std::string comandoFinal;
};

const std::vector<Secuencia> secuencias = {
    {"plotApoyos oculta los apoyos al abrir",
     "plotApoyos\r",
     {{flagPlotApoyos, 2}},
     "Graficacion de Apoyos Desactivada. Ingrese Comando:",
     ""},
    {"plotApoyos dos veces los vuelve a mostrar",
     "plotApoyos\rplotApoyos\r",
     {{flagPlotApoyos, 3}},
     "Graficacion de Apoyos Activada. Ingrese Comando:",
     ""},
    {"plotN y luego plotDef deja solo la deformada",
     "plotN\rplotDef\r",
     {{flagPlotDeformada, 1}},
     "Deformaciones Activadas. Ingrese Comando:",
     ""},
    {"plotN dos veces apaga las axiales",
     "plotN\rplotN\r",
     {{flagPlotAxial, 2}},
     "Fuerzas Axiales Desactivadas. Ingrese Comando:",
     ""},
    {"plotV", "plotV\r", {{flagPlotCortante, 1}}, "Fuerzas Cortantes Activadas. Ingrese Comando:", ""},
    {"plotM dos veces",
     "plotM\rplotM\r",
     {{flagPlotMomento, 2}},
     "Momentos Flectores Desactivados. Ingrese Comando:",
     ""},
    {"plotCarga",
     "plotCarga\r",
     {{flagPlotCarga, 1}},
     "Graficacion de Cargas Activada. Ingrese Comando:",
     ""},
    {"plotR apaga el momento",
     "plotM\rplotR\r",
     {{flagPlotReacciones, 1}},
     "Graficacion de Reacciones Activada. Ingrese Comando:",
     ""},
    {"cada capa de resultados apaga las demas",
     "plotDef\rplotN\rplotV\rplotM\rplotCarga\rplotR\rplotR\r",
     {{flagPlotReacciones, 2}},
     "Graficacion de Reacciones Desactivada. Ingrese Comando:",
     ""},
    {"las capas de texto son independientes",
     "tagNudos\rtagBarras\rsecciones\rplotM\r",
     {{flagTagNudos, 1}, {flagTagBarras, 1}, {flagSecciones, 1}, {flagPlotMomento, 1}},
     "Momentos Flectores Activados. Ingrese Comando:",
     ""},
    {"tagNudos dos veces", "tagNudos\rtagNudos\r", {{flagTagNudos, 2}}, "Ingrese Comando:", ""},
    {"noTags sin textos encendidos", "noTags\r", {}, "Ingrese Comando:", ""},
    {"noTags apaga los tres textos y nada mas",
     "tagNudos\rtagBarras\rsecciones\rplotDef\rnoTags\r",
     {{flagPlotDeformada, 1}},
     "Ingrese Comando:",
     ""},
    {"combo y un nombre activan el combo", "combo\rC2\r", {{flagCombo(1), 1}}, comboConmutado, ""},
    {"combo y el mismo nombre otra vez lo desactivan",
     "combo\rC2\rcombo\rC2\r",
     {{flagCombo(1), 2}},
     comboConmutado,
     ""},
    {"combo abre el aviso", "combo\r", {}, promptCombo, ""},
    {"una palabra de comando en el aviso corre como comando",
     "combo\rplotM\r",
     {{flagPlotMomento, 1}},
     "Momentos Flectores Activados. Ingrese Comando:",
     ""},
    {"combo en el aviso se busca y vuelve a pedir el nombre", "combo\rcombo\r", {}, promptCombo, ""},
    {"un nombre inexistente en el aviso", "combo\rC7\r", {}, comboNoExiste, ""},
    {"la linea vacia en el aviso se busca como nombre", "combo\r\r", {}, comboNoExiste, ""},
    {"otras mayusculas en el aviso se buscan como nombre", "combo\rplotm\r", {}, comboNoExiste, ""},
    {"un blanco delante en el aviso se busca como nombre", "combo\r plotM\r", {}, comboNoExiste, ""},
    {"otras mayusculas fuera del aviso no hacen nada", "PlotM\r", {}, "Comando:", ""},
    {"un blanco detras fuera del aviso no hace nada", "plotM \r", {}, "Comando:", ""},
    {"un nombre de combo fuera del aviso no hace nada", "C1\r", {}, "Comando:", ""},
    {"una linea desconocida deja la respuesta anterior",
     "plotM\rxyz\r\r",
     {{flagPlotMomento, 1}},
     "Momentos Flectores Activados. Ingrese Comando:",
     ""},
    {"retroceso borra el ultimo byte",
     "plotMx\b\r",
     {{flagPlotMomento, 1}},
     "Momentos Flectores Activados. Ingrese Comando:",
     ""},
    {"retroceso con el comando vacio no hace nada", "\b\bab", {}, "Comando:", "ab"},
    {"mas y menos nunca forman parte del comando",
     "plot+M-\r",
     {{flagPlotMomento, 1}},
     "Momentos Flectores Activados. Ingrese Comando:",
     ""},
    {"tabulador y suprimir se agregan como bytes", "a\tb\x7f", {}, "Comando:", "a\tb\x7f"},
    // The keyboard hands over Latin-1: Ñ is 0xd1, ó 0xf3.
    {"una letra Latin-1 entra en UTF-8", "A\xd1O a\xf3", {}, "Comando:", "A\xc3\x91O a\xc3\xb3"},
    {"retroceso borra la letra entera", "A\xd1\b", {}, "Comando:", "A"},
    {"un combo con eñe se conmuta tecleado", "combo\rA\xd1O\r", {{flagCombo(2), 1}}, comboConmutado, ""},
};

}  // namespace

TEST_F(Consola, SecuenciasDeTeclas)
{
    for (const Secuencia& s : secuencias) {
        SetUp();
        teclear(s.teclas);
        std::vector<int> esperados = flagsIniciales();
        for (const auto& cambio : s.flagsCambiados) {
            esperados[cambio.first] = cambio.second;
        }
        EXPECT_EQ(flags, esperados) << s.nombre;
        EXPECT_EQ(dialogo, s.dialogoFinal) << s.nombre;
        EXPECT_EQ(comando, s.comandoFinal) << s.nombre;
    }
}

TEST_F(Consola, UnComboLlamadoComboSeConmutaDesdeElAviso)
{
    nudoConCombos({"combo", "C2"});
    teclear("combo\rcombo\r");
    EXPECT_EQ(flags[flagCombo(0)], 1);
    EXPECT_EQ(dialogo, promptCombo);
    teclear("C2\r");
    EXPECT_EQ(flags[flagCombo(1)], 1);
    EXPECT_EQ(dialogo, comboConmutado);
    EXPECT_EQ(numeroComboCoincidente, 1);
}

TEST_F(Consola, UnComboConNombreDeComandoNuncaSeConmuta)
{
    nudoConCombos({"plotM"});
    teclear("combo\rplotM\r");
    EXPECT_EQ(flags[flagCombo(0)], 0);
    EXPECT_EQ(flags[flagPlotMomento], 1);
    EXPECT_EQ(numeroComboCoincidente, -1);
}

TEST_F(Consola, SinNudosElAvisoNoEncuentraCombos)
{
    nudo.clear();
    noNudos = 0;
    teclear("combo\rC1\r");
    EXPECT_EQ(dialogo, comboNoExiste);
    EXPECT_EQ(numeroComboCoincidente, -1);
    EXPECT_EQ(flags, flagsIniciales());
}

TEST_F(Consola, SoloLosCienPrimerosCombosSeConmutan)
{
    std::vector<std::string> nombres;
    for (int c = 0; c < 102; ++c) {
        nombres.push_back("C" + std::to_string(c));
    }
    nudoConCombos(nombres);
    teclear("combo\rC99\r");
    EXPECT_EQ(flags[flagCombo(99)], 1);
    EXPECT_EQ(dialogo, comboConmutado);
    teclear("combo\rC100\r");
    EXPECT_EQ(dialogo, "solo se pueden activar los 100 primeros combos. Ingrese Comando:");
    EXPECT_EQ(numeroComboCoincidente, 100);
    teclear("combo\rC101\r");
    EXPECT_EQ(flags.size(), static_cast<size_t>(cantidadFlags));
    std::vector<int> esperados = flagsIniciales();
    esperados[flagCombo(99)] = 1;
    EXPECT_EQ(flags, esperados);
}

namespace {

struct TeclaDeEscala {
    const char* nombre;
    int modificadores;
    unsigned char tecla;
    const char* capa;
    double* escalaCambiada;
    double factor;
};

struct EscalasIniciales {
    double def = 100.0, n = 0.01, v = 0.1, m = 0.1, carga = 0.1, texto = 0.15, apoyo = 0.0;
    int decimales = 3;
};

void ponerEscalas(const EscalasIniciales& e)
{
    escalaDef = e.def;
    escalaN = e.n;
    escalaV = e.v;
    escalaM = e.m;
    escalaCarga = e.carga;
    escalaTexto = e.texto;
    escalaApoyo = e.apoyo;
    precision = e.decimales;
}

}  // namespace

TEST_F(Consola, MasYMenosSegunModificadoresYCapa)
{
    const int shift = GLUT_ACTIVE_SHIFT, ctrl = GLUT_ACTIVE_CTRL, alt = GLUT_ACTIVE_ALT;
    const std::vector<TeclaDeEscala> casos = {
        {"shift solo agranda el texto", shift, '+', "plotM\r", &escalaTexto, 1.1},
        {"shift solo achica el texto", shift, '-', "plotM\r", &escalaTexto, 1 / 1.1},
        {"shift y ctrl van a la capa", shift | ctrl, '+', "plotM\r", &escalaM, 1.1},
        {"sin modificador va a la capa", 0, '+', "plotM\r", &escalaM, 1.1},
        {"alt va a la capa", alt, '-', "plotN\r", &escalaN, 1 / 1.1},
        {"deformada", 0, '-', "plotDef\r", &escalaDef, 1 / 1.1},
        {"cortante", ctrl, '+', "plotV\r", &escalaV, 1.1},
        {"cargas", 0, '+', "plotCarga\r", &escalaCarga, 1.1},
        {"sin capa de resultados nada cambia", 0, '+', "", nullptr, 1.0},
        {"las reacciones no tienen escala", 0, '+', "plotR\r", nullptr, 1.0},
        {"una capa apagada no cambia", 0, '+', "plotM\rplotM\r", nullptr, 1.0},
    };
    const EscalasIniciales iniciales;
    for (const TeclaDeEscala& caso : casos) {
        SetUp();
        ponerEscalas(iniciales);
        teclear(caso.capa);
        double antes[] = {escalaDef, escalaN, escalaV, escalaM, escalaCarga, escalaTexto};
        double* escalas[] = {&escalaDef, &escalaN, &escalaV, &escalaM, &escalaCarga, &escalaTexto};
        modificadoresElegidos = caso.modificadores;
        teclado(caso.tecla, 0, 0);
        for (int i = 0; i < 6; ++i) {
            const double esperado = escalas[i] == caso.escalaCambiada ? antes[i] * caso.factor : antes[i];
            EXPECT_NEAR(*escalas[i], esperado, 1e-12 * antes[i]) << caso.nombre << ", escala " << i;
        }
        EXPECT_EQ(escalaApoyo, iniciales.apoyo) << caso.nombre;
        EXPECT_EQ(precision, iniciales.decimales) << caso.nombre;
        EXPECT_EQ(comando, "") << caso.nombre;
    }
}

TEST_F(Consola, MasYLuegoMenosDevuelveLaEscala)
{
    ponerEscalas(EscalasIniciales());
    teclear("plotM\r++--");
    EXPECT_NEAR(escalaM, 0.1, 1e-15);
    modificadoresElegidos = GLUT_ACTIVE_SHIFT;
    teclear("+-");
    EXPECT_NEAR(escalaTexto, 0.15, 1e-15);
}

TEST_F(Consola, UnaEscalaNoSaleDelRangoDeLosReales)
{
    struct Caso {
        double inicial;
        char tecla;
        double esperada;
    };
    const double mayor = std::numeric_limits<double>::max();
    const double menor = std::numeric_limits<double>::min();
    const Caso casos[] = {
        {mayor, '+', mayor},
        {mayor, '-', mayor / 1.1},
        {menor, '-', menor},
        {menor, '+', menor * 1.1},
    };
    for (const Caso& caso : casos) {
        SetUp();
        teclear("plotM\r");
        escalaM = caso.inicial;
        teclado(caso.tecla, 0, 0);
        EXPECT_EQ(escalaM, caso.esperada) << caso.inicial << " " << caso.tecla;
        modificadoresElegidos = GLUT_ACTIVE_SHIFT;
        escalaTexto = caso.inicial;
        teclado(caso.tecla, 0, 0);
        EXPECT_EQ(escalaTexto, caso.esperada) << caso.inicial << " " << caso.tecla;
    }
}

TEST_F(Consola, OtrasTeclasEspecialesNoHacenNada)
{
    teclear("combo\rpl");
    const std::string salida = salidaDe([] {
        for (int tecla :
             {GLUT_KEY_F1, GLUT_KEY_F4, GLUT_KEY_F6, GLUT_KEY_F12, GLUT_KEY_LEFT, GLUT_KEY_HOME}) {
            tecladoEspecial(tecla, 0, 0);
        }
    });
    EXPECT_EQ(salida, "");
    EXPECT_EQ(dialogo, promptCombo);
    EXPECT_EQ(comando, "pl");
    EXPECT_EQ(noNudos, 1);
    EXPECT_EQ(nudo.size(), 1u);
}

class ConsolaFin : public Consola {
protected:
    void SetUp() override
    {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        Consola::SetUp();
    }
};

TEST_F(ConsolaFin, EscTerminaConEstadoCero)
{
    EXPECT_EXIT(teclado(teclaEsc, 0, 0), testing::ExitedWithCode(0), "");
}

TEST_F(ConsolaFin, ExitYSalirTerminanConEstadoCero)
{
    EXPECT_EXIT(teclear("exit\r"), testing::ExitedWithCode(0), "");
    EXPECT_EXIT(teclear("salir\r"), testing::ExitedWithCode(0), "");
    EXPECT_EXIT(teclear("combo\rsalir\r"), testing::ExitedWithCode(0), "");
}

TEST_F(ConsolaFin, OtrasMayusculasNoTerminan)
{
    teclear("Exit\rSALIR\rexit \r");
    EXPECT_EQ(dialogo, "Comando:");
}
