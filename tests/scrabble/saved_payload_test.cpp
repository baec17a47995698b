// SPDX-License-Identifier: GPL-3.0-or-later
// The classic game's saved payload refuses what the game cannot live with,
// and whatever a damaged payload lets through still searches and plays
// (display-free, so that the sanitizer build runs it too).
#include <functional>
#include <random>
#include <sstream>

#include "framework/savefile/typed_stream.h"
#include "scrabble/engine/move_search.h"
#include "scrabble_test_support.h"

using namespace scrabble;
using scrabble_test::SetRack;

namespace {

// Two players; player 1 played CAFE, player 2 has laid an S this turn and
// put a tile in the exchange area.
void MidGame(BoardGame &game)
{
    game.NewGame();
    SetRack(game, 1, "CAFE*ST");
    SetRack(game, 2, "MOTSAIE");
    ASSERT_EQ(game.ValidateInput({"H", "8", "CAFE", ""}, nullptr, {}).outcome, InputResult::Played);
    game.NextPlayer();
    ASSERT_TRUE(game.PlaceTile(game.RackTile(2, 4), 12, 9));
    ASSERT_TRUE(game.PutInExchange(game.RackTile(2, 1)));
}

std::string Payload(const BoardGame &game)
{
    std::ostringstream out;
    {
        savefile::TypedWriter writer(out);
        game.Write(writer);
    }
    return out.str();
}

bool Reads(BoardGame &game, const std::string &bytes)
{
    std::istringstream in(bytes);
    savefile::TypedReader reader(in);
    try {
        game.Read(reader);
        return true;
    } catch (const savefile::ReadError &) {
        EXPECT_TRUE(game.Tiles().empty());
        return false;
    }
}

} // namespace

TEST(SavedPayload, DamageThatBreaksTheGameIsRefused)
{
    BoardGame game(17);
    MidGame(game);
    TJeton *laid = game.RackTile(2, 4);
    TJeton *exchanged = game.RackTile(2, 1);
    TJeton *played = game.At(8, 8);
    Tcoup &move = *game.History()[0];
    ASSERT_NE(played, nullptr);
    const Tcoup stranger = [&] {
        Tcoup copy = move;
        copy.MoveNumber = 2;
        return copy;
    }();
    BoardGame back(3);
    back.Players = game.Players;
    ASSERT_TRUE(Reads(back, Payload(game)));

    struct Damage {
        const char *what;
        std::function<void()> apply, undo;
    };
    const std::vector<Damage> damages = {
        {"laid tile without owner", [&] { laid->Owner = 0; }, [&] { laid->Owner = 2; }},
        {"laid tile without slot", [&] { laid->Slot = 0; }, [&] { laid->Slot = 4; }},
        {"laid tile of a third player", [&] { laid->Owner = 3; }, [&] { laid->Owner = 2; }},
        {"laid tile in a slot beyond the rack", [&] { laid->Slot = 8; }, [&] { laid->Slot = 4; }},
        {"laid tile off the board", [&] { laid->Col = 16; }, [&] { laid->Col = 12; }},
        {"unknown state", [&] { laid->State = 15; }, [&] { laid->State = Placed; }},
        {"exchanged tile without owner", [&] { exchanged->Owner = 0; }, [&] { exchanged->Owner = 2; }},
        {"played tile still in the bag's state", [&] { played->State = InBag; },
         [&] { played->State = Fixed; }},
        {"played tile of a move that does not exist", [&] { played->Move = &stranger; },
         [&] { played->Move = &move; }},
        {"letter the set does not have", [&] { played->Letter = '#'; }, [&] { played->Letter = 'C'; }},
        {"value the letter does not have", [&] { played->Value = 4; }, [&] { played->Value = 3; }},
        {"position beyond any drag", [&] { played->Target.Left = 1 << 30; },
         [&, left = played->Target.Left] { played->Target.Left = left; }},
        {"move numbered out of order", [&] { move.MoveNumber = 3; }, [&] { move.MoveNumber = 1; }},
        {"move by a third player", [&] { move.Player = 3; }, [&] { move.Player = 1; }},
        {"word running off the board", [&] { move.Col = 13; }, [&] { move.Col = 8; }},
        {"word with a digit", [&] { move.Word = "CAF3"; }, [&] { move.Word = "CAFE"; }},
    };
    for (const Damage &damage : damages) {
        SCOPED_TRACE(damage.what);
        damage.apply();
        const std::string bytes = Payload(game);
        damage.undo();
        EXPECT_FALSE(Reads(back, bytes));
    }
    // More players' texts than players: refused.
    game.Players.push_back({"Joueur 3", 0, 0, "x"});
    const std::string threeTexts = Payload(game);
    game.Players.pop_back();
    EXPECT_FALSE(Reads(back, threeTexts));
    ASSERT_TRUE(Reads(back, Payload(game)));
    EXPECT_EQ(back.RackTile(2, 4), back.At(12, 9));
    EXPECT_EQ(back.RackTile(2, 1)->State, InExchange);
}

TEST(SavedPayload, MutatedPayloadsLoadOrAreRefusedAndThenPlay)
{
    scrabble_test::TempFolder folder;
    auto dictionary = scrabble_test::SmallDictionary(
        folder.File("mots.ox"), {"CAFE", "MOTS", "SOT", "TES", "MOT", "EST", "AIE", "MIE", "OSE", "TOC"});
    const MoveSearch search(*dictionary);
    BoardGame game(17);
    MidGame(game);
    const std::string original = Payload(game);
    std::mt19937 random(4242);
    int loaded = 0;
    for (int i = 0; i < 1500; ++i) {
        std::string bytes = original;
        for (int e = 0; e < 1 + int(random() % 3); ++e) {
            const std::size_t at = random() % bytes.size();
            switch (random() % 4) {
            case 0:
                bytes[at] = char(random() % 256);
                break;
            case 1:
                bytes[at] = char(bytes[at] + 1);
                break;
            case 2:
                bytes.erase(at, 1 + random() % 6);
                break;
            default:
                bytes.insert(at, bytes.substr(at, 1 + random() % 30));
                break;
            }
            if (bytes.empty())
                break;
        }
        BoardGame back(5);
        back.Players = game.Players;
        back.CurrentPlayer = 2;
        if (!Reads(back, bytes))
            continue;
        ++loaded;
        const std::vector<Tcoup> candidates = back.GenerateMoves(search, back.CurrentPlayer);
        ASSERT_FALSE(candidates.empty());
        back.PlayComputerMove(back.PickComputerMove(candidates, 5));
        back.NextPlayer();
        back.DrawTiles();
        back.GenerateMoves(search, back.CurrentPlayer);
    }
    EXPECT_GT(loaded, 50);
}
