// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's file commands on a game window that saves a small state
// of its own: save, reopen, exports, the overwrite question, failed saves and
// damaged files.
#include "framework/game_file.h"
#include "framework/picture_export.h"
#include "framework/recent_documents.h"
#include "framework/savefile/typed_stream.h"
#include "support/main_form_fixture.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QMdiSubWindow>
#include <QTextStream>
#include <random>

namespace {

// A game window whose state is a score and a list of words.
class SavingGameWindow : public TestGameWindow {
public:
    explicit SavingGameWindow(GameKindCode kind = GameKindCode::Scrabble)
        : TestGameWindow(QStringLiteral("Scrabble"))
    {
        GameKind = kind;
    }

    int score = 0;
    QStringList words;
    bool failWhileSaving = false;
    bool withPicture = false;

    bool LoadGame(savefile::TypedReader &reader, const QString &fileName) override
    {
        if (!TFLudorine::LoadGame(reader, fileName))
            return false;
        score = reader.ReadInteger();
        reader.ReadListBegin();
        while (!reader.EndOfList())
            words << QString::fromLatin1(reader.ReadString());
        reader.ReadListEnd();
        return score >= 0;
    }
    void SaveGame(savefile::TypedWriter &writer) override
    {
        TFLudorine::SaveGame(writer);
        writer.WriteInteger(score);
        if (failWhileSaving)
            throw std::runtime_error("disque plein");
        writer.WriteListBegin();
        for (const QString &word : words)
            writer.WriteString(word.toLatin1().toStdString());
        writer.WriteListEnd();
    }
    void ExportText(QTextStream &out) override { out << "Score : " << score << '\n'; }
    void ExportPicture(QIODevice &out, int kind) override
    {
        if (!withPicture)
            return;
        QImage picture(40, 30, QImage::Format_RGB32);
        picture.fill(Qt::darkGreen);
        WritePicture(picture, out, kind);
    }
};

class GameFilesTest : public MainFormTest {
protected:
    void SetUp() override
    {
        MainFormTest::SetUp();
        form->CreateGameWindow = [this](GameKindCode kind) -> TFLudorine * {
            ++created;
            return kind == GameKindCode::Scrabble || kind == GameKindCode::Duplicate
                       ? new SavingGameWindow(kind)
                       : nullptr;
        };
    }

    SavingGameWindow *NewWindow()
    {
        auto *window = new SavingGameWindow;
        window->score = 321;
        window->words = {QStringLiteral("CHAT"), QString::fromLatin1("\xC9T\xC9")};
        form->AddGameWindow(window);
        return window;
    }

    QString Path(const QString &name) { return settings.Path(name); }

    static QByteArray Contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    static void Write(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
    }

    int GameWindowCount() const { return int(form->GameWindows().size()); }

    int created = 0;
};

} // namespace

TEST_F(GameFilesTest, SaveThenOpenRestoresTheWindow)
{
    SavingGameWindow *window = NewWindow();
    window->GameOver = true;
    window->Modified = true;
    const QString path = Path(QStringLiteral("partie.Ldr"));
    dialogs->fileNames = {Path(QStringLiteral("partie"))}; // extension added
    ASSERT_TRUE(form->FileSave(window));
    EXPECT_EQ(window->FileName, path);
    EXPECT_FALSE(window->Modified);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Scrabble (%1)").arg(path));
    EXPECT_FALSE(window->Paused) << "the dialog's pause is lifted";
    EXPECT_TRUE(dialogs->Texts("question").isEmpty()) << "a new file needs no overwrite question";

    window->Modified = true;
    form->UpdateFileCommands();
    EXPECT_TRUE(form->Action("FileSaveItem")->isEnabled());

    // The file is reopened into a new window once the first is closed.
    const QStringList words = window->words;
    const QString caption = window->windowTitle();
    window->Modified = false;
    CloseWindow(window);
    ASSERT_TRUE(form->OpenGameFile(path));
    auto *reopened = dynamic_cast<SavingGameWindow *>(form->ActiveGameWindow());
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->score, 321);
    EXPECT_EQ(reopened->words, words);
    EXPECT_TRUE(reopened->GameOver);
    EXPECT_FALSE(reopened->Paused);
    EXPECT_FALSE(reopened->Modified);
    EXPECT_EQ(reopened->FileName, path);
    EXPECT_EQ(reopened->windowTitle(), caption);
    EXPECT_EQ(recent::ProgramList().value(0), path);
    form->UpdateFileCommands();
    EXPECT_FALSE(form->Action("FileSaveItem")->isEnabled()) << "a game just opened is not modified";
}

