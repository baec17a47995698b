// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// French texts of the engine. The sources are UTF-8; every text the engine
// hands out is bytes of the Windows-1252 code page
// (framework/savefile/code_page.h), like the rest of its strings.
#include <string>
#include <string_view>

namespace scrabble {

// A UTF-8 literal of the sources as bytes of the code page.
std::string CodePage(std::string_view utf8);
// Bytes of the code page as UTF-8 (for a terminal).
std::string Utf8(std::string_view bytes);

// printf-like substitution of the first "%s" or "%d".
std::string Substitute(std::string_view pattern, std::string_view value);

// Message of an input error code: 1 to 4 for exchanges, 10 to 18 for word
// placements. detail fills the "%s" of codes 3, 12 and 18.
std::string ErrorMessage(int code, std::string_view detail = {});

} // namespace scrabble
