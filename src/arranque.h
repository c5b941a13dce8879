// The one road from the input file nombreArchivo to a solved model and its
// report, taken at start-up and again by F5.
#ifndef TRELVIK2D_ARRANQUE_H
#define TRELVIK2D_ARRANQUE_H

// A model is solved and its report written only when it was read without
// errors and has nodes, members and combinations; a sound model that lacks
// members or combinations says which, and an older report stays as it was.
void leerYAnalizarArchivo();

#endif
