// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CommandLine.h"

#include "domain/VariableRules.h"
#include "messages/SafeText.h"

#include <CLI/CLI.hpp>

#include <array>
#include <cstddef>
#include <cstdio>
#include <utility>

namespace {

// An argument as a message shows it, escaped and cut.
std::string quoted(const std::string &text)
{
    return "\"" + SafeText::shown(text) + "\"";
}

// The option values that are checked after parsing, in the words of this tool
// rather than the library's.
struct RawValues
{
    std::string names;
    std::string variableCount;
    std::string output;
    std::string limit;
    std::string format;
    std::string plaOutput;
    std::string style;
    std::string fanIn;
    std::string answer;
    std::string answers;
    bool help = false;
};

// Each command declares its own options: a new option is one line in its
// command's function, and a name may mean different things to different
// commands.
using Declaration = void (*)(CLI::App &, CliOptions &, RawValues &);

void declareNames(CLI::App &app, RawValues &raw)
{
    app.add_option("--names", raw.names);
}

void declareMinimize(CLI::App &app, CliOptions &options, RawValues &raw)
{
    app.add_flag("--pos", options.productOfSums);
    app.add_flag("--json", options.json);
    app.add_flag("--exact", options.exact);
    app.add_flag("--all", options.all);
    app.add_flag("--hazard-free", options.hazardFree);
    app.add_option("--limit", raw.limit);
    app.add_flag("--count-all", options.countAll);
    app.add_flag("--joint", options.joint);
    app.add_option("--output", raw.plaOutput);
    app.add_option("--format", raw.format);
    declareNames(app, raw);
}

void declareEval(CLI::App &app, CliOptions &options, RawValues &raw)
{
    app.add_flag("--minimize", options.minimize);
    app.add_flag("--pos", options.productOfSums);
    app.add_flag("--exact", options.exact);
    app.add_option("--vars", raw.variableCount);
    declareNames(app, raw);
}

void declareMap(CLI::App &app, CliOptions &options, RawValues &raw)
{
    app.add_flag("--pos", options.productOfSums);
    app.add_flag("--exact", options.exact);
    app.add_option("-o,--output", raw.output);
    declareNames(app, raw);
}

void declareExplain(CLI::App &app, CliOptions &options, RawValues &raw)
{
    app.add_flag("--pos", options.productOfSums);
    app.add_flag("--hazard-free", options.hazardFree);
    app.add_flag("--joint", options.joint);
    app.add_option("--format", raw.format);
    app.add_option("--limit", raw.limit);
    declareNames(app, raw);
}

void declareCircuit(CLI::App &app, CliOptions &options, RawValues &raw)
{
    declareMap(app, options, raw);
    app.add_option("--style", raw.style);
    app.add_option("--fan-in", raw.fanIn);
    app.add_option("--format", raw.format);
    app.add_flag("--joint", options.joint);
}

void declareCheck(CLI::App &app, CliOptions &options, RawValues &raw)
{
    app.add_flag("--pos", options.productOfSums);
    app.add_flag("--json", options.json);
    app.add_option("--output", raw.plaOutput);
    app.add_option("--answer", raw.answer);
    app.add_option("--answers", raw.answers);
    declareNames(app, raw);
}

struct CommandEntry
{
    const char *name;
    CliOptions::Command command;
    Declaration declare;
};

const std::array<CommandEntry, 6> commands{{
    {"minimize", CliOptions::Command::Minimize, declareMinimize},
    {"eval", CliOptions::Command::Eval, declareEval},
    {"map", CliOptions::Command::Map, declareMap},
    {"explain", CliOptions::Command::Explain, declareExplain},
    {"circuit", CliOptions::Command::Circuit, declareCircuit},
    {"check", CliOptions::Command::Check, declareCheck},
}};

// "a", "a or b", "a, b or c" (with "and" as the last word when asked).
std::string listed(const std::vector<std::string> &words, const char *last = " or ")
{
    std::string list;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (i > 0)
            list += i + 1 == words.size() ? last : ", ";
        list += words[i];
    }
    return list;
}

std::string commandList()
{
    std::vector<std::string> names;
    names.reserve(commands.size());
    for (const CommandEntry &entry : commands)
        names.emplace_back(entry.name);
    return listed(names);
}

// An application that knows the command's options, every other argument
// being a file (or eval's expression); "--" ends the options.
void declareCommand(CLI::App &app, const CommandEntry &entry, CliOptions &options, RawValues &raw)
{
    app.set_help_flag();
    app.allow_extras();
    app.add_flag("-h,--help", raw.help);
    app.add_option("files", options.files);
    entry.declare(app, options, raw);
    // Every option may be given again, the last value counting; a flag takes
    // no value.
    for (CLI::Option *option : app.get_options()) {
        option->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
        option->disable_flag_override();
    }
}

