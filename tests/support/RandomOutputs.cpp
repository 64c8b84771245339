// SPDX-License-Identifier: GPL-3.0-or-later
#include "RandomOutputs.h"

#include <algorithm>
#include <vector>

std::string RandomOutputs::name(std::mt19937 &random)
{
    static const std::string alphabet =
        "0123456789abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    std::string name(1 + random() % 3, ' ');
    for (char &c : name)
        c = alphabet[random() % alphabet.size()];
    return name;
}

MultiOutputFunction RandomOutputs::function(std::mt19937 &random, int n, int k, bool named,
                                            unsigned dontCareShare)
{
    MultiOutputFunction function(n, k);
    for (int output = 0; output < k; ++output) {
        std::string values;
        for (std::size_t m = 0; m < function.cellCount(); ++m) {
            const bool dontCare = dontCareShare != 0 && random() % dontCareShare == 0;
            values += dontCare ? 'X' : (random() % 2 != 0U ? '1' : '0');
        }
        function.setValues(output, values);
    }
    if (named) {
        std::vector<std::string> all;
        while (all.size() < static_cast<std::size_t>(n) + static_cast<std::size_t>(k)) {
            const std::string candidate = name(random);
            if (std::find(all.begin(), all.end(), candidate) == all.end())
                all.push_back(candidate);
        }
        function.setNames({all.begin(), all.begin() + n}, {all.begin() + n, all.end()});
    }
    return function;
}
