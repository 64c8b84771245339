#include "pla/PlaReader.h"

#include <istream>
#include <iterator>
#include <vector>

namespace {

constexpr int minCount = 2;
constexpr int maxCount = 6;
constexpr std::size_t maxNameLength = 3;

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

std::string quoted(const std::string &word)
{
    return "\"" + word + "\"";
}

class Parser
{
public:
    explicit Parser(int currentCount)
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
            errorLine = namesLine;
            errorMessage = ".ilb names " + std::to_string(function.names.size()) + " of the " +
                           std::to_string(count) + " variables.";
            return failure();
        }
        function.variableCount = count;
        return PlaReadResult{function, {}};
    }

private:
    bool parseLine(const std::vector<std::string> &words)
    {
        std::size_t next = 0;
        if (namesMissing > 0) {
            if (!takeNames(words, next))
                return false;
            return noMoreNames(words, next);
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
            next = 1;
            if (!takeNames(words, next))
                return false;
            return noMoreNames(words, next);
        }
        if (first == ".e" || first == ".end")
            finished = true;
        // Any other directive (.p, .type, .phase, .ob, ...) tells nothing about
        // the first output's values.
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
        outputs = value;
        if (outputs > 1)
            function.severalOutputs = true;
        return true;
    }

    bool takeNames(const std::vector<std::string> &words, std::size_t &next)
    {
        for (; namesMissing > 0 && next < words.size(); ++next) {
            const std::string &name = words[next];
            if (!PlaReader::isVariableName(name))
                return fail("The variable name " + quoted(name) +
                            " must be 1 to 3 letters or digits.");
            for (const std::string &earlier : function.names) {
                if (earlier == name)
                    return fail("The variable name " + quoted(name) + " is used twice.");
            }
            function.names.push_back(name);
            --namesMissing;
        }
        return true;
    }

    bool noMoreNames(const std::vector<std::string> &words, std::size_t next)
    {
        if (next < words.size())
            return fail(".ilb names more than the " + std::to_string(count) + " variables.");
        return true;
    }

    bool productLine(const std::vector<std::string> &words)
    {
        const std::string &input = words[0];
        bool valid = static_cast<int>(input.size()) == count;
        unsigned care = 0;
        unsigned ones = 0;
        for (char c : input) {
            care <<= 1;
            ones <<= 1;
            if (c == '0' || c == '1') {
                care |= 1;
                ones |= (c == '1');
            } else if (c != '-') {
                valid = false;
            }
        }
        if (!valid)
            return fail("The input part " + quoted(input) + " must be " + std::to_string(count) +
                        " characters of 0, 1 and -.");
        if (words.size() < 2)
            return fail("The product line " + quoted(input) + " has no output part.");

        std::string output;
        for (std::size_t i = 1; i < words.size(); ++i)
            output += words[i];
        if (output.size() > 1 || outputs > 1)
            function.severalOutputs = true;
        const char value = (output[0] == '0' || output[0] == '1') ? output[0] : 'X';

        const unsigned size = 1u << count;
        for (unsigned m = 0; m < size; ++m) {
            if ((m & care) == ones) {
                function.values[m] = value;
                function.assigned[m] = true;
            }
        }
        return true;
    }

    void clearValues()
    {
        function.values.assign(std::size_t{1} << count, '0');
        function.assigned.assign(std::size_t{1} << count, false);
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
    int count = 4;
    int outputs = 1;
    int lineNumber = 0;
    int namesMissing = 0;
    int namesLine = 0;
    bool finished = false;
    int errorLine = 1;
    std::string errorMessage;
};

} // namespace

PlaReadResult PlaReader::read(const std::string &text, int currentCount)
{
    return Parser(currentCount).parse(text);
}

PlaReadResult PlaReader::read(std::istream &in, int currentCount)
{
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return read(text, currentCount);
}

bool PlaReader::isVariableName(const std::string &name)
{
    bool valid = !name.empty() && name.size() <= maxNameLength;
    for (const char c : name)
        valid = valid && isNameCharacter(c);
    return valid;
}
