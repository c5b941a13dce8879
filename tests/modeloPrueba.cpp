#include "modeloPrueba.h"

#include <set>

#include "analysis/funcionSolucionU.h"
#include "globales.h"
#include "input/funcionLeerArchivo.h"
#include "salidaPrueba.h"
#include "viewer/interruptores.h"

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

objNudo2d& agregarNudo(int usuario, double x, double y)
{
    objNudo2d n;
    n.setNumeroDeNudo(static_cast<int>(nudo.size()));
    n.setNumeroNudoUsuario(usuario);
    n.setCoordenadas(x, y);
    nudo.push_back(n);
    noNudos = static_cast<int>(nudo.size());
    return nudo.back();
}

void ponerNudos(std::initializer_list<Punto> puntos)
{
    vaciarModelo();
    for (const Punto& p : puntos) {
        agregarNudo(static_cast<int>(nudo.size()) + 1, p[0], p[1]);
    }
}

objBarra2d barraSuelta(int numero, int inicio, Punto a, int fin, Punto b)
{
    objBarra2d barraNueva;
    barraNueva.resetFlags();
    barraNueva.setNumeroDeBarra(numero);
    barraNueva.setNudoInicio(inicio, a[0], a[1]);
    barraNueva.setNudoFinal(fin, b[0], b[1]);
    return barraNueva;
}

void ponerSeccion(objBarra2d& b, double area, double inercia, double moduloE)
{
    b.setSeccionGenerica(area, inercia);
    b.setModuloE(moduloE);
}

objBarra2d& unir(int i, int j, int usuario)
{
    const objNudo2d& inicio = nudo[i];
    const objNudo2d& fin = nudo[j];
    objBarra2d nueva = barraSuelta(static_cast<int>(barra.size()), i, {inicio.getX(), inicio.getY()}, j,
                                   {fin.getX(), fin.getY()});
    nueva.setNumeroBarraUsuario(usuario);
    nueva.setNudoInicioUsuario(inicio.getNoNudoUsuario());
    nueva.setNudoFinalUsuario(fin.getNoNudoUsuario());
    barra.push_back(nueva);
    noBarras = static_cast<int>(barra.size());
    return barra.back();
}

objBarra2d& unir(int i, int j) { return unir(i, j, static_cast<int>(barra.size()) + 1); }

void darCombos(const std::vector<ParDeCombo>& pares)
{
    std::set<std::string> nombres;
    for (const ParDeCombo& p : pares) {
        for (objNudo2d& n : nudo) {
            n.setCombo(p.combo, p.factor, p.caso);
        }
        for (objBarra2d& b : barra) {
            b.setCombo(p.combo, p.factor, p.caso);
        }
        nombres.insert(p.combo);
    }
    noNudos = static_cast<int>(nudo.size());
    noBarras = static_cast<int>(barra.size());
    noCombos = static_cast<int>(nombres.size());
}

void nudoConCombos(const std::vector<std::string>& nombres)
{
    nudo.assign(1, objNudo2d());
    std::vector<ParDeCombo> pares;
    for (const std::string& nombre : nombres) {
        pares.push_back({nombre, 1.0, "D"});
    }
    darCombos(pares);
}

std::string resolverCargado() { return salidaDe(funcionSolucionU); }

std::string leerModelo(const std::string& ruta)
{
    nombreArchivo = ruta;
    return salidaDe(funcionLeerArchivo);
}