// An argument the command does not know: an option of another command, or
// no option at all.
std::string unknownOption(const std::string &argument)
{
    const std::string name = argument.substr(0, argument.find('='));
    std::vector<std::string> owners;
    for (const CommandEntry &entry : commands) {
        CLI::App app;
        CliOptions options;
        RawValues raw;
        declareCommand(app, entry, options, raw);
        if (app.get_option_no_throw(name) != nullptr)
            owners.emplace_back(entry.name);
    }
    if (owners.empty())
        return "unknown option " + quoted(argument) + ".";
    return SafeText::shown(name) + " belongs to the " + listed(owners, " and ") +
           (owners.size() == 1 ? " command." : " commands.");
}

// The library's messages about a value start with the option's name.
std::string parseFailure(const CLI::ParseError &failure)
{
    const std::string message = SafeText::shown(failure.what(), SafeText::nameLimit);
    if (dynamic_cast<const CLI::ArgumentMismatch *>(&failure) != nullptr) {
        const std::size_t override = message.find(" was given a disallowed flag override");
        if (override != std::string::npos) {
            const std::string name = message.substr(0, override);
            return (name.compare(0, 1, "-") == 0 ? name : "--" + name) + " takes no value.";
        }
        const std::size_t colon = message.find(':');
        if (colon != std::string::npos)
            return message.substr(0, colon) + " needs a value.";
    }
    return message + ".";
}

// The messages and the usage text spell these rules out in words.
static_assert(VariableRules::minCount == 2 && VariableRules::maxCount == 6,
              "the messages say \"2 to 6\"");
static_assert(VariableRules::maxNameLength == 3, "the messages say \"1 to 3 letters or digits\"");

// One digit, since every count fits in one.
bool parseCount(const std::string &text, int &count)
{
    if (text.size() != 1 || text[0] < '0' || text[0] > '9' ||
        !VariableRules::isCount(text[0] - '0'))
        return false;
    count = text[0] - '0';
    return true;
}

bool parseOutputNumber(const std::string &text, int &number)
{
    if (text.empty() || text.size() > 4 || text[0] == '0')
        return false;
    number = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return false;
        number = number * 10 + (c - '0');
    }
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

