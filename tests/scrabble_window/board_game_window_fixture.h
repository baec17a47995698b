// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A board-game window (classic Scrabble, Wordy...) on a temporary settings
// store and the generated dictionary, with the Configuration dialog answered
// by the test, driven tick by tick; moves are played by square and slot
// through the window's own geometry.
#include "framework/config_dialog.h"
#include "framework/game_file.h"
#include "framework/savefile/typed_stream.h"
#include "framework/tick_driver.h"
#include "scrabble/windows/board_game_surface.h"
#include "scrabble/windows/scrabble_panels.h"
#include "scrabble/windows/scrabble_window.h"
#include "support/scripted_dialogs.h"
#include "support/temp_settings.h"
#include "window_test_support.h"

#include <array>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <QApplication>
#include <QTest>
#include <sstream>
#include <vector>

namespace window_tests {
// Whether a joker has been played on the board.
inline bool JokerPlayed(const scrabble::BoardGame &game)
{
    for (const auto &tile : game.Tiles())
        if (tile->IsJoker && tile->IsPlayed())
            return true;
    return false;
}

// Every tile and score of two games agree.
inline void ExpectSameGame(const TFBoardGame &a, const TFBoardGame &b)
{
    const scrabble::BoardGame &x = a.Game();
    const scrabble::BoardGame &y = b.Game();
    ASSERT_EQ(x.MoveCount(), y.MoveCount());
    for (int row = 1; row <= x.Layout().Size(); ++row)
        for (int col = 1; col <= x.Layout().Size(); ++col) {
            const scrabble::TJeton *s = x.At(col, row);
            const scrabble::TJeton *t = y.At(col, row);
            ASSERT_EQ(s == nullptr, t == nullptr) << col << " " << row;
            if (s != nullptr) {
                EXPECT_EQ(s->Letter, t->Letter);
                EXPECT_EQ(s->State, t->State);
                EXPECT_EQ(s->Value, t->Value);
                EXPECT_EQ(s->Move == nullptr, t->Move == nullptr);
            }
        }
    for (int p = 1; p <= x.PlayerCount(); ++p) {
        EXPECT_EQ(x.RackText(p), y.RackText(p));
        EXPECT_EQ(x.Player(p).Score, y.Player(p).Score);
        EXPECT_EQ(a.Config().Players[std::size_t(p)].Score, b.Config().Players[std::size_t(p)].Score);
    }
    for (int i = 0; i < x.BagSize(); ++i)
        EXPECT_EQ(x.Bag()[std::size_t(i)]->Letter, y.Bag()[std::size_t(i)]->Letter);
    for (int i = 0; i < x.MoveCount(); ++i)
        EXPECT_EQ(x.History()[std::size_t(i)]->Text(), y.History()[std::size_t(i)]->Text());
}

} // namespace window_tests

