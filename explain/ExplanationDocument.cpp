// SPDX-License-Identifier: GPL-3.0-or-later
#include "explain/ExplanationDocument.h"

#include "messages/PhraseTemplate.h"

#include <algorithm>

namespace {

std::string listText(const std::vector<int> &numbers, const char *prefix = "")
{
    std::string text;
    for (const int number : numbers)
        text += (text.empty() ? "" : ", ") + (prefix + std::to_string(number));
    return text;
}

std::string primeName(int number)
{
    return "P" + std::to_string(number);
}

std::string filled(const std::string &pattern, const std::vector<std::string> &values)
{
    return PhraseTemplate::filled(pattern, values);
}

std::string costText(const ExplainedCover &cover, const ExplanationPhrases &p)
{
    const std::string terms =
        filled(cover.terms == 1 ? p.oneTerm : p.manyTerms, {std::to_string(cover.terms)});
    const std::string literals = filled(cover.literals == 1 ? p.oneLiteral : p.manyLiterals,
                                        {std::to_string(cover.literals)});
    return filled(p.cost, {terms, literals});
}

std::string wordsOf(MinimizationForm form, const ExplanationPhrases &p)
{
    return form == MinimizationForm::SumOfProducts ? p.minterms : p.maxterms;
}

std::string cellWords(const Explanation &e, const ExplanationPhrases &p)
{
    return wordsOf(e.form, p);
}

std::string wordOf(MinimizationForm form, const ExplanationPhrases &p)
{
    return form == MinimizationForm::SumOfProducts ? p.minterm : p.maxterm;
}

std::string valueText(const Explanation &e)
{
    return e.form == MinimizationForm::SumOfProducts ? "1" : "0";
}

DocumentBlock paragraph(std::string text)
{
    DocumentBlock block;
    block.text = std::move(text);
    return block;
}

DocumentBlock table(DocumentTable contents)
{
    DocumentBlock block;
    block.kind = DocumentBlock::Kind::Table;
    block.table = std::move(contents);
    return block;
}

DocumentSection tabulationSection(const Explanation &e, const ExplanationPhrases &p)
{
    DocumentSection section{"tabulation", p.tabulation, {}};
    section.blocks.push_back(paragraph(filled(p.tabulationIntro, {valueText(e)})));
    DocumentTable rows{p.tabulationHeader, {}};
    for (std::size_t pass = 0; pass < e.tabulation.size(); ++pass) {
        for (const TabulationGroup &group : e.tabulation[pass].groups) {
            for (const TabulationCube &cube : group.cubes) {
                rows.rows.push_back(
                    {std::to_string(pass + 1), std::to_string(group.ones),
                     tabulationCubeText(cube, e.variableCount),
                     listText(tabulationCubeMinterms(cube)),
                     cube.checked ? "✓" : filled(p.primeMark, {primeName(cube.prime)})});
            }
        }
    }
    if (rows.rows.empty())
        section.blocks.push_back(paragraph(p.nothingToMerge));
    else
        section.blocks.push_back(table(std::move(rows)));
    return section;
}

DocumentSection primesSection(const Explanation &e, const ExplanationPhrases &p)
{
    DocumentSection section{"primes", p.primes, {}};
    DocumentTable rows{p.primesHeader, {}};
    for (const ExplainedPrime &prime : e.primes) {
        rows.rows.push_back({primeName(prime.number), prime.cube, prime.term,
                             std::to_string(prime.literals), listText(prime.minterms),
                             prime.essential ? p.yes : ""});
    }
    if (rows.rows.empty())
        section.blocks.push_back(paragraph(p.noPrimes));
    else
        section.blocks.push_back(table(std::move(rows)));
    return section;
}

DocumentSection chartSection(const Explanation &e, const ExplanationPhrases &p)
{
    DocumentSection section{"chart", p.chart, {}};
    const std::string word = cellWord(e, p);
    section.blocks.push_back(paragraph(filled(p.chartIntro, {cellWords(e, p), word})));
    if (e.chartMinterms.empty()) {
        section.blocks.push_back(paragraph(filled(p.nothingToCover, {word})));
        return section;
    }
    DocumentTable chart;
    chart.header.push_back(word);
    for (const ExplainedPrime &prime : e.primes)
        chart.header.push_back(primeName(prime.number));
    for (const int m : e.chartMinterms) {
        std::vector<std::string> row{std::to_string(m)};
        int count = 0;
        for (const ExplainedPrime &prime : e.primes)
            count += std::binary_search(prime.minterms.begin(), prime.minterms.end(), m);
        for (const ExplainedPrime &prime : e.primes) {
            const bool covers = std::binary_search(prime.minterms.begin(), prime.minterms.end(), m);
            row.emplace_back(!covers ? "" : count == 1 ? "(X)" : "X");
        }
        chart.rows.push_back(std::move(row));
    }
    std::vector<std::string> chosen{p.chosen};
    for (const ExplainedPrime &prime : e.primes) {
        const auto &selected = e.windowCover.primes;
        chosen.emplace_back(
            std::find(selected.begin(), selected.end(), prime.number) != selected.end() ? "✓" : "");
    }
    chart.rows.push_back(std::move(chosen));
    section.blocks.push_back(table(std::move(chart)));
    for (const EssentialPrime &essential : e.essentials) {
        section.blocks.push_back(paragraph(
            filled(p.essentialPrime, {primeName(essential.prime),
                                      e.primes[static_cast<std::size_t>(essential.prime - 1)].term,
                                      word, std::to_string(essential.minterm)})));
    }
    if (e.essentials.empty())
        section.blocks.push_back(paragraph(p.noEssentialPrime));
    return section;
}

DocumentSection choicesSection(const Explanation &e, const ExplanationPhrases &p)
{
    DocumentSection section{"choices", p.choices, {}};
    DocumentTable rows{p.choicesHeader, {}};
    for (std::size_t i = 0; i < e.choices.size(); ++i) {
        const CoverStep &step = e.choices[i];
        rows.rows.push_back({std::to_string(i + 1), primeName(step.prime),
                             e.primes[static_cast<std::size_t>(step.prime - 1)].term,
                             choiceReason(e, step, p)});
    }
    if (rows.rows.empty())
        section.blocks.push_back(paragraph(p.nothingChosen));
    else
        section.blocks.push_back(table(std::move(rows)));
    return section;
}

DocumentSection solutionsSection(const Explanation &e, const ExplanationPhrases &p)
{
    DocumentSection section{"solutions", p.solutions, {}};
    DocumentTable compare{p.coversHeader, {}};
    const auto add = [&](const std::string &name, const ExplainedCover &cover) {
        compare.rows.push_back({name, listText(cover.primes, "P"), std::to_string(cover.terms),
                                std::to_string(cover.literals), cover.text});
    };
    add(p.windowCover, e.windowCover);
    add(p.minimumCover, e.minimum);
    section.blocks.push_back(table(std::move(compare)));
    section.blocks.push_back(paragraph(
        e.windowIsMinimal ? p.windowIsMinimal
                          : filled(p.shorterExists, {e.minimum.text, costText(e.minimum, p),
                                                     costText(e.windowCover, p)})));
    const SolutionList &list = e.solutions;
    if (!list.searched) {
        section.blocks.push_back(paragraph(p.notCounted));
        return section;
    }
    const std::string count = std::to_string(list.count);
    section.blocks.push_back(paragraph(
        list.complete ? (list.count == 1 ? p.oneSolution : filled(p.solutionCount, {count}))
                      : filled(p.solutionCountStopped, {count})));
    DocumentTable rows{p.solutionsHeader, {}};
    for (std::size_t i = 0; i < list.covers.size(); ++i)
        rows.rows.push_back(
            {std::to_string(i + 1), listText(list.covers[i].primes, "P"), list.covers[i].text});
    if (!rows.rows.empty())
        section.blocks.push_back(table(std::move(rows)));
    if (list.covers.size() < list.count)
        section.blocks.push_back(
            paragraph(filled(p.firstListed, {std::to_string(list.covers.size())})));
    return section;
}

DocumentSection hazardFreeSection(const Explanation &e, const ExplanationPhrases &p)
{
    DocumentSection section{"hazard-free", p.hazardFree, {}};
    section.blocks.push_back(paragraph(filled(p.hazardFreeIntro, {valueText(e)})));
    if (!e.hazardFree.found) {
        section.blocks.push_back(paragraph(p.searchStopped));
        return section;
    }
    const ExplainedCover &cover = e.hazardFree.cover;
    section.blocks.push_back(paragraph(cover.text + " (" + listText(cover.primes, "P") + "; " +
                                       costText(cover, p) + ")."));
    return section;
}

std::string counted(int count, const std::string &one, const std::string &many)
{
    return filled(count == 1 ? one : many, {std::to_string(count)});
}

DocumentSection jointPrimesSection(const JointExplanation &e, const ExplanationPhrases &p)
{
    DocumentSection section{"joint-primes", p.jointPrimes, {}};
    section.blocks.push_back(paragraph(filled(p.jointPrimesIntro, {wordOf(e.form, p)})));
    DocumentTable rows{p.jointPrimesHeader, {}};
    for (const JointPrime &prime : e.primes) {
        rows.rows.push_back({primeName(prime.number), prime.cube, prime.term,
                             std::to_string(prime.literals), outputList(e, prime.outputs),
                             listText(prime.minterms)});
    }
    if (rows.rows.empty())
        section.blocks.push_back(paragraph(p.noPrimes));
    else
        section.blocks.push_back(table(std::move(rows)));
    return section;
}

DocumentSection jointChartSection(const JointExplanation &e, const ExplanationPhrases &p,
                                  bool withTable)
{
    DocumentSection section{"joint-chart", p.jointChart, {}};
    const std::string word = wordOf(e.form, p);
    section.blocks.push_back(paragraph(filled(p.jointChartIntro, {wordsOf(e.form, p), word})));
    if (e.rows.empty()) {
        section.blocks.push_back(paragraph(filled(p.jointNothingToCover, {word})));
        return section;
    }
    if (!withTable)
        return section;
    section.blocks.push_back(table(jointChartTable(e, p)));
    return section;
}

DocumentSection jointCoverSection(const JointExplanation &e, const ExplanationPhrases &p)
{
    DocumentSection section{"joint-cover", p.jointCover, {}};
    section.blocks.push_back(paragraph(p.jointCoverIntro));
    DocumentTable products{p.jointCoverHeader, {}};
    for (std::size_t i = 0; i < e.chosen.size(); ++i) {
        const JointPrime &prime = e.primes[static_cast<std::size_t>(e.chosen[i] - 1)];
        const bool shared = (prime.feeds & (prime.feeds - 1)) != 0;
        products.rows.push_back({std::to_string(i + 1), primeName(prime.number), prime.term,
                                 outputList(e, prime.feeds), shared ? p.yes : ""});
    }
    if (!products.rows.empty())
        section.blocks.push_back(table(std::move(products)));
    const JointCover &cover = e.cover;
    section.blocks.push_back(paragraph(
        filled(p.jointCost,
               {counted(static_cast<int>(cover.products.size()), p.oneProduct, p.manyProducts),
                counted(cover.literals, p.oneLiteral, p.manyLiterals),
                counted(cover.connections, p.oneConnection, p.manyConnections)})));
    section.blocks.push_back(paragraph(cover.proven      ? p.proven
                                       : cover.cancelled ? p.notProvenStopped
                                                         : p.notProven));
    DocumentTable outputs{p.jointOutputsHeader, {}};
    for (std::size_t j = 0; j < e.outputNames.size(); ++j)
        outputs.rows.push_back({e.outputNames[j], e.outputTexts[j]});
    section.blocks.push_back(table(std::move(outputs)));
    return section;
}

} // namespace

