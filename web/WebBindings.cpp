// SPDX-License-Identifier: GPL-3.0-or-later
// The page's way into the cores: each function takes plain JavaScript values,
// calls the same Qt-free code as the window and tavolin-cli, and answers with
// a plain object. Nothing here decides a result on its own.
#include "check/AnswerChecker.h"
#include "check/Exercise.h"
#include "check/VerdictText.h"
#include "domain/VariableRules.h"
#include "explain/Explainer.h"
#include "explain/ExplanationDocument.h"
#include "explain/JointExplainer.h"
#include "expression/ExpressionEvaluator.h"
#include "expression/ExpressionException.h"
#include "minimize/CoverFinder.h"
#include "minimize/Minimization.h"
#include "pla/PlaReader.h"
#include "pla/PlaWriter.h"
#include "tables/KarnaughLayout.h"

#include <emscripten/bind.h>
#include <emscripten/val.h>

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

using emscripten::val;

namespace {

enum CoverChoice
{
    WindowCover = 0,
    ExactMinimum = 1,
    AllMinimal = 2,
};

std::vector<std::string> stringsOf(const val &list)
{
    return emscripten::vecFromJSArray<std::string>(list);
}

// The names in use, padded with the default letters as the window keeps six.
VariableNames sixNames(const val &list)
{
    VariableNames names = Minimization::defaultNames();
    const std::vector<std::string> given = stringsOf(list);
    for (std::size_t j = 0; j < given.size() && j < names.size(); ++j)
        names[j] = given[j];
    return names;
}

val arrayOf(const std::vector<int> &values)
{
    val array = val::array();
    for (const int value : values)
        array.call<void>("push", value);
    return array;
}

val arrayOf(const std::vector<std::string> &values)
{
    val array = val::array();
    for (const std::string &value : values)
        array.call<void>("push", value);
    return array;
}

val solutionOf(const std::string &text, const std::vector<std::vector<int>> &groups)
{
    val solution = val::object();
    solution.set("text", text);
    val list = val::array();
    for (const std::vector<int> &group : groups)
        list.call<void>("push", arrayOf(group));
    solution.set("groups", list);
    return solution;
}

// values: one character per minterm, read as the window reads a cell's text.
// With AllMinimal at most `limit` solutions come back and `more` tells
// whether the listing stopped short.
val minimize(int n, const std::string &values, bool productOfSums, const val &names, int choice,
             int limit)
{
    const std::vector<int> codes = Minimization::cellCodes(values);
    const MinimizationForm form =
        productOfSums ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts;
    const VariableNames six = sixNames(names);
    Minimization minimization;
    const MinimizationResult result = minimization.run(n, codes, form, six);

    val out = val::object();
    val solutions = val::array();
    out.set("exact", choice != WindowCover);
    out.set("more", false);
    if (choice == WindowCover) {
        solutions.call<void>("push", solutionOf(result.text, result.groups));
        out.set("solutions", solutions);
        return out;
    }

    const std::size_t shown = choice == AllMinimal && limit > 1 ? std::size_t(limit) : 1;
    // One more than shown, listed and counted, tells whether more exist.
    CoverLimits limits;
    limits.listLimit = shown + 1;
    limits.countCap = shown + 1;
    MinimumCovers found = CoverFinder::minimumCovers(result, six, limits);
    if (found.covers.size() > shown) {
        found.covers.resize(shown);
        out.set("more", choice == AllMinimal);
    }
    // Nothing to cover: the empty cover, written as the window writes it.
    if (found.covers.empty())
        found.covers.push_back(CoverFinder::coverOf(result, {}, six));
    for (const MinimizedCover &cover : found.covers)
        solutions.call<void>("push", solutionOf(cover.text, cover.groups));
    out.set("solutions", solutions);
    out.set("terms", found.terms);
    out.set("literals", found.literals);
    return out;
}

// Evaluates the equation for every row, the first name the most significant
// bit, as the equation field does. On a syntax error: the field's message
// and the offending token's place.
val evaluate(const std::string &expression, const val &names)
{
    val out = val::object();
    out.set("ok", false);
    if (expression.empty()) {
        out.set("message", std::string("An empty expression cannot be evaluated."));
        return out;
    }
    ExpressionEvaluator evaluator;
    const std::vector<std::string> list = stringsOf(names);
    evaluator.Set_Variable_Names(list);
    evaluator.Set_Expression(expression);
    const int n = static_cast<int>(list.size());
    std::string values;
    try {
        std::vector<bool> row(list.size());
        for (int m = 0; m < (1 << n); ++m) {
            for (int i = 0; i < n; ++i)
                row[static_cast<std::size_t>(i)] = (m >> (n - 1 - i)) & 1;
            evaluator.Set_Variable_Values(row);
            values += evaluator.Evaluate_Expression() ? '1' : '0';
        }
    } catch (const ExpressionException &e) {
        const ExpressionToken token = e.Get_Token();
        out.set("message", "Error detected while parsing and evaluating the expression:\n\n" +
                               e.Get_Message());
        out.set("column", token.Get_Column());
        out.set("length", static_cast<int>(token.Get_Text().size()));
        return out;
    }
    out.set("ok", true);
    out.set("values", values);
    return out;
}

// bytes: the file's content as a Uint8Array, so that no text decoding stands
// between the file and the reader.
std::string textOf(const val &bytes)
{
    const std::vector<unsigned char> data =
        emscripten::convertJSArrayToNumberVector<unsigned char>(bytes);
    return std::string(data.begin(), data.end());
}

// A reader's answer: ok, or the fault's line and message.
val readAnswer(bool ok, const PlaError &error)
{
    val out = val::object();
    out.set("ok", ok);
    if (!ok) {
        out.set("line", error.line);
        out.set("message", error.message);
    }
    return out;
}

val readPla(const val &bytes, int currentCount)
{
    const PlaReadResult read = PlaReader::read(textOf(bytes), currentCount);
    val out = readAnswer(read.ok(), read.error);
    if (!read.ok())
        return out;
    const PlaFunction &function = *read.function;
    out.set("variableCount", function.variableCount);
    out.set("countGiven", function.countGiven);
    out.set("names", arrayOf(function.names));
    out.set("values", function.values);
    std::string assigned;
    for (const bool set : function.assigned)
        assigned += set ? '1' : '0';
    out.set("assigned", assigned);
    out.set("severalOutputs", function.severalOutputs);
    return out;
}

// Every output of a file: the inputs' names and count as readPla() gives
// them, each output's name and column (one character per minterm, '0' where
// the file sets nothing).
val readPlaOutputs(const val &bytes, int currentCount)
{
    const PlaOutputsResult read = PlaReader::readOutputs(textOf(bytes), currentCount);
    val out = readAnswer(read.ok(), read.error);
    if (!read.ok())
        return out;
    const MultiOutputFunction &function = read.outputs->function;
    out.set("variableCount", function.inputCount());
    out.set("names", arrayOf(function.inputNames()));
    out.set("outputNames", arrayOf(function.outputNames()));
    std::vector<std::string> columns;
    for (int j = 0; j < function.outputCount(); ++j)
        columns.push_back(function.values(j));
    out.set("columns", arrayOf(columns));
    return out;
}

// Every output with its name on ".ob", as the window exports them.
std::string writePlaOutputs(int n, const val &names, const val &outputNames, const val &columns)
{
    const std::vector<std::string> outputs = stringsOf(outputNames);
    const std::vector<std::string> values = stringsOf(columns);
    MultiOutputFunction function(n, static_cast<int>(outputs.size()));
    std::vector<std::string> inputs = stringsOf(names);
    inputs.resize(static_cast<std::size_t>(n));
    if (!function.setNames(inputs, outputs).ok())
        return {};
    for (std::size_t j = 0; j < values.size() && j < outputs.size(); ++j)
        function.setValues(static_cast<int>(j), values[j]);
    return PlaWriter::write(function);
}

std::string writePla(int n, const val &names, const std::string &values)
{
    PlaFunction function;
    function.variableCount = n;
    function.names = stringsOf(names);
    function.values = values;
    function.values.resize(std::size_t{1} << n, '0');
    return PlaWriter::write(function);
}

// The map's grid: its shape, header texts and the minterm of every position
// (-1 for a separator), row by row.
val mapLayout(int n, const val &names)
{
    KarnaughLayout::Names six = KarnaughLayout::defaultNames();
    const std::vector<std::string> given = stringsOf(names);
    for (std::size_t j = 0; j < given.size() && j < six.size(); ++j)
        six[j] = given[j];
    const KarnaughLayout::Shape shape = KarnaughLayout::shape(n);
    std::vector<int> minterms;
    for (int row = 0; row < shape.rows; ++row) {
        for (int column = 0; column < shape.columns; ++column)
            minterms.push_back(KarnaughLayout::mintermAt(n, row, column));
    }
    val out = val::object();
    out.set("rows", shape.rows);
    out.set("columns", shape.columns);
    out.set("rowLabels", arrayOf(KarnaughLayout::rowLabels(n, six)));
    out.set("columnLabels", arrayOf(KarnaughLayout::columnLabels(n, six)));
    out.set("minterms", arrayOf(minterms));
    return out;
}

val groupsOf(const std::vector<std::vector<int>> &groups)
{
    val list = val::array();
    for (const std::vector<int> &group : groups)
        list.call<void>("push", arrayOf(group));
    return list;
}

val coverOf(const Explanation &explanation, const ExplainedCover &cover)
{
    val out = val::object();
    out.set("primes", arrayOf(cover.primes));
    out.set("text", cover.text);
    out.set("groups", groupsOf(Explainer::groupsOf(explanation, cover.primes)));
    return out;
}

// A table's rows as one string, rows split by the record separator and
// cells by the unit separator: handing a six-variable tabulation over cell by
// cell costs the page several milliseconds.
std::string joinedCells(const std::vector<std::vector<std::string>> &rows)
{
    std::string text;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (r > 0)
            text += '\x1e';
        for (std::size_t c = 0; c < rows[r].size(); ++c) {
            if (c > 0)
                text += '\x1f';
            text += rows[r][c];
        }
    }
    return text;
}

