// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The window factories of the game kinds: the part of the kind table that
// needs the game windows. Everything else about a kind (class, title, menu
// entry, help topic, settings) is in framework/game_kind.h. A kind whose
// window is not built has no factory: its menu entry is shown disabled and
// a saved game of that kind does not open.
#include "framework/game_kind.h"

#include <functional>

class QWidget;
class TFLudorine;

using GameWindowFactory = std::function<TFLudorine *(QWidget *parent)>;

// The factory of a kind; null when its window is not built (or for None).
GameWindowFactory GameWindowFactoryOf(GameKindCode code);
