// SPDX-License-Identifier: GPL-3.0-or-later
#include "format/ExpressionFormatter.h"

#include "domain/VariableRules.h"
#include "messages/PhraseTemplate.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <utility>
#include <vector>

namespace {

// How one target writes the three operators, the constants and a whole
// statement. Terms of several literals are parenthesized whenever there are
// several terms: VHDL demands it when "and" meets "or", and elsewhere it
// spares the reader the precedence rules.
struct Syntax
{
    const char *title;
    const char *notBefore;
    const char *notAfter;
    const char *andOperator;
    const char *orOperator;
    const char *zero;
    const char *one;
    // Around the expression; "%" stands for the output's name.
    const char *statementBefore;
    const char *statementAfter;
    // The reserved words a name of up to three letters or digits could spell.
    std::vector<const char *> reserved;
    bool ignoresCase = false;
};

const Syntax &syntaxOf(OutputFormat format)
{
    static const Syntax verilog{"Verilog",
                                "~",
                                "",
                                " & ",
                                " | ",
                                "1'b0",
                                "1'b1",
                                "assign % = ",
                                ";",
                                // Verilog-2005 and the SystemVerilog words of that length.
                                {"and", "bit", "buf", "do",  "end", "for", "if",
                                 "int", "let", "new", "nor", "not", "or",  "ref",
                                 "reg", "tri", "use", "var", "wor", "xor"},
                                false};
    static const Syntax vhdl{"VHDL",
                             "not ",
                             "",
                             " and ",
                             " or ",
                             "'0'",
                             "'1'",
                             "% <= ",
                             ";",
                             {"abs", "all", "and", "bus", "end", "for", "if",  "in",  "is",  "map",
                              "mod", "new", "nor", "not", "of",  "on",  "or",  "out", "rem", "rol",
                              "ror", "sla", "sll", "sra", "srl", "to",  "use", "xor"},
                             true};
    static const Syntax c{
        "C/C++",
        "!",
        "",
        " && ",
        " || ",
        "0",
        "1",
        "",
        "",
        // C keywords and the C++ words and alternative tokens.
        {"and", "asm", "do", "for", "if", "int", "new", "not", "or", "try", "xor"},
        false};
    static const Syntax python{
        "Python", "not ",
        "",       " and ",
        " or ",   "False",
        "True",   "",
        "",       {"and", "as", "def", "del", "for", "if", "in", "is", "not", "or", "try"},
        false};
    static const Syntax latex{"LaTeX", "\\overline{", "}", " \\cdot ", " + ", "0", "1", "", "",
                              {},      false};
    switch (format) {
    case OutputFormat::Verilog:
        return verilog;
    case OutputFormat::Vhdl:
        return vhdl;
    case OutputFormat::C:
        return c;
    case OutputFormat::Python:
        return python;
    case OutputFormat::Latex:
    case OutputFormat::Text:
        break;
    }
    return latex;
}

std::string folded(std::string name)
{
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char ch) { return static_cast<char>(std::tolower(ch)); });
    return name;
}

