// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// One prime implicant as the minimizer reports it.
struct PrimeImplicant
{
    // n characters over '0', '1' and '-' (first variable first), then the
    // prime marker '*', e.g. "0-1*".
    std::string cube;
    // The minterms the cube covers, don't cares included, in the order the
    // merging produced them (left cube's list, then right cube's list).
    std::vector<int> minterms;
};
