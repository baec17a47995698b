// SPDX-License-Identifier: GPL-3.0-or-later
// Export of the word list to a text file, one word per line.
#include "dictionary/dictionnaire.h"
#include "dictionary/file_replacement.h"

#include <cstdio>
#include <sys/stat.h>

namespace {

// A device or a pipe (the standard output) is written as it is.
bool WriteStream(const std::string &target, const std::string &text)
{
    std::FILE *out = std::fopen(target.c_str(), "wb");
    if (out == nullptr)
        return false;
    const bool written = std::fwrite(text.data(), 1, text.size(), out) == text.size();
    return std::fclose(out) == 0 && written;
}

} // namespace

std::string TDictionnaire::WordListText(bool standard, bool user) const
{
    std::string text;
    Traverse([&](const std::string &word, std::uint8_t letterByte) {
        if ((letterByte & trie::EndOfWord) == 0)
            return;
        const bool isUserWord = (letterByte & trie::UserWord) != 0;
        if ((isUserWord && user) || (!isUserWord && standard)) {
            text += word;
            text += "\r\n";
        }
    });
    return text;
}

bool TDictionnaire::ExportWords(const std::string &textFileName, bool standard, bool user) const
{
    const std::string text = WordListText(standard, user);
    struct stat target {};
    if (stat(textFileName.c_str(), &target) == 0 && !S_ISREG(target.st_mode))
        return WriteStream(textFileName, text);
    // A file is written beside the target and put in its place whole: a full
    // disk leaves an earlier export as it was, not a short file.
    return file_replacement::Replace(textFileName, text.data(), text.size()) == 0;
}
