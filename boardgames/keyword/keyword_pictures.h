// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// KeyWord's named pictures, drawn in code: "POLICEPC", the strip of the 26
// letters A..Z in 30 x 30 cells (letter k from x 30 (k - 1) to 30 k) that the
// key word is spelt with, and "KEY", a dark key on white that is ANDed onto
// the key squares.
#include <QImage>

namespace keyword_ui {

inline constexpr int kKeySide = 32;

QImage LetterStripPicture();
QImage KeyPicture();

// Registers both pictures under their names; registering again replaces
// them with the same pictures.
void RegisterKeyWordPictures();

} // namespace keyword_ui
