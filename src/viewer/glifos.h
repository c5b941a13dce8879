// The viewer's texts, UTF-8, as codes of the fonts that draw them: the
// panel's bitmap font has the Latin-1 glyphs, the stroke font of the labels
// only ASCII.
#ifndef TRELVIK2D_GLIFOS_H
#define TRELVIK2D_GLIFOS_H

#include <functional>
#include <string>
#include <string_view>

// The first code point each font has no glyph for.
const char32_t finFuenteBitmap = 0x100;
const char32_t finFuenteTrazos = 0x80;

// Calls glifo with the font's code for each character of the text, in
// order. A character beyond the font is its letter without the accent (Á as
// A, ñ as n) where it is an accented Latin letter, "?" otherwise; a
// combining accent adds nothing to the letter before it; a byte that starts
// no valid UTF-8 character is written "\xNN", as on the console.
void paraCadaGlifo(std::string_view texto, char32_t finFuente,
                   const std::function<void(unsigned char)>& glifo);

// The whole text in the font's codes.
std::string textoParaFuente(std::string_view texto, char32_t finFuente);

#endif
