// SPDX-License-Identifier: GPL-3.0-or-later
#include "pla/PlaReader.h"

#include "domain/VariableRules.h"
#include "messages/PhraseTemplate.h"
#include "messages/SafeText.h"

#include <algorithm>
#include <istream>
#include <iterator>
#include <vector>

namespace {

// The messages below spell these rules out in words.
static_assert(VariableRules::minCount == 2 && VariableRules::maxCount == 6,
              "the messages say \"2 to 6\"");
static_assert(VariableRules::maxNameLength == 3, "the messages say \"1 to 3 letters or digits\"");
static_assert(MultiOutputFunction::maxOutputs == 64, "the messages say \"at most 64\"");

// What the product lines said about one cell of the output read.
enum CellMark : unsigned char
{
    Unnamed = 0,
    MarkedOff = 1,
    MarkedOn = 2,
    MarkedDontCare = 4,
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

// The words of one line, up to a word that starts a comment.
std::vector<std::string> wordsOf(const std::string &line)
{
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && isBlank(line[i]))
            ++i;
        if (i == line.size() || line[i] == '#')
            break;
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i]))
            ++i;
        words.push_back(line.substr(start, i - start));
    }
    return words;
}

// A plain decimal number without sign; -1 if the word is none or too large.
int numberOf(const std::string &word)
{
    if (word.empty() || word.size() > 4)
        return -1;
    int value = 0;
    for (char c : word) {
        if (c < '0' || c > '9')
            return -1;
        value = value * 10 + (c - '0');
    }
    return value;
}

// A word of the file as a message shows it: escaped and at most a few dozen
// characters, whatever bytes the file holds.
std::string quoted(const std::string &word)
{
    return "\"" + SafeText::shown(word) + "\"";
}

// The mark an output-plane character gives the cells its line covers.
unsigned char markOf(char c, bool offSetGiven)
{
    switch (c) {
    case '1':
    case '4':
        return MarkedOn;
    case '0':
        return offSetGiven ? MarkedOff : Unnamed;
    case '3':
    case '~':
        return Unnamed;
    default:
        return MarkedDontCare;
    }
}

// Reads either one output (`chosenOutput`) or, with `allOutputs`, every one.
class Parser
{
public:
    Parser(int currentCount, int output, bool everyOutput = false)
        : chosenOutput(output), allOutputs(everyOutput)
    {
        count = VariableRules::isCount(currentCount) ? currentCount : 4;
        clearValues();
    }

    PlaReadResult parse(const std::string &text)
    {
        if (!run(text))
            return failure();
        finish();
        return PlaReadResult{function, {}};
    }

