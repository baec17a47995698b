// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the dictionary file, the word lookups, the removal of a word and
// the changes of the file as a whole.
#include "dictionary/dictionnaire.h"

#include <cerrno>
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
    // The full path in both modes: the file is looked at again by its path at
    // every call, whatever the current folder has become.
    file_.Open(fileName_, mode == 'W');
}

TDictionnaire::~TDictionnaire()
{
    AbandonChanges();
}

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
    // A word that is not stored needs no change (nor the lock).
    if (!IsWritable() || !dictionnaire::StoredWord(file_, word))
        return false;
    return AsOneChange([&] { return RemoveWordFromCopy(word); });
}

bool TDictionnaire::RemoveWordFromCopy(const std::string &word)
{
    dictionnaire::FoundNode last;
    if (dictionnaire::WalkWord(file_, word, last) != 1)
        return false;
    // Only the end-of-word flag goes: the nodes stay, so longer words that
    // share the path are untouched.
    const std::uint8_t letterByte = std::uint8_t(last.letterByte & ~trie::EndOfWord);
    const std::uint64_t node = last.groupStart + std::uint64_t(last.entry - 1);
    return file_.Write(node * trie::kNodeSize, &letterByte, 1);
}

bool TDictionnaire::BeginChanges()
{
    if (InBatch())
        return true;
    if (!IsWritable()) {
        lastChangeError_ = EACCES;
        return false;
    }
    changeTarget_ = file_replacement::TargetOf(fileName_);
    int error = lock_.Acquire(changeTarget_);
    std::vector<std::uint8_t> content;
    if (error == 0) {
        // Under the lock no other change is writing a temporary file: any
        // one left is from a change that was killed.
        file_replacement::RemoveStaleTemporaries(changeTarget_);
        error = file_replacement::ReadAll(lock_.Descriptor(), content);
    }
    lastChangeError_ = error;
    if (error != 0) {
        lock_.Release();
        return false;
    }
    file_.BeginEdit(std::move(content));
    return true;
}

bool TDictionnaire::CommitChanges()
{
    if (!InBatch())
        return false;
    int error = 0;
    if (file_.Edited()) {
        const std::vector<std::uint8_t> &image = file_.Image();
        error = file_replacement::Replace(changeTarget_, image.data(), image.size(), lock_.Descriptor());
    }
    file_.EndEdit();
    lock_.Release();
    file_.Refresh();
    lastChangeError_ = error;
    return error == 0;
}

void TDictionnaire::AbandonChanges()
{
    if (InBatch())
        file_.EndEdit();
    lock_.Release();
}

bool TDictionnaire::AsOneChange(const std::function<bool()> &change)
{
    if (InBatch())
        return change();
    if (!BeginChanges())
        return false;
    const bool done = change();
    return CommitChanges() && done;
}
