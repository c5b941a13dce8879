// The viewer's switches: the slots of flags and the rule that tells whether
// one is on. Every slot is a counter that its command raises by one, so a
// layer or combination is shown while its counter is odd.
#ifndef TRELVIK2D_INTERRUPTORES_H
#define TRELVIK2D_INTERRUPTORES_H

#include <cstddef>

#include "globales.h"

const int flagTagNudos = 0;
const int flagTagBarras = 1;
const int flagSecciones = 2;
const int flagPlotDeformada = 3;
const int flagPlotAxial = 4;
const int flagPlotCortante = 5;
const int flagPlotMomento = 6;
const int flagPlotCarga = 7;
const int flagPlotReacciones = 8;
const int flagPlotApoyos = 9;
// Slot flagComboActivo + c switches combination c; slots 10 to 99 hold no
// layer.
const int flagComboActivo = 100;
// Only combinations 0 to 99 have a switch.
const int maxCombosVisibles = 100;
const int cantidadFlags = flagComboActivo + maxCombosVisibles;

// The slot of combination c.
constexpr int flagCombo(int c) { return flagComboActivo + c; }

// A slot that flags does not hold is off.
inline bool flagActivo(int slot)
{
    return slot >= 0 && static_cast<std::size_t>(slot) < flags.size() && flags[slot] % 2 != 0;
}

// A combination without a switch is never active.
inline bool comboActivo(int c) { return c >= 0 && c < maxCombosVisibles && flagActivo(flagCombo(c)); }

// The switches as the window opens: supports and springs shown, no text
// layer, no result layer and no combination active.
inline void ponerFlagsIniciales()
{
    flags.assign(cantidadFlags, 0);
    flags[flagPlotApoyos] = 1;
}

#endif
