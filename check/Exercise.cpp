// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/Exercise.h"

#include "check/AnswerChecker.h"
#include "domain/VariableRules.h"
#include "minimize/Minimization.h"

#include <algorithm>
#include <bitset>
#include <random>
#include <vector>

namespace {

// The percentage of cells made don't care, when asked for.
constexpr unsigned dontCarePercent = 10;
// Far more draws than any seed needs; the last draw is taken regardless so
// that every seed gives an exercise.
constexpr int draws = 1000;

std::vector<std::string> defaultNames(int n)
{
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(n));
    for (int j = 0; j < n; ++j)
        names.push_back(VariableRules::defaultName(j));
    return names;
}

bool sensible(int n, const std::string &cells, MinimizationForm form)
{
    if (cells.find('0') == std::string::npos || cells.find('1') == std::string::npos)
        return false;
    const AnswerChecker checker(n, Minimization::cellCodes(cells), form, defaultNames(n));
    const AnswerCost &minimum = checker.minimum();
    return minimum.terms >= 2 && minimum.terms <= n + 1 && minimum.literals > minimum.terms;
}

} // namespace

// A few random terms of about half to all but one of the variables, OR-ed (the
// cells they cover are the ones, or in the product of sums the zeros), as
// exercises in textbooks are made: random cells would need far more terms.
// Only the engine's raw output is used: the standard distributions may
// differ between libraries, the engine's sequence may not.
std::string Exercise::cells() const
{
    const int n = std::clamp(variables, VariableRules::minCount, VariableRules::maxCount);
    const unsigned cellCount = 1U << n;
    const bool sums = form == MinimizationForm::ProductOfSums;
    // Half the variables to all but one; small functions may use all.
    const auto fewest = static_cast<unsigned>(std::max(1, n / 2));
    const auto most = static_cast<unsigned>(n <= 3 ? n : n - 1);
    std::mt19937 engine(seed);
    std::string result;
    for (int attempt = 0; attempt < draws; ++attempt) {
        result.assign(cellCount, sums ? '1' : '0');
        const unsigned terms = 2 + engine() % static_cast<unsigned>(n - 1);
        for (unsigned t = 0; t < terms; ++t) {
            const unsigned literals = fewest + engine() % (most - fewest + 1);
            unsigned care = 0;
            while (std::bitset<VariableRules::maxCount>(care).count() < literals)
                care |= 1U << (engine() % static_cast<unsigned>(n));
            const unsigned value = engine() & care;
            for (unsigned m = 0; m < cellCount; ++m) {
                if ((m & care) == value)
                    result[m] = sums ? '0' : '1';
            }
        }
        for (unsigned m = 0; dontCares && m < cellCount; ++m) {
            if (engine() % 100 < dontCarePercent)
                result[m] = 'X';
        }
        if (sensible(n, result, form))
            break;
    }
    return result;
}
