// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// A sentence with numbered places (%1 ... %9) filled in one pass, so that a
// filled-in value that itself contains "%2" stays as it is. The cores write
// their English sentences this way; the window passes the same places to its
// translated sentence, so a message is never glued together from fragments.
class PhraseTemplate
{
public:
    static std::string filled(const std::string &pattern, const std::vector<std::string> &values);
};
