// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// TFPBScrabble, "Problèmes de Scrabble": the user types a position on an
// empty board, a draw of up to eight letters in the fields below it, and
// "Calcule" lists every move, best first ("Solutions proposées"); a row
// selected shows its move on the board. The list sorts by any column and
// "Copier" puts it on the clipboard. The window reads the dictionary through
// its own object; the rules are the engine's problem board and move search.
#include <array>
#include <memory>
#include <QDialog>
#include <vector>

#include "scrabble/engine/move.h"
#include "scrabble/engine/problem_board.h"

class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;
class TDictionnaire;

namespace scrabble {
class MoveSearch;
}
namespace scrabble_ui {
class DuplicateBoardView;
}

class TFPBScrabble : public QDialog {
    Q_OBJECT
public:
    explicit TFPBScrabble(const QString &dictionaryFile, QWidget *parent = nullptr);
    ~TFPBScrabble() override;

    static QString HelpTopic() { return QStringLiteral("Ludorine.chm::/Prob.htm"); }

    // The commands of the buttons.
    void Calcule();
    void Effacer();
    void CopySolutions();
    // A row of the list chosen (in the order shown).
    void ShowSolution(int row);
    // The list as text: a header line, then a line per row in the order
    // shown, the columns separated by tabs, each line ended by CR LF.
    QString SolutionsText() const;

    const scrabble::ProblemBoard &Board() const { return board_; }
    const std::vector<scrabble::Tcoup> &Candidates() const { return candidates_; }

    scrabble_ui::DuplicateBoardView *BoardView;
    std::array<QLineEdit *, scrabble::ProblemBoard::kDrawFields> Tirage{};
    QTableWidget *Solutions; // "Solutions proposées"
    QPushButton *BT_effacer;
    QPushButton *BT_calcule;
    QPushButton *BT_copier;
    QPushButton *BT_aide;
    QPushButton *BT_fermer;

private:
    void BoardClicked(int col, int row);
    void BoardKey(int key, QChar letter);
    void FieldEdited(QLineEdit *field);
    void ClearSolutions();
    void RefreshBoard();

    std::unique_ptr<TDictionnaire> dictionary_;
    std::unique_ptr<scrabble::MoveSearch> search_;
    scrabble::ProblemBoard board_;
    std::vector<scrabble::Tcoup> candidates_;
    QTimer *blink_;
    bool cursorShown_ = true;
};