    PlaOutputsResult parseOutputs(const std::string &text)
    {
        if (!run(text)) {
            PlaOutputsResult result;
            result.error = error;
            return result;
        }
        return PlaOutputsResult{finishOutputs(), {}};
    }

private:
    bool run(const std::string &text)
    {
        std::size_t start = 0;
        while (!finished && start <= text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string::npos)
                end = text.size();
            ++lineNumber;
            if (!parseLine(wordsOf(text.substr(start, end - start))))
                return false;
            start = end + 1;
        }
        if (namesMissing > 0)
            return namesIncomplete();
        return true;
    }

    bool parseLine(const std::vector<std::string> &words)
    {
        if (namesMissing > 0) {
            // A directive cannot be a label: the labels end short of the count.
            if (!words.empty() && words[0][0] == '.') {
                namesIncomplete();
                return false;
            }
            return takeNames(words, 0);
        }
        if (words.empty())
            return true;
        const std::string &first = words[0];
        if (first[0] != '.')
            return productLine(words);
        if (first == ".i")
            return countLine(words);
        if (first == ".o")
            return outputsLine(words);
        if (first == ".ilb") {
            function.names.clear();
            namesMissing = count;
            namesLine = lineNumber;
            return takeNames(words, 1);
        }
        if (first == ".ob") {
            function.outputNames.assign(words.begin() + 1, words.end());
            return true;
        }
        if (first == ".type")
            return typeLine(words);
        if (first == ".mv" || first == ".kiss" || first.compare(0, 9, ".symbolic") == 0)
            return fail(PlaFault::UnsupportedKind, {SafeText::shown(first)});
        if (first == ".e" || first == ".end")
            finished = true;
        // Any other directive (.p, .phase, ...) tells nothing about the values.
        return true;
    }

    bool countLine(const std::vector<std::string> &words)
    {
        const int value = words.size() > 1 ? numberOf(words[1]) : -1;
        if (!VariableRules::isCount(value)) {
            return words.size() > 1 ? fail(PlaFault::CountOutOfRange, {quoted(words[1])})
                                    : fail(PlaFault::CountMissing, {});
        }
        if (!function.names.empty() && static_cast<int>(function.names.size()) != value)
            return fail(PlaFault::CountDisagreesWithLabels,
                        {std::to_string(value), std::to_string(function.names.size())});
        count = value;
        function.countGiven = true;
        clearValues();
        return true;
    }

    bool outputsLine(const std::vector<std::string> &words)
    {
        const int value = words.size() > 1 ? numberOf(words[1]) : -1;
        if (value < 1)
            return fail(PlaFault::OutputsMissing, {});
        if (allOutputs && value > MultiOutputFunction::maxOutputs)
            return fail(PlaFault::TooManyOutputs, {std::to_string(value)});
        declaredOutputs = value;
        return true;
    }

    bool typeLine(const std::vector<std::string> &words)
    {
        if (productLineSeen)
            return fail(PlaFault::TypeAfterProducts, {});
        const std::string type = words.size() > 1 ? words[1] : std::string();
        if (type != "f" && type != "fd" && type != "fr" && type != "fdr")
            return fail(PlaFault::TypeUnsupported, {quoted(type)});
        offSetGiven = type.back() == 'r';
        return true;
    }

    // Labels are taken as they are here; whether they can serve as variable
    // names is decided once all of them are known.
    bool takeNames(const std::vector<std::string> &words, std::size_t next)
    {
        for (; namesMissing > 0 && next < words.size(); ++next) {
            function.names.push_back(words[next]);
            --namesMissing;
        }
        if (next < words.size())
            return fail(PlaFault::TooManyLabels, {std::to_string(count)});
        return true;
    }

    bool namesIncomplete()
    {
        fail(PlaFault::TooFewLabels,
             {std::to_string(function.names.size()), std::to_string(count)});
        error.line = namesLine;
        return false;
    }

    bool productLine(const std::vector<std::string> &words)
    {
        std::string characters;
        std::string firstWord;
        for (const std::string &word : words) {
            for (char c : word) {
                if (c == '|') {
                    if (!characters.empty() && firstWord.empty())
                        firstWord = characters;
                    continue;
                }
                characters += c;
            }
            if (firstWord.empty())
                firstWord = characters;
        }
        const auto width = static_cast<std::size_t>(count);
        // A first word longer than the input plane is far more often a wrong
        // ".i" than inputs glued to outputs.
        if (firstWord.size() > width || (characters.size() <= width && firstWord.size() != width))
            return inputPartFault(firstWord);
        if (characters.size() == width)
            return fail(PlaFault::NoOutputPart, {quoted(firstWord)});

        unsigned care = 0;
        unsigned ones = 0;
        for (std::size_t i = 0; i < width; ++i) {
            const char c = characters[i];
            care <<= 1;
            ones <<= 1;
            if (c == '0' || c == '1') {
                care |= 1;
                ones |= (c == '1');
            } else if (c != '-' && c != '2') {
                return inputPartFault(characters.substr(0, width));
            }
        }

        productLineSeen = true;
        const std::size_t outputWidth = characters.size() - width;
        if (outputWidth > widestOutputPlane)
            widestOutputPlane = outputWidth;
        if (allOutputs) {
            if (outputWidth > static_cast<std::size_t>(MultiOutputFunction::maxOutputs))
                return fail(PlaFault::TooManyOutputs, {std::to_string(outputWidth)});
            if (outputMarks.size() < outputWidth)
                outputMarks.resize(outputWidth, std::vector<unsigned char>(marks.size(), Unnamed));
            for (std::size_t k = 0; k < outputWidth; ++k)
                markCells(outputMarks[k], characters[width + k], care, ones);
            return true;
        }
        if (chosenOutput < 0 || static_cast<std::size_t>(chosenOutput) >= outputWidth)
            return true;
        markCells(marks, characters[width + chosenOutput], care, ones);
        return true;
    }

    void markCells(std::vector<unsigned char> &cells, char c, unsigned care, unsigned ones) const
    {
        const unsigned char mark = markOf(c, offSetGiven);
        if (mark == Unnamed)
            return;
        const unsigned size = 1u << count;
        for (unsigned m = 0; m < size; ++m) {
            if ((m & care) == ones)
                cells[m] |= mark;
        }
    }

    bool inputPartFault(const std::string &input)
    {
        return fail(PlaFault::BadInputPart, {quoted(input), std::to_string(count)});
    }

    void clearValues()
    {
        marks.assign(std::size_t{1} << count, Unnamed);
        outputMarks.clear();
    }

    void valuesOf(const std::vector<unsigned char> &cells, std::string &values,
                  std::vector<bool> &assigned) const
    {
        values.assign(cells.size(), '0');
        assigned.assign(cells.size(), false);
        for (std::size_t m = 0; m < cells.size(); ++m) {
            const unsigned char mark = cells[m];
            char value = '0';
            // With an off-set given, a row no plane names is a don't care.
            if ((mark & MarkedDontCare) || (mark == Unnamed && offSetGiven))
                value = 'X';
            else if (mark & MarkedOn)
                value = '1';
            else if (mark == Unnamed)
                continue;
            values[m] = value;
            assigned[m] = true;
        }
    }

    // Turns the marks into values, and the labels into names if they can be.
    void finish()
    {
        function.variableCount = count;
        valuesOf(marks, function.values, function.assigned);

        function.outputCount = declaredOutputs;
        if (static_cast<int>(widestOutputPlane) > function.outputCount)
            function.outputCount = static_cast<int>(widestOutputPlane);
        function.severalOutputs = function.outputCount > 1;
        function.output = chosenOutput;
        replaceInvalidLabels();
    }

    PlaOutputs finishOutputs()
    {
        const int outputs = std::max(declaredOutputs, static_cast<int>(widestOutputPlane));
        replaceInvalidLabels();
        PlaOutputs read;
        read.countGiven = function.countGiven;
        read.namesGiven = !function.names.empty();
        read.replacedLabels = function.replacedLabels;
        std::vector<std::string> inputs = function.names;
        for (int j = static_cast<int>(inputs.size()); j < count; ++j)
            inputs.push_back(VariableRules::defaultName(j));

        // Like the ".ilb" labels: one that cannot serve sends them all.
        std::vector<std::string> labels = function.outputNames;
        if (labels.size() > static_cast<std::size_t>(outputs))
            labels.resize(static_cast<std::size_t>(outputs));
        for (std::size_t k = 0; k < labels.size(); ++k) {
            const auto earlier = labels.begin() + static_cast<std::ptrdiff_t>(k);
            if (std::find(labels.begin(), earlier, labels[k]) != earlier ||
                !MultiOutputFunction::checkNames(inputs, {labels[k]}).ok())
                read.replacedOutputLabels.push_back(labels[k]);
        }
        if (!read.replacedOutputLabels.empty())
            labels.clear();

        read.function = MultiOutputFunction(count, outputs);
        read.function.setNames(
            inputs, MultiOutputFunction::completedOutputNames(inputs, std::move(labels), outputs));
        read.assigned.resize(static_cast<std::size_t>(outputs));
        const std::vector<unsigned char> unnamed(marks.size(), Unnamed);
        std::string values;
        for (std::size_t k = 0; k < read.assigned.size(); ++k) {
            valuesOf(k < outputMarks.size() ? outputMarks[k] : unnamed, values, read.assigned[k]);
            read.function.setValues(static_cast<int>(k), values);
        }
        return read;
    }

    void replaceInvalidLabels()
    {
        std::vector<std::string> &names = function.names;
        for (std::size_t j = 0; j < names.size(); ++j) {
            bool valid = VariableRules::isName(names[j]);
            for (std::size_t k = 0; valid && k < j; ++k)
                valid = names[k] != names[j];
            if (!valid)
                function.replacedLabels.push_back(names[j]);
        }
        if (function.replacedLabels.empty())
            return;
        for (std::size_t j = 0; j < names.size(); ++j)
            names[j] = VariableRules::defaultName(static_cast<int>(j));
    }

    bool fail(PlaFault fault, std::vector<std::string> values)
    {
        error.line = lineNumber;
        error.fault = fault;
        error.message = PhraseTemplate::filled(PlaReader::englishPattern(fault), values);
        error.values = std::move(values);
        return false;
    }

    PlaReadResult failure() const
    {
        PlaReadResult result;
        result.error = error;
        return result;
    }

    PlaFunction function;
    std::vector<unsigned char> marks;
    // With `allOutputs`, one per output up to the widest output plane.
    std::vector<std::vector<unsigned char>> outputMarks;
    int chosenOutput = 0;
    bool allOutputs = false;
    int count = 4;
    int declaredOutputs = 1;
    std::size_t widestOutputPlane = 0;
    bool offSetGiven = false;
    bool productLineSeen = false;
    int lineNumber = 0;
    int namesMissing = 0;
    int namesLine = 0;
    bool finished = false;
    PlaError error;
};

} // namespace

