// SPDX-License-Identifier: GPL-3.0-or-later
// KeyWord's named pictures: the letter strip and the key, drawn in code and
// handed out by the picture registry.
#include "boardgames/keyword/keyword_pictures.h"

#include <gtest/gtest.h>

#include "framework/resourcelib/picture_registry.h"

using namespace keyword_ui;

TEST(KeyWordPictures, RegisteredStripAndKey)
{
    RegisterKeyWordPictures();
    const QImage strip = GetBitmap(QStringLiteral("POLICEPC"));
    ASSERT_EQ(strip.size(), QSize(780, 30));
    ASSERT_EQ(GetBitmap(QStringLiteral("KEY")).size(), QSize(kKeySide, kKeySide));
    // One letter in each cell, none the same, none spilling into the edge
    // columns of its cell (cells copied side by side must not touch).
    const auto ink = [&](const QRect &area) {
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += qAlpha(strip.pixel(x, y)) > 128;
        return count;
    };
    for (int k = 0; k < 26; ++k) {
        const QRect cell(30 * k, 0, 30, 30);
        EXPECT_GT(ink(cell), 30) << char('A' + k);
        EXPECT_EQ(ink(QRect(cell.left(), 0, 1, 30)) + ink(QRect(cell.right(), 0, 1, 30)), 0) << char('A' + k);
        if (k > 0) {
            EXPECT_NE(strip.copy(cell), strip.copy(cell.translated(-30, 0))) << char('A' + k);
        }
    }
    // The key: dark on white and grey only, so that ANDed onto a square it
    // darkens the colour without tinting it.
    const QImage key = GetBitmap(QStringLiteral("KEY"));
    int white = 0, dark = 0;
    for (int y = 0; y < key.height(); ++y)
        for (int x = 0; x < key.width(); ++x) {
            const QRgb p = key.pixel(x, y);
            white += p == qRgb(255, 255, 255);
            dark += qGray(p) < 80;
            EXPECT_LE(std::abs(qRed(p) - qBlue(p)), 20) << x << "," << y;
        }
    EXPECT_EQ(key.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_GT(dark, 80);
    EXPECT_GT(white, dark);
}
