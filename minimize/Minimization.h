// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CoverSelector.h"
#include "MinimizationForm.h"
#include "PrimeImplicant.h"
#include "PrimeImplicantGenerator.h"
#include "ResultText.h"

#include <string>
#include <string_view>
#include <vector>

// Everything one minimization produces.
struct MinimizationResult
{
    int variableCount = 0;
    MinimizationForm form = MinimizationForm::SumOfProducts;
    // The 2^n cell codes worked on: 0, 1, 2 = don't care; in the
    // product-of-sums form 0 and 1 are swapped, so they describe the
    // complement of the function.
    std::vector<int> cellCodes;
    // Prime implicants in stored order; prime number p is primes[p - 1].
    std::vector<PrimeImplicant> primes;
    // Prime numbers in the order they were chosen.
    std::vector<int> selection;
    // One group per chosen prime, in order of choice: a copy of its minterm
    // list (don't cares included). In the product-of-sums form the groups
    // are groups of zeros.
    std::vector<std::vector<int>> groups;
    // The minimized expression, see resultText().
    std::string text;
};

// Minimizes Boolean functions of 1..6 variables to a sum of products or a
// product of sums.
class Minimization
{
public:
    // Cell code of an output text: "1" is 1, "0" is 0, anything else (the
    // don't-care mark "X", an empty text) is a don't care, 2.
    static int cellCode(const std::string &text);
    // One code per character of `values` ('0', '1', 'X' as the truth table
    // and PLA files write cells), by the rule of cellCode().
    static std::vector<int> cellCodes(std::string_view values);

    // cellCodes holds at least 2^n codes, code m for minterm m (the first
    // variable is the most significant bit); codes other than 0 and 1 are
    // don't cares. names[j] names variable j in the text. Throws
    // std::invalid_argument for n outside 1..6 or too few codes.
    MinimizationResult run(int n, const std::vector<int> &cellCodes, MinimizationForm form,
                           const VariableNames &names = defaultNames());
    // The same into an existing result, reusing its storage: for minimizing
    // many functions in a row.
    void run(int n, const std::vector<int> &cellCodes, MinimizationForm form,
             const VariableNames &names, MinimizationResult &result);
    // The same, also recording each choice of the cover with its reason, for
    // whoever explains it; only this one pays for that record.
    void run(int n, const std::vector<int> &cellCodes, MinimizationForm form,
             const VariableNames &names, MinimizationResult &result,
             std::vector<CoverStep> &choices);

    static VariableNames defaultNames();

private:
    void runRecording(int n, const std::vector<int> &cellCodes, MinimizationForm form,
                      const VariableNames &names, MinimizationResult &result,
                      std::vector<CoverStep> *choices);

    PrimeImplicantGenerator generator_;
    CoverSelector selector_;
};
