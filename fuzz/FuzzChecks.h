// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Checks shared by the fuzz targets: a failed check aborts, which libFuzzer
// reports as a crash with the input that caused it.

#include <cstdio>
#include <cstdlib>
#include <string>

namespace FuzzChecks {

[[noreturn]] inline void fail(const char *target, const char *what)
{
    // Nothing useful can follow a failed write: the process aborts next.
    (void)std::fprintf(stderr, "fuzz_%s: %s\n", target, what);
    std::abort();
}

inline void check(bool condition, const char *target, const char *what)
{
    if (!condition)
        fail(target, what);
}

// Valid UTF-8 without a control character (C0, DEL or C1) and without a
// character that reorders or breaks a line (bidirectional controls, line and
// paragraph separators); newline and tab count as layout when `layout`
// allows them.
inline bool isCleanText(const std::string &text, bool layout)
{
    std::size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        if (lead < 0x80) {
            const bool allowed = lead >= 0x20 || (layout && (lead == '\n' || lead == '\t'));
            if (!allowed || lead == 0x7f)
                return false;
            ++at;
            continue;
        }
        std::size_t length = 0;
        unsigned long codePoint = 0;
        unsigned long minimum = 0;
        if (lead >= 0xc2 && lead <= 0xdf) {
            length = 2;
            codePoint = lead & 0x1fu;
            minimum = 0x80;
        } else if (lead >= 0xe0 && lead <= 0xef) {
            length = 3;
            codePoint = lead & 0x0fu;
            minimum = 0x800;
        } else if (lead >= 0xf0 && lead <= 0xf4) {
            length = 4;
            codePoint = lead & 0x07u;
            minimum = 0x10000;
        } else {
            return false;
        }
        if (at + length > text.size())
            return false;
        for (std::size_t i = 1; i < length; ++i) {
            const auto next = static_cast<unsigned char>(text[at + i]);
            if ((next & 0xc0) != 0x80)
                return false;
            codePoint = (codePoint << 6) | (next & 0x3fu);
        }
        const bool surrogate = codePoint >= 0xd800 && codePoint <= 0xdfff;
        const bool steering = (codePoint >= 0x80 && codePoint <= 0x9f) || codePoint == 0x061c ||
                              codePoint == 0x200e || codePoint == 0x200f ||
                              (codePoint >= 0x2028 && codePoint <= 0x202e) ||
                              (codePoint >= 0x2066 && codePoint <= 0x2069);
        if (codePoint < minimum || surrogate || codePoint > 0x10ffff || steering)
            return false;
        at += length;
    }
    return true;
}

} // namespace FuzzChecks