std::string cellWord(const Explanation &explanation, const ExplanationPhrases &phrases)
{
    return wordOf(explanation.form, phrases);
}

std::string tabulationCubeText(const TabulationCube &cube, int n)
{
    std::string text;
    for (int j = 0; j < n; ++j) {
        const int bit = n - 1 - j;
        text += (cube.dashes >> bit & 1) ? '-' : (cube.value >> bit & 1) ? '1' : '0';
    }
    return text;
}

std::vector<int> tabulationCubeMinterms(const TabulationCube &cube)
{
    std::vector<int> minterms;
    for (int m = 0; m <= (cube.value | cube.dashes); ++m) {
        if ((m & ~cube.dashes) == cube.value)
            minterms.push_back(m);
    }
    return minterms;
}

std::string choiceReason(const Explanation &explanation, const CoverStep &step,
                         const ExplanationPhrases &phrases)
{
    if (step.minterm >= 0)
        return filled(phrases.essentialReason,
                      {cellWord(explanation, phrases), std::to_string(step.minterm)});
    return filled(step.ties > 0 ? phrases.mostTiedReason : phrases.mostReason,
                  {std::to_string(step.covered), std::to_string(step.remaining),
                   cellWords(explanation, phrases), std::to_string(step.ties + 1)});
}

