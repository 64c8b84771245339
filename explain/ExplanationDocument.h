// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "explain/Explanation.h"
#include "explain/ExplanationPhrases.h"

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
    std::string id; // "tabulation", "primes", "chart", "choices", "solutions", "hazard-free"
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
