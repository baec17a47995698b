// SPDX-License-Identifier: GPL-3.0-or-later
// Whole games on the classic Scrabble window: computer players to the end
// with the end-of-game adjustments, a game saved and reopened, the text and
// picture exports, the printed page, and pictures of the window.
#include "board_game_window_fixture.h"
#include "window_test_support.h"

#include "framework/game_file.h"
#include "framework/painter_page_canvas.h"
#include "framework/picture_export.h"
#include "framework/print_geometry.h"
#include "framework/print_preview.h"
#include "framework/savefile/typed_stream.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <sstream>

using window_tests::SaveScreenshot;

namespace {

// Reads a saved game's bytes into a new window.
std::unique_ptr<TFScrabble> Reopen(const QByteArray &bytes, bool *ok)
{
    auto window = std::make_unique<TFScrabble>(nullptr, QStringLiteral(LUDORINE_TEST_DICTIONARY));
    window->StopTicks();
    std::istringstream in(bytes.toStdString());
    savefile::TypedReader reader(in);
    *ok = ReadSavedGameKind(reader) == GameKindCode::Scrabble &&
          window->LoadGame(reader, QStringLiteral("/tmp/partie.Ldr"));
    window->StopTicks();
    return window;
}

// Everything that tells one tile from another.
std::string TileText(const scrabble::TJeton *tile)
{
    if (tile == nullptr)
        return "-";
    std::ostringstream out;
    out << tile->Letter << tile->IsJoker << ' ' << tile->Value << ' ' << tile->State << ' ' << tile->Owner
        << ' ' << tile->Slot << ' ' << tile->Row << ' ' << tile->Col << ' ' << tile->Bounds.Left << ','
        << tile->Bounds.Top << ' ' << tile->Target.Left << ',' << tile->Target.Top << ' '
        << (tile->Move ? tile->Move->MoveNumber : -1);
    return out.str();
}

int PenaltyTotal(const scrabble::BoardGame &game)
{
    int total = 0;
    for (const auto &move : game.History())
        if (move->Kind == scrabble::Penalty)
            total -= move->Score;
    return total;
}

} // namespace

