// SPDX-License-Identifier: GPL-3.0-or-later
// Duplicate's saved payload: a game in the middle reads back field by field,
// and damaged payloads are refused without harm, whatever value is changed.
#include <gtest/gtest.h>

#include <sstream>

#include "duplicate_test_support.h"
#include "framework/savefile/typed_stream.h"

using namespace scrabble;
using namespace duplicate_test;

namespace {

// One value of the stream.
struct Token {
    enum Kind { Integer, String, ListBegin, ListEnd } kind;
    std::int32_t number = 0;
    std::string text;
};

std::vector<Token> Tokens(const std::string &payload)
{
    std::istringstream stream(payload);
    savefile::TypedReader in(stream);
    std::vector<Token> tokens;
    for (int tag = in.PeekTag(); tag != -1; tag = in.PeekTag()) {
        if (tag == savefile::ListTag) {
            in.ReadListBegin();
            tokens.push_back({Token::ListBegin, 0, {}});
        } else if (tag == savefile::EndOfListTag) {
            in.ReadListEnd();
            tokens.push_back({Token::ListEnd, 0, {}});
        } else if (tag == savefile::Int8Tag || tag == savefile::Int16Tag || tag == savefile::Int32Tag) {
            tokens.push_back({Token::Integer, in.ReadInteger(), {}});
        } else {
            tokens.push_back({Token::String, 0, in.ReadString()});
        }
    }
    return tokens;
}

std::string Payload(const std::vector<Token> &tokens)
{
    std::ostringstream stream;
    {
        savefile::TypedWriter out(stream);
        for (const Token &t : tokens)
            switch (t.kind) {
            case Token::Integer:
                out.WriteInteger(t.number);
                break;
            case Token::String:
                out.WriteString(t.text);
                break;
            case Token::ListBegin:
                out.WriteListBegin();
                break;
            case Token::ListEnd:
                out.WriteListEnd();
                break;
            }
    }
    return stream.str();
}

std::string Save(const DuplicateGame &game)
{
    std::ostringstream stream;
    {
        savefile::TypedWriter out(stream);
        game.Write(out);
    }
    return stream.str();
}

bool Load(DuplicateGame &game, const std::string &payload, std::string *error = nullptr)
{
    std::istringstream stream(payload);
    savefile::TypedReader in(stream);
    return game.Read(in, error);
}

// A joker game of three computers and a human, played for a few draws, with
// the human's proposal of the current draw validated.
class Record : public ::testing::Test {
protected:
    void SetUp() override
    {
        game.confirm = [](const std::string &) { return true; };
        ASSERT_TRUE(game.StartGame(Players({5, 0, 3, 1}), DuplicateVariant::Joker));
        for (int tick = 0; tick < 400 && game.DrawNumber() < 6; ++tick) {
            game.Tick();
            if (game.SearchCountdown() == -1) {
                ASSERT_EQ(game.EndTurn().outcome, EndTurnResult::Played);
            }
        }
        for (int tick = 0; tick < 12; ++tick)
            game.Tick();
        game.SelectPlayer("2");
        const Tcoup &best = game.Candidates().front();
        const std::string notation = best.Notation();
        game.SubmitProposal(
            {notation.substr(0, notation.find(' ')), notation.substr(notation.find(' ') + 1), best.Word});
        game.ClickSquare(1, 1);
        ASSERT_GE(game.History().size(), 5u);
        payload = Save(game);
    }
    // A game set up as the window does before reading: variant and players from the settings.
    std::unique_ptr<DuplicateGame> Fresh()
    {
        auto back = std::make_unique<DuplicateGame>(&Dictionary(), 1);
        back->SetVariant(DuplicateVariant::Joker);
        std::vector<PlayerInfo> infos;
        for (const DuplicatePlayer &p : game.Players())
            infos.push_back(p.Info);
        back->SetPlayers(infos);
        return back;
    }

    DuplicateGame game{&Dictionary(), 17};
    std::string payload;
};

PlayerRow WithoutScores(PlayerRow row)
{
    row.Score = 0;
    row.Openness = 0;
    return row;
}

} // namespace

