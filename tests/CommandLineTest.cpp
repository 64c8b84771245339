// SPDX-License-Identifier: GPL-3.0-or-later
// The argument parsing of tavolin-cli in-process: what each call asks for, and
// the sentence a refused call gets.

#include "cli/CommandLine.h"

#include <QStringList>
#include <QtTest>
#include <array>

namespace {

const char *commandName(CliOptions::Command command)
{
    switch (command) {
    case CliOptions::Command::None:
        return "none";
    case CliOptions::Command::Help:
        return "help";
    case CliOptions::Command::Version:
        return "version";
    case CliOptions::Command::Minimize:
        return "minimize";
    case CliOptions::Command::Eval:
        return "eval";
    case CliOptions::Command::Map:
        return "map";
    case CliOptions::Command::Explain:
        return "explain";
    case CliOptions::Command::Circuit:
        return "circuit";
    case CliOptions::Command::Check:
        return "check";
    }
    return "?";
}

QString joined(const std::vector<std::string> &items)
{
    QStringList list;
    for (const std::string &item : items)
        list << QString::fromStdString(item);
    return list.join('|');
}

// Everything a call asks for in one line, so that a row compares it whole.
QString summary(const CliOptions &options)
{
    QStringList parts{QString::fromLatin1(commandName(options.command))};
    const std::array<std::pair<bool, const char *>, 7> flags{{
        {options.productOfSums, "pos"},
        {options.json, "json"},
        {options.exact, "exact"},
        {options.all, "all"},
        {options.minimize, "minimize"},
        {options.hazardFree, "hazard-free"},
        {options.countAll, "count-all"},
    }};
    for (const auto &[set, name] : flags) {
        if (set)
            parts << QString::fromLatin1(name);
    }
    if (!options.names.empty())
        parts << QStringLiteral("names=") + joined(options.names);
    if (options.variableCount != 0)
        parts << QStringLiteral("vars=%1").arg(options.variableCount);
    if (options.limit != 0)
        parts << QStringLiteral("limit=%1").arg(options.limit);
    if (options.explainFormat != "text")
        parts << QStringLiteral("format=") + QString::fromStdString(options.explainFormat);
    if (!options.output.empty())
        parts << QStringLiteral("o=") + QString::fromStdString(options.output);
    if (options.plaOutput != 0)
        parts << QStringLiteral("output=%1").arg(options.plaOutput);
    if (!options.expression.empty())
        parts << QStringLiteral("expr=") + QString::fromStdString(options.expression);
    if (options.answerGiven)
        parts << QStringLiteral("answer=") + QString::fromStdString(options.answer);
    if (!options.answersFile.empty())
        parts << QStringLiteral("answers=") + QString::fromStdString(options.answersFile);
    if (!options.files.empty())
        parts << QStringLiteral("files=") + joined(options.files);
    return parts.join(' ');
}

std::vector<std::string> stdArguments(const QStringList &arguments)
{
    std::vector<std::string> result;
    for (const QString &argument : arguments)
        result.push_back(argument.toStdString());
    return result;
}

} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void acceptedCalls_data();
    void acceptedCalls();
    void refusedCalls_data();
    void refusedCalls();
};