bool isAsciiLetter(char ch)
{
    return (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
}

bool isAsciiDigit(char ch)
{
    return ch >= '0' && ch <= '9';
}

using NameFault = ExpressionFormatter::NameFault;

// A fault with its values: the quoted name, the target, the other quoted name.
ExpressionFormatter::Result refused(NameFault fault, const Syntax &syntax, const std::string &name,
                                    const std::string &other = std::string())
{
    ExpressionFormatter::Result result;
    result.fault = fault;
    result.values = {"\"" + name + "\"", syntax.title, "\"" + other + "\""};
    result.error =
        PhraseTemplate::filled(ExpressionFormatter::englishPattern(fault), result.values);
    return result;
}

// Why `name` is no identifier of the target, or no fault.
ExpressionFormatter::Result identifierProblem(const Syntax &syntax, const std::string &name)
{
    if (name.empty())
        return refused(NameFault::NoName, syntax, name);
    if (!isAsciiLetter(name.front()) && name.front() != '_')
        return refused(NameFault::BadFirstCharacter, syntax, name);
    for (char ch : name) {
        if (!isAsciiLetter(ch) && !isAsciiDigit(ch) && ch != '_')
            return refused(NameFault::BadCharacter, syntax, name);
    }
    const std::string key = syntax.ignoresCase ? folded(name) : name;
    for (const char *word : syntax.reserved) {
        if (key == word)
            return refused(NameFault::ReservedWord, syntax, name);
    }
    return ExpressionFormatter::Result();
}

struct Literal
{
    int position;
    bool negated;
};

// The literals of each term, first variable first. In the product-of-sums
// form a cube describes zeros, so its 1s are the complemented literals.
std::vector<std::vector<Literal>> termsOf(const MinimizedCover &cover)
{
    const bool sumOfProducts = cover.form == MinimizationForm::SumOfProducts;
    std::vector<std::vector<Literal>> terms;
    for (const std::string &cube : cover.cubes) {
        std::vector<Literal> term;
        const std::size_t width = std::min(cube.size(), std::size_t{VariableRules::maxCount});
        for (std::size_t j = 0; j < width; ++j) {
            if (cube[j] == '0' || cube[j] == '1')
                term.push_back({static_cast<int>(j), (cube[j] == '0') == sumOfProducts});
        }
        terms.push_back(std::move(term));
    }
    return terms;
}

bool isConstant(const std::vector<std::vector<Literal>> &terms)
{
    return terms.empty() || std::any_of(terms.begin(), terms.end(),
                                        [](const std::vector<Literal> &t) { return t.empty(); });
}

// The window's notation, with other names: A&B'+C or (A+B')&(C).
std::string plainText(const MinimizedCover &cover, const std::vector<std::vector<Literal>> &terms,
                      const VariableNames &names)
{
    const bool sumOfProducts = cover.form == MinimizationForm::SumOfProducts;
    std::string text;
    for (std::size_t t = 0; t < terms.size(); ++t) {
        if (t > 0)
            text += sumOfProducts ? '+' : '&';
        if (!sumOfProducts)
            text += '(';
        for (std::size_t l = 0; l < terms[t].size(); ++l) {
            if (l > 0)
                text += sumOfProducts ? '&' : '+';
            text += names[static_cast<std::size_t>(terms[t][l].position)];
            if (terms[t][l].negated)
                text += '\'';
        }
        if (!sumOfProducts)
            text += ')';
    }
    return text;
}

std::string latexName(const std::string &name)
{
    return name.size() == 1 ? name : "\\mathit{" + name + "}";
}

std::string targetText(const Syntax &syntax, bool latex, const MinimizedCover &cover,
                       const std::vector<std::vector<Literal>> &terms, const VariableNames &names)
{
    const bool sumOfProducts = cover.form == MinimizationForm::SumOfProducts;
    const char *inner = sumOfProducts ? syntax.andOperator : syntax.orOperator;
    const char *outer = sumOfProducts ? syntax.orOperator : syntax.andOperator;
    std::string text;
    for (std::size_t t = 0; t < terms.size(); ++t) {
        const std::vector<Literal> &term = terms[t];
        if (t > 0)
            text += outer;
        const bool grouped = term.size() > 1 && terms.size() > 1;
        if (grouped)
            text += '(';
        for (std::size_t l = 0; l < term.size(); ++l) {
            if (l > 0)
                text += inner;
            const std::string &name = names[static_cast<std::size_t>(term[l].position)];
            const std::string shown = latex ? latexName(name) : name;
            if (term[l].negated)
                text += syntax.notBefore + shown + syntax.notAfter;
            else
                text += shown;
        }
        if (grouped)
            text += ')';
    }
    return text;
}

// The first problem with the names the terms use, or no fault.
ExpressionFormatter::Result namesProblem(const Syntax &syntax,
                                         const std::vector<std::vector<Literal>> &terms,
                                         const VariableNames &names)
{
    std::set<int> used;
    for (const std::vector<Literal> &term : terms)
        for (const Literal &literal : term)
            used.insert(literal.position);
    for (int position : used) {
        ExpressionFormatter::Result problem =
            identifierProblem(syntax, names[static_cast<std::size_t>(position)]);
        if (problem.fault != NameFault::None)
            return problem;
    }
    for (auto a = used.begin(); a != used.end(); ++a) {
        for (auto b = std::next(a); b != used.end(); ++b) {
            const std::string &first = names[static_cast<std::size_t>(*a)];
            const std::string &second = names[static_cast<std::size_t>(*b)];
            const bool same =
                syntax.ignoresCase ? folded(first) == folded(second) : first == second;
            if (same)
                return refused(syntax.ignoresCase ? NameFault::SameNameIgnoringCase
                                                  : NameFault::SameName,
                               syntax, first, second);
        }
    }
    return ExpressionFormatter::Result();
}

// "f", unless a variable of the function is called so (the sixth default
// name, F, is one in VHDL, which ignores case): names hold only letters and
// digits, so "f_out" is never a variable's.
std::string outputNameFor(const Syntax &syntax, int variableCount, const VariableNames &names)
{
    std::string plain = ExpressionFormatter::outputName;
    const std::size_t count = std::min(static_cast<std::size_t>(variableCount), names.size());
    for (std::size_t j = 0; j < count; ++j) {
        if ((syntax.ignoresCase ? folded(names[j]) : names[j]) == plain)
            return plain + "_out";
    }
    return plain;
}

} // namespace