TEST_F(ScrabbleWindowTest, FourComputersPlayToTheEndWithTheAdjustments)
{
    TFScrabble &w = Start({5, 4, 3, 1}, 11);
    ASSERT_TRUE(RunUntil([&] { return w.Driver.Phase == -2; }, 60000));
    EXPECT_TRUE(w.GameOver);
    EXPECT_TRUE(w.IsGameOver());
    const auto &history = w.Game().History();
    ASSERT_GT(history.size(), 10u);
    // The moves, then "Scores finaux :" and one line per player, best first.
    ASSERT_EQ(w.HistoryPanel->List->count(), int(history.size()) + 5);
    EXPECT_EQ(w.HistoryPanel->List->item(int(history.size()))->text(), QStringLiteral("Scores finaux :"));
    int best = 0, previous = 1 << 30;
    for (int rank = 1; rank <= 4; ++rank) {
        const QString line = w.HistoryPanel->List->item(int(history.size()) + rank)->text();
        const int score = line.section(QStringLiteral(" : "), 1).section(QLatin1Char(' '), 0, 0).toInt();
        EXPECT_TRUE(line.startsWith(QStringLiteral("%1. ").arg(rank))) << line.toStdString();
        EXPECT_LE(score, previous) << line.toStdString();
        previous = score;
        if (rank == 1)
            best = score;
    }
    int winner = 1;
    for (int p = 2; p <= 4; ++p)
        if (w.Game().Player(p).Score > w.Game().Player(winner).Score)
            winner = p;
    EXPECT_EQ(best, w.Game().Player(winner).Score);
    // The players are told who won, once.
    const QString victory = QStringLiteral("Partie terminée. Victoire de « %1 » avec %2 points.")
                                .arg(QString::fromLatin1(w.Game().PlayerName(winner)))
                                .arg(best);
    EXPECT_EQ(dialogs->Texts(QStringLiteral("message")), QStringList{victory});
    EXPECT_EQ(w.VictoryText(), victory);
    EXPECT_FALSE(w.Pnl_ctrl->isVisible());

    // The adjustments close the history: a penalty per player holding
    // tiles, and the bonus of their total for the one who went out.
    int wentOut = 0;
    for (int p = 1; p <= 4; ++p)
        if (w.Game().RackText(p).empty())
            wentOut = p;
    std::size_t first = history.size();
    while (first > 0 &&
           (history[first - 1]->Kind == scrabble::Penalty || history[first - 1]->Kind == scrabble::Bonus))
        --first;
    int penalties = 0;
    for (std::size_t i = first; i < history.size(); ++i) {
        const scrabble::Tcoup &move = *history[i];
        if (move.Kind == scrabble::Penalty) {
            ++penalties;
            int sum = 0;
            for (const char c : w.Game().RackText(move.Player))
                sum += scrabble::LetterValue(c);
            EXPECT_EQ(move.Score, -sum);
        }
    }
    if (wentOut != 0 && PenaltyTotal(w.Game()) > 0) {
        EXPECT_EQ(history.back()->Kind, scrabble::Bonus);
        EXPECT_EQ(history.back()->Player, wentOut);
        EXPECT_EQ(history.back()->Score, PenaltyTotal(w.Game()));
    }
    EXPECT_GT(penalties, 0);
    // Scores in the panels are the sums of the history.
    for (int p = 1; p <= 4; ++p) {
        int sum = 0;
        for (const auto &move : history)
            if (move->Player == p)
                sum += move->Score;
        EXPECT_EQ(w.Config().Players[p].Score, sum) << p;
    }
    // A finished game ignores the mouse.
    const QPoint slot = SlotPoint(1, 1);
    Drag(slot, SquarePoint(1, 1));
    EXPECT_EQ(w.DraggedTile, nullptr);
    Tick(5);
    EXPECT_EQ(int(w.Game().History().size()) + 5, w.HistoryPanel->List->count());
    EXPECT_EQ(dialogs->Texts(QStringLiteral("message")).size(), 1) << "the end is told once";
    w.resize(w.sizeHint());
    w.ToggleHistory();
    QApplication::processEvents();
    SaveScreenshot(w, QStringLiteral("scrabble_end"));
}

TEST_F(ScrabbleWindowTest, SavedMidGameReopensWithEveryTileScoreLineAndPhase)
{
    TFScrabble &w = Start({0, 5}, 5);
    // Player 1 passes; the computer plays; player 1 lays two tiles.
    dialogs->answers = {Answer::Yes};
    Validate();
    RunUntil([&] { return w.Game().MoveCount() == 2; });
    Settle();
    ASSERT_EQ(w.Driver.Phase, 1);
    ASSERT_EQ(w.Driver.Step, 1);
    w.ToggleHistory();
    Drag(SlotPoint(1, 1), SquarePoint(1, 1));
    Drag(SlotPoint(1, 2), SquarePoint(2, 1));
    Tick(3);
    SaveScreenshot(w, QStringLiteral("scrabble_mid"));

    const QByteArray bytes = SavedGameBytes(w, QDateTime::currentDateTime());
    bool ok = false;
    auto again = Reopen(bytes, &ok);
    ASSERT_TRUE(ok);
    const scrabble::BoardGame &a = w.Game();
    const scrabble::BoardGame &b = again->Game();
    for (int col = 1; col <= 15; ++col)
        for (int row = 1; row <= 15; ++row)
            EXPECT_EQ(TileText(a.At(col, row)), TileText(b.At(col, row))) << col << ' ' << row;
    for (int p = 1; p <= 4; ++p)
        for (int s = 1; s <= 7; ++s)
            EXPECT_EQ(TileText(a.RackTile(p, s)), TileText(b.RackTile(p, s)));
    ASSERT_EQ(a.BagSize(), b.BagSize());
    for (int i = 0; i < a.BagSize(); ++i)
        EXPECT_EQ(TileText(a.Bag()[std::size_t(i)]), TileText(b.Bag()[std::size_t(i)]));
    // The tile laid this turn is one object, on its square and in its slot.
    EXPECT_EQ(b.At(1, 1), b.RackTile(1, 1));
    ASSERT_EQ(again->HistoryPanel->List->count(), 2);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(again->HistoryPanel->List->item(i)->text(), w.HistoryPanel->List->item(i)->text());
    for (int p = 1; p <= 2; ++p) {
        EXPECT_EQ(again->Config().Players[p].Score, w.Config().Players[p].Score);
        EXPECT_EQ(again->Config().Players[p].Name, w.Config().Players[p].Name);
        EXPECT_EQ(b.Player(p).LastMoveText, a.Player(p).LastMoveText);
    }
    EXPECT_EQ(again->Driver.Phase, 1);
    EXPECT_EQ(again->Driver.Step, 1);
    EXPECT_FALSE(again->Modified);
    EXPECT_EQ(again->windowTitle(), QStringLiteral("Scrabble (/tmp/partie.Ldr)"));
    EXPECT_EQ(again->Pnl_ctrl->Mot->text(), w.Pnl_ctrl->Mot->text());
    EXPECT_TRUE(again->Pnl_ctrl->isVisibleTo(again.get()));
    // The reopened game goes on.
    again->Pnl_ctrl->Clear();
    again->Pnl_ctrl->Coord1->setText(QStringLiteral("P"));
    dialogs->answers = {Answer::Yes};
    again->BTvaliderClick();
    for (int i = 0; i < 400 && again->Game().MoveCount() < 4; ++i)
        again->Ticks()->fire();
    EXPECT_EQ(again->Game().MoveCount(), 4);
}

