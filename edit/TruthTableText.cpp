// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/TruthTableText.h"

namespace TruthTableText {

std::string tabSeparated(const std::vector<std::string> &names, const std::string &values)
{
    const std::size_t count = names.size();
    std::string text;
    for (const std::string &name : names)
        text += name + '\t';
    text += "f\n";
    for (std::size_t m = 0; m < values.size(); ++m) {
        for (std::size_t k = 0; k < count; ++k)
            text += ((m >> (count - 1 - k)) & 1U) != 0 ? "1\t" : "0\t";
        text += values[m];
        text += '\n';
    }
    return text;
}

} // namespace TruthTableText
