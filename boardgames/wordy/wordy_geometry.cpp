// SPDX-License-Identifier: GPL-3.0-or-later
#include "boardgames/wordy/wordy_geometry.h"

#include <algorithm>

namespace wordy_ui {

const Geometry &Geometry::Instance()
{
    static const Geometry geometry;
    return geometry;
}

std::optional<SquarePos> Geometry::DropSquare(int x, int y) const
{
    if (!Between(x, 282, 761) || !Between(y, 28, 508))
        return std::nullopt;
    return SquarePos{std::clamp((x - 282) / 37 + 1, 1, 13), std::clamp((y - 27) / 37 + 1, 1, 13)};
}

// The bag area and the band above it down to below the fourth rack: a tile
// dropped on its owner's rack changes slot, never goes to the exchange.
bool Geometry::InExchangeArea(int x, int y) const
{
    return Between(x, 5, 240) && Between(y, 340, 510);
}

// The band ends at the panel's right edge rather than at x 210, which would
// leave most of the seventh slot (x 204 to 233) outside its own rack.
std::optional<int> Geometry::RackDropSlot(int x, int y, int owner, int rackSize) const
{
    if (x + 30 < 5 || x > 240 || !Between(y + 30, 90 * owner - 78, 90 * owner - 20))
        return std::nullopt;
    return std::clamp((x + 25) / 32, 1, rackSize);
}

} // namespace wordy_ui
