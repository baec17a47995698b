// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The 8-bit code page of every text the program keeps as bytes (saved games,
// the settings part, text exports, the engines' messages): Windows-1252, the
// Western European page. It is Latin-1 for every byte except 0x80 to 0x9F,
// where it has the typographic signs French needs (œ Œ € ’ « » are all in
// it). The five bytes the page leaves undefined (0x81, 0x8D, 0x8F, 0x90,
// 0x9D) stand for the control characters of the same code, so that every
// byte reads and writes back unchanged.
#include <string>
#include <string_view>

namespace savefile {

// The Unicode character of a byte.
char32_t CodePageToUnicode(unsigned char byte);
// The byte of a Unicode character; -1 when the page has none.
int UnicodeToCodePage(char32_t code);

// Bytes of the code page <-> UTF-8. A character that the page lacks, or a
// byte that is not valid UTF-8, becomes '?'.
std::string CodePageToUtf8(std::string_view bytes);
std::string Utf8ToCodePage(std::string_view utf8);

} // namespace savefile
