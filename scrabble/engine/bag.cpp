// SPDX-License-Identifier: GPL-3.0-or-later
// The bag and the racks of the classic game: building and shuffling the bag,
// the draw with its vowel/consonant balance (or by hand), shuffling a rack
// and exchanging tiles.
#include <algorithm>

#include "scrabble/engine/board_game.h"
#include "scrabble/engine/text.h"

namespace scrabble {

namespace {
// Vowels and consonants among letters; a joker counts as both.
void CountBalance(char letter, bool joker, int &vowels, int &consonants)
{
    if (joker) {
        ++vowels;
        ++consonants;
        return;
    }
    vowels += IsVowel(letter);
    consonants += IsConsonant(letter);
}
} // namespace

void BoardGame::NewGame()
{
    Clear();
    for (PlayerInfo &p : Players) {
        p.Score = 0;
        p.LastMoveText.clear();
    }
    CurrentPlayer = 1;
    BuildBag();
    ShuffleBag(true);
}

void BoardGame::BuildBag()
{
    Clear();
    std::string letters = tileSet_->letters;
    letters.append(std::size_t(tileSet_->jokers), kJoker);
    for (const char letter : letters) {
        tiles_.push_back(rules_->newTile(letter));
        TJeton *tile = tiles_.back().get();
        tile->Value = rules_->TileValue(letter, letter == kJoker);
        Aim(tile);
        tile->Bounds = tile->Target;
        tile->Moving = false;
        bag_.Add(tile);
    }
}

void BoardGame::ShuffleBag(bool thorough)
{
    const int n = BagSize();
    if (n < 2)
        return;
    const int iterations = thorough ? 100 + random.Below(1000) : 10 + random.Below(100);
    for (int i = 0; i < iterations; ++i) {
        const int a = thorough ? random.Below(n) : random.Below(std::min(n, rackSize_));
        const int b = random.Below(n);
        if (a != b)
            bag_.Swap(std::size_t(a), std::size_t(b));
    }
}

void BoardGame::DrawTiles(const DrawPrompt &prompt)
{
    for (int player = 1; player <= PlayerCount(); ++player)
        DrawTilesFor(player, prompt);
}

void BoardGame::DrawTilesFor(int player, const DrawPrompt &prompt)
{
    int empty = 0;
    for (int slot = 1; slot <= rackSize_; ++slot)
        empty += RackTile(player, slot) == nullptr;
    if (empty == 0 || bag_.Empty())
        return;

    if (drawMode == DrawMode::Manual && (empty < BagSize() || rules_->manualDrawOfTheLastTiles)) {
        std::string bagLetters;
        for (const TJeton *tile : bag_.Tiles())
            bagLetters += tile->Letter;
        // The last tiles: as many as the bag holds, the whole bag by default.
        empty = std::min(empty, BagSize());
        const std::string defaultAnswer = bagLetters.substr(0, std::size_t(empty));
        const std::string title = "Tirage " + PlayerName(player);
        const std::string label =
            "Choisissez " + std::to_string(empty) + " lettres parmi " + bagLetters + ":";
        std::vector<std::size_t> chosen;
        for (;;) {
            std::optional<std::string> answer = prompt ? prompt(title, label, defaultAnswer) : std::nullopt;
            const std::string text = UpperCase(Trimmed(answer ? *answer : defaultAnswer));
            chosen.clear();
            if (int(text.size()) != empty)
                continue;
            std::vector<bool> taken(std::size_t(bag_.Size()), false);
            for (const char c : text)
                for (std::size_t i = 0; i < std::size_t(bag_.Size()); ++i)
                    if (!taken[i] && bag_[i]->Letter == c) {
                        taken[i] = true;
                        chosen.push_back(i);
                        break;
                    }
            if (int(chosen.size()) == empty)
                break;
        }
        // Each chosen tile goes to the highest-numbered empty slot.
        for (const std::size_t i : chosen)
            for (int slot = rackSize_; slot >= 1; --slot)
                if (RackTile(player, slot) == nullptr) {
                    ToRack(bag_[i], player, slot);
                    break;
                }
        // Close the holes from the end, so the entry moved in is never a hole.
        std::sort(chosen.rbegin(), chosen.rend());
        for (const std::size_t i : chosen)
            bag_.TakeAt(i);
        return;
    }

    // Automatic draw: reshuffle the end of the bag lightly until the rack
    // would hold enough vowels and consonants, or the attempts run out.
    const int limit = MoveCount() > 31 ? 20 : 100;
    int attempts = 0;
    for (;;) {
        int vowels = 0;
        int consonants = 0;
        for (int slot = 1; slot <= rackSize_; ++slot)
            if (const TJeton *tile = RackTile(player, slot))
                CountBalance(tile->Letter, tile->IsJoker, vowels, consonants);
        const int n = BagSize();
        bool accept = empty >= n - 5 || attempts > limit;
        if (!accept) {
            ++attempts;
            for (int i = n - empty; i < n; ++i)
                CountBalance(bag_[std::size_t(i)]->Letter, bag_[std::size_t(i)]->IsJoker, vowels, consonants);
            accept = MoveCount() > 15 ? vowels >= 1 && consonants >= 1 : vowels >= 2 && consonants >= 2;
        }
        if (accept)
            break;
        ShuffleBag(false);
    }
    for (int slot = 1; slot <= rackSize_ && !bag_.Empty(); ++slot)
        if (RackTile(player, slot) == nullptr)
            ToRack(bag_.TakeLast(), player, slot);
}

void BoardGame::ShuffleRack(int player)
{
    const int iterations = 10 + random.Below(100);
    for (int i = 0; i < iterations; ++i) {
        const int a = 1 + random.Below(rackSize_);
        const int b = 1 + random.Below(rackSize_);
        if (a != b)
            racks_.Swap(player, a, b);
    }
    for (int slot = 1; slot <= rackSize_; ++slot)
        if (TJeton *tile = RackTile(player, slot)) {
            tile->Slot = slot;
            if (!tile->OnBoard())
                Aim(tile);
        }
}

ExchangeCheck BoardGame::CheckExchange(const std::string &request) const
{
    ExchangeCheck check;
    std::string s = UpperCase(Trimmed(request));
    for (int slot = 1; slot <= rackSize_; ++slot) {
        TJeton *tile = RackTile(CurrentPlayer, slot);
        if (tile == nullptr)
            continue;
        const auto at = s.find(tile->IsJoker ? kJoker : tile->Letter);
        if (at == std::string::npos)
            continue;
        s[at] = '\0'; // matched
        check.tiles.push_back(tile);
    }
    if (check.tiles.empty()) {
        check.code = 1;
        return check;
    }
    if (BagSize() < 7) {
        check.code = 2;
        return check;
    }
    for (const char c : s)
        if (c != '\0' && c != ' ')
            check.detail += std::string(1, c) + " ";
    if (!check.detail.empty()) {
        check.code = 3;
        return check;
    }
    std::vector<TJeton *> pending;
    for (TJeton *tile : board_.Tops())
        if (tile->IsPending())
            pending.push_back(tile);
    if (!pending.empty()) {
        check.code = 4;
        check.tiles = pending;
    }
    return check;
}

const Tcoup &BoardGame::ExecuteExchange(const ExchangeCheck &check)
{
    const int player = CurrentPlayer;
    std::string letters;
    for (const TJeton *tile : check.tiles)
        letters += tile->IsJoker ? kJoker : tile->Letter;
    Tcoup move = Tcoup::MakeExchange(player, letters);
    if (rules_->movesKeepRack)
        move.RackText = RackText(player);
    for (TJeton *tile : check.tiles)
        ToBag(tile);
    return RecordMove(std::move(move));
}

} // namespace scrabble
