// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CsvReader.h"

#include <cstddef>

std::vector<CsvRecord> CsvReader::read(const std::string &text)
{
    std::vector<CsvRecord> records;
    std::size_t i = text.compare(0, 3, "\xEF\xBB\xBF") == 0 ? 3 : 0;
    int line = 1;
    while (i < text.size()) {
        CsvRecord record;
        record.line = line;
        std::string field;
        bool quoted = false;
        bool ended = false;
        while (i < text.size() && !ended) {
            const char c = text[i];
            if (quoted) {
                if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                    field += '"';
                    i += 2;
                    continue;
                }
                if (c == '"')
                    quoted = false;
                else
                    field += c;
                if (c == '\n')
                    ++line;
                ++i;
                continue;
            }
            if (c == '"' && field.empty()) {
                quoted = true;
            } else if (c == ',') {
                record.fields.push_back(field);
                field.clear();
            } else if (c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
                i += c == '\r' ? 1 : 0;
                ++line;
                ended = true;
            } else {
                field += c;
            }
            ++i;
        }
        record.unterminated = quoted;
        record.fields.push_back(field);
        records.push_back(std::move(record));
    }
    return records;
}
