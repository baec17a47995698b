// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/code_page_text.h"

#include "framework/savefile/code_page.h"

QString FromCodePage(std::string_view bytes)
{
    QString text;
    text.reserve(qsizetype(bytes.size()));
    for (const char c : bytes)
        text += QChar(char16_t(savefile::CodePageToUnicode(static_cast<unsigned char>(c))));
    return text;
}

std::string ToCodePage(const QString &text)
{
    std::string bytes;
    bytes.reserve(std::size_t(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            ++i; // one character outside the page
            bytes += '?';
            continue;
        }
        const int byte = savefile::UnicodeToCodePage(c.unicode());
        bytes += byte >= 0 ? static_cast<char>(byte) : '?';
    }
    return bytes;
}
