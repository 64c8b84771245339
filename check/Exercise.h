// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "minimize/MinimizationForm.h"

#include <cstdint>
#include <string>

// A practice function a seed stands for. The same settings and seed give the
// same function on every machine and in the browser, so a teacher can hand
// a class one exercise by its seed.
class Exercise
{
public:
    static constexpr std::uint32_t largestSeed = 999999;

    int variables = 4;
    MinimizationForm form = MinimizationForm::SumOfProducts;
    bool dontCares = false;
    std::uint32_t seed = 1;

    // One '0', '1' or 'X' per minterm: a function that is neither constant
    // nor a single term or a sum (product) of lone literals, with a minimum
    // of two to n + 1 terms in the form.
    std::string cells() const;
};
