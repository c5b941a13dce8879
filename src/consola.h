// The platform-dependent steps of start-up: clearing the console, and how a
// write past the file-size limit ends.
#ifndef TRELVIK2D_CONSOLA_H
#define TRELVIK2D_CONSOLA_H

void limpiarConsola();

// A write past the limit on the size of the files the process writes fails
// instead of ending the process, so that the report takes its own road.
void ignorarSenalDeLimiteDeArchivo();

#endif
