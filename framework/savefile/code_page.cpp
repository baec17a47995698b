// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/savefile/code_page.h"

namespace savefile {

namespace {

// Bytes 0x80 to 0x9F; the undefined ones keep their own code.
constexpr char32_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 80-87
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 88-8F
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 90-97
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 98-9F
};

void AppendUtf8(std::string &out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

char32_t CodePageToUnicode(unsigned char byte)
{
    return byte >= 0x80 && byte <= 0x9F ? kHighControls[byte - 0x80] : char32_t(byte);
}

int UnicodeToCodePage(char32_t code)
{
    if (code < 0x80 || (code >= 0xA0 && code <= 0xFF))
        return static_cast<int>(code);
    for (int i = 0; i < 32; ++i)
        if (kHighControls[i] == code)
            return 0x80 + i;
    return -1;
}

std::string CodePageToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size() * 2);
    for (const char c : bytes)
        AppendUtf8(out, CodePageToUnicode(static_cast<unsigned char>(c)));
    return out;
}

std::string Utf8ToCodePage(std::string_view utf8)
{
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        const std::size_t length = lead < 0x80         ? 1
                                   : (lead >> 5) == 6  ? 2
                                   : (lead >> 4) == 14 ? 3
                                   : (lead >> 3) == 30 ? 4
                                                       : 0;
        if (length == 0 || i + length > utf8.size()) {
            out += '?';
            ++i;
            continue;
        }
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        bool valid = true;
        for (std::size_t k = 1; k < length; ++k) {
            const unsigned char next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0) != 0x80) {
                valid = false;
                break;
            }
            code = (code << 6) | (next & 0x3F);
        }
        if (!valid) {
            out += '?';
            ++i;
            continue;
        }
        const int byte = UnicodeToCodePage(code);
        out += byte >= 0 ? static_cast<char>(byte) : '?';
        i += length;
    }
    return out;
}

} // namespace savefile
