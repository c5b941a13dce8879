// Cost of the whole solution of rectangular plane frames against the cost of
// the factorisation of their free block alone, from about 100 to about 3,000
// free degrees of freedom.
#include <benchmark/benchmark.h>

#include <Eigen/Dense>

#include "analysis/funcionSolucionU.h"
#include "globales.h"
#include "modeloPrueba.h"

namespace {

const int vanos = 5;
const double anchoVano = 6.0, altoPiso = 3.0;

int indiceNudo(int columna, int nivel) { return nivel * (vanos + 1) + columna; }

// Members are numbered for the user as they are internally.
void agregarBarra(int inicio, int fin)
{
    objBarra2d& b = unir(inicio, fin, static_cast<int>(barra.size()));
    b.setNombreDeSeccion("S1");
    b.setSeccionRectangular(0.3, 0.5);
    b.setModuloE(2.5e7);
}

// Frame of `vanos` bays and `pisos` storeys on fixed bases; "lateral" pushes
// every floor at its left column, "gravedad" loads every beam. Nodes are
// numbered for the user as they are internally.
void construirPortico(int pisos)
{
    vaciarModelo();
    for (int nivel = 0; nivel <= pisos; ++nivel) {
        for (int columna = 0; columna <= vanos; ++columna) {
            objNudo2d& n = agregarNudo(indiceNudo(columna, nivel), columna * anchoVano, nivel * altoPiso);
            if (nivel == 0) {
                n.setApoyo(1, 1, 1);
            } else if (columna == 0) {
                n.setCargaPuntual("lateral", 10.0, 0.0, 0.0);
            }
        }
    }
    for (int nivel = 1; nivel <= pisos; ++nivel) {
        for (int columna = 0; columna <= vanos; ++columna) {
            agregarBarra(indiceNudo(columna, nivel - 1), indiceNudo(columna, nivel));
        }
        for (int columna = 0; columna < vanos; ++columna) {
            agregarBarra(indiceNudo(columna, nivel), indiceNudo(columna + 1, nivel));
            barra.back().setCargaLocal("gravedad", 0.0, 0.0, -20.0, -20.0);
        }
    }
    darCombos({{"lateral", 1.0, "lateral"}, {"gravedad", 1.0, "gravedad"}});
}

void solucionCompleta(benchmark::State& estado)
{
    construirPortico(static_cast<int>(estado.range(0)));
    for (auto _ : estado) {
        funcionSolucionU();
        benchmark::DoNotOptimize(reacciones.data());
    }
    estado.counters["gdlLibres"] = noLibres;
}

// The free block that the solution factorises, timed on its own; the
// solution scales it to a unit diagonal first, which changes no step of the
// factorisation.
void soloFactorizacion(benchmark::State& estado)
{
    construirPortico(static_cast<int>(estado.range(0)));
    funcionSolucionU();
    const Eigen::MatrixXd bloque = kLL;
    for (auto _ : estado) {
        Eigen::FullPivLU<Eigen::MatrixXd> lu(bloque);
        benchmark::DoNotOptimize(lu.matrixLU().data());
    }
    estado.counters["gdlLibres"] = noLibres;
}

// Storeys giving 18 free degrees of freedom each: 108 to 3,006.
const int pisos[] = {6, 17, 33, 67, 111, 167};

void tamanos(benchmark::internal::Benchmark* b)
{
    for (int s : pisos) {
        b->Arg(s);
    }
    b->Unit(benchmark::kMillisecond);
}

}  // namespace

BENCHMARK(solucionCompleta)->Apply(tamanos);
BENCHMARK(soloFactorizacion)->Apply(tamanos);

BENCHMARK_MAIN();
