// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/windows/problem_window.h"

#include <QApplication>
#include <QClipboard>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "dictionary/dictionnaire.h"
#include "framework/caps_lock.h"
#include "framework/code_page_text.h"
#include "framework/help_window.h"
#include "scrabble/engine/move_search.h"
#include "scrabble/windows/duplicate_board_view.h"

using scrabble::CellState;
using scrabble::ProblemBoard;

namespace {
const char *const kDefaultDraw = "LUDORINE";
const QStringList kColumns{QStringLiteral("Coord."), QStringLiteral("Mot"), QStringLiteral("Note"),
                           QStringLiteral("Nb lettres posees"), QStringLiteral("Lg mot")};

// A cell of the list that sorts by number when it holds one.
QTableWidgetItem *Item(const QVariant &value, int candidate)
{
    auto *item = new QTableWidgetItem;
    item->setData(Qt::DisplayRole, value);
    item->setData(Qt::UserRole, candidate);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}
} // namespace

TFPBScrabble::TFPBScrabble(const QString &dictionaryFile, QWidget *parent)
    : QDialog(parent), dictionary_(TDictionnaire::Create(dictionaryFile.toStdString(), 'R'))
{
    setObjectName(QStringLiteral("FPBScrabble"));
    setWindowTitle(QStringLiteral("Problèmes de Scrabble"));
    search_ = std::make_unique<scrabble::MoveSearch>(*dictionary_);

    BoardView = new scrabble_ui::DuplicateBoardView(this);
    BoardView->setObjectName(QStringLiteral("Plateau"));
    BoardView->setMinimumSize(400, 400);
    BoardView->setFocusPolicy(Qt::StrongFocus);
    connect(BoardView, &scrabble_ui::DuplicateBoardView::squareClicked, this, &TFPBScrabble::BoardClicked);
    connect(BoardView, &scrabble_ui::DuplicateBoardView::keyTyped, this,
            [this](scrabble_ui::DuplicateBoardView::Key key, QChar letter) { BoardKey(int(key), letter); });

    auto *drawBox = new QGroupBox(QStringLiteral("Tirage"), this);
    auto *drawRow = new QHBoxLayout(drawBox);
    for (int i = 0; i < ProblemBoard::kDrawFields; ++i) {
        QLineEdit *field = new QLineEdit(QString(QChar::fromLatin1(kDefaultDraw[i])), drawBox);
        field->setObjectName(QStringLiteral("Tirage%1").arg(i + 1));
        field->setAlignment(Qt::AlignCenter);
        field->setFixedWidth(32);
        connect(field, &QLineEdit::textEdited, this, [this, field] { FieldEdited(field); });
        drawRow->addWidget(field);
        Tirage[std::size_t(i)] = field;
    }
    drawRow->addStretch();

    Solutions = new QTableWidget(0, int(kColumns.size()), this);
    Solutions->setObjectName(QStringLiteral("Solutions_proposees"));
    Solutions->setHorizontalHeaderLabels(kColumns);
    Solutions->setSelectionBehavior(QAbstractItemView::SelectRows);
    Solutions->setSelectionMode(QAbstractItemView::SingleSelection);
    Solutions->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Solutions->verticalHeader()->hide();
    Solutions->horizontalHeader()->setStretchLastSection(true);
    Solutions->setSortingEnabled(true);
    connect(Solutions, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int, int) { ShowSolution(row); });
    auto *solutionsBox = new QGroupBox(QStringLiteral("Solutions proposées"), this);
    auto *solutionsLayout = new QVBoxLayout(solutionsBox);
    solutionsLayout->addWidget(Solutions);

    BT_effacer = new QPushButton(QStringLiteral("&Effacer"), this);
    BT_calcule = new QPushButton(QStringLiteral("&Calcule"), this);
    BT_copier = new QPushButton(QStringLiteral("C&opier"), this);
    BT_aide = new QPushButton(QStringLiteral("&Aide"), this);
    BT_fermer = new QPushButton(QStringLiteral("&Fermer"), this);
    BT_effacer->setToolTip(QStringLiteral("Vider le plateau"));
    BT_calcule->setToolTip(QStringLiteral("Chercher tous les coups possibles avec ce tirage"));
    BT_copier->setToolTip(QStringLiteral("Copier la liste des solutions dans le presse-papiers"));
    connect(BT_effacer, &QPushButton::clicked, this, &TFPBScrabble::Effacer);
    connect(BT_calcule, &QPushButton::clicked, this, &TFPBScrabble::Calcule);
    connect(BT_copier, &QPushButton::clicked, this, &TFPBScrabble::CopySolutions);
    connect(BT_aide, &QPushButton::clicked, this, [] { ShowHelpTopic(HelpTopic()); });
    connect(BT_fermer, &QPushButton::clicked, this, &QDialog::accept);
    BT_calcule->setDefault(true);
    auto *buttons = new QHBoxLayout;
    for (QPushButton *button : {BT_effacer, BT_calcule, BT_copier})
        buttons->addWidget(button);
    buttons->addStretch();
    buttons->addWidget(BT_aide);
    buttons->addWidget(BT_fermer);

    auto *left = new QVBoxLayout;
    left->addWidget(BoardView, 1);
    left->addWidget(drawBox);
    auto *columns = new QHBoxLayout;
    columns->addLayout(left, 3);
    columns->addWidget(solutionsBox, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addLayout(buttons);
    resize(900, 560);

    blink_ = new QTimer(this);
    const int period = QApplication::cursorFlashTime() > 0 ? QApplication::cursorFlashTime() / 2 : 500;
    connect(blink_, &QTimer::timeout, this, [this] {
        cursorShown_ = !cursorShown_;
        BoardView->SetCursorShown(cursorShown_ && board_.Cursor().has_value());
    });
    blink_->start(period);
    SetKeyboardCapsLock(true);
    RefreshBoard();
}

