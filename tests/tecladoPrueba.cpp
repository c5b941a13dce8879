#include "tecladoPrueba.h"

#include "viewer/funcionPlot.h"

int modificadoresElegidos = 0;

namespace {

int leerModificadoresElegidos() { return modificadoresElegidos; }

}  // namespace

void elegirModificadores()
{
    leerModificadores = leerModificadoresElegidos;
    modificadoresElegidos = 0;
}

void teclear(const std::string& teclas)
{
    for (unsigned char tecla : teclas) {
        teclado(tecla, 0, 0);
    }
}
