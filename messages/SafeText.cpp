// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages/SafeText.h"

namespace {

// The length of the valid UTF-8 sequence at `at`, or 0 when the bytes there
// are not one (overlong forms, surrogates and values past U+10FFFF included).
std::size_t sequenceLength(std::string_view text, std::size_t at, char32_t &codePoint)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    if (lead >= 0xc2 && lead <= 0xdf) {
        length = 2;
        codePoint = lead & 0x1f;
        minimum = 0x80;
    } else if (lead >= 0xe0 && lead <= 0xef) {
        length = 3;
        codePoint = lead & 0x0f;
        minimum = 0x800;
    } else if (lead >= 0xf0 && lead <= 0xf4) {
        length = 4;
        codePoint = lead & 0x07;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (at + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xc0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (byte(i) & 0x3f);
    }
    const bool surrogate = codePoint >= 0xd800 && codePoint <= 0xdfff;
    if (codePoint < minimum || surrogate || codePoint > 0x10ffff)
        return 0;
    return length;
}

// Characters that would steer a terminal or reorder or break the line.
bool isUnsafe(char32_t c)
{
    return c < 0x20 || (c >= 0x7f && c <= 0x9f) || c == 0x061c || c == 0x200e || c == 0x200f ||
           (c >= 0x2028 && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069);
}

void appendEscaped(std::string &out, std::string_view bytes)
{
    constexpr std::string_view digits = "0123456789abcdef";
    for (const char b : bytes) {
        const auto value = static_cast<unsigned char>(b);
        out += "\\x";
        out += digits[value >> 4];
        out += digits[value & 0xf];
    }
}

} // namespace

std::string SafeText::shown(std::string_view text, std::size_t limit)
{
    std::string out;
    std::size_t characters = 0;
    std::size_t at = 0;
    while (at < text.size()) {
        char32_t codePoint = 0;
        const std::size_t length = sequenceLength(text, at, codePoint);
        const bool escape = length == 0 || isUnsafe(codePoint);
        const std::size_t taken = length == 0 ? 1 : length;
        const std::size_t width = escape ? 4 * taken : 1;
        if (characters + width > limit)
            return out + "\u2026";
        if (escape)
            appendEscaped(out, text.substr(at, taken));
        else
            out.append(text.substr(at, taken));
        characters += width;
        at += taken;
    }
    return out;
}
