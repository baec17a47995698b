// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An Avaleur window on a temporary settings store and the generated
// dictionary, shown off screen, its Configuration answered OK, counted as
// the active window, and its ticks fired by the test.
#include <gtest/gtest.h>

#include <memory>
#include <QTest>
#include <sstream>

#include "framework/config_dialog.h"
#include "framework/game_file.h"
#include "framework/savefile/typed_stream.h"
#include "framework/tick_driver.h"
#include "support/scripted_dialogs.h"
#include "support/temp_settings.h"
#include "window_test_support.h"
#include "wordgames/avaleur/avaleur_window.h"

class AvaleurWindowTest : public ::testing::Test {
protected:
    TFAvaleur &Start(std::uint32_t seed = 7)
    {
        window = std::make_unique<TFAvaleur>(nullptr, QStringLiteral(LUDORINE_TEST_DICTIONARY), seed);
        window->StopTicks();
        window->runConfiguration = [](TFconfig &) { return true; };
        window->isActive = [] { return true; };
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->setFocus();
        window->Ticks()->fire(); // the new game
        EXPECT_FALSE(window->Game().AConfigurer);
        return *window;
    }

    std::unique_ptr<TFAvaleur> Reopened()
    {
        const QByteArray bytes = SavedGameBytes(*window, QDateTime(QDate(2026, 12, 11), QTime(9, 0, 0)));
        auto back = std::make_unique<TFAvaleur>(nullptr, QStringLiteral(LUDORINE_TEST_DICTIONARY), 3);
        back->StopTicks();
        std::istringstream in(bytes.toStdString());
        savefile::TypedReader reader(in);
        EXPECT_EQ(ReadSavedGameKind(reader), GameKindCode::Avaleur);
        EXPECT_TRUE(back->LoadGame(reader, QStringLiteral("/tmp/avaleur.Ldr")));
        back->StopTicks();
        back->isActive = [] { return true; };
        return back;
    }

    TempSettings settings;
    ScriptedDialogsScope dialogs;
    std::unique_ptr<TFAvaleur> window;
};