TEST_F(Record, RoundTripFieldByField)
{
    const auto fresh = Fresh();
    DuplicateGame &back = *fresh;
    std::string error;
    ASSERT_TRUE(Load(back, payload, &error)) << error;
    EXPECT_EQ(back.GameOver, game.GameOver);
    EXPECT_EQ(back.DrawNumber(), game.DrawNumber());
    EXPECT_EQ(back.Bag(), game.Bag());
    EXPECT_EQ(back.Draw(), game.Draw());
    EXPECT_EQ(back.DrawShown(), game.DrawShown());
    EXPECT_EQ(back.VowelCount(), game.VowelCount());
    EXPECT_EQ(back.ConsonantCount(), game.ConsonantCount());
    EXPECT_EQ(back.JokersLeft(), game.JokersLeft());
    ASSERT_TRUE(back.Cursor().has_value());
    EXPECT_EQ(back.Cursor()->col, 1);
    EXPECT_EQ(back.ActivePlayer(), 2);
    EXPECT_EQ(back.TopTotal(), game.TopTotal());
    EXPECT_EQ(back.DrawStart(), game.DrawStart());
    ASSERT_EQ(back.History().size(), game.History().size());
    for (std::size_t i = 0; i < game.History().size(); ++i)
        EXPECT_EQ(*back.History()[i], *game.History()[i]);
    for (std::size_t i = 0; i < game.Squares().size(); ++i) {
        const DuplicateSquare &a = back.Squares()[i];
        const DuplicateSquare &b = game.Squares()[i];
        EXPECT_EQ(a.Col, b.Col);
        EXPECT_EQ(a.Row, b.Row);
        EXPECT_EQ(a.Letter, b.Letter);
        EXPECT_EQ(a.SquareState, b.SquareState);
        EXPECT_EQ(a.IsJoker, b.IsJoker);
        EXPECT_EQ(a.Move != nullptr, b.Move != nullptr);
        if (a.Move != nullptr && b.Move != nullptr) {
            EXPECT_EQ(a.Move->MoveNumber, b.Move->MoveNumber);
        }
    }
    ASSERT_EQ(back.PlayerCount(), 4);
    for (int p = 1; p <= 4; ++p) {
        EXPECT_EQ(back.Player(p).Info.Level, game.Player(p).Info.Level);
        EXPECT_EQ(back.Player(p).Info.Name, game.Player(p).Info.Name);
        // The current rows are checked again on reading: their scores come back.
        EXPECT_EQ(back.Player(p).Current, game.Player(p).Current);
        ASSERT_EQ(back.Player(p).Past.size(), game.Player(p).Past.size());
        for (std::size_t i = 0; i < game.Player(p).Past.size(); ++i)
            EXPECT_EQ(back.Player(p).Past[i], WithoutScores(game.Player(p).Past[i]));
    }
    EXPECT_EQ(back.DrawLines().size(), back.History().size() + 1);
    // The search and the computers' proposals run again, and the game goes on.
    EXPECT_EQ(back.SearchCountdown(), 0);
    EXPECT_EQ(Save(back), payload);
    for (int tick = 0; tick < 20; ++tick)
        back.Tick();
    EXPECT_TRUE(back.Player(1).Current.IsValid());
    CheckTiles(back);
}

