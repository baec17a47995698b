// SPDX-License-Identifier: GPL-3.0-or-later
// The texts the Duplicate window shows: the columns of the player table,
// the draw clock, the bag panel's draw lines and the status of a square.
#include "scrabble/windows/duplicate_texts.h"

#include <gtest/gtest.h>

using namespace scrabble_ui;

TEST(DuplicateTexts, NoteColumnGivesTheShareOfTheTopTotal)
{
    EXPECT_EQ(CurrentNoteText(0, 0), QStringLiteral("0 pts."));
    EXPECT_EQ(CurrentNoteText(12, 0), QStringLiteral("12 pts."));
    EXPECT_EQ(CurrentNoteText(45, 60), QStringLiteral("45 pts. (75.00  %)"));
    EXPECT_EQ(CurrentNoteText(1, 3), QStringLiteral("1 pts. (33.33  %)"));
    EXPECT_EQ(CurrentNoteText(2, 3), QStringLiteral("2 pts. (66.67  %)"));
    EXPECT_EQ(CurrentNoteText(0, 80), QStringLiteral("0 pts. (0.00  %)"));
    EXPECT_EQ(CurrentNoteText(60, 60), QStringLiteral("60 pts. (100.00  %)"));
    // The share is not capped at 100.
    EXPECT_EQ(CurrentNoteText(7, 3), QStringLiteral("7 pts. (233.33  %)"));
    EXPECT_EQ(PastNoteText(0), QStringLiteral("0"));
    EXPECT_EQ(PastNoteText(86), QStringLiteral("86"));
}

TEST(DuplicateTexts, MoveColumnShowsTheProposalAndItsScoreOnCurrentRows)
{
    const QString h = QStringLiteral("H"), eight = QStringLiteral("8"), word = QStringLiteral("MOTS");
    EXPECT_EQ(MoveColumnText(false, {}, {}, {}, 0, true), QStringLiteral("?"));
    EXPECT_EQ(MoveColumnText(false, {}, {}, {}, 0, false), QStringLiteral("?"));
    // A word typed but not yet valid is shown as typed.
    EXPECT_EQ(MoveColumnText(false, h, eight, word, 0, true), QStringLiteral("H 8 MOTS"));
    EXPECT_EQ(MoveColumnText(true, h, eight, word, 14, true), QStringLiteral("H 8 MOTS (14)"));
    EXPECT_EQ(MoveColumnText(true, eight, h, word, 14, false), QStringLiteral("8 H MOTS"));
    EXPECT_EQ(MoveColumnText(true, h, eight, word, 0, true), QStringLiteral("H 8 MOTS"));
    // Played without a proposal (a computer that found nothing, a pass).
    EXPECT_EQ(MoveColumnText(true, {}, {}, {}, 0, true), QStringLiteral("  "));
}

TEST(DuplicateTexts, DrawClockAndDrawLines)
{
    EXPECT_EQ(DrawClockText(0), QStringLiteral("00:00:00."));
    EXPECT_EQ(DrawClockText(999), QStringLiteral("00:00:00."));
    EXPECT_EQ(DrawClockText(59999), QStringLiteral("00:00:59."));
    EXPECT_EQ(DrawClockText(60000), QStringLiteral("00:01:00."));
    EXPECT_EQ(DrawClockText(3723000), QStringLiteral("01:02:03."));
    EXPECT_EQ(DrawClockText(qint64(100) * 3600 * 1000), QStringLiteral("100:00:00."));
    EXPECT_EQ(DrawClockText(-5000), QStringLiteral("00:00:00."));
    EXPECT_EQ(DrawCaption(61000), QStringLiteral("Tirage 00:01:01."));
    EXPECT_EQ(DrawLineText(3, QStringLiteral("EAUNRS*")), QStringLiteral("Tirage n° 3 : EAUNRS*"));
}

TEST(DuplicateTexts, SquareStatusNamesTheSquareItsPremiumAndItsLetter)
{
    using scrabble::Premium;
    EXPECT_EQ(SquareStatusText(1, 1, Premium::WordTriple, {}), QStringLiteral("A 1 case mot compte triple."));
    EXPECT_EQ(SquareStatusText(2, 1, Premium::None, {}), QStringLiteral("A 2 "));
    EXPECT_EQ(SquareStatusText(15, 15, Premium::WordTriple, {}),
              QStringLiteral("O 15 case mot compte triple."));

    SquareFacts played{'K', 1, false, QStringLiteral("Alice"), 4, QStringLiteral("H 4 KIWI (40)")};
    EXPECT_EQ(
        SquareStatusText(4, 8, Premium::LetterDouble, played),
        QStringLiteral("H 4 case lettre compte double. «K» (10 pts).  Jouée par «Alice».  Coup n° 4 : H 4 "
                       "KIWI (40)"));
    played.playedBy.clear(); // no move known
    EXPECT_EQ(SquareStatusText(4, 8, Premium::None, played), QStringLiteral("H 4  «K» (10 pts). "));
    const SquareFacts joker{'E', 1, true, {}, -1, {}};
    EXPECT_EQ(SquareStatusText(5, 2, Premium::None, joker), QStringLiteral("B 5  Joker («e»). "));

    EXPECT_EQ(SquareStatusText(3, 3, Premium::WordDouble, {'Z', 0, false, {}, -1, {}}),
              QStringLiteral("C 3 case mot compte double. lettre «Z» (10 pts)."));
    EXPECT_EQ(SquareStatusText(3, 4, Premium::None, {'s', 0, true, {}, -1, {}}),
              QStringLiteral("D 3  lettre «s» (joker)."));
}
