// SPDX-License-Identifier: GPL-3.0-or-later
// The 8-bit code page of saved games: the French signs of bytes 0x80-0x9F
// go through the stream's UTF-8 form and back, every byte survives, and a
// file written with Latin-1 names reads as before.
#include "stream_bytes.h"

#include "framework/savefile/code_page.h"

#include <gtest/gtest.h>

using savefile::CodePageToUnicode;
using savefile::CodePageToUtf8;
using savefile::UnicodeToCodePage;
using savefile::Utf8ToCodePage;

TEST(CodePage, FrenchSignsOfTheHighControlsHaveTheirCharacters)
{
    EXPECT_EQ(CodePageToUnicode(0x9C), U'œ');
    EXPECT_EQ(CodePageToUnicode(0x8C), U'Œ');
    EXPECT_EQ(CodePageToUnicode(0x80), U'€');
    EXPECT_EQ(CodePageToUnicode(0x92), U'’');
    EXPECT_EQ(CodePageToUnicode(0x9F), U'Ÿ');
    EXPECT_EQ(CodePageToUnicode(0xE9), U'é');
    EXPECT_EQ(CodePageToUtf8("C\x9C"
                             "ur \x80 l\x92"
                             "\xE9t\xE9"),
              "Cœur € l’été");
    EXPECT_EQ(Utf8ToCodePage("Cœur € l’été Œ"), "C\x9C"
                                                "ur \x80 l\x92"
                                                "\xE9t\xE9 \x8C");
    EXPECT_EQ(UnicodeToCodePage(U'ሴ'), -1);
    EXPECT_EQ(UnicodeToCodePage(0x80), -1); // a control that the page replaced by €
}

TEST(CodePage, EveryByteGoesThroughUtf8AndBack)
{
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte);
    const std::string utf8 = CodePageToUtf8(all);
    EXPECT_EQ(Utf8ToCodePage(utf8), all);
    // The five bytes the page leaves undefined keep their Latin-1 meaning.
    for (const unsigned char undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D})
        EXPECT_EQ(CodePageToUnicode(undefined), char32_t(undefined));
}

TEST(CodePage, TheStreamWritesAndReadsTheSignsAsUtf8)
{
    const std::string name = "\x8C"
                             "dipe l\x92\x9C"
                             "il \x80";
    const auto bytes = Written([&](savefile::TypedWriter &w) { w.WriteString(name); });
    const std::string utf8 = "Œdipe l’œil €";
    ASSERT_EQ(bytes.size(), 5 + utf8.size());
    EXPECT_EQ(bytes[0], savefile::Utf8StringTag);
    EXPECT_EQ(AsString(bytes).substr(5), utf8);
    std::istringstream in(AsString(bytes));
    savefile::TypedReader reader(in);
    EXPECT_EQ(reader.ReadString(), name);

    // What a Latin-1 build wrote for "Hélène à" reads the same.
    const std::string latin1Utf8 = "H\xC3\xA9l\xC3\xA8ne \xC3\xA0";
    std::string old{char(savefile::Utf8StringTag), char(latin1Utf8.size()), 0, 0, 0};
    old += latin1Utf8;
    std::istringstream oldIn(old);
    savefile::TypedReader oldReader(oldIn);
    EXPECT_EQ(oldReader.ReadString(), "H\xE9l\xE8ne \xE0");
}
