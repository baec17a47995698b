// SPDX-License-Identifier: GPL-3.0-or-later
// The searches, on a small dictionary whose answers can be worked out by hand.
#include "dictionnaire_test_files.h"

using namespace dictionnaire_test;

namespace {

class Searches : public DictionaryFileTest {
protected:
    void SetUp() override
    {
        DictionaryFileTest::SetUp();
        dico_ = Build({"CHAT", "CHATS", "CHAUD", "CHIEN", "RAT", "RATS", "ART", "ARTS", "TAR", "TARS", "STAR",
                       "AS", "SA", "AT", "AA", "ABA"});
    }

    Words Placeable(const std::string &letters, int maxTiles, int minLength, const std::string &pattern,
                    Words crossChecks = {})
    {
        crossChecks.resize(pattern.size());
        return dico_->PlaceableWords(letters, maxTiles, minLength, 0, pattern, crossChecks);
    }
    Words Stackable(const std::string &letters, const std::string &pattern, Words crossChecks = {},
                    std::vector<int> heights = {})
    {
        crossChecks.resize(pattern.size());
        heights.resize(pattern.size());
        return dico_->StackableWords(letters, 0, 0, pattern, crossChecks, heights);
    }

    std::unique_ptr<TDictionnaire> dico_;
};

TEST_F(Searches, WordsStartingWith)
{
    const Words all{"AA",    "ABA",   "ART", "ARTS", "AS", "AT",   "CHAT", "CHATS",
                    "CHAUD", "CHIEN", "RAT", "RATS", "SA", "STAR", "TAR",  "TARS"};
    EXPECT_EQ(dico_->WordsStartingWith(""), all);
    EXPECT_EQ(dico_->WordsStartingWith("*"), all);
    // A stored word is not listed, only its extensions.
    EXPECT_EQ(dico_->WordsStartingWith("CHAT"), (Words{"CHATS"}));
    EXPECT_EQ(dico_->WordsStartingWith("A"), (Words{"AA", "ABA", "ART", "ARTS", "AS", "AT"}));
    // A final joker lets words of exactly the pattern's length through.
    EXPECT_EQ(dico_->WordsStartingWith("CH*"), (Words{"CHAT", "CHATS", "CHAUD", "CHIEN"}));
    EXPECT_EQ(dico_->WordsStartingWith("CH*T"), (Words{"CHATS"}));
    EXPECT_EQ(dico_->WordsStartingWith("X"), Words{});
}

TEST_F(Searches, WordsMatching)
{
    EXPECT_EQ(dico_->WordsMatching("*A*"), (Words{"RAT", "TAR"}));
    EXPECT_EQ(dico_->WordsMatching("***"), (Words{"ABA", "ART", "RAT", "TAR"}));
    EXPECT_EQ(dico_->WordsMatching("C*A*"), (Words{"CHAT"}));
    EXPECT_EQ(dico_->WordsMatching("CHAT"), (Words{"CHAT"}));
    EXPECT_EQ(dico_->WordsMatching("A*"), (Words{"AA", "AS", "AT"}));
    EXPECT_EQ(dico_->WordsMatching(""), Words{});
}

TEST_F(Searches, AnagramsAndTheirJokers)
{
    EXPECT_EQ(dico_->Anagrams("TAR"), (Words{"ART", "RAT", "TAR"}));
    EXPECT_EQ(dico_->Anagrams("RTSA"), (Words{"ARTS", "RATS", "STAR", "TARS"}));
    // A joker letter is in lower case.
    EXPECT_EQ(dico_->Anagrams("RA*"), (Words{"ARt", "RAt", "tAR"}));
    // One version per word: the one with real letters at the earliest positions.
    EXPECT_EQ(dico_->Anagrams("A*"), (Words{"Aa", "As", "At", "sA"}));
    EXPECT_EQ(dico_->Anagrams("AB*"), (Words{"ABa"}));
    EXPECT_EQ(dico_->Anagrams("**"), (Words{"aa", "as", "at", "sa"}));
    EXPECT_EQ(dico_->Anagrams(""), Words{});
    EXPECT_EQ(dico_->Anagrams("QZ"), Words{});
}

TEST_F(Searches, PlaceableWordsFromTheRackAlone)
{
    EXPECT_EQ(Placeable("TARS", 0, 0, "*****"),
              (Words{"ART", "ARTS", "AS", "AT", "RAT", "RATS", "SA", "STAR", "TAR", "TARS"}));
    EXPECT_EQ(Placeable("TARS", 0, 4, "*****"), (Words{"ARTS", "RATS", "STAR", "TARS"}));
    // A minimum length above the line's length is lowered to it.
    EXPECT_EQ(Placeable("TARS", 0, 9, "***"), (Words{"ART", "RAT", "TAR"}));
    EXPECT_EQ(Placeable("TARS", 2, 0, "****"), (Words{"AS", "AT", "SA"}));
    // Real letters are taken before the joker, which gives lower case.
    EXPECT_EQ(Placeable("RA*", 0, 0, "***"), (Words{"Aa", "ARt", "As", "At", "RAt", "sA", "tAR"}));
}

TEST_F(Searches, PlaceableWordsWithBoardLetters)
{
    EXPECT_EQ(Placeable("RTS", 0, 0, "*A***"), (Words{"RAT", "RATS", "SA", "TAR", "TARS"}));
    // Never followed by a board letter.
    EXPECT_EQ(Placeable("RAT", 0, 0, "***S"), (Words{"ARTS", "AT", "RATS", "TARS"}));
    // At least one rack letter.
    EXPECT_EQ(Placeable("XYZ", 0, 0, "RAT*"), Words{});
    EXPECT_EQ(Placeable("S", 0, 0, "RAT*"), (Words{"RATS"}));
}

TEST_F(Searches, PlaceableWordsCrossChecks)
{
    EXPECT_EQ(Placeable("RAT", 0, 0, "***", {"", "", "A*"}), (Words{"ART", "AT", "RAT"}));
    // A cross-check without '*' places no constraint.
    EXPECT_EQ(Placeable("RAT", 0, 0, "***", {"", "", "ZZ"}), (Words{"ART", "AT", "RAT", "TAR"}));
    // A square holding a board letter is not checked.
    EXPECT_EQ(Placeable("RA", 0, 0, "**T", {"", "", "Q*"}), (Words{"ART", "RAT"}));
    EXPECT_EQ(Placeable("RAT", 0, 0, "***", {"*S", "", ""}), (Words{"ART", "AT"}));
}

TEST_F(Searches, StackableWords)
{
    // Words ending on a leaf of the trie (AT, SA, STAR) are found as well.
    EXPECT_EQ(Stackable("RAT", "***"), (Words{"ART", "AT", "RAT", "TAR"}));
    EXPECT_EQ(Stackable("RATS", "****"),
              (Words{"ART", "ARTS", "AS", "AT", "RAT", "RATS", "SA", "STAR", "TAR", "TARS"}));
    // Rack letters go on top of stacks lower than 5.
    EXPECT_EQ(Stackable("RAT", "X**", {}, {1, 0, 0}), (Words{"ART", "AT", "RAT", "TAR"}));
    EXPECT_EQ(Stackable("RAT", "X**", {}, {5, 0, 0}), Words{});
    EXPECT_EQ(Stackable("AT", "R**", {}, {5, 0, 0}), (Words{"RAT"}));
    // The last square's cross-check takes T (AT) but not R; one without '*'
    // forbids the square: only AT, which stops before it, is left.
    EXPECT_EQ(Stackable("RAT", "***", {"", "", "A*"}), (Words{"ART", "AT", "RAT"}));
    EXPECT_EQ(Stackable("RAT", "***", {"", "", "ZZ"}), Words{"AT"});
}

TEST_F(Searches, CrossCheckMasksHoldTheLettersThatMakeAWord)
{
    auto bits = [](const std::string &letters) {
        std::uint32_t mask = 0;
        for (const char c : letters)
            mask |= 1u << (c - 'A');
        return mask;
    };
    const std::uint32_t every = (1u << 26) - 1;
    EXPECT_EQ(dico_->CrossCheckMask("", true), every);
    EXPECT_EQ(dico_->CrossCheckMask("", false), every);
    EXPECT_EQ(dico_->CrossCheckMask("AB", true), every);
    EXPECT_EQ(dico_->CrossCheckMask("AB", false), 0u);
    EXPECT_EQ(dico_->CrossCheckMask("*AT", true), bits("R"));
    EXPECT_EQ(dico_->CrossCheckMask("A*", true), bits("AST"));
    EXPECT_EQ(dico_->CrossCheckMask("a*", true), bits("AST"));
    EXPECT_EQ(dico_->CrossCheckMask("C*AT", true), bits("H"));
    EXPECT_EQ(dico_->CrossCheckMask("CHA*", true), bits("T"));
    EXPECT_EQ(dico_->CrossCheckMask("*TAR", true), bits("S"));
    EXPECT_EQ(dico_->CrossCheckMask("*", true), 0u);
    EXPECT_EQ(dico_->CrossCheckMask("X*", true), 0u);
    // The same search with the checks as strings or as masks.
    const Words checks{"*S", "", "A*"};
    EXPECT_EQ(dico_->PlaceableWords("RAT", 0, 0, 0, "***", checks),
              dico_->PlaceableWords("RAT", 0, 0, 0, "***", dico_->CrossCheckMasks(checks, true)));
}

TEST_F(Searches, BoardWordsByLineAndStart)
{
    // '.': a free square; '+': an empty anchor taking `allowed`; a capital: a tile.
    auto line = [](const std::string &squares, const std::string &allowed = "") {
        std::uint32_t mask = 0;
        for (const char c : allowed)
            mask |= 1u << (c - 'A');
        std::vector<TDictionnaire::LineSquare> line;
        for (const char c : squares)
            line.push_back({c == '.' || c == '+' ? '*' : c, c == '+' ? mask : (1u << 26) - 1, c != '.'});
        return line;
    };
    auto words = [&](const std::string &letters, int maxTiles,
                     const std::vector<std::vector<TDictionnaire::LineSquare>> &lines) {
        Words found;
        for (const TDictionnaire::LineWord &w : dico_->BoardWords(letters, maxTiles, lines))
            found.push_back(std::to_string(w.line) + ":" + std::to_string(w.start) + ":" + w.word);
        return found;
    };
    // Through a tile, by line, then by first square, then alphabetically. On
    // the second line no word starts just after the T, so SA is not there,
    // and none starts on the last square.
    EXPECT_EQ(words("RST", 0, {line("...A..."), line("T.A.")}),
              (Words{"0:1:STAR", "0:2:RAT", "0:2:RATS", "0:2:SA", "0:2:TAR", "0:2:TARS", "0:3:ART",
                     "0:3:ARTS", "0:3:AS", "0:3:AT", "1:2:AS", "1:2:AT"}));
    // An empty anchor takes only its letters; a joker's letter is in lower
    // case, the rack's own letter going first.
    EXPECT_EQ(words("A*", 0, {line("+..", "AS")}), (Words{"0:0:Aa", "0:0:As", "0:0:At", "0:0:sA"}));
    EXPECT_EQ(words("A*", 0, {line("+..", "T")}), Words{});
    EXPECT_EQ(words("A*", 1, {line("+..", "AS")}), Words{});
    // No anchor, no word; a word of board letters alone is none either.
    EXPECT_EQ(words("RST", 0, {line("......"), line(".AS.")}), Words{});
}

TEST_F(Searches, RandomWords)
{
    const Words drawn = dico_->RandomWords(5, 2, 4);
    ASSERT_EQ(drawn.size(), 5u);
    EXPECT_TRUE(std::is_sorted(drawn.begin(), drawn.end()));
    EXPECT_EQ(std::adjacent_find(drawn.begin(), drawn.end()), drawn.end());
    for (const std::string &word : drawn) {
        EXPECT_TRUE(dico_->Contains(word)) << word;
        EXPECT_GE(word.size(), 2u);
        EXPECT_LE(word.size(), 4u);
    }
    EXPECT_EQ(dico_->RandomWords(5, 10, 12), Words{});
    EXPECT_EQ(dico_->RandomWords(0, 2, 4), Words{});
}

using RandomDraws = DictionaryFileTest;

TEST_F(RandomDraws, EmptyAndPrunedDictionaries)
{
    auto dico = TDictionnaire::Create(DicoPath(), 'W');
    EXPECT_EQ(dico->RandomWords(15, 3, 12), Words{});
    // A walk may end at a node that is no longer a word.
    dico->AddWord("AB", false);
    dico->RemoveWord("AB");
    EXPECT_EQ(dico->RandomWords(1, 1, 5), (Words{"AB"}));
}

} // namespace
