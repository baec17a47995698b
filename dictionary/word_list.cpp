// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/word_list.h"

#include <algorithm>
#include <string_view>

namespace word_list {

namespace {

// Strict UTF-8 decoding: false on any malformed sequence, overlong form,
// surrogate or code past U+10FFFF.
bool DecodeUtf8(std::string_view text, std::u32string &decoded)
{
    decoded.clear();
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int length;
        char32_t min;
        if (lead < 0x80) {
            decoded.push_back(lead);
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2, min = 0x80;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3, min = 0x800;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4, min = 0x10000;
        } else {
            return false;
        }
        if (text.size() - i < std::size_t(length))
            return false;
        char32_t code = lead & (0xFF >> (length + 1));
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = code << 6 | (next & 0x3F);
        }
        if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        decoded.push_back(code);
        i += length;
    }
    return true;
}

void DecodeLatin1(std::string_view text, std::u32string &decoded)
{
    decoded.clear();
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        decoded.push_back(byte == 0x8C   ? U'\u0152'
                          : byte == 0x9C ? U'\u0153'
                          : byte == 0x9F ? U'\u0178'
                                         : byte);
    }
}

bool IsBlankOrControl(char32_t c)
{
    return c <= 0x20 || (c >= 0x7F && c <= 0xA0) || c == 0xFEFF; // 0xFEFF: byte order mark
}

bool IsCapital(char32_t c)
{
    return (c >= U'A' && c <= U'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || c == 0x152 || c == 0x178;
}

struct Folding {
    std::u32string_view from;
    const char *to;
};

constexpr Folding kFoldings[] = {
    {U"éèêëÉÈÊË", "E"}, {U"àâäÀÂÄ", "A"}, {U"çÇ", "C"}, {U"îïÎÏ", "I"}, {U"ôöÔÖ", "O"},
    {U"ùûüÙÛÜ", "U"},   {U"ÿŸ", "Y"},     {U"ñÑ", "N"}, {U"œŒ", "OE"},  {U"æÆ", "AE"},
};

// The letters `c` stands for, or nullptr when it is not a letter of French.
const char *FoldedLetters(char32_t c)
{
    for (const Folding &folding : kFoldings)
        if (folding.from.find(c) != std::u32string_view::npos)
            return folding.to;
    return nullptr;
}

bool IsSmallLetter(char32_t c)
{
    return (c >= U'a' && c <= U'z') || (!IsCapital(c) && FoldedLetters(c) != nullptr);
}

} // namespace

Entry FoldEntry(std::string_view line, std::string &word)
{
    word.clear();
    thread_local std::u32string text; // reused: one allocation for the whole list
    if (!DecodeUtf8(line, text))
        DecodeLatin1(line, text);
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsBlankOrControl(text[begin]))
        ++begin;
    while (end > begin && IsBlankOrControl(text[end - 1]))
        --end;
    if (begin == end)
        return Entry::Empty;
    // A capital followed by small letters is a name; a line all in capitals
    // (a word list written by the export, for one) is a word.
    if (IsCapital(text[begin]) &&
        std::any_of(text.begin() + std::ptrdiff_t(begin), text.begin() + std::ptrdiff_t(end), IsSmallLetter))
        return Entry::Rejected;

    for (std::size_t i = begin; i < end; ++i) {
        const char32_t c = text[i];
        if (c >= U'a' && c <= U'z')
            word.push_back(char(c - U'a' + 'A'));
        else if (c >= U'A' && c <= U'Z')
            word.push_back(char(c));
        else if (const char *letters = FoldedLetters(c))
            word += letters;
        else
            return Entry::Rejected;
    }
    if (word.size() < 2 || word.size() > kMaxWordLetters)
        return Entry::Rejected;
    return Entry::Word;
}

} // namespace word_list
