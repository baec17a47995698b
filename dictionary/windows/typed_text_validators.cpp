// SPDX-License-Identifier: GPL-3.0-or-later
#include "dictionary/windows/typed_text_validators.h"

#include "dictionary/typed_word.h"

QByteArray OneBytePerCharacter(const QString &text)
{
    QByteArray bytes;
    for (char32_t code : text.toUcs4())
        bytes += code < 0x100 ? char(code) : '?';
    return bytes;
}

QValidator::State UpperCaseValidator::validate(QString &input, int &) const
{
    input = input.toUpper();
    return Acceptable;
}

QString DictionaryWordValidator::WordOf(const QString &text)
{
    return QString::fromLatin1(
        typed_word::DictionaryWordOf(OneBytePerCharacter(text.toUpper()).toStdString()));
}

QValidator::State DictionaryWordValidator::validate(QString &input, int &position) const
{
    // The cursor stays after the same typed characters once the others are gone.
    const QString before = WordOf(input.left(position));
    input = WordOf(input);
    position = int(before.size());
    return Acceptable;
}
