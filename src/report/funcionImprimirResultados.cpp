// Placeholder: the report is built here next.
#include "report/funcionImprimirResultados.h"

void funcionImprimirResultados() {}
