// SPDX-License-Identifier: GPL-3.0-or-later
#include "stream_bytes.h"

#include "framework/savefile/code_page.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using savefile::ReadError;
using savefile::TypedReader;
using savefile::TypedWriter;
using Bytes = std::vector<unsigned char>;

namespace {

Bytes IntegerBytes(std::int32_t value)
{
    return Written([value](TypedWriter &w) { w.WriteInteger(value); });
}

std::istringstream Input(const Bytes &bytes)
{
    return std::istringstream(AsString(bytes));
}

} // namespace

TEST(TypedStreamWriting, IntegersTakeTheSmallestTag)
{
    EXPECT_EQ(IntegerBytes(127), (Bytes{2, 127}));
    EXPECT_EQ(IntegerBytes(128), (Bytes{3, 128, 0}));
    EXPECT_EQ(IntegerBytes(-128), (Bytes{2, 0x80}));
    EXPECT_EQ(IntegerBytes(-129), (Bytes{3, 0x7F, 0xFF}));
    EXPECT_EQ(IntegerBytes(32767), (Bytes{3, 0xFF, 0x7F}));
    EXPECT_EQ(IntegerBytes(32768), (Bytes{4, 0x00, 0x80, 0, 0}));
    EXPECT_EQ(IntegerBytes(-32769), (Bytes{4, 0xFF, 0x7F, 0xFF, 0xFF}));
    EXPECT_EQ(IntegerBytes(std::numeric_limits<std::int32_t>::min()), (Bytes{4, 0, 0, 0, 0x80}));
}

TEST(TypedStreamWriting, StringsByLengthAndContent)
{
    EXPECT_EQ(Written([](TypedWriter &w) { w.WriteString("T"); }), (Bytes{6, 1, 84}));
    EXPECT_EQ(Written([](TypedWriter &w) { w.WriteChar('F'); }), (Bytes{6, 1, 70}));
    EXPECT_EQ(Written([](TypedWriter &w) { w.WriteString(""); }), (Bytes{6, 0}));

    const Bytes shortForm = Written([](TypedWriter &w) { w.WriteString(std::string(255, 'a')); });
    ASSERT_EQ(shortForm.size(), 257u);
    EXPECT_EQ(shortForm[0], 6);
    EXPECT_EQ(shortForm[1], 255);

    const Bytes longForm = Written([](TypedWriter &w) { w.WriteString(std::string(256, 'a')); });
    ASSERT_EQ(longForm.size(), 261u);
    EXPECT_EQ(Bytes(longForm.begin(), longForm.begin() + 5), (Bytes{12, 0, 1, 0, 0}));

    // "été" in Latin-1 goes out as its UTF-8 form under tag 20.
    EXPECT_EQ(Written([](TypedWriter &w) { w.WriteString("\xE9t\xE9"); }),
              (Bytes{20, 5, 0, 0, 0, 0xC3, 0xA9, 't', 0xC3, 0xA9}));
    // A single accented character is a one-character string too.
    EXPECT_EQ(Written([](TypedWriter &w) { w.WriteChar('\xE7'); }), (Bytes{20, 2, 0, 0, 0, 0xC3, 0xA7}));
}

