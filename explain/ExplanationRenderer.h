// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "explain/ExplanationDocument.h"

#include <string>

enum class ExplanationFormat
{
    Text,
    Markdown,
    Html,
};

// The whole explanation as one text: plain with aligned columns, Markdown
// with pipe tables, or a complete HTML page.
std::string renderExplanation(const Explanation &explanation, ExplanationFormat format,
                              const ExplanationPhrases &phrases = ExplanationPhrases());
std::string renderExplanation(const JointExplanation &explanation, ExplanationFormat format,
                              const ExplanationPhrases &phrases = ExplanationPhrases());
std::string renderDocument(const ExplanationDocument &document, ExplanationFormat format);
