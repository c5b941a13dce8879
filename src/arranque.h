// The one road from the input file nombreArchivo to a solved model and its
// report, taken at start-up and again by F5.
#ifndef TRELVIK2D_ARRANQUE_H
#define TRELVIK2D_ARRANQUE_H

// The start-up analyses only a model with nodes, members and combinations
// and says which of them a sound model lacks; F5 analyses whatever was read.
enum class pruebaDeCantidades { conPrueba, sinPrueba };

// A model is solved and its report written only when it was read without
// errors (and, with the test, has nodes, members and combinations).
void leerYAnalizarArchivo(pruebaDeCantidades prueba);

#endif