// A whole number from 1 up, at most nine digits.
bool parseLimit(const std::string &text, std::size_t &limit)
{
    if (text.empty() || text.size() > 9 || text[0] == '0' ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return false;
    limit = static_cast<std::size_t>(std::stoul(text));
    return true;
}

bool given(const CLI::App &app, const char *name)
{
    const CLI::Option *option = app.get_option_no_throw(name);
    return option != nullptr && option->count() > 0;
}

// --format of the explain command.
bool checkExplainValues(const CLI::App &app, const RawValues &raw, CliOptions &options,
                        std::string &error)
{
    if (!given(app, "--format"))
        return true;
    if (raw.format != "text" && raw.format != "markdown" && raw.format != "html" &&
        raw.format != "json") {
        error = "--format gives " + quoted(raw.format) +
                ", but explain writes text, markdown, html or json.";
        return false;
    }
    options.explainFormat = raw.format;
    return true;
}

// --style, --fan-in and --format of the circuit command.
bool checkCircuitValues(const CLI::App &app, const RawValues &raw, CliOptions &options,
                        std::string &error)
{
    if (given(app, "--style") && !circuitStyleFromKey(raw.style, options.circuitStyle)) {
        error = "--style gives " + quoted(raw.style) +
                ", but the style must be and-or, inverted-inputs, nand or nor.";
        return false;
    }
    if (given(app, "--fan-in")) {
        const std::string &text = raw.fanIn;
        const bool digits = !text.empty() && text.size() <= 2 &&
                            text.find_first_not_of("0123456789") == std::string::npos;
        options.fanIn = digits ? std::stoi(text) : 0;
        if (options.fanIn < 2 || options.fanIn > 16) {
            error = "--fan-in gives " + quoted(text) + ", but a gate takes 2 to 16 inputs.";
            return false;
        }
    }
    if (given(app, "--format")) {
        const std::string format = lowerCase(raw.format);
        if (format != "verilog" && format != "circ") {
            error = "--format gives " + quoted(raw.format) +
                    ", but the file formats are verilog and circ (images follow the -o ending).";
            return false;
        }
        options.verilog = format == "verilog";
        options.circ = format == "circ";
    }
    return true;
}

// --format of the minimize command.
bool checkMinimizeValues(const CLI::App &app, const RawValues &raw, CliOptions &options,
                         std::string &error)
{
    if (!given(app, "--format"))
        return true;
    options.plaFormat = lowerCase(raw.format) == "pla";
    if (!options.plaFormat && !outputFormatFromKey(raw.format, options.format)) {
        error = "--format gives " + quoted(raw.format) +
                ", but minimize writes text, verilog, vhdl, latex, c, python or pla.";
        return false;
    }
    options.formatGiven = true;
    return true;
}

// The values given as text, checked and converted; values only one command
// takes are checked by that command's own function.
bool checkValues(const CLI::App &app, const RawValues &raw, CliOptions &options, std::string &error)
{
    if (given(app, "--names") && !CommandLine::parseNames(raw.names, options.names, error))
        return false;
    if (given(app, "--vars") && !parseCount(raw.variableCount, options.variableCount)) {
        error = "--vars gives " + quoted(raw.variableCount) +
                ", but the number of variables must be 2 to 6.";
        return false;
    }
    if (given(app, "--limit") && !parseLimit(raw.limit, options.limit)) {
        error = "--limit gives " + quoted(raw.limit) + ", but it must be a whole number from 1.";
        return false;
    }
    // Only minimize's and check's --output pick a file's output; map's names
    // the image.
    const bool picksOutput = options.command == CliOptions::Command::Minimize ||
                             options.command == CliOptions::Command::Check;
    const CLI::Option *plaOutput = picksOutput ? app.get_option_no_throw("--output") : nullptr;
    if (plaOutput != nullptr && plaOutput->count() > 0 &&
        !parseOutputNumber(raw.plaOutput, options.plaOutput)) {
        error = "--output gives " + quoted(raw.plaOutput) +
                ", but it must be the number of an output: 1 for the first.";
        return false;
    }
    if (given(app, "-o")) {
        if (raw.output.empty()) {
            error = "-o needs a file name.";
            return false;
        }
        options.output = raw.output;
    }
    if (options.command == CliOptions::Command::Explain)
        return checkExplainValues(app, raw, options, error);
    if (options.command == CliOptions::Command::Circuit)
        return checkCircuitValues(app, raw, options, error);
    if (options.command == CliOptions::Command::Minimize)
        return checkMinimizeValues(app, raw, options, error);
    if (options.command == CliOptions::Command::Check) {
        options.answerGiven = given(app, "--answer");
        options.answer = raw.answer;
        if (given(app, "--answers") && raw.answers.empty()) {
            error = "--answers needs a file name (- for standard input).";
            return false;
        }
        options.answersFile = raw.answers;
    }
    return true;
}

// --joint covers every output at once with its own search: the options
// that pick an output or choose among one output's covers have no meaning
// there, and only the window's notation and PLA can show shared products.
bool checkJoint(const CliOptions &options, std::string &error)
{
    if (options.plaFormat && !options.joint) {
        error = "--format pla needs --joint.";
        return false;
    }
    if (!options.joint)
        return true;
    for (const auto &[set, name] :
         {std::pair{options.exact, "--exact"}, std::pair{options.all, "--all"},
          std::pair{options.hazardFree, "--hazard-free"},
          std::pair{options.plaOutput != 0, "--output"}}) {
        if (set) {
            error = std::string("--joint covers every output together; it takes no ") + name + ".";
            return false;
        }
    }
    if (options.format != OutputFormat::Text) {
        error = "--joint writes text or pla.";
        return false;
    }
    return true;
}

// Which options make sense together.
bool checkCombination(CliOptions &options, std::string &error)
{
    using Command = CliOptions::Command;
    if (options.all && !options.exact) {
        error = "--all needs --exact.";
        return false;
    }

    switch (options.command) {
    case Command::Minimize:
        if (options.hazardFree && options.exact) {
            error = "--hazard-free and --exact choose different covers; give one of them.";
            return false;
        }
        if (options.limit != 0 && !options.all) {
            error = "--limit needs --exact --all.";
            return false;
        }
        if (options.countAll && options.limit == 0) {
            error = "--count-all needs --limit.";
            return false;
        }
        if (options.json && (options.format != OutputFormat::Text || options.plaFormat)) {
            error = "--json and --format exclude each other.";
            return false;
        }
        if (!checkJoint(options, error))
            return false;
        if (options.files.empty()) {
            error = "minimize needs at least one PLA file (- for standard input).";
            return false;
        }
        return true;
    case Command::Explain:
        if (options.files.size() != 1) {
            error = "explain reads one PLA file (- for standard input).";
            return false;
        }
        // The joint chart has no minimum solutions to list and no
        // hazard-free cover.
        if (options.joint && (options.hazardFree || options.limit != 0)) {
            error = std::string("--joint explains the cover of every output; it takes no ") +
                    (options.hazardFree ? "--hazard-free." : "--limit.");
            return false;
        }
        return true;
    case Command::Eval:
        if ((options.productOfSums || options.exact) && !options.minimize) {
            error = "--pos and --exact need --minimize with eval.";
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
        if (!options.names.empty() && options.names.size() < std::size_t{VariableRules::minCount}) {
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
    case Command::Circuit: {
        if (options.files.size() != 1) {
            error = "circuit draws one PLA file (- for standard input).";
            return false;
        }
        if (options.joint && options.exact) {
            error = "--joint covers every output together; it takes no --exact.";
            return false;
        }
        const std::string output = lowerCase(options.output);
        if (!options.verilog && !options.circ &&
            (options.output.empty() || !(endsWith(output, ".png") || endsWith(output, ".svg")))) {
            error = "circuit needs -o OUT.png or -o OUT.svg, or --format verilog.";
            return false;
        }
        return true;
    }
    case Command::Check:
        if (options.files.size() != 1) {
            error = "check reads one PLA file (- for standard input).";
            return false;
        }
        if (options.answerGiven == !options.answersFile.empty()) {
            error = "check needs either --answer EXPR or --answers FILE.csv.";
            return false;
        }
        if (options.files.front() == "-" && options.answersFile == "-") {
            error = "check can read only one of the PLA file and the answers from standard input.";
            return false;
        }
        return true;
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

    const std::string &command = arguments.front();
    if (command == "--help" || command == "-h" || command == "help") {
        options.command = Command::Help;
        return true;
    }
    if (command == "--version") {
        options.command = Command::Version;
        return true;
    }
    const CommandEntry *entry = nullptr;
    for (const CommandEntry &candidate : commands) {
        if (command == candidate.name)
            entry = &candidate;
    }
    if (entry == nullptr) {
        error = "unknown command " + quoted(command) + " (" + commandList() + ").";
        return false;
    }

    CLI::App app;
    RawValues raw;
    declareCommand(app, *entry, options, raw);
    // The library takes the arguments last first.
    std::vector<std::string> rest(arguments.rbegin(), arguments.rend() - 1);
    try {
        app.parse(rest);
    } catch (const CLI::ParseError &failure) {
        error = parseFailure(failure);
        return false;
    }
    if (raw.help) {
        options = CliOptions();
        options.command = Command::Help;
        return true;
    }
    // The library lists the "--" that ended the options among the extras.
    for (const std::string &extra : app.remaining()) {
        if (extra != "--") {
            error = unknownOption(extra);
            return false;
        }
    }
    options.command = entry->command;
    return checkValues(app, raw, options, error) && checkCombination(options, error);
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
        if (!VariableRules::isName(name)) {
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
    if (names.size() > std::size_t{VariableRules::maxCount}) {
        error = "--names: at most 6 variables.";
        return false;
    }
    return true;
}

std::string CommandLine::usage()
{
    return "Usage:\n"
           "  tavolin-cli minimize [--pos] [--names A,B,C] [--json]\n"
           "                       [--exact [--all [--limit N [--count-all]]]\n"
           "                        | --hazard-free]\n"
           "                       [--output K] [--format text|verilog|vhdl|latex|c|python]\n"
           "                       FILE.pla...\n"
           "  tavolin-cli minimize --joint [--pos] [--names A,B,C] [--json | --format pla]\n"
           "                       FILE.pla...\n"
           "  tavolin-cli eval (--vars N | --names A,B,C) EXPR [--minimize [--pos] [--exact]]\n"
           "  tavolin-cli map FILE.pla [--pos] [--exact] -o OUT.png|OUT.svg\n"
           "  tavolin-cli explain FILE.pla [--pos] [--names A,B,C] [--hazard-free] [--limit N]\n"
           "                       [--format text|markdown|html|json]\n"
           "  tavolin-cli explain --joint FILE.pla [--pos] [--names A,B,C]\n"
           "                       [--format text|markdown|html|json]\n"
           "  tavolin-cli circuit FILE.pla [--pos] [--exact | --joint]\n"
           "              [--style and-or|inverted-inputs|nand|nor] [--fan-in K]\n"
           "              (-o OUT.svg|OUT.png | --format verilog|circ [-o OUT.v|OUT.circ])\n"
           "  tavolin-cli check FILE.pla [--pos] [--names A,B,C] [--output K]\n"
           "                    (--answer EXPR | --answers FILE.csv) [--json]\n"
           "  tavolin-cli --help | --version\n"
           "\n"
           "minimize  prints the minimized expression of each PLA file, as the window's\n"
           "          \"Minimize!\" shows it; with several files each line starts with\n"
           "          \"FILE: \". A FILE of - reads standard input. A file of several\n"
           "          outputs gives a line \"NAME = EXPR\" per output; --joint\n"
           "          minimizes them together, sharing products between outputs.\n"
           "eval      prints the truth table of EXPR, one row per line (bits of the\n"
           "          variables, first variable first, a blank, the value); with\n"
           "          --minimize the minimized expression instead.\n"
           "map       draws the Karnaugh map with the chosen groups into a PNG or SVG file.\n"
           "explain   shows how the result was found: the tabulation, the prime\n"
           "          implicants, the chart, the choices of \"Minimize!\" and the\n"
           "          minimum solutions; with --joint the chart of the joint cover of\n"
           "          every output: the multi-output primes against the cells each\n"
           "          output needs covered.\n"
           "circuit   draws the minimized function as logic gates into a PNG or SVG file,\n"
           "          or writes them as a structural Verilog module or as a file of the\n"
           "          educational simulator Logisim (to standard output without -o);\n"
           "          --joint draws every output of the file, sharing products.\n"
           "check     tells whether EXPR is a correct and minimal answer for the PLA file's\n"
           "          function, and what is wrong with each of its terms; --answers\n"
           "          grades a class: one line \"id,expression\" each, one result per line\n"
           "          as CSV (JSON lines with --json).\n"
           "\n"
           "  --pos          product of sums instead of sum of products\n"
           "  --names LIST   variable names, comma-separated (1 to 3 letters or digits);\n"
           "                 a file's .ilb line takes precedence\n"
           "  --vars N       eval over the variables A.. of a count N (2 to 6)\n"
           "  --json         one JSON object per file (an array for several files)\n"
           "  --exact        a true minimum: fewest terms, then fewest literals\n"
           "  --all          with --exact, every minimum solution, one per line\n"
           "  --limit N      list at most N minimum solutions; their count goes to\n"
           "                 standard error (\"count\" with --json), \"at least 100000\"\n"
           "                 where counting stopped (\"complete\": false)\n"
           "  --count-all    with --limit, count every minimum solution, however long\n"
           "                 that takes\n"
           "  --joint        minimize: every output of a file together, fewest distinct\n"
           "                 products first, then literals, then connections;\n"
           "                 circuit: the gates of that cover, each shared product\n"
           "                 built once and feeding every output that uses it;\n"
           "                 explain: how that cover is found\n"
           "  --hazard-free  the fewest terms such that every two adjacent cells of the\n"
           "                 function lie in one term: no glitch on a single input change\n"
           "  --format F     minimize: the expression as text (the window's, the default),\n"
           "                 verilog, vhdl, latex, c or python; with --joint text or pla\n"
           "                 (the shared cover as a PLA file; with several files each\n"
           "                 after a comment line \"# FILE\");\n"
           "                 explain: as text, markdown, html or json;\n"
           "                 circuit: verilog, a structural Verilog module instead of an image,\n"
           "                 or circ, a circuit file of Logisim 2.7 (.circ)\n"
           "  --output K     minimize, check: only output K of files with several (1 for\n"
           "                 the first)\n"
           "  -o FILE        the image to write (.png or .svg), or circuit's Verilog or\n"
           "                 .circ file\n"
           "  --style S      circuit gates: and-or (AND-OR/OR-AND with NOT gates, the\n"
           "                 default), inverted-inputs, nand (NAND-NAND) or nor (NOR-NOR)\n"
           "  --fan-in K     circuit: at most K inputs per gate (2 to 16, default 4)\n"
           "  --answer EXPR  check: the answer, in the equation syntax\n"
           "  --answers FILE check: a CSV file of answers, \"id,expression\" per line\n"
           "\n"
           "Exit status: 0 done, 1 the expression has an error, 2 bad usage or a bad file;\n"
           "check: 0 correct and minimal, 3 correct but not minimal, 4 not equal, 1 an\n"
           "answer with an error (with --answers: some line could not be graded).\n";
}

bool CommandLine::parseProgramArguments(int argc, char **argv, CliOptions &options)
{
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    std::string error;
    if (parse(arguments, options, error))
        return true;
    const std::string message = "tavolin-cli: " + error + "\nTry 'tavolin-cli --help'.\n";
    (void)std::fputs(message.c_str(), stderr);
    return false;
}
