// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionnaire_arguments.h"

#include <charconv>
#include <cstdio>
#include <filesystem>

#include "dico_command.h"

namespace dico_arguments {

namespace {

// Decodes UTF-8 into Latin-1; false when `text` is not valid UTF-8.
bool DecodeUtf8(const std::string &text, std::string &latin1)
{
    latin1.clear();
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const int length = lead < 0x80           ? 1
                           : (lead >> 5) == 0x6  ? 2
                           : (lead >> 4) == 0xE  ? 3
                           : (lead >> 3) == 0x1E ? 4
                                                 : 0;
        if (length == 0 || i + std::size_t(length) > text.size())
            return false;
        unsigned code = length == 1 ? lead : lead & (0x7Fu >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + std::size_t(k)]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = code << 6 | (next & 0x3F);
        }
        // Overlong forms are not UTF-8 (the bytes are then read as Latin-1).
        if ((length == 2 && code < 0x80) || (length == 3 && code < 0x800) || (length == 4 && code < 0x10000))
            return false;
        latin1 += code <= 0xFF ? char(code) : ' ';
        i += std::size_t(length);
    }
    return true;
}

} // namespace

std::string Latin1(const std::string &argument)
{
    std::string latin1;
    return DecodeUtf8(argument, latin1) ? latin1 : argument;
}

std::string Capitals(const std::string &argument)
{
    std::string text = Latin1(argument);
    for (char &c : text)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return text;
}

std::optional<int> Integer(const std::string &argument)
{
    int value = 0;
    const char *end = argument.data() + argument.size();
    const auto [last, error] = std::from_chars(argument.data(), end, value);
    if (argument.empty() || error != std::errc() || last != end)
        return std::nullopt;
    return value;
}

std::unique_ptr<TDictionnaire> OpenExisting(const std::string &path, char mode)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        dico::Failure("Dictionnaire introuvable : « " + path + " ».");
        return nullptr;
    }
    auto dictionary = TDictionnaire::Create(path, mode);
    if (!dictionary->IsOpen() || (mode == 'W' && !dictionary->IsWritable())) {
        dico::Failure(mode == 'W' ? "Impossible d'ouvrir le dictionnaire en écriture !"
                                  : "Impossible d'ouvrir le dictionnaire « " + path + " ».");
        return nullptr;
    }
    return dictionary;
}

int PrintLines(const std::vector<std::string> &lines)
{
    for (const std::string &line : lines)
        std::printf("%s\n", line.c_str());
    return dico::kExitSuccess;
}

} // namespace dico_arguments
