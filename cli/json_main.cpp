// tavolin-cli-json: `tavolin-cli minimize --json`, kept in a program of its
// own because it needs QtCore's JSON classes.

#include "cli/CommandLine.h"
#include "cli/JsonReport.h"
#include "cli/MinimizeCommand.h"

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char **argv)
{
    CliOptions options;
    if (!CommandLine::parseProgramArguments(argc, argv, options))
        return 2;
    if (options.command != CliOptions::Command::Minimize || !options.json) {
        std::fputs("tavolin-cli-json writes JSON only: tavolin-cli minimize --json FILE.pla...\n",
                   stderr);
        return 2;
    }

    std::string err;
    int status = 0;
    const std::string out =
        JsonReport::text(options, MinimizeCommand::solveAll(options, err, status));
    std::fwrite(out.data(), 1, out.size(), stdout);
    std::fwrite(err.data(), 1, err.size(), stderr);
    if (std::fflush(stdout) != 0) {
        std::perror("tavolin-cli: standard output");
        return 2;
    }
    return status;
}
