// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/EvalCommand.h"

#include "cli/SolutionFinder.h"
#include "expression/ExpressionEvaluator.h"
#include "expression/ExpressionException.h"

#include <vector>

int EvalCommand::run(const CliOptions &options, std::string &out, std::string &err)
{
    std::vector<std::string> names = options.names;
    if (names.empty()) {
        const VariableNames defaults = Minimization::defaultNames();
        names.assign(defaults.begin(), defaults.begin() + options.variableCount);
    }
    const int n = static_cast<int>(names.size());

    if (options.expression.empty()) {
        err += "An empty expression cannot be evaluated.\n";
        return 1;
    }

    // Every row in the order of the equation field: the first name is the
    // most significant bit of the row number.
    ExpressionEvaluator evaluator;
    evaluator.Set_Variable_Names(names);
    evaluator.Set_Expression(options.expression);
    std::vector<int> cells;
    cells.reserve(std::size_t{1} << n);
    try {
        std::vector<bool> values(static_cast<std::size_t>(n));
        for (int row = 0; row < (1 << n); ++row) {
            for (int i = 0; i < n; ++i)
                values[static_cast<std::size_t>(i)] = (row >> (n - 1 - i)) & 1;
            evaluator.Set_Variable_Values(values);
            cells.push_back(evaluator.Evaluate_Expression() ? 1 : 0);
        }
    } catch (const ExpressionException &e) {
        err += "Error detected while parsing and evaluating the expression:\n\n" + e.Get_Message() +
               "\n";
        return 1;
    }

    if (options.minimize) {
        VariableNames six = Minimization::defaultNames();
        for (int j = 0; j < n; ++j)
            six[static_cast<std::size_t>(j)] = names[static_cast<std::size_t>(j)];
        SolutionFinder finder;
        const SolvedFunction solved =
            finder.solve(n, cells,
                         options.productOfSums ? MinimizationForm::ProductOfSums
                                               : MinimizationForm::SumOfProducts,
                         six, options.exact, false);
        out += solved.solutions.front().text + "\n";
        return 0;
    }

    out.reserve(out.size() + (std::size_t{1} << n) * static_cast<std::size_t>(n + 3));
    for (int row = 0; row < (1 << n); ++row) {
        for (int i = 0; i < n; ++i)
            out += ((row >> (n - 1 - i)) & 1) ? '1' : '0';
        out += ' ';
        out += cells[static_cast<std::size_t>(row)] ? '1' : '0';
        out += '\n';
    }
    return 0;
}
