// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit/ValueColumn.h"

#include "messages/PhraseTemplate.h"

#include <vector>

namespace ValueColumn {

namespace {

std::string trimmed(const std::string &text)
{
    const char *blanks = " \t\r";
    const std::size_t first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::vector<std::string> lines(const std::string &text)
{
    std::vector<std::string> result;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find('\n', start);
        result.push_back(trimmed(text.substr(start, end == std::string::npos ? end : end - start)));
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    // A copied column usually ends with a line break; trailing blank lines
    // are not values.
    while (!result.empty() && result.back().empty())
        result.pop_back();
    return result;
}

Parsed refusal(std::size_t line, const std::string &found)
{
    Parsed parsed;
    parsed.error = PhraseTemplate::filled(englishRefusal, {std::to_string(line), found});
    parsed.errorLine = line;
    parsed.errorText = found;
    return parsed;
}

} // namespace

char valueOf(char c)
{
    switch (c) {
    case '0':
        return '0';
    case '1':
        return '1';
    case 'X':
    case 'x':
    case '-':
        return 'X';
    default:
        return '\0';
    }
}

Parsed parse(const std::string &text)
{
    Parsed parsed;
    const std::vector<std::string> rows = lines(text);
    if (rows.size() == 1) {
        for (const char c : rows.front()) {
            const char value = valueOf(c);
            if (value == '\0')
                return refusal(1, std::string(1, c));
            parsed.values += value;
        }
        return parsed;
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const char value = rows[i].size() == 1 ? valueOf(rows[i].front()) : '\0';
        if (value == '\0')
            return refusal(i + 1, rows[i]);
        parsed.values += value;
    }
    return parsed;
}

} // namespace ValueColumn
