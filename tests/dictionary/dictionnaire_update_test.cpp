// SPDX-License-Identifier: GPL-3.0-or-later
// Byte-level tests of the insertion (AddWord, with the in-place growth of the
// file and the renumbering of child indices), of the removal and of the
// clearing of user marks, and of several objects sharing one file.
#include "dictionnaire_test_files.h"

using namespace dictionnaire_test;

namespace {

constexpr std::uint8_t A = 0x01, B = 0x02, C = 0x03, D = 0x04, E = 0x05;
constexpr std::uint8_t Head = 0x40, End = 0x80, User = 0x20;

using AddWordBytes = DictionaryFileTest;

TEST_F(AddWordBytes, FirstWordOnAMissingFileStartsTheRootGroup)
{
    auto dico = TDictionnaire::Create(DicoPath(), 'R');
    ASSERT_TRUE(std::filesystem::exists(DicoPath()));
    EXPECT_TRUE(FileBytes(DicoPath()).empty());
    EXPECT_FALSE(dico->Contains("A"));
    EXPECT_TRUE(dico->WordsStartingWith("").empty());

    dico->AddWord("AB", false);
    EXPECT_EQ(FileBytes(DicoPath()), (Bytes{0x41, 0x01, 0, 0, 0, 0xC2, 0, 0, 0, 0}));

    std::filesystem::remove(DicoPath());
    TDictionnaire::Create(DicoPath(), 'W')->AddWord("AB", true);
    EXPECT_EQ(FileBytes(DicoPath()), (Bytes{0x61, 0x01, 0, 0, 0, 0xE2, 0, 0, 0, 0}));
}

TEST_F(AddWordBytes, NewChildLettersGoSecondInTheirGroup)
{
    Build({"AB", "AC", "AD"});
    EXPECT_EQ(FileBytes(DicoPath()),
              Nodes({Node(A | Head, 1), Node(B | Head | End), Node(D | End), Node(C | End)}));
}

TEST_F(AddWordBytes, NewRootLetterShiftsTheFileAndRenumbersChildren)
{
    Build({"AB", "CB"});
    EXPECT_EQ(FileBytes(DicoPath()),
              Nodes({Node(A | Head, 2), Node(C, 3), Node(B | Head | End), Node(B | Head | End)}));

    // A letter inserted in a child group moves the groups after it; child
    // indices before and after the gap that point past it are renumbered.
    auto dico = Build({"AE"});
    EXPECT_EQ(FileBytes(DicoPath()), Nodes({Node(A | Head, 2), Node(C, 4), Node(B | Head | End),
                                            Node(E | End), Node(B | Head | End)}));

    // A third root letter is appended after the last root node.
    dico->AddWord("D", false);
    EXPECT_EQ(FileBytes(DicoPath()), Nodes({Node(A | Head, 3), Node(C, 5), Node(D | End),
                                            Node(B | Head | End), Node(E | End), Node(B | Head | End)}));
    for (const char *word : {"AB", "AE", "CB", "D"})
        EXPECT_TRUE(dico->Contains(word)) << word;
    EXPECT_FALSE(dico->Contains("A"));
}

TEST_F(AddWordBytes, PrefixOfAStoredWordOnlyGainsItsEndOfWordMark)
{
    auto dico = Build({"AB"});
    const Bytes before = FileBytes(DicoPath());
    dico->AddWord("A", true); // the user mark of an existing node is not touched
    EXPECT_EQ(FileBytes(DicoPath()), Nodes({Node(A | Head | End, 1), Node(B | Head | End)}));

    // Adding a stored word changes nothing.
    dico->AddWord("ab", false);
    dico->AddWord("A", false);
    EXPECT_EQ(FileBytes(DicoPath()).size(), before.size());
    EXPECT_EQ(FileBytes(DicoPath())[0], A | Head | End);
}

TEST_F(AddWordBytes, TypedTextIsFoldedAndFiltered)
{
    auto dico = TDictionnaire::Create(DicoPath(), 'W');
    dico->AddWord("  \t\xE9l\xE8ve\r\n", false); // "élève" in Latin-1, with blanks around
    dico->AddWord("porte-avions", false);
    dico->AddWord("C\xD4TE", false); // Ô folds to a blank, which is dropped
    dico->AddWord("  ", false);
    dico->AddWord("\xC6", false); // Æ folds to E
    EXPECT_EQ(dico->WordsStartingWith(""), (Words{"CTE", "E", "ELEVE", "PORTEAVIONS"}));
}

TEST_F(AddWordBytes, DamagedEndsOfFileAreRepairedNotExtended)
{
    // A file ending with a truncated node: the new child group goes right
    // after the last whole node, where the parent's child index points.
    WriteFile(DicoPath(), Nodes({Node(A | Head | End), Bytes{0x7F, 0x7F}}));
    auto dico = TDictionnaire::Create(DicoPath(), 'W');
    dico->AddWord("AB", false);
    EXPECT_EQ(FileBytes(DicoPath()), Nodes({Node(A | Head | End, 1), Node(B | Head | End)}));
    EXPECT_TRUE(dico->Contains("AB"));

    // A child index past the end counts as no children.
    WriteFile(DicoPath(), Nodes({Node(A | Head, 900)}));
    dico->AddWord("AC", false);
    EXPECT_EQ(FileBytes(DicoPath()), Nodes({Node(A | Head, 1), Node(C | Head | End)}));

    // A file shorter than one node is replaced by a root group.
    WriteFile(DicoPath(), Bytes{0x41, 0x07});
    dico->AddWord("E", false);
    EXPECT_EQ(FileBytes(DicoPath()), Nodes({Node(E | Head | End)}));
}

using Updates = DictionaryFileTest;

TEST_F(Updates, RemovingAPrefixWordKeepsTheLongerWords)
{
    auto dico = Build({"CHAT", "CHATS", "CHATON"});
    const std::size_t size = FileBytes(DicoPath()).size();
    EXPECT_EQ(dico->WordState("CHAT"), 1);
    EXPECT_TRUE(dico->RemoveWord("chat"));
    EXPECT_EQ(dico->WordState("CHAT"), 0);
    EXPECT_FALSE(dico->Contains("CHAT"));
    EXPECT_TRUE(dico->Contains("CHATS"));
    EXPECT_TRUE(dico->Contains("CHATON"));
    EXPECT_EQ(FileBytes(DicoPath()).size(), size);
    EXPECT_FALSE(dico->RemoveWord("CHAT"));
    EXPECT_FALSE(dico->RemoveWord("CHA"));
    EXPECT_FALSE(dico->RemoveWord("CHIEN"));
}

TEST_F(Updates, ClearUserFlagsUnmarksOnlyWordEnds)
{
    auto dico = TDictionnaire::Create(DicoPath(), 'W');
    dico->AddWord("AB", true);
    dico->AddWord("ABC", true);
    // A is a user node that ends no word: its mark stays.
    dico->ClearUserFlags();
    EXPECT_EQ(FileBytes(DicoPath()),
              Nodes({Node(A | Head | User, 1), Node(B | Head | End, 2), Node(C | Head | End)}));
    EXPECT_EQ(dico->Statistics().front(), "$N$ 2");
}

TEST_F(Updates, ReadOnlyObjectsChangeNothing)
{
    Build({"AB"});
    const Bytes before = FileBytes(DicoPath());
    auto reader = TDictionnaire::Create(DicoPath(), 'R');
    EXPECT_FALSE(reader->IsWritable());
    reader->AddWord("CD", false);
    EXPECT_FALSE(reader->RemoveWord("AB"));
    reader->ClearUserFlags();
    EXPECT_EQ(FileBytes(DicoPath()), before);
}

TEST_F(Updates, OtherObjectsSeeEveryChangeAtTheirNextCall)
{
    auto writer = Build({"CHAT"});
    auto reader = TDictionnaire::Create(DicoPath(), 'R');
    EXPECT_TRUE(reader->Contains("CHAT"));
    EXPECT_FALSE(reader->Contains("CHIEN"));

    writer->AddWord("CHIEN", false);
    EXPECT_TRUE(reader->Contains("CHIEN"));
    EXPECT_TRUE(writer->RemoveWord("CHAT"));
    EXPECT_FALSE(reader->Contains("CHAT"));
    EXPECT_EQ(reader->WordState("CHA"), 0);

    // A second writer works on the file as the first one left it.
    auto writer2 = TDictionnaire::Create(DicoPath(), 'W');
    writer2->AddWord("ABEILLE", false);
    writer->AddWord("ABEILLES", false);
    EXPECT_EQ(reader->WordsStartingWith(""), (Words{"ABEILLE", "ABEILLES", "CHIEN"}));

    // The file grows far beyond what the reader had mapped (unreferenced
    // zero nodes, then a word whose nodes land after them).
    {
        std::ofstream out(DicoPath(), std::ios::binary | std::ios::app);
        const std::string zeros(3u << 20, '\0');
        out.write(zeros.data(), std::streamsize(zeros.size()));
    }
    writer->AddWord("QUARTZ", false);
    EXPECT_GT(reader->NodeCount(), 600000u);
    EXPECT_TRUE(reader->Contains("QUARTZ"));
    EXPECT_TRUE(reader->Contains("ABEILLES"));
}

} // namespace
