// The whole road of a model, as the program takes it at start-up: the bytes
// become the input file that is read and, when sound, solved and reported.
// Files go to the current directory, the model's named by the process so
// that parallel workers keep apart. Beyond crashes, the run stops on a broken
// promise of the reader or the solution.
#include <unistd.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

#include "arranque.h"
#include "globales.h"

namespace {

void exigir(bool cumple, const char* promesa)
{
    if (!cumple) {
        std::cerr << "Promesa rota: " << promesa << std::endl;
        std::abort();
    }
}

void comprobarLectura()
{
    for (objNudo2d& n : nudo) {
        exigir(n.getCantidadDeCombos() == noCombos, "cada nudo tiene noCombos combos");
    }
    for (objBarra2d& b : barra) {
        exigir(b.getMatrizCargasCombo().rows() == noCombos, "cada barra tiene noCombos combos");
    }
    exigir(modeloAdmitido || !modeloAnalizado, "un modelo mal leído no se analiza");
}

void comprobarResultados()
{
    for (objNudo2d& n : nudo) {
        for (int c = 0; c < noCombos; ++c) {
            exigir(std::isfinite(n.getDesplazamientoX(c)) && std::isfinite(n.getDesplazamientoY(c)) &&
                       std::isfinite(n.getGiroZ(c)) && std::isfinite(n.getReaccionX(c)) &&
                       std::isfinite(n.getReaccionY(c)) && std::isfinite(n.getReaccionM(c)),
                   "un modelo analizado solo tiene resultados finitos");
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano)
{
    nombreArchivo = "modelo" + std::to_string(getpid()) + ".txt";
    std::ofstream(nombreArchivo, std::ios::binary)
        .write(reinterpret_cast<const char*>(datos), static_cast<std::streamsize>(tamano));
    leerYAnalizarArchivo();
    comprobarLectura();
    if (modeloAnalizado) {
        comprobarResultados();
    }
    return 0;
}
