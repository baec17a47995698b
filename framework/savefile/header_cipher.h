// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The cipher of the texts of a saved game's header. The texts are not secret;
// the cipher only keeps them from being edited by hand without the check
// values failing. Each byte is mixed with a key stream drawn from a fixed
// phrase and written as two capital hexadecimal digits, so that the result
// is printable and twice as long as the plain text.
#include <optional>
#include <string>
#include <string_view>

namespace savefile {

std::string EncipherHeaderText(std::string_view plain);

// The plain text; nullopt when the text is not the output of the cipher
// (odd length, a character other than 0-9 and A-F).
std::optional<std::string> DecipherHeaderText(std::string_view enciphered);

} // namespace savefile
