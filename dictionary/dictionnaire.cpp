// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the dictionary file, the word lookups and the removal of a word.
#include "dictionary/dictionnaire.h"

#include <filesystem>
#include <system_error>

#include "dictionary/dictionnaire_lookup.h"

std::unique_ptr<TDictionnaire> TDictionnaire::Create(const std::string &fileName, char mode)
{
    return std::unique_ptr<TDictionnaire>(new TDictionnaire(fileName, mode));
}

TDictionnaire::TDictionnaire(const std::string &fileName, char mode)
{
    std::error_code error;
    const std::filesystem::path full = std::filesystem::absolute(fileName, error);
    fileName_ = error ? fileName : full.string();
    if (mode == 'W')
        file_.Open(fileName_, true);
    else
        file_.Open(fileName, false);
}

TDictionnaire::~TDictionnaire() = default;

std::uint64_t TDictionnaire::NodeCount() const
{
    file_.Refresh();
    return file_.NodeCount();
}

bool TDictionnaire::Contains(const std::string &word) const
{
    file_.Refresh();
    return dictionnaire::StoredWord(file_, word);
}

int TDictionnaire::WordState(const std::string &word) const
{
    file_.Refresh();
    dictionnaire::FoundNode last;
    return dictionnaire::WalkWord(file_, word, last);
}

bool TDictionnaire::RemoveWord(const std::string &word)
{
    file_.Refresh();
    dictionnaire::FoundNode last;
    if (dictionnaire::WalkWord(file_, word, last) != 1)
        return false;
    // Only the end-of-word flag goes: the nodes stay, so longer words that
    // share the path are untouched.
    const std::uint8_t letterByte = std::uint8_t(last.letterByte & ~trie::EndOfWord);
    const std::uint64_t node = last.groupStart + std::uint64_t(last.entry - 1);
    return file_.Write(node * trie::kNodeSize, &letterByte, 1);
}
