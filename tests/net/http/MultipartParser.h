// A multipart/form-data reader written for the tests, independent of the
// library's writer: it finds the boundary in the content type, splits the
// body at the delimiter lines and reads each part's header lines, refusing
// anything that does not follow the grammar (so a writer fault shows up as
// a parse failure, not as a silently different part).
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace keelbox::test {

struct ParsedPart {
    std::vector<std::pair<std::string, std::string>> headers;
    std::string body;
    std::optional<std::string> header(const std::string& name) const {
        for (const auto& [n, v] : headers)
            if (n.size() == name.size() &&
                std::equal(n.begin(), n.end(), name.begin(), [](char a, char b) { return std::tolower(a) == std::tolower(b); }))
                return v;
        return std::nullopt;
    }
};

inline std::optional<std::string> boundaryOf(const std::string& contentType) {
    const std::string prefix = "multipart/form-data; boundary=";
    if (contentType.rfind(prefix, 0) != 0) return std::nullopt;
    std::string boundary = contentType.substr(prefix.size());
    if (boundary.empty()) return std::nullopt;
    return boundary;
}

// Nothing when the body is not a well-formed multipart body.
inline std::optional<std::vector<ParsedPart>> parseMultipart(const std::string& body, const std::string& boundary) {
    const std::string first = "--" + boundary + "\r\n";
    const std::string delimiter = "\r\n--" + boundary;
    if (body.compare(0, first.size(), first) != 0) return std::nullopt;
    std::vector<ParsedPart> parts;
    std::size_t position = first.size();
    while (true) {
        std::size_t headersEnd = body.find("\r\n\r\n", position);
        std::size_t next = body.find(delimiter, position);
        if (next == std::string::npos) return std::nullopt;
        ParsedPart part;
        if (headersEnd == std::string::npos || headersEnd + 2 > next) {
            // A part without header lines starts with its blank line.
            if (body.compare(position, 2, "\r\n") != 0) return std::nullopt;
            headersEnd = position - 2;
        } else {
            std::size_t line = position;
            while (line < headersEnd + 2) {
                std::size_t eol = body.find("\r\n", line);
                std::string text = body.substr(line, eol - line);
                std::size_t colon = text.find(": ");
                if (colon == std::string::npos || text.find('\r') != std::string::npos ||
                    text.find('\n') != std::string::npos)
                    return std::nullopt;
                part.headers.emplace_back(text.substr(0, colon), text.substr(colon + 2));
                line = eol + 2;
            }
        }
        part.body = body.substr(headersEnd + 4, next - (headersEnd + 4));
        parts.push_back(std::move(part));
        position = next + delimiter.size();
        if (body.compare(position, 4, "--\r\n") == 0) {
            if (position + 4 != body.size()) return std::nullopt;
            return parts;
        }
        if (body.compare(position, 2, "\r\n") != 0) return std::nullopt;
        position += 2;
    }
}

// The quoted parameter of a Content-Disposition value ("name", "filename").
inline std::optional<std::string> dispositionParameter(const std::string& value, const std::string& name) {
    std::string key = name + "=\"";
    std::size_t at = value.find("; " + key);
    if (at == std::string::npos) return std::nullopt;
    at += 2 + key.size();
    std::size_t end = value.find('"', at);
    if (end == std::string::npos) return std::nullopt;
    return value.substr(at, end - at);
}

}  // namespace keelbox::test
