// Typing into the viewer as its keyboard callback receives it, with the
// modifier keys chosen by the test instead of read from freeglut.
#ifndef TRELVIK2D_TECLADOPRUEBA_H
#define TRELVIK2D_TECLADOPRUEBA_H

#include <string>

// Constant expressions, so that tables of other files may hold them at
// start-up.
constexpr const char* promptCombo = "Escriba el nombre del Combo y presione ENTER:";
constexpr const char* comboConmutado = "Combo Activado/Desactivado, OK. Ingrese Comando:";

// The modifiers that the viewer sees while elegirModificadores is in force.
extern int modificadoresElegidos;
// Makes the viewer read modificadoresElegidos, starting with none.
void elegirModificadores();
void teclear(const std::string& teclas);

#endif
