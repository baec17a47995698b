// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The one crossing between the 8-bit texts of the engines, saved games and
// exports (bytes of the Windows-1252 code page, framework/savefile/
// code_page.h) and the QString texts of the windows.
#include <QString>
#include <string>
#include <string_view>

// Bytes of the code page as a QString; every byte has its character.
QString FromCodePage(std::string_view bytes);
// A QString as bytes of the code page; a character the page lacks becomes '?'.
std::string ToCodePage(const QString &text);
