// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/import_word_scanner.h"

#include "dictionary/fold_accents.h"
#include "dictionary/typed_word.h"

ImportWordScanner::ImportWordScanner(KnownWord isKnown) : isKnown_(std::move(isKnown))
{
    for (int code = 0; code < 256; ++code) {
        char c = FoldAccents(std::string(1, char(code)))[0];
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
        letterOf_[std::size_t(code)] = c >= 'A' && c <= 'Z' ? c : 0;
    }
}

void ImportWordScanner::Feed(std::string_view bytes)
{
    std::string joined;
    if (!pending_.empty()) {
        joined = pending_;
        joined.append(bytes);
        pending_.clear();
        bytes = joined;
    }
    std::size_t i = 0;
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        if (lead < 0x80) {
            TakeLatin1(lead);
            ++i;
            continue;
        }
        char32_t code = 0;
        const int length = Utf8Length(bytes.substr(i), code);
        if (length < 0) {
            pending_.assign(bytes.substr(i));
            return;
        }
        if (length == 0) {
            TakeLatin1(lead);
            ++i;
        } else {
            TakeCodePoint(code);
            i += std::size_t(length);
        }
    }
}

void ImportWordScanner::Finish()
{
    // A sequence cut by the end of the file was no UTF-8: its bytes are Latin-1.
    const std::string rest = std::move(pending_);
    pending_.clear();
    for (char c : rest)
        TakeLatin1(static_cast<unsigned char>(c));
    EndWord();
}

int ImportWordScanner::Utf8Length(std::string_view bytes, char32_t &code)
{
    const auto lead = static_cast<unsigned char>(bytes[0]);
    int length;
    char32_t min;
    if (lead >= 0xC2 && lead <= 0xDF)
        length = 2, min = 0x80;
    else if (lead >= 0xE0 && lead <= 0xEF)
        length = 3, min = 0x800;
    else if (lead >= 0xF0 && lead <= 0xF4)
        length = 4, min = 0x10000;
    else
        return 0;
    code = lead & (0xFF >> (length + 1));
    for (int k = 1; k < length; ++k) {
        if (std::size_t(k) >= bytes.size())
            return -1;
        const auto next = static_cast<unsigned char>(bytes[std::size_t(k)]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = code << 6 | (next & 0x3F);
    }
    if (code < min || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

void ImportWordScanner::TakeCodePoint(char32_t code)
{
    if (code < 0x100) {
        TakeLatin1(static_cast<unsigned char>(code));
    } else if (code == 0x152 || code == 0x153) { // Œ œ
        TakeLatin1('O');
        TakeLatin1('E');
    } else {
        EndWord();
    }
}

void ImportWordScanner::TakeLatin1(unsigned char c)
{
    if (c == 0x8C || c == 0x9C) { // Œ œ of the Windows code page
        TakeLatin1('O');
        TakeLatin1('E');
        return;
    }
    const char letter = letterOf_[c];
    if (letter == 0) {
        EndWord();
        return;
    }
    if (word_.size() < typed_word::kMaxLetters)
        word_ += letter;
    else
        tooLong_ = true;
}

void ImportWordScanner::EndWord()
{
    if (!tooLong_ && word_.size() >= typed_word::kMinLetters && !listed_.count(word_) &&
        !known_.count(word_)) {
        if (isKnown_(word_)) {
            known_.insert(word_);
        } else {
            listed_.insert(word_);
            words_.push_back(word_);
        }
    }
    word_.clear();
    tooLong_ = false;
}
