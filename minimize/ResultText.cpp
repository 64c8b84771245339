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
    // Written through a pointer into room for the longest possible text, cut
    // to length at the end: appending character by character checked the
    // capacity for every one, a good part of a whole minimization.
    std::size_t perTerm = 3; // separator and parentheses
    for (const std::string &name : names)
        perTerm += name.size() + 2; // a separator and the complement mark
    text.resize(selection.size() * perTerm);
    char *const start = text.data();
    char *out = start;
    bool firstTerm = true;
    for (const int number : selection) {
        const std::string &cube = primes.at(static_cast<std::size_t>(number - 1)).cube;
        if (!firstTerm)
            *out++ = sumOfProducts ? '+' : '&';
        firstTerm = false;
        if (!sumOfProducts)
            *out++ = '(';
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
                *out++ = sumOfProducts ? '&' : '+';
            const std::string &name = names[static_cast<std::size_t>(j)];
            if (name.size() == 1)
                *out++ = name[0];
            else
                out = std::copy(name.begin(), name.end(), out);
            // In the product of sums the primes cover the zeros, so a 1 in
            // the cube becomes a complemented literal.
            if ((cube[static_cast<std::size_t>(j)] == '0') == sumOfProducts)
                *out++ = '\'';
        }
        if (!sumOfProducts)
            *out++ = ')';
    }
    text.resize(static_cast<std::size_t>(out - start));

    if (text.empty() || text == "()") {
        // The working array is swapped in the product-of-sums form, so a cell
        // of value 1 shows there as a 0.
        const int one = sumOfProducts ? 1 : 0;
        const bool anyOne = std::find(cellCodes.begin(), cellCodes.end(), one) != cellCodes.end();
        text = anyOne ? "1" : "0";
    }
}