void CommandLineTest::acceptedCalls_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expected");

    QTest::newRow("options before, between and after files")
        << QStringList{"minimize", "--pos", "a.pla", "--json", "b.pla", "--exact"}
        << "minimize pos json exact files=a.pla|b.pla";
    QTest::newRow("value after an equals sign")
        << QStringList{"minimize", "--names=x,Y1,abc", "f.pla"}
        << "minimize names=x|Y1|abc files=f.pla";
    QTest::newRow("the last --names counts")
        << QStringList{"minimize", "--names", "P,Q", "--names", "u,v,w", "f.pla"}
        << "minimize names=u|v|w files=f.pla";
    QTest::newRow("a flag given twice")
        << QStringList{"minimize", "--pos", "--pos", "f.pla"} << "minimize pos files=f.pla";
    QTest::newRow("- is standard input")
        << QStringList{"minimize", "-", "--all", "--exact"} << "minimize exact all files=-";
    QTest::newRow("-- ends the options")
        << QStringList{"minimize", "f.pla", "--", "--pos", "-x", "--"}
        << "minimize files=f.pla|--pos|-x|--";
    QTest::newRow("a file named like a command")
        << QStringList{"minimize", "map", "eval"} << "minimize files=map|eval";
    QTest::newRow("eval takes the expression")
        << QStringList{"eval", "--vars", "3", "A&B'", "--minimize", "--pos"}
        << "eval pos minimize vars=3 expr=A&B'";
    QTest::newRow("eval expression after --")
        << QStringList{"eval", "--names", "a,b", "--", "-a"} << "eval names=a|b expr=-a";
    QTest::newRow("map with the long output name")
        << QStringList{"map", "f.pla", "--output", "m.SVG", "--exact"}
        << "map exact o=m.SVG files=f.pla";
    QTest::newRow("minimize --output picks an output of each file")
        << QStringList{"minimize", "--output", "2", "f.pla"} << "minimize output=2 files=f.pla";
    QTest::newRow("minimize --output with an equals sign, the last counting")
        << QStringList{"minimize", "--output=3", "f.pla", "--output=12"}
        << "minimize output=12 files=f.pla";
    QTest::newRow("map with -o") << QStringList{"map", "-o", "m.png", "f.pla", "--names", "A,B,C"}
                                 << "map names=A|B|C o=m.png files=f.pla";
    QTest::newRow("minimize --limit")
        << QStringList{"minimize", "--exact", "--all", "--limit", "10", "f.pla"}
        << "minimize exact all limit=10 files=f.pla";
    QTest::newRow("minimize --limit --count-all")
        << QStringList{"minimize", "--count-all", "--exact", "--all", "--limit", "3", "f.pla"}
        << "minimize exact all count-all limit=3 files=f.pla";
    QTest::newRow("minimize --hazard-free")
        << QStringList{"minimize", "--hazard-free", "--json", "f.pla"}
        << "minimize json hazard-free files=f.pla";
    QTest::newRow("explain with every option")
        << QStringList{"explain", "--pos",   "--hazard-free", "--format=json", "--limit",
                       "3",       "--names", "a,b,c",         "f.pla"}
        << "explain pos hazard-free names=a|b|c limit=3 format=json files=f.pla";
    QTest::newRow("explain reads standard input")
        << QStringList{"explain", "-", "--format", "markdown"} << "explain format=markdown files=-";
    QTest::newRow("check one answer, an empty one too")
        << QStringList{"check", "f.pla", "--answer", "", "--pos", "--output", "2"}
        << "check pos output=2 answer= files=f.pla";
    QTest::newRow("check a class from standard input")
        << QStringList{"check", "--answers", "-", "f.pla", "--json", "--names", "a,b"}
        << "check json names=a|b answers=- files=f.pla";
    QTest::newRow("help as the command") << QStringList{"help"} << "help";
    QTest::newRow("-h after a command, other options dropped")
        << QStringList{"eval", "--vars", "3", "-h"} << "help";
    QTest::newRow("--help with nothing else") << QStringList{"minimize", "--help"} << "help";
    QTest::newRow("version") << QStringList{"--version"} << "version";
}

void CommandLineTest::acceptedCalls()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expected);

    CliOptions options;
    std::string error;
    QVERIFY2(CommandLine::parse(stdArguments(arguments), options, error), error.c_str());
    QCOMPARE(QString::fromStdString(error), QString());
    QCOMPARE(summary(options), expected);
}

