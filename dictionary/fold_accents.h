// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Turns typed Latin-1 text into dictionary letters: printable ASCII is kept,
// the accented letters of French become their plain letter (keeping their
// case), every other byte becomes a blank. The result has the same length.
#include <string>

std::string FoldAccents(const std::string &text);