ExplanationDocument explanationDocument(const Explanation &explanation,
                                        const ExplanationPhrases &phrases)
{
    const ExplanationPhrases &p = phrases;
    ExplanationDocument document;
    document.title =
        filled(explanation.form == MinimizationForm::SumOfProducts ? p.titleSumOfProducts
                                                                   : p.titleProductOfSums,
               {std::to_string(explanation.variableCount), explanation.windowCover.text});
    document.sections = {tabulationSection(explanation, p), primesSection(explanation, p),
                         chartSection(explanation, p), choicesSection(explanation, p),
                         solutionsSection(explanation, p)};
    if (explanation.hazardFree.searched)
        document.sections.push_back(hazardFreeSection(explanation, p));
    return document;
}

std::string jointChartMark(const JointChartRow &row, int prime)
{
    if (!std::binary_search(row.primes.begin(), row.primes.end(), prime))
        return {};
    return row.primes.size() == 1 ? "(X)" : "X";
}

std::string outputList(const JointExplanation &explanation, std::uint64_t outputs)
{
    std::string text;
    for (std::size_t j = 0; j < explanation.outputNames.size(); ++j) {
        if (((outputs >> j) & 1) != 0)
            text += (text.empty() ? "" : ", ") + explanation.outputNames[j];
    }
    return text;
}

