// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Switches the keyboard's Caps Lock toggle. Works on X11 through XKB; does
// nothing on other platforms (and under the offscreen platform of tests).
bool SetKeyboardCapsLock(bool on);
