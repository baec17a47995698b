// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/savefile/header_cipher.h"

namespace savefile {

namespace {

constexpr std::string_view kKeyPhrase = "Les mots se croisent sous la lampe d'Oxa";

// The key byte for position i: the phrase repeated, stirred by the position so
// that repeated plain characters do not give repeated pairs.
unsigned char KeyByte(std::size_t i)
{
    const unsigned char phrase = static_cast<unsigned char>(kKeyPhrase[i % kKeyPhrase.size()]);
    return static_cast<unsigned char>(phrase ^ (i * 37 + 11));
}

int HexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

} // namespace

std::string EncipherHeaderText(std::string_view plain)
{
    static const char digits[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(plain.size() * 2);
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(plain[i]) ^ KeyByte(i);
        out += digits[byte >> 4];
        out += digits[byte & 15];
    }
    return out;
}

std::optional<std::string> DecipherHeaderText(std::string_view enciphered)
{
    if (enciphered.size() % 2 != 0)
        return std::nullopt;
    std::string plain;
    plain.reserve(enciphered.size() / 2);
    for (std::size_t i = 0; i < enciphered.size(); i += 2) {
        const int high = HexValue(enciphered[i]);
        const int low = HexValue(enciphered[i + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        plain += static_cast<char>((high << 4 | low) ^ KeyByte(i / 2));
    }
    return plain;
}

} // namespace savefile
