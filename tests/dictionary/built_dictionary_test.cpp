// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary files the build makes from the French lexicon: the
// two-letter words French players know and none of the symbols, no word
// without a vowel but the allowed ones, the modern words; the common words
// to guess, each a word of the main file; and the main file built again
// from its own export, byte for byte.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>

#include "dictionary/dictionary_builder.h"
#include "dictionary/dictionnaire.h"

namespace {

bool FromLexicon()
{
    return std::string(LUDORINE_WORD_LIST_SOURCE) == "grammalecte";
}

std::set<std::string> Words(const TDictionnaire &dico)
{
    std::set<std::string> words;
    std::istringstream lines(dico.WordListText(true, true));
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            words.insert(line);
    }
    return words;
}

// The words of a list of resources/words, upper-cased, comments left out.
std::set<std::string> ListFile(const char *name)
{
    std::ifstream in(std::string(LUDORINE_WORD_FILES) + "/" + name);
    std::set<std::string> words;
    for (std::string line; std::getline(in, line);) {
        line = line.substr(0, line.find('#'));
        std::string word;
        for (const char c : line)
            if (c >= 'a' && c <= 'z')
                word += char(c - 'a' + 'A');
        if (!word.empty())
            words.insert(word);
    }
    return words;
}

bool HasVowel(const std::string &word)
{
    return word.find_first_of("AEIOUY") != std::string::npos;
}

} // namespace

TEST(BuiltDictionary, TheWordsFrenchPlayersLookForFirst)
{
    if (!FromLexicon())
        GTEST_SKIP() << "built from " << LUDORINE_WORD_LIST_SOURCE;
    auto dico = TDictionnaire::Create(LUDORINE_TEST_DICTIONARY, 'R');
    ASSERT_TRUE(dico->IsOpen());
    const std::set<std::string> words = Words(*dico);
    EXPECT_GT(words.size(), 400000u);
    EXPECT_LT(words.size(), 440000u);
    std::set<std::string> two;
    for (const std::string &w : words)
        if (w.size() == 2)
            two.insert(w);
    const std::set<std::string> expected{
        "AA", "AH", "AI", "AN", "AS", "AU", "AY", "BA", "BE", "BI", "BU", "CA", "CE", "CI", "DA", "DE", "DO",
        "DU", "EH", "EN", "ES", "ET", "EU", "EX", "FA", "FI", "GO", "HA", "HE", "HI", "HO", "IF", "IL", "IN",
        "JA", "JE", "KA", "LA", "LE", "LI", "LU", "MA", "ME", "MI", "MU", "NA", "NE", "NI", "NO", "NU", "OC",
        "OH", "OM", "ON", "OR", "OS", "OU", "PI", "PU", "QI", "RA", "RE", "RI", "RU", "SA", "SE", "SI", "SU",
        "TA", "TE", "TO", "TU", "UN", "US", "UT", "VA", "VE", "VS", "VU", "WU", "XI"};
    EXPECT_EQ(two, expected);
    for (const char *symbol : {"KG", "KM", "CM", "MM", "ML", "DL", "CC", "PH", "PL", "PR",  "ST",  "TR", "QU",
                               "PA", "PE", "PO", "EL", "ER", "YE", "AC", "AM", "BD", "QQN", "CPT", "HG"})
        EXPECT_FALSE(dico->Contains(symbol)) << symbol;
    for (const char *modern : {"INTERNET", "BLOG", "TEXTO", "RESTO", "DRONE", "CHAT", "ELEVE", "COEUR"})
        EXPECT_TRUE(dico->Contains(modern)) << modern;
    const std::set<std::string> allowed = ListFile("allow.txt");
    for (const std::string &w : words) {
        if (!HasVowel(w)) {
            EXPECT_TRUE(allowed.count(w)) << w;
        }
    }
    for (const std::string &w : ListFile("deny.txt"))
        EXPECT_FALSE(words.count(w)) << w;
}

TEST(BuiltDictionary, CommonWordsToGuessAreWordsOfTheDictionary)
{
    auto dico = TDictionnaire::Create(LUDORINE_TEST_DICTIONARY, 'R');
    auto common = TDictionnaire::Create(LUDORINE_TEST_COMMON_WORDS, 'R');
    ASSERT_TRUE(dico->IsOpen());
    ASSERT_TRUE(common->IsOpen());
    const std::set<std::string> words = Words(*common);
    EXPECT_GT(words.size(), 3000u);
    EXPECT_LT(words.size(), 8000u);
    for (const std::string &w : words) {
        EXPECT_GE(w.size(), 3u) << w;
        EXPECT_LE(w.size(), 12u) << w;
        EXPECT_TRUE(dico->Contains(w)) << w;
    }
    for (const std::string &w : ListFile("stop.txt"))
        EXPECT_FALSE(words.count(w)) << w;
    // Base forms only: the singular, the infinitive.
    for (const char *base : {"MAISON", "MANGER", "MONTAGNE"})
        EXPECT_TRUE(words.count(base)) << base;
    for (const char *other : {"MAISONS", "MANGEONS", "SUREDIFIERIEZ", "PARIS"})
        EXPECT_FALSE(words.count(other)) << other;
}

TEST(BuiltDictionary, ItsExportBuildsTheSameFile)
{
    auto dico = TDictionnaire::Create(LUDORINE_TEST_DICTIONARY, 'R');
    ASSERT_TRUE(dico->IsOpen());
    DictionaryBuilder builder;
    builder.AddEntries(dico->WordListText(true, true));
    std::ifstream file(LUDORINE_TEST_DICTIONARY, std::ios::binary);
    const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                                          std::istreambuf_iterator<char>());
    EXPECT_EQ(builder.KeptCount(), Words(*dico).size());
    EXPECT_TRUE(builder.TrieBytes() == bytes);
}
