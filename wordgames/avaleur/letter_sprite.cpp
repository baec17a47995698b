// SPDX-License-Identifier: GPL-3.0-or-later
// TLettre: a letter wandering in the maze from one random cell to another,
// waiting between its walks; a letter of a scored word runs to the exit
// and vanishes.
#include "framework/savefile/typed_stream.h"
#include "wordgames/avaleur/avaleur_game.h"
#include "wordgames/avaleur/sprites.h"

namespace avaleur {

TLettre::TLettre(AvaleurGame &jeu, TPlateau *plateau) : TSprite(jeu, plateau) {}

void TLettre::Avance()
{
    if (!Plateau)
        return;
    if (Jeu.Mangeur().Plateau != Plateau) {
        ChemLettre.clear();
        if (Attache == 2 && Retrecit < 0)
            Retrecit = 0;
        else
            Attente = Jeu.Random(50);
        return;
    }
    if (Retrecit >= 0) {
        TSprite::Avance();
        return;
    }
    // A letter of the train goes where the train puts it and never walks
    // on its own.
    if (Attache == 1) {
        Image = (Image + 1) % 20;
        TSprite::Avance();
        return;
    }
    if (Attente == 0) {
        if (ChemLettre.empty()) {
            if (Attache == 2) {
                Disparait(); // it reached its exit
            } else {
                const CellXY target =
                    Plateau->CaseLibreProche(1 + Jeu.Random(kColumns), 1 + Jeu.Random(kRows));
                if (target.Valid()) {
                    CellPath path;
                    Plateau->Chemin(CaseDe(), target, path);
                    PrendChemin(path);
                }
            }
        } else {
            if (FollowPath(ChemLettre)) {
                if (Attache == 2)
                    Disparait();
                else
                    Attente = Jeu.Random(100) + 5;
            }
            if (Attache != 2 && Touche(32)) {
                ChemLettre.clear();
                Attente = Jeu.Random(20) + 5;
            }
        }
    } else {
        --Attente;
    }
    Image = (Image + 1) % 20;
    TSprite::Avance();
    if (Plateau->IsWall(CaseX, CaseY)) {
        SortDesMurs();
        ChemLettre.clear();
        Attente = Jeu.Random(20) + 10;
    }
}

void TLettre::Sauve(savefile::TypedWriter &writer) const
{
    TSprite::Sauve(writer);
    writer.WriteInteger(Tour);
    writer.WriteChar(Lettre);
    writer.WriteBoolean(Errance);
    writer.WriteInteger(Attente);
}

bool TLettre::Charge(savefile::TypedReader &reader)
{
    if (!TSprite::Charge(reader))
        return false;
    Tour = reader.ReadInteger();
    Lettre = reader.ReadChar();
    Errance = reader.ReadBoolean();
    Attente = reader.ReadInteger();
    ChemLettre.clear();
    return Lettre >= 'A' && Lettre <= 'Z' && Attente >= 0 && Attente <= 1000;
}

} // namespace avaleur