PlaReadResult PlaReader::read(const std::string &text, int currentCount, int output)
{
    return Parser(currentCount, output).parse(text);
}

PlaOutputsResult PlaReader::readOutputs(const std::string &text, int currentCount)
{
    return Parser(currentCount, 0, true).parseOutputs(text);
}

PlaReadResult PlaReader::read(std::istream &in, int currentCount, int output)
{
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return read(text, currentCount, output);
}

std::string PlaReader::englishPattern(PlaFault fault)
{
    switch (fault) {
    case PlaFault::UnsupportedKind:
        return "%1: multi-valued and state-machine files are not supported; only binary inputs "
               "with one or more outputs can be imported.";
    case PlaFault::CountOutOfRange:
        return ".i gives %1, but the number of variables must be 2 to 6.";
    case PlaFault::CountMissing:
        return ".i must be followed by the number of variables (2 to 6).";
    case PlaFault::CountDisagreesWithLabels:
        return ".i gives %1 variables, but .ilb named %2.";
    case PlaFault::OutputsMissing:
        return ".o must be followed by the number of outputs.";
    case PlaFault::TypeAfterProducts:
        return ".type must come before the first product line.";
    case PlaFault::TypeUnsupported:
        return ".type %1 is not supported; the type must be f, fd, fr or fdr.";
    case PlaFault::TooManyLabels:
        return ".ilb names more than the %1 variables.";
    case PlaFault::TooFewLabels:
        return ".ilb names %1 of the %2 variables.";
    case PlaFault::NoOutputPart:
        return "The product line %1 has no output part.";
    case PlaFault::BadInputPart:
        return "The input part %1 must be %2 characters of 0, 1 and -.";
    case PlaFault::TooManyOutputs:
        return "The file has %1 outputs; at most 64 can be imported.";
    case PlaFault::None:
        break;
    }
    return std::string();
}

