// The one exception type of the engine. Every failing operation throws it with a message
// that names the file and the problem, so a caller can show it as it stands.
#pragma once

#include <stdexcept>
#include <string>

namespace xbase {

class XbaseError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A file whose bytes do not describe a valid structure (truncated, inconsistent, absurd sizes).
class CorruptFileError : public XbaseError {
public:
    using XbaseError::XbaseError;
};

} // namespace xbase