val sectionsOf(const ExplanationDocument &document)
{
    val sections = val::array();
    for (const DocumentSection &section : document.sections) {
        val blocks = val::array();
        for (const DocumentBlock &block : section.blocks) {
            val item = val::object();
            if (block.kind == DocumentBlock::Kind::Paragraph) {
                item.set("text", block.text);
            } else {
                item.set("header", arrayOf(block.table.header));
                item.set("cells", joinedCells(block.table.rows));
            }
            blocks.call<void>("push", item);
        }
        val out = val::object();
        out.set("id", section.id);
        out.set("title", section.title);
        out.set("blocks", blocks);
        sections.call<void>("push", out);
    }
    return sections;
}

// The start of the answers of explain() and jointCover(): the document's
// title and sections.
val documentOf(const ExplanationDocument &document)
{
    val out = val::object();
    out.set("title", document.title);
    out.set("sections", sectionsOf(document));
    return out;
}

// A prime as the page shades it: its term and its group of cells.
val primeOf(const std::string &term, const std::vector<int> &group, bool essential)
{
    val item = val::object();
    item.set("term", term);
    item.set("groups", groupsOf({group}));
    item.set("essential", essential);
    return item;
}

// The worked steps of a minimization: the explanation core's document (the
// very text tavolin-cli explain writes), and beside it what the page needs to
// shade a prime or a cover on the map. `limit` covers are listed, counting
// stops at `countCap`.
val explain(int n, const std::string &values, bool productOfSums, const val &names, int limit,
            double countCap)
{
    const std::vector<int> codes = Minimization::cellCodes(values);
    ExplainOptions options;
    options.listSolutions = true;
    options.solutionLimit = static_cast<std::size_t>(limit);
    options.countCap = static_cast<std::uint64_t>(countCap);
    Explainer explainer;
    const Explanation explanation = explainer.explain(
        n, codes, productOfSums ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts,
        sixNames(names), options);

    val out = documentOf(explanationDocument(explanation));
    val primes = val::array();
    for (const ExplainedPrime &prime : explanation.primes) {
        val item = primeOf(prime.term, prime.groupOrder, prime.essential);
        item.set("minterms", arrayOf(prime.minterms));
        primes.call<void>("push", item);
    }
    out.set("primes", primes);
    val choices = val::array();
    for (const CoverStep &step : explanation.choices)
        choices.call<void>("push", step.prime);
    out.set("choices", choices);
    out.set("window", coverOf(explanation, explanation.windowCover));
    out.set("minimum", coverOf(explanation, explanation.minimum));
    val covers = val::array();
    for (const ExplainedCover &cover : explanation.solutions.covers)
        covers.call<void>("push", coverOf(explanation, cover));
    out.set("covers", covers);
    out.set("count", static_cast<double>(explanation.solutions.count));
    out.set("complete", explanation.solutions.complete);
    return out;
}

