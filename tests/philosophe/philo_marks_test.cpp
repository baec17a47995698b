// SPDX-License-Identifier: GPL-3.0-or-later
// Marks of proposals and the candidate list they narrow.
#include <gtest/gtest.h>

#include <random>
#include <set>

#include "wordgames/philosophe/philo_marks.h"

using philo::Mark;
using philo::NoteMot;

TEST(PhiloMarks, WellPlacedFirstThenEachHiddenLetterTakesOneMisplaced)
{
    EXPECT_EQ(NoteMot("MARDI", "DAMES", 5, true), (Mark{1, 2}));
    EXPECT_EQ(NoteMot("MARDI", "DAMES", 5, false), (Mark{1, 0}));
    EXPECT_EQ(philo::NoteText(NoteMot("MARDI", "DAMES", 5, true), true), "1/2");
    EXPECT_EQ(philo::NoteText(NoteMot("MARDI", "DAMES", 5, false), false), "1");
    // A letter well placed is not counted again as misplaced.
    EXPECT_EQ(NoteMot("ALLER", "LLLLL", 5, true), (Mark{2, 0}));
    // Repeated letters: each is matched once.
    EXPECT_EQ(NoteMot("PAPA", "APPA", 4, true), (Mark{2, 2}));
    EXPECT_EQ(NoteMot("PAPA", "AAAA", 4, true), (Mark{2, 0}));
    EXPECT_EQ(NoteMot("ROSE", "EEEE", 4, true), (Mark{1, 0}));
    EXPECT_EQ(NoteMot("AMIES", "SEMIA", 5, true), (Mark{0, 5}));
    // The recorded proposal keeps its trailing blanks; only the length counts.
    EXPECT_EQ(NoteMot("MARDI", "MARDI     ", 5, true), (Mark{5, 0}));
    EXPECT_EQ(NoteMot("MARDI", "", 5, true), (Mark{0, 0}));
}

TEST(PhiloMarks, FilteringKeepsTheWordsThatAgreeAndLetsThemBeListedAgain)
{
    philo::CandidateList list;
    list.Reset({"MARDI", "MARIE", "DAMES", "LUNDI", "RAMES"});
    std::mt19937 random(3);
    EXPECT_EQ(list.PossibleMoves(random).size(), 5u);
    EXPECT_TRUE(list.PossibleMoves(random).empty()); // every word listed already

    // Hidden MARDI: LUNDI scores 2 well placed, no misplaced; LUNDI itself
    // would have scored 5.
    list.Filter("LUNDI", NoteMot("MARDI", "LUNDI", 5, true), 5, true);
    std::set<std::string> possible;
    for (int i = 0; i < list.Size(); ++i)
        if (list.At(i).Possible)
            possible.insert(list.At(i).Mot);
    EXPECT_EQ(possible, (std::set<std::string>{"MARDI"}));
    const auto again = list.PossibleMoves(random);
    EXPECT_EQ(std::set<std::string>(again.begin(), again.end()), possible);
    const std::string choice = list.ComputerChoice(random);
    EXPECT_TRUE(possible.count(choice)) << choice;

    list.Filter("MARDI", Mark{0, 0}, 5, true);
    EXPECT_EQ(list.PossibleCount(), 0);
    EXPECT_EQ(list.ComputerChoice(random), "");
}

TEST(PhiloMarks, TheSecondListingGivesOnlyNewWordsUpToAHundred)
{
    philo::CandidateList list;
    std::vector<std::string> words;
    for (char a = 'A'; a <= 'Z'; ++a)
        for (char b = 'A'; b <= 'J'; ++b)
            words.push_back(std::string{a, b, 'R', 'E'});
    list.Reset(words);
    std::mt19937 random(11);
    const auto first = list.PossibleMoves(random);
    const auto second = list.PossibleMoves(random);
    ASSERT_EQ(first.size(), 100u);
    ASSERT_EQ(second.size(), 100u);
    std::set<std::string> all(first.begin(), first.end());
    all.insert(second.begin(), second.end());
    EXPECT_EQ(all.size(), 200u);
    EXPECT_EQ(list.PossibleMoves(random).size(), 60u);
}
