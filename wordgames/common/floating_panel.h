// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A framed panel with a title that floats over a game's view (the panels of
// Philosophe and Hangman): shown centred in its parent or at a given height,
// with a close button when the player may close it.
#include <QFrame>

class QVBoxLayout;

namespace wordgame_ui {

class FloatingPanel : public QFrame {
    Q_OBJECT
public:
    FloatingPanel(const QString &objectName, const QString &title, bool closable, QWidget *parent);
    QVBoxLayout *Body() const { return body_; }
    // Shows the panel centred in its parent (a negative offset becomes 1).
    void ShowCentred();
    // Shows the panel centred across its parent, its top at `top`.
    void ShowAt(int top);

signals:
    void closed();

private:
    QVBoxLayout *body_;
};

} // namespace wordgame_ui
