// SPDX-License-Identifier: GPL-3.0-or-later
// AvaleurGame: the game's part of a saved game, after the base fields and
// the settings. Every value read is checked before the game takes it.
#include <QScopeGuard>

#include "framework/code_page_text.h"
#include "framework/savefile/typed_stream.h"
#include "wordgames/avaleur/avaleur_game.h"

namespace avaleur {

void AvaleurGame::Write(savefile::TypedWriter &writer) const
{
    writer.WriteInteger(Vitesse);
    writer.WriteInteger(2);
    writer.WriteInteger(0);
    writer.WriteString(MotAffiche);
    for (int value : {DebutX, DebutY, CompteMort, CourantX, CourantY, -1, 0})
        writer.WriteInteger(value);
    const std::int64_t lasted = DebutMagie != 0 ? std::clamp<std::int64_t>(Now() - DebutMagie, 1, 30000) : 0;
    writer.WriteInteger(std::int32_t(lasted));
    writer.WriteInteger(std::int32_t(TickCreation & 0x7FFFFFFF));
    writer.WriteInteger(Demarrage);
    writer.WriteBoolean(AConfigurer);
    for (int value : {Niveau, Vies, OrigineX, OrigineY, ScoreJeu, kPlaces})
        writer.WriteInteger(value);
    for (int x = 1; x <= kWorldSide; ++x)
        for (int y = 1; y <= kWorldSide; ++y)
            Plateau(x, y)->Sauve(writer);
    for (int place = 1; place <= kPlaces; ++place) {
        const TSprite *s = Sprite(place);
        if (!s) {
            writer.WriteInteger(-1);
            continue;
        }
        writer.WriteInteger(int(s->Kind()));
        writer.WriteInteger(s->Plateau ? s->Plateau->MondeX : 1);
        writer.WriteInteger(s->Plateau ? s->Plateau->MondeY : 1);
        s->Sauve(writer);
    }
    writer.WriteInteger(int(LB_mots.size()));
    for (const QString &line : LB_mots)
        writer.WriteString(ToCodePage(line));
}

bool AvaleurGame::Read(savefile::TypedReader &reader)
{
    EnChargement = true;
    auto loaded = qScopeGuard([this] { EnChargement = false; });
    const auto within = [](int value, int low, int high) { return value >= low && value <= high; };
    const int speed = reader.ReadInteger();
    reader.ReadInteger();
    reader.ReadInteger();
    reader.ReadString();
    MotAffiche.clear();
    const int debutX = reader.ReadInteger(), debutY = reader.ReadInteger();
    const int compteMort = reader.ReadInteger(), courantX = reader.ReadInteger(),
              courantY = reader.ReadInteger();
    reader.ReadInteger();
    reader.ReadInteger();
    const int magic = reader.ReadInteger();
    const int created = reader.ReadInteger(), demarrage = reader.ReadInteger();
    const bool configurer = reader.ReadBoolean();
    const int niveau = reader.ReadInteger(), vies = reader.ReadInteger();
    reader.ReadInteger(); // the origin follows from the window's size
    reader.ReadInteger();
    const int score = reader.ReadInteger(), places = reader.ReadInteger();
    if (!within(speed, 1, 100) || !within(compteMort, -1, 100) || !within(courantX, 1, kWorldSide) ||
        !within(courantY, 1, kWorldSide) || !within(demarrage, 0, 2) || !within(niveau, 0, 6) ||
        !within(vies, -1, 5) || score < 0 || places != kPlaces)
        return false;

    for (auto &sprite : Sprites)
        sprite.reset();
    for (int x = 1; x <= kWorldSide; ++x)
        for (int y = 1; y <= kWorldSide; ++y)
            if (!Plateau(x, y)->Charge(reader))
                return false;
    for (int place = 1; place <= kPlaces; ++place) {
        const int kind = reader.ReadInteger();
        if (kind == -1) {
            if (place == 1)
                return false; // the eater is always there
            continue;
        }
        int bx = reader.ReadInteger(), by = reader.ReadInteger();
        if (!within(bx, 1, kWorldSide))
            bx = 1;
        if (!within(by, 1, kWorldSide))
            by = 1;
        if ((kind == 1) != (place == 1) || !within(kind, 1, 4))
            return false;
        TPlateau *board = Plateau(bx, by);
        std::unique_ptr<TSprite> sprite;
        switch (SpriteKind(kind)) {
        case SpriteKind::Eater:
            sprite = std::make_unique<TPacman>(*this, board);
            break;
        case SpriteKind::Letter:
            sprite = std::make_unique<TLettre>(*this, board);
            break;
        case SpriteKind::Ghost:
            sprite = std::make_unique<TPhantom>(*this, board);
            break;
        case SpriteKind::Magic:
            sprite = std::make_unique<TMagic>(*this, board);
            break;
        }
        if (!sprite->Charge(reader))
            return false;
        sprite->Rang = place;
        Sprites[std::size_t(place)] = std::move(sprite);
    }
    // The game runs on the eater's board, and an eater that cannot move
    // would leave it standing for ever.
    if (Sprites[1]->Plateau != Plateau(courantX, courantY) || Sprites[1]->Vitesse <= 0)
        return false;
    const int lines = reader.ReadInteger();
    if (!within(lines, 0, 1000000))
        return false;
    QStringList history;
    for (int i = 0; i < lines; ++i)
        history << FromCodePage(reader.ReadString());

    DebutX = debutX;
    DebutY = debutY;
    CompteMort = compteMort;
    CourantX = courantX;
    CourantY = courantY;
    TickCreation = created;
    Demarrage = demarrage;
    AConfigurer = configurer;
    Niveau = niveau;
    Vies = vies;
    ScoreJeu = score;
    LB_mots = history;
    if (hooks.historyChanged)
        hooks.historyChanged();
    Courant().PlaceSprites();
    Courant().Dessine(ImagePlateau);
    DebutMagie = within(magic, 1, 30000) ? std::max<std::int64_t>(1, Now() - magic) : 0;
    SetSpeed(speed);
    // The period is not saved: levels 4, 5 and 6 each took 10 ms off it.
    Periode = std::max(5, Periode - 10 * std::clamp(Niveau - 3, 0, 3));
    if (hooks.timerPeriod)
        hooks.timerPeriod(Periode);
    UpdateRegion = QRegion();
    RepaintAll();
    return true;
}

} // namespace avaleur