namespace {

PlaLabelsNote labelsNote(const std::vector<std::string> &replaced,
                         const std::vector<std::string> &names)
{
    PlaLabelsNote note;
    for (const std::string &label : replaced)
        note.labels += (note.labels.empty() ? "" : ", ") + quoted(label);
    for (const std::string &name : names)
        note.names += (note.names.empty() ? "" : ", ") + name;
    note.count = replaced.size();
    return note;
}

std::string noteText(const PlaLabelsNote &note, const char *one, const char *several)
{
    if (note.count == 0)
        return std::string();
    return PhraseTemplate::filled(note.count == 1 ? one : several, {note.labels, note.names});
}

} // namespace

PlaLabelsNote PlaReader::replacedLabels(const PlaFunction &function)
{
    return labelsNote(function.replacedLabels, function.names);
}

std::string PlaReader::replacedLabelsNote(const PlaFunction &function)
{
    return noteText(replacedLabels(function), englishOneLabelNote, englishLabelsNote);
}

std::string PlaReader::replacedLabelsNote(const PlaOutputs &outputs)
{
    return noteText(labelsNote(outputs.replacedLabels, outputs.function.inputNames()),
                    englishOneLabelNote, englishLabelsNote);
}

PlaLabelsNote PlaReader::replacedOutputLabels(const PlaOutputs &outputs)
{
    return labelsNote(outputs.replacedOutputLabels, outputs.function.outputNames());
}

std::string PlaReader::replacedOutputLabelsNote(const PlaOutputs &outputs)
{
    return noteText(replacedOutputLabels(outputs), englishOneOutputLabelNote,
                    englishOutputLabelsNote);
}
