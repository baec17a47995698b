// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/resourcelib/check_values.h"
#include "framework/savefile/header_cipher.h"
#include "framework/savefile/saved_game_header.h"
#include "stream_bytes.h"

#include <gtest/gtest.h>

using namespace savefile;

namespace {

std::string SavedHeader(int kind, int kindAgain, const std::string &date = "10/12/2026 06:00:00")
{
    std::ostringstream out;
    {
        TypedWriter writer(out);
        WriteSavedGameHeader(writer, kind, {"OXA/Ludorine 1.0", "albane", date});
        writer.WriteString("F");
    }
    std::string bytes = out.str();
    if (kindAgain != kind) {
        // The second kind is the int8 just before the payload's "F".
        const std::size_t at = bytes.size() - 3 - 1;
        bytes[at] = static_cast<char>(kindAgain);
    }
    return bytes;
}

SavedGameHeader Read(const std::string &bytes, bool readAll = false)
{
    std::istringstream in(bytes);
    TypedReader reader(in);
    return ReadSavedGameHeader(reader, readAll);
}

} // namespace

TEST(CheckValues, DeterministicAndSensitiveToEveryText)
{
    EXPECT_EQ(Keycalc("Ludorine 3"), Keycalc("Ludorine 3"));
    EXPECT_NE(Keycalc("Ludorine 3"), Keycalc("Ludorine 4"));
    EXPECT_NE(Keycalc(""), Keycalc(" "));
    // Only the first 255 characters count.
    EXPECT_EQ(Keycalc(std::string(255, 'a') + "b"), Keycalc(std::string(255, 'a') + "c"));

    const std::int32_t chain = crcs(crcs(-1, "Albane"), "Bertin");
    EXPECT_EQ(chain, crcs(crcs(-1, "Albane"), "Bertin"));
    EXPECT_NE(chain, crcs(crcs(-1, "Bertin"), "Albane"));
    // Moving the boundary between two texts changes the chain.
    EXPECT_NE(crcs(crcs(-1, "ab"), "c"), crcs(crcs(-1, "a"), "bc"));
}

TEST(HeaderCipher, PrintableAndReversible)
{
    const std::string plain = "Ludorine 3 \xE9t\xE9 \x01";
    const std::string enciphered = EncipherHeaderText(plain);
    EXPECT_EQ(enciphered.size(), 2 * plain.size());
    EXPECT_EQ(enciphered.find_first_not_of("0123456789ABCDEF"), std::string::npos);
    EXPECT_EQ(enciphered.find("4C75"), std::string::npos) << "the plain 'Lu' must not show";
    EXPECT_EQ(DecipherHeaderText(enciphered), plain);
    EXPECT_FALSE(DecipherHeaderText("ABC").has_value());
    EXPECT_FALSE(DecipherHeaderText("zz").has_value());
}

TEST(SavedGameHeaderTest, ReadsBackWhatWasWritten)
{
    const SavedGameHeader header = Read(SavedHeader(3, 3));
    EXPECT_TRUE(header.Ok());
    EXPECT_EQ(header.kind, 3);
    EXPECT_EQ(header.identification.plain, "Ludorine 3");
    EXPECT_EQ(header.owner.plain, "albane");
    EXPECT_EQ(header.date.plain, "10/12/2026 06:00:00");
}

TEST(SavedGameHeaderTest, RefusesDifferentKindsAndAlteredCheckValues)
{
    EXPECT_FALSE(Read(SavedHeader(3, 4)).Ok());

    // Change one byte of the identification's check value (the int32 after
    // the first string).
    std::string bytes = SavedHeader(3, 3);
    const std::size_t identificationEnd = 2 + static_cast<unsigned char>(bytes[1]);
    ASSERT_EQ(bytes[identificationEnd], 4) << "a check value is an int32 here";
    bytes[identificationEnd + 2] ^= 0x10;
    const SavedGameHeader header = Read(bytes);
    EXPECT_FALSE(header.Ok());
    EXPECT_FALSE(header.identification.valid);
    EXPECT_FALSE(header.origin.checked) << "reading stops at the first failed check";

    // A changed character of the enciphered date fails the date's check.
    std::string dated = SavedHeader(3, 3, "01/01/2027 00:00:00");
    const std::size_t at = dated.find(EncipherHeaderText("01/01/2027 00:00:00"));
    ASSERT_NE(at, std::string::npos);
    dated[at + 3] = dated[at + 3] == '0' ? '1' : '0';
    const SavedGameHeader all = Read(dated, true);
    EXPECT_TRUE(all.origin.valid);
    EXPECT_FALSE(all.date.valid);
    EXPECT_TRUE(all.complete);
}

TEST(SavedGameHeaderTest, TruncatedHeadersAreReadErrors)
{
    const std::string bytes = SavedHeader(5, 5);
    const std::size_t headerSize = bytes.size() - 3;
    for (std::size_t cut = 0; cut < headerSize; ++cut)
        EXPECT_THROW(Read(bytes.substr(0, cut)), ReadError) << "cut at " << cut;
}
