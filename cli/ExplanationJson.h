// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "explain/Explanation.h"
#include "explain/JointExplanation.h"

#include <string>

// An explanation as one compact JSON object, keys in the order of the
// explanation: file, n, names, form, tabulation, primes, chart, choices, the
// window's cover, the minimum, the minimum solutions and, when searched, the
// hazard-free cover.
class ExplanationJson
{
public:
    static std::string text(const std::string &file, const Explanation &explanation);
    // A joint cover: file, n, names, form, primes (with the outputs each may
    // serve), the chart's rows (output, cell, the primes on the row), then
    // the keys of `minimize --joint --json`: products, their counts, proven
    // and each output's text.
    static std::string text(const std::string &file, const JointExplanation &explanation);
};
