// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "explain/Explanation.h"

#include <string>

// An explanation as one compact JSON object, keys in the order of the
// explanation: file, n, names, form, tabulation, primes, chart, choices, the
// window's cover, the minimum, the minimum solutions and, when searched, the
// hazard-free cover.
class ExplanationJson
{
public:
    static std::string text(const std::string &file, const Explanation &explanation);
};