void CommandLineTest::refusedCalls_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("expectedError");

    QTest::newRow("nothing") << QStringList{} << "no command given.";
    QTest::newRow("unknown command")
        << QStringList{"minimise", "f.pla"}
        << "unknown command \"minimise\" (minimize, eval, map, explain, circuit or check).";
    QTest::newRow("option before the command")
        << QStringList{"--pos", "minimize", "f.pla"}
        << "unknown command \"--pos\" (minimize, eval, map, explain, circuit or check).";
    QTest::newRow("unknown option")
        << QStringList{"minimize", "--fast", "f.pla"} << "unknown option \"--fast\".";
    QTest::newRow("unknown short option, like a file name starting with -")
        << QStringList{"minimize", "-x.pla"} << "unknown option \"-x.pla\".";
    QTest::newRow("an option of eval given to minimize")
        << QStringList{"minimize", "--vars=3", "f.pla"} << "--vars belongs to the eval command.";
    QTest::newRow("--json given to eval") << QStringList{"eval", "--vars", "3", "A", "--json"}
                                          << "--json belongs to the minimize and check commands.";
    QTest::newRow("-o given to minimize") << QStringList{"minimize", "f.pla", "-o", "x.png"}
                                          << "-o belongs to the map and circuit commands.";
    QTest::newRow("--minimize given to map")
        << QStringList{"map", "f.pla", "-o", "x.png", "--minimize"}
        << "--minimize belongs to the eval command.";
    QTest::newRow("a flag with a value")
        << QStringList{"minimize", "--pos=1", "f.pla"} << "--pos takes no value.";
    QTest::newRow("--names without its value")
        << QStringList{"minimize", "f.pla", "--names"} << "--names needs a value.";
    QTest::newRow("--vars without its value")
        << QStringList{"eval", "A", "--vars"} << "--vars needs a value.";
    QTest::newRow("--output 0") << QStringList{"minimize", "--output", "0", "f.pla"}
                                << "--output gives \"0\", but it must be the number of an "
                                   "output: 1 for the first.";
    QTest::newRow("--output with a word")
        << QStringList{"minimize", "f.pla", "--output=two"}
        << "--output gives \"two\", but it must be the number of an output: 1 for the first.";
    QTest::newRow("--output without its value")
        << QStringList{"minimize", "f.pla", "--output"} << "--output needs a value.";
    QTest::newRow("--output given to eval")
        << QStringList{"eval", "--vars", "2", "A", "--output", "2"}
        << "--output belongs to the minimize, map, circuit and check commands.";
    QTest::newRow("an empty output name")
        << QStringList{"map", "f.pla", "-o", ""} << "-o needs a file name.";
    QTest::newRow("--all without --exact")
        << QStringList{"minimize", "--all", "f.pla"} << "--all needs --exact.";
    QTest::newRow("minimize without a file")
        << QStringList{"minimize", "--pos"}
        << "minimize needs at least one PLA file (- for standard input).";
    QTest::newRow("a bad name in the list")
        << QStringList{"minimize", "--names", "A,,C", "f.pla"}
        << "--names: the variable name \"\" must be 1 to 3 letters or digits.";
    QTest::newRow("seven names") << QStringList{"minimize", "--names", "a,b,c,d,e,f,g", "f.pla"}
                                 << "--names: at most 6 variables.";
    QTest::newRow("eval --vars out of range")
        << QStringList{"eval", "--vars", "1", "A"}
        << "--vars gives \"1\", but the number of variables must be 2 to 6.";
    QTest::newRow("eval --pos without --minimize")
        << QStringList{"eval", "--vars", "3", "A", "--pos"}
        << "--pos and --exact need --minimize with eval.";
    QTest::newRow("eval with --vars and --names")
        << QStringList{"eval", "--vars", "2", "--names", "a,b", "a"}
        << "eval takes either --vars or --names, not both.";
    QTest::newRow("eval with one name")
        << QStringList{"eval", "--names", "a", "a"} << "eval needs 2 to 6 names.";
    QTest::newRow("eval with two expressions")
        << QStringList{"eval", "--vars", "2", "A", "B"}
        << "eval takes one expression; quote it if it has blanks.";
    QTest::newRow("eval without expression")
        << QStringList{"eval", "--vars", "2"} << "eval needs an expression.";
    QTest::newRow("map of two files") << QStringList{"map", "a.pla", "b.pla", "-o", "m.png"}
                                      << "map draws one PLA file (- for standard input).";
    QTest::newRow("--limit without --all")
        << QStringList{"minimize", "--exact", "--limit", "5", "f.pla"}
        << "--limit needs --exact --all.";
    QTest::newRow("--count-all without --limit")
        << QStringList{"minimize", "--exact", "--all", "--count-all", "f.pla"}
        << "--count-all needs --limit.";
    QTest::newRow("--count-all given to explain") << QStringList{"explain", "--count-all", "f.pla"}
                                                  << "--count-all belongs to the minimize command.";
    QTest::newRow("--limit of zero")
        << QStringList{"minimize", "--exact", "--all", "--limit", "0", "f.pla"}
        << "--limit gives \"0\", but it must be a whole number from 1.";
    QTest::newRow("--limit not a number")
        << QStringList{"explain", "--limit", "-3", "f.pla"}
        << "--limit gives \"-3\", but it must be a whole number from 1.";
    QTest::newRow("--limit beyond nine digits")
        << QStringList{"explain", "--limit", "1234567890", "f.pla"}
        << "--limit gives \"1234567890\", but it must be a whole number from 1.";
    QTest::newRow("--hazard-free with --exact")
        << QStringList{"minimize", "--hazard-free", "--exact", "f.pla"}
        << "--hazard-free and --exact choose different covers; give one of them.";
    QTest::newRow("--hazard-free given to eval")
        << QStringList{"eval", "--vars", "2", "A", "--hazard-free"}
        << "--hazard-free belongs to the minimize and explain commands.";
    QTest::newRow("--exact given to explain")
        << QStringList{"explain", "--exact", "f.pla"}
        << "--exact belongs to the minimize, eval, map and circuit commands.";
    QTest::newRow("--format given to map")
        << QStringList{"map", "f.pla", "-o", "m.png", "--format", "json"}
        << "--format belongs to the minimize, explain and circuit commands.";
    QTest::newRow("explain in an unknown format")
        << QStringList{"explain", "f.pla", "--format", "pdf"}
        << "--format gives \"pdf\", but explain writes text, markdown, html or json.";
    QTest::newRow("explain of two files") << QStringList{"explain", "a.pla", "b.pla"}
                                          << "explain reads one PLA file (- for standard input).";
    QTest::newRow("explain --json") << QStringList{"explain", "--json", "a.pla"}
                                    << "--json belongs to the minimize and check commands.";
    QTest::newRow("check without an answer")
        << QStringList{"check", "f.pla"}
        << "check needs either --answer EXPR or --answers FILE.csv.";
    QTest::newRow("check with both kinds of answer")
        << QStringList{"check", "f.pla", "--answer", "A", "--answers", "c.csv"}
        << "check needs either --answer EXPR or --answers FILE.csv.";
    QTest::newRow("check with both from standard input")
        << QStringList{"check", "-", "--answers", "-"}
        << "check can read only one of the PLA file and the answers from standard input.";
    for (const QStringList &option :
         {QStringList{"--exact"}, QStringList{"--hazard-free"}, QStringList{"--output", "2"}})
        QTest::addRow("--joint %s", qPrintable(option.front()))
            << QStringList{"minimize", "--joint", "f.pla"} + option
            << "--joint covers every output together; it takes no " + option.front() + ".";
    QTest::newRow("--joint in Verilog")
        << QStringList{"minimize", "--joint", "--format", "verilog", "f.pla"}
        << "--joint writes text or pla.";
    QTest::newRow("pla without --joint")
        << QStringList{"minimize", "--format", "pla", "f.pla"} << "--format pla needs --joint.";
    QTest::newRow("map to a GIF") << QStringList{"map", "a.pla", "-o", "m.gif"}
                                  << "map needs -o OUT.png or -o OUT.svg.";
}

void CommandLineTest::refusedCalls()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, expectedError);

    CliOptions options;
    std::string error;
    QVERIFY(!CommandLine::parse(stdArguments(arguments), options, error));
    QCOMPARE(QString::fromStdString(error), expectedError);
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "CommandLineTest.moc"
