// SPDX-License-Identifier: GPL-3.0-or-later
// The card table: the gallows stages, the places of cards and tiles, and
// the movements finished at once.
#include <gtest/gtest.h>

#include "wordgames/hangman/pendu_table.h"

using pendu::Motion;
using pendu::PenduTable;

TEST(PenduTable, TheGallowsShowsItsPartsByTheErrorsAllowed)
{
    const std::vector<int> seven = {0, 1, 2, 4, 6, 8, 10, 12};
    for (int e = 0; e <= 7; ++e)
        EXPECT_EQ(PenduTable::PartsShown(e, 7), seven[std::size_t(e)]) << e;
    const std::vector<int> ten = {0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 12};
    for (int e = 0; e <= 10; ++e)
        EXPECT_EQ(PenduTable::PartsShown(e, 10), ten[std::size_t(e)]) << e;
    for (int e = 0; e <= 12; ++e)
        EXPECT_EQ(PenduTable::PartsShown(e, 12), e);
}

TEST(PenduTable, CardsLieCentredAndTilesLineUpAlongTheEdge)
{
    EXPECT_NEAR(PenduTable::CardPlace(1, 12).x, -1.34f, 0.01f);
    EXPECT_NEAR(PenduTable::CardPlace(12, 12).x, 2.59f, 0.01f);
    EXPECT_NEAR(PenduTable::CardPlace(1, 3).x - PenduTable::CardPlace(1, 12).x, 1.5f, 1e-4f);
    EXPECT_NEAR(PenduTable::CardPlace(1, 3).z - PenduTable::CardPlace(1, 12).z, -1.5f, 1e-4f);

    PenduTable table;
    EXPECT_TRUE(table.Sortie('E', 0));
    EXPECT_FALSE(table.Sortie('E', 0)); // not in its slot any more
    EXPECT_TRUE(table.Sortie('S', 0));
    table.Advance(100);
    for (char letter : {'E', 'S'}) {
        const pendu::TableObject &tile = table.tiles[std::size_t(PenduTable::TileOf(letter))];
        EXPECT_EQ(tile.mark, 1);
        EXPECT_FALSE(tile.Moving());
    }
    EXPECT_NEAR(table.tiles[5].position.x, 1 / 5.5f - 3.2f, 1e-4f);
    EXPECT_NEAR(table.tiles[19].position.x, 2 / 5.5f - 3.2f, 1e-4f);
    table.Range();
    EXPECT_EQ(table.LettresSorties, 0);
    EXPECT_EQ(table.tiles[5].position, PenduTable::SlotPlace(5));
}

TEST(PenduTable, ADealFinishedAtOncePutsEveryCardAtItsPlaceWithItsFace)
{
    PenduTable table;
    table.Distribue("M***N", "MACON", 0);
    table.Advance(0.3); // under way
    EXPECT_FALSE(table.Arrive(Motion::Deal));
    const auto ends = table.Acheve(Motion::Deal);
    EXPECT_EQ(ends.size(), 5u);
    EXPECT_TRUE(table.Arrive(Motion::Deal));
    for (int n = 1; n <= 5; ++n) {
        const pendu::TableObject &card = table.cards[std::size_t(n)];
        EXPECT_EQ(card.position, PenduTable::CardPlace(n, 5)) << n;
        const bool shown = n == 1 || n == 5;
        EXPECT_EQ(card.mark, shown ? 2 : 1) << n;
        EXPECT_EQ(card.angles.y, shown ? 50 : 230) << n;
        EXPECT_EQ(card.material, shown ? (n == 1 ? "Lettre_M" : "Lettre_N") : "Lettre_vide");
    }
    for (int n = 6; n <= 12; ++n)
        EXPECT_FALSE(table.cards[std::size_t(n)].visible);

    // Turning finished at once: final face and mark, the flight goes on.
    table.Retourne(" A   ", 5, 1);
    const auto turned = table.Acheve(Motion::Turn);
    ASSERT_EQ(turned.size(), 1u);
    EXPECT_EQ(table.cards[2].mark, 2);
    EXPECT_EQ(table.cards[2].material, "Lettre_A");
    EXPECT_TRUE(table.cards[2].Moving());
    table.Advance(10);
    EXPECT_EQ(table.cards[2].position, PenduTable::CardPlace(2, 5));

    // Gathering: every card back in the pile, hidden.
    table.Ramasse(20);
    table.Advance(40);
    for (int n = 1; n <= 12; ++n) {
        EXPECT_FALSE(table.cards[std::size_t(n)].visible);
        EXPECT_EQ(table.cards[std::size_t(n)].mark, 0);
    }
}

TEST(PenduTable, TheCandleSinksWhileAGuesserPlaysAndTheBaseTurns)
{
    PenduTable table;
    table.StepDecor(10, 1, true, 2);
    EXPECT_NEAR(table.candle, 0.65, 1e-9);
    EXPECT_NEAR(table.baseTurn, 30, 1e-9);
    table.StepDecor(1000, 0, true, 7);
    EXPECT_EQ(table.candle, -0.5);
    EXPECT_NEAR(table.baseTurn, 30, 1e-9); // no base, no turn
    EXPECT_GE(table.flame, 1);
    EXPECT_LE(table.flame, 4);
    table.StepDecor(0.05, 0, false, 0);
    EXPECT_EQ(table.candle, 0.75);
}
