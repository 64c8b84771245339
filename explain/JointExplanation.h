// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The joint cover of several outputs as a chart shows it, plain data for the
// steps window and the command line:
//
//   JointExplanation e = JointExplainer::explain(n, cellCodes, form, names, outputNames);
//   std::string md = renderExplanation(e, ExplanationFormat::Markdown);
//
// Numbers of primes are 1-based positions in `primes`, which keeps the
// minimize core's order of the multi-output primes.

#include "minimize/JointCover.h"
#include "minimize/MinimizationForm.h"
#include "minimize/ResultText.h"

#include <cstdint>
#include <string>
#include <vector>

struct JointPrime
{
    int number = 0;
    std::string cube; // n characters over '0', '1', '-'
    std::string term; // in the current names, e.g. "A'&C" or "(A+C')"
    int literals = 0;
    std::vector<int> minterms; // the cube's cells, ascending
    // Bit j: output j may use the prime (an implicant of j covering one of
    // its cells to cover).
    std::uint64_t outputs = 0;
    // Bit j: the joint cover feeds output j from this prime; 0 when the
    // cover leaves the prime out.
    std::uint64_t feeds = 0;
    // The only prime on some row of the chart.
    bool essential = false;
};

// One row of the chart: a cell that output `output` needs covered (value 1
// in the sum of products, 0 in the product of sums).
struct JointChartRow
{
    int output = 0;
    int cell = 0;
    // The primes that may cover it for that output, ascending.
    std::vector<int> primes;
};

struct JointExplanation
{
    int variableCount = 0;
    MinimizationForm form = MinimizationForm::SumOfProducts;
    VariableNames names;
    std::vector<std::string> outputNames;

    std::vector<JointPrime> primes;
    // Output by output, each output's cells ascending.
    std::vector<JointChartRow> rows;

    // The cover as the minimize core returned it, and the numbers of the
    // primes its products are, in the order of its products.
    JointCover cover;
    std::vector<int> chosen;
    // Each output's expression from the products it uses.
    std::vector<std::string> outputTexts;
};
