// Raised when a reply payload has a shape its reader cannot take (a key
// looked up in something that is not an object, text expected where a number
// or null stands). The request that runs the parser catches it and fails
// with the parse error 300003, so no partial record is ever delivered.
#pragma once

#include <stdexcept>
#include <string>

class TAVOReplyShapeError : public std::runtime_error {
public:
    explicit TAVOReplyShapeError(const std::string& what) : std::runtime_error(what) {}
};
