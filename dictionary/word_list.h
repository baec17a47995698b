// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reading a plain-text French word list: one entry per line, each entry turned
// into a dictionary word made of the letters A to Z, or rejected.
//
// A line that is valid UTF-8 is decoded as UTF-8; any other line is read as
// Latin-1 (old word lists often are), with the three Windows additions that
// matter for French (0x8C Œ, 0x9C œ, 0x9F Ÿ) since the C1 control codes they
// replace never occur in a word list.
//
// An entry is trimmed of surrounding blanks and control characters, then
// rejected when it starts with a capital followed by small letters (proper
// names: "Paris", "Élise") or holds anything the folding below does not turn
// into letters: blanks (phrases), hyphens (compounds), apostrophes
// (elisions), digits, points... An entry written all in capitals ("CHAT",
// "ÉLÈVE", as the dictionary export writes them) is a word.
// Folding: a-z become A-Z; the accented letters of French and their capitals
// lose their accent (é è ê ë → E, à â ä → A, ç → C, î ï → I, ô ö → O,
// ù û ü → U, ÿ → Y, ñ → N); the ligatures œ and æ become OE and AE.
// One-letter words are rejected, and so are words over kMaxWordLetters.
#include <cstddef>
#include <string>
#include <string_view>

namespace word_list {

// Longer entries are rejected: no French word comes close, and the readers of
// the dictionary stop their walks at this depth.
inline constexpr std::size_t kMaxWordLetters = 64;

enum class Entry {
    Word,     // a dictionary word
    Empty,    // nothing but blanks: not an entry at all
    Rejected, // not usable as a dictionary word
};

// Folds one line (without its line ending). `word` receives the letters when
// the result is Entry::Word; its content is unspecified otherwise.
Entry FoldEntry(std::string_view line, std::string &word);

// Calls visit(line) for each line of `text`, without its LF or CR LF ending.
// A final line without an ending is visited too; an ending at the very end of
// the text does not start a new, empty line.
template <typename Visit> void ForEachLine(std::string_view text, Visit &&visit)
{
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        visit(line);
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
}

} // namespace word_list
