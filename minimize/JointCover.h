// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "MinimizationForm.h"

#include <cstdint>
#include <string>
#include <vector>

// One product of a cover shared by several outputs.
struct JointProduct
{
    // n characters over '0', '1' and '-', first variable first. In the
    // product-of-sums form the cube is a group of zeros; its term is the sum
    // of the complemented literals.
    std::string cube;
    // Bit j set: output j uses this product (for a prime: output j may use
    // it, being an implicant of j that covers one of its cells of code 1).
    std::uint64_t outputs = 0;
    // The cells of the cube, ascending.
    std::vector<int> minterms;
};

// A cover of every output at once with products shared between outputs.
struct JointCover
{
    int variableCount = 0;
    int outputCount = 0;
    MinimizationForm form = MinimizationForm::SumOfProducts;
    // The distinct products, ordered by their first cell, larger cubes first.
    std::vector<JointProduct> products;
    int literals = 0;    // literals of the distinct products
    int connections = 0; // sum over products of the outputs they feed
    // The search finished: no cover has fewer products, or as many with
    // fewer literals, or as many of both with fewer connections.
    bool proven = false;
    bool cancelled = false;
};
