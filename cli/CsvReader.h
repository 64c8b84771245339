// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// One record of a CSV text and the line it starts on (from 1).
struct CsvRecord
{
    int line = 1;
    std::vector<std::string> fields;
    // A quoted field ran to the end of the text without its closing quote.
    bool unterminated = false;
};

// Reads CSV as spreadsheets write it (RFC 4180): fields separated by commas,
// records by line ends (CRLF or LF); a field in double quotes may hold
// commas, line ends and doubled quotes standing for one. A UTF-8 byte order
// mark at the start is skipped. Lenient where spreadsheets are not strict:
// text after a closing quote joins the field, and a quote inside an unquoted
// field is kept as it is.
class CsvReader
{
public:
    static std::vector<CsvRecord> read(const std::string &text);
};