// Every output minimized together: the joint cover's document (the text of
// tavolin-cli explain --joint) and beside it the cells of each prime and
// product, for the page to shade.
val jointCover(int n, const val &columns, bool productOfSums, const val &names,
               const val &outputNames)
{
    std::vector<std::vector<int>> codes;
    for (const std::string &column : stringsOf(columns))
        codes.push_back(Minimization::cellCodes(column));
    const JointExplanation joint = JointExplainer::explain(
        n, codes, productOfSums ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts,
        sixNames(names), stringsOf(outputNames));
    val out = documentOf(explanationDocument(joint));
    val primes = val::array();
    for (const JointPrime &prime : joint.primes)
        primes.call<void>("push", primeOf(prime.term, prime.minterms, prime.essential));
    out.set("primes", primes);
    val products = val::array();
    for (const int number : joint.chosen) {
        const JointPrime &prime = joint.primes[static_cast<std::size_t>(number - 1)];
        val item = primeOf(prime.term, prime.minterms, false);
        item.set("outputs", outputList(joint, prime.feeds));
        products.call<void>("push", item);
    }
    out.set("products", products);
    out.set("literals", joint.cover.literals);
    out.set("connections", joint.cover.connections);
    out.set("proven", joint.cover.proven);
    out.set("texts", arrayOf(joint.outputTexts));
    return out;
}

