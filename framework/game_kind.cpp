// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/game_kind.h"

const std::vector<GameKindRow> &GameKindRows()
{
    using K = GameKindCode;
    using P = PlayerKindTexts;
    using O = GameOptionSet;
    static const std::vector<GameKindRow> rows = {
        {K::Avaleur, "TFAvaleur", QStringLiteral("Oxa"), "Avaleur1", QStringLiteral("Avaleur"),
         QStringLiteral("Avaleur|Avaleur est un Pacman avec des lettres"), false, "Avaleur.htm",
         QStringLiteral("Avaleur"), 1, 1, QStringLiteral("Avaleur"), 0, P::HumanOnly, O::Avaleur},
        {K::Cle, "TFCle", QStringLiteral("Keyword"), "Lacle", QStringLiteral("La clé"),
         QStringLiteral("La clé|La clé est un jeu contemporain du Scrabble"), false, "Keyword.htm",
         QStringLiteral("slosilo"), 4, 2, QStringLiteral("KeyWord"), kMostComputerLevel, P::ComputerLevels,
         O::FreeScrabble},
        {K::Pendu, "TFPendu", QStringLiteral("Pendu"), "Pendu", QStringLiteral("Pendu"),
         QStringLiteral("Pendu|Le jeu du Pendu en 3D OpenGL"), false, "Pendu.htm", QStringLiteral("Pendo"), 4,
         1, QStringLiteral("Pendu"), 1, P::HumanOrComputer, O::Pendu},
        {K::Philosophe, "TFPhilo", QStringLiteral("Philosophe"), "Philosophe", QStringLiteral("Philosophe"),
         QStringLiteral("Philosophe|Un MasterMind avec des lettres"), false, "Philosophe.htm",
         QStringLiteral("Filozofisto"), 4, 1, QStringLiteral("Philosophe"), 1, P::HumanOrComputer,
         O::Philosophe},
        {K::TopWord, "TFtopword", QStringLiteral("TopWord"), "Topword", QStringLiteral("Topword"),
         QStringLiteral("TopWord|Su une grille mais en 3 dimensions"), false, "TopWord.htm",
         QStringLiteral("TopWord"), 4, 2, QStringLiteral("TopWord"), kMostComputerLevel, P::ComputerLevels,
         O::TopWord},
        {K::Scrabble, "TFScrabble", QStringLiteral("Scrabble"), "ScrabbleClassique",
         QStringLiteral("Partie libre"), QStringLiteral("Scrabble|Le Scrabble version familiale"), true,
         "Scrabble.htm", QStringLiteral("Sbl"), 4, 2, QStringLiteral("Scrabble libre"), kMostComputerLevel,
         P::ComputerLevels, O::FreeScrabble},
        {K::Duplicate, "TFDuplic", QStringLiteral("Duplicate"), "ScrabbleDuplicate",
         QStringLiteral("Duplicate"), QStringLiteral("Scrabble|Le Scrabble version compétition"), true,
         "Duplicate.htm", QStringLiteral("Sbld"), 40, 2, QStringLiteral("Scrabble duplicate"),
         kMostComputerLevel, P::ComputerLevels, O::Duplicate},
        {K::Wordy, "TFWordy", QStringLiteral("Wordy"), "MWordy", QStringLiteral("Wordy"),
         QStringLiteral("Wordy|Wordy est un ancêtre du Scrabble"), false, "Wordy.htm",
         QStringLiteral("Wordy"), 4, 2, QStringLiteral("Wordy"), kMostComputerLevel, P::ComputerLevels,
         O::FreeScrabble},
    };
    return rows;
}

const GameKindRow *FindGameKindRow(GameKindCode code)
{
    for (const GameKindRow &row : GameKindRows())
        if (row.Code == code)
            return &row;
    return nullptr;
}

std::optional<GameKindCode> GameKindFromInt(int value)
{
    // Only a number some row carries is a kind: a cast alone would accept
    // any int.
    for (const GameKindRow &row : GameKindRows())
        if (ToInt(row.Code) == value)
            return row.Code;
    return std::nullopt;
}
