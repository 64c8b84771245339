// SPDX-License-Identifier: GPL-3.0-or-later
// Any byte string, read as a function (its first bytes: the number of
// variables, the form and the cells) and an answer (the rest), must give a
// verdict that agrees with an independent evaluation of the answer: equal
// exactly when it differs on no cell that is not a don't care, `extra` and
// `missing` the cells where it is 1 or 0 against the function, a minimal
// answer as cheap as the minimum, and only syntax errors left unchecked.
#include "check/AnswerChecker.h"
#include "check/VerdictText.h"
#include "tests/ExpressionReference.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

[[noreturn]] void fail(const char *what, const std::string &text)
{
    (void)std::fprintf(stderr, "fuzz_check: %s for \"%s\"\n", what, text.c_str());
    std::abort();
}

void agree(bool condition, const char *what, const std::string &answer)
{
    if (!condition)
        fail(what, answer);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const int n = 2 + data[0] % 5;
    const MinimizationForm form =
        (data[0] & 0x80) != 0 ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts;
    ++data;
    --size;
    // Two bits per cell, while the bytes last; the rest of the cells 0.
    const int cells = 1 << n;
    std::vector<int> codes(static_cast<std::size_t>(cells), 0);
    const std::size_t cellBytes = std::min<std::size_t>(size, static_cast<std::size_t>(cells) / 4);
    for (int m = 0; m < cells && static_cast<std::size_t>(m / 4) < cellBytes; ++m)
        codes[static_cast<std::size_t>(m)] = (data[m / 4] >> (2 * (m % 4))) & 3;
    const std::string answer(reinterpret_cast<const char *>(data + cellBytes), size - cellBytes);

    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(n));
    for (int j = 0; j < n; ++j)
        names.emplace_back(1, static_cast<char>('A' + j));
    const AnswerChecker checker(n, codes, form, names);
    const AnswerVerdict verdict = checker.check(answer);
    (void)VerdictText::sentences(verdict);

    std::vector<int> extra;
    std::vector<int> missing;
    for (int m = 0; m < cells; ++m) {
        std::vector<bool> values;
        values.reserve(static_cast<std::size_t>(n));
        for (int j = 0; j < n; ++j)
            values.push_back(((m >> (n - 1 - j)) & 1) != 0);
        const std::optional<bool> value = ExpressionReference::Reader(answer, names, values).read();
        if (!value) {
            agree(verdict.status != AnswerStatus::Checked, "a text the grammar refuses was checked",
                  answer);
            return 0;
        }
        const int code = codes[static_cast<std::size_t>(m)];
        if (code == 0 && *value)
            extra.push_back(m);
        if (code == 1 && !*value)
            missing.push_back(m);
    }
    agree(verdict.status == AnswerStatus::Checked, "a readable answer was not checked", answer);
    agree(verdict.extra == extra, "the extra cells differ", answer);
    agree(verdict.missing == missing, "the missing cells differ", answer);
    agree(verdict.equivalent == (extra.empty() && missing.empty()), "equality differs", answer);
    agree(!verdict.minimal || (verdict.equivalent && verdict.inForm &&
                               verdict.answer.terms == checker.minimum().terms &&
                               verdict.answer.literals == checker.minimum().literals),
          "a minimal answer costs other than the minimum", answer);
    return 0;
}
