// SPDX-License-Identifier: GPL-3.0-or-later
// The settings part of saved games and text exports, and the turn passing.
#include "framework/config.h"
#include "framework/resourcelib/check_values.h"
#include "framework/savefile/typed_stream.h"
#include "support/temp_settings.h"

#include <functional>
#include <gtest/gtest.h>
#include <QTextStream>
#include <sstream>

namespace {
GameSettings Game(GameKindCode kind, int count)
{
    GameSettings settings;
    settings.SetupForGame(kind);
    settings.SetPlayerNames(count, QStringLiteral("Albane;Bertin;Cyrielle;"));
    for (int n = 1; n <= count; ++n) {
        settings.Players[n].Level = std::uint8_t(n - 1 > settings.MaxLevel() ? settings.MaxLevel() : n - 1);
        settings.Players[n].Score = 100 * n + 7;
        settings.Players[n].TimeMs = 12345 * n;
    }
    settings.ApplyDialog(count);
    settings.CurrentPlayer = count;
    return settings;
}

std::string Saved(const GameSettings &settings)
{
    std::ostringstream out;
    {
        savefile::TypedWriter writer(out);
        settings.SaveSettings(writer);
    }
    return out.str();
}

bool Load(GameSettings &settings, const std::string &bytes)
{
    std::istringstream in(bytes);
    savefile::TypedReader reader(in);
    return settings.LoadSettings(reader);
}

void ExpectSamePlayers(const GameSettings &a, const GameSettings &b)
{
    ASSERT_EQ(a.PlayerCount, b.PlayerCount);
    EXPECT_EQ(a.CurrentPlayer, b.CurrentPlayer);
    EXPECT_EQ(a.AllComputers, b.AllComputers);
    EXPECT_EQ(a.Section, b.Section);
    for (int n = 1; n <= kPlayerSlots; ++n) {
        EXPECT_EQ(a.Players[n].Name, b.Players[n].Name) << n;
        EXPECT_EQ(a.Players[n].Level, b.Players[n].Level) << n;
        EXPECT_EQ(a.Players[n].Score, b.Players[n].Score) << n;
        EXPECT_EQ(a.Players[n].TimeMs, b.Players[n].TimeMs) << n;
        EXPECT_EQ(a.Players[n].IsComputer, b.Players[n].IsComputer) << n;
    }
}

// A Duplicate settings part as an older version wrote it.
std::string OldDuplicatePart(const GameSettings &game, const char *version, int options)
{
    std::ostringstream out;
    {
        savefile::TypedWriter w(out);
        w.WriteString("AXO");
        w.WriteInteger(Keycalc("AXO"));
        w.WriteInteger(game.SettingsChecksum());
        w.WriteInteger(ToInt(GameKindCode::Duplicate));
        w.WriteString("FR");
        w.WriteString(version);
        w.WriteString("Sbld");
        w.WriteInteger(game.PlayerCount);
        w.WriteInteger(game.CurrentPlayer);
        w.WriteString("M");
        w.WriteListBegin();
        for (int n = 1; n <= game.PlayerCount; ++n) {
            w.WriteInteger(n);
            w.WriteString(game.Players[n].Name.toStdString());
            w.WriteInteger(game.Players[n].Level);
            w.WriteInteger(game.Players[n].Score);
            w.WriteInteger(game.Players[n].TimeMs);
            w.WriteString(game.Players[n].IsComputer ? "T" : "F");
        }
        w.WriteListEnd();
        if (options >= 1)
            w.WriteInteger(1);
        if (options >= 2)
            w.WriteInteger(2);
        w.WriteString(std::string(100, '0'));
    }
    return out.str();
}
} // namespace

TEST(SettingsPart, EveryKindRoundTripsItsPlayersAndSavedOptions)
{
    TempSettings temp;
    for (const GameKindRow &row : GameKindRows()) {
        const GameKindCode kind = row.Code;
        SCOPED_TRACE(row.ClassName);
        GameSettings saved = Game(kind, std::min(3, row.MostPlayers));
        saved.Options.CB_pendu_lettres = false;
        saved.Options.CB_pendu_essai = 1;
        saved.Options.ddlb_tirage = 1;
        saved.Options.ddlb_tirage_duplic = 1;
        saved.Options.ddlb_vari_duplic = 2;
        saved.Options.ddlb_tirage_topword = 1;
        saved.Options.ddlb_dim_topword = 1;
        saved.Options.CheckBox_mp = false;
        saved.Options.CB_philo = 5;
        const std::string bytes = Saved(saved);

        GameSettings loaded;
        loaded.SetupForGame(kind);
        ASSERT_TRUE(Load(loaded, bytes));
        ExpectSamePlayers(loaded, saved);
        EXPECT_EQ(loaded.SettingsVersion, GameSettings::ProgramVersion());
        // The part carries some options of its kind; the others stay as they were.
        GameOptions expected;
        switch (kind) {
        case GameKindCode::Pendu:
            expected.CB_pendu_lettres = false;
            expected.CB_pendu_essai = 1;
            break;
        case GameKindCode::Scrabble:
        case GameKindCode::Cle:
        case GameKindCode::Wordy:
            expected.ddlb_tirage = 1;
            break;
        case GameKindCode::Duplicate:
            expected.ddlb_tirage_duplic = 1;
            expected.ddlb_vari_duplic = 2;
            break;
        case GameKindCode::TopWord:
            expected.ddlb_tirage_topword = 1;
            expected.ddlb_dim_topword = 1;
            break;
        case GameKindCode::Philosophe:
            expected.CheckBox_mp = false;
            expected.CB_philo = 5;
            break;
        case GameKindCode::Avaleur:
        case GameKindCode::None:
            break;
        }
        EXPECT_EQ(loaded.Options, expected);
    }
}