TEST_F(Record, DamagedPayloadsAreRefused)
{
    const std::vector<Token> tokens = Tokens(payload);
    ASSERT_GT(tokens.size(), 2000u);
    auto refused = [&](std::vector<Token> changed) { return !Load(*Fresh(), Payload(changed)); };
    auto with = [&](std::size_t index, std::int32_t number) {
        std::vector<Token> changed = tokens;
        changed[index].number = number;
        return changed;
    };
    auto withText = [&](std::size_t index, std::string text) {
        std::vector<Token> changed = tokens;
        changed[index].text = std::move(text);
        return changed;
    };
    // The values in front of the lists, by position.
    EXPECT_TRUE(refused(with(0, 3)));                              // game kind
    EXPECT_TRUE(refused(withText(1, "X")));                        // game over flag
    EXPECT_TRUE(refused(with(2, -1)));                             // draw number
    EXPECT_TRUE(refused(with(2, int(game.History().size()) - 1))); // fewer draws than moves
    EXPECT_TRUE(refused(withText(3, tokens[3].text + "E")));       // a tile too many
    std::string badBag = tokens[3].text;
    badBag[0] = '#';
    EXPECT_TRUE(refused(withText(3, badBag)));                   // not a letter
    EXPECT_TRUE(refused(withText(4, tokens[4].text + "A")));     // draw too long
    EXPECT_TRUE(refused(withText(5, tokens[5].text.substr(1)))); // shown draw length
    EXPECT_TRUE(refused(with(6, 0)));                            // player count
    EXPECT_TRUE(refused(with(6, 41)));
    EXPECT_TRUE(refused(with(6, 5)));                             // one player's part missing
    EXPECT_TRUE(refused(with(7, tokens[7].number + 1)));          // vowel count
    EXPECT_TRUE(refused(with(8, tokens[8].number - 1)));          // consonant count
    EXPECT_TRUE(refused(with(9, 3)));                             // jokers left
    EXPECT_TRUE(refused(with(9, tokens[9].number == 2 ? 1 : 2))); // jokers left against the board
    EXPECT_TRUE(refused(with(10, 16)));                           // cursor
    EXPECT_TRUE(refused(with(12, 5)));                            // active player
    EXPECT_TRUE(refused(with(13, tokens[13].number + 1)));        // top total
    EXPECT_TRUE(refused(with(15, tokens[15].number + 1)));        // history length

    // The squares: the second top-level list; each record is ten values.
    std::size_t squares = 0;
    for (std::size_t i = 0, lists = 0; i < tokens.size() && squares == 0; ++i)
        if (tokens[i].kind == Token::ListBegin && ++lists == 2)
            squares = i + 1;
    ASSERT_GT(squares, 0u);
    std::size_t played = 0;
    for (std::size_t s = squares; s + 10 <= tokens.size() && played == 0; s += 10)
        if (tokens[s + 5].number == 1)
            played = s;
    ASSERT_GT(played, 0u);
    {
        std::vector<Token> twice = tokens; // the second square given the first one's place
        twice[squares + 10].number = tokens[squares].number;
        twice[squares + 11].number = tokens[squares + 1].number;
        twice[squares + 12].number = tokens[squares].number;
        twice[squares + 13].number = tokens[squares + 1].number;
        EXPECT_TRUE(refused(twice));
    }
    EXPECT_TRUE(refused(with(squares, 0)));          // outside the board
    EXPECT_TRUE(refused(with(squares + 2, 2)));      // inner coordinates differ
    EXPECT_TRUE(refused(with(squares + 5, 2)));      // state
    EXPECT_TRUE(refused(with(played + 5, -1)));      // a played letter emptied
    EXPECT_TRUE(refused(with(played + 9, 999)));     // its move's draw does not exist
    EXPECT_TRUE(refused(withText(played + 4, "#"))); // its letter
    {
        std::vector<Token> fewer = tokens; // a square missing
        fewer.erase(fewer.begin() + std::ptrdiff_t(squares), fewer.begin() + std::ptrdiff_t(squares) + 10);
        EXPECT_TRUE(refused(fewer));
    }

    // Every value changed in turn, and the payload cut short anywhere: never
    // a crash; what is accepted is a game that holds together.
    int accepted = 0;
    for (std::size_t i = 0; i < tokens.size(); i += 3) {
        std::vector<std::vector<Token>> variants;
        if (tokens[i].kind == Token::Integer)
            for (const std::int32_t v : {-2, 0, 7, 16, 99999})
                variants.push_back(with(i, v));
        else if (tokens[i].kind == Token::String)
            for (const char *t : {"", "T", "**", "ZZZZZZZZZZ"})
                variants.push_back(withText(i, t));
        else {
            std::vector<Token> dropped = tokens;
            dropped.erase(dropped.begin() + std::ptrdiff_t(i));
            variants.push_back(dropped);
        }
        for (const auto &changed : variants) {
            const auto back = Fresh();
            if (Load(*back, Payload(changed))) {
                ++accepted;
                CheckTiles(*back);
                EXPECT_TRUE(Load(*Fresh(), Save(*back)));
            }
        }
        EXPECT_FALSE(Load(*Fresh(), payload.substr(0, payload.size() * i / tokens.size())));
    }
    EXPECT_LT(accepted, int(tokens.size()));
    // A refused payload leaves the game as it was.
    const auto kept = Fresh();
    ASSERT_TRUE(Load(*kept, payload));
    EXPECT_FALSE(Load(*kept, Payload(with(6, 41))));
    EXPECT_EQ(Save(*kept), payload);
}
