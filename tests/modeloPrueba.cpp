#include "modeloPrueba.h"

#include <algorithm>

#include "globales.h"
#include "ventanaPrueba.h"

void vaciarModelo()
{
    nudo.clear();
    barra.clear();
    noNudos = 0;
    noBarras = 0;
    noCombos = 0;
    flags.assign(200, 0);
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
    double x0 = 0.0;
    double x1 = 0.0;
    double y0 = 0.0;
    double y1 = 0.0;
    for (objNudo2d& n : nudo) {
        x0 = std::min(x0, n.getX());
        x1 = std::max(x1, n.getX());
        y0 = std::min(y0, n.getY());
        y1 = std::max(y1, n.getY());
    }
    encuadrar(x0, x1, y0, y1);
}
