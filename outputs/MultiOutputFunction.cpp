// SPDX-License-Identifier: GPL-3.0-or-later
#include "outputs/MultiOutputFunction.h"

#include "domain/VariableRules.h"
#include "messages/PhraseTemplate.h"
#include "messages/SafeText.h"

#include <algorithm>

namespace {

static_assert(VariableRules::maxNameLength == 3, "the sentences say \"1 to 3 letters or digits\"");

bool contains(const std::vector<std::string> &names, const std::string &name)
{
    return std::find(names.begin(), names.end(), name) != names.end();
}

bool repeatsAnEarlierName(const std::vector<std::string> &names, std::size_t index)
{
    for (std::size_t j = 0; j < index; ++j) {
        if (names[j] == names[index])
            return true;
    }
    return false;
}

} // namespace

MultiOutputFunction::MultiOutputFunction(int inputCount, int outputCount)
{
    const int n = VariableRules::isCount(inputCount) ? inputCount : 4;
    for (int j = 0; j < n; ++j)
        inputs.push_back(VariableRules::defaultName(j));
    const int k = std::clamp(outputCount, 1, maxOutputs);
    for (std::string &name : completedOutputNames(inputs, {}, k))
        outputs.push_back({std::move(name), std::string(cellCount(), '0')});
}

std::vector<std::string> MultiOutputFunction::outputNames() const
{
    std::vector<std::string> names;
    names.reserve(outputs.size());
    for (const Output &output : outputs)
        names.push_back(output.name);
    return names;
}

bool MultiOutputFunction::isColumn(const std::string &values, std::size_t length)
{
    return values.size() == length && std::all_of(values.begin(), values.end(), [](char c) {
               return c == '0' || c == '1' || c == 'X';
           });
}

bool MultiOutputFunction::setCell(int output, std::size_t minterm, char value)
{
    if (output < 0 || output >= outputCount() || minterm >= cellCount() ||
        !isColumn(std::string(1, value), 1))
        return false;
    outputs[static_cast<std::size_t>(output)].values[minterm] = value;
    return true;
}

bool MultiOutputFunction::setValues(int output, const std::string &values)
{
    if (output < 0 || output >= outputCount() || !isColumn(values, cellCount()))
        return false;
    outputs[static_cast<std::size_t>(output)].values = values;
    return true;
}

int MultiOutputFunction::addOutput()
{
    if (outputCount() >= maxOutputs)
        return -1;
    outputs.push_back({nextOutputName(), std::string(cellCount(), '0')});
    return outputCount() - 1;
}

bool MultiOutputFunction::removeOutput(int output)
{
    if (output < 0 || output >= outputCount() || outputCount() == 1)
        return false;
    outputs.erase(outputs.begin() + output);
    return true;
}

MultiOutputFunction::NameRefusal MultiOutputFunction::renameOutput(int output,
                                                                   const std::string &name)
{
    std::vector<std::string> names = outputNames();
    if (output < 0 || output >= outputCount())
        return {NameFault::NotAName, name};
    names[static_cast<std::size_t>(output)] = name;
    return setNames(inputs, names);
}

MultiOutputFunction::NameRefusal
MultiOutputFunction::setNames(const std::vector<std::string> &inputNames,
                              const std::vector<std::string> &outputNames)
{
    if (inputNames.size() != inputs.size() || outputNames.size() != outputs.size())
        return {NameFault::NotAName, std::string()};
    NameRefusal refusal = checkNames(inputNames, outputNames);
    if (!refusal.ok())
        return refusal;
    inputs = inputNames;
    for (std::size_t k = 0; k < outputNames.size(); ++k)
        outputs[k].name = outputNames[k];
    return refusal;
}

std::string MultiOutputFunction::nextOutputName() const
{
    std::vector<std::string> taken = inputs;
    for (const Output &output : outputs)
        taken.push_back(output.name);
    // Six inputs and 63 outputs leave one of f1 ... f70 free.
    for (int k = 1;; ++k) {
        std::string name = firstOutputName + std::to_string(k);
        if (!contains(taken, name))
            return name;
    }
}

MultiOutputFunction::NameRefusal
MultiOutputFunction::checkNames(const std::vector<std::string> &inputNames,
                                const std::vector<std::string> &outputNames)
{
    for (std::size_t j = 0; j < inputNames.size(); ++j) {
        const std::string &name = inputNames[j];
        if (!VariableRules::isName(name))
            return {NameFault::NotAName, name};
        if (repeatsAnEarlierName(inputNames, j))
            return {NameFault::InputName, name};
    }
    for (std::size_t k = 0; k < outputNames.size(); ++k) {
        const std::string &name = outputNames[k];
        if (!VariableRules::isName(name))
            return {NameFault::NotAName, name};
        if (contains(inputNames, name))
            return {NameFault::InputName, name};
        if (repeatsAnEarlierName(outputNames, k))
            return {NameFault::OutputName, name};
    }
    return {};
}

std::vector<std::string>
MultiOutputFunction::completedOutputNames(const std::vector<std::string> &inputNames,
                                          std::vector<std::string> given, int count)
{
    const auto wanted = static_cast<std::size_t>(std::max(count, 0));
    if (given.size() > wanted)
        given.resize(wanted);
    std::vector<std::string> taken = inputNames;
    taken.insert(taken.end(), given.begin(), given.end());
    int suffix = 1;
    while (given.size() < wanted) {
        std::string name = firstOutputName;
        if (!given.empty() || contains(taken, name)) {
            do
                name = firstOutputName + std::to_string(suffix++);
            while (contains(taken, name));
        }
        taken.push_back(name);
        given.push_back(std::move(name));
    }
    return given;
}

std::string MultiOutputFunction::englishPattern(NameFault fault)
{
    switch (fault) {
    case NameFault::NotAName:
        return "%1 is not a valid name: a name is 1 to 3 letters or digits.";
    case NameFault::InputName:
        return "%1 is already the name of an input.";
    case NameFault::OutputName:
        return "%1 is already the name of an output.";
    case NameFault::None:
        break;
    }
    return std::string();
}

std::string MultiOutputFunction::NameRefusal::englishSentence() const
{
    return PhraseTemplate::filled(englishPattern(fault), {"\"" + SafeText::shown(name) + "\""});
}

bool MultiOutputFunction::operator==(const MultiOutputFunction &other) const
{
    return inputs == other.inputs && outputs == other.outputs;
}
