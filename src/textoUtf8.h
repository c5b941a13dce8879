// UTF-8, the encoding of the input file, of the program's messages and of
// the command typed into the window: one character at a time, and the
// Latin-1 codes that the window's keyboard hands over.
#ifndef TRELVIK2D_TEXTOUTF8_H
#define TRELVIK2D_TEXTOUTF8_H

#include <cstddef>
#include <string>
#include <string_view>

// One character of a UTF-8 text: its code point and how many bytes it
// takes; 0 bytes where the text holds no valid character.
class CaracterUtf8 {
public:
    char32_t codigo = 0;
    std::size_t largo = 0;
};

// The character that starts at texto[i]. A byte that starts no valid
// sequence (a lone continuation byte, a sequence cut short, an overlong
// form, a surrogate or a code point beyond U+10FFFF) gives largo 0.
CaracterUtf8 caracterUtf8En(std::string_view texto, std::size_t i);

// The character of Latin-1 code `codigo`, in UTF-8: itself below 128,
// two bytes from 128 on.
std::string utf8DeLatin1(unsigned char codigo);

// A byte that is no character of its own, written "\xNN" (two hex digits),
// as the console and the window show it.
std::string byteEscapado(unsigned char byte);

// Removes the last character of a UTF-8 text, all its bytes; nothing when
// the text is empty.
void borrarUltimoCaracter(std::string& texto);

#endif
