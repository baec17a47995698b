// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/philosophe/philo_board.h"
#include "framework/code_page_text.h"

#include <algorithm>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "framework/config.h"
#include "wordgames/common/parchment.h"
#include "wordgames/philosophe/philo_game.h"
#include "wordgames/scene3d/scene_view.h"

namespace philo {

using scene3d::Vec3;

namespace {
const QColor kCurrentPlayer = QColor::fromRgbF(1, 1, 1);
const QColor kOtherPlayer = QColor::fromRgbF(0.35f, 0.16f, 0.14f);
const QColor kInk(0x3A, 0x22, 0x10);
const QColor kMarkInk(0x8A, 0x10, 0x10);

float SlotX(int slot)
{
    return slot == 10 ? 1.35f : -3.1f + 0.5f * float(slot - 1);
}

float RowY(int row)
{
    return -1.25f + 0.4f * float(row - 1);
}

} // namespace

QImage PhiloBoard::BackgroundTexture()
{
    QImage image(256, 256, QImage::Format_RGB32);
    QPainter painter(&image);
    QRadialGradient glow(128, 128, 180);
    glow.setColorAt(0, QColor(0xB8, 0x9A, 0x74));
    glow.setColorAt(1, QColor(0x86, 0x68, 0x48));
    painter.fillRect(image.rect(), glow);
    painter.setPen(QColor(0x5A, 0x40, 0x28, 50));
    for (int y = 0; y < 256; y += 8)
        painter.drawLine(0, y + (y / 8) % 3, 256, y + 2 - (y / 8) % 3);
    return image;
}

QImage PhiloBoard::BoardTexture()
{
    QImage image(448, 512, QImage::Format_RGB32);
    QPainter painter(&image);
    wordgame_ui::PaintParchment(painter, image.rect(), QColor(0xF4, 0xE4, 0xC1), QColor(0xD9, 0xC0, 0x8C),
                                QColor(0x7A, 0x52, 0x2A), 10);
    painter.setFont(wordgame_ui::BoldSerif(40));
    painter.setPen(QColor(0x5A, 0x32, 0x16));
    painter.drawText(QRect(0, 14, 448, 56), Qt::AlignCenter, QStringLiteral("PHILOSOPHE"));
    // The strip under the letter slots.
    painter.fillRect(QRect(22, 420, 300, 52), QColor(0xEF, 0xDD, 0xB0));
    painter.setPen(QPen(QColor(0x7A, 0x52, 0x2A), 2));
    painter.drawRect(QRect(22, 420, 300, 52));
    return image;
}

QImage PhiloBoard::ButtonTexture()
{
    QImage image(128, 128, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient face(48, 40, 90);
    face.setColorAt(0, QColor(0x7C, 0xD0, 0x5A));
    face.setColorAt(1, QColor(0x1E, 0x6A, 0x1A));
    painter.fillRect(image.rect(), QColor(0x10, 0x30, 0x10));
    painter.setBrush(face);
    painter.setPen(QPen(QColor(0x0C, 0x3A, 0x0C), 6));
    painter.drawRoundedRect(QRectF(6, 6, 116, 116), 18, 18);
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setBold(true);
    font.setPixelSize(48);
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("OK"));
    return image;
}

PhiloBoard::PhiloBoard(scene3d::SceneView &view) : view_(view)
{
    Build();
}

void PhiloBoard::Build()
{
    view_.SetBackground(QColor(0x86, 0x68, 0x48));
    view_.SetCamera({2.3f, 0, 13.5f}, {2.3f, 0, 0}, {0, 1, 0}, 45);
    view_.AddPlane(QStringLiteral("Fond"), QString(), {0, 0, -0.1f}, 50, 50, BackgroundTexture());
    view_.AddPlane(QStringLiteral("Plateau"), QString(), {-2, 0, 0}, 7, 8, BoardTexture());
    view_.AddLight(QStringLiteral("Lumiere1"), QStringLiteral("Plateau"), {-5, 3, 0}, QColor(255, 244, 224));
    view_.AddLight(QStringLiteral("Lumiere2"), QStringLiteral("Plateau"), {5, 3, 0}, QColor(255, 244, 224));
    // The two lights above lie in the board's plane and only graze it: a
    // third one in front lights the faces.
    view_.AddLight(QStringLiteral("Lumiere3"), QStringLiteral("Plateau"), {1, 2, 10}, QColor(255, 250, 240));
    const QString board = QStringLiteral("Plateau");
    for (int slot = 1; slot <= kLongestWord; ++slot)
        view_.AddText(QStringLiteral("PT%1").arg(slot), board, {SlotX(slot), -3, 0.05f}, QStringLiteral("*"),
                      0.32f, kInk, 1.6f);
    view_.AddCylinder(QStringLiteral("curseur"), board, {0.5f - 3.42f, -3.1f, 0.06f}, 0.05f, 0.4f,
                      QColor(255, 230, 0));
    for (int row = 1; row <= kRows; ++row) {
        view_.AddText(QStringLiteral("prop%1").arg(row), board, {-3, RowY(row), 0.05f}, QString(), 0.28f,
                      kInk);
        view_.AddText(QStringLiteral("n%1").arg(row), board, {0.2f, RowY(row), 0.05f}, QString(), 0.28f,
                      kMarkInk);
    }
    // The grid that frames the rows: 12 lines across, three down.
    std::vector<Vec3> grid;
    const float bottom = RowY(1) - 0.08f, top = bottom + 0.37f * float(kRows - 1);
    for (int line = 0; line < kRows; ++line) {
        const float y = bottom + 0.37f * float(line);
        grid.push_back({-3.1f, y, 0.03f});
        grid.push_back({1.3f, y, 0.03f});
    }
    for (float x : {-3.1f, 0.05f, 1.3f}) {
        grid.push_back({x, bottom, 0.03f});
        grid.push_back({x, top, 0.03f});
    }
    view_.AddLines(QStringLiteral("grille"), board, grid, QColor(0x7A, 0x52, 0x2A));
    view_.AddPlane(QStringLiteral("bouton"), board, {2.35f, -2.6f, kButtonRest}, 0.8f, 0.8f, ButtonTexture());
    for (int player = 1; player <= 4; ++player)
        view_.AddOverlayText(QStringLiteral("Text%1").arg(player), QPoint(400, 10 + 40 * (player - 1)),
                             QString(), kOtherPlayer);
}

void PhiloBoard::Show(const PhiloGame &game, const GameSettings &settings)
{
    std::string proposal = game.Proposition;
    proposal.resize(std::size_t(kLongestWord), ' ');
    for (int slot = 1; slot <= kLongestWord; ++slot) {
        const QString name = QStringLiteral("PT%1").arg(slot);
        view_.SetText(name, QString(QChar::fromLatin1(proposal[std::size_t(slot - 1)])));
        view_.SetVisible(name, slot <= game.LongueurMot);
    }
    for (int row = 1; row <= kRows; ++row) {
        const TCoupPhilo &entry = game.Coups[std::size_t(row)];
        view_.SetText(QStringLiteral("prop%1").arg(row), FromCodePage(entry.Mot));
        view_.SetText(QStringLiteral("n%1").arg(row), FromCodePage(entry.Note));
        view_.SetVisible(QStringLiteral("prop%1").arg(row), entry.Joue);
        view_.SetVisible(QStringLiteral("n%1").arg(row), entry.Joue);
    }
    // The players' texts stand at x = 400 when the view is wide enough, else
    // as far right as they fit.
    if (view_.width() != fittedWidth_) {
        fittedWidth_ = view_.width();
        for (int player = 1; player <= 4; ++player)
            view_.MoveOverlay(QStringLiteral("Text%1").arg(player),
                              {std::clamp(fittedWidth_ - 220, 5, 400), 10 + 40 * (player - 1)});
    }
    for (int player = 1; player <= 4; ++player) {
        const QString name = QStringLiteral("Text%1").arg(player);
        const bool shown = player <= settings.PlayerCount;
        view_.SetVisible(name, shown);
        if (!shown)
            continue;
        const Tjoueur &who = settings.Players[std::size_t(player)];
        view_.SetText(name, QStringLiteral("%1 : %2").arg(who.Name).arg(who.Score));
        view_.SetColour(name, player == settings.CurrentPlayer ? kCurrentPlayer : kOtherPlayer);
    }
    Blink(game);
    view_.update();
}

void PhiloBoard::Blink(const PhiloGame &game)
{
    cursorShown_ = !cursorShown_;
    const int slot = std::clamp(game.PosCurseur, 1, game.LongueurMot);
    view_.SetPosition(QStringLiteral("curseur"), {0.5f * float(slot) - 3.42f, -3.1f, 0.06f});
    view_.SetVisible(QStringLiteral("curseur"), cursorShown_);
}

void PhiloBoard::ButtonJump()
{
    buttonZ_ = kButtonRest + 0.3;
    view_.SetPosition(QStringLiteral("bouton"), {2.35f, -2.6f, float(buttonZ_)});
}

void PhiloBoard::ButtonStep(double elapsedSeconds)
{
    if (buttonZ_ <= kButtonRest)
        return;
    buttonZ_ -= elapsedSeconds;
    if (buttonZ_ < kButtonRest)
        buttonZ_ = kButtonRest;
    view_.SetPosition(QStringLiteral("bouton"), {2.35f, -2.6f, float(buttonZ_)});
}

} // namespace philo
