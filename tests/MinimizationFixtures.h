// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Compact fixtures for the minimizer tests: cells as "1X0X1100", primes and
// groups as text, and a small evaluator of result texts that is independent
// of the expression engine.

#include "minimize/Minimization.h"

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace MinimizationFixtures {

// "1X0X1100" -> {1, 2, 0, 2, 1, 1, 0, 0}
inline std::vector<int> cells(const std::string &text)
{
    std::vector<int> codes;
    for (const char c : text)
        codes.push_back(Minimization::cellCode(std::string(1, c)));
    return codes;
}

inline std::string listText(const std::vector<int> &list)
{
    std::string text = "[";
    for (std::size_t i = 0; i < list.size(); ++i)
        text += (i ? "," : "") + std::to_string(list[i]);
    return text + "]";
}

// "0-1*[1,3] -0-*[0,1,4,5]"
inline std::string primesText(const std::vector<PrimeImplicant> &primes)
{
    std::string text;
    for (const PrimeImplicant &prime : primes)
        text += (text.empty() ? "" : " ") + prime.cube + listText(prime.minterms);
    return text;
}

// "[[3,7],[5,7]]"
inline std::string groupsText(const std::vector<std::vector<int>> &groups)
{
    std::string text = "[";
    for (std::size_t i = 0; i < groups.size(); ++i)
        text += (i ? "," : "") + listText(groups[i]);
    return text + "]";
}

// Whether the cube (first variable first, '-' for either value) holds
// minterm m of a function of cube.size() variables.
inline bool cubeCovers(const std::string &cube, int m)
{
    const int n = static_cast<int>(cube.size());
    for (int j = 0; j < n; ++j) {
        const char bit = ((m >> (n - 1 - j)) & 1) != 0 ? '1' : '0';
        if (cube[static_cast<std::size_t>(j)] != '-' && cube[static_cast<std::size_t>(j)] != bit)
            return false;
    }
    return true;
}

inline std::vector<std::string> split(const std::string &text, char separator)
{
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (c == separator)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

// A result text ("A'&B+C", "(A+B')&(C)", "1", "0") read back as a function
// of n variables, names[j] naming variable j. Anything malformed throws, so a
// wrongly written text fails the test instead of evaluating to something.
class ResultExpression
{
public:
    ResultExpression(const std::string &text, int n, const VariableNames &names) : n_(n)
    {
        if (text == "1" || text == "0") {
            constant_ = text == "1" ? 1 : 0;
            return;
        }
        if (text.empty())
            throw std::runtime_error("empty result text");
        std::map<std::string, int> variable;
        for (int j = 0; j < n; ++j)
            variable[names[j]] = j;
        const auto literal = [&](std::string name) {
            Literal lit{0, false};
            if (!name.empty() && name.back() == '\'') {
                lit.inverted = true;
                name.pop_back();
            }
            const auto it = variable.find(name);
            if (it == variable.end())
                throw std::runtime_error("unknown literal '" + name + "' in " + text);
            lit.variable = it->second;
            return lit;
        };
        productOfSums_ = text.front() == '(';
        for (const std::string &part : split(text, productOfSums_ ? '&' : '+')) {
            std::string inner = part;
            if (productOfSums_) {
                if (part.size() < 3 || part.front() != '(' || part.back() != ')')
                    throw std::runtime_error("malformed clause in " + text);
                inner = part.substr(1, part.size() - 2);
            }
            std::vector<Literal> literals;
            for (const std::string &name : split(inner, productOfSums_ ? '+' : '&'))
                literals.push_back(literal(name));
            parts_.push_back(literals);
        }
    }

    bool valueAt(int m) const
    {
        if (constant_ >= 0)
            return constant_ == 1;
        // Sum of products: any term whose literals are all true.
        // Product of sums: every clause has a true literal.
        for (const std::vector<Literal> &part : parts_) {
            bool all = true;
            bool any = false;
            for (const Literal &lit : part) {
                const bool value = (((m >> (n_ - 1 - lit.variable)) & 1) != 0) != lit.inverted;
                all = all && value;
                any = any || value;
            }
            if (!productOfSums_ && all)
                return true;
            if (productOfSums_ && !any)
                return false;
        }
        return productOfSums_;
    }

private:
    struct Literal
    {
        int variable;
        bool inverted;
    };
    int n_;
    int constant_ = -1;
    bool productOfSums_ = false;
    std::vector<std::vector<Literal>> parts_;
};

// A function as a failure message names it: "4 variables, SOP, cells 01X...".
inline std::string describe(int n, const std::vector<int> &cells, MinimizationForm form)
{
    std::string text = std::to_string(n) + " variables, " +
                       (form == MinimizationForm::SumOfProducts ? "SOP" : "POS") + ", cells ";
    for (std::size_t m = 0; m < (std::size_t{1} << n); ++m)
        text += "01X"[cells[m]];
    return text;
}

} // namespace MinimizationFixtures
