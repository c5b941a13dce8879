// Cost of the whole solution of rectangular plane frames against the cost of
// the factorisation of their free block alone, from about 100 to about 3,000
// free degrees of freedom.
#include <benchmark/benchmark.h>

#include <string>

#include <Eigen/Dense>

#include "analysis/funcionSolucionU.h"
#include "globales.h"

namespace {

const int vanos = 5;
const double anchoVano = 6.0, altoPiso = 3.0;

int indiceNudo(int columna, int nivel) { return nivel * (vanos + 1) + columna; }

void agregarBarra(int inicio, int fin)
{
    objBarra2d b;
    b.resetFlags();
    b.setNumeroDeBarra(static_cast<int>(barra.size()));
    b.setNumeroBarraUsuario(static_cast<int>(barra.size()));
    b.setNudoInicio(inicio, nudo[inicio].getX(), nudo[inicio].getY());
    b.setNudoFinal(fin, nudo[fin].getX(), nudo[fin].getY());
    b.setNudoInicioUsuario(inicio);
    b.setNudoFinalUsuario(fin);
    b.setNombreDeSeccion("S1");
    b.setSeccionRectangular(0.3, 0.5);
    b.setModuloE(2.5e7);
    barra.push_back(b);
}

// Frame of `vanos` bays and `pisos` storeys on fixed bases; "lateral" pushes
// every floor at its left column, "gravedad" loads every beam.
void construirPortico(int pisos)
{
    nudo.clear();
    barra.clear();
    for (int nivel = 0; nivel <= pisos; ++nivel) {
        for (int columna = 0; columna <= vanos; ++columna) {
            objNudo2d n;
            const int i = indiceNudo(columna, nivel);
            n.setNumeroNudoUsuario(i);
            n.setNumeroDeNudo(i);
            n.setCoordenadas(columna * anchoVano, nivel * altoPiso);
            if (nivel == 0) {
                n.setApoyo(1, 1, 1);
            } else if (columna == 0) {
                n.setCargaPuntual("lateral", 10.0, 0.0, 0.0);
            }
            nudo.push_back(n);
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
    for (const std::string caso : {"lateral", "gravedad"}) {
        for (objNudo2d& n : nudo) {
            n.setCombo(caso, 1.0, caso);
        }
        for (objBarra2d& b : barra) {
            b.setCombo(caso, 1.0, caso);
        }
    }
    noNudos = static_cast<int>(nudo.size());
    noBarras = static_cast<int>(barra.size());
    noCombos = 2;
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
