// SPDX-License-Identifier: GPL-3.0-or-later
// Turning word-list lines into dictionary words.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "dictionary/word_list.h"

namespace {

using word_list::Entry;
using word_list::FoldEntry;

// The folded word, or "<empty>" / "<rejected>".
std::string Fold(const std::string &line)
{
    std::string word;
    switch (FoldEntry(line, word)) {
    case Entry::Word:
        return word;
    case Entry::Empty:
        return "<empty>";
    case Entry::Rejected:
        return "<rejected>";
    }
    return "?";
}

TEST(WordListEntry, FoldsUtf8AccentsAndLigatures)
{
    EXPECT_EQ(Fold("élève"), "ELEVE");
    EXPECT_EQ(Fold("fenêtre"), "FENETRE");
    EXPECT_EQ(Fold("noël"), "NOEL");
    EXPECT_EQ(Fold("garçon"), "GARCON");
    EXPECT_EQ(Fold("châtaigne"), "CHATAIGNE");
    EXPECT_EQ(Fold("maïs"), "MAIS");
    EXPECT_EQ(Fold("côté"), "COTE");
    EXPECT_EQ(Fold("capharnaüm"), "CAPHARNAUM");
    EXPECT_EQ(Fold("cañon"), "CANON");
    EXPECT_EQ(Fold("cœur"), "COEUR");
    EXPECT_EQ(Fold("tænia"), "TAENIA");
    // Capitals after the first letter fold like the small letters.
    EXPECT_EQ(Fold("kŒÆÇÑŸÜÖÏÂÉùÿ"), "KOEAECNYUOIAEUY");
}

TEST(WordListEntry, ReadsLinesThatAreNotUtf8AsLatin1)
{
    EXPECT_EQ(Fold("\xE9l\xE8ve"), "ELEVE");
    EXPECT_EQ(Fold("gar\xE7on"), "GARCON");
    EXPECT_EQ(Fold("na\xEF"
                   "f"),
              "NAIF");
    EXPECT_EQ(Fold("t\xE6nia"), "TAENIA");
    EXPECT_EQ(Fold("c\x9C"
                   "ur"),
              "COEUR"); // the Windows variant's œ
    EXPECT_EQ(Fold("\xC9lise"), "<rejected>");
    EXPECT_EQ(Fold("\x8C"
                   "dipe"),
              "<rejected>");
    // A broken UTF-8 sequence makes the whole line Latin-1.
    EXPECT_EQ(Fold("t\xC3\xA9t\xE9"), "<rejected>"); // tÃ©té: Ã and © are no letters
}

TEST(WordListEntry, RejectsCompoundsElisionsPhrasesAndCapitals)
{
    for (const char *line :
         {"porte-monnaie", "aujourd'hui", "aujourd’hui", "pomme de terre", "à\tla", "Paris", "Élise", "Œdipe",
          "McDo", "ÉTÉs", "PORTE-CLÉ", "etc.", "mp3", "jusqú", "ça?",
          "naïve\xC2\xA0"
          "x"})
        EXPECT_EQ(Fold(line), "<rejected>") << line;
}

TEST(WordListEntry, LinesAllInCapitalsAreWords)
{
    // What the dictionary export writes reads back as the same words.
    EXPECT_EQ(Fold("CHAT"), "CHAT");
    EXPECT_EQ(Fold("ZZ"), "ZZ");
    EXPECT_EQ(Fold("ÉLÈVE"), "ELEVE");
    EXPECT_EQ(Fold("\xC9L\xC8VE"), "ELEVE"); // Latin-1
    EXPECT_EQ(Fold("CŒUR\r"), "COEUR");
    EXPECT_EQ(Fold("A"), "<rejected>"); // still one letter
}

TEST(WordListEntry, KeepsWordsOfTwoToSixtyFourLetters)
{
    EXPECT_EQ(Fold("a"), "<rejected>");
    EXPECT_EQ(Fold("à"), "<rejected>");
    EXPECT_EQ(Fold("y"), "<rejected>");
    EXPECT_EQ(Fold("ça"), "CA");
    EXPECT_EQ(Fold("œ"), "OE"); // two letters once folded
    EXPECT_EQ(Fold(std::string(64, 'z')), std::string(64, 'Z'));
    EXPECT_EQ(Fold(std::string(65, 'z')), "<rejected>");
}

TEST(WordListEntry, TrimsBlanksControlsAndByteOrderMark)
{
    EXPECT_EQ(Fold("  chat \t"), "CHAT");
    EXPECT_EQ(Fold("\xEF\xBB\xBF"
                   "abaca"),
              "ABACA");
    EXPECT_EQ(Fold("chat\x1A"), "CHAT");
    EXPECT_EQ(Fold(""), "<empty>");
    EXPECT_EQ(Fold(" \t "), "<empty>");
    EXPECT_EQ(Fold("\xC2\xA0"), "<empty>");
}

TEST(WordListLines, SplitsOnLfAndCrLf)
{
    auto lines = [](std::string_view text) {
        std::vector<std::string> seen;
        word_list::ForEachLine(text, [&seen](std::string_view line) { seen.emplace_back(line); });
        return seen;
    };
    EXPECT_EQ(lines("ab\r\nac\n\nad"), (std::vector<std::string>{"ab", "ac", "", "ad"}));
    EXPECT_EQ(lines("ab\nac\n"), (std::vector<std::string>{"ab", "ac"}));
    EXPECT_EQ(lines("ab\r\n\r\n"), (std::vector<std::string>{"ab", ""}));
    EXPECT_TRUE(lines("").empty());
}

} // namespace
