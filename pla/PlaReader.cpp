// SPDX-License-Identifier: GPL-3.0-or-later
#include "pla/PlaReader.h"

#include "messages/SafeText.h"

#include <istream>
#include <iterator>
#include <vector>

namespace {

constexpr int minCount = 2;
constexpr int maxCount = 6;
constexpr std::size_t maxNameLength = 3;

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

bool isNameCharacter(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
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

std::string defaultName(int position)
{
    return std::string(1, static_cast<char>('A' + position));
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

class Parser
{
public:
    Parser(int currentCount, int output) : chosenOutput(output)
    {
        count = (currentCount >= minCount && currentCount <= maxCount) ? currentCount : 4;
        clearValues();
    }

    PlaReadResult parse(const std::string &text)
    {
        std::size_t start = 0;
        while (!finished && start <= text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string::npos)
                end = text.size();
            ++lineNumber;
            if (!parseLine(wordsOf(text.substr(start, end - start))))
                return failure();
            start = end + 1;
        }
        if (namesMissing > 0) {
            namesIncomplete();
            return failure();
        }
        finish();
        return PlaReadResult{function, {}};
    }

private:
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
            return fail(SafeText::shown(first) +
                        ": multi-valued and state-machine files are not supported; "
                        "only binary inputs with one or more outputs can be imported.");
        if (first == ".e" || first == ".end")
            finished = true;
        // Any other directive (.p, .phase, ...) tells nothing about the values.
        return true;
    }

    bool countLine(const std::vector<std::string> &words)
    {
        const int value = words.size() > 1 ? numberOf(words[1]) : -1;
        if (value < minCount || value > maxCount) {
            return fail(words.size() > 1
                            ? ".i gives " + quoted(words[1]) +
                                  ", but the number of variables must be 2 to 6."
                            : ".i must be followed by the number of variables (2 to 6).");
        }
        if (!function.names.empty() && static_cast<int>(function.names.size()) != value)
            return fail(".i gives " + std::to_string(value) + " variables, but .ilb named " +
                        std::to_string(function.names.size()) + ".");
        count = value;
        function.countGiven = true;
        clearValues();
        return true;
    }

    bool outputsLine(const std::vector<std::string> &words)
    {
        const int value = words.size() > 1 ? numberOf(words[1]) : -1;
        if (value < 1)
            return fail(".o must be followed by the number of outputs.");
        declaredOutputs = value;
        return true;
    }

    bool typeLine(const std::vector<std::string> &words)
    {
        if (productLineSeen)
            return fail(".type must come before the first product line.");
        const std::string type = words.size() > 1 ? words[1] : std::string();
        if (type != "f" && type != "fd" && type != "fr" && type != "fdr")
            return fail(".type " + quoted(type) +
                        " is not supported; the type must be f, fd, fr "
                        "or fdr.");
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
            return fail(".ilb names more than the " + std::to_string(count) + " variables.");
        return true;
    }

    bool namesIncomplete()
    {
        errorLine = namesLine;
        errorMessage = ".ilb names " + std::to_string(function.names.size()) + " of the " +
                       std::to_string(count) + " variables.";
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
            return fail("The product line " + quoted(firstWord) + " has no output part.");

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
        if (chosenOutput < 0 || static_cast<std::size_t>(chosenOutput) >= outputWidth)
            return true;
        const unsigned char mark = markOf(characters[width + chosenOutput], offSetGiven);
        if (mark == Unnamed)
            return true;
        const unsigned size = 1u << count;
        for (unsigned m = 0; m < size; ++m) {
            if ((m & care) == ones)
                marks[m] |= mark;
        }
        return true;
    }

    bool inputPartFault(const std::string &input)
    {
        return fail("The input part " + quoted(input) + " must be " + std::to_string(count) +
                    " characters of 0, 1 and -.");
    }

    void clearValues() { marks.assign(std::size_t{1} << count, Unnamed); }

    // Turns the marks into values, and the labels into names if they can be.
    void finish()
    {
        function.variableCount = count;
        function.values.assign(marks.size(), '0');
        function.assigned.assign(marks.size(), false);
        for (std::size_t m = 0; m < marks.size(); ++m) {
            const unsigned char mark = marks[m];
            char value = '0';
            // With an off-set given, a row no plane names is a don't care.
            if ((mark & MarkedDontCare) || (mark == Unnamed && offSetGiven))
                value = 'X';
            else if (mark & MarkedOn)
                value = '1';
            else if (mark == Unnamed)
                continue;
            function.values[m] = value;
            function.assigned[m] = true;
        }

        function.outputCount = declaredOutputs;
        if (static_cast<int>(widestOutputPlane) > function.outputCount)
            function.outputCount = static_cast<int>(widestOutputPlane);
        function.severalOutputs = function.outputCount > 1;
        function.output = chosenOutput;
        replaceInvalidLabels();
    }

    void replaceInvalidLabels()
    {
        std::vector<std::string> &names = function.names;
        for (std::size_t j = 0; j < names.size(); ++j) {
            bool valid = PlaReader::isVariableName(names[j]);
            for (std::size_t k = 0; valid && k < j; ++k)
                valid = names[k] != names[j];
            if (!valid)
                function.replacedLabels.push_back(names[j]);
        }
        if (function.replacedLabels.empty())
            return;
        for (std::size_t j = 0; j < names.size(); ++j)
            names[j] = defaultName(static_cast<int>(j));
    }

    bool fail(const std::string &message)
    {
        errorLine = lineNumber;
        errorMessage = message;
        return false;
    }

    PlaReadResult failure() const
    {
        PlaReadResult result;
        result.error = PlaError{errorLine, errorMessage};
        return result;
    }

    PlaFunction function;
    std::vector<unsigned char> marks;
    int chosenOutput = 0;
    int count = 4;
    int declaredOutputs = 1;
    std::size_t widestOutputPlane = 0;
    bool offSetGiven = false;
    bool productLineSeen = false;
    int lineNumber = 0;
    int namesMissing = 0;
    int namesLine = 0;
    bool finished = false;
    int errorLine = 1;
    std::string errorMessage;
};

} // namespace

PlaReadResult PlaReader::read(const std::string &text, int currentCount, int output)
{
    return Parser(currentCount, output).parse(text);
}

PlaReadResult PlaReader::read(std::istream &in, int currentCount, int output)
{
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return read(text, currentCount, output);
}

bool PlaReader::isVariableName(const std::string &name)
{
    bool valid = !name.empty() && name.size() <= maxNameLength;
    for (const char c : name)
        valid = valid && isNameCharacter(c);
    return valid;
}

std::string PlaReader::replacedLabelsNote(const PlaFunction &function)
{
    const std::vector<std::string> &labels = function.replacedLabels;
    if (labels.empty())
        return std::string();
    std::string note = labels.size() == 1 ? "The label " : "The labels ";
    for (std::size_t j = 0; j < labels.size(); ++j)
        note += (j == 0 ? "" : ", ") + quoted(labels[j]);
    note += labels.size() == 1 ? " is not a valid variable name" : " are not valid variable names";
    note += " (1 to 3 letters or digits, all different), so the variables have the default "
            "names ";
    for (std::size_t j = 0; j < function.names.size(); ++j)
        note += (j == 0 ? "" : ", ") + function.names[j];
    return note + ".";
}
