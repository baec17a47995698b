// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The two check-value functions of the resource library, built on zlib's
// CRC-32. Both see a text as a short string: at most its first 255 bytes
// count, and its length is part of what is checked, so that moving a boundary
// between two texts of a chain changes the result.
#include <cstdint>
#include <string_view>

// The longest text the check values look at; longer texts are cut.
inline constexpr std::size_t kShortStringLength = 255;

// One step of a checksum chain: the result of a call is the running value of
// the next. The settings checksum starts its chain at -1.
std::int32_t crcs(std::int32_t running, std::string_view text);

// The check value of one text (saved-game header texts, settings marker).
std::int32_t Keycalc(std::string_view text);
