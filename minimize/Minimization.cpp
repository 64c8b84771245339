// SPDX-License-Identifier: GPL-3.0-or-later
#include "Minimization.h"

#include "domain/VariableRules.h"

#include <stdexcept>

int Minimization::cellCode(const std::string &text)
{
    if (text == "1")
        return 1;
    if (text == "0")
        return 0;
    return 2;
}

std::vector<int> Minimization::cellCodes(std::string_view values)
{
    std::vector<int> codes;
    codes.reserve(values.size());
    for (const char value : values)
        codes.push_back(value == '1' ? 1 : value == '0' ? 0 : 2);
    return codes;
}

VariableNames Minimization::defaultNames()
{
    return VariableRules::defaultNames();
}

MinimizationResult Minimization::run(int n, const std::vector<int> &cellCodes,
                                     MinimizationForm form, const VariableNames &names)
{
    MinimizationResult result;
    run(n, cellCodes, form, names, result);
    return result;
}

void Minimization::run(int n, const std::vector<int> &cellCodes, MinimizationForm form,
                       const VariableNames &names, MinimizationResult &result)
{
    runRecording(n, cellCodes, form, names, result, nullptr);
}

void Minimization::run(int n, const std::vector<int> &cellCodes, MinimizationForm form,
                       const VariableNames &names, MinimizationResult &result,
                       std::vector<CoverStep> &choices)
{
    runRecording(n, cellCodes, form, names, result, &choices);
}

void Minimization::runRecording(int n, const std::vector<int> &cellCodes, MinimizationForm form,
                                const VariableNames &names, MinimizationResult &result,
                                std::vector<CoverStep> *choices)
{
    if (n < 1 || n > 6)
        throw std::invalid_argument("variable count must be 1..6");
    const std::size_t cellCount = std::size_t{1} << n;
    if (cellCodes.size() < cellCount)
        throw std::invalid_argument("fewer cell codes than 2^n");

    // The product of sums is found as the sum of products of the
    // complement: 0 and 1 swap places, so the zeros are covered.
    result.variableCount = n;
    result.form = form;
    const int swap = form == MinimizationForm::ProductOfSums ? 1 : 0;
    result.cellCodes.resize(cellCount);
    for (std::size_t m = 0; m < cellCount; ++m) {
        const int code = cellCodes[m];
        result.cellCodes[m] = code == 0 || code == 1 ? code ^ swap : 2;
    }

    generator_.generate(n, result.cellCodes, result.primes);
    if (choices)
        selector_.select(result.cellCodes, result.primes, result.selection, *choices);
    else
        selector_.select(result.cellCodes, result.primes, result.selection);
    result.groups.resize(result.selection.size());
    for (std::size_t g = 0; g < result.selection.size(); ++g)
        result.groups[g] =
            result.primes[static_cast<std::size_t>(result.selection[g] - 1)].minterms;
    resultText(result.cellCodes, result.primes, result.selection, form, names, result.text);
}
