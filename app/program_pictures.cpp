// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/program_pictures.h"
#include "boardgames/keyword/keyword_pictures.h"

#include <QBuffer>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {
// The games' named pictures are registered when the program is loaded.
[[maybe_unused]] const bool kGamePictures = (keyword_ui::RegisterKeyWordPictures(), true);

// Face values of the letters of the program's name.
int ValueOf(QChar letter)
{
    switch (letter.unicode()) {
    case 'D':
        return 2;
    default:
        return 1;
    }
}

void DrawWord(QPainter &painter, const QString &word, QPointF origin, double tile, double gap)
{
    for (int i = 0; i < word.size(); ++i) {
        const QRectF rect(origin.x() + i * (tile + gap), origin.y(), tile, tile);
        DrawLetterTile(painter, rect, word[i], ValueOf(word[i]));
    }
}
} // namespace

void DrawLetterTile(QPainter &painter, const QRectF &rect, QChar letter, int value)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient face(rect.topLeft(), rect.bottomRight());
    face.setColorAt(0, QColor(0xFF, 0xF3, 0xD6));
    face.setColorAt(1, QColor(0xE8, 0xD2, 0xA0));
    painter.setPen(QPen(QColor(0x8A, 0x6A, 0x35), std::max(1.0, rect.width() / 40)));
    painter.setBrush(face);
    const double radius = rect.width() / 8;
    painter.drawRoundedRect(rect.adjusted(1, 1, -1, -1), radius, radius);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(std::max(6, int(rect.height() * 0.62)));
    painter.setFont(font);
    painter.setPen(QColor(0x30, 0x20, 0x10));
    painter.drawText(rect.adjusted(0, -rect.height() * 0.04, -rect.width() * 0.12, 0), Qt::AlignCenter,
                     letter);
    if (value > 0 && rect.width() >= 24) {
        font.setPixelSize(std::max(5, int(rect.height() * 0.22)));
        painter.setFont(font);
        painter.drawText(rect.adjusted(0, 0, -rect.width() * 0.1, -rect.height() * 0.06),
                         Qt::AlignRight | Qt::AlignBottom, QString::number(value));
    }
    painter.restore();
}

QImage SplashPicture()
{
    QImage image(622, 248, QImage::Format_RGB32);
    image.fill(Qt::white); // the transparent colour
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // A green baize card with a thin gold border.
    QPainterPath card;
    card.addRoundedRect(QRectF(6, 6, 610, 236), 28, 28);
    QLinearGradient baize(0, 0, 0, 248);
    baize.setColorAt(0, QColor(0x1F, 0x7A, 0x4D));
    baize.setColorAt(1, QColor(0x0E, 0x4D, 0x30));
    painter.fillPath(card, baize);
    painter.setPen(QPen(QColor(0xD9, 0xB2, 0x4C), 4));
    painter.drawPath(card);
    DrawWord(painter, QStringLiteral("LUDORINE"), QPointF(43, 46), 62, 6);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(26);
    font.setItalic(true);
    painter.setFont(font);
    painter.setPen(QColor(0xF6, 0xE7, 0xB8));
    painter.drawText(QRectF(0, 132, 622, 40), Qt::AlignCenter, QStringLiteral("Jeux de lettres"));
    font.setItalic(false);
    font.setPixelSize(15);
    painter.setFont(font);
    painter.setPen(QColor(0xD0, 0xE8, 0xD8));
    painter.drawText(
        QRectF(0, 178, 622, 30), Qt::AlignCenter,
        QStringLiteral("Scrabble · Duplicate · TopWord · Wordy · La clé · Philosophe · Pendu · Avaleur"));
    return image;
}

QImage LogoPicture()
{
    QImage image(420, 110, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    DrawWord(painter, QStringLiteral("LUDORINE"), QPointF(4, 4), 46, 6);
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(20);
    font.setItalic(true);
    painter.setFont(font);
    painter.setPen(QColor(0xF0, 0xF0, 0xF0));
    painter.drawText(QRectF(0, 62, 420, 40), Qt::AlignCenter, QStringLiteral("Jeux de lettres"));
    return image;
}

QImage ProgramIconImage(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    DrawLetterTile(painter, QRectF(0, 0, size, size), QLatin1Char('L'), size >= 32 ? 1 : 0);
    return image;
}

QIcon ProgramIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(QPixmap::fromImage(ProgramIconImage(size)));
    return icon;
}

QByteArray ProgramIconPng()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ProgramIconImage(64).save(&buffer, "PNG");
    return bytes;
}

namespace {
void DrawWindowFrame(QPainter &painter, const QRectF &rect)
{
    painter.setBrush(QColor(0xFF, 0xFF, 0xFF));
    painter.drawRect(rect);
    painter.fillRect(QRectF(rect.left(), rect.top(), rect.width(), 4), QColor(0x2E, 0x6E, 0xB8));
}
} // namespace

QIcon ToolIcon(ToolPicture picture)
{
    QImage image(32, 32, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(0x33, 0x33, 0x33), 1.5));
    switch (picture) {
    case ToolPicture::Open: {
        painter.setBrush(QColor(0xE8, 0xB8, 0x4A));
        painter.drawRect(QRectF(3, 8, 24, 18));
        painter.setBrush(QColor(0xF6, 0xD3, 0x74));
        painter.drawPolygon(QPolygonF({QPointF(7, 13), QPointF(30, 13), QPointF(26, 26), QPointF(3, 26)}));
        break;
    }
    case ToolPicture::Save:
        painter.setBrush(QColor(0x3A, 0x6E, 0xB5));
        painter.drawRoundedRect(QRectF(4, 4, 24, 24), 3, 3);
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(9, 5, 14, 9));
        painter.setBrush(QColor(0x22, 0x22, 0x22));
        painter.drawRect(QRectF(10, 19, 12, 8));
        break;
    case ToolPicture::Print:
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(9, 3, 14, 10));
        painter.setBrush(QColor(0x88, 0x88, 0x88));
        painter.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(9, 20, 14, 9));
        break;
    case ToolPicture::Cascade:
        DrawWindowFrame(painter, QRectF(3, 3, 16, 13));
        DrawWindowFrame(painter, QRectF(8, 9, 16, 13));
        DrawWindowFrame(painter, QRectF(13, 15, 16, 13));
        break;
    case ToolPicture::TileHorizontal:
        DrawWindowFrame(painter, QRectF(3, 3, 26, 12));
        DrawWindowFrame(painter, QRectF(3, 17, 26, 12));
        break;
    case ToolPicture::TileVertical:
        DrawWindowFrame(painter, QRectF(3, 3, 12, 26));
        DrawWindowFrame(painter, QRectF(17, 3, 12, 26));
        break;
    case ToolPicture::Help: {
        painter.setBrush(QColor(0x2E, 0x8B, 0x57));
        painter.drawEllipse(QRectF(3, 3, 26, 26));
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setBold(true);
        font.setPixelSize(20);
        painter.setFont(font);
        painter.setPen(Qt::white);
        painter.drawText(QRectF(3, 3, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
        break;
    }
    }
    return QIcon(QPixmap::fromImage(image));
}
