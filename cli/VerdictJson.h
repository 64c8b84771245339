// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "check/AnswerVerdict.h"

#include <string>

// `tavolin-cli check --json`: a verdict as one compact JSON object.
class VerdictJson
{
public:
    // equivalent, minimal, extra, missing, minimum {terms, literals}, answer
    // {terms, literals} (null when the answer is not in the form), terms
    // [{text, literals, cells, implicant, prime, redundant (null unless the
    // answer is equal), drop, wrongCell (where they apply)}], notInForm
    // {reason, position} when the answer is not in the form, and sentences.
    static std::string text(const AnswerVerdict &verdict);

    // One line of a class's grading: id and verdict, then the verdict's
    // fields, or `error` with the message when the answer could not be
    // graded.
    static std::string row(const std::string &id, const std::string &verdictWord,
                           const AnswerVerdict *verdict, const std::string &error);
};
