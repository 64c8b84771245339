// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MinimizationForm.h"
#include "ResultText.h"

#include <string>
#include <vector>

// The cover a "Minimize!" settled on, in a form other views can use without
// running the minimizer again: the result text as shown, the chosen terms as
// cubes and the names they were written with.
struct MinimizedCover
{
    int variableCount = 0;
    MinimizationForm form = MinimizationForm::SumOfProducts;
    VariableNames names;
    // The chosen primes, 1-based numbers into the minimization's list, in the
    // order of the text.
    std::vector<int> primes;
    // One cube per chosen term, in the order of the text: n characters over
    // '0', '1' and '-', first variable first, without the prime marker. In the
    // product-of-sums form a cube describes a group of zeros; its term is the
    // sum of the complemented literals.
    std::vector<std::string> cubes;
    // The minterms of each term, as shaded on the map.
    std::vector<std::vector<int>> groups;
    std::string text;
    int literals = 0; // the '0' and '1' characters of all cubes
};