TEST_F(ScrabbleWindowTest, GameSavedDuringAComputerTurnSearchesAgain)
{
    TFScrabble &w = Start({5, 5}, 3);
    ASSERT_EQ(w.Driver.Phase, 11);
    RunUntil([&] { return w.Driver.Phase == 11 && w.Driver.Step == 1; });
    bool ok = false;
    auto again = Reopen(SavedGameBytes(w, QDateTime::currentDateTime()), &ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(again->Driver.Phase, 11);
    EXPECT_EQ(again->Driver.Step, 0);
    EXPECT_TRUE(again->Candidates.empty());
    for (int i = 0; i < 200 && again->Game().MoveCount() == 0; ++i)
        again->Ticks()->fire();
    ASSERT_EQ(again->Game().MoveCount(), 1);
    EXPECT_GT(again->Game().History()[0]->Score, 0);

    // A payload cut short does not load.
    const QByteArray bytes = SavedGameBytes(w, QDateTime::currentDateTime());
    auto broken = Reopen(bytes.left(bytes.size() - 40), &ok);
    EXPECT_FALSE(ok);
}

TEST_F(ScrabbleWindowTest, TextExportHasTheBoardAndTheMoves)
{
    TFScrabble &w = Start({0, 0});
    SetRack(1, "MOTABCD");
    w.Pnl_ctrl->SetFields({"H", "7", "mot", ""});
    Validate();
    const QString text = QString::fromUtf8(TextExportBytes(w, QDateTime::currentDateTime()));
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    EXPECT_TRUE(lines.contains(QStringLiteral("1 %1 : 8").arg(w.Config().Players[1].Name)));
    EXPECT_TRUE(lines.contains(QStringLiteral("     ") + QString(30, QLatin1Char('_'))));
    EXPECT_TRUE(lines.contains(QStringLiteral("  H  |-|-|-|-|-|-|M|O|T|-|-|-|-|-|-|")));
    EXPECT_TRUE(lines.contains(QStringLiteral("      1 2 3 4 5 6 7 8 9 0 1 2 3 4 5 ")));
    const QString name = w.Config().Players[1].Name.leftJustified(20, QLatin1Char(' '), true);
    EXPECT_TRUE(lines.contains(QStringLiteral("1 ") + name + QStringLiteral(" MOTABCD  H 7 MOT 8 pts.")));
    EXPECT_EQ(lines.last(), QString());
    EXPECT_EQ(lines[lines.size() - 2], ProgramTitle());
    EXPECT_EQ(lines[lines.size() - 3], QString());
}

TEST_F(ScrabbleWindowTest, PictureExportsDecodeAndShowTheBoard)
{
    TFScrabble &w = Start({0, 0});
    SaveScreenshot(w, QStringLiteral("scrabble_start"));
    for (int kind : {1, 2}) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        w.ExportPicture(buffer, kind);
        const QImage picture = QImage::fromData(buffer.data(), kind == 1 ? "JPG" : "BMP");
        ASSERT_FALSE(picture.isNull()) << kind;
        EXPECT_GE(picture.width(), w.Geometry().SurfaceSize().x);
        EXPECT_GE(picture.height(), w.Geometry().SurfaceSize().y);
        // The centre square's star on its pink word-double square, the
        // gradient's first column.
        const QColor plain = picture.pixelColor(30 * 8 + 4, 30 * 8 + 4);
        EXPECT_NEAR(plain.red(), 246, 12);
        EXPECT_NEAR(plain.green(), 168, 12);
        const QColor left = picture.pixelColor(2, 505);
        EXPECT_NEAR(left.green(), 50, 12);
    }
}

