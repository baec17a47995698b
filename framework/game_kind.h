// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game kinds and the one table that says what each kind is: its code
// (the number saved games carry), its window class, title, "Nouveau jeu"
// menu entry and help topic, and what its settings need (store section,
// player limits, page of the Configuration dialog, computer levels, the
// options it keeps). The main window, the saved-game reader and the settings
// all read this table; only the window factories live beside the main window
// (app/game_kinds.h), because they need the game windows.
#include <optional>
#include <QString>
#include <vector>

// The code of a game kind, as saved games write it. None is the kind of a
// window or of settings not set up for a game yet; it has no row.
enum class GameKindCode : int {
    None = 0,
    Pendu = 1,
    Avaleur = 2,
    Scrabble = 3,
    Duplicate = 4,
    Cle = 5,
    Wordy = 6,
    TopWord = 7,
    Philosophe = 8,
};

// The highest level of a computer player in the board games.
inline constexpr int kMostComputerLevel = 5;

constexpr int ToInt(GameKindCode code)
{
    return static_cast<int>(code);
}

// The code a number read from a file stands for; nullopt for a number that
// names no game (0 included).
std::optional<GameKindCode> GameKindFromInt(int value);

// What the player table offers for a player of the game.
enum class PlayerKindTexts {
    HumanOnly,       // "Joueur humain"
    HumanOrComputer, // "Joueur humain", "Ordinateur"
    ComputerLevels,  // "Joueur humain", "Ordinateur niveau 1" to 5
};

// The option set of a game: its page of the Configuration dialog, the values
// it keeps in its store section and the options of its settings part in a
// saved game.
enum class GameOptionSet {
    Pendu,        // tries, first and last letters, end of game
    Avaleur,      // speed, kept by the game itself
    FreeScrabble, // draw mode "ddlb_tirage" (Scrabble, KeyWord, Wordy)
    Duplicate,    // draw mode and variant
    TopWord,      // draw mode and board dimension
    Philosophe,   // word length, misplaced letters, end of game
};

struct GameKindRow {
    GameKindCode Code;
    const char *ClassName; // window class, e.g. "TFScrabble"
    QString Title;         // the window's Title
    // The "Nouveau jeu" menu entry: object name, caption, "short|long" hint,
    // and whether it sits in the "Scrabble" submenu.
    const char *MenuName;
    QString MenuCaption;
    QString Hint;
    bool InScrabbleMenu;
    const char *HelpTopic; // page of the help file the game's help opens
    // Settings: the store section, the most and the default players, the
    // caption of the game's page in the Configuration dialog, the highest
    // player level, the texts of the player kinds and the option set.
    QString Section;
    int MostPlayers;
    int DefaultPlayers;
    QString SettingsCaption;
    int MaxLevel;
    PlayerKindTexts PlayerKinds;
    GameOptionSet Options;
};

// Every kind, in the order of the "Nouveau jeu" menu.
const std::vector<GameKindRow> &GameKindRows();
// The row of a kind; null for None.
const GameKindRow *FindGameKindRow(GameKindCode code);
