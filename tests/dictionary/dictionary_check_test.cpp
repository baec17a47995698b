// SPDX-License-Identifier: GPL-3.0-or-later
// The structural check of dictionary files: what the builder and the
// insertions make passes, each kind of damage is refused.
#include "dictionary/dictionary_builder.h"
#include "dictionary/dictionary_check.h"
#include "dictionnaire_test_files.h"

using namespace dictionnaire_test;

namespace {

constexpr std::uint8_t A = 0x01, B = 0x02, C = 0x03;
constexpr std::uint8_t Head = 0x40, End = 0x80;

DictionaryFault FaultOf(const Bytes &bytes)
{
    return CheckDictionaryBytes(bytes.data(), bytes.size()).fault;
}

using DictionaryCheckTest = DictionaryFileTest;

TEST_F(DictionaryCheckTest, FilesOfTheBuilderAndOfTheInsertionsAreSound)
{
    DictionaryBuilder builder;
    builder.AddEntries("chat\nchats\nchien\nabeille\nzythum\nmaison\nmaiserie\n");
    EXPECT_EQ(FaultOf(builder.TrieBytes()), DictionaryFault::None);
    // Insertions shift and renumber the file: still sound after each word.
    auto dico = TDictionnaire::Create(DicoPath(), 'W');
    for (const char *word : {"CB", "AB", "AC", "A", "ZOO", "BA", "ABCDEFGHIJKLMNOPQRSTUVWXYZ", "ZA"}) {
        dico->AddWord(word, true);
        EXPECT_TRUE(CheckDictionaryFile(DicoPath()).Sound()) << word;
    }
    dico->RemoveWord("A");
    dico->ClearUserFlags();
    EXPECT_TRUE(CheckDictionaryFile(DicoPath()).Sound());
#ifdef LUDORINE_TEST_DICTIONARY
    if (std::filesystem::exists(LUDORINE_TEST_DICTIONARY)) {
        EXPECT_TRUE(CheckDictionaryFile(LUDORINE_TEST_DICTIONARY).Sound());
    }
#endif
}

TEST_F(DictionaryCheckTest, EachKindOfDamageIsRefused)
{
    const Bytes sound = Nodes({Node(A | Head, 2), Node(C | End), Node(B | Head | End)});
    EXPECT_EQ(FaultOf(sound), DictionaryFault::None);
    EXPECT_EQ(FaultOf({}), DictionaryFault::Empty);
    Bytes cut = sound;
    cut.pop_back();
    EXPECT_EQ(FaultOf(cut), DictionaryFault::PartialNode);
    EXPECT_EQ(FaultOf(Nodes({Node(A | Head, 2), Node(27 | End), Node(B | Head | End)})),
              DictionaryFault::BadLetter);
    EXPECT_EQ(FaultOf(Nodes({Node(A, 2), Node(C | End), Node(B | Head | End)})),
              DictionaryFault::NoRootGroup);
    // A letter twice in a group, and a group that never ends.
    EXPECT_EQ(FaultOf(Nodes({Node(A | Head | End), Node(A | End)})), DictionaryFault::EndlessGroup);
    Bytes endless = Node(A | Head | End);
    for (int i = 0; i < 26; ++i) {
        const Bytes node = Node(std::uint8_t(1 + i % 26));
        endless.insert(endless.end(), node.begin(), node.end());
    }
    EXPECT_EQ(FaultOf(endless), DictionaryFault::EndlessGroup);
    // Child indices past the end, back to an ancestor (a loop), to the
    // middle of a group, and two parents of one group.
    EXPECT_EQ(FaultOf(Nodes({Node(A | Head, 9), Node(C | End), Node(B | Head | End)})),
              DictionaryFault::BadChild);
    EXPECT_EQ(FaultOf(Nodes({Node(A | Head, 2), Node(C | End), Node(B | Head | End, 1)})),
              DictionaryFault::BadChild);
    EXPECT_EQ(FaultOf(Nodes({Node(A | Head, 1), Node(C | End, 2), Node(B | Head | End)})),
              DictionaryFault::BadChild);
    EXPECT_EQ(FaultOf(Nodes({Node(A | Head, 2), Node(C | End, 2), Node(B | Head | End)})),
              DictionaryFault::SharedGroup);
    EXPECT_EQ(FaultOf(Nodes({Node(A | Head, 1), Node(B | Head)})), DictionaryFault::NoWord);

    // A foreign file, a missing one, a folder.
    WriteFile(PathOf("texte.ox"), Bytes{'B', 'o', 'n', 'j', 'o', 'u', 'r', ' ', '!', '\n'});
    EXPECT_FALSE(CheckDictionaryFile(PathOf("texte.ox")).Sound());
    EXPECT_EQ(CheckDictionaryFile(PathOf("absent.ox")).fault, DictionaryFault::Unreadable);
    EXPECT_EQ(CheckDictionaryFile(folder_.string()).fault, DictionaryFault::Unreadable);
    EXPECT_NE(DictionaryFaultText(CheckDictionaryFile(PathOf("texte.ox"))).find("nœud"), std::string::npos);
}

} // namespace
