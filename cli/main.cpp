// SPDX-License-Identifier: GPL-3.0-or-later
// tavolin-cli: the window's minimization, equation evaluation, Karnaugh
// map and circuit for scripts and pipelines.

#include "cli/CheckCommand.h"
#include "cli/CircuitCommand.h"
#include "cli/CommandLine.h"
#include "cli/EvalCommand.h"
#include "cli/ExplainCommand.h"
#include "cli/JsonReport.h"
#include "cli/MinimizeCommand.h"
#include "cli/ProgramReport.h"
#include "cli/SiblingProgram.h"

#include <string>
#include <vector>

namespace {

int runSibling(const char *name, char **argv)
{
    std::string error;
    SiblingProgram::exec(name, argv, error);
    return ProgramReport::fail(error);
}

} // namespace

int main(int argc, char **argv)
{
    CliOptions options;
    if (!CommandLine::parseProgramArguments(argc, argv, options))
        return ProgramReport::failedStatus;

    std::string out;
    std::string err;
    int status = 0;
    switch (options.command) {
    case CliOptions::Command::Help:
        out = CommandLine::usage();
        break;
    case CliOptions::Command::Version:
        out = "tavolin-cli " TAVOLIN_VERSION "\n";
        break;
    case CliOptions::Command::Minimize: {
        const std::vector<FileResult> results = MinimizeCommand::solveAll(options, err, status);
        out = options.json ? JsonReport::text(options, results)
                           : MinimizeCommand::formattedText(options, results, err, status);
        break;
    }
    case CliOptions::Command::Eval:
        status = EvalCommand::run(options, out, err);
        break;
    case CliOptions::Command::Map:
        return runSibling("tavolin-cli-map", argv);
    case CliOptions::Command::Explain:
        status = ExplainCommand::run(options, out, err);
        break;
    case CliOptions::Command::Circuit:
        if (!options.verilog && !options.circ)
            return runSibling("tavolin-cli-circuit", argv);
        status = options.circ ? CircuitCommand::writeCirc(options, out, err)
                              : CircuitCommand::writeVerilog(options, out, err);
        break;
    case CliOptions::Command::Check:
        status = CheckCommand::run(options, out, err);
        break;
    case CliOptions::Command::None:
        break;
    }
    return ProgramReport::finish(out, err, status);
}
