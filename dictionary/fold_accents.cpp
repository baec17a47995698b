// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/fold_accents.h"

#include <array>

namespace {

// Replacement of each byte from 128 to 255; 0 stands for "becomes a blank".
constexpr std::array<char, 128> MakeHighTable()
{
    std::array<char, 128> table{};
    auto set = [&table](int code, char letter) { table[code - 128] = letter; };
    for (int code : {192, 196, 197})
        set(code, 'A');
    for (int code : {198, 200, 201, 202, 203})
        set(code, 'E');
    set(199, 'C');
    set(209, 'N');
    set(214, 'O');
    for (int code : {217, 219, 220})
        set(code, 'U');
    for (int code : {224, 225, 226, 228, 229})
        set(code, 'a');
    for (int code : {230, 232, 233, 234, 235})
        set(code, 'e');
    set(231, 'c');
    for (int code : {236, 237, 238, 239})
        set(code, 'i');
    set(241, 'n');
    for (int code : {242, 243, 244, 246})
        set(code, 'o');
    for (int code : {249, 250, 251})
        set(code, 'u');
    set(255, 'y');
    return table;
}

constexpr std::array<char, 128> kHighTable = MakeHighTable();

} // namespace

std::string FoldAccents(const std::string &text)
{
    std::string folded(text.size(), ' ');
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto code = static_cast<unsigned char>(text[i]);
        if (code >= 32 && code <= 126)
            folded[i] = char(code);
        else if (code >= 128 && kHighTable[code - 128] != 0)
            folded[i] = kHighTable[code - 128];
    }
    return folded;
}
