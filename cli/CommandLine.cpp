#include "cli/CommandLine.h"

#include "pla/PlaReader.h"

#include <cstddef>
#include <cstdio>

namespace {

std::string quoted(const std::string &text)
{
    return "\"" + text + "\"";
}

// "--name=value" or "--name value": the value, and whether the option matched.
class ArgumentReader
{
public:
    explicit ArgumentReader(const std::vector<std::string> &arguments) : arguments(arguments) {}

    bool atEnd() const { return next >= arguments.size(); }
    const std::string &take() { return arguments[next++]; }

    // Matches `argument` against an option that needs a value.
    bool valueOf(const std::string &argument, const std::string &option, std::string &value,
                 std::string &error)
    {
        if (argument.compare(0, option.size() + 1, option + "=") == 0) {
            value = argument.substr(option.size() + 1);
            return true;
        }
        if (argument != option)
            return false;
        if (atEnd()) {
            error = option + " needs a value.";
            return true;
        }
        value = take();
        return true;
    }

private:
    const std::vector<std::string> &arguments;
    std::size_t next = 0;
};

bool parseCount(const std::string &text, int &count)
{
    if (text.size() != 1 || text[0] < '2' || text[0] > '6')
        return false;
    count = text[0] - '0';
    return true;
}

std::string lowerCase(std::string text)
{
    for (char &c : text) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

bool endsWith(const std::string &text, const std::string &end)
{
    return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Which options make sense for which command.
bool checkCombination(CliOptions &options, std::string &error)
{
    using Command = CliOptions::Command;
    const Command command = options.command;
    if (options.all && !options.exact) {
        error = "--all needs --exact.";
        return false;
    }
    if (options.json && command != Command::Minimize) {
        error = "--json belongs to the minimize command.";
        return false;
    }
    if (options.formatGiven && command != Command::Minimize) {
        error = "--format belongs to the minimize command.";
        return false;
    }
    if (options.formatGiven && options.json && options.format != OutputFormat::Text) {
        error = "--json and --format exclude each other.";
        return false;
    }
    if (!options.output.empty() && command != Command::Map) {
        error = "-o belongs to the map command.";
        return false;
    }
    if (options.minimize && command != Command::Eval) {
        error = "--minimize belongs to the eval command.";
        return false;
    }
    if (options.variableCount != 0 && command != Command::Eval) {
        error = "--vars belongs to the eval command.";
        return false;
    }

    switch (command) {
    case Command::Minimize:
        if (options.files.empty()) {
            error = "minimize needs at least one PLA file (- for standard input).";
            return false;
        }
        return true;
    case Command::Eval:
        if ((options.productOfSums || options.exact) && !options.minimize) {
            error = "--pos and --exact need --minimize with eval.";
            return false;
        }
        if (options.all) {
            error = "--all belongs to the minimize command.";
            return false;
        }
        if (options.variableCount != 0 && !options.names.empty()) {
            error = "eval takes either --vars or --names, not both.";
            return false;
        }
        if (options.variableCount == 0 && options.names.empty()) {
            error = "eval needs --vars N or --names A,B,C.";
            return false;
        }
        if (!options.names.empty() && options.names.size() < 2) {
            error = "eval needs 2 to 6 names.";
            return false;
        }
        if (options.files.size() != 1) {
            error = options.files.empty() ? "eval needs an expression."
                                          : "eval takes one expression; quote it if it has blanks.";
            return false;
        }
        options.expression = options.files.front();
        options.files.clear();
        return true;
    case Command::Map: {
        if (options.all) {
            error = "--all belongs to the minimize command.";
            return false;
        }
        if (options.files.size() != 1) {
            error = "map draws one PLA file (- for standard input).";
            return false;
        }
        const std::string output = lowerCase(options.output);
        if (options.output.empty() || !(endsWith(output, ".png") || endsWith(output, ".svg"))) {
            error = "map needs -o OUT.png or -o OUT.svg.";
            return false;
        }
        return true;
    }
    default:
        return true;
    }
}

} // namespace

bool CommandLine::parse(const std::vector<std::string> &arguments, CliOptions &options,
                        std::string &error)
{
    using Command = CliOptions::Command;
    options = CliOptions();
    error.clear();
    if (arguments.empty()) {
        error = "no command given.";
        return false;
    }

    ArgumentReader reader(arguments);
    const std::string &command = reader.take();
    if (command == "--help" || command == "-h" || command == "help") {
        options.command = Command::Help;
        return true;
    }
    if (command == "--version") {
        options.command = Command::Version;
        return true;
    }
    if (command == "minimize")
        options.command = Command::Minimize;
    else if (command == "eval")
        options.command = Command::Eval;
    else if (command == "map")
        options.command = Command::Map;
    else {
        error = "unknown command " + quoted(command) + " (minimize, eval or map).";
        return false;
    }

    bool optionsEnded = false;
    while (!reader.atEnd()) {
        const std::string &argument = reader.take();
        if (optionsEnded || argument == "-" || argument.empty() || argument[0] != '-') {
            options.files.push_back(argument);
            continue;
        }
        std::string value;
        if (argument == "--") {
            optionsEnded = true;
        } else if (argument == "--help" || argument == "-h") {
            options = CliOptions();
            options.command = Command::Help;
            return true;
        } else if (argument == "--pos") {
            options.productOfSums = true;
        } else if (argument == "--json") {
            options.json = true;
        } else if (argument == "--exact") {
            options.exact = true;
        } else if (argument == "--all") {
            options.all = true;
        } else if (argument == "--minimize") {
            options.minimize = true;
        } else if (reader.valueOf(argument, "--names", value, error)) {
            if (!error.empty() || !parseNames(value, options.names, error))
                return false;
        } else if (reader.valueOf(argument, "--format", value, error)) {
            if (!error.empty())
                return false;
            if (!outputFormatFromKey(value, options.format)) {
                error = "--format gives " + quoted(value) +
                        ", but the formats are text, verilog, vhdl, latex, c and python.";
                return false;
            }
            options.formatGiven = true;
        } else if (reader.valueOf(argument, "--vars", value, error)) {
            if (!error.empty())
                return false;
            if (!parseCount(value, options.variableCount)) {
                error = "--vars gives " + quoted(value) +
                        ", but the number of variables must be 2 to 6.";
                return false;
            }
        } else if (reader.valueOf(argument, "-o", value, error) ||
                   reader.valueOf(argument, "--output", value, error)) {
            if (!error.empty())
                return false;
            if (value.empty()) {
                error = "-o needs a file name.";
                return false;
            }
            options.output = value;
        } else {
            error = "unknown option " + quoted(argument) + ".";
            return false;
        }
    }
    return checkCombination(options, error);
}

bool CommandLine::parseNames(const std::string &list, std::vector<std::string> &names,
                             std::string &error)
{
    names.clear();
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = list.find(',', start);
        const std::string name =
            list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
        if (!PlaReader::isVariableName(name)) {
            error =
                "--names: the variable name " + quoted(name) + " must be 1 to 3 letters or digits.";
            return false;
        }
        for (const std::string &earlier : names) {
            if (earlier == name) {
                error = "--names: the variable name " + quoted(name) + " is used twice.";
                return false;
            }
        }
        names.push_back(name);
        if (comma == std::string::npos)
            break;
        start = comma + 1;
    }
    if (names.size() > 6) {
        error = "--names: at most 6 variables.";
        return false;
    }
    return true;
}

std::string CommandLine::usage()
{
    return "Usage:\n"
           "  tavolin-cli minimize [--pos] [--names A,B,C] [--json] [--exact [--all]]\n"
           "                       [--format FORMAT] FILE.pla...\n"
           "  tavolin-cli eval (--vars N | --names A,B,C) EXPR [--minimize [--pos] [--exact]]\n"
           "  tavolin-cli map FILE.pla [--pos] [--exact] -o OUT.png|OUT.svg\n"
           "  tavolin-cli --help | --version\n"
           "\n"
           "minimize  prints the minimized expression of each PLA file, as the window's\n"
           "          \"Minimize!\" shows it; with several files each line starts with\n"
           "          \"FILE: \". A FILE of - reads standard input.\n"
           "eval      prints the truth table of EXPR, one row per line (bits of the\n"
           "          variables, first variable first, a blank, the value); with\n"
           "          --minimize the minimized expression instead.\n"
           "map       draws the Karnaugh map with the chosen groups into a PNG or SVG file.\n"
           "\n"
           "  --pos          product of sums instead of sum of products\n"
           "  --names LIST   variable names, comma-separated (1 to 3 letters or digits);\n"
           "                 a file's .ilb line takes precedence\n"
           "  --vars N       eval over the variables A.. of a count N (2 to 6)\n"
           "  --json         one JSON object per file (an array for several files)\n"
           "  --format F     minimize: the expression as text (the window's, the default),\n"
           "                 verilog, vhdl, latex, c or python\n"
           "  --exact        a true minimum: fewest terms, then fewest literals\n"
           "  --all          with --exact, every minimum solution, one per line\n"
           "  -o FILE        the image to write (.png or .svg)\n"
           "\n"
           "Exit status: 0 done, 1 the expression has an error, 2 bad usage or a bad file.\n";
}

bool CommandLine::parseProgramArguments(int argc, char **argv, CliOptions &options)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    std::string error;
    if (parse(arguments, options, error))
        return true;
    const std::string message = "tavolin-cli: " + error + "\nTry 'tavolin-cli --help'.\n";
    std::fputs(message.c_str(), stderr);
    return false;
}
