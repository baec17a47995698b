// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/dictionary_builder.h"

#include <algorithm>
#include <array>

#include "dictionary/dictionary_builder_io.h"
#include "dictionary/trie_format.h"
#include "dictionary/word_list.h"

namespace {

// Lays out the trie of a sorted list of distinct A-Z words.
class TrieLayout {
public:
    explicit TrieLayout(const std::vector<std::string> &words) : words_(words) {}

    std::vector<std::uint8_t> Build()
    {
        if (!words_.empty())
            EmitGroup(0, words_.size(), 0);
        return std::move(bytes_);
    }

private:
    // One letter of a group: the words [begin, end) share it at this depth.
    struct Member {
        char letter;
        std::size_t begin, end;
    };

    // Writes the group of the words [begin, end), which share their first
    // `depth` letters and are all longer than that, then the subtrees of its
    // letters in order. Returns the group's first node number.
    std::uint32_t EmitGroup(std::size_t begin, std::size_t end, std::size_t depth)
    {
        std::array<Member, 26> members; // the words are A-Z only
        std::size_t count = 0;
        for (std::size_t i = begin; i < end;) {
            const char letter = words_[i][depth];
            std::size_t j = i + 1;
            while (j < end && words_[j][depth] == letter)
                ++j;
            members[count++] = {letter, i, j};
            i = j;
        }

        const auto first = std::uint32_t(bytes_.size() / trie::kNodeSize);
        bytes_.resize(bytes_.size() + count * trie::kNodeSize);
        for (std::size_t k = 0; k < count; ++k) {
            auto [letter, childBegin, childEnd] = members[k];
            std::uint8_t letterByte = trie::CodeOf(letter);
            if (k == 0)
                letterByte |= trie::GroupHead;
            // Sorted and distinct: a word ending here is the first of its run.
            if (words_[childBegin].size() == depth + 1) {
                letterByte |= trie::EndOfWord;
                ++childBegin;
            }
            const std::uint32_t child =
                childBegin < childEnd ? EmitGroup(childBegin, childEnd, depth + 1) : 0;
            // Taken only now: the recursion above grows (and may move) bytes_.
            std::uint8_t *node = &bytes_[(first + k) * trie::kNodeSize];
            node[0] = letterByte;
            trie::SetChildIndex(node, child);
        }
        return first;
    }

    const std::vector<std::string> &words_;
    std::vector<std::uint8_t> bytes_;
};

} // namespace

bool DictionaryBuilder::AddEntry(std::string_view entry)
{
    switch (word_list::FoldEntry(entry, scratch_)) {
    case word_list::Entry::Empty:
        return false;
    case word_list::Entry::Rejected:
        ++rejected_;
        return false;
    case word_list::Entry::Word:
        break;
    }
    words_.push_back(scratch_);
    sorted_ = false;
    return true;
}

void DictionaryBuilder::AddEntries(std::string_view text)
{
    word_list::ForEachLine(text, [this](std::string_view line) { AddEntry(line); });
}

bool DictionaryBuilder::AddWordListFile(const std::string &path)
{
    std::string text;
    if (!dictionary_builder_io::ReadWholeFile(path, text))
        return false;
    AddEntries(text);
    return true;
}

const std::vector<std::string> &DictionaryBuilder::Words() const
{
    if (!sorted_) {
        std::sort(words_.begin(), words_.end());
        const auto end = std::unique(words_.begin(), words_.end());
        duplicates_ += std::size_t(words_.end() - end);
        words_.erase(end, words_.end());
        sorted_ = true;
    }
    return words_;
}

std::size_t DictionaryBuilder::DuplicateCount() const
{
    Words();
    return duplicates_;
}

std::size_t DictionaryBuilder::SkippedCount() const
{
    return RejectedCount() + DuplicateCount();
}

std::vector<std::uint8_t> DictionaryBuilder::TrieBytes() const
{
    return TrieLayout(Words()).Build();
}

DictionaryBuildError DictionaryBuilder::WriteFile(const std::string &path) const
{
    if (Words().empty())
        return DictionaryBuildError::NoUsableWord;
    const std::vector<std::uint8_t> bytes = TrieBytes();
    if (!dictionary_builder_io::WriteFileAtomically(path, bytes.data(), bytes.size()))
        return DictionaryBuildError::UnwritableOutput;
    return DictionaryBuildError::None;
}

DictionaryBuildReport BuildDictionaryFile(const std::string &wordList, const std::string &output)
{
    DictionaryBuilder builder;
    DictionaryBuildReport report;
    if (!builder.AddWordListFile(wordList)) {
        report.error = DictionaryBuildError::UnreadableWordList;
        return report;
    }
    report.kept = builder.KeptCount();
    report.skipped = builder.SkippedCount();
    report.rejected = builder.RejectedCount();
    report.duplicates = builder.DuplicateCount();
    report.error = builder.WriteFile(output);
    return report;
}
