// SPDX-License-Identifier: GPL-3.0-or-later
#include "scrabble/windows/scrabble_panels.h"

#include "framework/code_page_text.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace scrabble_ui {

namespace {
QLineEdit *Field(const char *name, int width, int maxLength, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    edit->setFixedWidth(width);
    edit->setMaxLength(maxLength);
    return edit;
}
} // namespace

InputPanel::InputPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("Pnl_ctrl"));
    setFrameShape(QFrame::StyledPanel);
    setAutoFillBackground(true);
    QFont small = font();
    small.setPixelSize(12);
    setFont(small);
    Coord1 = Field("Coord1", 26, 2, this);
    Coord2 = Field("Coord2", 26, 2, this);
    Mot = Field("Mot", 96, 15, this);
    ED_note = Field("ED_note", 30, 6, this);
    ED_note->setReadOnly(true);
    ED_note->setFocusPolicy(Qt::NoFocus);
    BT_val = new QPushButton(QStringLiteral("Ok"), this);
    BT_val->setObjectName(QStringLiteral("BT_val"));
    BT_val->setFixedWidth(30);
    BT_val->setDefault(true);
    Mot->setToolTip(QStringLiteral("Le mot entier, ou les lettres à échanger"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(2);
    for (QWidget *w :
         {static_cast<QWidget *>(Coord1), static_cast<QWidget *>(Coord2), static_cast<QWidget *>(Mot),
          static_cast<QWidget *>(ED_note), static_cast<QWidget *>(BT_val)})
        layout->addWidget(w);
    Coord1->installEventFilter(this);
    Coord2->installEventFilter(this);
    Mot->installEventFilter(this);
    connect(BT_val, &QPushButton::clicked, this, &InputPanel::validate);
    for (QLineEdit *edit : {Coord1, Coord2, Mot})
        connect(edit, &QLineEdit::returnPressed, this, &InputPanel::validate);
}

scrabble::InputFields InputPanel::Fields() const
{
    scrabble::InputFields fields;
    fields.coord1 = ToCodePage(Coord1->text());
    fields.coord2 = ToCodePage(Coord2->text());
    fields.word = ToCodePage(Mot->text());
    fields.score = ToCodePage(ED_note->text());
    return fields;
}

void InputPanel::SetFields(const scrabble::InputFields &fields)
{
    Coord1->setText(FromCodePage(fields.coord1));
    Coord2->setText(FromCodePage(fields.coord2));
    Mot->setText(FromCodePage(fields.word));
    ED_note->setText(FromCodePage(fields.score));
}

void InputPanel::Clear()
{
    SetFields({});
}

void InputPanel::SetFieldsEnabled(bool enabled)
{
    enabled_ = enabled;
    for (QWidget *w : {static_cast<QWidget *>(Coord1), static_cast<QWidget *>(Coord2),
                       static_cast<QWidget *>(Mot), static_cast<QWidget *>(BT_val)})
        w->setEnabled(enabled);
}

void InputPanel::SetTypingFields(bool shown)
{
    for (QWidget *w : {static_cast<QWidget *>(Coord1), static_cast<QWidget *>(Coord2),
                       static_cast<QWidget *>(Mot), static_cast<QWidget *>(ED_note)})
        w->setVisible(shown);
    setFrameShape(shown ? QFrame::StyledPanel : QFrame::NoFrame);
}

void InputPanel::Activate()
{
    const bool wasDisabled = !enabled_;
    SetFieldsEnabled(true);
    if (wasDisabled || !Coord1->hasFocus())
        Coord1->setFocus();
}

bool InputPanel::AcceptedCoordinateKey(const QString &text)
{
    if (text.size() != 1)
        return true; // keys without a character: moves, Enter, Tab
    const QChar c = text.at(0);
    return c == QChar(8) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) ||
           (c >= QLatin1Char('A') && c <= QLatin1Char('o'));
}

bool InputPanel::eventFilter(QObject *watched, QEvent *event)
{
    const bool coordinate = watched == Coord1 || watched == Coord2;
    if (event->type() == QEvent::KeyPress && (coordinate || (watched == Mot && wordKey != nullptr))) {
        auto *key = static_cast<QKeyEvent *>(event);
        const bool control = key->key() == Qt::Key_Backspace || key->key() == Qt::Key_Return ||
                             key->key() == Qt::Key_Enter || key->key() == Qt::Key_Tab ||
                             key->key() == Qt::Key_Delete || key->text().isEmpty() ||
                             key->text().at(0).category() == QChar::Other_Control;
        if (!control && !(coordinate ? coordinateKey : wordKey)(key->text()))
            return true; // discarded
    }
    return QFrame::eventFilter(watched, event);
}

void InputPanel::mousePressEvent(QMouseEvent *event)
{
    if (!enabled_)
        Activate();
    QFrame::mousePressEvent(event);
}

ListPanel::ListPanel(const QString &title, QWidget *parent) : QFrame(parent)
{
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    Caption = new QLabel(title, this);
    QFont bold = Caption->font();
    bold.setBold(true);
    Caption->setFont(bold);
    CloseButton = new QToolButton(this);
    CloseButton->setText(QStringLiteral("×"));
    CloseButton->setAutoRaise(true);
    CloseButton->setToolTip(QStringLiteral("Fermer"));
    List = new QListWidget(this);
    QFont mono(QStringLiteral("DejaVu Sans Mono"));
    mono.setPixelSize(11);
    List->setFont(mono);
    auto *header = new QHBoxLayout;
    header->addWidget(Caption, 1);
    header->addWidget(CloseButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(3, 2, 3, 3);
    layout->setSpacing(2);
    layout->addLayout(header);
    layout->addWidget(List, 1);
    connect(CloseButton, &QToolButton::clicked, this, [this] {
        hide();
        emit closedByUser();
    });
}

void ListPanel::Toggle(QAction *check)
{
    setVisible(!isVisible());
    if (isVisible())
        raise();
    if (check)
        check->setChecked(isVisible());
}

} // namespace scrabble_ui
