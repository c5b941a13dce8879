// Small models for the drawing tests, built in code through the public
// setters, and framed in the test window by the viewer's own camera.
#ifndef TRELVIK2D_MODELOPRUEBA_H
#define TRELVIK2D_MODELOPRUEBA_H

#include <array>
#include <initializer_list>

class objBarra2d;

// Empties the model and the viewer's switches.
void vaciarModelo();
// Replaces the nodes with these, numbered 1, 2, ... for the user.
void ponerNudos(std::initializer_list<std::array<double, 2>> puntos);
// Adds a member from node i to node j (internal indices) and returns it.
objBarra2d& unir(int i, int j);
// The viewer's first frame of the model: the nodes' bounding box with the
// origin, the projection and the camera.
void encuadrarModelo();

#endif
