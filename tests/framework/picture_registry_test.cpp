// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/resourcelib/picture_registry.h"
#include "framework/resourcelib/transparent_colour.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

TEST(PictureRegistry, NamedPicturesAreMadeOnceAndHandedOutAsCopies)
{
    int made = 0;
    ASSERT_TRUE(RegisterPicture(QStringLiteral("Essai"), [&made] {
        ++made;
        QImage image(8, 4, QImage::Format_RGB32);
        image.fill(Qt::red);
        return image;
    }));
    EXPECT_TRUE(HasPicture(QStringLiteral("ESSAI")));
    QImage first = GetBitmap(QStringLiteral("essai"));
    ASSERT_EQ(first.size(), QSize(8, 4));
    first.fill(Qt::blue); // the caller's copy is its own
    EXPECT_EQ(GetBitmap(QStringLiteral("ESSAI")).pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(made, 1);
    EXPECT_TRUE(RegisteredPictures().contains(QStringLiteral("ESSAI")));

    EXPECT_TRUE(GetBitmap(QStringLiteral("INCONNU")).isNull());
    EXPECT_FALSE(RegisterPicture(QString(), [] { return QImage(); }));
    EXPECT_TRUE(UnregisterPicture(QStringLiteral("essai")));
    EXPECT_TRUE(GetBitmap(QStringLiteral("ESSAI")).isNull());
}

TEST(PictureRegistry, PicturesFromFilesAndMissingFiles)
{
    QTemporaryDir folder;
    QImage image(3, 3, QImage::Format_RGB32);
    image.fill(Qt::green);
    ASSERT_TRUE(image.save(folder.filePath(QStringLiteral("mur.png"))));
    ASSERT_TRUE(RegisterPictureFile(QStringLiteral("MUR"), folder.filePath(QStringLiteral("mur.png"))));
    EXPECT_EQ(GetBitmap(QStringLiteral("MUR")).size(), QSize(3, 3));
    ASSERT_TRUE(RegisterPictureFile(QStringLiteral("NUIT"), folder.filePath(QStringLiteral("absent.png"))));
    EXPECT_TRUE(GetBitmap(QStringLiteral("NUIT")).isNull());
}

TEST(TransparentColour, OnlyTheKeyColourBecomesTransparent)
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.fill(qRgb(10, 20, 30));
    image.setPixel(1, 0, qRgb(200, 0, 0));
    EXPECT_EQ(CornerColour(image), qRgb(10, 20, 30));
    const QImage sprite = WithTransparentColour(image, CornerColour(image));
    EXPECT_EQ(qAlpha(sprite.pixel(0, 0)), 0);
    EXPECT_EQ(sprite.pixel(1, 0), qRgb(200, 0, 0));
    EXPECT_TRUE(WithTransparentColour(QImage(), 0).isNull());
}
