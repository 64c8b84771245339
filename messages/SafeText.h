// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Bytes from a file or a command line, made fit to go into a message shown
// on a terminal or in a window: the result is valid UTF-8 without control
// characters, and a long fragment is cut.
//
// Each byte of a control character (C0, DEL, C1), of a character that turns
// or breaks lines (bidirectional controls, line and paragraph separators) or
// of an invalid UTF-8 sequence is written as "\xNN". Text longer than
// `limit` characters, counting each escape as four, ends after `limit`
// characters with "…".
class SafeText
{
public:
    // For a word or a line quoted from a file or an argument.
    static constexpr std::size_t fragmentLimit = 60;
    // For a file's name, which is worth showing whole when it is sane.
    static constexpr std::size_t nameLimit = 300;

    static std::string shown(std::string_view text, std::size_t limit = fragmentLimit);
};
