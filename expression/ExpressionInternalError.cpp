// SPDX-License-Identifier: GPL-3.0-or-later
#include "expression/ExpressionInternalError.h"

ExpressionInternalError::ExpressionInternalError(const std::string &what) : std::logic_error(what)
{}
