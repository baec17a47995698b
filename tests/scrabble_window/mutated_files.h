// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Damaged copies of saved games for the tests that feed them to the windows'
// readers: where the payload starts, seeded random edits of it, and a
// temporary folder in memory for the thousands of loads.
#include "framework/game_file.h"
#include "framework/savefile/typed_stream.h"

#include <functional>
#include <gtest/gtest.h>
#include <iterator>
#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <random>
#include <sstream>
#include <string>
#include <vector>

// Where the payload starts: after the header's second game kind.
inline qsizetype PayloadStart(const QByteArray &file, GameKindCode kind)
{
    std::istringstream in(file.toStdString());
    savefile::TypedReader reader(in);
    EXPECT_EQ(ReadSavedGameKind(reader), kind);
    return qsizetype(reader.Position());
}

// One to three edits of the payload: a byte replaced by a random or a
// telling value (0, 1, a tag, a sign bit), nudged by one, a few bytes cut
// out or repeated, or the file cut short.
inline QByteArray Mutated(const QByteArray &original, qsizetype from, std::mt19937 &random)
{
    static constexpr unsigned char kTelling[] = {0, 1, 2, 3, 4, 6, 9, 10, 11, 20, 0x7F, 0x80, 0xFF};
    QByteArray bytes = original;
    const int edits = 1 + int(random() % 3);
    for (int e = 0; e < edits && bytes.size() > from + 1; ++e) {
        const qsizetype span = bytes.size() - from;
        const qsizetype at = from + qsizetype(random() % std::uint32_t(span));
        switch (random() % 6) {
        case 0:
            bytes[at] = char(random() % 256);
            break;
        case 1:
            bytes[at] = char(kTelling[random() % std::size(kTelling)]);
            break;
        case 2:
            bytes[at] = char(bytes[at] + (random() % 2 ? 1 : -1));
            break;
        case 3:
            bytes.remove(at, 1 + qsizetype(random() % 8));
            break;
        case 4:
            bytes.insert(at, bytes.mid(at, 1 + qsizetype(random() % 40)));
            break;
        default:
            bytes.truncate(at);
            break;
        }
    }
    return bytes;
}

// Every load adds the file to the recent documents, which are synced to
// disk each time: the temporary settings go to a memory file system when
// there is one, so that two thousand loads cost no disk time.
class MemoryTempFolder {
public:
    MemoryTempFolder() : previous_(qgetenv("TMPDIR"))
    {
        if (QFileInfo(QStringLiteral("/dev/shm")).isWritable())
            qputenv("TMPDIR", "/dev/shm");
    }
    ~MemoryTempFolder()
    {
        if (previous_.isEmpty())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", previous_);
    }

private:
    QByteArray previous_;
};

// Feeds `perFixture` seeded mutants of each of the fixture files to the
// window's LoadGame, behind the header of game `kind`, and runs `play` on
// every one that loads (its ticks stopped). Returns how many loaded.
template <typename Window>
int LoadMutants(Window &window, const std::vector<QString> &fixtures, GameKindCode kind, int perFixture,
                std::uint32_t seed, const std::function<void()> &play)
{
    std::mt19937 random(seed);
    int loaded = 0;
    for (const QString &path : fixtures) {
        QFile file(path);
        const QByteArray original = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        EXPECT_FALSE(original.isEmpty()) << path.toStdString();
        if (original.isEmpty())
            continue;
        const qsizetype payload = PayloadStart(original, kind);
        for (int i = 0; i < perFixture; ++i) {
            SCOPED_TRACE(path.toStdString() + " mutant " + std::to_string(i));
            const std::string bytes = Mutated(original, payload, random).toStdString();
            std::istringstream in(bytes);
            savefile::TypedReader reader(in);
            bool ok = false;
            try {
                if (ReadSavedGameKind(reader) != kind)
                    continue;
                ok = window.LoadGame(reader, QStringLiteral("mutant.Ldr"));
            } catch (const savefile::ReadError &) {
                continue; // the base values cut short: the main window refuses it too
            }
            if (!ok)
                continue;
            ++loaded;
            window.StopTicks();
            play();
        }
    }
    return loaded;
}
