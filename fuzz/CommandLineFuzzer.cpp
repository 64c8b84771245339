// SPDX-License-Identifier: GPL-3.0-or-later
// The bytes, split at each NUL, are the arguments of tavolin-cli after the
// program name. Whatever they are, the parser must accept a call that makes
// sense or refuse it with one clean, bounded line; an accepted eval runs as
// the tool would run it (it reads no file), and its output or message must
// be clean as well.
#include "cli/CommandLine.h"
#include "cli/EvalCommand.h"
#include "domain/VariableRules.h"
#include "fuzz/FuzzChecks.h"

#include <cstdint>
#include <set>
#include <string>
#include <vector>

namespace {

// Enough for the longest sentence with two cut quotations in it.
constexpr std::size_t longestError = 2000;

void check(bool condition, const char *what)
{
    FuzzChecks::check(condition, "cli", what);
}

std::vector<std::string> argumentsOf(const uint8_t *data, size_t size)
{
    std::vector<std::string> arguments(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            arguments.emplace_back();
        else
            arguments.back() += static_cast<char>(data[i]);
    }
    return arguments;
}

bool endsWithImage(const std::string &name)
{
    std::string lower = name;
    for (char &c : lower) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    const auto endsWith = [&](const char *end) {
        const std::string tail(end);
        return lower.size() > tail.size() &&
               lower.compare(lower.size() - tail.size(), tail.size(), tail) == 0;
    };
    return endsWith(".png") || endsWith(".svg");
}

void checkAccepted(const CliOptions &options)
{
    using Command = CliOptions::Command;
    check(options.command != Command::None, "accepted without a command");
    check(options.names.size() <= 6, "more than six names");
    const std::set<std::string> distinct(options.names.begin(), options.names.end());
    check(distinct.size() == options.names.size(), "a name given twice");
    for (const std::string &name : options.names)
        check(VariableRules::isName(name), "an invalid name accepted");
    check(options.variableCount == 0 || (options.variableCount >= 2 && options.variableCount <= 6),
          "variable count out of range");
    check(options.fanIn >= 2 && options.fanIn <= 16, "fan-in out of range");
    check(!options.all || options.exact, "--all without --exact");
    check(options.plaOutput >= 0, "negative output number");

    switch (options.command) {
    case Command::Minimize:
        check(!options.files.empty(), "minimize without a file");
        check(options.limit == 0 || options.all, "--limit without --all");
        check(!(options.hazardFree && options.exact), "--hazard-free with --exact");
        break;
    case Command::Explain:
        check(options.files.size() == 1, "explain without exactly one file");
        break;
    case Command::Map:
        check(options.files.size() == 1 && endsWithImage(options.output), "map call");
        break;
    case Command::Circuit:
        check(options.files.size() == 1, "circuit without exactly one file");
        check(options.verilog || endsWithImage(options.output), "circuit without an image");
        break;
    case Command::Eval:
        check(options.files.empty(), "eval with files");
        check((options.variableCount == 0) != options.names.empty(), "eval's variables");
        check(options.names.empty() || options.names.size() >= 2, "eval with one name");
        break;
    default:
        break;
    }
}

// The expression is bounded by the input size, the rows by six variables.
void runEval(const CliOptions &options)
{
    std::string out;
    std::string err;
    const int status = EvalCommand::run(options, out, err);
    check(status == 0 || status == 1, "eval status");
    check(FuzzChecks::isCleanText(err, true), "eval's message is not clean text");
    if (status == 1) {
        check(!err.empty() && out.empty(), "a failed eval");
        return;
    }
    check(err.empty() && !out.empty() && out.back() == '\n', "a successful eval");
    if (!options.minimize) {
        const std::size_t n = options.names.empty()
                                  ? static_cast<std::size_t>(options.variableCount)
                                  : options.names.size();
        check(out.size() == (std::size_t{1} << n) * (n + 3), "eval's table size");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 4096)
        return 0;
    const std::vector<std::string> arguments = argumentsOf(data, size);
    CliOptions options;
    std::string error;
    const bool accepted = CommandLine::parse(arguments, options, error);

    CliOptions again;
    std::string secondError;
    check(CommandLine::parse(arguments, again, secondError) == accepted && secondError == error,
          "a second parse differs");
    if (!accepted) {
        check(!error.empty(), "refused without a reason");
        check(error.size() <= longestError, "an overlong message");
        check(FuzzChecks::isCleanText(error, false), "the message is not one clean line");
        return 0;
    }
    check(error.empty(), "accepted with a message");
    checkAccepted(options);
    if (options.command == CliOptions::Command::Eval)
        runEval(options);
    return 0;
}
