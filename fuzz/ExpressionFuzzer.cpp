// SPDX-License-Identifier: GPL-3.0-or-later
// Any byte string, read as an expression over variable names taken from its
// first bytes, must end in a value or an ExpressionException. Anything else
// (another exception, a crash, a sanitizer report, a value or an acceptance
// that differs from an independent reading of the grammar) aborts.
#include "expression/ExpressionEvaluator.h"
#include "expression/ExpressionException.h"
#include "tests/ExpressionReference.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

[[noreturn]] void fail(const char *what, const std::string &text)
{
    (void)std::fprintf(stderr, "fuzz_expression: %s for \"%s\"\n", what, text.c_str());
    std::abort();
}

// Byte 0 gives the number of names (0 .. 6); each name then takes one byte:
// its length from the top bits, its characters from a small alphabet so that
// names often collide with the text and sometimes with each other.
std::vector<std::string> takeNames(const uint8_t *&data, size_t &size)
{
    constexpr std::string_view alphabet = "ABCab01Z";
    std::vector<std::string> names;
    if (size == 0)
        return names;
    const int count = data[0] % 7;
    ++data;
    --size;
    for (int i = 0; i < count && size > 0; ++i, ++data, --size) {
        const unsigned byte = data[0];
        std::string name(1, alphabet[byte & 7]);
        if (byte & 0x40)
            name += alphabet[(byte >> 3) & 7];
        if (byte & 0x80)
            name += alphabet[((byte >> 3) + 1) & 7];
        names.push_back(name);
    }
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const std::vector<std::string> names = takeNames(data, size);
    const std::string text(reinterpret_cast<const char *>(data), size);

    ExpressionEvaluator evaluator;
    const bool namesTaken = evaluator.Set_Variable_Names(names);
    const std::vector<std::string> inUse = namesTaken ? names : std::vector<std::string>();
    const int n = static_cast<int>(inUse.size());
    evaluator.Set_Expression(text);

    for (int row = 0; row < (1 << n); ++row) {
        std::vector<bool> values;
        values.reserve(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i)
            values.push_back((row >> (n - 1 - i)) & 1);
        evaluator.Set_Variable_Values(values);

        ExpressionReference::Reader reference(text, inUse, values);
        const std::optional<bool> expected = reference.read();
        const bool compare = !reference.tooDeep();
        try {
            const bool value = evaluator.Evaluate_Expression();
            if (compare && (!expected || *expected != value))
                fail(expected ? "wrong value" : "accepted a text the grammar rejects", text);
        } catch (const ExpressionException &e) {
            const ExpressionToken token = e.Get_Token();
            const auto column = static_cast<size_t>(token.Get_Column());
            if (column > text.size() ||
                text.compare(column, token.Get_Text().size(), token.Get_Text()) != 0)
                fail("error token not found at its column", text);
            if (e.Get_Message().empty())
                fail("empty message", text);
            if (compare && expected)
                fail("rejected a text the grammar accepts", text);
            return 0; // only the first evaluation parses
        } catch (...) {
            fail("unexpected exception", text);
        }
    }
    return 0;
}
