// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged dictionary files: every operation must end, without crashing, on
// a file with random bytes, a child index past the end, a child index that
// loops back to an ancestor or a truncated last node; and the structural
// check refuses each of them.
#include <random>

#include "dictionary/dictionary_builder.h"
#include "dictionary/dictionary_check.h"
#include "dictionnaire_test_files.h"

using namespace dictionnaire_test;

namespace {

constexpr std::uint8_t Head = 0x40, End = 0x80;

class DamagedFiles : public DictionaryFileTest {
protected:
    // A real dictionary of a bounded size: every 16th word of the generated
    // one when the build made it, else the first plain words of the system's
    // French list, laid out by the builder. The work of each operation below
    // is bounded by its node count, not by a clock.
    Bytes RealDictionary()
    {
        DictionaryBuilder builder;
#ifdef LUDORINE_TEST_DICTIONARY
        if (std::filesystem::exists(LUDORINE_TEST_DICTIONARY)) {
            const Words all = TDictionnaire::Create(LUDORINE_TEST_DICTIONARY, 'R')->WordsStartingWith("");
            for (std::size_t i = 0; i < all.size(); i += 16)
                builder.AddEntry(all[i]);
        }
#endif
        std::ifstream list("/usr/share/dict/french");
        std::string line;
        while (builder.KeptCount() < 4000 && std::getline(list, line))
            builder.AddEntry(line);
        for (int i = 0; builder.KeptCount() < 4000; ++i) // no system list: made-up words
            builder.AddEntry(std::to_string(i * 7919) + "ab");
        EXPECT_EQ(builder.WriteFile(PathOf("built.ox")), DictionaryBuildError::None);
        return FileBytes(PathOf("built.ox"));
    }

    // Runs every operation once; the results do not matter, only that each ends.
    void RunEveryOperation(const std::string &path)
    {
        auto dico = TDictionnaire::Create(path, 'W');
        const std::string line(15, '*');
        const Words crossChecks{"", "*E", "", "S*", "", "", "", "L*S", "", "", "", "", "", "", ""};
        const std::vector<int> heights{0, 1, 2, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        for (const char *word : {"CHAT", "MAISON", "ZYTHUMS", "A", "ABAISSER"}) {
            dico->Contains(word);
            dico->WordState(word);
        }
        dico->WordsStartingWith("");
        dico->WordsStartingWith("RE*");
        dico->WordsMatching("*****");
        dico->WordsMatching("**A****");
        dico->Anagrams("ESTRAN*");
        dico->PlaceableWords("ESTRAN*", 7, 2, 15, line, crossChecks);
        dico->PlaceableWords("EAU", 0, 0, 8, "**T*E*S*", crossChecks);
        dico->StackableWords("ESTRANL", 2, 10, "**A**E*T**", crossChecks, heights);
        std::vector<TDictionnaire::LineSquare> board(15);
        board[3] = {'A', 0, true};
        board[7] = {'*', dico->CrossCheckMask("L*S", true), true};
        board[12] = {'T', 0, true};
        dico->BoardWords("ESTRAN*", 7, {board, board});
        dico->RandomWords(15, 3, 12);
        dico->RandomWords(5, 50, 60);
        dico->Statistics();
        dico->ExportWords(PathOf("export.txt"), true, true);
        dico->AddWord("QUIDAMESQUE", true);
        dico->AddWord("CHATS", false);
        dico->RemoveWord("CHAT");
        dico->ClearUserFlags();
        dico->Contains("QUIDAMESQUE");
    }
};

TEST_F(DamagedFiles, RandomBytesInARealDictionary)
{
    const Bytes clean = RealDictionary();
    ASSERT_GT(clean.size(), 10000u);
    EXPECT_TRUE(CheckDictionaryBytes(clean.data(), clean.size()).Sound());
    std::mt19937 random(20240611);
    for (int round = 0; round < 6; ++round) {
        Bytes damaged = clean;
        const int flips = round < 3 ? 50 : 5000;
        for (int i = 0; i < flips; ++i)
            damaged[random() % damaged.size()] = std::uint8_t(random());
        if (round == 5)
            damaged.resize(damaged.size() - 3); // and a truncated last node
        WriteFile(DicoPath(), damaged);
        EXPECT_FALSE(CheckDictionaryFile(DicoPath()).Sound()) << "round " << round;
        RunEveryOperation(DicoPath());
    }
    // Random noise everywhere, and a file of nothing but zeros.
    Bytes noise(200000);
    for (std::uint8_t &byte : noise)
        byte = std::uint8_t(random());
    WriteFile(DicoPath(), noise);
    EXPECT_FALSE(CheckDictionaryFile(DicoPath()).Sound());
    RunEveryOperation(DicoPath());
    WriteFile(DicoPath(), Bytes(100000, 0));
    EXPECT_EQ(CheckDictionaryFile(DicoPath()).fault, DictionaryFault::NoRootGroup);
    RunEveryOperation(DicoPath());
}

TEST_F(DamagedFiles, ChildIndexLoopingBackToAnAncestor)
{
    // A B C with C's children being B's own group: A B C B C B C ...
    WriteFile(DicoPath(), Nodes({Node(0x01 | Head, 1), Node(0x02 | Head, 2), Node(0x03 | Head | End, 1)}));
    auto dico = TDictionnaire::Create(DicoPath(), 'W');
    EXPECT_TRUE(dico->Contains("ABCBC"));
    const Words words = dico->WordsStartingWith("");
    ASSERT_FALSE(words.empty());
    EXPECT_EQ(words.front(), "ABC");
    for (const std::string &word : words)
        EXPECT_LE(word.size(), 64u);
    for (const std::string &word : dico->RandomWords(10, 1, 1000))
        EXPECT_LE(word.size(), 64u);
    EXPECT_LE(dico->Statistics().size(), 1u + 26u + 40u);
    RunEveryOperation(DicoPath());
}

TEST_F(DamagedFiles, ChildIndexPastTheEndAndTruncatedLastNode)
{
    WriteFile(DicoPath(),
              Nodes({Node(0x01 | Head | End, 0xFFFFFFFF), Node(0x02 | End, 77), Bytes{0x03 | End}}));
    auto dico = TDictionnaire::Create(DicoPath(), 'R');
    EXPECT_TRUE(dico->Contains("A"));
    EXPECT_TRUE(dico->Contains("B"));
    EXPECT_FALSE(dico->Contains("AB"));
    EXPECT_EQ(dico->WordsStartingWith(""), (Words{"A", "B", "C"}));
    EXPECT_EQ(dico->Statistics()[0], "$N$ 2"); // the traversals stop at the last whole node
    RunEveryOperation(DicoPath());
}

} // namespace
