// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The settings and players of one game window, without the dialog that edits
// them (config_dialog.h): which players take part and who plays, the game's
// options, whose turn it is, the per-game section of the settings store, the
// settings part of saved games and of text exports. What differs between the
// games (section, player limits, levels, options) comes from the table of
// game kinds.
#include "framework/game_kind.h"
#include "framework/player.h"

#include <array>
#include <functional>
#include <memory>
#include <QString>
#include <QStringList>

class QSettings;
class QTextStream;
namespace savefile {
class TypedReader;
class TypedWriter;
} // namespace savefile

inline constexpr int kPlayerSlots = 40;
// Names are stored cut to this length.
inline constexpr int kStoredNameLength = 20;

// The options of the games, named after the controls that show them. Lists
// hold the index of the selected item.
struct GameOptions {
    // Pendu
    int CB_pendu_essai = 2;       // "7", "10", "12" tries
    bool CB_pendu_lettres = true; // show the first and last letters
    bool Rbtn_pendu_fin1 = true;  // the game ends after ed_pendu_par1 turns, else at ed_pendu_par2 points
    QString ed_pendu_par1 = QStringLiteral("10");
    QString ed_pendu_par2 = QStringLiteral("50");
    // Scrabble libre, KeyWord, Wordy: 0 automatic draw, 1 manual
    int ddlb_tirage = 0;
    // Duplicate
    int ddlb_tirage_duplic = 0;
    int ddlb_vari_duplic = 0; // VariantItems()
    // Avaleur: 1 to 100
    int Vitesse_bar = 50;
    // TopWord
    int ddlb_tirage_topword = 0;
    int ddlb_dim_topword = 0; // 0: 10 * 10, 1: 8 * 8
    // Philosophe
    int CB_philo = 0;        // word length 4 to 10, or 7: chosen at random
    bool CheckBox_mp = true; // show the misplaced letters too
    bool Rbtn_philo_fin1 = true;
    QString ed_philo_par1 = QStringLiteral("10");
    QString ed_philo_par2 = QStringLiteral("50");
    // "Mots à trouver : mots courants": Pendu and Philosophe hide words drawn
    // from the common words. One setting for the whole program, kept at the
    // top of the settings store and never in saved games.
    bool commonWords = true;

    bool operator==(const GameOptions &) const = default;

    static QStringList TriesItems();      // Pendu
    static QStringList DrawModeItems();   // every draw-mode list
    static QStringList VariantItems();    // Duplicate
    static QStringList DimensionItems();  // TopWord
    static QStringList WordLengthItems(); // Philosophe

    // The number of tries the Pendu list gives.
    int PenduTries() const;
    // The Philosophe word length, 0 when it is to be chosen at random.
    int PhiloWordLength() const;
};

// The text an end-of-game field keeps: itself when it is a positive integer,
// "10" otherwise.
QString PositiveIntegerOr10(const QString &text);

class GameSettings {
public:
    GameSettings();
    virtual ~GameSettings();

    GameKindCode GameKind = GameKindCode::None;
    int PlayerCount = 1;
    // Player slots 1 to 40 (slot 0 is not used); slots 1 to PlayerCount take part.
    std::array<Tjoueur, kPlayerSlots + 1> Players;
    int CurrentPlayer = 1;
    bool AllComputers = false;
    QString SettingsVersion; // program version of the last settings part loaded
    QString Section;         // this game's section of the settings store
    int MostPlayers = 4;
    int DefaultPlayers = 1;
    GameOptions Options;

    // Where NextPlayer announces the new player (the owning window's status bar).
    std::function<void(const QString &)> ShowStatus;

    // Sets the game's section, player limits and defaults, then reads the
    // store: player names, count, levels and the game's options.
    void SetupForGame(GameKindCode kind);
    // Slots 1 to Count take their names from the ';'-terminated list Names;
    // "§", an empty name or a list used up gives the slot's default name.
    void SetPlayerNames(int count, const QString &names);
    // Passes the turn to the next player and announces it.
    void NextPlayer();
    // Takes a chosen player count: the first player starts and AllComputers
    // follows the players' levels.
    void ApplyDialog(int selectedCount);
    // Clears the scores and times of all slots.
    void ClearScores();

    // The settings store: the per-user store, this game's section.
    static std::unique_ptr<QSettings> OpenStore();
    QString StoreGroup() const;
    // Reads the game's values (part of SetupForGame).
    void ReadStore(QSettings &store);
    // Writes the game's values; names are cut to 20 characters and their ';'
    // replaced, in the players' data as well.
    void StoreSettings();
    void StoreSettings(QSettings &store);

    // Check value over the game kind, section, count, current player and
    // every player's name, level, score and time.
    std::int32_t SettingsChecksum() const;
    void SaveSettings(savefile::TypedWriter &writer) const;
    // False, with every value as it was, when the part is not a settings
    // part of this language or its check value does not match.
    bool LoadSettings(savefile::TypedReader &reader);
    // An empty line, "n Name : Score" for each player, an empty line.
    void ExportSettingsText(QTextStream &out) const;

    QString PlayerKindText(int level) const;
    QStringList FillKindList() const;
    // Highest level a player of this game can have.
    int MaxLevel() const;

    static QString DefaultName(int slot);
    static QString DefaultNameList(); // "Albane;Bertin;Cyrielle;Dorian;"
    static QString Language();        // "FR"
    static QString ProgramVersion();

private:
    int LevelFromStore(int slot, const QString &group) const;
};
