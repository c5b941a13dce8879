// UTF-8 one character at a time, the keys of the window's Latin-1 keyboard
// in UTF-8, and the texts of the window in the codes of its two fonts.
#include <gtest/gtest.h>

#include <string>

#include "textoUtf8.h"
#include "viewer/glifos.h"

namespace {

class CasoCaracter {
public:
    const char* nombre;
    std::string texto;
    char32_t codigo;
    std::size_t largo;
};

}  // namespace

TEST(TextoUtf8, UnCaracterPorVez)
{
    const CasoCaracter casos[] = {
        {"ASCII", "A", 0x41, 1},
        {"Ñ en dos bytes", "\xc3\x91", 0xd1, 2},
        {"euro en tres", "\xe2\x82\xac", 0x20ac, 3},
        {"fuera del plano básico en cuatro", "\xf0\x9f\x98\x80", 0x1f600, 4},
        {"el mayor código", "\xf4\x8f\xbf\xbf", 0x10ffff, 4},
        {"más allá del mayor código", "\xf4\x90\x80\x80", 0, 0},
        {"byte de continuación suelto", "\x91", 0, 0},
        {"Ñ en Latin-1", "\xd1O", 0, 0},
        {"secuencia cortada", "\xe2\x82", 0, 0},
        {"forma larga de la barra", "\xc0\xaf", 0, 0},
        {"forma larga en tres bytes", "\xe0\x80\xaf", 0, 0},
        {"sustituto", "\xed\xa0\x80", 0, 0},
        {"byte que ninguna secuencia empieza", "\xff", 0, 0},
        {"texto vacío", "", 0, 0},
    };
    for (const CasoCaracter& caso : casos) {
        const CaracterUtf8 c = caracterUtf8En(caso.texto, 0);
        EXPECT_EQ(c.codigo, caso.codigo) << caso.nombre;
        EXPECT_EQ(c.largo, caso.largo) << caso.nombre;
    }
    EXPECT_EQ(caracterUtf8En("A\xc3\xb3", 1).codigo, 0xf3u);
    EXPECT_EQ(caracterUtf8En("A", 1).largo, 0u) << "más allá del final";
}

TEST(TextoUtf8, LasTeclasLatin1EntranEnUtf8)
{
    EXPECT_EQ(utf8DeLatin1('a'), "a");
    EXPECT_EQ(utf8DeLatin1(0x7f), "\x7f");
    EXPECT_EQ(utf8DeLatin1(0xd1), "\xc3\x91");  // Ñ
    EXPECT_EQ(utf8DeLatin1(0xf3), "\xc3\xb3");  // ó
    EXPECT_EQ(utf8DeLatin1(0x80), "\xc2\x80");
    EXPECT_EQ(utf8DeLatin1(0xff), "\xc3\xbf");  // ÿ
}

TEST(TextoUtf8, BorrarQuitaElUltimoCaracterEntero)
{
    const std::pair<std::string, std::string> casos[] = {
        {"A\xc3\x91", "A"}, {"\xe2\x82\xac", ""}, {"x\xf0\x9f\x98\x80", "x"},
        {"ab", "a"},        {"a\x91", "a"},  // a byte that ends no character goes alone
        {"", ""},
    };
    for (const auto& [texto, queda] : casos) {
        std::string t = texto;
        borrarUltimoCaracter(t);
        EXPECT_EQ(t, queda) << texto;
    }
}

namespace {

class CasoFuente {
public:
    const char* nombre;
    std::string texto;
    std::string bitmap;
    std::string trazos;
};

}  // namespace

// The bitmap font draws Latin-1, the stroke font ASCII: a letter beyond it
// loses its accent.
TEST(Glifos, CadaFuenteRecibeSusCodigos)
{
    const CasoFuente casos[] = {
        {"ASCII", "plotM 1.5", "plotM 1.5", "plotM 1.5"},
        {"Ó", "COMBINACI\xc3\x93N_1", "COMBINACI\xd3N_1", "COMBINACION_1"},
        {"Á", "VIGA_\xc3\x81REA", "VIGA_\xc1REA", "VIGA_AREA"},
        {"Ñ y ñ", "A\xc3\x91O a\xc3\xb1o", "A\xd1O a\xf1o", "ANO ano"},
        {"minúsculas acentuadas", "\xc3\xa1\xc3\xa9\xc3\xad\xc3\xb3\xc3\xba\xc3\xbc",
         "\xe1\xe9\xed\xf3\xfa\xfc", "aeiouu"},
        {"signos sin letra", "\xc2\xbf\xc3\x97", "\xbf\xd7", "??"},
        {"más allá de Latin-1", "\xe2\x82\xac\xc5\x91", "??", "??"},
        {"acento combinable", "A\xcc\x81rea", "Area", "Area"},
        {"bytes que no son UTF-8", "A\xd1O\xff", "A\\xd1O\\xff", "A\\xd1O\\xff"},
        {"salto de línea del panel", "Comando:\n/>", "Comando:\n/>", "Comando:\n/>"},
    };
    for (const CasoFuente& caso : casos) {
        EXPECT_EQ(textoParaFuente(caso.texto, finFuenteBitmap), caso.bitmap) << caso.nombre;
        EXPECT_EQ(textoParaFuente(caso.texto, finFuenteTrazos), caso.trazos) << caso.nombre;
    }
}
