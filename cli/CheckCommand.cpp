// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/CheckCommand.h"

#include "check/AnswerChecker.h"
#include "check/VerdictText.h"
#include "cli/CommandInput.h"
#include "cli/CsvReader.h"
#include "cli/PlaInput.h"
#include "cli/SolutionFinder.h"
#include "cli/VerdictJson.h"
#include "domain/VariableRules.h"
#include "expression/ExpressionVariables.h"

namespace {

const char *const errorIntro = "Error detected while parsing and evaluating the expression:";

std::string joined(const std::vector<std::string> &parts, const std::string &separator)
{
    std::string text;
    for (const std::string &part : parts) {
        if (!text.empty())
            text += separator;
        text += part;
    }
    return text;
}

std::string cellNumbers(const std::vector<int> &cells)
{
    std::string text;
    for (const int cell : cells) {
        if (!text.empty())
            text += ' ';
        text += std::to_string(cell);
    }
    return text;
}

std::string trimmed(const std::string &text)
{
    const std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string::npos)
        return std::string();
    return text.substr(start, text.find_last_not_of(" \t") - start + 1);
}

// A field as a spreadsheet reads it back: quoted when it holds a comma, a
// quote or a line end.
std::string csvField(const std::string &text)
{
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string field = "\"";
    for (const char c : text) {
        if (c == '"')
            field += '"';
        field += c;
    }
    return field + "\"";
}

// A header's expression column is a word longer than any variable name, such
// as "expression" or "answer", which no answer can be.
bool isHeader(const CsvRecord &record)
{
    if (record.fields.size() < 2)
        return false;
    const std::string word = trimmed(record.fields[1]);
    if (word.size() <= std::size_t{VariableRules::maxNameLength})
        return false;
    for (const char c : word) {
        if (!ExpressionVariables::Is_Name_Character(c))
            return false;
    }
    return true;
}

bool blank(const CsvRecord &record)
{
    return record.fields.size() == 1 && trimmed(record.fields.front()).empty() &&
           !record.unterminated;
}

// The rows of a class, in CSV or as JSON lines.
class ClassReport
{
public:
    explicit ClassReport(bool json) : json_(json)
    {
        if (!json_)
            text_ = "id,verdict,terms,literals,minimum_terms,minimum_literals,extra,missing,"
                    "message\n";
    }

    void graded(const std::string &id, const AnswerVerdict &verdict)
    {
        const std::string word = CheckCommand::verdictWord(verdict);
        if (verdict.status != AnswerStatus::Checked) {
            const std::string message = verdict.error
                                            ? verdict.error->Get_Message()
                                            : joined(VerdictText::sentences(verdict), " ");
            failed(id, message);
            return;
        }
        if (json_) {
            text_ += VerdictJson::row(id, word, &verdict, std::string()) + "\n";
            return;
        }
        const std::vector<std::string> fields{
            csvField(id),
            word,
            verdict.inForm ? std::to_string(verdict.answer.terms) : std::string(),
            verdict.inForm ? std::to_string(verdict.answer.literals) : std::string(),
            std::to_string(verdict.minimum.terms),
            std::to_string(verdict.minimum.literals),
            cellNumbers(verdict.extra),
            cellNumbers(verdict.missing),
            csvField(joined(VerdictText::sentences(verdict), " "))};
        text_ += joined(fields, ",") + "\n";
    }

    void failed(const std::string &id, const std::string &message)
    {
        allGraded_ = false;
        if (json_)
            text_ += VerdictJson::row(id, "error", nullptr, message) + "\n";
        else
            text_ += csvField(id) + ",error,,,,,,," + csvField(message) + "\n";
    }

    const std::string &text() const { return text_; }
    bool allGraded() const { return allGraded_; }

private:
    bool json_;
    bool allGraded_ = true;
    std::string text_;
};

int gradeClass(const CliOptions &options, const AnswerChecker &checker, std::string &out,
               std::string &err)
{
    std::string text;
    std::string error;
    if (!PlaInput::readText(options.answersFile, text, error)) {
        err += error + "\n";
        return CheckCommand::unreadable;
    }
    ClassReport report(options.json);
    bool first = true;
    for (const CsvRecord &record : CsvReader::read(text)) {
        if (blank(record))
            continue;
        if (first && isHeader(record)) {
            first = false;
            continue;
        }
        first = false;
        const std::string id = trimmed(record.fields.front());
        if (record.unterminated)
            report.failed(id, "line " + std::to_string(record.line) +
                                  ": a quoted field is not closed.");
        else if (record.fields.size() < 2)
            report.failed(id,
                          "line " + std::to_string(record.line) + ": no expression after the id.");
        else
            report.graded(id, checker.check(trimmed(record.fields[1])));
    }
    out += report.text();
    return report.allGraded() ? 0 : CheckCommand::answerError;
}

} // namespace

int CheckCommand::exitStatus(const AnswerVerdict &verdict)
{
    if (verdict.status != AnswerStatus::Checked)
        return answerError;
    if (verdict.minimal)
        return correctAndMinimal;
    return verdict.equivalent ? correctNotMinimal : notEqual;
}

std::string CheckCommand::verdictWord(const AnswerVerdict &verdict)
{
    if (verdict.status != AnswerStatus::Checked)
        return "error";
    if (verdict.minimal)
        return "minimal";
    if (!verdict.equivalent)
        return "not-equal";
    return verdict.inForm ? "not-minimal" : "not-in-form";
}

int CheckCommand::run(const CliOptions &options, std::string &out, std::string &err)
{
    PlaFunction function;
    VariableNames names;
    if (!CommandInput::load(options, options.files.front(), function, names, err))
        return unreadable;

    const int n = function.variableCount;
    const AnswerChecker checker(n, SolutionFinder::cellCodes(function),
                                options.productOfSums ? MinimizationForm::ProductOfSums
                                                      : MinimizationForm::SumOfProducts,
                                std::vector<std::string>(names.begin(), names.begin() + n));
    if (!options.answersFile.empty())
        return gradeClass(options, checker, out, err);

    const AnswerVerdict verdict = checker.check(options.answer);
    if (verdict.status == AnswerStatus::SyntaxError) {
        err += std::string(errorIntro) + "\n\n" + verdict.error->Get_Message() + "\n";
    } else if (verdict.status == AnswerStatus::Empty) {
        err += joined(VerdictText::sentences(verdict), "\n") + "\n";
    } else if (options.json) {
        out += VerdictJson::text(verdict) + "\n";
    } else {
        for (const std::string &sentence : VerdictText::sentences(verdict))
            out += sentence + "\n";
    }
    return exitStatus(verdict);
}
