// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_kinds.h"

#include "boardgames/wordy/wordy_window.h"
#include "scrabble/windows/duplicate_window.h"
#include "scrabble/windows/scrabble_window.h"

const std::vector<GameKindInfo> &GameKinds()
{
    // Each game adds its window factory here when its window exists.
    static const std::vector<GameKindInfo> kinds = {
        {2, "TFAvaleur", QStringLiteral("Oxa"), "Avaleur1", QStringLiteral("Avaleur"),
         QStringLiteral("Avaleur|Avaleur est un Pacman avec des lettres"), false, nullptr},
        {5, "TFCle", QStringLiteral("Keyword"), "Lacle", QStringLiteral("La clé"),
         QStringLiteral("La clé|La clé est un jeu contemporain du Scrabble"), false, nullptr},
        {1, "TFPendu", QStringLiteral("Pendu"), "Pendu", QStringLiteral("Pendu"),
         QStringLiteral("Pendu|Le jeu du Pendu en 3D OpenGL"), false, nullptr},
        {8, "TFPhilo", QStringLiteral("Philosophe"), "Philosophe", QStringLiteral("Philosophe"),
         QStringLiteral("Philosophe|Un MasterMind avec des lettres"), false, nullptr},
        {7, "TFtopword", QStringLiteral("TopWord"), "Topword", QStringLiteral("Topword"),
         QStringLiteral("TopWord|Su une grille mais en 3 dimensions"), false, nullptr},
        {3, "TFScrabble", QStringLiteral("Scrabble"), "ScrabbleClassique", QStringLiteral("Partie libre"),
         QStringLiteral("Scrabble|Le Scrabble version familiale"), true,
         [](QWidget *parent) -> TFLudorine * { return new TFScrabble(parent); }},
        {4, "TFDuplic", QStringLiteral("Duplicate"), "ScrabbleDuplicate", QStringLiteral("Duplicate"),
         QStringLiteral("Scrabble|Le Scrabble version compétition"), true,
         [](QWidget *parent) -> TFLudorine * { return new TFDuplic(parent); }},
        {6, "TFWordy", QStringLiteral("Wordy"), "MWordy", QStringLiteral("Wordy"),
         QStringLiteral("Wordy|Wordy est un ancêtre du Scrabble"), false,
         [](QWidget *parent) -> TFLudorine * { return new TFWordy(parent); }},
    };
    return kinds;
}

const GameKindInfo *FindGameKind(int code)
{
    for (const GameKindInfo &kind : GameKinds())
        if (kind.Code == code)
            return &kind;
    return nullptr;
}
