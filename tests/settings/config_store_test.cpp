// SPDX-License-Identifier: GPL-3.0-or-later
// The per-game sections of the settings store: first-start defaults, the
// round trip of every kind's values, the name rules and bad stored values.
#include "framework/config.h"
#include "support/temp_settings.h"

#include <gtest/gtest.h>
#include <QSettings>

namespace {
QString StoredValue(const GameSettings &settings, const QString &name)
{
    auto store = GameSettings::OpenStore();
    return store->value(settings.StoreGroup() + QLatin1Char('/') + name).toString();
}

void Store(const QString &section, const QString &name, const QString &value)
{
    auto store = GameSettings::OpenStore();
    store->setValue(QStringLiteral("SoftWare/OXA/Ludorine/") + section + QLatin1Char('/') + name, value);
    store->sync();
}

// Every option set away from its default.
GameOptions ChangedOptions()
{
    GameOptions o;
    o.CB_pendu_essai = 0;
    o.CB_pendu_lettres = false;
    o.Rbtn_pendu_fin1 = false;
    o.ed_pendu_par1 = QStringLiteral("7");
    o.ed_pendu_par2 = QStringLiteral("120");
    o.ddlb_tirage = 1;
    o.ddlb_tirage_duplic = 1;
    o.ddlb_vari_duplic = 3;
    o.Vitesse_bar = 80;
    o.ddlb_tirage_topword = 1;
    o.ddlb_dim_topword = 1;
    o.CB_philo = 7;
    o.CheckBox_mp = false;
    o.Rbtn_philo_fin1 = false;
    o.ed_philo_par1 = QStringLiteral("3");
    o.ed_philo_par2 = QStringLiteral("99");
    o.commonWords = false;
    return o;
}

// The options of Changed that the store keeps for a game kind.
GameOptions StoredPart(GameKindCode kind, const GameOptions &changed)
{
    GameOptions o;
    switch (kind) {
    case GameKindCode::Pendu:
        o.CB_pendu_essai = changed.CB_pendu_essai;
        o.CB_pendu_lettres = changed.CB_pendu_lettres;
        o.Rbtn_pendu_fin1 = changed.Rbtn_pendu_fin1;
        o.ed_pendu_par1 = changed.ed_pendu_par1;
        o.ed_pendu_par2 = changed.ed_pendu_par2;
        o.commonWords = changed.commonWords;
        break;
    case GameKindCode::Scrabble:
    case GameKindCode::Cle:
    case GameKindCode::Wordy:
        o.ddlb_tirage = changed.ddlb_tirage;
        break;
    case GameKindCode::Duplicate:
        o.ddlb_tirage_duplic = changed.ddlb_tirage_duplic;
        o.ddlb_vari_duplic = changed.ddlb_vari_duplic;
        break;
    case GameKindCode::TopWord:
        o.ddlb_tirage_topword = changed.ddlb_tirage_topword;
        o.ddlb_dim_topword = changed.ddlb_dim_topword;
        break;
    case GameKindCode::Philosophe:
        o.CB_philo = changed.CB_philo;
        o.CheckBox_mp = changed.CheckBox_mp;
        o.Rbtn_philo_fin1 = changed.Rbtn_philo_fin1;
        o.ed_philo_par1 = changed.ed_philo_par1;
        o.ed_philo_par2 = changed.ed_philo_par2;
        o.commonWords = changed.commonWords;
        break;
    case GameKindCode::Avaleur: // the speed is the game's own
    case GameKindCode::None:
        break;
    }
    return o;
}
} // namespace

TEST(SettingsStore, FirstStartDefaults)
{
    TempSettings temp;
    GameSettings pendu;
    pendu.SetupForGame(GameKindCode::Pendu);
    EXPECT_EQ(pendu.Section, QStringLiteral("Pendo"));
    EXPECT_EQ(pendu.PlayerCount, 1);
    EXPECT_EQ(pendu.Players[1].Name, QStringLiteral("Albane"));
    EXPECT_FALSE(pendu.Players[1].IsComputer);
    EXPECT_EQ(pendu.Options, GameOptions());
    EXPECT_EQ(pendu.Options.PenduTries(), 12);

    GameSettings scrabble;
    scrabble.SetupForGame(GameKindCode::Scrabble);
    ASSERT_EQ(scrabble.PlayerCount, 2);
    EXPECT_EQ(scrabble.Players[1].Name, QStringLiteral("Albane"));
    EXPECT_EQ(scrabble.Players[1].Level, 0);
    EXPECT_EQ(scrabble.Players[2].Name, QStringLiteral("Bertin"));
    EXPECT_EQ(scrabble.Players[2].Level, 5);
    EXPECT_TRUE(scrabble.Players[2].IsComputer);
    EXPECT_FALSE(scrabble.AllComputers);

    GameSettings duplicate;
    duplicate.SetupForGame(GameKindCode::Duplicate);
    EXPECT_EQ(duplicate.MostPlayers, 40);
    EXPECT_EQ(duplicate.Players[4].Name, QStringLiteral("Dorian"));
    EXPECT_EQ(duplicate.Players[5].Name, QStringLiteral("Joueur 5"));
    EXPECT_EQ(duplicate.Players[40].Name, QStringLiteral("Joueur 40"));
}

