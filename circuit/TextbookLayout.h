// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "circuit/CircuitLayout.h"

#include <string>

// A two-level circuit as textbooks draw it: the inputs stacked on the left,
// each running into a vertical rail, its complement on a rail beside it
// (from a NOT gate or an inverted input); every first-level gate in one
// column, in the order of the expression, tapping the rails with a dot at
// each tap; the second level after them and the output on the right. A gate
// split for the fan-in is a small cascade beside the gate it splits, and the
// products and sums carry their terms as captions.
class TextbookLayout
{
public:
    // False, leaving `layout` alone, when the netlist has no first level of
    // gates over the rails (a constant, a lone literal) or a shape this
    // drawing would have to cross a wire through a gate to show.
    static bool compute(const Netlist &netlist, const std::string &outputName,
                        CircuitLayout &layout);
};
