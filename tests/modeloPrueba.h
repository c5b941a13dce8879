// Small models built in code through the public setters, for the tests and
// the benchmark: the model lives in the program's own tables and counts.
#ifndef TRELVIK2D_MODELOPRUEBA_H
#define TRELVIK2D_MODELOPRUEBA_H

#include <array>
#include <initializer_list>
#include <string>
#include <vector>

class objNudo2d;
class objBarra2d;

using Punto = std::array<double, 2>;

// One load case's share in a combination: combo = factor · caso.
struct ParDeCombo {
    std::string combo;
    double factor;
    std::string caso;
};

// Empties the model and the viewer's switches.
void vaciarModelo();
// Appends a node at (x, y) with this user number; its internal index is its
// row. The reference holds until the next node is added.
objNudo2d& agregarNudo(int usuario, double x, double y);
// Replaces the nodes with these, numbered 1, 2, ... for the user.
void ponerNudos(std::initializer_list<Punto> puntos);

// A member by itself, outside the model's tables: its internal number and
// its end nodes, internal indices standing at the points a and b. It has no
// section yet.
objBarra2d barraSuelta(int numero, int inicio, Punto a, int fin, Punto b);
// A generic section of the given area and inertia, and the modulus E.
void ponerSeccion(objBarra2d& b, double area, double inercia, double moduloE);
// Appends a member from node i to node j (internal indices) with this user
// number; its ends' points and user numbers are the nodes'. The reference
// holds until the next member is added.
objBarra2d& unir(int i, int j, int usuario);
// The same, the members numbered 1, 2, ... for the user in the order added.
objBarra2d& unir(int i, int j);

// Gives every node and member each share, after all their loads, and counts
// the model: its combinations are the names given.
void darCombos(const std::vector<ParDeCombo>& pares);
// The model is one node that holds these combinations (of the case "D"), as
// the panel and the console list them; the switches stay as they are.
void nudoConCombos(const std::vector<std::string>& nombres);

// Solves the model in the tables and returns what the solution printed.
std::string resolverCargado();
// Reads the model file as the program does and returns what the reading
// printed.
std::string leerModelo(const std::string& ruta);

#endif
