// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

// A Boolean function of 2 to 6 inputs and 1 to 64 outputs over those inputs:
// one column of 2^n cells ('0', '1' or 'X') per output, minterm m with the
// first input as its most significant bit. With one output it is the
// function the window has always shown, its output called "f".
//
// Every name follows the variable-name rule (1 to 3 letters or digits); the
// inputs differ from each other, the outputs differ from each other and from
// every input (case-sensitive). A change that would break this is refused.
class MultiOutputFunction
{
public:
    static constexpr int maxOutputs = 64;
    // The first output's name; outputs added later are "f1", "f2", ...
    static constexpr const char *firstOutputName = "f";

    enum class NameFault
    {
        None,
        NotAName,   // %1 the quoted name
        InputName,  // %1 the quoted name
        OutputName, // %1 the quoted name
    };

    // Why a set of names cannot stand, with the first name at fault.
    struct NameRefusal
    {
        NameFault fault = NameFault::None;
        std::string name;

        bool ok() const { return fault == NameFault::None; }
        std::string englishSentence() const;
    };

    // `inputCount` inputs (4 when outside 2 ... 6) named A, B, ..., and
    // `outputCount` outputs (clamped to 1 ... 64) with the default names,
    // every cell '0'.
    explicit MultiOutputFunction(int inputCount = 4, int outputCount = 1);

    int inputCount() const { return static_cast<int>(inputs.size()); }
    int outputCount() const { return static_cast<int>(outputs.size()); }
    // 2^inputCount(): the length of every output's column.
    std::size_t cellCount() const { return std::size_t{1} << inputs.size(); }

    const std::vector<std::string> &inputNames() const { return inputs; }
    std::vector<std::string> outputNames() const;
    const std::string &outputName(int output) const { return at(output).name; }
    const std::string &values(int output) const { return at(output).values; }
    char cell(int output, std::size_t minterm) const { return at(output).values.at(minterm); }

    // False, changing nothing, for a value other than '0', '1', 'X' or a
    // column of another length.
    bool setCell(int output, std::size_t minterm, char value);
    bool setValues(int output, const std::string &values);

    // Appends an output named by nextOutputName(), every cell '0'; returns
    // its index, or -1 when there are 64 already.
    int addOutput();
    // The last remaining output cannot go.
    bool removeOutput(int output);
    NameRefusal renameOutput(int output, const std::string &name);
    // Every name at once (exactly inputCount() and outputCount() of them), so
    // that two names can trade places or an input take an output's name.
    NameRefusal setNames(const std::vector<std::string> &inputNames,
                         const std::vector<std::string> &outputNames);

    // The name addOutput() would give: the lowest "fK" (K = 1, 2, ...) that
    // no input or output has.
    std::string nextOutputName() const;

    // Whether these names could stand together; the first fault found.
    static NameRefusal checkNames(const std::vector<std::string> &inputNames,
                                  const std::vector<std::string> &outputNames);
    // `given` (names for the first outputs), completed to `count` names: the
    // first output "f" unless an input has that name, every other the lowest
    // free "fK". Names in `given` beyond `count` are dropped.
    static std::vector<std::string> completedOutputNames(const std::vector<std::string> &inputNames,
                                                         std::vector<std::string> given, int count);
    static std::string englishPattern(NameFault fault);

    bool operator==(const MultiOutputFunction &other) const;
    bool operator!=(const MultiOutputFunction &other) const { return !(*this == other); }

private:
    struct Output
    {
        std::string name;
        std::string values;

        bool operator==(const Output &other) const
        {
            return name == other.name && values == other.values;
        }
    };

    const Output &at(int output) const { return outputs.at(static_cast<std::size_t>(output)); }
    static bool isColumn(const std::string &values, std::size_t length);

    std::vector<std::string> inputs;
    std::vector<Output> outputs;
};
