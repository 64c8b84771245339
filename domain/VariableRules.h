// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// What every layer agrees on about a function's variables: how many there may
// be, what they are called until renamed, and what a name may look like. The
// names dialog, the equation engine, the PLA reader and writer, tavolin-cli and
// the browser page all ask here, so a name one of them accepts survives the
// others (typed in the dialog, exported, imported, used in an equation).
class VariableRules
{
public:
    static constexpr int minCount = 2;
    static constexpr int maxCount = 6;

    // A names-dialog field holds this many characters; a longer PLA label
    // is replaced by the default name.
    static constexpr std::size_t maxNameLength = 3;

    // The characters of a name as the inside of a regular-expression bracket,
    // for validators that filter typing; it says what isNameCharacter says.
    static constexpr const char *nameCharacterClass = "0-9a-zA-Z";

    static constexpr bool isCount(int count) { return count >= minCount && count <= maxCount; }

    static constexpr bool isNameCharacter(char c)
    {
        return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    }

    static constexpr bool isName(std::string_view name)
    {
        if (name.empty() || name.size() > maxNameLength)
            return false;
        for (const char c : name) {
            if (!isNameCharacter(c))
                return false;
        }
        return true;
    }

    // "A", "B", ... by position; past the sixth the letters go on ("G", ...),
    // which the names dialog uses when the first six are taken.
    static constexpr char defaultLetter(int position) { return static_cast<char>('A' + position); }

    static std::string defaultName(int position) { return std::string(1, defaultLetter(position)); }

    static std::array<std::string, maxCount> defaultNames()
    {
        std::array<std::string, maxCount> names;
        for (int p = 0; p < maxCount; ++p)
            names[static_cast<std::size_t>(p)] = defaultName(p);
        return names;
    }
};