DocumentTable jointChartTable(const JointExplanation &explanation,
                              const ExplanationPhrases &phrases)
{
    DocumentTable chart;
    chart.header = {phrases.output, wordOf(explanation.form, phrases)};
    for (const JointPrime &prime : explanation.primes)
        chart.header.push_back(primeName(prime.number));
    chart.rows.reserve(explanation.rows.size() + 1);
    for (const JointChartRow &row : explanation.rows) {
        std::vector<std::string> cells{
            explanation.outputNames[static_cast<std::size_t>(row.output)],
            std::to_string(row.cell)};
        for (const JointPrime &prime : explanation.primes)
            cells.push_back(jointChartMark(row, prime.number));
        chart.rows.push_back(std::move(cells));
    }
    std::vector<std::string> chosen{phrases.chosen, ""};
    for (const JointPrime &prime : explanation.primes)
        chosen.emplace_back(prime.feeds != 0 ? "✓" : "");
    chart.rows.push_back(std::move(chosen));
    return chart;
}

ExplanationDocument explanationDocument(const JointExplanation &explanation,
                                        const ExplanationPhrases &phrases, bool withChart)
{
    const ExplanationPhrases &p = phrases;
    ExplanationDocument document;
    document.title =
        filled(explanation.form == MinimizationForm::SumOfProducts ? p.jointTitleSumOfProducts
                                                                   : p.jointTitleProductOfSums,
               {std::to_string(explanation.outputNames.size()),
                std::to_string(explanation.variableCount)});
    document.sections = {jointPrimesSection(explanation, p),
                         jointChartSection(explanation, p, withChart),
                         jointCoverSection(explanation, p)};
    return document;
}
