// Raised when an index file is missing or its bytes do not form a sound index. Callers catch it
// apart from other errors so the user can be offered a rebuild instead of a plain failure.
#pragma once

#include "XbaseError.h"

namespace xbase {

class InvalidIndexError : public CorruptFileError {
public:
    using CorruptFileError::CorruptFileError;
};

} // namespace xbase
