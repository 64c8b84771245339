// SPDX-License-Identifier: GPL-3.0-or-later
// A function of 2 to 6 variables built from the bytes, explained in either
// form, with or without the listed solutions and the hazard-free cover, under
// names taken from the bytes, and rendered in every format. The story must
// hold together: the primes are the tabulation's survivors, every cover
// covers each 1 and no 0 and its text evaluates to the function, the
// minimum is no larger than the window's cover, and every rendering is
// clean UTF-8 text.
//
// Byte 0: bits 0-2 the count (2 + value % 5), bit 3 the product of sums,
// bit 4 the hazard-free cover, bit 5 the solution list, bit 6 own names.
// Byte 1: the list's limit (1 + bits 0-2) and count cap (bits 3-7).
// Then one byte per name when own names are asked for, then the cells, two
// bits each (0, 1, don't care, another don't-care code), missing cells 0.
#include "explain/Explainer.h"
#include "explain/ExplanationRenderer.h"
#include "expression/ExpressionEvaluator.h"
#include "expression/ExpressionException.h"
#include "fuzz/FuzzChecks.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace {

void check(bool condition, const char *what)
{
    FuzzChecks::check(condition, "explain", what);
}

struct Input
{
    int n = 2;
    MinimizationForm form = MinimizationForm::SumOfProducts;
    ExplainOptions options;
    VariableNames names = Minimization::defaultNames();
    std::vector<int> codes; // as given: 0, 1, 2 or -1
};

// A name starts with a letter, so that no name reads as the constant 0 or 1
// of a result; later characters may be digits and names may collide.
std::string nameFrom(unsigned byte)
{
    static constexpr std::string_view first = "ABCabZ";
    static constexpr std::string_view later = "ABab01";
    std::string name(1, first[byte % 6]);
    if (byte & 0x40)
        name += later[(byte >> 3) & 3];
    if (byte & 0x80)
        name += later[((byte >> 3) & 3) + 2];
    return name;
}

Input readInput(const uint8_t *data, size_t size)
{
    Input input;
    std::size_t at = 0;
    const auto next = [&]() -> unsigned { return at < size ? data[at++] : 0u; };
    const unsigned flags = next();
    input.n = 2 + static_cast<int>(flags & 7u) % 5;
    if (flags & 8u)
        input.form = MinimizationForm::ProductOfSums;
    input.options.hazardFree = (flags & 16u) != 0;
    input.options.listSolutions = (flags & 32u) != 0;
    const unsigned limits = next();
    input.options.solutionLimit = 1 + (limits & 7u);
    input.options.countCap = 1 + (limits >> 3) * 40u;
    if (flags & 64u) {
        // The program never passes two equal names; keep the defaults then.
        VariableNames names = input.names;
        for (int j = 0; j < input.n; ++j)
            names[static_cast<std::size_t>(j)] = nameFrom(next());
        const std::set<std::string> distinct(names.begin(), names.begin() + input.n);
        if (distinct.size() == static_cast<std::size_t>(input.n))
            input.names = names;
    }
    static constexpr std::array<int, 4> codeOf{0, 1, 2, -1};
    const int cells = 1 << input.n;
    for (int m = 0; m < cells; m += 4) {
        const unsigned byte = next();
        for (int k = 0; k < 4 && m + k < cells; ++k)
            input.codes.push_back(codeOf[(byte >> (2 * k)) & 3u]);
    }
    return input;
}

bool cubeHolds(const std::string &cube, int m)
{
    const int n = static_cast<int>(cube.size());
    for (int j = 0; j < n; ++j) {
        const char c = cube[static_cast<std::size_t>(j)];
        const int bit = (m >> (n - 1 - j)) & 1;
        if (c != '-' && c - '0' != bit)
            return false;
    }
    return true;
}

