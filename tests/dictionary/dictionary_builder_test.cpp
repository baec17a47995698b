// SPDX-License-Identifier: GPL-3.0-or-later
// Building dictionary files: exact bytes of small tries, the words a built
// trie spells, the counts, and the failures that must leave no file behind.
#include <algorithm>
#include <string>
#include <vector>

#include "dictionary/dictionary_builder.h"
#include "dictionary/dictionnaire.h"
#include "dictionary_builder_test_support.h"

using namespace builder_test;

namespace {

Bytes TrieOf(const std::string &text)
{
    DictionaryBuilder builder;
    builder.AddEntries(text);
    return builder.TrieBytes();
}

TEST(DictionaryBuilderLayout, GivesTheExactBytesOfSmallLists)
{
    EXPECT_EQ(TrieOf("ab"), Nodes({Node(0x41, 1), Node(0xC2)}));
    EXPECT_EQ(TrieOf("ab\nac"), Nodes({Node(0x41, 1), Node(0xC2), Node(0x83)}));
    // A and B alone are one-letter words: skipped. AB is a word and the
    // prefix of ABC, so its node ends a word and has a child.
    EXPECT_EQ(TrieOf("a\nb\nab\nabc"), Nodes({Node(0x41, 1), Node(0xC2, 2), Node(0xC3)}));
    EXPECT_TRUE(TrieOf("").empty());
}

TEST(DictionaryBuilderLayout, PlacesSubtreesDepthFirstAfterTheirGroup)
{
    // Root A B at 0-1; A's group B D at 2-3; then the subtree of AB (C at 4)
    // before B's group (A at 5).
    const Bytes expected =
        Nodes({Node(0x41, 2), Node(0x02, 5), Node(0xC2, 4), Node(0x84), Node(0xC3), Node(0xC1)});
    EXPECT_EQ(TrieOf("ab\nabc\nad\nba"), expected);
    // Neither the order of the list nor repeated entries change the file.
    EXPECT_EQ(TrieOf("ba\r\nad\r\nabc\r\nAb\r\nab\r\nba\r\n"), expected);
}

TEST(DictionaryBuilderLayout, SpellsExactlyTheFoldedWords)
{
    const Bytes bytes =
        TrieOf("zythum\nélève\nélevé\néleveur\nélèves\nzébu\nzèbre\ncœur\ncoeur\ncœurs\nçà\nça\n"
               "abaca\nabacule\nabaissa\nab\nporte-clé\nZoé\nx\n");
    const std::vector<std::string> expected = {"AB",    "ABACA",  "ABACULE", "ABAISSA", "CA",
                                               "COEUR", "COEURS", "ELEVE",   "ELEVES",  "ELEVEUR",
                                               "ZEBRE", "ZEBU",   "ZYTHUM"};
    EXPECT_EQ(WordsOfTrie(bytes), expected);
}

TEST(DictionaryBuilderCounts, CountsKeptAndSkippedEntries)
{
    DictionaryBuilder builder;
    // Kept: chat, élève, chien. Skipped: Paris, a, porte-clé, CHAT (capital),
    // chat (duplicate), eleve (duplicate once folded). Blank lines: nothing.
    EXPECT_TRUE(builder.AddEntry("chat"));
    EXPECT_TRUE(builder.AddEntry("chat"));
    EXPECT_FALSE(builder.AddEntry("   "));
    EXPECT_FALSE(builder.AddEntry("Paris"));
    builder.AddEntries("élève\r\n\r\na\r\neleve\r\nporte-clé\r\nCHAT\r\n  chien  \r\n");
    EXPECT_EQ(builder.KeptCount(), 3u);
    EXPECT_EQ(builder.SkippedCount(), 6u);

    // Counting again after more entries: duplicates of words counted before
    // and among the new entries.
    builder.AddEntries("chien\nloup\nloup\n");
    EXPECT_EQ(builder.KeptCount(), 4u);
    EXPECT_EQ(builder.SkippedCount(), 8u);
    EXPECT_EQ(WordsOfTrie(builder.TrieBytes()), (std::vector<std::string>{"CHAT", "CHIEN", "ELEVE", "LOUP"}));
}

TEST(DictionaryBuilderCounts, MixesUtf8AndLatin1Lines)
{
    DictionaryBuilder builder;
    // élève in Latin-1 then in UTF-8 (a duplicate), garçon in Latin-1.
    builder.AddEntries("\xE9l\xE8ve\nélève\ngar\xE7on\n");
    EXPECT_EQ(builder.KeptCount(), 2u);
    EXPECT_EQ(builder.SkippedCount(), 1u);
    EXPECT_EQ(WordsOfTrie(builder.TrieBytes()), (std::vector<std::string>{"ELEVE", "GARCON"}));
}

using DictionaryBuilderFile = FolderTest;

TEST_F(DictionaryBuilderFile, ReplacesTheFileAndReportsTheCounts)
{
    const std::string output = WriteText("LDico.ox", std::string(1000, 'x'));
    const DictionaryBuildReport report =
        BuildDictionaryFile(WriteText("mots.txt", "ab\nac\nAb\nab\n"), output);
    EXPECT_EQ(report.error, DictionaryBuildError::None);
    EXPECT_EQ(report.kept, 2u);
    EXPECT_EQ(report.skipped, 2u);
    EXPECT_EQ(FileBytes(output), Nodes({Node(0x41, 1), Node(0xC2), Node(0x83)}));
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"LDico.ox", "mots.txt"}));
}

