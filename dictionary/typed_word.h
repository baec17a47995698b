// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The word field of the dictionary manager: what the user types becomes the
// dictionary word it stands for, and a word must have a length the
// dictionary accepts before it is added.
#include <string>

namespace typed_word {

inline constexpr std::size_t kMinLetters = 2;
inline constexpr std::size_t kMaxLetters = 30;

// `typed` is Latin-1 text (the field shows it in capitals). Accents are
// folded with FoldAccents, ASCII letters upper-cased, and only the letters
// A-Z kept: "ÉLÈVE" gives ELEVE, "CÔTE" gives CTE (Ô has no folding).
std::string DictionaryWordOf(const std::string &typed);

// A word of kMinLetters to kMaxLetters letters.
bool HasAcceptedLength(const std::string &word);

} // namespace typed_word
