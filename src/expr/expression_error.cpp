#include "expr/expression_error.h"

namespace hygrovia {

std::string_view ErrorText(ExpressionError error) {
  switch (error) {
    case ExpressionError::UnresolvedToken:
      return "Unresolved token.";
    case ExpressionError::UnresolvedOperation:
      return "Unresolved operation.";
    case ExpressionError::StackOverflow:
      return "Stack overflow.";
    default:
      return "Parser error.";
  }
}

}  // namespace hygrovia
