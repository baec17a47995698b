// SPDX-License-Identifier: GPL-3.0-or-later
// The Duplicate window played through its panels, menu and ticks: whole
// games of computers in every variant, humans proposing in the fields and by
// typing on the board, the pass question, "Changer les lettres...", the
// messages of "Ok", and a game saved and reopened.
#include "duplicate_window_fixture.h"
#include "window_test_support.h"

#include "dictionary/dictionnaire.h"
#include "framework/code_page_text.h"
#include "framework/dialog_service.h"
#include "framework/game_file.h"
#include "framework/painter_page_canvas.h"
#include "framework/savefile/typed_stream.h"
#include "scrabble/windows/duplicate_bag_panel.h"
#include "scrabble/windows/duplicate_board_view.h"
#include "scrabble/windows/duplicate_draw_panel.h"
#include "scrabble/windows/duplicate_input_panel.h"
#include "scrabble/windows/duplicate_player_table.h"
#include "scrabble/windows/duplicate_players_panel.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <sstream>

using window_tests::SaveScreenshot;

namespace {

// The best word candidate of the draw without a joker, as the fields take it.
struct Typed {
    QString coord1, coord2, word;
    const scrabble::Tcoup *move = nullptr;
};

Typed BestPlainCandidate(const scrabble::DuplicateGame &game)
{
    for (const scrabble::Tcoup &move : game.Candidates()) {
        if (!move.IsPlacement())
            continue;
        if (std::any_of(move.Word.begin(), move.Word.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
            continue;
        const QStringList notation = FromCodePage(move.Notation()).split(QLatin1Char(' '));
        if (notation.size() != 2)
            continue;
        return {notation[0], notation[1], FromCodePage(move.Word), &move};
    }
    return {};
}

int Sum(const std::vector<scrabble::PlayerRow> &rows)
{
    int sum = 0;
    for (const scrabble::PlayerRow &row : rows)
        sum += row.Score;
    return sum;
}

} // namespace

TEST_F(DuplicateWindowTest, FourComputersPlayToTheEndInEveryVariant)
{
    for (int variant = 0; variant <= 3; ++variant) {
        SCOPED_TRACE(variant);
        dialogs->asked.clear();
        TFDuplic &w = Start({5, 4, 3, 1}, variant, 40 + std::uint64_t(variant));
        ASSERT_EQ(w.Game().DrawSize(), variant == 1 ? 8 : 7);
        ASSERT_TRUE(RunUntil([&] { return w.GameOver; }, 5000));
        const scrabble::DuplicateGame &game = w.Game();
        ASSERT_GT(game.History().size(), 5u);
        // One history line per kept move; the bag panel has a line per draw.
        EXPECT_EQ(w.HistoryPanel->List->count(), int(game.History().size()));
        EXPECT_EQ(w.BagPanel->Draws->count(), int(game.DrawLines().size()));
        int top = 0;
        for (const auto &move : game.History())
            top += move->Score;
        EXPECT_EQ(game.TopTotal(), top);
        // Each player's total is his rows' sum, and is the settings' score.
        for (int p = 1; p <= 4; ++p) {
            EXPECT_EQ(game.Player(p).Info.Score, Sum(game.Player(p).Past)) << p;
            EXPECT_EQ(w.Config().Players[p].Score, game.Player(p).Info.Score) << p;
        }
        // The end is announced once, with the winner.
        EXPECT_EQ(dialogs->Texts(QStringLiteral("message")), QStringList{w.VictoryText()});
        EXPECT_TRUE(w.VictoryText().startsWith(QStringLiteral("Partie terminée. Victoire de « ")));
        Tick(3);
        EXPECT_EQ(dialogs->Texts(QStringLiteral("message")).size(), 1);
        EXPECT_FALSE(w.Players->Input->BT_ok->isEnabled());
        if (variant == 0)
            SaveScreenshot(w, QStringLiteral("duplicate_end"));
    }
}

TEST_F(DuplicateWindowTest, TwoHumansProposeInTheFieldsAndOnTheBoardAndTheBestIsKept)
{
    TFDuplic &w = Start({0, 0});
    ASSERT_TRUE(UntilSearched());
    const Typed best = BestPlainCandidate(w.Game());
    ASSERT_NE(best.move, nullptr);

    // Player 1 types the best move in the fields and presses Ok.
    scrabble_ui::DuplicateInputPanel *input = w.Players->Input;
    input->Coord1->setFocus();
    QTest::keyClicks(input->Coord1, best.coord1);
    QTest::keyClicks(input->Coord2, best.coord2);
    QTest::keyClicks(input->Mot, best.word);
    EXPECT_TRUE(w.Game().Player(1).Current.IsValid()) << "validated quietly while typing";
    QTest::mouseClick(input->BT_ok, Qt::LeftButton);
    EXPECT_EQ(w.Game().Player(1).Current.Score, best.move->Score);
    EXPECT_TRUE(w.Game().Player(1).Current.IsTop);

    // Player 2 types the same word straight on the board, across the centre:
    // one letter alone runs across, the cursor moving on after each.
    input->Numero->clear();
    QTest::keyClicks(input->Numero, QStringLiteral("2"));
    ASSERT_EQ(w.Game().ActivePlayer(), 2);
    EXPECT_TRUE(input->Coord1->text().isEmpty()) << "player 2 has not proposed yet";
    const scrabble_ui::BoardGeometry g = w.Board->Geometry();
    QTest::mouseClick(w.Board, Qt::LeftButton, Qt::NoModifier, g.SquareRect(8, 8).center());
    ASSERT_TRUE(w.Game().Cursor().has_value());
    for (const QChar letter : best.word)
        QTest::keyClicks(w.Board, QString(letter));
    const scrabble::PlayerRow &second = w.Game().Player(2).Current;
    EXPECT_EQ(FromCodePage(second.Word), best.word);
    EXPECT_EQ(input->Coord1->text(), QStringLiteral("H"));
    EXPECT_EQ(input->Coord2->text(), QStringLiteral("8"));
    EXPECT_EQ(input->Mot->text(), best.word);
    EXPECT_TRUE(second.IsValid());
    EXPECT_EQ(w.Board->Board().At(8, 8).state, 0) << "the proposal shows on the board";

    // Valider: the best proposal goes on the board (on a tie, the one
    // validated last) and each scores his own.
    const int draw = w.Game().DrawNumber();
    const int top = w.Game().TopPlayer();
    ASSERT_TRUE(top == 1 || top == 2);
    const int scores[] = {0, w.Game().Player(1).Current.Score, w.Game().Player(2).Current.Score};
    EXPECT_EQ(top, scores[2] >= scores[1] ? 2 : 1);
    QTest::mouseClick(input->BT_valider, Qt::LeftButton);
    ASSERT_EQ(w.Game().DrawNumber(), draw + 1);
    ASSERT_EQ(w.Game().History().size(), 1u);
    const scrabble::Tcoup &kept = *w.Game().History()[0];
    EXPECT_EQ(kept.Player, top);
    EXPECT_EQ(kept.Score, scores[top]);
    EXPECT_EQ(w.Game().Player(1).Info.Score, scores[1]);
    EXPECT_EQ(w.Game().Player(2).Info.Score, scores[2]);
    EXPECT_TRUE(w.Game().SquareAt(kept.Col, kept.Row).IsPlayed());
    EXPECT_EQ(w.Board->Board().At(kept.Col, kept.Row).state, 1);
    EXPECT_EQ(w.HistoryPanel->List->count(), 1);
    EXPECT_TRUE(input->Mot->text().isEmpty()) << "the fields are cleared for the next draw";
    EXPECT_TRUE(w.Modified);
    SaveScreenshot(w, QStringLiteral("duplicate_humans"));
}

TEST_F(DuplicateWindowTest, AHumanWhoDidNotPlayIsAskedWhetherHePasses)
{
    TFDuplic &w = Start({0, 3});
    ASSERT_TRUE(UntilSearched());
    RunUntil([&] { return w.Game().Player(2).Current.IsPlayed(); }, 20);
    const int draw = w.Game().DrawNumber();
    dialogs->answers = {Answer::No};
    w.Players->Input->BT_valider->click();
    EXPECT_EQ(
        dialogs->Texts(QStringLiteral("question")),
        QStringList{
            QStringLiteral("Le joueur 1 (%1) passe son tour ?").arg(FromCodePage(w.Game().PlayerName(1)))});
    EXPECT_EQ(w.Game().DrawNumber(), draw) << "No leaves the turn open";
    dialogs->answers = {Answer::Yes};
    w.Players->Input->BT_valider->click();
    EXPECT_EQ(w.Game().DrawNumber(), draw + 1);
    EXPECT_EQ(w.Game().Player(1).Past.front().Score, 0);
}

TEST_F(DuplicateWindowTest, ChangingTheLettersKeepsTheDrawNumberAndOkReportsErrors)
{
    TFDuplic &w = Start({0});
    ASSERT_TRUE(UntilSearched());
    const int draw = w.Game().DrawNumber();
    const int bag = w.Game().BagTotal();
    w.Mchanger->trigger();
    EXPECT_EQ(w.Game().DrawNumber(), draw);
    EXPECT_EQ(w.Game().BagTotal(), bag);
    EXPECT_EQ(w.DrawPanel->Tiles->Draw(), FromCodePage(w.Game().DrawShown()));
    ASSERT_TRUE(UntilSearched()) << "the new draw is searched again";

    // Coordinates off the board, then a word away from the centre.
    scrabble_ui::DuplicateInputPanel *input = w.Players->Input;
    input->SetFields({QStringLiteral("Z"), QStringLiteral("99"), QStringLiteral("MOT")});
    input->BT_ok->click();
    input->SetFields({QStringLiteral("A"), QStringLiteral("1"), FromCodePage(w.Game().Draw().substr(0, 2))});
    input->BT_ok->click();
    const QStringList messages = dialogs->Texts(QStringLiteral("message"));
    ASSERT_EQ(messages.size(), 2);
    EXPECT_EQ(messages[0], QStringLiteral("Les coordonnées indiquées pour ce coup ne sont pas valides."));
    EXPECT_EQ(messages[1],
              QStringLiteral("Une des lettres du premier mot placé doit recouvrir la case centrale."));
    EXPECT_FALSE(w.Game().Player(1).Current.IsValid());
}

TEST_F(DuplicateWindowTest, SavedMidGameReopensWithItsBoardRowsAndHistory)
{
    TFDuplic &w = Start({0, 5, 2}, 2, 9);
    // Three draws: the human passes, the computers play.
    for (int turn = 0; turn < 3; ++turn) {
        ASSERT_TRUE(UntilSearched());
        RunUntil([&] { return w.Game().Player(3).Current.IsPlayed(); }, 20);
        dialogs->answers = {Answer::Yes};
        w.Validate();
    }
    ASSERT_EQ(w.Game().DrawNumber(), 4);
    const QByteArray bytes = SavedGameBytes(w, QDateTime::currentDateTime());

    auto again = std::make_unique<TFDuplic>(nullptr, QStringLiteral(LUDORINE_TEST_DICTIONARY));
    again->StopTicks();
    std::istringstream in(bytes.toStdString());
    savefile::TypedReader reader(in);
    ASSERT_TRUE(ReadSavedGameKind(reader).has_value());
    ASSERT_TRUE(again->LoadGame(reader, QStringLiteral("/tmp/duplicate.Ldr")));
    again->StopTicks();
    const scrabble::DuplicateGame &a = w.Game();
    const scrabble::DuplicateGame &b = again->Game();
    EXPECT_FALSE(again->PendingConfiguration) << "a loaded game asks no configuration";
    EXPECT_EQ(b.DrawNumber(), a.DrawNumber());
    EXPECT_EQ(b.Bag(), a.Bag());
    EXPECT_EQ(b.Draw(), a.Draw());
    EXPECT_EQ(b.JokersLeft(), a.JokersLeft());
    EXPECT_EQ(b.TopTotal(), a.TopTotal());
    EXPECT_EQ(b.Variant(), a.Variant());
    ASSERT_EQ(b.History().size(), a.History().size());
    for (std::size_t i = 0; i < a.History().size(); ++i)
        EXPECT_EQ(b.History()[i]->Text(), a.History()[i]->Text());
    for (int col = 1; col <= 15; ++col)
        for (int row = 1; row <= 15; ++row) {
            EXPECT_EQ(b.SquareAt(col, row).Letter, a.SquareAt(col, row).Letter);
            EXPECT_EQ(b.SquareAt(col, row).IsJoker, a.SquareAt(col, row).IsJoker);
        }
    for (int p = 1; p <= 3; ++p) {
        EXPECT_EQ(b.Player(p).Info.Score, a.Player(p).Info.Score);
        EXPECT_EQ(b.Player(p).Info.Level, a.Player(p).Info.Level);
        EXPECT_EQ(b.Player(p).Past.size(), a.Player(p).Past.size());
    }
    EXPECT_EQ(again->HistoryPanel->List->count(), int(a.History().size()));
    EXPECT_EQ(again->BagPanel->Draws->count(), int(a.DrawLines().size()));
    // The reopened game goes on: the search and the computers run again.
    for (int i = 0; i < 30 && !b.Player(3).Current.IsPlayed(); ++i)
        again->Ticks()->fire();
    EXPECT_TRUE(b.Player(2).Current.IsPlayed() && b.Player(3).Current.IsPlayed());
}

TEST_F(DuplicateWindowTest, FortyComputersFillTheTableThatScrolls)
{
    std::vector<int> levels(40);
    for (int i = 0; i < 40; ++i)
        levels[std::size_t(i)] = 1 + i % 5;
    TFDuplic &w = Start(levels, 0, 3);
    ASSERT_EQ(w.Game().PlayerCount(), 40);
    ASSERT_TRUE(RunUntil([&] { return w.Game().DrawNumber() >= 4 || w.GameOver; }, 400));
    scrabble_ui::DuplicatePlayerTable *table = w.Players->Table;
    EXPECT_GE(table->Model().rowCount(), 40 * 4);
    QApplication::processEvents();
    SaveScreenshot(w, QStringLiteral("duplicate_40_players"));
}

TEST_F(DuplicateWindowTest, ExportsAndThePrintedPageShowTheGame)
{
    TFDuplic &w = Start({5, 3}, 0, 12);
    ASSERT_TRUE(RunUntil([&] { return w.Game().History().size() >= 2; }, 200));
    const scrabble::Tcoup &first = *w.Game().History()[0];

    // The text: the board, the history and each player's total and rows.
    const QString text = FromCodePage(TextExportBytes(w, QDateTime::currentDateTime()).toStdString());
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    EXPECT_TRUE(lines.contains(QStringLiteral("     ") + QString(30, QLatin1Char('_'))));
    for (int p = 1; p <= 2; ++p)
        EXPECT_TRUE(lines.contains(QStringLiteral("%1 : %2 pts.")
                                       .arg(FromCodePage(w.Game().PlayerName(p)))
                                       .arg(w.Game().Player(p).Info.Score)))
            << p;
    EXPECT_TRUE(text.contains(FromCodePage(first.Text())));
    EXPECT_TRUE(text.contains(QStringLiteral(" (top).")));
    EXPECT_EQ(lines[lines.size() - 2], ProgramTitle());

    // The pictures: the board as drawn, labels included (the BMP exactly,
    // the JPEG near enough).
    const QImage board = w.Board->Picture().convertToFormat(QImage::Format_RGB32);
    for (int kind : {1, 2}) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        w.ExportPicture(buffer, kind);
        const QImage picture =
            QImage::fromData(buffer.data(), kind == 1 ? "JPG" : "BMP").convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(picture.size(), board.size()) << kind;
        const QRect square = w.Board->Geometry().SquareRect(first.Col, first.Row);
        const QPoint inside(square.left() + square.width() / 5, square.top() + square.height() / 5);
        if (kind == 2) {
            EXPECT_EQ(picture, board);
        }
        EXPECT_NEAR(picture.pixelColor(inside).red(), board.pixelColor(inside).red(), 24);
        EXPECT_NEAR(picture.pixelColor(inside).green(), board.pixelColor(inside).green(), 24);
    }

    // The printed page, to a PDF file.
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("duplicate.pdf"));
    const QByteArray content = window_tests::PrintToPdf(w, file);
    EXPECT_FALSE(w.Paused);
    EXPECT_TRUE(content.startsWith("%PDF"));
    EXPECT_TRUE(content.contains("/Subtype /Image"));
}

