// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

// How tavolin-cli and its drawing programs end a call: the result on standard
// output, messages on standard error, and the exit status. Every message goes
// out line by line through SafeText, so that no byte of a file name, an
// argument or the toolkit's text can steer the terminal, whoever worded it.
class ProgramReport
{
public:
    // A call refused or failed (the function's own "no" of eval is 1).
    static constexpr int failedStatus = 2;

    // "tavolin-cli: " and the message as one line on standard error; returns
    // failedStatus.
    static int fail(std::string_view message);

    // A message that names its file first, as a compiler's does, as one line
    // on standard error; returns failedStatus.
    static int failAbout(std::string_view message);

    // "tavolin-cli: " and the message as one line on standard error, the
    // call going on.
    static void note(std::string_view message);

    // A line as it is worded (one that names its file first) on standard
    // error, the call going on.
    static void say(std::string_view line);

    // Writes `out` to standard output and `err` (whole lines) to standard
    // error. Returns `status`, or failedStatus when standard output could not
    // take the result (a full disk or a closed pipe must not pass for a
    // written result).
    static int finish(const std::string &out, std::string_view err, int status);

private:
    // The lines of `text` made safe to show, their line breaks kept.
    static std::string safeLines(std::string_view text);
};
