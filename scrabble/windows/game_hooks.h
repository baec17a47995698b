// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the Scrabble windows take from outside the game, with working
// defaults that tests replace: the Configuration dialog, the clock and the
// seeds of the random source; the manual draw's prompt and the victory text.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <QElapsedTimer>
#include <QString>
#include <string>

class TFconfig;

namespace scrabble_ui {

class GameHooks {
public:
    GameHooks();
    GameHooks(const GameHooks &) = delete;
    GameHooks &operator=(const GameHooks &) = delete;

    // Shows the Configuration dialog modally; true for OK.
    std::function<bool(TFconfig &)> runConfiguration;
    // Milliseconds of the clock that times the players and steps (from the
    // window's creation).
    std::function<qint64()> clock;
    // A seed for the random source, taken at creation and at each deal.
    std::function<std::uint64_t()> seedSource;

private:
    QElapsedTimer elapsed_;
};

// The manual draw's prompt through the dialog interface, with the capital
// lock switched on before asking (bytes of the code page both ways).
std::optional<std::string> AskDrawnLetters(const std::string &title, const std::string &label,
                                           const std::string &initial);

// "Partie terminée. Victoire de « name » avec n points."
QString VictoryText(const QString &winner, int points);

} // namespace scrabble_ui