TEST_F(GameFilesTest, AFileAlreadyOpenBringsItsWindowToTheFront)
{
    SavingGameWindow *window = NewWindow();
    const QString path = Path(QStringLiteral("unique.Ldr"));
    dialogs->fileNames = {path};
    ASSERT_TRUE(form->FileSaveAs(window));
    SavingGameWindow *other = NewWindow();
    ASSERT_EQ(form->ActiveGameWindow(), other);
    const int before = GameWindowCount();

    // Another spelling of the same file still finds the window.
    const QString spelledOtherwise = QFileInfo(path).absolutePath() + QStringLiteral("/./unique.Ldr");
    ASSERT_TRUE(form->OpenGameFile(spelledOtherwise));
    EXPECT_EQ(GameWindowCount(), before) << "no second window saving over the first";
    EXPECT_EQ(form->ActiveGameWindow(), window);
    form->OpenRecentFile(path);
    EXPECT_EQ(GameWindowCount(), before);
    EXPECT_EQ(created, 0) << "no window was made for the file";

    // Saving another game under that name is refused: the two windows would
    // save over each other.
    const QByteArray saved = Contents(path);
    other->Modified = true;
    dialogs->fileNames = {path};
    EXPECT_FALSE(form->FileSaveAs(other));
    EXPECT_EQ(dialogs->Texts("message"),
              QStringList{QStringLiteral("Le fichier %1 est déjà ouvert dans une autre fenêtre.").arg(path)});
    EXPECT_EQ(Contents(path), saved);
    EXPECT_TRUE(other->Modified);
    EXPECT_TRUE(dialogs->Texts("question").isEmpty()) << "no overwrite question for a refused name";

    // A window whose game was given a new name no longer holds the file.
    window->FileName = TFLudorine::UnnamedFile();
    ASSERT_TRUE(form->OpenGameFile(path));
    EXPECT_EQ(GameWindowCount(), before + 1);
}

TEST_F(GameFilesTest, SaveOnAGameNeverSavedAsksForAName)
{
    SavingGameWindow *window = NewWindow();
    form->UpdateFileCommands();
    ASSERT_TRUE(form->Action("FileSaveItem")->isEnabled());
    const QString path = Path(QStringLiteral("nouvelle.Ldr"));
    dialogs->fileNames = {path};
    form->Action("FileSaveItem")->trigger();
    ASSERT_EQ(dialogs->asked.size(), 1u);
    EXPECT_EQ(dialogs->asked.front().title, QStringLiteral("Enregistrer sous"));
    EXPECT_EQ(dialogs->Texts("save").value(0),
              QStringLiteral("Fichiers Ludorine (*.Ldr)|*.Ldr|Fichiers texte (*.txt)|*.TXT"));
    EXPECT_EQ(window->FileName, path);
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_FALSE(form->Action("FileSaveItem")->isEnabled()) << "saved and unchanged: nothing to save";

    // Once named, Enregistrer writes to the file without a dialog.
    window->score = 7;
    window->Modified = true;
    form->UpdateFileCommands();
    dialogs->asked.clear();
    form->Action("FileSaveItem")->trigger();
    EXPECT_TRUE(dialogs->asked.empty());
    EXPECT_FALSE(window->Modified);
}

