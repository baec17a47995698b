// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The "Masse" panel of the Duplicate window: the counts of the bag, its
// letters, and one line per draw dealt.
#include <QGroupBox>
#include <QString>

class QLabel;
class QListWidget;
class QPlainTextEdit;

namespace scrabble_ui {

struct BagFacts {
    int vowels = 0;
    int consonants = 0;
    int jokers = 0;
    int total = 0;
    QString letters; // the bag, one character per tile
};

class DuplicateBagPanel : public QGroupBox {
    Q_OBJECT
public:
    explicit DuplicateBagPanel(QWidget *parent = nullptr);

    QLabel *Voyelles = nullptr;
    QLabel *Consonnes = nullptr;
    QLabel *Jokers = nullptr;
    QLabel *Total = nullptr;
    QPlainTextEdit *Detail = nullptr; // "Détail lettres"
    QListWidget *Draws = nullptr;     // "Tirage n° %d" lines

    void SetBagFacts(const BagFacts &facts);
    // A line for a draw just dealt, at the bottom of the list.
    void AddDrawLine(const QString &line);
    void ClearDrawLines();
};

} // namespace scrabble_ui
