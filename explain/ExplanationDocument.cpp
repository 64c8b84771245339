// SPDX-License-Identifier: GPL-3.0-or-later
#include "explain/ExplanationDocument.h"

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

std::string formName(const Explanation &e)
{
    return e.form == MinimizationForm::SumOfProducts ? "sum of products" : "product of sums";
}

std::string costText(const ExplainedCover &cover)
{
    return std::to_string(cover.terms) + (cover.terms == 1 ? " term, " : " terms, ") +
           std::to_string(cover.literals) + (cover.literals == 1 ? " literal" : " literals");
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

DocumentSection tabulationSection(const Explanation &e)
{
    DocumentSection section{"tabulation", "Tabulation", {}};
    section.blocks.push_back(paragraph(
        "The cells that are " + std::string(e.form == MinimizationForm::SumOfProducts ? "1" : "0") +
        " or don't care start the table, grouped by their number of ones. Each pass merges "
        "cubes of neighbouring groups that differ in one variable; merged cubes are checked "
        "(✓). Cubes never checked are the prime implicants."));
    DocumentTable rows{{"Pass", "Ones", "Cube", "Covers", "Mark"}, {}};
    for (std::size_t pass = 0; pass < e.tabulation.size(); ++pass) {
        for (const TabulationGroup &group : e.tabulation[pass].groups) {
            for (const TabulationCube &cube : group.cubes) {
                rows.rows.push_back({std::to_string(pass + 1), std::to_string(group.ones),
                                     tabulationCubeText(cube, e.variableCount),
                                     listText(tabulationCubeMinterms(cube)),
                                     cube.checked ? "✓" : "prime " + primeName(cube.prime)});
            }
        }
    }
    if (rows.rows.empty())
        section.blocks.push_back(paragraph("No cell takes part: there is nothing to merge."));
    else
        section.blocks.push_back(table(std::move(rows)));
    return section;
}

DocumentSection primesSection(const Explanation &e)
{
    DocumentSection section{"primes", "Prime implicants", {}};
    DocumentTable rows{{"Prime", "Cube", "Term", "Literals", "Covers", "Essential"}, {}};
    for (const ExplainedPrime &prime : e.primes) {
        rows.rows.push_back({primeName(prime.number), prime.cube, prime.term,
                             std::to_string(prime.literals), listText(prime.minterms),
                             prime.essential ? "yes" : ""});
    }
    if (rows.rows.empty())
        section.blocks.push_back(paragraph("There are no prime implicants."));
    else
        section.blocks.push_back(table(std::move(rows)));
    return section;
}

DocumentSection chartSection(const Explanation &e)
{
    DocumentSection section{"chart", "Prime implicant chart", {}};
    const std::string word = cellWord(e);
    section.blocks.push_back(paragraph(
        "Rows: the " + word +
        "s that must be covered (don't cares need no cover). Columns: the "
        "prime implicants; X marks a " +
        word +
        " a prime covers, (X) the only prime on its row, "
        "which makes that prime essential. The last row marks the primes \"Minimize!\" chose."));
    if (e.chartMinterms.empty()) {
        section.blocks.push_back(paragraph("No " + word + " needs covering."));
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
    std::vector<std::string> chosen{"chosen"};
    for (const ExplainedPrime &prime : e.primes) {
        const auto &selected = e.windowCover.primes;
        chosen.emplace_back(
            std::find(selected.begin(), selected.end(), prime.number) != selected.end() ? "✓" : "");
    }
    chart.rows.push_back(std::move(chosen));
    section.blocks.push_back(table(std::move(chart)));
    for (const EssentialPrime &essential : e.essentials) {
        section.blocks.push_back(
            paragraph(primeName(essential.prime) + " (" +
                      e.primes[static_cast<std::size_t>(essential.prime - 1)].term +
                      ") is essential: it is the only prime covering " + word + " " +
                      std::to_string(essential.minterm) + "."));
    }
    if (e.essentials.empty())
        section.blocks.push_back(paragraph("No prime is essential."));
    return section;
}

DocumentSection choicesSection(const Explanation &e)
{
    DocumentSection section{"choices", "Choices of \"Minimize!\"", {}};
    DocumentTable rows{{"Step", "Prime", "Term", "Reason"}, {}};
    for (std::size_t i = 0; i < e.choices.size(); ++i) {
        const CoverStep &step = e.choices[i];
        rows.rows.push_back({std::to_string(i + 1), primeName(step.prime),
                             e.primes[static_cast<std::size_t>(step.prime - 1)].term,
                             choiceReason(e, step)});
    }
    if (rows.rows.empty())
        section.blocks.push_back(paragraph("Nothing needs covering, so nothing is chosen."));
    else
        section.blocks.push_back(table(std::move(rows)));
    return section;
}

DocumentSection solutionsSection(const Explanation &e)
{
    DocumentSection section{"solutions", "Solutions", {}};
    DocumentTable compare{{"Cover", "Primes", "Terms", "Literals", "Expression"}, {}};
    const auto add = [&](const char *name, const ExplainedCover &cover) {
        compare.rows.push_back({name, listText(cover.primes, "P"), std::to_string(cover.terms),
                                std::to_string(cover.literals), cover.text});
    };
    add("Minimize!", e.windowCover);
    add("Minimum", e.minimum);
    section.blocks.push_back(table(std::move(compare)));
    section.blocks.push_back(paragraph(e.windowIsMinimal
                                           ? "The window's answer is minimal."
                                           : "A shorter answer exists: " + e.minimum.text + " (" +
                                                 costText(e.minimum) + " instead of " +
                                                 costText(e.windowCover) + ")."));
    const SolutionList &list = e.solutions;
    if (!list.searched) {
        section.blocks.push_back(paragraph("The minimum solutions have not been counted."));
        return section;
    }
    const std::string count = std::to_string(list.count);
    section.blocks.push_back(paragraph(
        list.complete
            ? (list.count == 1 ? "There is exactly one minimum solution."
                               : "There are " + count + " minimum solutions.")
            : "There are at least " + count + " minimum solutions (the count stopped there)."));
    DocumentTable rows{{"Solution", "Primes", "Expression"}, {}};
    for (std::size_t i = 0; i < list.covers.size(); ++i)
        rows.rows.push_back(
            {std::to_string(i + 1), listText(list.covers[i].primes, "P"), list.covers[i].text});
    if (!rows.rows.empty())
        section.blocks.push_back(table(std::move(rows)));
    if (list.covers.size() < list.count)
        section.blocks.push_back(
            paragraph("The first " + std::to_string(list.covers.size()) + " are listed."));
    return section;
}

DocumentSection hazardFreeSection(const Explanation &e)
{
    DocumentSection section{"hazard-free", "Hazard-free cover", {}};
    const std::string value = e.form == MinimizationForm::SumOfProducts ? "1" : "0";
    section.blocks.push_back(paragraph(
        "The fewest terms, then literals, such that every two adjacent cells that are both " +
        value +
        " lie in one term: changing a single input between them cannot make the output "
        "glitch."));
    if (!e.hazardFree.found) {
        section.blocks.push_back(paragraph("The search was stopped before it finished."));
        return section;
    }
    const ExplainedCover &cover = e.hazardFree.cover;
    section.blocks.push_back(
        paragraph(cover.text + " (" + listText(cover.primes, "P") + "; " + costText(cover) + ")."));
    return section;
}

} // namespace

std::string cellWord(const Explanation &explanation)
{
    return explanation.form == MinimizationForm::SumOfProducts ? "minterm" : "maxterm";
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

std::string choiceReason(const Explanation &explanation, const CoverStep &step)
{
    const std::string word = cellWord(explanation);
    if (step.minterm >= 0)
        return "essential: the only prime covering " + word + " " + std::to_string(step.minterm);
    std::string reason = "covers " + std::to_string(step.covered) + " of the " +
                         std::to_string(step.remaining) + " remaining " + word + "s, the most";
    if (step.ties > 0)
        reason += "; leftmost of " + std::to_string(step.ties + 1) + " tied primes";
    return reason;
}

ExplanationDocument explanationDocument(const Explanation &explanation)
{
    ExplanationDocument document;
    document.title = "Minimizing a function of " + std::to_string(explanation.variableCount) +
                     " variables as a " + formName(explanation) + ": " +
                     explanation.windowCover.text;
    document.sections = {tabulationSection(explanation), primesSection(explanation),
                         chartSection(explanation), choicesSection(explanation),
                         solutionsSection(explanation)};
    if (explanation.hazardFree.searched)
        document.sections.push_back(hazardFreeSection(explanation));
    return document;
}
