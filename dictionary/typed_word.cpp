// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/typed_word.h"

#include "dictionary/fold_accents.h"

namespace typed_word {

std::string DictionaryWordOf(const std::string &typed)
{
    std::string word;
    for (char c : FoldAccents(typed)) {
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        if (c >= 'A' && c <= 'Z')
            word += c;
    }
    return word;
}

bool HasAcceptedLength(const std::string &word)
{
    return word.size() >= kMinLetters && word.size() <= kMaxLetters;
}

} // namespace typed_word
