// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "check/AnswerVerdict.h"
#include "minimize/MinimizationForm.h"

#include <cstdint>
#include <string>
#include <vector>

// Grades answers to "minimize this function": one checker per function, form
// and set of names, so that a class's answers share the exact minimum, which
// is found once.
class AnswerChecker
{
public:
    // `cellCodes` holds at least 2^n codes of the function itself (0, 1, and
    // anything else for a don't care; not swapped for the product of sums),
    // `names` the n variable names the answers are written with. Throws
    // std::invalid_argument for n outside 2..6, too few codes or a wrong
    // number of names.
    AnswerChecker(int n, const std::vector<int> &cellCodes, MinimizationForm form,
                  const std::vector<std::string> &names);

    // The verdict on `answer`, written in the equation syntax.
    AnswerVerdict check(const std::string &answer) const;

    // The cost of the exact minimum and one exact minimum in the window's
    // notation.
    const AnswerCost &minimum() const { return minimum_; }
    const std::string &minimumText() const { return minimumText_; }

private:
    void gradeTerms(AnswerVerdict &verdict, const std::vector<std::uint64_t> &masks) const;

    int n_;
    MinimizationForm form_;
    std::vector<std::string> names_;
    // One bit per cell.
    std::uint64_t ones_ = 0;
    std::uint64_t zeros_ = 0;
    AnswerCost minimum_;
    std::string minimumText_;
};
