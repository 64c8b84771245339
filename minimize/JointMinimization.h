// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "JointCover.h"
#include "MinimizationForm.h"
#include "ResultText.h"

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

// How long a joint minimization may search for a proof of its minimum.
struct JointLimits
{
    int milliseconds = 10000;
    // Polled during the search; once true the best cover found so far is
    // returned, marked cancelled.
    const std::atomic<bool> *cancel = nullptr;
    // How much the branch and bound may try alone before the integer
    // programming solver, where the build has it, takes over the rest of the
    // time; it settles small functions in microseconds, the solver the hard
    // ones. 0 hands every function to the solver at once. Counted in work
    // (see JointSearch::setWorkLimit), not time, so that a function gets the
    // same cover however busy the machine is.
    std::uint64_t searchWork = 300000;
};

// Minimizes several outputs over the same inputs together: products that
// serve several outputs are counted once. The cost is compared in order: the
// distinct products, their literals, the product-to-output connections.
class JointMinimization
{
public:
    // cellCodes holds one vector of at least 2^n codes per output (0, 1, and
    // anything else a don't care), code m for minterm m, the first variable
    // the most significant bit. Throws std::invalid_argument for n outside
    // 2..6, outputs outside 1..64, or too few codes.
    static JointCover minimize(int n, const std::vector<std::vector<int>> &cellCodes,
                               MinimizationForm form, const JointLimits &limits = {});
    // Output j's expression from the products it uses, written as
    // resultText() writes one output.
    static std::string outputText(const JointCover &cover, int output, const VariableNames &names);
    // One product alone, as a term of outputText(): "A'&B" in the
    // sum-of-products form, "(A+B')" in the product-of-sums form.
    static std::string productText(const JointProduct &product, MinimizationForm form,
                                   const VariableNames &names);
    // The multi-output primes: every cube whose set of outputs it is an
    // implicant of shrinks when any literal is dropped, and that covers a
    // cell of code 1 of one of those outputs. Ordered by literal count, then
    // cube.
    static std::vector<JointProduct> primes(int n, const std::vector<std::vector<int>> &cellCodes,
                                            MinimizationForm form);
};