TEST(SettingsStore, EveryKindKeepsItsPlayersAndOptions)
{
    TempSettings temp;
    for (const GameKindRow &row : GameKindRows()) {
        const GameKindCode kind = row.Code;
        SCOPED_TRACE(row.ClassName);
        GameSettings before;
        before.SetupForGame(kind);
        const int count = std::min(3, before.MostPlayers);
        before.SetPlayerNames(count, QStringLiteral("Zoé;Yann;Xavier;"));
        for (int n = 2; n <= count; ++n)
            before.Players[n].Level = std::uint8_t(before.MaxLevel());
        before.Options = ChangedOptions();
        before.ApplyDialog(count);
        before.StoreSettings();

        GameSettings after;
        after.SetupForGame(kind);
        ASSERT_EQ(after.PlayerCount, count);
        for (int n = 1; n <= count; ++n) {
            EXPECT_EQ(after.Players[n].Name, before.Players[n].Name);
            EXPECT_EQ(after.Players[n].Level, before.Players[n].Level);
            EXPECT_EQ(after.Players[n].IsComputer, before.Players[n].Level > 0);
        }
        EXPECT_EQ(after.Options, StoredPart(kind, ChangedOptions()));
    }
    GameSettings topword;
    topword.Section = QStringLiteral("TopWord");
    EXPECT_EQ(StoredValue(topword, QStringLiteral("nombro")), QStringLiteral("03"));
    EXPECT_EQ(StoredValue(topword, QStringLiteral("etato")), QStringLiteral("000505"));
}

TEST(SettingsStore, DefaultNamesAreStoredAsSectionSignOnlyInTheirOwnSlot)
{
    TempSettings temp;
    GameSettings settings;
    settings.SetupForGame(GameKindCode::Scrabble);
    settings.Players[2].Name = QStringLiteral("Joueur 2");
    settings.Players[3].Name = QStringLiteral("Joueur 2");
    settings.ApplyDialog(3);
    settings.StoreSettings();
    EXPECT_EQ(StoredValue(settings, QStringLiteral("ludantoj")), QStringLiteral("Albane;§;Joueur 2;"));

    GameSettings again;
    again.SetupForGame(GameKindCode::Scrabble);
    EXPECT_EQ(again.Players[2].Name, QStringLiteral("Joueur 2"));
    EXPECT_EQ(again.Players[3].Name, QStringLiteral("Joueur 2"));
    EXPECT_EQ(again.Players[4].Name, QStringLiteral("Joueur 4")); // list used up
}

TEST(SettingsStore, LongNamesAreCutAndSemicolonsReplacedInThePlayersToo)
{
    TempSettings temp;
    GameSettings settings;
    settings.SetupForGame(GameKindCode::Philosophe);
    settings.Players[1].Name = QStringLiteral("Anne;Marie;Louise de la Vallière");
    settings.ApplyDialog(1);
    settings.StoreSettings();
    EXPECT_EQ(settings.Players[1].Name, QStringLiteral("Anne Marie Louise de"));
    EXPECT_EQ(StoredValue(settings, QStringLiteral("ludantoj")), QStringLiteral("Anne Marie Louise de;"));
    GameSettings again;
    again.SetupForGame(GameKindCode::Philosophe);
    EXPECT_EQ(again.Players[1].Name, QStringLiteral("Anne Marie Louise de"));
}

TEST(SettingsStore, NamesListRules)
{
    GameSettings settings;
    // The last character never belongs to a name; "§" and empty names are defaults.
    settings.SetPlayerNames(4, QStringLiteral("Albane;§;;Dorian"));
    EXPECT_EQ(settings.Players[1].Name, QStringLiteral("Albane"));
    EXPECT_EQ(settings.Players[2].Name, QStringLiteral("Joueur 2"));
    EXPECT_EQ(settings.Players[3].Name, QStringLiteral("Joueur 3"));
    EXPECT_EQ(settings.Players[4].Name, QStringLiteral("Doria"));
}

TEST(SettingsStore, ABadNumberStopsTheReadingAndGivesTheDefaultCount)
{
    TempSettings temp;
    Store(QStringLiteral("Sbl"), QStringLiteral("nombro"), QStringLiteral("04"));
    Store(QStringLiteral("Sbl"), QStringLiteral("etato"), QStringLiteral("00030201"));
    Store(QStringLiteral("Sbl"), QStringLiteral("loti"), QStringLiteral("x"));
    GameSettings settings;
    settings.SetupForGame(GameKindCode::Scrabble);
    EXPECT_EQ(settings.PlayerCount, 2);
    EXPECT_EQ(settings.Players[2].Level, 3); // read before the bad value

    Store(QStringLiteral("Sbld"), QStringLiteral("nombro"), QStringLiteral("deux"));
    Store(QStringLiteral("Sbld"), QStringLiteral("diverseco"), QStringLiteral("2"));
    GameSettings duplicate;
    duplicate.SetupForGame(GameKindCode::Duplicate);
    EXPECT_EQ(duplicate.PlayerCount, 2);
    EXPECT_EQ(duplicate.Options.ddlb_vari_duplic, 0); // never reached

    // A count beyond the game's players is no count either.
    Store(QStringLiteral("Pendo"), QStringLiteral("nombro"), QStringLiteral("0A"));
    GameSettings pendu;
    pendu.SetupForGame(GameKindCode::Pendu);
    EXPECT_EQ(pendu.PlayerCount, 1);
}

