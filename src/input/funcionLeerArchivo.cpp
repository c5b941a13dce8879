// Placeholder: the model reading is built here next.
#include "input/funcionLeerArchivo.h"

#include "globales.h"

void funcionLeerArchivo()
{
    lecturaCorrecta = false;
    modeloAnalizado = false;
}
