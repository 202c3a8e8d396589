// Splits a multipart/form-data body into its parts (name, file name, bytes).
// A body that does not follow the boundary it announces yields no parts.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace emulator {

struct MultipartPart {
    std::string name;
    std::optional<std::string> fileName;
    std::string contentType;
    std::string body;
};

class MultipartReader {
public:
    // The boundary named by a "multipart/form-data; boundary=..." type.
    static std::optional<std::string> boundary(const std::string& contentType);
    static std::vector<MultipartPart> parts(const std::string& body, const std::string& boundary);
};

}  // namespace emulator
