// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The typed-value stream of saved games and settings. Every value starts with
// a tag byte that says its type; integers take the smallest of three sizes,
// strings are 8-bit (Windows-1252, code_page.h) and switch to a UTF-8 form
// when they hold a byte of 128 or more, floats are 80-bit extended values, and lists are bracketed
// by a list tag and an end-of-list tag. Both sides go through a 4096-byte
// buffer over a standard stream. Free of Qt, so that game rules can save and
// load themselves without a display.
#include <cstdint>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>

namespace savefile {

enum Tag : std::uint8_t {
    EndOfListTag = 0,
    ListTag = 1,
    Int8Tag = 2,
    Int16Tag = 3,
    Int32Tag = 4,
    ExtendedTag = 5,
    StringTag = 6,
    FalseTag = 8,
    TrueTag = 9,
    LongStringTag = 12,
    WideStringTag = 18,
    Int64Tag = 19,
    Utf8StringTag = 20,
};

// A value of the wrong type, an unknown tag or a stream that ends too soon.
class ReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TypedWriter {
public:
    explicit TypedWriter(std::ostream &out);
    ~TypedWriter(); // flushes what is left
    TypedWriter(const TypedWriter &) = delete;
    TypedWriter &operator=(const TypedWriter &) = delete;

    void WriteInteger(std::int32_t value);
    void WriteFloat(long double value);
    // text holds bytes of the code page.
    void WriteString(std::string_view text);
    void WriteChar(char c);
    void WriteBoolean(bool value);
    void WriteListBegin();
    void WriteListEnd();

    // Hands the buffer to the stream and flushes it; false when the stream
    // failed at any point since the writer was made.
    bool Flush();
    bool Ok() const { return out_.good(); }

private:
    void Put(std::uint8_t byte);
    void PutBytes(const void *data, std::size_t size);
    void PutLittle(std::uint64_t value, int bytes);

    std::ostream &out_;
    char buffer_[4096];
    std::size_t used_ = 0;
};

class TypedReader {
public:
    explicit TypedReader(std::istream &in);
    TypedReader(const TypedReader &) = delete;
    TypedReader &operator=(const TypedReader &) = delete;

    // Tags 2, 3 and 4, sign-extended.
    std::int32_t ReadInteger();
    // Tag 5, or an integer (tags 2, 3, 4 and 19).
    long double ReadFloat();
    // Tags 6, 12, 18 and 20; the result holds bytes of the code page (a
    // character the page lacks becomes '?').
    std::string ReadString();
    // A string of exactly one character.
    char ReadChar();
    // True exactly when the tag is 9.
    bool ReadBoolean();
    void ReadListBegin();
    void ReadListEnd();
    // True when the next value is an end-of-list tag (not consumed).
    bool EndOfList();

    // The next tag without consuming it; -1 at the end of the stream.
    int PeekTag();
    // Reads the tag byte; a ReadError at the end of the stream.
    std::uint8_t ReadTag();
    // The value that follows a tag already read (used by the dump tool).
    std::int64_t ReadIntegerBody(std::uint8_t tag);
    long double ReadExtendedBody();
    std::string ReadStringBody(std::uint8_t tag);

    // Bytes consumed so far.
    std::uint64_t Position() const { return consumed_; }

private:
    bool Fill();
    std::uint8_t Get();
    void GetBytes(void *data, std::size_t size);
    std::uint64_t GetLittle(int bytes);

    std::istream &in_;
    char buffer_[4096];
    std::size_t size_ = 0;
    std::size_t next_ = 0;
    std::uint64_t consumed_ = 0;
};

// A flag written as the string "T" or "F", as some games' payloads keep it;
// any other string read is a ReadError.
void WriteFlagText(TypedWriter &writer, bool value);
bool ReadFlagText(TypedReader &reader);

// The 10 little-endian bytes of an 80-bit extended float, and back.
void EncodeExtended(long double value, unsigned char bytes[10]);
long double DecodeExtended(const unsigned char bytes[10]);

} // namespace savefile