TEST(SettingsStore, LevelsAreReadByGroupAndKeptWithinTheGame)
{
    TempSettings temp;
    Store(QStringLiteral("Filozofisto"), QStringLiteral("nombro"), QStringLiteral("03"));
    Store(QStringLiteral("Filozofisto"), QStringLiteral("etato"), QStringLiteral("xx0500"));
    GameSettings philo;
    philo.SetupForGame(GameKindCode::Philosophe);
    ASSERT_EQ(philo.PlayerCount, 3);
    EXPECT_EQ(philo.Players[1].Level, 0); // not a number: human
    EXPECT_EQ(philo.Players[2].Level, 1); // computer levels are 0 or 1 here
    EXPECT_EQ(philo.Players[3].Level, 0);

    Store(QStringLiteral("Wordy"), QStringLiteral("nombro"), QStringLiteral("04"));
    Store(QStringLiteral("Wordy"), QStringLiteral("etato"), QStringLiteral("0203"));
    for (int i = 0; i < 20; ++i) {
        GameSettings wordy;
        wordy.SetupForGame(GameKindCode::Wordy);
        EXPECT_EQ(wordy.Players[1].Level, 2);
        // Missing groups give a random level 0-4.
        EXPECT_LE(wordy.Players[3].Level, 4);
        EXPECT_LE(wordy.Players[4].Level, 4);
    }
}

TEST(SettingsStore, ValueNamesIgnoreCaseAndTextValuesFollowTheirFirstLetter)
{
    TempSettings temp;
    Store(QStringLiteral("Pendo"), QStringLiteral("LUDANTOJ"), QStringLiteral("Marc;"));
    Store(QStringLiteral("Pendo"), QStringLiteral("Ekstremoj"), QStringLiteral("Non"));
    Store(QStringLiteral("Pendo"), QStringLiteral("fino"), QStringLiteral("NJ"));
    Store(QStringLiteral("Pendo"), QStringLiteral("fino1"), QStringLiteral("-3"));
    Store(QStringLiteral("Filozofisto"), QStringLiteral("malposteno"), QStringLiteral("oui"));
    GameSettings pendu;
    pendu.SetupForGame(GameKindCode::Pendu);
    EXPECT_EQ(pendu.Players[1].Name, QStringLiteral("Marc"));
    EXPECT_FALSE(pendu.Options.CB_pendu_lettres);
    EXPECT_FALSE(pendu.Options.Rbtn_pendu_fin1);
    EXPECT_EQ(pendu.Options.ed_pendu_par1, QStringLiteral("10"));
    GameSettings philo;
    philo.SetupForGame(GameKindCode::Philosophe);
    EXPECT_FALSE(philo.Options.CheckBox_mp); // ticked only for 'J'

    // Writing back replaces the hand-written spelling.
    pendu.StoreSettings();
    auto store = GameSettings::OpenStore();
    store->beginGroup(pendu.StoreGroup());
    EXPECT_FALSE(store->childKeys().contains(QStringLiteral("LUDANTOJ")));
    EXPECT_EQ(store->value(QStringLiteral("ludantoj")).toString(), QStringLiteral("Marc;"));
}

TEST(SettingsStore, CommonWordsToGuessIsOneSettingForHangmanAndPhilosophe)
{
    TempSettings temp;
    GameSettings pendu;
    pendu.SetupForGame(GameKindCode::Pendu);
    EXPECT_TRUE(pendu.Options.commonWords);
    pendu.Options.commonWords = false;
    pendu.StoreSettings();
    // Kept once for the program, beside the games' sections.
    auto store = GameSettings::OpenStore();
    EXPECT_EQ(store->value(QStringLiteral("SoftWare/OXA/Ludorine/kutimaj_vortoj")).toString(),
              QStringLiteral("N"));
    GameSettings philo;
    philo.SetupForGame(GameKindCode::Philosophe);
    EXPECT_FALSE(philo.Options.commonWords);
    philo.Options.commonWords = true;
    philo.StoreSettings();
    GameSettings again;
    again.SetupForGame(GameKindCode::Pendu);
    EXPECT_TRUE(again.Options.commonWords);
    // The board games neither read nor write it.
    GameSettings scrabble;
    scrabble.SetupForGame(GameKindCode::Scrabble);
    scrabble.Options.commonWords = false;
    scrabble.StoreSettings();
    GameSettings last;
    last.SetupForGame(GameKindCode::Philosophe);
    EXPECT_TRUE(last.Options.commonWords);
}
