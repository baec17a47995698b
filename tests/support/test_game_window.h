// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A minimal game window for framework tests: counts its ticks and may carry
// a game menu of its own.
#include "framework/game_window.h"

#include <functional>
#include <QMenu>

class TestGameWindow : public TFLudorine {
public:
    explicit TestGameWindow(const QString &title = QStringLiteral("Essai"), bool withMenu = false)
    {
        Title = title;
        GameKind = GameKindCode::Scrabble;
        setWindowTitle(title);
        resize(320, 240);
        if (withMenu) {
            menu_ = new QMenu(title, this);
            menu_->addAction(QStringLiteral("Nouvelle partie"));
        }
    }
    QMenu *GameMenu() override { return menu_; }

    int ticks = 0;
    std::function<void()> onTick;

protected:
    void Tick() override
    {
        ++ticks;
        if (onTick)
            onTick();
    }

private:
    QMenu *menu_ = nullptr;
};
