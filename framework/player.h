// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Tjoueur: one player slot of a game's settings.
#include <cstdint>
#include <QString>

struct Tjoueur {
    QString Name;            // "Joueur " + slot number by default
    bool IsComputer = false; // played by the computer (Level is not 0)
    std::uint8_t Level = 0;  // 0 human; 1 computer (Pendu, Philosophe); 1-5 computer level
    std::int32_t Score = 0;  // points in the current game
    std::int32_t TimeMs = 0; // thinking time used in the current game
};
