// Placeholder: the assembly and solution are built here next.
#include "analysis/funcionSolucionU.h"

#include "globales.h"

void funcionSolucionU() { modeloAnalizado = false; }
