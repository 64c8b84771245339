// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An independent recursive-descent reading of the expression grammar, used as
// an oracle by the property test and the fuzz target. It shares no code with
// the engine: names are runs of [0-9a-zA-Z], OR binds weakest, then XOR, then
// AND, then the suffix apostrophe, and binary operators associate to the left.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace ExpressionReference {

class Reader
{
public:
    Reader(const std::string &text, const std::vector<std::string> &names,
           const std::vector<bool> &values)
        : text(text), names(names), values(values)
    {}

    // The value of the whole text, or nothing when the grammar rejects it.
    std::optional<bool> read()
    {
        const bool value = expression();
        if (!ok || pos != text.size())
            return std::nullopt;
        return value;
    }

private:
    bool peek(char ch) const { return pos < text.size() && text[pos] == ch; }

    static bool nameChar(char ch)
    {
        return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z');
    }

    // Each level reads all of its operands even once the value is known, so
    // that the whole text is checked.
    bool expression()
    {
        bool value = orOperand();
        while (ok && peek('+')) {
            ++pos;
            const bool right = orOperand();
            value = value || right;
        }
        return value;
    }

    bool orOperand()
    {
        bool value = xorOperand();
        while (ok && peek('^')) {
            ++pos;
            value = value != xorOperand();
        }
        return value;
    }

    bool xorOperand()
    {
        bool value = factor();
        while (ok && peek('&')) {
            ++pos;
            const bool right = factor();
            value = value && right;
        }
        return value;
    }

    bool factor()
    {
        bool value = primary();
        while (ok && peek('\'')) {
            ++pos;
            value = !value;
        }
        return value;
    }

    bool primary()
    {
        if (!ok)
            return false;
        if (peek('(')) {
            if (++depth > maxDepth)
                return fail();
            ++pos;
            const bool value = expression();
            if (!ok || !peek(')'))
                return fail();
            ++pos;
            --depth;
            return value;
        }
        const std::size_t start = pos;
        while (pos < text.size() && nameChar(text[pos]))
            ++pos;
        if (pos == start)
            return fail();
        const std::string name = text.substr(start, pos - start);
        for (std::size_t i = 0; i < names.size(); ++i) {
            if (names[i] == name)
                return i < values.size() && values[i];
        }
        return fail();
    }

    bool fail()
    {
        ok = false;
        return false;
    }

public:
    // Deeper nesting is refused rather than risking the stack; callers skip
    // the comparison for such texts.
    static constexpr int maxDepth = 400;
    bool tooDeep() const { return depth > maxDepth; }

private:
    const std::string &text;
    const std::vector<std::string> &names;
    const std::vector<bool> &values;
    std::size_t pos = 0;
    int depth = 0;
    bool ok = true;
};

} // namespace ExpressionReference