// The values of a result text on every row, as the equation field reads it.
std::vector<bool> valuesOf(const std::string &text, const Input &input)
{
    const int cells = 1 << input.n;
    if (text == "0" || text == "1")
        return std::vector<bool>(static_cast<std::size_t>(cells), text == "1");
    ExpressionEvaluator evaluator;
    evaluator.Set_Variable_Names(
        std::vector<std::string>(input.names.begin(), input.names.begin() + input.n));
    evaluator.Set_Expression(text);
    std::vector<bool> result;
    try {
        for (int m = 0; m < cells; ++m) {
            std::vector<bool> values;
            values.reserve(static_cast<std::size_t>(input.n));
            for (int j = 0; j < input.n; ++j)
                values.push_back((m >> (input.n - 1 - j)) & 1);
            evaluator.Set_Variable_Values(values);
            result.push_back(evaluator.Evaluate_Expression());
        }
    } catch (const ExpressionException &) {
        FuzzChecks::fail("explain", "a result text the equation field refuses");
    }
    return result;
}

void checkCover(const Explanation &e, const ExplainedCover &cover, const Input &input)
{
    const int cells = 1 << e.variableCount;
    const std::vector<bool> values = valuesOf(cover.text, input);
    int literals = 0;
    for (const int number : cover.primes) {
        check(number >= 1 && number <= static_cast<int>(e.primes.size()), "prime number range");
        literals += e.primes[static_cast<std::size_t>(number - 1)].literals;
    }
    check(cover.terms == static_cast<int>(cover.primes.size()), "terms of a cover");
    check(cover.literals == literals, "literals of a cover");
    for (int m = 0; m < cells; ++m) {
        const int code = e.cellCodes[static_cast<std::size_t>(m)];
        const bool held = std::any_of(cover.primes.begin(), cover.primes.end(), [&](int number) {
            return cubeHolds(e.primes[static_cast<std::size_t>(number - 1)].cube, m);
        });
        check(code != 1 || held, "a cover misses a 1");
        check(code != 0 || !held, "a cover holds a 0");
        const int given = input.codes[static_cast<std::size_t>(m)];
        if (given == 0 || given == 1)
            check(values[static_cast<std::size_t>(m)] == (given == 1), "a cover's text is wrong");
    }
}

void checkPrimes(const Explanation &e)
{
    const int n = e.variableCount;
    std::vector<int> coverers(std::size_t{1} << n, 0);
    for (std::size_t p = 0; p < e.primes.size(); ++p) {
        const ExplainedPrime &prime = e.primes[p];
        check(prime.number == static_cast<int>(p) + 1, "prime numbering");
        check(prime.cube.size() == static_cast<std::size_t>(n) &&
                  prime.cube.find_first_not_of("01-") == std::string::npos,
              "prime cube");
        check(prime.literals ==
                  n - static_cast<int>(std::count(prime.cube.begin(), prime.cube.end(), '-')),
              "prime literals");
        std::vector<int> expected;
        for (int m = 0; m < (1 << n); ++m) {
            if (cubeHolds(prime.cube, m))
                expected.push_back(m);
        }
        check(prime.minterms == expected, "prime minterms");
        std::vector<int> order = prime.groupOrder;
        std::sort(order.begin(), order.end());
        check(order == expected, "prime group order");
        for (const int m : expected) {
            check(e.cellCodes[static_cast<std::size_t>(m)] != 0, "a prime holds a 0");
            ++coverers[static_cast<std::size_t>(m)];
        }
    }
    std::vector<int> chart;
    for (int m = 0; m < (1 << n); ++m) {
        if (e.cellCodes[static_cast<std::size_t>(m)] == 1)
            chart.push_back(m);
    }
    check(e.chartMinterms == chart, "chart rows");
    for (const EssentialPrime &essential : e.essentials) {
        check(coverers[static_cast<std::size_t>(essential.minterm)] == 1, "essential minterm");
        check(cubeHolds(e.primes.at(static_cast<std::size_t>(essential.prime - 1)).cube,
                        essential.minterm),
              "essential prime");
    }
}

