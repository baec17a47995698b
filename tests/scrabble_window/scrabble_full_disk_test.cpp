// SPDX-License-Identifier: GPL-3.0-or-later
// Saving onto a full disk: a small memory file system is mounted in a
// temporary folder (this needs the right to mount, which CI has as root;
// elsewhere the test is skipped), a game is saved there, the disk is filled
// up, and saving again must fail with the message, leave the old file as it
// was and the window modified. Exports fail the same way and leave nothing.
#include "support/main_form_fixture.h"

#include "scrabble/windows/scrabble_window.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <sys/mount.h>
#include <unistd.h>

namespace {

QByteArray Contents(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

// Writes zeros until the file system refuses more; the bytes written.
long long FillUp(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return -1;
    static const char zeros[4096] = {};
    long long total = 0;
    for (int i = 0; i < 100000; ++i) { // far more than the file system holds
        const ssize_t n = ::write(fd, zeros, sizeof zeros);
        if (n <= 0)
            break;
        total += n;
    }
    ::close(fd);
    return total;
}

} // namespace

class ScrabbleFullDiskTest : public MainFormTest {
protected:
    void SetUp() override
    {
        MainFormTest::SetUp();
        ASSERT_TRUE(mountPoint.isValid());
        if (::mount("ludorine-test", QFile::encodeName(mountPoint.path()).constData(), "tmpfs", 0,
                    "size=64k") != 0)
            GTEST_SKIP() << "a small memory file system cannot be mounted here (" << std::strerror(errno)
                         << "); the full-disk save is not tested";
        mounted = true;
    }

    void TearDown() override
    {
        if (mounted)
            ::umount2(QFile::encodeName(mountPoint.path()).constData(), MNT_DETACH);
        MainFormTest::TearDown();
    }

    QString OnDisk(const QString &name) const { return mountPoint.filePath(name); }

    QTemporaryDir mountPoint;
    bool mounted = false;
};

TEST_F(ScrabbleFullDiskTest, SavingOntoAFullDiskKeepsTheOldFileAndSaysSo)
{
    ASSERT_TRUE(form->OpenGameFile(QStringLiteral(LUDORINE_FIXTURE_DIR "/classic_joker.Ldr")));
    auto *window = qobject_cast<TFScrabble *>(form->ActiveGameWindow());
    ASSERT_NE(window, nullptr);
    window->StopTicks();
    const QString path = OnDisk(QStringLiteral("partie.Ldr"));
    ASSERT_TRUE(form->SaveGameFile(window, path));
    const QByteArray old = Contents(path);
    ASSERT_GT(old.size(), 1000);
    EXPECT_EQ(window->FileName, path);

    // The game changes, and the disk fills up.
    window->ShuffleLetters();
    window->Game().ShuffleBag(true);
    window->Modified = true;
    ASSERT_GT(FillUp(OnDisk(QStringLiteral("remplissage"))), 0);

    dialogs->asked.clear();
    EXPECT_FALSE(form->FileSave(window)); // "Enregistrer": the window's own file, no dialog
    EXPECT_EQ(Contents(path), old);
    EXPECT_TRUE(window->Modified);
    EXPECT_EQ(dialogs->Texts("message"),
              QStringList{QStringLiteral("Impossible d'enregistrer le fichier %1.").arg(path)});
    EXPECT_EQ(QDir(mountPoint.path()).entryList(QDir::Files | QDir::NoDotAndDotDot),
              (QStringList{QStringLiteral("partie.Ldr"), QStringLiteral("remplissage")}))
        << "no temporary file is left behind";

    // The text and picture exports fail the same way and leave no file.
    for (const char *name : {"partie.TXT", "plateau.JPG", "plateau.BMP"}) {
        SCOPED_TRACE(name);
        dialogs->asked.clear();
        EXPECT_FALSE(form->SaveGameFile(window, OnDisk(QLatin1String(name))));
        EXPECT_FALSE(QFile::exists(OnDisk(QLatin1String(name))));
        EXPECT_EQ(dialogs->Texts("message").size(), 1);
    }

    // With room again, the same save goes through.
    ASSERT_TRUE(QFile::remove(OnDisk(QStringLiteral("remplissage"))));
    EXPECT_TRUE(form->FileSave(window));
    EXPECT_FALSE(window->Modified);
    EXPECT_NE(Contents(path), old);
}
