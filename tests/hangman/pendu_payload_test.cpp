// SPDX-License-Identifier: GPL-3.0-or-later
// The saved form of a Hangman game: a round under way comes back with every
// card and tile where it was; bad data is refused and changes nothing.
#include <sstream>

#include "pendu_test_support.h"
#include "support/word_game_test_support.h"
#include "wordgames/hangman/pendu_texts.h"

using pendu_test::PenduRules;

namespace {
std::string Saved(const pendu::PenduGame &game)
{
    return word_game_test::SavedPayload(game);
}

bool Load(pendu::PenduGame &game, const std::string &bytes)
{
    return word_game_test::LoadPayload(game, bytes);
}

void ExpectSameObject(const pendu::TableObject &a, const pendu::TableObject &b)
{
    const pendu::Vec3 p = a.Moving() ? a.path.back().position : a.position;
    EXPECT_NEAR(p.x, b.position.x, 1e-5f);
    EXPECT_NEAR(p.y, b.position.y, 1e-5f);
    EXPECT_NEAR(p.z, b.position.z, 1e-5f);
    EXPECT_EQ(a.mark == pendu::kMoving ? b.mark : a.mark, b.mark);
    EXPECT_EQ(a.material, b.material);
    EXPECT_EQ(a.visible, b.visible);
}
} // namespace

TEST_F(PenduRules, ARoundSavedAndReopenedHasEveryCardAndTileWhereItWas)
{
    Setup({false, true}, {"MARDI"}, 1);
    StartRound();
    Play('A');
    Play('Z');
    ASSERT_TRUE(game->CharacterKey('R'));
    Tick(); // the tile of R is flying
    const std::string bytes = Saved(*game);
    pendu::PenduGame loaded(settings, *dictionary, *hidden, 9);
    ASSERT_TRUE(Load(loaded, bytes));
    EXPECT_EQ(loaded.MotATrouver, "MARDI");
    EXPECT_EQ(loaded.Masque, game->Masque);
    EXPECT_EQ(loaded.Erreurs, 1);
    EXPECT_EQ(loaded.NbEssais, 10);
    EXPECT_EQ(loaded.Phase.state, game->Phase.state);
    EXPECT_EQ(loaded.Phase.step, game->Phase.step);
    EXPECT_EQ(loaded.Sommet, game->Sommet);
    EXPECT_EQ(loaded.Table.LettresSorties, game->Table.LettresSorties);
    for (int n = 1; n <= pendu::kCards; ++n)
        ExpectSameObject(game->Table.cards[std::size_t(n)], loaded.Table.cards[std::size_t(n)]);
    for (int i = 1; i <= pendu::kLetters; ++i)
        ExpectSameObject(game->Table.tiles[std::size_t(i)], loaded.Table.tiles[std::size_t(i)]);
    EXPECT_EQ(Saved(loaded), Saved(loaded)); // stable

    // The reopened round plays on to its end.
    std::swap(*game, loaded);
    ASSERT_TRUE(TickUntil([this] { return game->HumanTurn(); }));
    for (char c : std::string("MDI"))
        Play(c);
    ASSERT_TRUE(TickUntil([this] { return game->Phase.state == 0 && game->Sommet == 0; }));
    EXPECT_EQ(settings.Players[1].Score, 9);
    EXPECT_EQ(pendu::RoundLines(*game, settings),
              (QStringList{QStringLiteral("1 - Joueur 1 : MARDI (ADIMRZ) : 9pts.")}));
    EXPECT_EQ(pendu::HistoryLine(game->Historique[0], settings), QStringLiteral("Joueur 1:MARDI 9 (ADIMRZ)"));
}

TEST_F(PenduRules, ASavedGameTheTableCannotHoldIsRefused)
{
    Setup({false}, {"MARDI"});
    StartRound();
    Play('A');
    const std::string good = Saved(*game);
    pendu::PenduGame target(settings, *dictionary, *hidden, 1);
    ASSERT_TRUE(Load(target, good));
    using Change = std::function<void(pendu::PenduGame &)>;
    const std::vector<std::pair<const char *, Change>> bad = {
        {"errors allowed 8", [](pendu::PenduGame &g) { g.NbEssais = 8; }},
        {"word and mask of other lengths", [](pendu::PenduGame &g) { g.Masque = "****"; }},
        {"word of 13 letters", [](pendu::PenduGame &g) { g.MotATrouver = g.Masque = "ABCDEFGHIJKLM"; }},
        {"a digit in the word", [](pendu::PenduGame &g) { g.MotATrouver = "MAR1I"; }},
        {"state 5", [](pendu::PenduGame &g) { g.Phase.state = 5; }},
        {"action kind", [](pendu::PenduGame &g) { g.Actions[2].kind = 'X'; }},
        {"stack top 8", [](pendu::PenduGame &g) { g.Sommet = 8; }},
        {"tile mark 3", [](pendu::PenduGame &g) { g.Table.tiles[4].mark = 3; }},
        {"card face", [](pendu::PenduGame &g) { g.Table.cards[2].material = "Lettre_9"; }},
        {"a tile far away", [](pendu::PenduGame &g) { g.Table.tiles[1].position.x = 1e30f; }},
        {"round of player 2",
         [](pendu::PenduGame &g) {
             g.Historique.push_back({2, "MARDI", "A", 3});
         }},
        {"tiles out 27", [](pendu::PenduGame &g) { g.Table.LettresSorties = 27; }},
    };
    for (const auto &[what, change] : bad) {
        pendu::PenduGame copy = *game;
        change(copy);
        EXPECT_FALSE(Load(target, Saved(copy))) << what;
    }
    for (std::size_t cut : {good.size() / 3, good.size() - 1})
        EXPECT_FALSE(Load(target, good.substr(0, cut))) << cut;
    EXPECT_EQ(Saved(target), good);
}
