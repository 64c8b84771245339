// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/PlaInput.h"

#include "messages/SafeText.h"
#include "pla/PlaReader.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

bool readAll(std::FILE *file, std::string &text)
{
    std::array<char, 8192> buffer{};
    std::size_t got = 0;
    while ((got = std::fread(buffer.data(), 1, buffer.size(), file)) > 0)
        text.append(buffer.data(), got);
    return !std::ferror(file);
}

} // namespace

std::string PlaInput::shownName(const std::string &path)
{
    return path == "-" ? "(standard input)" : SafeText::shown(path, SafeText::nameLimit);
}

bool PlaInput::readText(const std::string &path, std::string &text, std::string &error)
{
    const std::string name = shownName(path);
    if (path == "-") {
        if (!readAll(stdin, text)) {
            error = name + ": cannot read: " + std::strerror(errno);
            return false;
        }
        return true;
    }
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        error = name + ": cannot read: " + std::strerror(errno);
        return false;
    }
    const bool read = readAll(file, text);
    const int readError = errno;
    (void)std::fclose(file); // read only: nothing is lost if closing fails
    if (!read) {
        error = name + ": cannot read: " + std::strerror(readError);
        return false;
    }
    return true;
}

bool PlaInput::load(const std::string &path, int currentCount, PlaFunction &function,
                    std::string &error, int output)
{
    std::string text;
    if (!readText(path, text, error))
        return false;
    const std::string name = shownName(path);
    PlaReadResult result = PlaReader::read(text, currentCount, output);
    if (!result.ok()) {
        error = name + ":" + std::to_string(result.error.line) + ": " + result.error.message;
        return false;
    }
    if (output >= result.function->outputCount) {
        const int count = result.function->outputCount;
        error = name + ": has " + std::to_string(count) + (count == 1 ? " output" : " outputs") +
                ", so there is no output " + std::to_string(output + 1) + ".";
        return false;
    }
    function = std::move(*result.function);
    return true;
}

bool PlaInput::loadOutputs(const std::string &path, int currentCount, PlaOutputs &outputs,
                           std::string &error)
{
    std::string text;
    if (!readText(path, text, error))
        return false;
    PlaOutputsResult result = PlaReader::readOutputs(text, currentCount);
    if (!result.ok()) {
        error =
            shownName(path) + ":" + std::to_string(result.error.line) + ": " + result.error.message;
        return false;
    }
    outputs = std::move(*result.outputs);
    return true;
}

PlaFunction PlaInput::firstOutput(const PlaOutputs &outputs)
{
    const MultiOutputFunction &all = outputs.function;
    PlaFunction function;
    function.variableCount = all.inputCount();
    function.countGiven = outputs.countGiven;
    if (outputs.namesGiven)
        function.names = all.inputNames();
    function.replacedLabels = outputs.replacedLabels;
    function.values = all.values(0);
    function.assigned = outputs.assigned.front();
    function.outputCount = all.outputCount();
    function.severalOutputs = function.outputCount > 1;
    function.outputNames = all.outputNames();
    return function;
}
