// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The parchment the word games' pictures are drawn on (the Philosophe board,
// the Hangman letters): a light-to-dark diagonal shading in a drawn frame,
// and the bold serif of their titles and letters.
#include <QColor>
#include <QFont>
#include <QRect>

class QPainter;

namespace wordgame_ui {

void PaintParchment(QPainter &painter, const QRect &area, QColor light, QColor dark, QColor frame,
                    int frameWidth);
QFont BoldSerif(int pixelSize);

} // namespace wordgame_ui