TEST(SettingsPart, AChangedScoreByteMakesTheChecksumRefuseThePart)
{
    TempSettings temp;
    GameSettings saved = Game(GameKindCode::Scrabble, 2);
    saved.Players[2].Score = 12345; // a 16-bit integer: tag 3, bytes 39 30
    std::string bytes = Saved(saved);
    const std::string score("\x03\x39\x30", 3);
    const auto at = bytes.find(score);
    ASSERT_NE(at, std::string::npos);
    bytes[at + 1] = '\x3A';

    GameSettings loaded = Game(GameKindCode::Scrabble, 2);
    loaded.Players[1].Name = QStringLiteral("Avant");
    GameSettings before = Game(GameKindCode::Scrabble, 2);
    before.Players[1].Name = QStringLiteral("Avant");
    EXPECT_FALSE(Load(loaded, bytes));
    ExpectSamePlayers(loaded, before);
    EXPECT_NE(saved.SettingsChecksum(), GameSettings().SettingsChecksum());
}

TEST(SettingsPart, WrongMarkerLanguageOrTruncatedPartRestoresTheState)
{
    TempSettings temp;
    const GameSettings other = Game(GameKindCode::TopWord, 3);
    std::string bytes = Saved(other);

    GameSettings target = Game(GameKindCode::Duplicate, 2);
    target.Options.ddlb_vari_duplic = 3;
    const GameSettings before = Game(GameKindCode::Duplicate, 2);

    std::string badMarker = bytes;
    badMarker[badMarker.find("AXO") + 2] = 'X';
    EXPECT_FALSE(Load(target, badMarker));
    ExpectSamePlayers(target, before);

    std::string otherLanguage = bytes;
    otherLanguage.replace(otherLanguage.find("FR"), 2, "EN");
    EXPECT_FALSE(Load(target, otherLanguage));
    EXPECT_EQ(target.GameKind, GameKindCode::Duplicate);
    ExpectSamePlayers(target, before);

    EXPECT_FALSE(Load(target, bytes.substr(0, bytes.size() / 2)));
    ExpectSamePlayers(target, before);
    EXPECT_EQ(target.Options.ddlb_vari_duplic, 3);
}

TEST(SettingsPart, DuplicateOptionsFollowTheVersionThatWroteThem)
{
    TempSettings temp;
    const GameSettings game = Game(GameKindCode::Duplicate, 2);
    struct Case {
        const char *version;
        int written;
        int draw, variant;
    } const cases[] = {
        {"1.0.0.0", 0, 0, 0}, // neither option yet
        {"1.0.1.5", 1, 1, 0}, // the draw mode only
        {"1.0.1.7", 2, 1, 2}, // both
        {"1.0.1.0", 2, 1, 2}, // both, whatever the version says
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.version);
        GameSettings loaded;
        loaded.SetupForGame(GameKindCode::Duplicate);
        loaded.Options.ddlb_tirage_duplic = 1;
        loaded.Options.ddlb_vari_duplic = 3;
        ASSERT_TRUE(Load(loaded, OldDuplicatePart(game, c.version, c.written)));
        EXPECT_EQ(loaded.SettingsVersion, QString::fromLatin1(c.version));
        EXPECT_EQ(loaded.Options.ddlb_tirage_duplic, c.draw);
        EXPECT_EQ(loaded.Options.ddlb_vari_duplic, c.variant);
    }
}

TEST(SettingsPart, TextExportListsThePlayersBetweenEmptyLines)
{
    TempSettings temp;
    GameSettings settings;
    settings.SetupForGame(GameKindCode::Scrabble);
    settings.Players[1].Score = 12;
    settings.Players[2].Score = 7;
    QString text;
    QTextStream out(&text);
    settings.ExportSettingsText(out);
    out.flush();
    EXPECT_EQ(text, QStringLiteral("\r\n1 Albane : 12\r\n2 Bertin : 7\r\n\r\n"));
}

