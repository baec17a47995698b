// SPDX-License-Identifier: GPL-3.0-or-later
#include "framework/savefile/saved_game_header.h"

#include "framework/resourcelib/check_values.h"
#include "framework/savefile/header_cipher.h"

namespace savefile {

namespace {

void WriteText(TypedWriter &writer, const std::string &plain)
{
    // The check value covers what a reader can recover: the text as a short
    // string, cut to 255 characters.
    const std::string shortText = plain.substr(0, kShortStringLength);
    writer.WriteString(EncipherHeaderText(shortText));
    writer.WriteInteger(Keycalc(shortText));
}

HeaderText ReadText(TypedReader &reader)
{
    HeaderText text;
    const auto plain = DecipherHeaderText(reader.ReadString());
    const std::int32_t check = reader.ReadInteger();
    text.checked = true;
    if (plain) {
        text.plain = *plain;
        text.valid = check == Keycalc(*plain);
    }
    return text;
}

} // namespace

bool SavedGameHeader::Ok() const
{
    return complete && identification.valid && origin.valid && owner.valid && date.valid && kind == kindAgain;
}

std::string IdentificationText(int kind)
{
    return "Ludorine " + std::to_string(kind);
}

void WriteSavedGameHeader(TypedWriter &writer, int kind, const HeaderWriteTexts &texts)
{
    WriteText(writer, IdentificationText(kind));
    writer.WriteInteger(kind);
    WriteText(writer, texts.origin);
    WriteText(writer, texts.owner);
    WriteText(writer, texts.date);
    writer.WriteInteger(kind);
}

SavedGameHeader ReadSavedGameHeader(TypedReader &reader, bool readAll)
{
    SavedGameHeader header;
    header.identification = ReadText(reader);
    if (!header.identification.valid && !readAll)
        return header;
    header.kind = reader.ReadInteger();
    for (HeaderText *text : {&header.origin, &header.owner, &header.date}) {
        *text = ReadText(reader);
        if (!text->valid && !readAll)
            return header;
    }
    header.kindAgain = reader.ReadInteger();
    header.complete = true;
    return header;
}

} // namespace savefile
