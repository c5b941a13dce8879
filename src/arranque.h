// The start-up's reading and analysis of the input file nombreArchivo.
#ifndef TRELVIK2D_ARRANQUE_H
#define TRELVIK2D_ARRANQUE_H

// A model is solved and its report written only when it was read without
// errors and has nodes, members and combinations.
void leerYAnalizarArchivo();

#endif
