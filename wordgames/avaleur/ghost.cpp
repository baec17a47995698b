// SPDX-License-Identifier: GPL-3.0-or-later
// TPhantom: a ghost. At level 0 it wanders straight on until a wall turns
// it; from level 1 it hunts the eater along paths it recomputes the more
// often the higher the level. It kills the eater it touches, makes the
// letters it touches vanish, and stands still while the magic lasts.
#include "wordgames/avaleur/avaleur_game.h"
#include "wordgames/avaleur/sprites.h"

namespace avaleur {

namespace {
struct Hunt {
    int speed;
    int lifetime; // ticks a path is kept; 0: no limit
};
Hunt HuntOfLevel(int level)
{
    static constexpr std::array<Hunt, 6> kHunts = {{{1, 0}, {2, 40}, {3, 30}, {4, 20}, {5, 10}, {5, 5}}};
    return kHunts[std::size_t(std::clamp(level, 1, 6) - 1)];
}
} // namespace

TPhantom::TPhantom(AvaleurGame &jeu, TPlateau *plateau) : TSprite(jeu, plateau)
{
    Vitesse = 2;
}

void TPhantom::Avance()
{
    if (!Plateau)
        return;
    TPacman &eater = Jeu.Mangeur();
    if (eater.Plateau != Plateau) {
        ChemFantome.clear();
        return;
    }
    Image = (Image + 1) % 10;
    if (Jeu.MagieActive())
        return;
    if (Jeu.Niveau > 0) {
        const Hunt hunt = HuntOfLevel(Jeu.Niveau);
        Vitesse = hunt.speed;
        if (hunt.lifetime > 0 && Age > hunt.lifetime)
            ChemFantome.clear();
        if (ChemFantome.empty()) {
            Plateau->Chemin(CaseDe(), eater.CaseDe(), ChemFantome);
            Age = 0;
        }
    } else {
        ChemFantome.clear();
    }
    PrecX = X;
    PrecY = Y;
    if (!ChemFantome.empty()) {
        ++Age;
        FollowPath(ChemFantome);
    } else {
        int tx = X, ty = Y;
        switch (Direction) {
        case 'B':
            ty += Vitesse;
            break;
        case 'D':
            tx += Vitesse;
            break;
        case 'G':
            tx -= Vitesse;
            break;
        case 'H':
            ty -= Vitesse;
            break;
        default:
            tx = -kBoardWidth; // no direction yet: choose one
        }
        if (tx < 0 || tx > kBoardWidth - kCell || ty < 0 || ty > kBoardHeight - kCell ||
            Plateau->MurEn(tx, ty)) {
            Direction = "DGHB"[Jeu.Random(4)];
        } else {
            X = tx;
            Y = ty;
        }
    }
    if (TSprite *other = Touche(30)) {
        if (other->Kind() == SpriteKind::Eater)
            Jeu.Meurt();
        else if (other->Kind() == SpriteKind::Letter && other->Retrecit < 0)
            other->Disparait();
        X = PrecX;
        Y = PrecY;
        ChemFantome.clear();
    }
    TSprite::Avance();
    SortDesMurs();
}

} // namespace avaleur
