// Clearing of the console at start-up, the one platform-dependent step.
#ifndef TRELVIK2D_CONSOLA_H
#define TRELVIK2D_CONSOLA_H

void limpiarConsola();

#endif
