// SPDX-License-Identifier: GPL-3.0-or-later
// TPacman: the eater. It walks the way the keys ask, slides round the
// corners of walls, drags the letters it ate behind it as a train that
// follows its trail, closes the word when the next letter can no longer
// continue one, and leaves for the neighbouring board at an opening.
#include "dictionary/dictionnaire.h"
#include "framework/savefile/typed_stream.h"
#include "wordgames/avaleur/avaleur_game.h"
#include "wordgames/avaleur/sprites.h"

namespace avaleur {

TPacman::TPacman(AvaleurGame &jeu, TPlateau *plateau) : TSprite(jeu, plateau)
{
    Rang = 1;
}

void TPacman::Demander(char direction)
{
    Demande = direction;
    Compteur = 0;
}

void TPacman::ResetTrail()
{
    const int board = Plateau ? Plateau->Numero : 0;
    Train[0].trail.fill(TrailPoint{Y, X, board});
}

std::vector<std::unique_ptr<TLettre>> TPacman::TakeTrain()
{
    std::vector<std::unique_ptr<TLettre>> letters;
    for (int p = 1; p <= kTrainPlaces; ++p) {
        if (Train[std::size_t(p)].letter)
            letters.push_back(std::move(Train[std::size_t(p)].letter));
        Train[std::size_t(p)].trail.fill(TrailPoint{});
    }
    NbTrain = 0;
    Mot.clear();
    return letters;
}

void TPacman::Avance()
{
    if (!Plateau)
        return;
    if (Retrecit > 0) {
        Retrecit = std::max(0, Retrecit - 2);
        return;
    }
    DirPrec = Direction;
    if (Demande != ' ')
        Direction = Demande;
    PrecX = X;
    PrecY = Y;
    int tx = X, ty = Y, dx = 0, dy = 0;
    switch (Direction) {
    case 'B':
        dy = 1;
        break;
    case 'D':
        dx = 1;
        break;
    case 'G':
        dx = -1;
        break;
    case 'H':
        dy = -1;
        break;
    default:
        Direction = 'P';
    }
    tx += dx * Vitesse;
    ty += dy * Vitesse;
    Image += Pas;
    if (Direction != DirPrec)
        Image = 0;
    if (Image > 3) {
        Pas = -1;
        Image = 3;
    } else if (Image < 0) {
        Pas = 1;
        Image = 0;
    }
    if (dx != 0 || dy != 0) {
        QRect wall;
        if (Plateau->MurEn(tx, ty, &wall)) {
            // Slide round a corner that is less than half a cell in the way.
            const int left = wall.x(), right = wall.x() + kCell, top = wall.y(), bottom = wall.y() + kCell;
            if (dy != 0) {
                if (tx < right && right - tx < 16)
                    tx = right;
                else if (tx + kCell > left && tx + kCell - left < 16)
                    tx = left - kCell;
            } else {
                if (ty < bottom && bottom - ty < 16)
                    ty = bottom;
                else if (ty < top)
                    ty = top - kCell;
            }
        }
        if (!Plateau->MurEn(tx, ty)) {
            Demande = ' ';
            X = tx;
            Y = ty;
            if (X < 0 || X > kBoardWidth - kCell || Y < 0 || Y > kBoardHeight - kCell) {
                Jeu.ChangePlateau(dx, dy);
                return;
            }
        }
    }
    if (X != PrecX || Y != PrecY) {
        AdvanceTrain();
        if (TSprite *other = Touche(30)) {
            switch (other->Kind()) {
            case SpriteKind::Letter:
                if (other->Attache == 0)
                    Eat(Jeu.Retire(other->Rang));
                break;
            case SpriteKind::Ghost:
                Jeu.Meurt();
                break;
            case SpriteKind::Magic:
                if (other->Retrecit < 0) {
                    other->Disparait();
                    Jeu.Magie();
                }
                break;
            case SpriteKind::Eater:
                break;
            }
        }
    }
    DirPrec = Direction;
    TSprite::Avance();
}

void TPacman::AdvanceTrain()
{
    const auto shift = [](std::array<TrailPoint, kTrailPoints> &trail) {
        for (int i = kTrailPoints - 1; i > 0; --i)
            trail[std::size_t(i)] = trail[std::size_t(i - 1)];
    };
    shift(Train[0].trail);
    Train[0].trail[0] = TrailPoint{Y, X, Plateau->Numero};
    for (int p = NbTrain; p >= 1; --p) {
        TrainPlace &place = Train[std::size_t(p)];
        shift(place.trail);
        place.trail[0] = Train[std::size_t(p - 1)].trail[kTrailPoints - 1];
        if (!place.letter)
            continue;
        TLettre &letter = *place.letter;
        letter.X = place.trail[0].x;
        letter.Y = place.trail[0].y;
        if (TPlateau *board = Jeu.PlateauNumero(place.trail[0].board))
            letter.Plateau = board;
        letter.Avance();
    }
}

void TPacman::Eat(std::unique_ptr<TSprite> sprite)
{
    if (!sprite)
        return;
    std::unique_ptr<TLettre> letter(static_cast<TLettre *>(sprite.release()));
    Jeu.Modified = true;
    if (Jeu.hooks.beep)
        Jeu.hooks.beep();
    letter->Zone(ZoneLettre);
    // A full train closes the word as a letter that continues no word does.
    if (!Mot.empty() && (NbTrain >= kTrainPlaces || Jeu.Dictionary().WordState(Mot + letter->Lettre) == -1)) {
        std::string word = Mot.substr(0, 1);
        for (std::size_t n = Mot.size(); n >= 2; --n)
            if (Jeu.Dictionary().Contains(Mot.substr(0, n))) {
                word = Mot.substr(0, n);
                break;
            }
        Jeu.MotTrouve(word);
        NbTrain = 0;
        Mot.clear();
    }
    ++NbTrain;
    TrainPlace &place = Train[std::size_t(NbTrain)];
    place.trail.fill(Train[std::size_t(NbTrain - 1)].trail[kTrailPoints - 1]);
    Mot += letter->Lettre;
    letter->Attache = 1;
    letter->ChemLettre.clear();
    letter->Rang = 0;
    place.letter = std::move(letter);
    Jeu.AjouteLettres(1 + Jeu.Random(3));
}

bool TPacman::PlaceEntree(int x, int y)
{
    if (!Plateau)
        return false;
    x = std::clamp(x, 1, kColumns);
    y = std::clamp(y, 1, kRows);
    if (Plateau->IsWall(x, y)) {
        if (x == 1 || x == kColumns) {
            if (y <= kRows - 1 && !Plateau->IsWall(x, y + 1))
                ++y;
            else if (y > 1 && !Plateau->IsWall(x, y - 1))
                --y;
        } else if (y == 1 || y == kRows) {
            if (x <= kColumns - 1 && !Plateau->IsWall(x + 1, y))
                ++x;
            else if (x > 1 && !Plateau->IsWall(x - 1, y))
                --x;
        }
    }
    if (Plateau->IsWall(x, y))
        return false;
    PlaceSur(x, y);
    return true;
}

void TPacman::Zone(QRegion &region) const
{
    TSprite::Zone(region);
    for (int p = 1; p <= NbTrain; ++p)
        if (const TLettre *letter = Train[std::size_t(p)].letter.get())
            letter->Zone(region);
}

void TPacman::Sauve(savefile::TypedWriter &writer) const
{
    TSprite::Sauve(writer);
    writer.WriteString(std::string(1, Demande));
    writer.WriteInteger(Compteur);
    writer.WriteString(Mot);
    writer.WriteInteger(NbTrain);
    for (int p = 0; p <= kTrainPlaces; ++p) {
        const TrainPlace &place = Train[std::size_t(p)];
        if (place.letter) {
            writer.WriteInteger(2);
            place.letter->Sauve(writer);
        } else {
            writer.WriteInteger(-1);
        }
        // Place 0 is the eater's own trail: it has no letter but its points
        // are what the first letter follows, so they are kept too.
        const bool kept = p == 0 || place.letter;
        for (const TrailPoint &point : place.trail)
            for (int value : {point.y, point.x, point.board})
                writer.WriteInteger(kept ? value : 0);
    }
}

bool TPacman::Charge(savefile::TypedReader &reader)
{
    if (!TSprite::Charge(reader))
        return false;
    const std::string demande = reader.ReadString();
    Compteur = reader.ReadInteger();
    const std::string mot = reader.ReadString();
    const int count = reader.ReadInteger();
    if (demande.size() > 1 ||
        (demande.size() == 1 && std::string_view("DGHBPM ").find(demande[0]) == std::string_view::npos) ||
        count < 0 || count > kTrainPlaces || int(mot.size()) != count)
        return false;
    Demande = demande.empty() ? ' ' : demande[0];
    TakeTrain();
    for (int p = 0; p <= kTrainPlaces; ++p) {
        TrainPlace &place = Train[std::size_t(p)];
        const int tag = reader.ReadInteger();
        if (tag == 2) {
            auto letter = std::make_unique<TLettre>(Jeu, Plateau);
            if (!letter->Charge(reader) || p == 0 || p > count || letter->Lettre != mot[std::size_t(p - 1)])
                return false;
            place.letter = std::move(letter);
        } else if (tag != -1 || (p >= 1 && p <= count)) {
            return false;
        }
        for (TrailPoint &point : place.trail) {
            point.y = reader.ReadInteger();
            point.x = reader.ReadInteger();
            point.board = reader.ReadInteger();
            if (point.board < 0 || point.board > kWorldSide * kWorldSide)
                return false;
        }
    }
    Mot = mot;
    NbTrain = count;
    return true;
}

} // namespace avaleur
