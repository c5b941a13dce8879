// Placeholder: the console layer is built here next.
#include "consola.h"

void limpiarConsola() {}
