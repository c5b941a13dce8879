// Cost of reading a model file of 1,000, 4,000 and 16,000 blocks: the time
// per block ("porBloque", in seconds) stays the same when the reading is
// linear in the size of the file. scripts/medirLectura.sh checks it.
#include <benchmark/benchmark.h>

#include <string>

#include "archivoPrueba.h"
#include "globales.h"
#include "input/funcionLeerArchivo.h"
#include "salidaPrueba.h"

namespace {

const int luzVano = 4;

std::string numero(int n) { return " " + std::to_string(n); }

// A continuous beam of as many spans as blocks, fixed at its first node,
// with one section and self-weight; then one one-line block per span, by
// turns a point load on the span's end node and a distributed load on its
// member; and two combinations.
std::string modeloDeBloques(int bloques)
{
    std::string nudos = "nudos:";
    std::string barras = "barras:";
    std::string seccion = "seccionRectangular: VIGA 0.3 0.5 2.5e7 24";
    std::string cargas;
    for (int i = 1; i <= bloques + 1; ++i) {
        nudos += numero(i) + numero(luzVano * (i - 1)) + " 0\n";
    }
    for (int b = 1; b <= bloques; ++b) {
        barras += numero(b) + numero(b) + numero(b + 1) + "\n";
        seccion += numero(b);
        cargas += b % 2 != 0 ? "puntual: P 0 -10 0" + numero(b + 1) + "\n"
                             : "distribuidaLocal: Q 0 0 -5 -5" + numero(b) + "\n";
    }
    return nudos + barras + seccion + "\napoyo: 1 1 1 1\npesoPropio: PP\n" + cargas +
           "combo: U 1.2 PP 1.6 Q\ncombo: S 1 PP 1 P 1 Q\nprecision: 2\n";
}

void lecturaDeBloques(benchmark::State& estado)
{
    const int bloques = static_cast<int>(estado.range(0));
    nombreArchivo = archivoTemporal(modeloDeBloques(bloques));
    for (auto _ : estado) {
        benchmark::DoNotOptimize(salidaDe(funcionLeerArchivo));
    }
    if (!modeloAdmitido || noBarras != bloques) {
        estado.SkipWithError("el modelo no se leyó bien");
    }
    estado.counters["porBloque"] = benchmark::Counter(bloques, benchmark::Counter::kIsIterationInvariantRate |
                                                                   benchmark::Counter::kInvert);
}

}  // namespace

BENCHMARK(lecturaDeBloques)->Arg(1000)->Arg(4000)->Arg(16000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
