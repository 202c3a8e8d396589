#include "emulator/MultipartReader.h"

#include <algorithm>
#include <cctype>

namespace emulator {

namespace {

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The value of `key="..."` (or unquoted) inside a header value.
std::optional<std::string> parameter(const std::string& header, const std::string& key) {
    const std::string needle = key + "=";
    std::size_t at = 0;
    while ((at = header.find(needle, at)) != std::string::npos) {
        if (at == 0 || header[at - 1] == ' ' || header[at - 1] == ';') break;
        at += needle.size();
    }
    if (at == std::string::npos) return std::nullopt;
    at += needle.size();
    if (at < header.size() && header[at] == '"') {
        const auto end = header.find('"', at + 1);
        if (end == std::string::npos) return std::nullopt;
        return header.substr(at + 1, end - at - 1);
    }
    const auto end = header.find(';', at);
    return header.substr(at, end == std::string::npos ? std::string::npos : end - at);
}

}  // namespace

std::optional<std::string> MultipartReader::boundary(const std::string& contentType) {
    if (lower(contentType).rfind("multipart/form-data", 0) != 0) return std::nullopt;
    auto value = parameter(contentType, "boundary");
    if (!value || value->empty()) return std::nullopt;
    return value;
}

std::vector<MultipartPart> MultipartReader::parts(const std::string& body, const std::string& boundary) {
    std::vector<MultipartPart> out;
    const std::string delimiter = "--" + boundary;
    std::size_t at = body.find(delimiter);
    if (at == std::string::npos) return {};
    while (true) {
        at += delimiter.size();
        if (body.compare(at, 2, "--") == 0) return out;  // the closing delimiter
        if (body.compare(at, 2, "\r\n") != 0) return {};
        at += 2;
        const auto headEnd = body.find("\r\n\r\n", at);
        if (headEnd == std::string::npos) return {};
        MultipartPart part;
        std::size_t line = at;
        while (line < headEnd) {
            auto lineEnd = body.find("\r\n", line);
            if (lineEnd == std::string::npos || lineEnd > headEnd) lineEnd = headEnd;
            const std::string header = body.substr(line, lineEnd - line);
            const auto colon = header.find(':');
            if (colon != std::string::npos) {
                const std::string name = lower(header.substr(0, colon));
                std::string value = header.substr(colon + 1);
                value.erase(0, value.find_first_not_of(' '));
                if (name == "content-disposition") {
                    part.name = parameter(value, "name").value_or("");
                    part.fileName = parameter(value, "filename");
                } else if (name == "content-type") {
                    part.contentType = value;
                }
            }
            line = lineEnd + 2;
        }
        const std::size_t bodyStart = headEnd + 4;
        const auto next = body.find("\r\n" + delimiter, bodyStart);
        if (next == std::string::npos) return {};
        part.body = body.substr(bodyStart, next - bodyStart);
        out.push_back(std::move(part));
        at = next + 2;
    }
}

}  // namespace emulator
