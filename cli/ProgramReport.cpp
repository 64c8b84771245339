// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/ProgramReport.h"

#include "messages/SafeText.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <limits>

namespace {

constexpr std::string_view programName = "tavolin-cli: ";
// The messages are worded by the programs and quote names already cut to
// size; only their bytes are made safe, nothing more is cut.
constexpr std::size_t noLimit = std::numeric_limits<std::size_t>::max() / 8;

void writeTo(std::FILE *stream, std::string_view text)
{
    if (!text.empty())
        // A failed write of standard output shows in its flush; standard
        // error has nowhere left to report to.
        (void)std::fwrite(text.data(), 1, text.size(), stream);
}

} // namespace

std::string ProgramReport::safeLines(std::string_view text)
{
    std::string shown;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        const std::size_t length =
            end == std::string_view::npos ? text.size() - start : end - start;
        shown += SafeText::shown(text.substr(start, length), noLimit);
        if (end == std::string_view::npos)
            break;
        shown += '\n';
        start = end + 1;
    }
    return shown;
}

int ProgramReport::fail(std::string_view message)
{
    note(message);
    return failedStatus;
}

int ProgramReport::failAbout(std::string_view message)
{
    say(message);
    return failedStatus;
}

void ProgramReport::note(std::string_view message)
{
    say(std::string(programName) + std::string(message));
}

void ProgramReport::say(std::string_view line)
{
    writeTo(stderr, SafeText::shown(line, noLimit) + "\n");
}

int ProgramReport::finish(const std::string &out, std::string_view err, int status)
{
    writeTo(stdout, out);
    writeTo(stderr, safeLines(err));
    if (std::fflush(stdout) != 0) {
        const int code = errno;
        writeTo(stderr,
                std::string(programName) + "standard output: " + std::strerror(code) + "\n");
        return failedStatus;
    }
    return status;
}
