// SPDX-License-Identifier: GPL-3.0-or-later
// The file the word-guessing games hide their words from: the common words
// beside the dictionary or in another folder while the setting is on, the
// dictionary when it is off or when no common-words file is found.
#include "framework/hidden_words_file.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {
QString Touch(const QString &folder, const QString &name, const QByteArray &bytes = "x")
{
    QDir().mkpath(folder);
    QFile file(folder + QLatin1Char('/') + name);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return QFileInfo(file).absoluteFilePath();
}
} // namespace

TEST(HiddenWordsFile, CommonWordsWhenOnAndFoundElseTheDictionary)
{
    QTemporaryDir temp;
    const QString dico = Touch(temp.path() + QStringLiteral("/dico"), QStringLiteral("LDico.ox"));
    const QString data = temp.path() + QStringLiteral("/data");
    // None anywhere: the dictionary, setting on or off.
    EXPECT_EQ(HiddenWordsFile(dico, true, {data}), dico);
    EXPECT_EQ(HiddenWordsFile(dico, false, {data}), dico);
    // One in the data folder; an empty one beside the dictionary does not count.
    const QString inData = Touch(data, CommonWordsFileName());
    Touch(temp.path() + QStringLiteral("/dico"), CommonWordsFileName(), QByteArray());
    EXPECT_EQ(HiddenWordsFile(dico, true, {data}), inData);
    // Beside the dictionary comes first.
    const QString beside = Touch(temp.path() + QStringLiteral("/dico"), CommonWordsFileName());
    EXPECT_EQ(HiddenWordsFile(dico, true, {data}), beside);
    EXPECT_EQ(HiddenWordsFile(dico, false, {data}), dico);
}
