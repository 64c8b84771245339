// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// How a cover becomes gates. The AND-OR styles draw a sum of products as
// AND gates into an OR gate and a product of sums as OR gates into an AND
// gate; they differ in where complemented inputs come from. NAND-NAND suits a
// sum of products and NOR-NOR a product of sums; given the other form they
// add an inverter at the output.
enum class CircuitStyle
{
    AndOrInverters,
    AndOrInvertedInputs,
    NandNand,
    NorNor,
};

// The word the command line and the settings use for a style.
inline std::string circuitStyleKey(CircuitStyle style)
{
    switch (style) {
    case CircuitStyle::AndOrInvertedInputs:
        return "inverted-inputs";
    case CircuitStyle::NandNand:
        return "nand";
    case CircuitStyle::NorNor:
        return "nor";
    case CircuitStyle::AndOrInverters:
        break;
    }
    return "and-or";
}

// False for a word that names no style.
inline bool circuitStyleFromKey(const std::string &key, CircuitStyle &style)
{
    for (CircuitStyle candidate : {CircuitStyle::AndOrInverters, CircuitStyle::AndOrInvertedInputs,
                                   CircuitStyle::NandNand, CircuitStyle::NorNor}) {
        if (circuitStyleKey(candidate) == key) {
            style = candidate;
            return true;
        }
    }
    return false;
}