TEST_F(ScrabbleWindowTest, PrintedPageShowsTheBoardPlayersAndMoves)
{
    TFScrabble &w = Start({0, 0});
    SetRack(1, "MOTABCD");
    w.Pnl_ctrl->SetFields({"H", "7", "MOT", ""});
    Validate();
    Settle();

    // On a picture of the page: the board picture 8 cm wide at (3, 3.5).
    const double perCm = 40;
    QImage page(int(21 * perCm), int(29.7 * perCm), QImage::Format_RGB32);
    page.fill(Qt::gray);
    {
        QPainter painter(&page);
        PainterPageCanvas canvas(painter, perCm);
        w.PrintPage(1, canvas);
    }
    EXPECT_FALSE(w.Paused);
    // A point of the face of the tile on the centre square, (246, 265) on
    // the surface, clear of its letter and value.
    const QColor centre = page.pixelColor(int((3 + 8 * (246 - 13) / 486.0) * perCm),
                                          int((3.5 + 8 * (265 - 13) / 486.0) * perCm));
    EXPECT_NEAR(centre.red(), 255, 20); // the tile O of MOT on the centre
    EXPECT_NEAR(centre.green(), 206, 25);
    EXPECT_EQ(page.pixelColor(int(1.5 * perCm), int(20 * perCm)), QColor(Qt::white));
    bool ink = false;
    for (int x = int(2 * perCm); x < int(8 * perCm) && !ink; ++x)
        for (int y = int(12 * perCm); y < int(12.5 * perCm) && !ink; ++y)
            ink = page.pixelColor(x, y).lightness() < 128;
    EXPECT_TRUE(ink) << "the first move line";

    // To a PDF printer: a file holding the board's picture.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("page.pdf"));
    const QByteArray content = window_tests::PrintToPdf(w, file);
    EXPECT_TRUE(content.startsWith("%PDF"));
    EXPECT_TRUE(content.contains("/Subtype /Image"));
    EXPECT_GT(content.size(), 20000);
}

TEST_F(ScrabbleWindowTest, PrintPreviewShowsThePageAndPrintsItToPdf)
{
    TFScrabble &w = Start({5, 5}, 8);
    RunUntil([&] { return w.Game().MoveCount() >= 6; });
    ResetPrintScale();
    CurrentPrinter().setOutputFormat(QPrinter::PdfFormat);
    CurrentPrinter().setResolution(600);
    TFPrint preview;
    preview.GameWindow = &w;
    preview.show();
    const QImage page = preview.appercu()->grab().toImage();
    QDir().mkpath(QStringLiteral(LUDORINE_SCREENSHOT_DIR));
    page.save(QStringLiteral(LUDORINE_SCREENSHOT_DIR "/scrabble_preview_page.png"));
    // Board colours where the board picture lies (3 to 11 cm across).
    int coloured = 0;
    for (int x = page.width() * 3 / 21; x < page.width() * 11 / 21; x += 2) {
        const QColor c = page.pixelColor(x, int(page.height() * 7.5 / 29.7));
        coloured += c.saturation() > 40;
    }
    EXPECT_GT(coloured, 20);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("preview.pdf"));
    preview.confirmPrinter = [&](QPrinter &printer) {
        printer.setOutputFileName(file);
        return true;
    };
    QTest::mouseClick(preview.PrintButton(), Qt::LeftButton);
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.readAll().contains("/Subtype /Image"));
    EXPECT_FALSE(w.Paused);
}
