// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/savefile/typed_stream.h"

#include "framework/savefile/code_page.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace savefile {

namespace {

bool AllBelow128(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 128; });
}

std::string TagError(std::uint8_t tag, const char *expected)
{
    return "valeur inattendue (étiquette " + std::to_string(tag) + ", attendu : " + expected + ")";
}

} // namespace

// --- Conversions -----------------------------------------------------------

void EncodeExtended(long double value, unsigned char bytes[10])
{
    std::uint64_t mantissa = 0;
    std::uint16_t exponentAndSign = 0;
    if (std::signbit(value))
        exponentAndSign = 0x8000;
    const long double magnitude = std::fabs(value);
    if (std::isnan(value)) {
        exponentAndSign |= 0x7FFF;
        mantissa = 0xC000000000000000ull;
    } else if (std::isinf(value)) {
        exponentAndSign |= 0x7FFF;
        mantissa = 0x8000000000000000ull;
    } else if (magnitude != 0) {
        int exponent = 0;
        // magnitude = fraction * 2^exponent with fraction in [0.5, 1).
        const long double fraction = std::frexp(magnitude, &exponent);
        int biased = exponent - 1 + 16383;
        long double scaled = std::ldexp(fraction, 64);
        if (biased <= 0) { // too small for a normal value: a denormal
            scaled = std::ldexp(scaled, biased - 1);
            biased = 0;
        }
        mantissa = static_cast<std::uint64_t>(scaled);
        exponentAndSign |= static_cast<std::uint16_t>(biased);
    }
    for (int i = 0; i < 8; ++i)
        bytes[i] = static_cast<unsigned char>(mantissa >> (8 * i));
    bytes[8] = static_cast<unsigned char>(exponentAndSign);
    bytes[9] = static_cast<unsigned char>(exponentAndSign >> 8);
}

long double DecodeExtended(const unsigned char bytes[10])
{
    std::uint64_t mantissa = 0;
    for (int i = 0; i < 8; ++i)
        mantissa |= std::uint64_t(bytes[i]) << (8 * i);
    const int exponentAndSign = bytes[8] | (bytes[9] << 8);
    const bool negative = exponentAndSign & 0x8000;
    const int biased = exponentAndSign & 0x7FFF;
    long double value;
    if (biased == 0x7FFF)
        value = (mantissa << 1) == 0 ? HUGE_VALL : std::nanl("");
    else if (biased == 0)
        value = std::ldexp(static_cast<long double>(mantissa), -16382 - 63);
    else
        value = std::ldexp(static_cast<long double>(mantissa), biased - 16383 - 63);
    return negative ? -value : value;
}

// --- Writer ----------------------------------------------------------------

TypedWriter::TypedWriter(std::ostream &out) : out_(out) {}

TypedWriter::~TypedWriter()
{
    Flush();
}

void TypedWriter::Put(std::uint8_t byte)
{
    if (used_ == sizeof buffer_)
        Flush();
    buffer_[used_++] = static_cast<char>(byte);
}

void TypedWriter::PutBytes(const void *data, std::size_t size)
{
    const char *bytes = static_cast<const char *>(data);
    while (size > 0) {
        if (used_ == sizeof buffer_)
            Flush();
        const std::size_t step = std::min(size, sizeof buffer_ - used_);
        std::memcpy(buffer_ + used_, bytes, step);
        used_ += step;
        bytes += step;
        size -= step;
    }
}

void TypedWriter::PutLittle(std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        Put(static_cast<std::uint8_t>(value >> (8 * i)));
}

bool TypedWriter::Flush()
{
    if (used_ > 0) {
        out_.write(buffer_, static_cast<std::streamsize>(used_));
        used_ = 0;
    }
    out_.flush();
    return out_.good();
}

void TypedWriter::WriteInteger(std::int32_t value)
{
    if (value >= -128 && value <= 127) {
        Put(Int8Tag);
        Put(static_cast<std::uint8_t>(value));
    } else if (value >= -32768 && value <= 32767) {
        Put(Int16Tag);
        PutLittle(static_cast<std::uint16_t>(value), 2);
    } else {
        Put(Int32Tag);
        PutLittle(static_cast<std::uint32_t>(value), 4);
    }
}

void TypedWriter::WriteFloat(long double value)
{
    unsigned char bytes[10];
    EncodeExtended(value, bytes);
    Put(ExtendedTag);
    PutBytes(bytes, sizeof bytes);
}

void TypedWriter::WriteString(std::string_view text)
{
    if (!AllBelow128(text)) {
        const std::string utf8 = CodePageToUtf8(text);
        Put(Utf8StringTag);
        PutLittle(utf8.size(), 4);
        PutBytes(utf8.data(), utf8.size());
    } else if (text.size() <= 255) {
        Put(StringTag);
        Put(static_cast<std::uint8_t>(text.size()));
        PutBytes(text.data(), text.size());
    } else {
        Put(LongStringTag);
        PutLittle(text.size(), 4);
        PutBytes(text.data(), text.size());
    }
}

void TypedWriter::WriteChar(char c)
{
    WriteString(std::string_view(&c, 1));
}

void TypedWriter::WriteBoolean(bool value)
{
    Put(value ? TrueTag : FalseTag);
}

void TypedWriter::WriteListBegin()
{
    Put(ListTag);
}

void TypedWriter::WriteListEnd()
{
    Put(EndOfListTag);
}

// --- Reader ----------------------------------------------------------------

TypedReader::TypedReader(std::istream &in) : in_(in) {}

