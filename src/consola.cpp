// The console is cleared once at start-up: "cls" on Windows, the terminal's
// clear-screen sequence elsewhere, and only on a terminal, so that piped or
// captured output carries no control bytes. Windows has no signal for the
// file-size limit.
#include "consola.h"

#ifdef _WIN32
#include <cstdlib>

void limpiarConsola() { static_cast<void>(std::system("cls")); }

void ignorarSenalDeLimiteDeArchivo() {}
#else
#include <unistd.h>

#include <csignal>
#include <iostream>

void limpiarConsola()
{
    if (isatty(STDOUT_FILENO) != 0) {
        std::cout << "\033[2J\033[H" << std::flush;
    }
}

void ignorarSenalDeLimiteDeArchivo() { static_cast<void>(std::signal(SIGXFSZ, SIG_IGN)); }
#endif