val costOf(const AnswerCost &cost)
{
    val out = val::object();
    out.set("terms", cost.terms);
    out.set("literals", cost.literals);
    return out;
}

// The verdict on a student's answer against the page's function, told in
// the window's sentences: those on the whole answer, and each term's own.
// `answer` is null for an answer that is not in the form, as tavolin-cli
// check --json writes it. A syntax error gives the engine's message and
// the offending token's place, as evaluate() does.
val checkAnswer(int n, const std::string &values, bool productOfSums, const val &names,
                const std::string &answer)
{
    std::vector<std::string> list = stringsOf(names);
    list.resize(static_cast<std::size_t>(std::max(n, 0)));
    val out = val::object();
    AnswerVerdict verdict;
    try {
        const AnswerChecker checker(n, Minimization::cellCodes(values),
                                    productOfSums ? MinimizationForm::ProductOfSums
                                                  : MinimizationForm::SumOfProducts,
                                    list);
        verdict = checker.check(answer);
    } catch (const std::invalid_argument &e) {
        out.set("status", std::string("invalid"));
        out.set("message", std::string(e.what()));
        return out;
    }
    if (verdict.status == AnswerStatus::SyntaxError && verdict.error) {
        const ExpressionToken token = verdict.error->Get_Token();
        out.set("status", std::string("syntax-error"));
        out.set("message", verdict.error->Get_Message());
        out.set("column", token.Get_Column());
        out.set("length", static_cast<int>(token.Get_Text().size()));
        return out;
    }
    out.set("status", std::string(verdict.status == AnswerStatus::Empty ? "empty" : "checked"));
    out.set("equivalent", verdict.equivalent);
    out.set("minimal", verdict.minimal);
    out.set("extra", arrayOf(verdict.extra));
    out.set("missing", arrayOf(verdict.missing));
    out.set("minimum", costOf(verdict.minimum));
    out.set("answer", verdict.inForm ? costOf(verdict.answer) : val::null());
    out.set("summary", arrayOf(VerdictText::summary(verdict)));
    val terms = val::array();
    for (std::size_t t = 0; t < verdict.terms.size(); ++t) {
        val term = val::object();
        term.set("text", verdict.terms[t].text);
        term.set("findings", arrayOf(VerdictText::findings(verdict, t)));
        term.set("cells", arrayOf(verdict.terms[t].cells));
        terms.call<void>("push", term);
    }
    out.set("terms", terms);
    return out;
}

// The practice function a seed stands for, the very one the window's New
// Exercise sets.
std::string exerciseCells(int n, bool productOfSums, bool dontCares, int seed)
{
    Exercise exercise;
    exercise.variables = n;
    exercise.form =
        productOfSums ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts;
    exercise.dontCares = dontCares;
    exercise.seed = static_cast<std::uint32_t>(seed);
    return exercise.cells();
}

bool isVariableName(const std::string &name)
{
    return VariableRules::isName(name);
}

// The page's copy of the variable rules, so that it shares the window's.
val variableRules()
{
    const auto defaults = VariableRules::defaultNames();
    val out = val::object();
    out.set("minCount", VariableRules::minCount);
    out.set("maxCount", VariableRules::maxCount);
    out.set("maxNameLength", static_cast<int>(VariableRules::maxNameLength));
    out.set("nameCharacters", std::string(VariableRules::nameCharacterClass));
    out.set("defaultNames", arrayOf(std::vector<std::string>(defaults.begin(), defaults.end())));
    return out;
}

} // namespace

EMSCRIPTEN_BINDINGS(tavolin)
{
    emscripten::function("minimize", &minimize);
    emscripten::function("explain", &explain);
    emscripten::function("evaluate", &evaluate);
    emscripten::function("readPla", &readPla);
    emscripten::function("writePla", &writePla);
    emscripten::function("readPlaOutputs", &readPlaOutputs);
    emscripten::function("writePlaOutputs", &writePlaOutputs);
    emscripten::function("jointCover", &jointCover);
    emscripten::function("mapLayout", &mapLayout);
    emscripten::function("isVariableName", &isVariableName);
    emscripten::function("variableRules", &variableRules);
    emscripten::function("checkAnswer", &checkAnswer);
    emscripten::function("exerciseCells", &exerciseCells);
    emscripten::constant("largestExerciseSeed", Exercise::largestSeed);
}
