// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Validators of the tool windows' text fields; each rewrites what is typed
// as it is typed.
#include <QValidator>

// Shows typed letters in capitals.
class UpperCaseValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override;
};

// Keeps only the dictionary word the text stands for: capitals, accents
// folded, everything but A-Z dropped ("Élève" shows as ELEVE).
class DictionaryWordValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &position) const override;
    static QString WordOf(const QString &text);
};

// Latin-1 bytes of a text, one per character; a character outside Latin-1
// becomes '?', which no rule takes for a letter.
QByteArray OneBytePerCharacter(const QString &text);
