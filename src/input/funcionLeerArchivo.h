// Builds the model in the globals from the tagged input file nombreArchivo.
#ifndef TRELVIK2D_FUNCIONLEERARCHIVO_H
#define TRELVIK2D_FUNCIONLEERARCHIVO_H

void funcionLeerArchivo();

#endif