TEST_F(DictionaryBuilderFile, RefusesAnUnreadableList)
{
    EXPECT_EQ(BuildDictionaryFile(PathOf("absent.txt"), PathOf("LDico.ox")).error,
              DictionaryBuildError::UnreadableWordList);
    std::filesystem::create_directory(PathOf("dossier"));
    EXPECT_EQ(BuildDictionaryFile(PathOf("dossier"), PathOf("LDico.ox")).error,
              DictionaryBuildError::UnreadableWordList);
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"dossier"});
}

TEST_F(DictionaryBuilderFile, RefusesAListWithoutUsableWordAndKeepsTheOldFile)
{
    const std::string output = WriteText("LDico.ox", "ancien");
    EXPECT_EQ(BuildDictionaryFile(WriteText("vide.txt", ""), output).error,
              DictionaryBuildError::NoUsableWord);
    const DictionaryBuildReport report =
        BuildDictionaryFile(WriteText("inutile.txt", "\n a \nParis\nporte-clé\nl'île\n"), output);
    EXPECT_EQ(report.error, DictionaryBuildError::NoUsableWord);
    EXPECT_EQ(report.kept, 0u);
    EXPECT_EQ(report.skipped, 4u);
    EXPECT_EQ(FileBytes(output), Bytes({'a', 'n', 'c', 'i', 'e', 'n'}));
}

TEST_F(DictionaryBuilderFile, LeavesNothingBehindWhenTheOutputCannotBeWritten)
{
    const std::string list = WriteText("mots.txt", "ab\n");
    EXPECT_EQ(BuildDictionaryFile(list, PathOf("absent/LDico.ox")).error,
              DictionaryBuildError::UnwritableOutput);
    EXPECT_FALSE(std::filesystem::exists(PathOf("absent")));

    // A folder in the way: the rename fails once the data is written.
    std::filesystem::create_directories(PathOf("LDico.ox/contenu"));
    EXPECT_EQ(BuildDictionaryFile(list, PathOf("LDico.ox")).error, DictionaryBuildError::UnwritableOutput);
    EXPECT_TRUE(std::filesystem::is_directory(PathOf("LDico.ox/contenu")));
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"LDico.ox", "mots.txt"}));
}

TEST_F(DictionaryBuilderFile, BuildsAFileTheDictionaryReadsAndUpdates)
{
    const std::string output = PathOf("LDico.ox");
    ASSERT_EQ(BuildDictionaryFile(WriteText("mots.txt", "chat\nchats\nchien\nélève\nzèbre\n"), output).error,
              DictionaryBuildError::None);
    auto dico = TDictionnaire::Create(output, 'W');
    for (const char *word : {"CHAT", "CHATS", "CHIEN", "ELEVE", "ZEBRE"})
        EXPECT_TRUE(dico->Contains(word)) << word;
    for (const char *word : {"CHA", "CHIENS", "ZEBU", "E"})
        EXPECT_FALSE(dico->Contains(word)) << word;

    dico->AddWord("CHIOT", false);
    dico->AddWord("AB", false);
    for (const char *word : {"CHAT", "CHATS", "CHIEN", "CHIOT", "ELEVE", "ZEBRE", "AB"})
        EXPECT_TRUE(dico->Contains(word)) << word;
}

} // namespace
