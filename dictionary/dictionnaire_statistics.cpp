// SPDX-License-Identifier: GPL-3.0-or-later
// Counts of words, letters and word lengths, as the lines that the
// dictionary manager turns into its "Info" page.
#include <array>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "dictionary/dictionnaire.h"

namespace {

constexpr int kLongestCountedWord = 40;

// A percentage with 2 significant digits in the general format: fixed
// notation ("7,3", "12", "0,05") unless the value needs more than two
// integer digits or is below 0.00001, then "1E2". The decimal separator is
// the one of the current C locale (the system's once the program has set it).
std::string FormatPercent(double value)
{
    if (!(value > 0))
        return "0";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.1e", value);
    const char *exponentText = std::strchr(buffer, 'e');
    const int exponent = exponentText != nullptr ? std::atoi(exponentText + 1) : 0;
    std::string text;
    if (exponent >= 2 || value < 0.00001) {
        const std::size_t mantissaLength =
            exponentText != nullptr ? std::size_t(exponentText - buffer) : std::strlen(buffer);
        std::string mantissa(buffer, mantissaLength);
        if (mantissa.back() == '0')
            mantissa.erase(mantissa.size() - 2); // "1.0" -> "1"
        text = mantissa + "E" + std::to_string(exponent);
    } else {
        std::snprintf(buffer, sizeof buffer, "%.*f", exponent >= 1 ? 0 : 1 - exponent, value);
        text = buffer;
        if (text.find('.') != std::string::npos) {
            while (text.back() == '0')
                text.pop_back();
            if (text.back() == '.')
                text.pop_back();
        }
    }
    const char *point = std::localeconv()->decimal_point;
    for (char &c : text)
        if (c == '.' && point != nullptr && point[0] != '\0')
            c = point[0];
    return text;
}

std::string Ratio(std::uint64_t count, std::uint64_t total)
{
    // An empty dictionary shows 0 rather than a division of 0 by 0.
    return FormatPercent(total == 0 ? 0.0 : double(count) * 100.0 / double(total));
}

} // namespace

std::vector<std::string> TDictionnaire::Statistics() const
{
    std::vector<std::string> lines;
    std::uint64_t wordCount = 0;
    std::array<std::uint64_t, 26> letterCounts{};
    std::array<std::uint64_t, kLongestCountedWord + 1> lengthCounts{};
    Traverse([&](const std::string &word, std::uint8_t letterByte) {
        if ((letterByte & trie::EndOfWord) == 0)
            return;
        ++wordCount;
        for (char c : word)
            if (c >= 'A' && c <= 'Z')
                ++letterCounts[std::size_t(c - 'A')];
        if (word.size() <= std::size_t(kLongestCountedWord))
            ++lengthCounts[word.size()];
        if ((letterByte & trie::UserWord) != 0)
            lines.push_back("$P$ " + word);
    });

    std::uint64_t letterTotal = 0;
    for (std::uint64_t count : letterCounts)
        letterTotal += count;
    lines.push_back("$N$ " + std::to_string(wordCount));
    for (int letter = 0; letter < 26; ++letter) {
        const std::uint64_t count = letterCounts[std::size_t(letter)];
        lines.push_back("$L$" + std::string(1, char('A' + letter)) + "  " + std::to_string(count) + "   (" +
                        Ratio(count, letterTotal) + "%)");
    }
    for (int length = 1; length <= kLongestCountedWord; ++length) {
        const std::uint64_t count = lengthCounts[std::size_t(length)];
        if (count > 0)
            lines.push_back("$G$" + std::to_string(length) + "  " + std::to_string(count) + "   (" +
                            Ratio(count, wordCount) + "%)");
    }
    return lines;
}

std::string TDictionnaire::StatisticsClipboardLine(const std::vector<std::string> &statistics)
{
    return statistics.empty() ? std::string() : statistics.back();
}
