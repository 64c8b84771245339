// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the PLA reader. The first byte picks the count the
// program would show and the output read; the rest is the file. Whatever the bytes, the reader
// must return either a consistent function or a fault with a line number, and
// a function it accepts must survive being written and read again.
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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int currentCount = 2 + data[0] % 5;
    const int output = (data[0] / 5) % 4;
    const std::string text(reinterpret_cast<const char *>(data + 1), size - 1);

    const PlaReadResult result = PlaReader::read(text, currentCount, output);
    if (!result.ok()) {
        check(result.error.line >= 1);
        check(!result.error.message.empty());
        return 0;
    }
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
