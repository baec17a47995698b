// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Builds a dictionary file (see trie_format.h) from a word list in one pass:
// the entries are folded into words in memory, then the whole trie is laid
// out at once and written. Inserting the words one by one into the file would
// shift it at every new letter and take hours for a full French list.
//
// Layout of the trie written:
// - every sibling group is contiguous, its letters in alphabetical order, the
//   first one marked GroupHead; the root group starts at node 0;
// - child groups follow in depth-first order (a group, then the whole
//   subtree of its first letter, then of its second letter...), so the groups
//   a lookup goes through tend to lie close together in the file;
// - no node carries UserWord: these are the standard words.
//
// Errors are returned, never thrown.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

enum class DictionaryBuildError {
    None,
    UnreadableWordList, // the word-list file cannot be opened or read
    NoUsableWord,       // not one entry gave a dictionary word
    UnwritableOutput,   // the dictionary file cannot be written
};

class DictionaryBuilder {
public:
    // Adds one word-list entry (a line without its line ending, see
    // word_list.h). Returns true when it gave a word. An entry that gives no
    // word, or a word already added, counts as skipped; a blank line counts
    // as nothing.
    bool AddEntry(std::string_view entry);
    // Adds every line of a word list's text.
    void AddEntries(std::string_view text);
    // Reads a word-list file and adds its lines; false when it cannot be read
    // (nothing is added then).
    bool AddWordListFile(const std::string &path);

    std::size_t KeptCount() const { return Words().size(); }
    // Entries that gave no word (names, compounds, one letter...).
    std::size_t RejectedCount() const { return rejected_; }
    // Entries that gave a word already added: "chat" twice, or "élève" and
    // "ELEVE", which fold to the same word.
    std::size_t DuplicateCount() const;
    // Both of the above.
    std::size_t SkippedCount() const;

    // The dictionary file's bytes for the words added so far (empty when none).
    std::vector<std::uint8_t> TrieBytes() const;

    // Writes the dictionary file, replacing `path` only once the whole file is
    // safely written (see WriteFileAtomically). NoUsableWord when no word was
    // added: an existing file is then left as it was.
    DictionaryBuildError WriteFile(const std::string &path) const;

private:
    // The words added, sorted and without duplicates. The words are kept in
    // a plain vector and sorted once at the end, which is several times
    // faster than a hash set for a whole word list.
    const std::vector<std::string> &Words() const;

    mutable std::vector<std::string> words_;
    mutable bool sorted_ = true;         // words_ is sorted and distinct
    mutable std::size_t duplicates_ = 0; // removed by the sorts so far
    std::size_t rejected_ = 0;
    std::string scratch_; // reused by AddEntry to avoid an allocation per line
};

struct DictionaryBuildReport {
    DictionaryBuildError error = DictionaryBuildError::None;
    std::size_t kept = 0;
    std::size_t skipped = 0;    // rejected + duplicates
    std::size_t rejected = 0;   // entries that gave no word
    std::size_t duplicates = 0; // entries that gave a word already kept
};

// Reads the word list `wordList` and writes the dictionary file `output`.
DictionaryBuildReport BuildDictionaryFile(const std::string &wordList, const std::string &output);