TEST_F(DuplicateWindowTest, OkAsksToConfirmWordsMissingFromTheDictionary)
{
    TFDuplic &w = Start({0}, 0, 31);
    ASSERT_TRUE(UntilSearched());
    // Two letters of the draw that make no word, across the centre.
    const auto dico = TDictionnaire::Create(LUDORINE_TEST_DICTIONARY, 'R');
    const std::string draw = w.Game().Draw();
    std::string word;
    for (std::size_t i = 0; i < draw.size() && word.empty(); ++i)
        for (std::size_t j = 0; j < draw.size() && word.empty(); ++j)
            if (i != j && draw[i] != '*' && draw[j] != '*' && !dico->Contains({draw[i], draw[j]}))
                word = {draw[i], draw[j]};
    ASSERT_FALSE(word.empty()) << draw;
    scrabble_ui::DuplicateInputPanel *input = w.Players->Input;
    input->SetFields({QStringLiteral("H"), QStringLiteral("8"), FromCodePage(word)});

    dialogs->answers = {Answer::No};
    input->BT_ok->click();
    const QStringList asked = dialogs->Texts(QStringLiteral("question"));
    ASSERT_EQ(asked.size(), 1);
    EXPECT_EQ(asked[0],
              QStringLiteral("Le(s) mot(s) %1. ne figure(nt) pas dans le dictionnaire. Confirmez-vous "
                             "ce(s) mot(s) ?")
                  .arg(FromCodePage(word)));
    EXPECT_FALSE(w.Game().Player(1).Current.IsValid());
    EXPECT_TRUE(dialogs->Texts(QStringLiteral("message")).isEmpty())
        << "a missing word is asked, not reported";

    dialogs->answers = {Answer::Yes};
    input->BT_ok->click();
    EXPECT_TRUE(w.Game().Player(1).Current.IsValid());
    EXPECT_GT(w.Game().Player(1).Current.Score, 0);
}
