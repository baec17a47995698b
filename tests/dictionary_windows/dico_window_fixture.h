// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Helpers of the tool window tests: a small dictionary file in a temporary
// folder, text files beside it, and the scripted dialog interface.
#include "dictionary/dictionnaire.h"
#include "support/scripted_dialogs.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <memory>
#include <ostream>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QPixmap>
#include <QTemporaryDir>
#include <QWidget>

// Readable strings in the failure messages.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

class DicoWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        dicoPath = folder.filePath(QStringLiteral("test.ox"));
        auto writer = Open('W');
        for (const char *word : {"CHAT", "CHATS", "CHAUD", "CHIEN", "RAT", "RATS", "ART", "ARTS", "TAR",
                                 "STAR", "AS", "SA", "AT", "TA", "ETE", "ELEVE"})
            writer->AddWord(word, false);
    }

    std::unique_ptr<TDictionnaire> Open(char mode) const
    {
        return TDictionnaire::Create(QFile::encodeName(dicoPath).toStdString(), mode);
    }
    bool Contains(const std::string &word) const { return Open('R')->Contains(word); }
    std::vector<std::string> UserWords() const
    {
        std::vector<std::string> words;
        for (const std::string &line : Open('R')->Statistics())
            if (line.rfind("$P$ ", 0) == 0)
                words.push_back(line.substr(4));
        return words;
    }

    QString Path(const QString &name) const { return folder.filePath(name); }
    QString Write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(Path(name));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
        return Path(name);
    }
    QByteArray Read(const QString &path) const
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList Messages() { return dialogs->Texts(QStringLiteral("message")); }
    QStringList Questions() { return dialogs->Texts(QStringLiteral("question")); }

    QTemporaryDir folder;
    QString dicoPath;
    ScriptedDialogsScope dialogs;
};

// Types text into a widget key by key, accented letters included (the key
// code helpers of QTest know ASCII only).
inline void TypeText(QWidget *widget, const QString &text)
{
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &press);
        QCoreApplication::sendEvent(widget, &release);
    }
}

// Renders a window to a PNG in the build folder, to be looked at.
inline void SaveScreenshot(QWidget &widget, const QString &name)
{
    QDir().mkpath(QStringLiteral(LUDORINE_SCREENSHOT_DIR));
    QCoreApplication::processEvents();
    widget.grab().save(QStringLiteral(LUDORINE_SCREENSHOT_DIR "/") + name + QStringLiteral(".png"));
}