std::string ExpressionFormatter::englishPattern(NameFault fault)
{
    switch (fault) {
    case NameFault::NoName:
        return "A variable has no name, which %2 needs.";
    case NameFault::BadFirstCharacter:
        return "%1 is not a valid name in %2: a name there must start with a letter (A-Z, a-z). "
               "Rename the variable with \"Variables\".";
    case NameFault::BadCharacter:
        return "%1 is not a valid name in %2: only the letters A-Z, a-z and digits may be used "
               "there.";
    case NameFault::ReservedWord:
        return "%1 is a reserved word in %2 and cannot name a variable. Rename the variable with "
               "\"Variables\".";
    case NameFault::SameName:
        return "%1 and %3 are the same name in %2.";
    case NameFault::SameNameIgnoringCase:
        return "%1 and %3 are the same name in %2, which ignores case.";
    case NameFault::None:
        break;
    }
    return std::string();
}

ExpressionFormatter::Result ExpressionFormatter::format(const MinimizedCover &cover,
                                                        OutputFormat format)
{
    return ExpressionFormatter::format(cover, cover.names, format);
}

ExpressionFormatter::Result ExpressionFormatter::format(const MinimizedCover &cover,
                                                        const VariableNames &names,
                                                        OutputFormat format)
{
    Result result = expression(cover, names, format);
    if (!result.ok || format == OutputFormat::Text)
        return result;
    const Syntax &syntax = syntaxOf(format);
    std::string before = syntax.statementBefore;
    const std::size_t slot = before.find('%');
    if (slot != std::string::npos)
        before.replace(slot, 1, outputNameFor(syntax, cover.variableCount, names));
    result.text = before + result.text + syntax.statementAfter;
    return result;
}

ExpressionFormatter::Result ExpressionFormatter::expression(const MinimizedCover &cover,
                                                            const VariableNames &names,
                                                            OutputFormat format)
{
    Result result;
    const std::vector<std::vector<Literal>> terms = termsOf(cover);
    // Which constant a literal-free cover stands for depends on the cells
    // (a table of don't-cares alone reads "0" in both forms); the result
    // text has already settled it.
    const bool constant = isConstant(terms);
    const bool constantOne = constant && cover.text == "1";

    if (format == OutputFormat::Text) {
        result.ok = true;
        result.text = constant ? (constantOne ? "1" : "0") : plainText(cover, terms, names);
        return result;
    }

    const Syntax &syntax = syntaxOf(format);
    // LaTeX prints any name; the others must read each as an identifier.
    if (!constant && format != OutputFormat::Latex) {
        result = namesProblem(syntax, terms, names);
        if (result.fault != NameFault::None)
            return result;
    }
    result.ok = true;
    result.text = constant ? std::string(constantOne ? syntax.one : syntax.zero)
                           : targetText(syntax, format == OutputFormat::Latex, cover, terms, names);
    return result;
}

ExpressionFormatter::Result ExpressionFormatter::identifierProblem(const std::string &name,
                                                                   OutputFormat format)
{
    return ::identifierProblem(syntaxOf(format), name);
}

ExpressionFormatter::Result ExpressionFormatter::sameNameProblem(const std::string &first,
                                                                 const std::string &second,
                                                                 OutputFormat format)
{
    const Syntax &syntax = syntaxOf(format);
    if (first == second)
        return refused(NameFault::SameName, syntax, first, second);
    if (syntax.ignoresCase && folded(first) == folded(second))
        return refused(NameFault::SameNameIgnoringCase, syntax, first, second);
    return Result();
}
