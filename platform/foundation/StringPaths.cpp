#include "platform/foundation/StringPaths.h"

namespace ns::str {

namespace {

std::string tidy(std::string_view path) {
    std::string out;
    out.reserve(path.size());
    for (char c : path) {
        if (c == '/' && !out.empty() && out.back() == '/') continue;
        out += c;
    }
    if (out.size() > 1 && out.back() == '/') out.pop_back();
    return out;
}

// Position of the extension's dot in the last component, or npos.
std::size_t extensionDot(const std::string& tidied) {
    std::size_t slash = tidied.rfind('/');
    std::size_t start = slash == std::string::npos ? 0 : slash + 1;
    std::size_t dot = tidied.rfind('.');
    if (dot == std::string::npos || dot <= start || dot + 1 == tidied.size()) return std::string::npos;
    return dot;
}

}  // namespace

std::string lastPathComponent(std::string_view path) {
    std::string p = tidy(path);
    if (p == "/") return p;
    std::size_t slash = p.rfind('/');
    return slash == std::string::npos ? p : p.substr(slash + 1);
}

std::string pathExtension(std::string_view path) {
    std::string p = tidy(path);
    std::size_t dot = extensionDot(p);
    return dot == std::string::npos ? std::string() : p.substr(dot + 1);
}

std::string deletingLastPathComponent(std::string_view path) {
    std::string p = tidy(path);
    if (p == "/") return p;
    std::size_t slash = p.rfind('/');
    if (slash == std::string::npos) return {};
    if (slash == 0) return "/";
    return p.substr(0, slash);
}

std::string deletingPathExtension(std::string_view path) {
    std::string p = tidy(path);
    std::size_t dot = extensionDot(p);
    return dot == std::string::npos ? p : p.substr(0, dot);
}

std::string appendingPathComponent(std::string_view path, std::string_view component) {
    std::string p = tidy(path);
    if (p.empty()) return tidy(component);
    if (component.empty()) return p;
    return tidy(p + "/" + std::string(component));
}

std::string appendingPathExtension(std::string_view path, std::string_view extension) {
    std::string p = tidy(path);
    if (p.empty() || p == "/" || extension.empty()) return p;
    return p + "." + std::string(extension);
}

std::vector<std::string> pathComponents(std::string_view path) {
    std::vector<std::string> parts;
    if (path.empty()) return parts;
    if (path[0] == '/') parts.emplace_back("/");
    std::size_t i = 0;
    while (i < path.size()) {
        std::size_t next = path.find('/', i);
        if (next == std::string_view::npos) next = path.size();
        if (next > i) parts.emplace_back(path.substr(i, next - i));
        i = next + 1;
    }
    if (path.size() > 1 && path.back() == '/') parts.emplace_back("/");
    return parts;
}

}  // namespace ns::str