TEST(TypedStreamWriting, BooleansListsAndExtendedFloats)
{
    EXPECT_EQ(Written([](TypedWriter &w) {
                  w.WriteListBegin();
                  w.WriteBoolean(true);
                  w.WriteBoolean(false);
                  w.WriteListEnd();
              }),
              (Bytes{1, 9, 8, 0}));
    // 1.0: explicit integer bit set, exponent the bias 16383.
    EXPECT_EQ(Written([](TypedWriter &w) { w.WriteFloat(1.0L); }),
              (Bytes{5, 0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}));
    // -2.5 = -1.25 * 2^1.
    EXPECT_EQ(Written([](TypedWriter &w) { w.WriteFloat(-2.5L); }),
              (Bytes{5, 0, 0, 0, 0, 0, 0, 0, 0xA0, 0x00, 0xC0}));
    EXPECT_EQ(Written([](TypedWriter &w) { w.WriteFloat(0.0L); }), (Bytes{5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
}

TEST(TypedStreamReading, EveryTypeReadsBackAcrossTheBuffer)
{
    const std::string longText(10000, 'x'); // longer than the 4096-byte buffer
    const long double floats[] = {0.0L,
                                  1.0L,
                                  -2.5L,
                                  3.141592653589793238L,
                                  1e-4940L,
                                  1e4000L,
                                  std::numeric_limits<long double>::infinity()};
    const Bytes bytes = Written([&](TypedWriter &w) {
        for (std::int32_t value : {0, -1, 127, 128, -129, 40000, -2147483647 - 1, 2147483647})
            w.WriteInteger(value);
        w.WriteString("Albane");
        w.WriteString("Cyrielle \xE0 l'\xE9t\xE9");
        w.WriteString(longText);
        w.WriteChar('Z');
        w.WriteBoolean(true);
        w.WriteBoolean(false);
        w.WriteListBegin();
        w.WriteInteger(5);
        w.WriteListEnd();
        for (long double value : floats)
            w.WriteFloat(value);
    });
    std::istringstream in = Input(bytes);
    TypedReader r(in);
    for (std::int32_t value : {0, -1, 127, 128, -129, 40000, -2147483647 - 1, 2147483647})
        EXPECT_EQ(r.ReadInteger(), value);
    EXPECT_EQ(r.ReadString(), "Albane");
    EXPECT_EQ(r.ReadString(), "Cyrielle \xE0 l'\xE9t\xE9");
    EXPECT_EQ(r.ReadString(), longText);
    EXPECT_EQ(r.ReadChar(), 'Z');
    EXPECT_TRUE(r.ReadBoolean());
    EXPECT_FALSE(r.ReadBoolean());
    r.ReadListBegin();
    EXPECT_FALSE(r.EndOfList());
    EXPECT_EQ(r.ReadInteger(), 5);
    EXPECT_TRUE(r.EndOfList());
    EXPECT_TRUE(r.EndOfList()) << "the end-of-list test does not consume the tag";
    r.ReadListEnd();
    for (long double value : floats)
        EXPECT_EQ(r.ReadFloat(), value);
    EXPECT_EQ(r.PeekTag(), -1);
}

TEST(TypedStreamReading, AcceptsTheOtherFormsOfStringsAndFloats)
{
    // A wide string "é€ሴ" (the last has no 8-bit form), an integer and a
    // 64-bit integer read as floats.
    const Bytes bytes{18, 3, 0, 0, 0, 0xE9, 0x00, 0xAC, 0x20, 0x34, 0x12, 2, 7, 19, 0, 0, 0, 0, 1, 0, 0, 0};
    std::istringstream in = Input(bytes);
    TypedReader r(in);
    EXPECT_EQ(r.ReadString(), "\xE9\x80?");
    EXPECT_EQ(r.ReadFloat(), 7.0L);
    EXPECT_EQ(r.ReadFloat(), 4294967296.0L);
}

TEST(TypedStreamReading, WrongTagsAndShortStreamsAreReadErrors)
{
    auto reading = [](const Bytes &bytes, const std::function<void(TypedReader &)> &read) {
        std::istringstream in(AsString(bytes));
        TypedReader r(in);
        read(r);
    };
    EXPECT_THROW(reading({6, 1, 'a'}, [](TypedReader &r) { r.ReadInteger(); }), ReadError);
    EXPECT_THROW(reading({2, 1}, [](TypedReader &r) { r.ReadString(); }), ReadError);
    EXPECT_THROW(reading({9}, [](TypedReader &r) { r.ReadFloat(); }), ReadError);
    EXPECT_THROW(reading({6, 2, 'a', 'b'}, [](TypedReader &r) { r.ReadChar(); }), ReadError);
    EXPECT_THROW(reading({7}, [](TypedReader &r) { r.ReadBoolean(); }), ReadError);
    EXPECT_THROW(reading({0}, [](TypedReader &r) { r.ReadListBegin(); }), ReadError);
    EXPECT_THROW(reading({}, [](TypedReader &r) { r.ReadInteger(); }), ReadError);
    EXPECT_THROW(reading({4, 1, 2}, [](TypedReader &r) { r.ReadInteger(); }), ReadError);
    EXPECT_THROW(reading({5, 0, 0, 0}, [](TypedReader &r) { r.ReadFloat(); }), ReadError);
    EXPECT_THROW(reading({6, 10, 'a'}, [](TypedReader &r) { r.ReadString(); }), ReadError);
    // A damaged length of 4 GB ends in a short read, not in an allocation of it.
    EXPECT_THROW(reading({12, 0xFF, 0xFF, 0xFF, 0xFF, 'a'}, [](TypedReader &r) { r.ReadString(); }),
                 ReadError);
    EXPECT_THROW(reading({18, 0xFF, 0xFF, 0xFF, 0x7F, 'a'}, [](TypedReader &r) { r.ReadString(); }),
                 ReadError);
}

TEST(TypedStreamReading, MalformedUtf8BecomesQuestionMarks)
{
    // A cut sequence and a character outside the code page (an emoji) give
    // '?'; the euro sign is in it.
    EXPECT_EQ(savefile::Utf8ToCodePage("a\xC3(b\xE2\x82\xAC\xC3\xA9"), "a?(b\x80\xE9");
    EXPECT_EQ(savefile::Utf8ToCodePage("\xF0\x9F\x98\x80"), "?");
    EXPECT_EQ(savefile::Utf8ToCodePage("\xC3"), "?");
}

TEST(TypedStreamWriting, FlushReportsAFailedStream)
{
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    TypedWriter writer(out);
    writer.WriteInteger(1);
    EXPECT_FALSE(writer.Flush());
}
