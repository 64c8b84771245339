// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/TruthTableText.h"

namespace TruthTableText {

std::string tabSeparated(const std::vector<std::string> &names, const std::string &values)
{
    return tabSeparated(names, {"f"}, {values});
}

std::string tabSeparated(const std::vector<std::string> &names,
                         const std::vector<std::string> &outputNames,
                         const std::vector<std::string> &columns)
{
    const std::size_t count = names.size();
    std::string text;
    for (const std::string &name : names)
        text += name + '\t';
    for (std::size_t k = 0; k < outputNames.size(); ++k)
        text += outputNames[k] + (k + 1 < outputNames.size() ? '\t' : '\n');
    const std::size_t rows = columns.empty() ? 0 : columns.front().size();
    for (std::size_t m = 0; m < rows; ++m) {
        for (std::size_t k = 0; k < count; ++k)
            text += ((m >> (count - 1 - k)) & 1U) != 0 ? "1\t" : "0\t";
        for (std::size_t k = 0; k < columns.size(); ++k) {
            text += m < columns[k].size() ? columns[k][m] : 'X';
            text += k + 1 < columns.size() ? '\t' : '\n';
        }
    }
    return text;
}

} // namespace TruthTableText
