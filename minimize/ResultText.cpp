// SPDX-License-Identifier: GPL-3.0-or-later
#include "ResultText.h"

#include <algorithm>

std::string resultText(const std::vector<int> &cellCodes, const std::vector<PrimeImplicant> &primes,
                       const std::vector<int> &selection, MinimizationForm form,
                       const VariableNames &names)
{
    std::string text;
    resultText(cellCodes, primes, selection, form, names, text);
    return text;
}

void resultText(const std::vector<int> &cellCodes, const std::vector<PrimeImplicant> &primes,
                const std::vector<int> &selection, MinimizationForm form,
                const VariableNames &names, std::string &text)
{
    const bool sumOfProducts = form == MinimizationForm::SumOfProducts;
    text.clear();
    bool firstTerm = true;
    for (const int number : selection) {
        const std::string &cube = primes.at(static_cast<std::size_t>(number - 1)).cube;
        if (!firstTerm)
            text += sumOfProducts ? '+' : '&';
        firstTerm = false;
        if (!sumOfProducts)
            text += '(';
        // Positions with a literal ('0' or '1'; not a dash or the prime
        // marker), found first so that the loop below does not branch on
        // every dash.
        const std::size_t width = std::min(cube.size(), names.size());
        unsigned literals = 0;
        for (std::size_t j = 0; j < width; ++j)
            literals |= static_cast<unsigned>(cube[j] == '0' || cube[j] == '1') << j;
        for (unsigned rest = literals; rest != 0; rest &= rest - 1) {
            const int j = __builtin_ctz(rest);
            if (rest != literals)
                text += sumOfProducts ? '&' : '+';
            if (names[j].size() == 1)
                text += names[j][0];
            else
                text += names[j];
            // In the product of sums the primes cover the zeros, so a 1 in
            // the cube becomes a complemented literal.
            if ((cube[j] == '0') == sumOfProducts)
                text += '\'';
        }
        if (!sumOfProducts)
            text += ')';
    }

    if (text.empty() || text == "()") {
        // The working array is swapped in the product-of-sums form, so a cell
        // of value 1 shows there as a 0.
        const int one = sumOfProducts ? 1 : 0;
        const bool anyOne = std::find(cellCodes.begin(), cellCodes.end(), one) != cellCodes.end();
        text = anyOne ? "1" : "0";
    }
}
