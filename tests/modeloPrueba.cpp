#include "modeloPrueba.h"

#include "globales.h"
#include "viewer/funcionPlot.h"
#include "viewer/interruptores.h"
#include "ventanaPrueba.h"

void vaciarModelo()
{
    nudo.clear();
    barra.clear();
    noNudos = 0;
    noBarras = 0;
    noCombos = 0;
    flags.assign(cantidadFlags, 0);
    modeloAnalizado = false;
}

void ponerNudos(std::initializer_list<std::array<double, 2>> puntos)
{
    vaciarModelo();
    for (const auto& p : puntos) {
        objNudo2d n;
        n.setNumeroDeNudo(noNudos);
        n.setNumeroNudoUsuario(noNudos + 1);
        n.setCoordenadas(p[0], p[1]);
        nudo.push_back(n);
        ++noNudos;
    }
}

objBarra2d& unir(int i, int j)
{
    objBarra2d b;
    b.resetFlags();
    b.setNumeroDeBarra(noBarras);
    b.setNumeroBarraUsuario(noBarras + 1);
    b.setNudoInicio(i, nudo[i].getX(), nudo[i].getY());
    b.setNudoFinal(j, nudo[j].getX(), nudo[j].getY());
    b.setNudoInicioUsuario(i + 1);
    b.setNudoFinalUsuario(j + 1);
    barra.push_back(b);
    ++noBarras;
    return barra.back();
}

void encuadrarModelo()
{
    funcionFronteraGraf();
    empezarCuadro();
}
