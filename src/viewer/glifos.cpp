#include "viewer/glifos.h"

#include "textoUtf8.h"

namespace {

// The letters of Latin-1 from U+00C0 to U+00FF without their accents; "?"
// where the sign is no accented letter (Æ, ×, Þ, ß, æ, ÷, þ).
const char32_t inicioLetrasLatin1 = 0xc0;
const char32_t finLetrasLatin1 = 0x100;
const char* const letrasSinAcento = "AAAAAA?CEEEEIIII"
                                    "DNOOOOO?OUUUUY??"
                                    "aaaaaa?ceeeeiiii"
                                    "dnooooo?ouuuuy?y";
const unsigned char sinGlifo = '?';

// The combining accents, which follow the letter they go on.
const char32_t inicioAcentosCombinables = 0x300;
const char32_t finAcentosCombinables = 0x370;

unsigned char sinAcento(char32_t codigo)
{
    if (codigo >= inicioLetrasLatin1 && codigo < finLetrasLatin1) {
        return static_cast<unsigned char>(letrasSinAcento[codigo - inicioLetrasLatin1]);
    }
    return sinGlifo;
}

void escapar(unsigned char byte, const std::function<void(unsigned char)>& glifo)
{
    for (const char c : byteEscapado(byte)) {
        glifo(static_cast<unsigned char>(c));
    }
}

}  // namespace

void paraCadaGlifo(std::string_view texto, char32_t finFuente,
                   const std::function<void(unsigned char)>& glifo)
{
    std::size_t i = 0;
    while (i < texto.size()) {
        const CaracterUtf8 c = caracterUtf8En(texto, i);
        if (c.largo == 0) {
            escapar(static_cast<unsigned char>(texto[i]), glifo);
            ++i;
            continue;
        }
        i += c.largo;
        if (c.codigo >= inicioAcentosCombinables && c.codigo < finAcentosCombinables) {
            continue;
        }
        glifo(c.codigo < finFuente ? static_cast<unsigned char>(c.codigo) : sinAcento(c.codigo));
    }
}

std::string textoParaFuente(std::string_view texto, char32_t finFuente)
{
    std::string codigos;
    paraCadaGlifo(texto, finFuente, [&codigos](unsigned char c) { codigos += static_cast<char>(c); });
    return codigos;
}
