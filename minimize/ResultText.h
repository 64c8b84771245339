// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MinimizationForm.h"
#include "PrimeImplicant.h"
#include "domain/VariableRules.h"

#include <array>
#include <string>
#include <vector>

using VariableNames = std::array<std::string, VariableRules::maxCount>;

// The minimized expression without blanks: "A'&B+A&B'" for a sum of
// products, "(A+B)&(A'+B')" for a product of sums, whose primes describe the
// zeros and so are written with inverted literals. A function that needs no
// literal prints "1" if any cell of the function is 1 and "0" otherwise.
//
// cellCodes is the working array (0 and 1 swapped in the product-of-sums
// form), selection the 1-based prime numbers in order of choice, names[j] the
// name of variable j.
std::string resultText(const std::vector<int> &cellCodes, const std::vector<PrimeImplicant> &primes,
                       const std::vector<int> &selection, MinimizationForm form,
                       const VariableNames &names);
// The same into an existing string.
void resultText(const std::vector<int> &cellCodes, const std::vector<PrimeImplicant> &primes,
                const std::vector<int> &selection, MinimizationForm form,
                const VariableNames &names, std::string &text);