template <typename Window> class BoardGameWindowTest : public ::testing::Test {
protected:
    // A window whose configuration takes these players (level 0 = human)
    // and has run to the first turn's wait (or the first computer's search).
    Window &Start(const std::vector<int> &levels, std::uint64_t seed = 1)
    {
        window = std::make_unique<Window>(nullptr, QStringLiteral(LUDORINE_TEST_DICTIONARY));
        window->StopTicks();
        window->seedSource = [seed] { return seed; };
        window->Game().random.Reseed(seed);
        window->runConfiguration = [this, levels](TFconfig &config) {
            ++configurations;
            for (std::size_t i = 0; i < levels.size(); ++i)
                config.Players[i + 1].Level = std::uint8_t(levels[i]);
            config.GameSettings::ApplyDialog(int(levels.size()));
            if (configure)
                configure(config);
            return answerConfiguration;
        };
        window->show();
        window->activateWindow(); // the keyboard goes where a user's would
        EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
        RunUntil([this] { return window->Driver.Phase == 1 || window->Driver.Phase == 11; });
        Settle();
        return *window;
    }

    void Tick(int count = 1) { window_tests::FireTicks(*window, count); }

    bool RunUntil(const std::function<bool()> &done, int most = 20000)
    {
        return window_tests::FireTicksUntil(*window, done, most);
    }

    // Ticks until no tile moves and no command waits (a human's turn waits).
    void Settle()
    {
        RunUntil(
            [this] {
                for (const auto &tile : window->Game().Tiles())
                    if (!(tile->Bounds == tile->Target))
                        return false;
                const int phase = window->Driver.Phase;
                return window->Driver.PendingCommands.empty() &&
                       ((phase == 1 && window->Driver.Step == 1) || phase == 11 || phase == -2);
            },
            2000);
    }

    // "Ok" pressed: ticks until the validation ran.
    void Validate()
    {
        window->BTvaliderClick();
        RunUntil([this] { return window->Driver.Step != 2; }, 200);
    }

    // The current player's rack becomes these letters, each tile in place.
    void SetRack(int player, const std::string &letters)
    {
        scrabble::BoardGame &game = window->Game();
        game.EmptyRack(player);
        for (std::size_t i = 0; i < letters.size(); ++i)
            ASSERT_TRUE(game.TakeFromBag(letters[i], player, int(i) + 1)) << letters[i];
        for (const auto &tile : game.Tiles())
            tile->Bounds = tile->Target;
    }

    // The centre of a rack slot and of a square, by the window's geometry.
    QPoint SlotPoint(int player, int slot) const
    {
        const scrabble_ui::PixelPoint p = window->Geometry().SlotCentre(player, slot);
        return QPoint(p.x, p.y);
    }
    QPoint SquarePoint(int col, int row) const
    {
        const scrabble_ui::PixelPoint p = window->Geometry().SquareCentre(col, row);
        return QPoint(p.x, p.y);
    }

    // Lays rack slots on squares with the mouse, one (slot, col, row) each.
    void Lay(const std::vector<std::array<int, 3>> &moves)
    {
        const int player = window->Game().CurrentPlayer;
        for (const auto &[slot, col, row] : moves)
            Drag(SlotPoint(player, slot), SquarePoint(col, row));
    }

    // Answers the Yes/No questions of the coming actions.
    void AnswerQuestions(Answer answer) { dialogs->answers.push_back(answer); }

    // Drags with the mouse from one point of the surface to another.
    void Drag(const QPoint &from, const QPoint &to)
    {
        QWidget *surface = window->Surface;
        QTest::mousePress(surface, Qt::LeftButton, Qt::NoModifier, from);
        QTest::mouseMove(surface, (from + to) / 2);
        QTest::mouseMove(surface, to);
        QTest::mouseRelease(surface, Qt::LeftButton, Qt::NoModifier, to);
    }

    // The three saved games the fixtures tests open, written to
    // folder/prefix_started.Ldr (a human to play the first move),
    // prefix_joker.Ldr (mid-game, a joker on the board, a computer about to
    // search) and prefix_finished.Ldr (three computers to the end).
    void WriteSavedGames(const QString &folder, const QString &prefix, const QDateTime &when)
    {
        const QString base = folder + QLatin1Char('/') + prefix;
        Start({0, 5}, 1001);
        ASSERT_TRUE(WriteGameFile(*window, base + QStringLiteral("_started.Ldr"), when));
        std::uint64_t seed = 2000;
        do {
            Start({5, 3}, ++seed);
            RunUntil(
                [this] { return window_tests::JokerPlayed(window->Game()) || window->Driver.Phase == -2; },
                60000);
        } while (!window_tests::JokerPlayed(window->Game()) || window->GameOver);
        RunUntil([this] { return window->Driver.Phase == 11 && window->Driver.Step == 0; }, 1000);
        ASSERT_TRUE(WriteGameFile(*window, base + QStringLiteral("_joker.Ldr"), when));
        Start({5, 4, 2}, 3001);
        ASSERT_TRUE(RunUntil([this] { return window->Driver.Phase == -2; }, 60000));
        ASSERT_TRUE(WriteGameFile(*window, base + QStringLiteral("_finished.Ldr"), when));
    }

    // The game's saved bytes read into a new window, its ticks stopped.
    std::unique_ptr<Window> Reopened()
    {
        const QByteArray bytes = SavedGameBytes(*window, QDateTime(QDate(2026, 12, 10), QTime(15, 0, 0)));
        auto back = std::make_unique<Window>(nullptr, QStringLiteral(LUDORINE_TEST_DICTIONARY));
        back->StopTicks();
        std::istringstream in(bytes.toStdString());
        savefile::TypedReader reader(in);
        EXPECT_EQ(ReadSavedGameKind(reader), window->GameKind);
        EXPECT_TRUE(back->LoadGame(reader, QStringLiteral("/tmp/reopened.Ldr")));
        back->StopTicks();
        return back;
    }

    TempSettings settings;
    ScriptedDialogsScope dialogs;
    std::unique_ptr<Window> window;
    bool answerConfiguration = true;
    // Settings of the game's own a test gives before the configuration is confirmed.
    std::function<void(TFconfig &)> configure;
    int configurations = 0;
};

class ScrabbleWindowTest : public BoardGameWindowTest<TFScrabble> {};
