// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestFunctions.h"

#include "pla/PlaWriter.h"

#include <QXmlStreamReader>

#include <random>

namespace TestFunctions {

std::string randomValues(int n, std::string_view pool, unsigned seed)
{
    std::mt19937 random(seed);
    std::string values;
    for (int m = 0; m < (1 << n); ++m)
        values += pool[random() % pool.size()];
    return values;
}

QByteArray plaText(int n, const std::string &values, const QStringList &names)
{
    PlaFunction function;
    function.variableCount = n;
    function.values = values;
    for (const QString &name : names)
        function.names.push_back(name.toStdString());
    std::string text = PlaWriter::write(function);
    if (names.isEmpty()) {
        const std::size_t start = text.find(".ilb");
        if (start != std::string::npos)
            text.erase(start, text.find('\n', start) - start + 1);
    }
    return QByteArray::fromStdString(text);
}

MinimizationForm formOf(bool pos)
{
    return pos ? MinimizationForm::ProductOfSums : MinimizationForm::SumOfProducts;
}

bool cubeHolds(const std::string &cube, int m)
{
    const auto n = static_cast<int>(cube.size());
    for (int v = 0; v < n; ++v) {
        const char c = cube[static_cast<std::size_t>(v)];
        const bool bit = ((m >> (n - 1 - v)) & 1) != 0;
        if ((c == '1' && !bit) || (c == '0' && bit))
            return false;
    }
    return true;
}

QString xmlError(const QString &text)
{
    QXmlStreamReader xml(text);
    while (!xml.atEnd())
        xml.readNext();
    return xml.hasError() ? xml.errorString() : QString();
}

} // namespace TestFunctions