TFPBScrabble::~TFPBScrabble() = default;

void TFPBScrabble::RefreshBoard()
{
    scrabble_ui::DuplicateBoard shown;
    for (int row = 1; row <= ProblemBoard::kSide; ++row)
        for (int col = 1; col <= ProblemBoard::kSide; ++col) {
            const scrabble::ProblemCell &cell = board_.At(col, row);
            scrabble_ui::SquareFacts &square = shown.At(col, row);
            square.letter = scrabble::Upper(cell.letter);
            square.state = cell.state == CellState::Empty ? -1 : 1;
            square.joker = scrabble::IsLowerLetter(cell.letter);
            square.plain = cell.state == CellState::Solution;
        }
    if (const auto &cursor = board_.Cursor()) {
        shown.cursorCol = cursor->col;
        shown.cursorRow = cursor->row;
    }
    shown.cursorShown = cursorShown_ && board_.Cursor().has_value();
    BoardView->SetBoard(shown);
}

void TFPBScrabble::BoardClicked(int col, int row)
{
    board_.Click(col, row);
    cursorShown_ = true;
    if (!board_.Cursor())
        Solutions->setFocus();
    RefreshBoard();
}

void TFPBScrabble::BoardKey(int key, QChar letter)
{
    using Key = scrabble_ui::DuplicateBoardView::Key;
    bool typed = false;
    switch (Key(key)) {
    case Key::Letter:
        typed = board_.Type(ProblemBoard::Edit::Letter, char(letter.toLatin1()));
        break;
    case Key::Space:
        typed = board_.Type(ProblemBoard::Edit::Space);
        break;
    case Key::Backspace:
        typed = board_.Type(ProblemBoard::Edit::Backspace);
        break;
    case Key::Delete:
        typed = board_.Type(ProblemBoard::Edit::Delete);
        break;
    default:
        if (const auto move = scrabble_ui::DuplicateBoardView::CursorKeyOf(Key(key)))
            board_.MoveCursor(*move);
        break;
    }
    if (typed)
        ClearSolutions();
    cursorShown_ = true;
    RefreshBoard();
}

void TFPBScrabble::FieldEdited(QLineEdit *field)
{
    // The first character only, a letter in capitals, a blank as nothing,
    // anything else a joker (a character outside Latin-1 included).
    const QString text = field->text();
    QString kept;
    if (!text.isEmpty()) {
        const QChar first = text.at(0);
        const char c = ProblemBoard::DrawFieldCharacter(first.unicode() < 128 ? char(first.toLatin1()) : '?');
        if (c != ' ')
            kept = QString(QChar::fromLatin1(c));
    }
    if (kept != text)
        field->setText(kept);
}

void TFPBScrabble::ClearSolutions()
{
    candidates_.clear();
    Solutions->setRowCount(0);
}

void TFPBScrabble::Effacer()
{
    board_.Clear();
    RefreshBoard();
}

void TFPBScrabble::Calcule()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    std::array<std::string, ProblemBoard::kDrawFields> fields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        FieldEdited(Tirage[i]);
        fields[i] = ToCodePage(Tirage[i]->text());
    }
    candidates_ = board_.Solve(*search_, ProblemBoard::Draw(fields));
    Solutions->setSortingEnabled(false);
    Solutions->setRowCount(int(candidates_.size()));
    for (std::size_t i = 0; i < candidates_.size(); ++i) {
        const scrabble::Tcoup &move = candidates_[i];
        const int row = int(i);
        const int index = int(i);
        Solutions->setItem(row, 0, Item(FromCodePage(move.Notation()), index));
        Solutions->setItem(row, 1, Item(FromCodePage(move.Word), index));
        Solutions->setItem(row, 2, Item(move.Score, index));
        Solutions->setItem(row, 3, Item(move.TilesPlaced, index));
        Solutions->setItem(row, 4, Item(int(move.Word.size()), index));
    }
    Solutions->setSortingEnabled(true);
    Solutions->horizontalHeader()->setSortIndicatorShown(false);
    Solutions->resizeColumnsToContents();
    RefreshBoard();
    QApplication::restoreOverrideCursor();
}

void TFPBScrabble::ShowSolution(int row)
{
    const QTableWidgetItem *item = row >= 0 ? Solutions->item(row, 0) : nullptr;
    if (item == nullptr)
        return;
    const int index = item->data(Qt::UserRole).toInt();
    if (index < 0 || index >= int(candidates_.size()))
        return;
    board_.Show(candidates_[std::size_t(index)]);
    RefreshBoard();
}

QString TFPBScrabble::SolutionsText() const
{
    QString text = kColumns.join(QLatin1Char('\t')) + QStringLiteral("\r\n");
    for (int row = 0; row < Solutions->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < Solutions->columnCount(); ++column)
            cells << Solutions->item(row, column)->text();
        text += cells.join(QLatin1Char('\t')) + QStringLiteral("\r\n");
    }
    return text;
}

void TFPBScrabble::CopySolutions()
{
    QApplication::clipboard()->setText(SolutionsText());
}
