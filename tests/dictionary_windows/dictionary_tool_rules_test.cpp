// SPDX-License-Identifier: GPL-3.0-or-later
// The rules under the two tool windows, without a window: the search
// criterion, the order of composed words, the word field of the manager
// and the import scanner.
#include "dico_window_fixture.h"
#include "dictionary/import_word_scanner.h"
#include "dictionary/typed_word.h"
#include "dictionary/word_search.h"

#include <random>
#include <set>

using namespace std::string_literals;

using Words = std::vector<std::string>;
using word_search::Criterion;

TEST(SearchCriterion, OtherCharactersBecomeJokersAndTheLimitsAreChecked)
{
    const Criterion chat = word_search::NormalizeCriterion("  CH?T\t");
    EXPECT_EQ(chat.Pattern, "CH*T");
    EXPECT_EQ(chat.Jokers, 1);
    EXPECT_EQ(chat.Verdict, Criterion::Check::Ok);

    // Accented capitals (Latin-1), blanks inside, digits and small letters are no letters.
    const Criterion mixed = word_search::NormalizeCriterion("\xC9T\xC9 A1b");
    EXPECT_EQ(mixed.Pattern, "*T**A**");
    EXPECT_EQ(mixed.Jokers, 5);
    EXPECT_EQ(mixed.Verdict, Criterion::Check::TooManyJokers);

    EXPECT_EQ(word_search::NormalizeCriterion("A???").Verdict, Criterion::Check::Ok);
    EXPECT_EQ(word_search::NormalizeCriterion("????").Verdict, Criterion::Check::TooManyJokers);
    EXPECT_EQ(word_search::NormalizeCriterion("???").Verdict, Criterion::Check::NoLetter);
    EXPECT_EQ(word_search::NormalizeCriterion("   ").Verdict, Criterion::Check::NoLetter);
    EXPECT_EQ(word_search::NormalizeCriterion("").Pattern, "");
}

TEST(ComposedWords, LongestFirstThenByteOrderWithJokerLettersLast)
{
    Words words{"AS", "RATs", "ARTS", "sA", "STAR", "TA", "ARt", "ART"};
    word_search::SortComposedWords(words);
    EXPECT_EQ(words, (Words{"ARTS", "RATs", "STAR", "ART", "ARt", "AS", "TA", "sA"}));
    EXPECT_EQ(word_search::ClipboardText({"CHAT", "CHIEN"}), "CHAT\r\nCHIEN");
    EXPECT_EQ(word_search::ClipboardText({}), "");
}

TEST(TypedWord, AccentsFoldAndOnlyLettersRemain)
{
    EXPECT_EQ(typed_word::DictionaryWordOf("\xC9L\xC8VE"), "ELEVE");    // ÉLÈVE
    EXPECT_EQ(typed_word::DictionaryWordOf("C\xD4TE"), "CTE");          // CÔTE: Ô has no folding
    EXPECT_EQ(typed_word::DictionaryWordOf(" l'\xE9t\xE9 2 "), "LETE"); // small letters count too
    EXPECT_FALSE(typed_word::HasAcceptedLength("A"));
    EXPECT_TRUE(typed_word::HasAcceptedLength("AA"));
    EXPECT_TRUE(typed_word::HasAcceptedLength(std::string(30, 'A')));
    EXPECT_FALSE(typed_word::HasAcceptedLength(std::string(31, 'A')));
}

namespace {
Words Scan(const std::string &text, const std::set<std::string> &known = {}, std::size_t chunk = 0)
{
    ImportWordScanner scanner([&](const std::string &word) { return known.count(word) > 0; });
    if (chunk == 0)
        chunk = text.size() + 1;
    for (std::size_t at = 0; at < text.size(); at += chunk)
        scanner.Feed(std::string_view(text).substr(at, chunk));
    scanner.Finish();
    return scanner.Words();
}
} // namespace

TEST(ImportWordScanner, WordsOfTheTextUnknownToTheDictionaryListedOnce)
{
    EXPECT_EQ(Scan("chat, chien; chat"), (Words{"CHAT", "CHIEN"}));
    EXPECT_EQ(Scan("chat, chien; chat\r\nloup", {"CHIEN"}), (Words{"CHAT", "LOUP"}));
    // One-letter runs are no words; line ends and NUL bytes separate words.
    EXPECT_EQ(Scan("a b\nc\0d ou\r\nen"s), (Words{"OU", "EN"}));
    EXPECT_EQ(Scan(""), Words{});
    EXPECT_EQ(Scan("\r\n\r\n"), Words{});
}

TEST(ImportWordScanner, Utf8AndLatin1TextsGiveTheSameWordsWhateverTheChunks)
{
    const std::string utf8 = "\xC3\xA9l\xC3\xA8ve c\xC5\x93ur \xC3\x89T\xC3\x89 na\xC3\xAF"
                             "f";
    const std::string latin1 = "\xE9l\xE8ve c\x9Cur \xC9T\xC9 na\xEF"
                               "f";
    const Words expected{"ELEVE", "COEUR", "ETE", "NAIF"};
    EXPECT_EQ(Scan(utf8), expected);
    EXPECT_EQ(Scan(latin1), expected);
    // A multi-byte character or a word cut by the end of a chunk is read whole.
    for (std::size_t chunk : {1u, 2u, 3u, 5u})
        EXPECT_EQ(Scan(utf8, {}, chunk), expected) << chunk;
    // A UTF-8 lead byte at the very end of the file is a Latin-1 character (Ã, no letter).
    EXPECT_EQ(Scan("caf\xC3"), Words{"CAF"});
}

TEST(ImportWordScanner, RunsOverThirtyLettersAreDroppedWhole)
{
    const std::string thirty(30, 'b');
    const std::string longLine = std::string(100000, 'x') + " ok " + thirty + " " + thirty + "z";
    EXPECT_EQ(Scan(longLine, {}, 4096), (Words{"OK", std::string(30, 'B')}));
}

TEST(ImportWordScanner, BinaryBytesGiveOnlyWordsOfTwoToThirtyLetters)
{
    std::mt19937 random(4);
    std::string bytes(1 << 18, '\0');
    for (char &c : bytes)
        c = char(random() & 0xFF);
    const Words words = Scan(bytes, {}, 1000);
    EXPECT_FALSE(words.empty());
    std::set<std::string> seen;
    for (const std::string &word : words) {
        EXPECT_GE(word.size(), 2u);
        EXPECT_LE(word.size(), 30u);
        EXPECT_EQ(word.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ"), std::string::npos) << word;
        EXPECT_TRUE(seen.insert(word).second) << word;
    }
}
