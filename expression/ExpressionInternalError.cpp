#include "expression/ExpressionInternalError.h"

ExpressionInternalError::ExpressionInternalError(const std::string &what) : std::logic_error(what)
{}
