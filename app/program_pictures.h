// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's own pictures, drawn in code: the splash picture (622 x 248,
// white is its transparent colour), the logo shown behind the game windows
// and the program icon.
#include <QByteArray>
#include <QIcon>
#include <QImage>

QImage SplashPicture();
QImage LogoPicture();
QImage ProgramIconImage(int size);
QIcon ProgramIcon();
QByteArray ProgramIconPng(); // 64 x 64, for the desktop's icon folder

// The toolbar's pictures, drawn in the program's colours.
enum class ToolPicture { Open, Save, Print, Cascade, TileHorizontal, TileVertical, Help };
QIcon ToolIcon(ToolPicture picture);

// Draws one letter tile (cream face, letter and face value) in Rect.
class QPainter;
class QRectF;
void DrawLetterTile(QPainter &painter, const QRectF &rect, QChar letter, int value);
