// SPDX-License-Identifier: GPL-3.0-or-later
// The table of game kinds: every kind once with all it needs, the codes that
// saved games carry, and the kind read back from a saved game's header.
#include "framework/config.h"
#include "framework/game_file.h"
#include "framework/game_kind.h"
#include "framework/savefile/saved_game_header.h"
#include "framework/savefile/typed_stream.h"
#include "support/temp_settings.h"

#include <climits>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <string>

namespace {
// What each kind must be, by its code.
struct Expected {
    int code;
    const char *className;
    const char *title;
    const char *helpTopic;
    const char *section;
    int mostPlayers;
    int maxLevel;
};
constexpr Expected kKinds[] = {
    {1, "TFPendu", "Pendu", "Pendu.htm", "Pendo", 4, 1},
    {2, "TFAvaleur", "Oxa", "Avaleur.htm", "Avaleur", 1, 0},
    {3, "TFScrabble", "Scrabble", "Scrabble.htm", "Sbl", 4, 5},
    {4, "TFDuplic", "Duplicate", "Duplicate.htm", "Sbld", 40, 5},
    {5, "TFCle", "Keyword", "Keyword.htm", "slosilo", 4, 5},
    {6, "TFWordy", "Wordy", "Wordy.htm", "Wordy", 4, 5},
    {7, "TFtopword", "TopWord", "TopWord.htm", "TopWord", 4, 5},
    {8, "TFPhilo", "Philosophe", "Philosophe.htm", "Filozofisto", 4, 1},
};

std::string HeaderOfKind(int kind)
{
    std::ostringstream out;
    {
        savefile::TypedWriter writer(out);
        savefile::WriteSavedGameHeader(writer, kind, {"OXA/Ludorine 1.0", "albane", "10/12/2026 06:00:00"});
    }
    return out.str();
}
} // namespace

TEST(GameKinds, EveryCodeFromOneToEightHasOneCompleteRow)
{
    std::set<int> codes;
    std::set<std::string> classes, menuNames, topics;
    std::set<QString> sections;
    for (const GameKindRow &row : GameKindRows()) {
        SCOPED_TRACE(row.ClassName);
        EXPECT_TRUE(codes.insert(ToInt(row.Code)).second) << "code twice";
        // Two kinds sharing a name would share a window class, a menu
        // entry, a help page or their stored settings.
        EXPECT_TRUE(classes.insert(row.ClassName).second);
        EXPECT_TRUE(menuNames.insert(row.MenuName).second);
        EXPECT_TRUE(topics.insert(row.HelpTopic).second);
        EXPECT_TRUE(sections.insert(row.Section).second);
        EXPECT_TRUE(std::string(row.ClassName).starts_with("TF"));
        EXPECT_FALSE(row.Title.isEmpty());
        EXPECT_FALSE(row.MenuCaption.isEmpty());
        EXPECT_FALSE(row.SettingsCaption.isEmpty());
        // The status bar shows the part after '|'.
        EXPECT_EQ(row.Hint.count(QLatin1Char('|')), 1) << row.Hint.toStdString();
        EXPECT_GE(row.DefaultPlayers, 1);
        EXPECT_LE(row.DefaultPlayers, row.MostPlayers);
        EXPECT_LE(row.MostPlayers, kPlayerSlots);
    }
    EXPECT_EQ(codes, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8}));
}

TEST(GameKinds, EachCodeNamesItsOwnWindowTitleHelpAndSettings)
{
    TempSettings temp;
    for (const Expected &kind : kKinds) {
        SCOPED_TRACE(kind.className);
        const std::optional<GameKindCode> code = GameKindFromInt(kind.code);
        ASSERT_TRUE(code.has_value());
        EXPECT_EQ(ToInt(*code), kind.code);
        const GameKindRow *row = FindGameKindRow(*code);
        ASSERT_NE(row, nullptr);
        EXPECT_STREQ(row->ClassName, kind.className);
        EXPECT_EQ(row->Title, QString::fromUtf8(kind.title));
        EXPECT_STREQ(row->HelpTopic, kind.helpTopic);

        // The settings of the game take their limits from its row, and the
        // player kinds list has one entry per level.
        GameSettings settings;
        settings.SetupForGame(*code);
        EXPECT_EQ(settings.Section, QString::fromLatin1(kind.section));
        EXPECT_EQ(settings.MostPlayers, kind.mostPlayers);
        EXPECT_EQ(settings.MaxLevel(), kind.maxLevel);
        EXPECT_EQ(settings.FillKindList().size(), kind.maxLevel + 1);
        EXPECT_EQ(settings.FillKindList().value(kind.maxLevel), settings.PlayerKindText(kind.maxLevel));
    }
}

TEST(GameKinds, NumbersThatNameNoGameAreRefused)
{
    for (int value : {0, -1, 9, 10, 255, -4, INT_MIN, INT_MAX})
        EXPECT_FALSE(GameKindFromInt(value).has_value()) << value;
    EXPECT_EQ(FindGameKindRow(GameKindCode::None), nullptr);

    // Settings of no game: no section, board-game levels.
    GameSettings none;
    EXPECT_EQ(none.GameKind, GameKindCode::None);
    EXPECT_EQ(none.MaxLevel(), kMostComputerLevel);
}

TEST(GameKinds, TheSavedGameHeaderGivesBackTheKindItWasWrittenWith)
{
    for (const GameKindRow &row : GameKindRows()) {
        std::istringstream in(HeaderOfKind(ToInt(row.Code)));
        savefile::TypedReader reader(in);
        EXPECT_EQ(ReadSavedGameKind(reader), row.Code) << row.ClassName;
    }
    // A header sound in every check value but naming no game opens nothing.
    for (int kind : {0, 9, 300}) {
        std::istringstream in(HeaderOfKind(kind));
        savefile::TypedReader reader(in);
        EXPECT_EQ(ReadSavedGameKind(reader), std::nullopt) << kind;
    }
}
