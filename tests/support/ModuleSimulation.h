// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// Runs a Verilog module through iverilog and vvp over every input row: its
// ports are the `inputs` inputs, first input most significant, then the
// `outputs` outputs. One string of output bits per row, first output first;
// empty when the module does not compile (iverilog's complaint is logged).
QStringList simulateVerilog(const QString &folder, const QString &module, const QString &moduleName,
                            int inputs, int outputs);
