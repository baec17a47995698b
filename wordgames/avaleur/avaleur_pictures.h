// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pictures of the maze game, drawn in code and registered in the named
// pictures library: the style textures "BEIGE", "MUR" (16 wall tiles by
// shape) and "NUIT"; the sprite sheets "PACMAN", "ALPHABET", "GHOST",
// "MAGIC"; the glyphs "POLPC1" (letters) and "POLPC2" (digits); and the
// window's frame "img_gb". Sheets are black where they are transparent.
#include <QImage>

namespace avaleur {

// Registers the pictures once; later calls do nothing.
void RegisterAvaleurPictures();

// The frame the board, the word and the score are drawn into.
inline constexpr int kFrameWidth = 822;
inline constexpr int kFrameHeight = 520;
QImage FramePicture();

} // namespace avaleur
