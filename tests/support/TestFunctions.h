// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "minimize/MinimizationForm.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <string>
#include <string_view>

namespace TestFunctions {

// The 2^n cells of a function, each drawn from `pool` ("01", or "01X01" for
// one don't care in five) by a generator seeded with `seed`.
std::string randomValues(int n, std::string_view pool, unsigned seed);

// The PLA file of a function; without names it has no ".ilb" line, so that
// the names come from --names or the defaults.
QByteArray plaText(int n, const std::string &values, const QStringList &names = {});

// The form a test row's "pos" column stands for.
MinimizationForm formOf(bool pos);

// Whether the cube ('0', '1', '-' per variable, first variable first, one
// character per variable) holds minterm m.
bool cubeHolds(const std::string &cube, int m);

// Why the text is not well-formed XML, or empty when it is.
QString xmlError(const QString &text);

} // namespace TestFunctions
