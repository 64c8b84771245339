// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "outputs/MultiOutputFunction.h"

#include <random>
#include <string>

// Functions of several outputs for property sweeps.
class RandomOutputs
{
public:
    // A name of 1 to 3 letters or digits, valid or not as the rules judge it.
    static std::string name(std::mt19937 &random);

    // n inputs and k outputs, every cell '0', '1' or 'X' (about one in
    // `dontCareShare` an 'X'; 0 for none). With `named` the inputs and
    // outputs take random names that satisfy the rules, else the defaults.
    static MultiOutputFunction function(std::mt19937 &random, int n, int k, bool named,
                                        unsigned dontCareShare = 5);
};
