// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "explain/Explanation.h"
#include "explain/ExplanationPhrases.h"
#include "explain/JointExplanation.h"

#include <cstdint>
#include <string>
#include <vector>

// An explanation laid out as headings, paragraphs and tables, independent of
// how it is written out; the renderers and the steps window's tabs read it.
struct DocumentTable
{
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
};

struct DocumentBlock
{
    enum class Kind
    {
        Paragraph,
        Table,
    };
    Kind kind = Kind::Paragraph;
    std::string text;
    DocumentTable table;
};

struct DocumentSection
{
    // "tabulation", "primes", "chart", "choices", "solutions", "hazard-free";
    // of a joint cover "joint-primes", "joint-chart", "joint-cover".
    std::string id;
    std::string title;
    std::vector<DocumentBlock> blocks;
};

struct ExplanationDocument
{
    std::string title;
    std::vector<DocumentSection> sections;
};

ExplanationDocument explanationDocument(const Explanation &explanation,
                                        const ExplanationPhrases &phrases = ExplanationPhrases());

// Wording shared by the document and the windows.
std::string tabulationCubeText(const TabulationCube &cube, int n);
std::vector<int> tabulationCubeMinterms(const TabulationCube &cube);
std::string choiceReason(const Explanation &explanation, const CoverStep &step,
                         const ExplanationPhrases &phrases = ExplanationPhrases());
// "minterm" in the sum-of-products form, "maxterm" in the product of sums.
std::string cellWord(const Explanation &explanation,
                     const ExplanationPhrases &phrases = ExplanationPhrases());

// The joint cover of several outputs: its multi-output primes, its chart and
// the cover with its counts. Without `withChart` the chart's section keeps
// its words but not its table, for a window that shows the chart itself.
ExplanationDocument explanationDocument(const JointExplanation &explanation,
                                        const ExplanationPhrases &phrases = ExplanationPhrases(),
                                        bool withChart = true);
DocumentTable jointChartTable(const JointExplanation &explanation,
                              const ExplanationPhrases &phrases = ExplanationPhrases());
// A cell of the joint chart: "X" where the prime may cover the row, "(X)"
// where it is the only one, else empty.
std::string jointChartMark(const JointChartRow &row, int prime);
// The names of the outputs whose bits are set, "f, f1".
std::string outputList(const JointExplanation &explanation, std::uint64_t outputs);
