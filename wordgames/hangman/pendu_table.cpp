// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/hangman/pendu_table.h"

#include <algorithm>
#include <cmath>

namespace pendu {

namespace {
constexpr float kPileX = 1.0f, kPileZ = -1.8f, kPileRest = 0.25f;
constexpr float kCardPitch = 90.0f;
constexpr float kHiddenTurn = 230.0f, kShownTurn = 50.0f;
// A tile out of the game lies flat on the table top, which is this low in
// the frame of the rack's back.
constexpr float kOutHeight = -0.25f;

float Distance(const Vec3 &a, const Vec3 &b)
{
    const float dx = a.x - b.x, dy = a.y - b.y, dz = a.z - b.z;
    return std::sqrt(dx * dx + dy * dy + dz * dz);
}

// Waypoints at the given speeds (units per second) between each point and
// the next; a leg that does not move still takes a little time to turn.
struct Leg {
    Vec3 position;
    Vec3 angles;
    float speed;
};

std::vector<scene3d::Waypoint> PathOf(const std::vector<Leg> &legs)
{
    std::vector<scene3d::Waypoint> path;
    double time = 0;
    for (std::size_t i = 0; i < legs.size(); ++i) {
        if (i > 0)
            time += std::max(0.15, double(Distance(legs[i - 1].position, legs[i].position)) / legs[i].speed);
        path.push_back({time, legs[i].position, legs[i].angles});
    }
    return path;
}

float CardF(int length)
{
    return float(12 - length) / 6.0f;
}
} // namespace

std::string CardName(int card)
{
    return "cartef" + std::to_string(card);
}

std::string CardBackName(int card)
{
    return "carted" + std::to_string(card);
}

std::string TileName(char letter)
{
    return std::string("Lettre_") + letter;
}

std::string LetterTexture(char c)
{
    return c >= 'A' && c <= 'Z' ? TileName(c) : std::string("Lettre_vide");
}

PenduTable::PenduTable()
{
    Range();
}

Vec3 PenduTable::PilePlace()
{
    return {kPileX, kPileRest, kPileZ};
}

Vec3 PenduTable::CardPlace(int card, int length)
{
    const float f = CardF(length), n = float(card);
    return {f - 1.7f + n / 2.8f, 0.15f, 2.9f - f - n / 2.8f};
}

Vec3 PenduTable::SlotPlace(int tile)
{
    if (tile <= 22)
        return {0.18f * float(tile) - 2.07f, 0.06f, 0.08f};
    return {0.22f * float(tile - 23) - 0.5f, -0.27f, 0.35f};
}

Vec3 PenduTable::SlotAngles(int tile)
{
    return tile <= 22 ? Vec3{0, 0, 0} : Vec3{-70, 0, 0};
}

void PenduTable::Range()
{
    for (int n = 1; n <= kCards; ++n) {
        TableObject &card = cards[std::size_t(n)];
        card = TableObject{};
        card.position = PilePlace();
        card.angles = {kCardPitch, 49, 0};
        card.material = "Lettre_vide";
        card.visible = false;
    }
    for (int i = 1; i <= kLetters; ++i) {
        TableObject &tile = tiles[std::size_t(i)];
        tile = TableObject{};
        tile.position = SlotPlace(i);
        tile.angles = SlotAngles(i);
        tile.material = TileName(char('A' + i - 1));
    }
    LettresSorties = 0;
}

void PenduTable::Distribue(const std::string &mask, const std::string &word, double now)
{
    const int length = int(std::min<std::size_t>(mask.size(), kCards));
    const float f = CardF(length);
    for (int n = 1; n <= kCards; ++n) {
        TableObject &card = cards[std::size_t(n)];
        if (n > length) {
            card.path.clear();
            card.position = PilePlace();
            card.angles = {kCardPitch, 49, 0};
            card.visible = false;
            card.mark = 0;
            continue;
        }
        const char shown = mask[std::size_t(n - 1)];
        const bool hidden = shown == '*';
        const char letter = n <= int(word.size()) ? word[std::size_t(n - 1)] : shown;
        card.material = hidden ? "Lettre_vide" : LetterTexture(letter);
        card.visible = true;
        card.mark = kMoving;
        const float x = float(n);
        card.path = PathOf({
            {PilePlace(), {kCardPitch, 230, 0}, 2},
            {{kPileX, 0.5f, kPileZ}, {kCardPitch, 225, 0}, 2},
            {{kPileX + x / 10, 1 - x / 10, kPileZ}, {kCardPitch, 180, 0}, 2},
            {{f - 1.7f + x / 1.8f, 0.65f, 1.9f - f - x / 2.8f}, {kCardPitch, 90, 0}, 2},
            {CardPlace(n, length), {kCardPitch, hidden ? kHiddenTurn : kShownTurn, 0}, 2},
        });
        card.start = now;
        card.motion = Motion::Deal;
        card.finalMark = hidden ? 1 : 2;
        card.position = PilePlace();
        card.angles = {kCardPitch, 230, 0};
    }
}

void PenduTable::Retourne(const std::string &text, int length, double now)
{
    for (int n = 1; n <= std::min<int>(int(text.size()), kCards); ++n) {
        const char c = text[std::size_t(n - 1)];
        if (c == ' ')
            continue;
        TableObject &card = cards[std::size_t(n)];
        const bool blank = c == '*';
        const float finalTurn = blank ? kHiddenTurn : kShownTurn;
        const Vec3 place = CardPlace(n, length);
        card.material = LetterTexture(c);
        card.visible = true;
        card.mark = kMoving;
        card.path = PathOf({
            {card.position, card.angles, 1},
            {{place.x, 0.65f, place.z}, {kCardPitch, (card.angles.y + finalTurn) / 2, 0}, 1},
            {place, {kCardPitch, finalTurn, 0}, 1},
        });
        card.start = now;
        card.motion = Motion::Turn;
        card.finalMark = blank ? 1 : 2;
    }
}

bool PenduTable::Sortie(char letter, double now)
{
    if (letter < 'A' || letter > 'Z')
        return false;
    TableObject &tile = tiles[std::size_t(TileOf(letter))];
    if (tile.mark != 0)
        return false;
    tile.mark = kMoving;
    const float k = float(++LettresSorties);
    const Vec3 p = tile.position;
    tile.path = PathOf({
        {p, tile.angles, 2},
        {{p.x, 2, p.z - 1}, tile.angles, 2},
        {{k / 5.5f - 3, 1, -2}, {-60, 0, 0}, 2},
        {{k / 5.5f - 3.2f, kOutHeight, -2.5f}, {-90, 0, 0}, 2},
    });
    tile.start = now;
    tile.motion = Motion::Leave;
    return true;
}

void PenduTable::Ramasse(double now)
{
    for (int n = 1; n <= kCards; ++n) {
        TableObject &card = cards[std::size_t(n)];
        if (!card.visible)
            continue;
        card.mark = kMoving;
        const float x = float(n);
        card.path = PathOf({
            {card.position, card.angles, 1},
            {{kPileX + x / 15, 1 - x / 15, kPileZ}, {kCardPitch, 180, 0}, 1},
            {{kPileX, 0.5f, kPileZ}, {kCardPitch, 225, 0}, 2},
            {PilePlace(), {kCardPitch, 225, 0}, 2},
        });
        card.start = now;
        card.motion = Motion::Gather;
    }
    for (int i = 1; i <= kLetters; ++i) {
        TableObject &tile = tiles[std::size_t(i)];
        if (tile.mark <= 0)
            continue;
        const Vec3 from = tile.position, slot = SlotPlace(i);
        tile.mark = kMoving;
        tile.path = PathOf({
            {from, {-90, 0, 0}, 2},
            {{(from.x + slot.x) / 2, 1, (from.z + slot.z) / 2}, {-90, 0, 0}, 2},
            {{slot.x, 1, slot.z}, SlotAngles(i), 2},
            {slot, SlotAngles(i), 2},
        });
        tile.start = now;
        tile.motion = Motion::Gather;
    }
}

void PenduTable::EndPath(TableObject &object, std::vector<PathEnd> &ends, bool card, int number)
{
    const Motion motion = object.motion;
    object.position = object.path.back().position;
    object.angles = object.path.back().rotation;
    object.path.clear();
    object.motion = Motion::None;
    PathEnd end{motion, card ? number : 0, card ? char(0) : char('A' + number - 1)};
    switch (motion) {
    case Motion::Deal:
    case Motion::Turn:
        object.mark = object.finalMark;
        break;
    case Motion::Leave:
        object.mark = 1;
        break;
    case Motion::Gather:
        object.mark = 0;
        if (card)
            object.visible = false;
        else
            object.angles = SlotAngles(number);
        break;
    case Motion::None:
        break;
    }
    ends.push_back(end);
}

std::vector<PathEnd> PenduTable::Advance(double now)
{
    std::vector<PathEnd> ends;
    auto step = [&](TableObject &object, bool card, int number) {
        if (!object.Moving())
            return;
        const double t = now - object.start;
        if (t >= object.path.back().time) {
            EndPath(object, ends, card, number);
            return;
        }
        const scene3d::Waypoint at = scene3d::PointOnPath(object.path, t);
        object.position = at.position;
        object.angles = at.rotation;
    };
    for (int n = 1; n <= kCards; ++n)
        step(cards[std::size_t(n)], true, n);
    for (int i = 1; i <= kLetters; ++i)
        step(tiles[std::size_t(i)], false, i);
    return ends;
}

std::vector<PathEnd> PenduTable::Acheve(Motion motion)
{
    std::vector<PathEnd> ends;
    if (motion == Motion::Deal || motion == Motion::Gather) {
        // Every movement stops and everything takes its final place.
        for (int n = 1; n <= kCards; ++n)
            if (cards[std::size_t(n)].Moving())
                EndPath(cards[std::size_t(n)], ends, true, n);
        for (int i = 1; i <= kLetters; ++i)
            if (tiles[std::size_t(i)].Moving())
                EndPath(tiles[std::size_t(i)], ends, false, i);
        return ends;
    }
    // The objects take their final angles, marks and faces and finish
    // their flight on their own.
    for (int n = 1; n <= kCards; ++n) {
        TableObject &card = cards[std::size_t(n)];
        if (card.Moving() && card.motion == motion) {
            card.angles = card.path.back().rotation;
            for (scene3d::Waypoint &point : card.path)
                point.rotation = card.angles;
            card.mark = card.finalMark;
            ends.push_back({motion, n, 0});
        }
    }
    for (int i = 1; i <= kLetters; ++i) {
        TableObject &tile = tiles[std::size_t(i)];
        if (tile.Moving() && tile.motion == motion) {
            tile.angles = {0, 0, 0};
            for (scene3d::Waypoint &point : tile.path)
                point.rotation = tile.angles;
            tile.mark = 1;
            ends.push_back({motion, 0, char('A' + i - 1)});
        }
    }
    return ends;
}

bool PenduTable::Arrive(Motion motion) const
{
    for (const TableObject &card : cards)
        if (card.Moving() && card.motion == motion)
            return false;
    for (const TableObject &tile : tiles)
        if (tile.Moving() && tile.motion == motion)
            return false;
    return true;
}

void PenduTable::StopMovements()
{
    for (TableObject &card : cards) {
        card.path.clear();
        card.motion = Motion::None;
    }
    for (TableObject &tile : tiles) {
        tile.path.clear();
        tile.motion = Motion::None;
    }
}

int PenduTable::PartsShown(int errors, int allowed)
{
    int shown = std::max(0, errors);
    std::vector<int> thresholds;
    if (allowed == 7)
        thresholds = {3, 5, 7, 9, 11};
    else if (allowed == 10)
        thresholds = {3, 11};
    // Each threshold reached in turn adds a part, which may reach the next.
    for (int threshold : thresholds)
        if (shown >= threshold)
            ++shown;
    return std::min(shown, 12);
}

void PenduTable::StepDecor(double elapsed, int partsShown, bool playing, int randomFrame)
{
    if (partsShown > 0)
        baseTurn = std::fmod(baseTurn + 3 * elapsed, 360.0);
    if (playing) {
        if (candle > -0.5)
            candle = std::max(-0.5, candle - 0.01 * elapsed);
    } else {
        candle = 0.75;
    }
    flame = 1 + (randomFrame % 4 + 4) % 4;
}

} // namespace pendu