TEST_F(GameFilesTest, OverwriteIsAskedOnlyThroughTheDialog)
{
    SavingGameWindow *window = NewWindow();
    const QString path = Path(QStringLiteral("existant.Ldr"));
    Write(path, "ancien");

    // Save as onto an existing file: No keeps it.
    dialogs->fileNames = {path};
    dialogs->answers = {Answer::No};
    EXPECT_FALSE(form->FileSaveAs(window));
    EXPECT_EQ(dialogs->Texts("question"), QStringList{"Ecraser le fichier existant ?"});
    EXPECT_EQ(Contents(path), QByteArray("ancien"));
    EXPECT_EQ(window->FileName, TFLudorine::UnnamedFile());

    // Yes writes it, and saving again to the window's own file asks nothing.
    dialogs->fileNames = {path};
    dialogs->answers = {Answer::Yes};
    ASSERT_TRUE(form->FileSaveAs(window));
    EXPECT_NE(Contents(path), QByteArray("ancien"));
    window->score = 5;
    window->Modified = true;
    dialogs->asked.clear();
    ASSERT_TRUE(form->FileSave(window));
    EXPECT_TRUE(dialogs->asked.empty());
    EXPECT_FALSE(window->Modified);

    // A cancelled dialog changes nothing and restores the pause.
    window->Paused = false;
    dialogs->fileNames = {QString()};
    EXPECT_FALSE(form->FileSaveAs(window));
    EXPECT_FALSE(window->Paused);
    EXPECT_TRUE(dialogs->unexpected.isEmpty()) << dialogs->unexpected.join(", ").toStdString();
}

TEST_F(GameFilesTest, TextAndPictureExportsLeaveTheWindowAlone)
{
    SavingGameWindow *window = NewWindow();
    window->Modified = true;
    const QString text = Path(QStringLiteral("partie.TXT"));
    ASSERT_TRUE(form->SaveGameFile(window, text));
    EXPECT_EQ(window->FileName, TFLudorine::UnnamedFile());
    EXPECT_TRUE(window->Modified);
    const QList<QByteArray> lines = Contents(text).split('\n');
    ASSERT_GE(lines.size(), 6);
    EXPECT_EQ(lines[0], "OXA/Ludorine Scrabble\r");
    EXPECT_EQ(lines[1], "\r");
    EXPECT_EQ(lines[3], "Score : 321\r");
    EXPECT_EQ(lines[4], "Ludorine\r");
    EXPECT_TRUE(Contents(text).endsWith("\r\n"));

    // A game without a picture leaves an empty file; one with a picture
    // writes a real JPEG and BMP.
    ASSERT_TRUE(form->SaveGameFile(window, Path(QStringLiteral("vide.jpg"))));
    EXPECT_TRUE(QFileInfo::exists(Path(QStringLiteral("vide.jpg"))));
    EXPECT_TRUE(Contents(Path(QStringLiteral("vide.jpg"))).isEmpty());
    window->withPicture = true;
    ASSERT_TRUE(form->SaveGameFile(window, Path(QStringLiteral("plateau.JPG"))));
    ASSERT_TRUE(form->SaveGameFile(window, Path(QStringLiteral("plateau.bmp"))));
    EXPECT_TRUE(Contents(Path(QStringLiteral("plateau.JPG"))).startsWith("\xFF\xD8\xFF"));
    const QImage jpeg(Path(QStringLiteral("plateau.JPG")), "JPG");
    EXPECT_EQ(jpeg.size(), QSize(40, 30));
    EXPECT_TRUE(Contents(Path(QStringLiteral("plateau.bmp"))).startsWith("BM"));
    EXPECT_EQ(window->FileName, TFLudorine::UnnamedFile());
}

TEST_F(GameFilesTest, AFailedSaveKeepsTheOldFileAndSaysSo)
{
    SavingGameWindow *window = NewWindow();
    const QString path = Path(QStringLiteral("bonne.Ldr"));
    ASSERT_TRUE(form->SaveGameFile(window, path));
    const QByteArray good = Contents(path);

    window->failWhileSaving = true;
    window->Modified = true;
    EXPECT_FALSE(form->SaveGameFile(window, path));
    EXPECT_EQ(Contents(path), good);
    EXPECT_TRUE(window->Modified);
    EXPECT_EQ(dialogs->Texts("message").value(0),
              QStringLiteral("Impossible d'enregistrer le fichier %1.").arg(path));
    EXPECT_EQ(QDir(Path(QString())).entryList({QStringLiteral("*.Ldr*")}, QDir::Files),
              QStringList{"bonne.Ldr"})
        << "no temporary file is left behind";

    window->failWhileSaving = false;
    const QString nowhere = Path(QStringLiteral("pas/de/dossier.Ldr"));
    EXPECT_FALSE(form->SaveGameFile(window, nowhere));
    EXPECT_TRUE(window->Modified);
}

