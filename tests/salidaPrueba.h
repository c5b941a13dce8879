// What the code under test prints on the console.
#ifndef TRELVIK2D_SALIDAPRUEBA_H
#define TRELVIK2D_SALIDAPRUEBA_H

#include <functional>
#include <string>

// Runs f and returns all it printed on standard output, every line of it.
std::string salidaDe(const std::function<void()>& f);

#endif
