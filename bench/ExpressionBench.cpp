// SPDX-License-Identifier: GPL-3.0-or-later
// Measures the equation entry's work for six variables: an equation of 200
// operators, evaluated alone and as the 64-row fill (one parse, then one
// evaluation per row with fresh variable values).
#include "expression/ExpressionEvaluator.h"

#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace {

const std::vector<std::string> names{"A", "B", "C", "D", "E", "F"};

// A fixed equation of exactly 200 operators: binary operators between
// operands, a NOT now and then, and parenthesised groups.
std::string equation()
{
    std::mt19937 random(6);
    constexpr std::string_view binary = "&+^&";
    std::string text = "A";
    int operators = 0;
    while (operators < 200) {
        text += binary[random() % 4];
        ++operators;
        if (operators <= 197 && random() % 5 == 0) {
            text += "(" + names[random() % 6] + binary[random() % 4] + names[random() % 6] + ")'";
            operators += 2;
        } else {
            text += names[random() % 6];
        }
    }
    return text;
}

std::vector<bool> assignment(int row)
{
    std::vector<bool> values;
    values.reserve(6);
    for (int i = 0; i < 6; ++i)
        values.push_back((row >> (5 - i)) & 1);
    return values;
}

template <typename Work> double microsecondsPerRun(int runs, Work work)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i)
        work();
    const std::chrono::duration<double, std::micro> elapsed =
        std::chrono::steady_clock::now() - start;
    return elapsed.count() / runs;
}

} // namespace

int main()
{
    const std::string text = equation();
    ExpressionEvaluator evaluator;
    evaluator.Set_Variable_Names(names);
    volatile int sink = 0;

    evaluator.Set_Expression(text);
    evaluator.Set_Variable_Values(assignment(0));
    evaluator.Evaluate_Expression(); // parse outside the measurement
    int row = 0;
    const double evaluation = microsecondsPerRun(200000, [&] {
        evaluator.Set_Variable_Values(assignment(row++ & 63));
        sink = sink + evaluator.Evaluate_Expression();
    });

    const double fill = microsecondsPerRun(5000, [&] {
        evaluator.Set_Expression(text);
        std::vector<bool> results;
        for (int r = 0; r < 64; ++r) {
            evaluator.Set_Variable_Values(assignment(r));
            results.push_back(evaluator.Evaluate_Expression());
        }
        sink = sink + static_cast<int>(results.size());
    });

    std::printf("expression: %zu characters, 200 operators, 6 variables\n", text.size());
    std::printf("expression: one evaluation  %8.3f us\n", evaluation);
    std::printf("expression: 64-row fill     %8.3f us (parse once + 64 evaluations)\n", fill);
    return 0;
}