TEST_F(GameFilesTest, DamagedFilesOpenNoWindow)
{
    SavingGameWindow *window = NewWindow();
    const QString path = Path(QStringLiteral("source.Ldr"));
    ASSERT_TRUE(form->SaveGameFile(window, path));
    const QByteArray good = Contents(path);
    const int before = GameWindowCount();

    // Kinds that differ: the format message, no window made.
    QByteArray mismatched = good;
    const qsizetype payload = mismatched.indexOf(QByteArray("\x06\x01") + 'F');
    ASSERT_GT(payload, 2);
    ASSERT_EQ(mismatched[payload - 2], '\x02');
    mismatched[payload - 1] = 4;
    const QString other = Path(QStringLiteral("autre.Ldr"));
    Write(other, mismatched);
    created = 0;
    EXPECT_FALSE(form->OpenGameFile(other));
    EXPECT_EQ(created, 0);
    EXPECT_EQ(dialogs->Texts("message").value(0),
              QStringLiteral("Erreur dans le format du fichier %1. Fichier illisible.").arg(other));

    // A header sound in every check but naming no game: the same.
    SavingGameWindow unknown(static_cast<GameKindCode>(9));
    dialogs->asked.clear();
    ASSERT_TRUE(WriteGameFile(unknown, other));
    EXPECT_FALSE(form->OpenGameFile(other));
    EXPECT_EQ(created, 0);
    EXPECT_EQ(dialogs->Texts("message").value(0),
              QStringLiteral("Erreur dans le format du fichier %1. Fichier illisible.").arg(other));

    // A bad payload: the window made for it is freed.
    QByteArray negative = good;
    const qsizetype scoreAt = payload + 6; // "F", "F", then the score
    ASSERT_EQ(negative[scoreAt], '\x03');
    negative[scoreAt + 2] = '\xFF';
    Write(other, negative);
    EXPECT_FALSE(form->OpenGameFile(other));
    EXPECT_EQ(created, 1);

    // A truncated header is refused without a message.
    dialogs->asked.clear();
    Write(other, good.left(20));
    EXPECT_FALSE(form->OpenGameFile(other));
    EXPECT_TRUE(dialogs->asked.empty());
    EXPECT_EQ(GameWindowCount(), before);
}

TEST_F(GameFilesTest, MutatedFilesNeverCrashOrLeaveAWindow)
{
    SavingGameWindow *window = NewWindow();
    const QString path = Path(QStringLiteral("graine.Ldr"));
    ASSERT_TRUE(form->SaveGameFile(window, path));
    const QByteArray good = Contents(path);
    const QString mutated = Path(QStringLiteral("mutant.Ldr"));
    std::mt19937 random(42);
    for (int round = 0; round < 2000; ++round) {
        QByteArray bytes = good;
        switch (round % 3) {
        case 0:
            for (int flips = 1 + random() % 3; flips > 0; --flips)
                bytes[random() % bytes.size()] = char(random());
            break;
        case 1:
            bytes.truncate(random() % bytes.size());
            break;
        default:
            bytes.insert(random() % bytes.size(), QByteArray(1 + random() % 6, char(random())));
        }
        Write(mutated, bytes);
        const int before = GameWindowCount();
        if (form->OpenGameFile(mutated)) {
            // Some flips land in texts that carry no check; the game read back.
            ASSERT_EQ(GameWindowCount(), before + 1);
            delete form->ActiveGameWindow()->parentWidget();
        }
        ASSERT_EQ(GameWindowCount(), before) << "round " << round;
    }
}
