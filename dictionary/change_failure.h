// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The reason a change of the dictionary file failed, in French (UTF-8), from
// the errno that TDictionnaire::LastChangeError gives: a full disk, a folder
// that cannot be written... A sentence that ends with a full stop.
#include <string>

std::string DictionaryChangeFailureReason(int error);
