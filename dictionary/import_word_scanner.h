// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Finds the candidate words of a text file for the dictionary manager's
// import: runs of letters, accents folded, of 2 to 30 letters, that the
// dictionary does not know yet, each listed once in the order of the text.
//
// The file is fed in chunks of any size, so a file with very long lines (or
// none at all) is read without holding it whole. A byte sequence that is
// valid UTF-8 is decoded as such; any other byte is read as Latin-1 (with the
// Windows Œ and œ at 0x8C and 0x9C). Characters that are not letters after
// folding end a word; so do line ends, NUL bytes and the rest of a binary
// file. A run of more than 30 letters is no word and is dropped whole.
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

class ImportWordScanner {
public:
    using KnownWord = std::function<bool(const std::string &)>;

    explicit ImportWordScanner(KnownWord isKnown);

    // The next bytes of the file.
    void Feed(std::string_view bytes);
    // The end of the file: ends the last word.
    void Finish();

    const std::vector<std::string> &Words() const { return words_; }

private:
    void TakeCodePoint(char32_t code);
    void TakeLatin1(unsigned char c);
    void EndWord();
    // Length of the UTF-8 sequence starting `bytes` (0: not valid UTF-8,
    // -1: valid so far but cut by the end of `bytes`).
    static int Utf8Length(std::string_view bytes, char32_t &code);

    KnownWord isKnown_;
    std::array<char, 256> letterOf_{}; // folded upper-case letter of each Latin-1 byte, or 0
    std::string pending_;              // the start of a UTF-8 sequence cut by the end of a chunk
    std::string word_;
    bool tooLong_ = false;
    std::unordered_set<std::string> listed_; // the words of words_
    std::unordered_set<std::string> known_;  // words found in the dictionary, looked up once
    std::vector<std::string> words_;
};