TEST(SettingsPart, NextPlayerWrapsAndAnnouncesTheNewPlayer)
{
    TempSettings temp;
    GameSettings settings = Game(GameKindCode::Scrabble, 3);
    QStringList status;
    settings.ShowStatus = [&status](const QString &text) { status << text; };
    settings.CurrentPlayer = 2;
    settings.NextPlayer();
    settings.NextPlayer();
    EXPECT_EQ(settings.CurrentPlayer, 1);
    EXPECT_EQ(status, QStringList({QStringLiteral("Le joueur « Cyrielle » a la main"),
                                   QStringLiteral("Le joueur « Albane » a la main")}));
}

TEST(SettingsPart, PlayerKindTextsByGame)
{
    GameSettings pendu, avaleur, topword;
    pendu.GameKind = GameKindCode::Pendu;
    avaleur.GameKind = GameKindCode::Avaleur;
    topword.GameKind = GameKindCode::TopWord;
    EXPECT_EQ(pendu.FillKindList(), QStringList({"Joueur humain", "Ordinateur"}));
    EXPECT_EQ(pendu.PlayerKindText(1), QStringLiteral("Ordinateur"));
    EXPECT_EQ(pendu.PlayerKindText(3), QStringLiteral("3"));
    EXPECT_EQ(avaleur.FillKindList(), QStringList({"Joueur humain"}));
    EXPECT_EQ(avaleur.PlayerKindText(4), QStringLiteral("Joueur humain"));
    EXPECT_EQ(topword.FillKindList().size(), 6);
    EXPECT_EQ(topword.FillKindList().last(), QStringLiteral("Ordinateur niveau 5"));
    EXPECT_EQ(topword.PlayerKindText(3), QStringLiteral("Ordinateur niveau 3"));
    EXPECT_EQ(topword.PlayerKindText(0), QStringLiteral("Joueur humain"));
}

// A settings part that would give the game impossible players is refused,
// with every value as it was; names with the code page's signs of 0x80-0x9F
// come back.
TEST(SettingsPart, PartsTheGameCannotHoldAreRefused)
{
    TempSettings temp;
    struct Case {
        const char *what;
        std::function<void(GameSettings &)> damage;
    };
    const std::vector<Case> cases = {
        {"another game's part", [](GameSettings &s) { s.GameKind = GameKindCode::Cle; }},
        {"a kind no game has", [](GameSettings &s) { s.GameKind = static_cast<GameKindCode>(9); }},
        {"another section", [](GameSettings &s) { s.Section = QStringLiteral("Pendo"); }},
        {"more players than the game has room for", [](GameSettings &s) { s.PlayerCount = 5; }},
        {"a current player who does not take part", [](GameSettings &s) { s.CurrentPlayer = 4; }},
        {"a level beyond the game's", [](GameSettings &s) { s.Players[2].Level = 6; }},
        {"a score about to overflow", [](GameSettings &s) { s.Players[1].Score = 2147483000; }},
        {"a negative time", [](GameSettings &s) { s.Players[3].TimeMs = -1; }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        GameSettings saved = Game(GameKindCode::Scrabble, 3);
        c.damage(saved);
        GameSettings loaded = Game(GameKindCode::Scrabble, 2);
        const GameSettings before = Game(GameKindCode::Scrabble, 2);
        EXPECT_FALSE(Load(loaded, Saved(saved)));
        ExpectSamePlayers(loaded, before);
    }
    // Settings not yet set up for a game take any game's part, but only of
    // a kind that exists.
    GameSettings unknown = Game(GameKindCode::Scrabble, 2);
    unknown.GameKind = static_cast<GameKindCode>(9);
    GameSettings fresh;
    EXPECT_FALSE(Load(fresh, Saved(unknown)));
    EXPECT_EQ(fresh.GameKind, GameKindCode::None);
    EXPECT_TRUE(Load(fresh, Saved(Game(GameKindCode::Wordy, 2))));
    EXPECT_EQ(fresh.GameKind, GameKindCode::Wordy);

    GameSettings named = Game(GameKindCode::Scrabble, 2);
    named.Players[1].Name = QStringLiteral("Œdipe l’aîné");
    named.Players[2].Name = QStringLiteral("Cœur à 5 €");
    GameSettings back = Game(GameKindCode::Scrabble, 2);
    ASSERT_TRUE(Load(back, Saved(named)));
    EXPECT_EQ(back.Players[1].Name, named.Players[1].Name);
    EXPECT_EQ(back.Players[2].Name, named.Players[2].Name);
}
