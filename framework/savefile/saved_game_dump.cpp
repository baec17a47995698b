// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/savefile/saved_game_dump.h"

#include "framework/savefile/code_page.h"
#include "framework/savefile/saved_game_header.h"
#include "framework/savefile/typed_stream.h"

#include <cstdio>

namespace savefile {

namespace {

// A text of the code page quoted for a UTF-8 terminal, control bytes escaped.
std::string Quoted(const std::string &latin1)
{
    std::string out = "\"";
    for (char c : latin1) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte == '"' || byte == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 32 || byte == 127) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", byte);
            out += escape;
        } else {
            out += CodePageToUtf8(std::string_view(&c, 1));
        }
    }
    return out + '"';
}

void ListHeaderText(std::ostream &out, const char *label, const HeaderText &text)
{
    out << label << ": " << Quoted(text.plain) << ' ' << (text.valid ? "ok" : "bad") << '\n';
}

const char *KindOfStringTag(std::uint8_t tag)
{
    switch (tag) {
    case LongStringTag:
        return "long string";
    case WideStringTag:
        return "wide string";
    case Utf8StringTag:
        return "utf8 string";
    default:
        return "string";
    }
}

} // namespace

bool DumpSavedGame(std::istream &in, std::ostream &out, std::string &error)
{
    TypedReader reader(in);
    int depth = 0;
    try {
        const SavedGameHeader header = ReadSavedGameHeader(reader, true);
        ListHeaderText(out, "identification", header.identification);
        out << "kind: " << header.kind << '\n';
        ListHeaderText(out, "origin", header.origin);
        ListHeaderText(out, "owner", header.owner);
        ListHeaderText(out, "date", header.date);
        out << "kind again: " << header.kindAgain << '\n';
        if (!header.Ok()) {
            error = header.kind != header.kindAgain ? "les deux types de jeu diffèrent"
                                                    : "une valeur de contrôle de l'en-tête est fausse";
        }
        while (reader.PeekTag() >= 0) {
            const std::uint8_t tag = reader.ReadTag();
            if (tag == EndOfListTag) {
                depth = std::max(0, depth - 1);
                out << std::string(2 * depth, ' ') << "end of list\n";
                continue;
            }
            out << std::string(2 * depth, ' ');
            switch (tag) {
            case ListTag:
                out << "list\n";
                ++depth;
                break;
            case Int8Tag:
            case Int16Tag:
            case Int32Tag:
            case Int64Tag:
                out << "integer " << reader.ReadIntegerBody(tag) << '\n';
                break;
            case ExtendedTag: {
                char text[64];
                std::snprintf(text, sizeof text, "%.19Lg", reader.ReadExtendedBody());
                out << "float " << text << '\n';
                break;
            }
            case FalseTag:
                out << "boolean false\n";
                break;
            case TrueTag:
                out << "boolean true\n";
                break;
            case StringTag:
            case LongStringTag:
            case WideStringTag:
            case Utf8StringTag:
                out << KindOfStringTag(tag) << ' ' << Quoted(reader.ReadStringBody(tag)) << '\n';
                break;
            default:
                out << "?\n";
                throw ReadError("étiquette inconnue " + std::to_string(tag) + " à l'octet " +
                                std::to_string(reader.Position() - 1));
            }
        }
    } catch (const ReadError &readError) {
        error = std::string(readError.what()) + " (octet " + std::to_string(reader.Position()) + ")";
        return false;
    }
    if (error.empty() && depth > 0)
        error = "liste non terminée à la fin du fichier";
    return error.empty();
}

} // namespace savefile
