// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Philosophe game on a small dictionary with hooks that record what the
// game shows and answer its questions, and the players set by the test.
#include <gtest/gtest.h>

#include <memory>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "framework/config.h"
#include "scrabble_test_support.h"
#include "support/word_game_test_support.h"
#include "wordgames/philosophe/philo_game.h"

namespace philo_test {

inline const std::vector<std::string> kWords = {
    "MARDI", "DAMES", "MARIE", "LUNDI", "MARDIS", "DAMIER", "RAMES",  "RIDES",    "ROMAN", "AMIES",
    "MIDI",  "DAME",  "ARME",  "RAME",  "LAPINS", "CARTES", "SOLEIL", "BALEINES", "PAPA",
};

class PhiloRules : public ::testing::Test {
protected:
    // `computers[i]` says whether player i + 1 is played by the computer.
    void Setup(const std::vector<bool> &computers, const std::vector<std::string> &hiddenWords = kWords)
    {
        dictionary = scrabble_test::SmallDictionary(folder.File("mots.ox"), kWords);
        hidden = scrabble_test::SmallDictionary(folder.File("caches.ox"), hiddenWords);
        word_game_test::SetPlayers(settings, computers);
        settings.Options.CB_philo = 1; // five letters
        game = std::make_unique<philo::PhiloGame>(settings, *dictionary, *hidden, 7);
        philo::PhiloHooks &h = game->hooks;
        h.status = [this](const QString &text) { statuses << text; };
        h.runConfiguration = [this] { return configure; };
        h.closeWindow = [this] { closed = true; };
        h.showWordPanel = [this](const std::string &text) {
            wordPanel = true;
            wordPanelText = text;
        };
        h.hideWordPanel = [this] { wordPanel = false; };
        h.showMarkPanel = [this](int, bool) { markPanel = true; };
        h.hideMarkPanel = [this] { markPanel = false; };
        h.confirm = [this](const QString &question) {
            questions << question;
            return confirmAnswer;
        };
        h.message = [this](const QString &text) { messages << text; };
        h.beep = [this] { ++beeps; };
    }

    // Ticks until the predicate holds; false after `most` ticks.
    template <typename Predicate> bool TickUntil(Predicate done, int most = 2000)
    {
        for (int n = 0; n < most; ++n) {
            if (done())
                return true;
            game->Tick();
        }
        return done();
    }

    // From creation to the first proposal (or to the setter's panel).
    void StartRound()
    {
        ASSERT_TRUE(TickUntil([this] { return (game->Etat == 2 && game->Etape == 0) || wordPanel; }));
    }

    void Type(const std::string &word)
    {
        game->KeyDown(philo::Key::Home);
        for (char c : word)
            game->KeyDown(philo::Key::Letter, c);
        game->KeyDown(philo::Key::Enter);
    }

    scrabble_test::TempFolder folder;
    std::unique_ptr<TDictionnaire> dictionary, hidden;
    GameSettings settings;
    std::unique_ptr<philo::PhiloGame> game;
    QStringList statuses, questions, messages;
    bool configure = true, closed = false, wordPanel = false, markPanel = false, confirmAnswer = true;
    std::string wordPanelText;
    int beeps = 0;
};

} // namespace philo_test
