// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the PLA reader. The first byte picks the count the
// program would show and the output read; the rest is the file. Whatever the bytes, the reader
// must return either a consistent function or a fault with a line number, and
// a function it accepts must survive being written and read again. Reading
// every output at once must agree with reading the one output, and its
// function of several outputs must obey the naming rules and survive the
// round trip too.
#include "pla/PlaReader.h"
#include "pla/PlaWriter.h"

#include <cstdint>
#include <cstdlib>
#include <string>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkFunction(const PlaFunction &function)
{
    const int n = function.variableCount;
    check(n >= 2 && n <= 6);
    const std::size_t size = std::size_t{1} << n;
    check(function.values.size() == size);
    check(function.assigned.size() == size);
    check(function.names.empty() || static_cast<int>(function.names.size()) == n);
    for (std::size_t m = 0; m < size; ++m) {
        const char value = function.values[m];
        check(value == '0' || value == '1' || value == 'X');
        check(function.assigned[m] || value == '0');
    }
    check(function.outputCount >= 1);
    check(function.severalOutputs == (function.outputCount > 1));
    check(function.replacedLabels.size() <= function.names.size());
    for (std::size_t j = 0; j < function.names.size(); ++j) {
        const std::string &name = function.names[j];
        check(!name.empty() && name.size() <= 3);
        for (std::size_t k = 0; k < j; ++k)
            check(function.names[k] != name);
    }
}

bool isName(const std::string &name)
{
    if (name.empty() || name.size() > 3)
        return false;
    for (const char c : name) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')))
            return false;
    }
    return true;
}

void checkOutputs(const PlaOutputs &read, const PlaFunction &one, int currentCount)
{
    const MultiOutputFunction &function = read.function;
    check(function.inputCount() == one.variableCount);
    check(function.outputCount() == one.outputCount && function.outputCount() <= 64);
    check(read.assigned.size() == static_cast<std::size_t>(function.outputCount()));
    if (one.output < function.outputCount()) {
        check(function.values(one.output) == one.values);
        check(read.assigned[static_cast<std::size_t>(one.output)] == one.assigned);
    }
    check(read.countGiven == one.countGiven && read.replacedLabels == one.replacedLabels);
    std::vector<std::string> names = function.inputNames();
    for (int k = 0; k < function.outputCount(); ++k) {
        check(function.values(k).size() == function.cellCount());
        names.push_back(function.outputName(k));
    }
    for (std::size_t j = 0; j < names.size(); ++j) {
        check(isName(names[j]));
        for (std::size_t i = 0; i < j; ++i)
            check(names[i] != names[j]);
    }
    check(read.replacedOutputLabels.empty() == PlaReader::replacedOutputLabelsNote(read).empty());

    const std::string written = PlaWriter::write(function);
    const PlaOutputsResult again = PlaReader::readOutputs(written, currentCount);
    check(again.ok() && again.outputs->function == function);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int currentCount = 2 + data[0] % 5;
    const int output = (data[0] / 5) % 4;
    const std::string text(reinterpret_cast<const char *>(data + 1), size - 1);

    const PlaReadResult result = PlaReader::read(text, currentCount, output);
    const PlaOutputsResult all = PlaReader::readOutputs(text, currentCount);
    if (!all.ok()) {
        check(all.error.line >= 1 && !all.error.message.empty());
        // Only the count of outputs stops this read where the one-output
        // read goes on (to the end or to a later fault).
        if (all.error.fault == PlaFault::TooManyOutputs)
            check(result.ok() || result.error.line >= all.error.line);
        else
            check(!result.ok() && result.error.line == all.error.line &&
                  result.error.message == all.error.message);
    } else {
        check(result.ok());
    }
    if (!result.ok()) {
        check(result.error.line >= 1);
        check(!result.error.message.empty());
        return 0;
    }
    if (all.ok())
        checkOutputs(*all.outputs, *result.function, currentCount);
    checkFunction(*result.function);
    check(result.function->output == output);
    if (!result.function->replacedLabels.empty())
        check(!PlaReader::replacedLabelsNote(*result.function).empty());
    if (!result.function->countGiven)
        check(result.function->variableCount == currentCount);

    const std::string written = PlaWriter::write(*result.function);
    const PlaReadResult again = PlaReader::read(written, currentCount);
    check(again.ok());
    check(again.function->values == result.function->values);
    check(PlaWriter::write(*again.function) == written);
    return 0;
}
