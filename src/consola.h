// The platform-dependent steps of start-up: the console's character set,
// clearing the console, and how a write past the file-size limit ends.
#ifndef TRELVIK2D_CONSOLA_H
#define TRELVIK2D_CONSOLA_H

// The console lines are written in UTF-8; a Windows console shows them so
// only once told, instead of in its own code page.
void escribirConsolaEnUtf8();

void limpiarConsola();

// A write past the limit on the size of the files the process writes fails
// instead of ending the process, so that the report takes its own road.
void ignorarSenalDeLimiteDeArchivo();

#endif
