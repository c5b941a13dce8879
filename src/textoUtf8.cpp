#include "textoUtf8.h"

#include <cstdio>

namespace {

// Every byte of a sequence after its lead byte is 10xxxxxx and brings six
// bits of the code point.
const unsigned char marcaContinuacion = 0x80;
const unsigned char mascaraContinuacion = 0xc0;
const unsigned char bitsContinuacion = 0x3f;
const int desplazamientoContinuacion = 6;

// "\xNN" and its terminating zero.
const int largoEscape = 5;

const char32_t inicioSustitutos = 0xd800;
const char32_t finSustitutos = 0xdfff;
const char32_t mayorCodigo = 0x10ffff;

// The lead byte of a sequence of each length: the mask of its high bits and
// their value, the mask of the bits it brings, and the least code point the
// length may encode (a smaller one is an overlong form).
class Cabecera {
public:
    std::size_t largo;
    unsigned char mascara;
    unsigned char marca;
    unsigned char bits;
    char32_t menor;
};

const Cabecera cabeceras[] = {
    {1, 0x80, 0x00, 0x7f, 0x0},
    {2, 0xe0, 0xc0, 0x1f, 0x80},
    {3, 0xf0, 0xe0, 0x0f, 0x800},
    {4, 0xf8, 0xf0, 0x07, 0x10000},
};

const Cabecera& cabeceraDos = cabeceras[1];

bool esContinuacion(unsigned char b) { return (b & mascaraContinuacion) == marcaContinuacion; }

const Cabecera* cabeceraDe(unsigned char b)
{
    for (const Cabecera& cabecera : cabeceras) {
        if ((b & cabecera.mascara) == cabecera.marca) {
            return &cabecera;
        }
    }
    return nullptr;
}

}  // namespace

CaracterUtf8 caracterUtf8En(std::string_view texto, std::size_t i)
{
    if (i >= texto.size()) {
        return {};
    }
    const Cabecera* cabecera = cabeceraDe(static_cast<unsigned char>(texto[i]));
    if (cabecera == nullptr || cabecera->largo > texto.size() - i) {
        return {};
    }
    char32_t codigo = static_cast<unsigned char>(texto[i]) & cabecera->bits;
    for (std::size_t j = 1; j < cabecera->largo; ++j) {
        const unsigned char b = static_cast<unsigned char>(texto[i + j]);
        if (!esContinuacion(b)) {
            return {};
        }
        codigo = (codigo << desplazamientoContinuacion) | (b & bitsContinuacion);
    }
    const bool sustituto = codigo >= inicioSustitutos && codigo <= finSustitutos;
    if (codigo < cabecera->menor || sustituto || codigo > mayorCodigo) {
        return {};
    }
    return {codigo, cabecera->largo};
}

std::string utf8DeLatin1(unsigned char codigo)
{
    if (codigo < cabeceraDos.menor) {
        return std::string(1, static_cast<char>(codigo));
    }
    return {static_cast<char>(cabeceraDos.marca | (codigo >> desplazamientoContinuacion)),
            static_cast<char>(marcaContinuacion | (codigo & bitsContinuacion))};
}

std::string byteEscapado(unsigned char byte)
{
    char escape[largoEscape];
    std::snprintf(escape, sizeof escape, "\\x%02x", byte);
    return escape;
}

// The last character is the longest valid sequence that ends the text; a
// last byte that ends none is taken alone.
void borrarUltimoCaracter(std::string& texto)
{
    std::size_t largo = texto.empty() ? 0 : 1;
    for (const Cabecera& cabecera : cabeceras) {
        const std::size_t n = cabecera.largo;
        if (n <= texto.size() && caracterUtf8En(texto, texto.size() - n).largo == n) {
            largo = n;
        }
    }
    texto.resize(texto.size() - largo);
}