// The unchecked cubes of the tabulation are exactly the primes.
void checkTabulation(const Explanation &e)
{
    std::set<int> survivors;
    for (const TabulationPass &pass : e.tabulation) {
        for (const TabulationGroup &group : pass.groups) {
            for (const TabulationCube &cube : group.cubes) {
                if (cube.checked)
                    continue;
                check(cube.prime >= 1 && cube.prime <= static_cast<int>(e.primes.size()),
                      "an unchecked cube without its prime");
                const std::string &prime = e.primes[static_cast<std::size_t>(cube.prime - 1)].cube;
                check(tabulationCubeText(cube, e.variableCount) == prime,
                      "an unchecked cube differs from its prime");
                survivors.insert(cube.prime);
            }
        }
    }
    check(survivors.size() == e.primes.size(), "a prime missing from the tabulation");
}

// Every two adjacent cells of code 1 lie together in one chosen prime.
void checkHazardFree(const Explanation &e, const Input &input)
{
    check(e.hazardFree.searched && e.hazardFree.found, "no hazard-free cover");
    const ExplainedCover &cover = e.hazardFree.cover;
    checkCover(e, cover, input);
    check(cover.terms >= e.minimum.terms, "hazard-free cover below the minimum");
    const int n = e.variableCount;
    for (int m = 0; m < (1 << n); ++m) {
        for (int j = 0; j < n; ++j) {
            const int other = m ^ (1 << j);
            if (other < m || e.cellCodes[static_cast<std::size_t>(m)] != 1 ||
                e.cellCodes[static_cast<std::size_t>(other)] != 1)
                continue;
            const bool together =
                std::any_of(cover.primes.begin(), cover.primes.end(), [&](int number) {
                    const std::string &cube = e.primes[static_cast<std::size_t>(number - 1)].cube;
                    return cubeHolds(cube, m) && cubeHolds(cube, other);
                });
            check(together, "adjacent ones split across primes");
        }
    }
}

void checkSolutions(const Explanation &e, const Input &input)
{
    const SolutionList &list = e.solutions;
    check(list.searched, "solutions not searched");
    check(list.covers.size() <= input.options.solutionLimit, "more solutions than the limit");
    check(!list.covers.empty() && list.count >= list.covers.size(), "solution count");
    if (list.complete && list.count <= input.options.solutionLimit)
        check(list.covers.size() == list.count, "a complete count differs from the list");
    for (const ExplainedCover &cover : list.covers) {
        checkCover(e, cover, input);
        check(cover.terms == e.minimum.terms && cover.literals == e.minimum.literals,
              "a listed solution is not minimum");
    }
}

void checkRendering(const Explanation &e)
{
    for (const ExplanationFormat format :
         {ExplanationFormat::Text, ExplanationFormat::Markdown, ExplanationFormat::Html}) {
        const std::string text = renderExplanation(e, format);
        check(!text.empty(), "empty rendering");
        check(FuzzChecks::isCleanText(text, true), "a rendering is not clean UTF-8 text");
        if (format == ExplanationFormat::Text)
            check(text.find(e.windowCover.text) != std::string::npos,
                  "the text lacks the window's result");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 64)
        return 0;
    const Input input = readInput(data, size);
    Explainer explainer;
    const Explanation e =
        explainer.explain(input.n, input.codes, input.form, input.names, input.options);
    check(e.variableCount == input.n, "variable count");
    check(e.cellCodes.size() == input.codes.size(), "cell count");
    checkPrimes(e);
    checkTabulation(e);

    std::vector<int> chosen;
    for (const CoverStep &step : e.choices)
        chosen.push_back(step.prime);
    check(chosen == e.windowCover.primes, "choices differ from the window's cover");
    checkCover(e, e.windowCover, input);
    checkCover(e, e.minimum, input);
    const bool smaller =
        e.minimum.terms < e.windowCover.terms ||
        (e.minimum.terms == e.windowCover.terms && e.minimum.literals <= e.windowCover.literals);
    check(smaller, "the minimum is larger than the window's cover");
    check(e.windowIsMinimal == (e.minimum.terms == e.windowCover.terms &&
                                e.minimum.literals == e.windowCover.literals),
          "window-is-minimal flag");
    if (input.options.listSolutions)
        checkSolutions(e, input);
    if (input.options.hazardFree)
        checkHazardFree(e, input);
    checkRendering(e);
    return 0;
}
