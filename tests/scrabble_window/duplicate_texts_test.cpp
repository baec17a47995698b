// SPDX-License-Identifier: GPL-3.0-or-later
// The clock of the draw in the caption of the "Tirage" panel.
#include "scrabble/windows/duplicate_texts.h"

#include <gtest/gtest.h>

using namespace scrabble_ui;

TEST(DuplicateTexts, DrawClockCountsHoursMinutesAndSeconds)
{
    EXPECT_EQ(DrawClockText(0), QStringLiteral("00:00:00."));
    EXPECT_EQ(DrawClockText(999), QStringLiteral("00:00:00."));
    EXPECT_EQ(DrawClockText(59999), QStringLiteral("00:00:59."));
    EXPECT_EQ(DrawClockText(60000), QStringLiteral("00:01:00."));
    EXPECT_EQ(DrawClockText(3723000), QStringLiteral("01:02:03."));
    EXPECT_EQ(DrawClockText(qint64(100) * 3600 * 1000), QStringLiteral("100:00:00."));
    EXPECT_EQ(DrawClockText(-5000), QStringLiteral("00:00:00."));
    EXPECT_EQ(DrawCaption(61000), QStringLiteral("Tirage 00:01:01."));
}
