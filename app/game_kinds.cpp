// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/game_kinds.h"

#include "boardgames/keyword/keyword_window.h"
#include "boardgames/topword/topword_window.h"
#include "boardgames/wordy/wordy_window.h"
#include "scrabble/windows/duplicate_window.h"
#include "scrabble/windows/scrabble_window.h"
#include "wordgames/avaleur/avaleur_window.h"
#include "wordgames/hangman/pendu_window.h"
#include "wordgames/philosophe/philo_window.h"

#include <utility>
#include <vector>

GameWindowFactory GameWindowFactoryOf(GameKindCode code)
{
    // Each game adds its window factory here when its window exists.
    static const std::vector<std::pair<GameKindCode, GameWindowFactory>> factories = {
        {GameKindCode::Scrabble, [](QWidget *parent) -> TFLudorine * { return new TFScrabble(parent); }},
        {GameKindCode::Duplicate, [](QWidget *parent) -> TFLudorine * { return new TFDuplic(parent); }},
        {GameKindCode::Wordy, [](QWidget *parent) -> TFLudorine * { return new TFWordy(parent); }},
        {GameKindCode::Cle, [](QWidget *parent) -> TFLudorine * { return new TFCle(parent); }},
        {GameKindCode::TopWord, [](QWidget *parent) -> TFLudorine * { return new TFtopword(parent); }},
        {GameKindCode::Philosophe, [](QWidget *parent) -> TFLudorine * { return new TFPhilo(parent); }},
        {GameKindCode::Pendu, [](QWidget *parent) -> TFLudorine * { return new TFPendu(parent); }},
        {GameKindCode::Avaleur, [](QWidget *parent) -> TFLudorine * { return new TFAvaleur(parent); }},
    };
    for (const auto &[kind, factory] : factories)
        if (kind == code)
            return factory;
    return nullptr;
}
