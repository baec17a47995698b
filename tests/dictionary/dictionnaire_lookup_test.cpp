// SPDX-License-Identifier: GPL-3.0-or-later
// Word lookups, the accent folding of typed text, the word-list export and
// the statistics lines.
#include <clocale>

#include "dictionary/fold_accents.h"
#include "dictionnaire_test_files.h"

using namespace dictionnaire_test;

namespace {

using Lookups = DictionaryFileTest;

TEST_F(Lookups, ContainsAndWordState)
{
    auto dico = Build({"ELEVE", "ELEVES", "CHAT"});
    EXPECT_TRUE(dico->Contains("ELEVE"));
    EXPECT_TRUE(dico->Contains("eleVe"));
    EXPECT_FALSE(dico->Contains("\xC9LEVE")); // ÉLEVE: accents never match
    EXPECT_FALSE(dico->Contains("ELEV"));
    EXPECT_FALSE(dico->Contains("ELEVEUR"));
    EXPECT_FALSE(dico->Contains(""));
    EXPECT_FALSE(dico->Contains("CHATS"));

    EXPECT_EQ(dico->WordState("chat"), 1);
    EXPECT_EQ(dico->WordState("ELE"), 0);
    EXPECT_EQ(dico->WordState("ELU"), -1);
    EXPECT_EQ(dico->WordState("CHATS"), -1);
    EXPECT_EQ(dico->WordState(""), -1);
}

TEST(FoldAccents, KeepsAsciiFoldsFrenchLettersAndBlanksTheRest)
{
    EXPECT_EQ(FoldAccents("Hello, world! ~"), "Hello, world! ~");
    EXPECT_EQ(FoldAccents("\xC0\xC4\xC5\xC6\xC7\xC8\xC9\xCA\xCB\xD1\xD6\xD9\xDB\xDC"), "AAAECEEEENOUUU");
    EXPECT_EQ(FoldAccents("\xE0\xE1\xE2\xE4\xE5\xE6\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF1\xF2\xF3\xF4\xF6"
                          "\xF9\xFA\xFB\xFF"),
              "aaaaaeceeeeiiiinoooouuuy");
    // Unlisted accented capitals, other high codes and control characters.
    EXPECT_EQ(FoldAccents(std::string("\xC1\xC2\xC3\xD4\xDD\xE3\xFC\x7F\t\0x", 11)), "          x");
}

using Export = DictionaryFileTest;

TEST_F(Export, WritesTheChosenWordsInTrieOrder)
{
    auto dico = Build({"CHAT", "ANE", "CHATS", "CHIEN"});
    dico->AddWord("CHA", true); // its nodes exist: it only gains its end of word, not the user mark
    dico->AddWord("ZOU", true);

    ASSERT_TRUE(dico->ExportWords(PathOf("all.txt"), true, true));
    // Root letters in insertion order; a new letter below a parent goes
    // second in its group; every word is followed by its extensions.
    EXPECT_EQ(ReadText(PathOf("all.txt")), "CHA\r\nCHAT\r\nCHATS\r\nCHIEN\r\nANE\r\nZOU\r\n");
    ASSERT_TRUE(dico->ExportWords(PathOf("user.txt"), false, true));
    EXPECT_EQ(ReadText(PathOf("user.txt")), "ZOU\r\n");
    ASSERT_TRUE(dico->ExportWords(PathOf("standard.txt"), true, false));
    EXPECT_EQ(ReadText(PathOf("standard.txt")), "CHA\r\nCHAT\r\nCHATS\r\nCHIEN\r\nANE\r\n");
    EXPECT_FALSE(dico->ExportWords(PathOf("missing-folder/out.txt"), true, true));
}

class Statistics : public DictionaryFileTest {
protected:
    void SetUp() override
    {
        DictionaryFileTest::SetUp();
        std::setlocale(LC_NUMERIC, "C");
    }
};

TEST_F(Statistics, LinesForWordsLettersAndLengths)
{
    // 13 words of 2 letters and one of 3: lengths 93% and 7.1%.
    auto dico = Build({"AB", "AC", "AD", "AE", "AF", "AG", "AH", "AI", "AJ", "AK", "AL", "AM", "AN"});
    dico->AddWord("ABC", true);
    const std::vector<std::string> lines = dico->Statistics();
    ASSERT_EQ(lines.size(), 1u + 1u + 26u + 2u);
    EXPECT_EQ(lines[0], "$P$ ABC");
    EXPECT_EQ(lines[1], "$N$ 14");
    // 29 letters: A 14 (48%), B 2 (6.9%), C 2, D to N 1 each (3.4%), O to Z 0.
    EXPECT_EQ(lines[2], "$L$A  14   (48%)");
    EXPECT_EQ(lines[3], "$L$B  2   (6.9%)");
    EXPECT_EQ(lines[5], "$L$D  1   (3.4%)");
    EXPECT_EQ(lines[27], "$L$Z  0   (0%)");
    EXPECT_EQ(lines[28], "$G$2  13   (93%)");
    EXPECT_EQ(lines[29], "$G$3  1   (7.1%)");
    EXPECT_EQ(TDictionnaire::StatisticsClipboardLine(lines), "$G$3  1   (7.1%)");

    // The user word's removal shows at the next call.
    dico->RemoveWord("ABC");
    EXPECT_EQ(dico->Statistics()[0], "$N$ 13");
}

TEST_F(Statistics, SmallAndLargePercentagesAndEmptyDictionary)
{
    auto dico = TDictionnaire::Create(DicoPath(), 'W');
    std::vector<std::string> lines = dico->Statistics();
    ASSERT_EQ(lines.size(), 27u);
    EXPECT_EQ(lines[0], "$N$ 0");
    EXPECT_EQ(lines[1], "$L$A  0   (0%)");
    EXPECT_EQ(TDictionnaire::StatisticsClipboardLine(lines), "$L$Z  0   (0%)");

    const std::string tooLong = std::string(44, 'A') + "B"; // longer than 40: no length line
    dico->AddWord(tooLong, false);
    dico->AddWord("ZA", false);
    lines = dico->Statistics();
    EXPECT_EQ(lines[1], "$L$A  45   (96%)");
    EXPECT_EQ(lines[2], "$L$B  1   (2.1%)");
    EXPECT_EQ(lines.back(), "$G$2  1   (50%)");
    EXPECT_EQ(lines.size(), 28u);
    dico->RemoveWord(tooLong);
    // One word: 100% is written in exponent form with two significant digits.
    EXPECT_EQ(dico->Statistics().back(), "$G$2  1   (1E2%)");
}

} // namespace
