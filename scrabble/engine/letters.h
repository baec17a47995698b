// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Letters of the Scrabble games: the alphabet, the vowel and consonant lists
// of the draw balance rule, the face values of the French set and the joker
// convention ('*' for a joker without letter, a lower-case letter for a
// joker that was given one). Strings are bytes of the Windows-1252 code page.
#include <string>
#include <string_view>

namespace scrabble {

inline constexpr std::string_view kAlphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline constexpr std::string_view kVowels = "AEIOUY";
inline constexpr std::string_view kConsonants = "BCDFGHJKLMNPQRSTVWXYZ"; // Y is in both lists
inline constexpr char kJoker = '*';

// Face value of an upper-case letter; 0 for '*', lower case and anything else.
int LetterValue(char ch);

inline bool IsUpperLetter(char c)
{
    return c >= 'A' && c <= 'Z';
}
inline bool IsLowerLetter(char c)
{
    return c >= 'a' && c <= 'z';
}
inline char Upper(char c)
{
    return IsLowerLetter(c) ? char(c - 'a' + 'A') : c;
}
inline char Lower(char c)
{
    return IsUpperLetter(c) ? char(c - 'A' + 'a') : c;
}
inline bool IsVowel(char c)
{
    return kVowels.find(c) != std::string_view::npos;
}
inline bool IsConsonant(char c)
{
    return kConsonants.find(c) != std::string_view::npos;
}
std::string UpperCase(std::string_view text);
std::string Trimmed(std::string_view text);

// A tile set: the letters of the bag in the order the bag is filled (each
// repeated by its count) and the number of jokers. The values are the
// game's scoring's.
struct TileSet {
    std::string letters;
    int jokers = 0;

    int TileCount() const { return int(letters.size()) + jokers; }
};

// The French set: 100 letters in alphabetical order and two jokers.
const TileSet &FrenchTileSet();

} // namespace scrabble