bool TypedReader::Fill()
{
    if (next_ < size_)
        return true;
    if (!in_.good())
        return false;
    in_.read(buffer_, sizeof buffer_);
    size_ = static_cast<std::size_t>(in_.gcount());
    next_ = 0;
    return size_ > 0;
}

std::uint8_t TypedReader::Get()
{
    if (!Fill())
        throw ReadError("fin de fichier inattendue");
    ++consumed_;
    return static_cast<std::uint8_t>(buffer_[next_++]);
}

void TypedReader::GetBytes(void *data, std::size_t size)
{
    char *bytes = static_cast<char *>(data);
    while (size > 0) {
        if (!Fill())
            throw ReadError("fin de fichier inattendue");
        const std::size_t step = std::min(size, size_ - next_);
        std::memcpy(bytes, buffer_ + next_, step);
        next_ += step;
        consumed_ += step;
        bytes += step;
        size -= step;
    }
}

std::uint64_t TypedReader::GetLittle(int bytes)
{
    std::uint64_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= std::uint64_t(Get()) << (8 * i);
    return value;
}

int TypedReader::PeekTag()
{
    if (!Fill())
        return -1;
    return static_cast<unsigned char>(buffer_[next_]);
}

std::uint8_t TypedReader::ReadTag()
{
    return Get();
}

std::int64_t TypedReader::ReadIntegerBody(std::uint8_t tag)
{
    switch (tag) {
    case Int8Tag:
        return static_cast<std::int8_t>(Get());
    case Int16Tag:
        return static_cast<std::int16_t>(GetLittle(2));
    case Int32Tag:
        return static_cast<std::int32_t>(GetLittle(4));
    case Int64Tag:
        return static_cast<std::int64_t>(GetLittle(8));
    default:
        throw ReadError(TagError(tag, "entier"));
    }
}

long double TypedReader::ReadExtendedBody()
{
    unsigned char bytes[10];
    GetBytes(bytes, sizeof bytes);
    return DecodeExtended(bytes);
}

std::string TypedReader::ReadStringBody(std::uint8_t tag)
{
    // A length is never trusted for an allocation: the bytes are read in
    // steps, so a damaged length ends in a short read rather than in a huge
    // allocation.
    auto readBytes = [this](std::uint64_t length) {
        std::string text;
        char chunk[4096];
        while (length > 0) {
            const std::size_t step = static_cast<std::size_t>(std::min<std::uint64_t>(length, sizeof chunk));
            GetBytes(chunk, step);
            text.append(chunk, step);
            length -= step;
        }
        return text;
    };
    switch (tag) {
    case StringTag:
        return readBytes(Get());
    case LongStringTag:
        return readBytes(GetLittle(4));
    case Utf8StringTag:
        return Utf8ToCodePage(readBytes(GetLittle(4)));
    case WideStringTag: {
        const std::string units = readBytes(GetLittle(4) * 2);
        std::string text;
        text.reserve(units.size() / 2);
        for (std::size_t i = 0; i + 1 < units.size(); i += 2) {
            std::uint32_t code =
                static_cast<unsigned char>(units[i]) | (static_cast<unsigned char>(units[i + 1]) << 8);
            if (code >= 0xD800 && code <= 0xDBFF && i + 3 < units.size()) {
                i += 2; // a surrogate pair stands for one character outside the code page
                code = 0x10000;
            }
            const int byte = UnicodeToCodePage(code);
            text += byte >= 0 ? static_cast<char>(byte) : '?';
        }
        return text;
    }
    default:
        throw ReadError(TagError(tag, "chaîne"));
    }
}

std::int32_t TypedReader::ReadInteger()
{
    const std::uint8_t tag = Get();
    if (tag != Int8Tag && tag != Int16Tag && tag != Int32Tag)
        throw ReadError(TagError(tag, "entier"));
    return static_cast<std::int32_t>(ReadIntegerBody(tag));
}

long double TypedReader::ReadFloat()
{
    const std::uint8_t tag = Get();
    if (tag == ExtendedTag)
        return ReadExtendedBody();
    if (tag == Int8Tag || tag == Int16Tag || tag == Int32Tag || tag == Int64Tag)
        return static_cast<long double>(ReadIntegerBody(tag));
    throw ReadError(TagError(tag, "nombre réel"));
}

std::string TypedReader::ReadString()
{
    return ReadStringBody(Get());
}

char TypedReader::ReadChar()
{
    const std::string text = ReadString();
    if (text.size() != 1)
        throw ReadError("caractère attendu");
    return text[0];
}

bool TypedReader::ReadBoolean()
{
    const std::uint8_t tag = Get();
    if (tag != TrueTag && tag != FalseTag)
        throw ReadError(TagError(tag, "booléen"));
    return tag == TrueTag;
}

void TypedReader::ReadListBegin()
{
    const std::uint8_t tag = Get();
    if (tag != ListTag)
        throw ReadError(TagError(tag, "liste"));
}

void TypedReader::ReadListEnd()
{
    const std::uint8_t tag = Get();
    if (tag != EndOfListTag)
        throw ReadError(TagError(tag, "fin de liste"));
}

bool TypedReader::EndOfList()
{
    return PeekTag() == EndOfListTag;
}

void WriteFlagText(TypedWriter &writer, bool value)
{
    writer.WriteString(value ? "T" : "F");
}

bool ReadFlagText(TypedReader &reader)
{
    const std::string text = reader.ReadString();
    if (text != "T" && text != "F")
        throw ReadError("a flag that is neither T nor F");
    return text == "T";
}

} // namespace savefile
