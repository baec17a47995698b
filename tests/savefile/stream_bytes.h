// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Writing values to bytes and reading them back, for the stream tests.
#include "framework/savefile/typed_stream.h"

#include <functional>
#include <sstream>
#include <string>
#include <vector>

inline std::vector<unsigned char> Written(const std::function<void(savefile::TypedWriter &)> &write)
{
    std::ostringstream out;
    {
        savefile::TypedWriter writer(out);
        write(writer);
    }
    const std::string bytes = out.str();
    return {bytes.begin(), bytes.end()};
}

inline std::string AsString(const std::vector<unsigned char> &bytes)
{
    return std::string(bytes.begin(), bytes.end());
}
