#include "Minimization.h"

#include "CoverSelector.h"

#include <stdexcept>

int Minimization::cellCode(const std::string &text)
{
    if (text == "1")
        return 1;
    if (text == "0")
        return 0;
    return 2;
}

VariableNames Minimization::defaultNames()
{
    return {"A", "B", "C", "D", "E", "F"};
}

MinimizationResult Minimization::run(int n, const std::vector<int> &cellCodes,
                                     MinimizationForm form, const VariableNames &names)
{
    if (n < 1 || n > 6)
        throw std::invalid_argument("variable count must be 1..6");
    const std::size_t cellCount = std::size_t{1} << n;
    if (cellCodes.size() < cellCount)
        throw std::invalid_argument("fewer cell codes than 2^n");

    MinimizationResult result;
    result.cellCodes.reserve(cellCount);
    for (std::size_t m = 0; m < cellCount; ++m) {
        int code = cellCodes[m] == 0 || cellCodes[m] == 1 ? cellCodes[m] : 2;
        // The product of sums is found as the sum of products of the
        // complement: cover the zeros instead of the ones.
        if (form == MinimizationForm::ProductOfSums && code != 2)
            code = 1 - code;
        result.cellCodes.push_back(code);
    }

    result.primes = generator_.generate(n, result.cellCodes);
    result.selection = CoverSelector::select(result.cellCodes, result.primes);
    result.groups.reserve(result.selection.size());
    for (const int number : result.selection)
        result.groups.push_back(result.primes[static_cast<std::size_t>(number - 1)].minterms);
    result.text = resultText(result.cellCodes, result.primes, result.selection, form, names);
    return result;
}
