// Assembly and solution of the plane frame held in the globals, for every
// load combination at once.
#ifndef TRELVIK2D_FUNCIONSOLUCIONU_H
#define TRELVIK2D_FUNCIONSOLUCIONU_H

void funcionSolucionU();

#endif
