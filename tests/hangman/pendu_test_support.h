// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A Hangman game on a small dictionary, its hooks recording what it shows
// and answering its questions, driven by 50 ms ticks of a test clock.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <QStringList>
#include <string>
#include <vector>

#include "framework/config.h"
#include "scrabble_test_support.h"
#include "support/word_game_test_support.h"
#include "wordgames/hangman/pendu_game.h"

namespace pendu_test {

inline const std::vector<std::string> kWords = {
    "MARDI", "LUNDI", "MARIE", "RAMES", "DAMES", "PAPA", "MACHIN", "BALEINE", "ANANAS", "ELEPHANTEAUX",
};

class PenduRules : public ::testing::Test {
protected:
    // `computers[i]` says whether player i + 1 is played by the computer;
    // `tries` the index of the errors allowed (0: 7, 1: 10, 2: 12).
    void Setup(const std::vector<bool> &computers, const std::vector<std::string> &hiddenWords = kWords,
               int tries = 0, bool firstAndLast = false)
    {
        dictionary = scrabble_test::SmallDictionary(folder.File("mots.ox"), kWords);
        hidden = scrabble_test::SmallDictionary(folder.File("caches.ox"), hiddenWords);
        word_game_test::SetPlayers(settings, computers);
        settings.Options.CB_pendu_essai = tries;
        settings.Options.CB_pendu_lettres = firstAndLast;
        game = std::make_unique<pendu::PenduGame>(settings, *dictionary, *hidden, 3);
        pendu::PenduHooks &h = game->hooks;
        h.status = [this](const QString &text) {
            if (statuses.isEmpty() || statuses.last() != text)
                statuses << text;
        };
        h.runConfiguration = [this] { return true; };
        h.closeWindow = [this] { closed = true; };
        h.showWordPanel = [this](const std::string &, const std::string &) { wordPanel = true; };
        h.hideWordPanel = [this] { wordPanel = false; };
        h.showMarkPanel = [this] { markPanel = true; };
        h.showMissingPanel = [this] { missingPanel = true; };
        h.hideAnswerPanel = [this] { markPanel = missingPanel = false; };
        h.confirm = [this](const QString &question) {
            questions << question;
            return yes;
        };
        h.confirmOrCancel = [this](const QString &question) {
            questions << question;
            return yesNoCancel;
        };
        h.message = [this](const QString &text) { messages << text; };
    }

    void Tick()
    {
        ms += 50;
        scene += 0.05;
        game->Tick(ms, scene);
    }

    template <typename Predicate> bool TickUntil(Predicate done, int most = 20000)
    {
        for (int n = 0; n < most; ++n) {
            if (done())
                return true;
            Tick();
        }
        return done();
    }

    // Ticks to the human guesser's first letter or the setter's word panel.
    void StartRound()
    {
        ASSERT_TRUE(TickUntil([this] { return game->HumanTurn() || wordPanel; }));
    }

    // Plays a letter and ticks until the next letter may be played (or the
    // round is over).
    void Play(char letter)
    {
        ASSERT_TRUE(game->CharacterKey(letter)) << letter;
        ASSERT_TRUE(TickUntil([this] { return game->HumanTurn() || game->Phase.state == 0; }));
    }

    scrabble_test::TempFolder folder;
    std::unique_ptr<TDictionnaire> dictionary, hidden;
    GameSettings settings;
    std::unique_ptr<pendu::PenduGame> game;
    qint64 ms = 1000;
    double scene = 0;
    QStringList statuses, questions, messages;
    bool closed = false, wordPanel = false, markPanel = false, missingPanel = false, yes = true;
    int yesNoCancel = 1;
};

} // namespace pendu_test
