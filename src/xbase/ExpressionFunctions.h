// The functions an expression may call (UPPER, SUBSTR, DTOS, IIF, ...). The parser hands over
// the upper-cased name and the compiled arguments; the result node carries its type and width.
// Names may be shortened to their first four letters, as older engines allowed.
#pragma once

#include "ExpressionNode.h"

#include <string>
#include <string_view>
#include <vector>

namespace xbase {

class ExpressionFunctions {
public:
    // Throws XbaseError for an unknown name, a wrong argument count or argument type.
    static NodePtr make(std::string_view upperName, std::vector<NodePtr> arguments);
    // False for functions whose value depends on the record even without arguments (DELETED, RECNO).
    static bool isPure(std::string_view upperName);
    // The full name behind a shortened one, so SUBS(X,1,2) and SUBSTR(X,1,2) read alike.
    static std::string fullName(std::string_view upperName);
};

} // namespace xbase
