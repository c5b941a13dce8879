// The whole road of a model, as the program takes it at start-up: the bytes
// become the input file, a model read correctly is solved and its report
// written. Files go to the current directory, the model's named by the
// process so that parallel workers keep apart.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>

#include "analysis/funcionSolucionU.h"
#include "globales.h"
#include "input/funcionLeerArchivo.h"
#include "report/funcionImprimirResultados.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* datos, std::size_t tamano)
{
    nombreArchivo = "modelo" + std::to_string(getpid()) + ".txt";
    std::ofstream(nombreArchivo, std::ios::binary)
        .write(reinterpret_cast<const char*>(datos), static_cast<std::streamsize>(tamano));
    funcionLeerArchivo();
    if (lecturaCorrecta && noNudos != 0 && noBarras != 0 && noCombos != 0) {
        funcionSolucionU();
        funcionImprimirResultados();
    }
    return 0;
}
