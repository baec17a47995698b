// SPDX-License-Identifier: GPL-3.0-or-later
// KeyWord's named pictures: the letter strip and the key, drawn in code and
// handed out by the picture registry.
#include "boardgames/keyword/keyword_pictures.h"

#include <gtest/gtest.h>

#include "framework/resourcelib/picture_registry.h"

using namespace keyword_ui;

namespace {

int InkIn(const QImage &image, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += qAlpha(image.pixel(x, y)) > 128 && qGray(image.pixel(x, y)) < 160;
    return count;
}

} // namespace

TEST(KeyWordPictures, RegisteredUnderTheirNames)
{
    RegisterKeyWordPictures();
    ASSERT_TRUE(HasPicture(QStringLiteral("POLICEPC")));
    ASSERT_TRUE(HasPicture(QStringLiteral("KEY")));
    const QImage strip = GetBitmap(QStringLiteral("POLICEPC"));
    EXPECT_EQ(strip.size(), QSize(780, 30));
    EXPECT_EQ(GetBitmap(QStringLiteral("key")).size(), QSize(kKeySide, kKeySide));
    EXPECT_EQ(strip, LetterStripPicture());
}

TEST(KeyWordPictures, LetterStripHasOneLetterPerCell)
{
    const QImage strip = LetterStripPicture();
    ASSERT_EQ(strip.size(), QSize(780, 30));
    for (int k = 0; k < 26; ++k) {
        const QRect cell(30 * k, 0, 30, 30);
        EXPECT_GT(InkIn(strip, cell), 30) << char('A' + k);
        // Nothing spills into the one-pixel edges of a cell, so cells copied
        // side by side do not run into each other.
        EXPECT_EQ(InkIn(strip, QRect(cell.left(), 0, 1, 30)), 0) << char('A' + k);
        EXPECT_EQ(InkIn(strip, QRect(cell.right(), 0, 1, 30)), 0) << char('A' + k);
        if (k > 0) {
            EXPECT_NE(strip.copy(cell), strip.copy(cell.translated(-30, 0))) << char('A' + k);
        }
    }
    // Around the letters the strip is transparent.
    EXPECT_EQ(qAlpha(strip.pixel(0, 0)), 0);
}

TEST(KeyWordPictures, KeyIsDarkOnWhite)
{
    const QImage key = KeyPicture();
    int white = 0, dark = 0;
    for (int y = 0; y < key.height(); ++y)
        for (int x = 0; x < key.width(); ++x) {
            const QRgb p = key.pixel(x, y);
            white += p == qRgb(255, 255, 255);
            dark += qGray(p) < 80;
            // Grey only: ANDed onto a square it darkens the square's colour
            // without tinting it.
            EXPECT_LE(std::abs(qRed(p) - qBlue(p)), 20) << x << "," << y;
        }
    EXPECT_EQ(key.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(key.pixel(31, 31), qRgb(255, 255, 255));
    EXPECT_GT(dark, 80);
    EXPECT_GT(white, dark);
}
