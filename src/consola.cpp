// The console is cleared once at start-up: "cls" on Windows, the terminal's
// clear-screen sequence elsewhere, and only on a console or a terminal, so
// that piped or captured output carries no control bytes ("cls" writes a
// form feed there). Windows has no signal for the file-size limit.
#include "consola.h"

#ifdef _WIN32
#define WIN32_LEAN_AND_MEAN
#define NOMINMAX
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace {

bool salidaEnConsola() { return _isatty(_fileno(stdout)) != 0; }

}  // namespace

// In text mode the C runtime takes each byte written to a console for a
// character of its own locale and passes it on translated, and unbuffered
// it writes a character's bytes apart: the console, told that they are
// UTF-8, gets them whole only in binary mode, buffered, each insertion
// written at once. Output sent elsewhere keeps its text mode and its CR LF.
void escribirConsolaEnUtf8()
{
    if (!salidaEnConsola()) {
        return;
    }
    static_cast<void>(SetConsoleOutputCP(CP_UTF8));
    static_cast<void>(_setmode(_fileno(stdout), _O_BINARY));
    static_cast<void>(std::setvbuf(stdout, nullptr, _IOFBF, BUFSIZ));
    std::cout << std::unitbuf;
}

void limpiarConsola()
{
    if (salidaEnConsola()) {
        static_cast<void>(std::system("cls"));
    }
}

void ignorarSenalDeLimiteDeArchivo() {}
#else
#include <unistd.h>

#include <csignal>
#include <iostream>

// A terminal takes the bytes as they are.
void escribirConsolaEnUtf8() {}

void limpiarConsola()
{
    if (isatty(STDOUT_FILENO) != 0) {
        std::cout << "\033[2J\033[H" << std::flush;
    }
}

void ignorarSenalDeLimiteDeArchivo() { static_cast<void>(std::signal(SIGXFSZ, SIG_IGN)); }
#endif
