// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordgames/common/floating_panel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QToolButton>
#include <QVBoxLayout>

namespace wordgame_ui {

FloatingPanel::FloatingPanel(const QString &objectName, const QString &title, bool closable, QWidget *parent)
    : QFrame(parent)
{
    setObjectName(objectName);
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setAutoFillBackground(true);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 4, 6, 6);
    auto *head = new QHBoxLayout;
    if (!title.isEmpty())
        head->addWidget(new QLabel(QStringLiteral("<b>%1</b>").arg(title.toHtmlEscaped()), this), 1);
    if (closable) {
        auto *close = new QToolButton(this);
        close->setObjectName(objectName + QStringLiteral("_fermer"));
        close->setText(QStringLiteral("×"));
        close->setToolTip(QStringLiteral("Fermer"));
        close->setAutoRaise(true);
        connect(close, &QToolButton::clicked, this, [this] {
            hide();
            emit closed();
        });
        head->addStretch(1);
        head->addWidget(close);
    }
    layout->addLayout(head);
    body_ = new QVBoxLayout;
    layout->addLayout(body_, 1);
    hide();
}

void FloatingPanel::ShowCentred()
{
    adjustSize();
    ShowAt(parentWidget() ? (parentWidget()->height() - height()) / 2 : 1);
}

void FloatingPanel::ShowAt(int top)
{
    adjustSize();
    if (QWidget *owner = parentWidget())
        move(std::max(1, (owner->width() - width()) / 2), std::max(1, top));
    show();
    raise();
}

} // namespace wordgame_ui
