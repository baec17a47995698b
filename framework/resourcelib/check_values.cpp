// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/resourcelib/check_values.h"

#include <zlib.h>

namespace {

// Keycalc starts its own chain from this value, so that its results are not
// those of a settings chain started at -1.
constexpr std::uint32_t kKeySeed = 0x4C75646Fu; // "Ludo"

std::uint32_t CrcOfShortString(std::uint32_t running, std::string_view text)
{
    if (text.size() > kShortStringLength)
        text = text.substr(0, kShortStringLength);
    const unsigned char length = static_cast<unsigned char>(text.size());
    uLong crc = ::crc32(running, &length, 1);
    crc = ::crc32(crc, reinterpret_cast<const Bytef *>(text.data()), static_cast<uInt>(text.size()));
    return static_cast<std::uint32_t>(crc);
}

} // namespace

std::int32_t crcs(std::int32_t running, std::string_view text)
{
    return static_cast<std::int32_t>(CrcOfShortString(static_cast<std::uint32_t>(running), text));
}

std::int32_t Keycalc(std::string_view text)
{
    return static_cast<std::int32_t>(CrcOfShortString(kKeySeed, text));
}
