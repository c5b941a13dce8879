// The one road from the input file to a solved model and its report, taken
// at start-up and again by F5.
#include "arranque.h"

#include <iostream>

#include "analysis/funcionSolucionU.h"
#include "globales.h"
#include "input/funcionLeerArchivo.h"
#include "report/funcionImprimirResultados.h"

void leerYAnalizarArchivo()
{
    funcionLeerArchivo();
    if (!modeloAdmitido) {
        return;
    }
    if (noNudos != 0 && noBarras != 0 && noCombos != 0) {
        funcionSolucionU();
        funcionImprimirResultados();
    } else if (noNudos != 0) {
        // A sound model left unanalysed says why, so that an empty window is
        // never unexplained.
        std::cout << "El modelo no tiene " << (noBarras == 0 ? "barras" : "combos") << "; no se analiza"
                  << std::endl;
    }
}
