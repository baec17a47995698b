// SPDX-License-Identifier: GPL-3.0-or-later
// Export of the word list to a text file, one word per line.
#include <cstdio>

#include "dictionary/dictionnaire.h"

bool TDictionnaire::ExportWords(const std::string &textFileName, bool standard, bool user) const
{
    std::FILE *out = std::fopen(textFileName.c_str(), "wb");
    if (out == nullptr)
        return false;
    bool written = true;
    Traverse([&](const std::string &word, std::uint8_t letterByte) {
        if ((letterByte & trie::EndOfWord) == 0)
            return;
        const bool isUserWord = (letterByte & trie::UserWord) != 0;
        if ((isUserWord && user) || (!isUserWord && standard)) {
            written = written && std::fwrite(word.data(), 1, word.size(), out) == word.size() &&
                      std::fputs("\r\n", out) >= 0;
        }
    });
    // A failed write (a full disk) is a failed export, not a silent short file.
    return std::fclose(out) == 0 && written;
}
