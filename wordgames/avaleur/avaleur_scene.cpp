// SPDX-License-Identifier: GPL-3.0-or-later
// AvaleurScene: painting by update region.
#include "wordgames/avaleur/avaleur_scene.h"

#include <QPainter>

#include "framework/resourcelib/picture_registry.h"
#include "wordgames/avaleur/avaleur_game.h"
#include "wordgames/avaleur/avaleur_pictures.h"

namespace avaleur {

namespace {
constexpr int kWordWidth = 450, kWordHeight = 27;

void OrImage(QPainter &p, const QPoint &at, const QImage &sheet, const QRect &source)
{
    p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    p.drawImage(at, sheet, source);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
}
} // namespace

AvaleurScene::AvaleurScene(AvaleurGame &game)
    : game_(game), frame_(GetBitmap(QStringLiteral("img_gb"))), letters_(GetBitmap(QStringLiteral("POLPC1"))),
      digits_(GetBitmap(QStringLiteral("POLPC2"))), scene_(kBoardWidth, kBoardHeight, QImage::Format_RGB32),
      word_(kWordWidth, kWordHeight, QImage::Format_RGB32)
{
    if (frame_.isNull())
        frame_ = FramePicture();
    Resize(frame_.size());
}

void AvaleurScene::Resize(QSize client)
{
    client = client.expandedTo(QSize(1, 1));
    if (window_.size() != client)
        window_ = QImage(client, QImage::Format_RGB32);
    frameOrigin_ = QPoint(std::max(0, (client.width() - frame_.width()) / 2),
                          std::max(0, (client.height() - frame_.height()) / 2));
    game_.OrigineX = frameOrigin_.x() + 123;
    game_.OrigineY = frameOrigin_.y() + 56;
    game_.RepaintAll();
}

QRegion AvaleurScene::Paint()
{
    if (game_.EnChargement || !game_.Sprite(1))
        return {};
    game_.RetireFinis();
    const bool full = game_.ToutRedessiner;
    QRegion region = full ? QRegion(window_.rect()) : game_.UpdateRegion;
    game_.ToutRedessiner = false;
    game_.UpdateRegion = QRegion();
    const QPoint origin(game_.OrigineX, game_.OrigineY);
    if (full) {
        window_.fill(Qt::black);
        QPainter p(&window_);
        p.drawImage(frameOrigin_, frame_);
    }
    const QRegion boardRegion = region.translated(-origin) & QRect(0, 0, kBoardWidth, kBoardHeight);
    DrawScene(boardRegion);
    {
        QPainter p(&window_);
        for (const QRect &rect : boardRegion)
            p.drawImage(rect.topLeft() + origin, scene_, rect);
    }
    if (full) {
        game_.MotAffiche = std::string(1, '\0'); // the word is drawn again
        DrawScoreAndLives();
    }
    DrawWord(region);
    return region & window_.rect();
}

void AvaleurScene::DrawScene(const QRegion &boardRegion)
{
    if (boardRegion.isEmpty())
        return;
    QPainter p(&scene_);
    for (const QRect &rect : boardRegion)
        p.drawImage(rect.topLeft(), game_.ImagePlateau, rect);
    p.setClipRegion(boardRegion);
    const TPlateau *board = &game_.Courant();
    for (int place = 2; place <= kPlaces; ++place)
        if (const TSprite *s = game_.Sprite(place); s && s->Plateau == board)
            s->Dessine(p, game_.Sheets, boardRegion);
    game_.Mangeur().Dessine(p, game_.Sheets, boardRegion);
    p.end();
    if (game_.CompteMort >= 0)
        DrawBands();
}

void AvaleurScene::DrawBands()
{
    const int c = game_.CompteMort;
    const int d = c <= 50 ? 50 - c : c - 50;
    const int length = kBoardWidth - (kBoardWidth / 50) * d;
    if (length <= 0)
        return;
    QPainter p(&scene_);
    for (int band = 1; band <= 24; ++band) {
        const int top = (band - 1) * 16;
        if (band % 2 == 1)
            p.fillRect(kBoardWidth - length, top, length, 16, Qt::red);
        else
            p.fillRect(0, top, length, 16, Qt::blue);
    }
}

void AvaleurScene::DrawWord(QRegion &changed)
{
    const std::string &word = game_.Mangeur().Mot;
    if (word == game_.MotAffiche)
        return;
    game_.MotAffiche = word;
    word_.fill(Qt::black);
    {
        QPainter p(&word_);
        for (std::size_t i = 0; i < word.size() && int(i) * 25 < kWordWidth; ++i) {
            const int k = word[i] - 'A' + 1;
            if (k >= 1 && k <= 26)
                OrImage(p, QPoint(int(i) * 25, 1), letters_, QRect(25 * (k - 1), 0, 25, 25));
        }
    }
    const QPoint at(game_.OrigineX + 47, game_.OrigineY + 413);
    QPainter p(&window_);
    p.drawImage(at, word_);
    changed += QRect(at, word_.size());
}

void AvaleurScene::DrawScoreAndLives()
{
    QPainter p(&window_);
    const QString digits = QStringLiteral("%1").arg(std::max(0, game_.ScoreJeu), 3, 10, QLatin1Char('0'));
    const QPoint score(game_.OrigineX - 85, game_.OrigineY - 40);
    for (int i = 0; i < digits.size(); ++i) {
        const int k = int(QStringLiteral("1234567890").indexOf(digits[i])) + 1;
        OrImage(p, score + QPoint(25 * i, 0), digits_, QRect(22 * (k - 1), 0, 22, 22));
    }
    const QImage &eater = game_.Sheets.eater;
    for (int life = 0; life < game_.Vies; ++life)
        OrImage(p, QPoint(game_.OrigineX - 120, game_.OrigineY + 130 + 32 * life), eater,
                QRect(0, 5 * kCell, kCell, kCell));
}

} // namespace avaleur
