#include "platform/foundation/URL.h"

#include <cstring>
#include <filesystem>
#include <functional>

#include "platform/foundation/CharacterSet.h"
#include "platform/foundation/PercentEscaping.h"
#include "platform/foundation/StringPaths.h"

namespace ns {

namespace {

bool isAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isHex(char c) { return isDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }
bool isUnreserved(char c) { return isAlpha(c) || isDigit(c) || c == '-' || c == '.' || c == '_' || c == '~'; }
bool isSubDelim(char c) { return c != 0 && std::strchr("!$&'()*+,;=", c) != nullptr; }
bool isGenDelim(char c) { return c != 0 && std::strchr(":/?#[]@", c) != nullptr; }

// Every character is in the URL alphabet and every "%" starts an escape.
bool validAlphabet(std::string_view s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        char c = s[i];
        if (c == '%') {
            if (i + 2 >= s.size() || !isHex(s[i + 1]) || !isHex(s[i + 2])) return false;
            i += 2;
        } else if (!isUnreserved(c) && !isSubDelim(c) && !isGenDelim(c)) {
            return false;
        }
    }
    return true;
}

// Characters of a component other than unreserved, sub-delims and escapes.
bool onlyPlus(std::string_view s, const char* extra) {
    for (char c : s) {
        if (isUnreserved(c) || isSubDelim(c) || c == '%') continue;
        if (std::strchr(extra, c) == nullptr || c == 0) return false;
    }
    return true;
}

// The five parts of a URL reference (RFC 3986 appendix B).
struct Reference {
    std::optional<std::string> scheme;
    std::optional<std::string> authority;
    std::string path;
    std::optional<std::string> query;
    std::optional<std::string> fragment;
};

Reference split(std::string_view s) {
    Reference r;
    std::size_t i = 0;
    std::size_t stop = s.find_first_of(":/?#");
    if (stop != std::string_view::npos && s[stop] == ':' && stop > 0) {
        r.scheme = std::string(s.substr(0, stop));
        i = stop + 1;
    }
    if (s.substr(i, 2) == "//") {
        i += 2;
        std::size_t end = std::min(s.find_first_of("/?#", i), s.size());
        r.authority = std::string(s.substr(i, end - i));
        i = end;
    }
    std::size_t end = std::min(s.find_first_of("?#", i), s.size());
    r.path = std::string(s.substr(i, end - i));
    i = end;
    if (i < s.size() && s[i] == '?') {
        end = std::min(s.find('#', i), s.size());
        r.query = std::string(s.substr(i + 1, end - i - 1));
        i = end;
    }
    if (i < s.size() && s[i] == '#') r.fragment = std::string(s.substr(i + 1));
    return r;
}

std::string compose(const Reference& r) {
    std::string out;
    if (r.scheme) out += *r.scheme + ":";
    if (r.authority) out += "//" + *r.authority;
    out += r.path;
    if (r.query) out += "?" + *r.query;
    if (r.fragment) out += "#" + *r.fragment;
    return out;
}

// RFC 3986 §5.2.4.
std::string removeDotSegments(std::string_view input) {
    std::string in(input);
    std::string out;
    while (!in.empty()) {
        if (in.rfind("../", 0) == 0) {
            in.erase(0, 3);
        } else if (in.rfind("./", 0) == 0) {
            in.erase(0, 2);
        } else if (in.rfind("/./", 0) == 0) {
            in.replace(0, 3, "/");
        } else if (in == "/.") {
            in = "/";
        } else if (in.rfind("/../", 0) == 0 || in == "/..") {
            in = in == "/.." ? "/" : in.substr(3);
            std::size_t cut = out.rfind('/');
            out.erase(cut == std::string::npos ? 0 : cut);
        } else if (in == "." || in == "..") {
            in.clear();
        } else {
            std::size_t next = in.find('/', in[0] == '/' ? 1 : 0);
            if (next == std::string::npos) next = in.size();
            out += in.substr(0, next);
            in.erase(0, next);
        }
    }
    return out;
}

// RFC 3986 §5.2.2 (strict).
Reference resolve(const Reference& base, const Reference& r) {
    Reference t;
    if (r.scheme) {
        t = r;
        t.path = removeDotSegments(r.path);
        return t;
    }
    if (r.authority) {
        t.authority = r.authority;
        t.path = removeDotSegments(r.path);
        t.query = r.query;
    } else {
        if (r.path.empty()) {
            t.path = base.path;
            t.query = r.query ? r.query : base.query;
        } else {
            if (r.path[0] == '/') {
                t.path = removeDotSegments(r.path);
            } else {
                std::string merged;
                if (base.authority && base.path.empty()) {
                    merged = "/" + r.path;
                } else {
                    std::size_t slash = base.path.rfind('/');
                    merged = (slash == std::string::npos ? std::string() : base.path.substr(0, slash + 1)) + r.path;
                }
                t.path = removeDotSegments(merged);
            }
            t.query = r.query;
        }
        t.authority = base.authority;
    }
    t.scheme = base.scheme;
    t.fragment = r.fragment;
    return t;
}

std::string decoded(std::string_view s) {
    auto d = str::removingPercentEncoding(s);
    return d ? *d : std::string(s);
}

}  // namespace

bool URL::parse(std::string_view text) {
    if (!validAlphabet(text)) return false;
    Reference r = split(text);
    if (r.scheme) {
        const std::string& s = *r.scheme;
        if (!isAlpha(s[0])) return false;
        for (char c : s) {
            if (!isAlpha(c) && !isDigit(c) && c != '+' && c != '-' && c != '.') return false;
        }
    }
    if (r.authority) {
        std::string_view auth = *r.authority;
        std::size_t at = auth.rfind('@');
        std::string_view hostPort = auth;
        if (at != std::string_view::npos) {
            userInfo_ = std::string(auth.substr(0, at));
            if (!onlyPlus(*userInfo_, ":")) return false;
            hostPort = auth.substr(at + 1);
        }
        std::string_view portText;
        bool hasPort = false;
        if (!hostPort.empty() && hostPort[0] == '[') {
            std::size_t close = hostPort.find(']');
            if (close == std::string_view::npos) return false;
            std::string_view literal = hostPort.substr(1, close - 1);
            if (literal.empty()) return false;
            for (char c : literal) {
                if (!isHex(c) && c != ':' && c != '.' && !(literal[0] == 'v' || literal[0] == 'V')) return false;
            }
            host_ = std::string(hostPort.substr(0, close + 1));
            std::string_view rest = hostPort.substr(close + 1);
            if (!rest.empty()) {
                if (rest[0] != ':') return false;
                hasPort = true;
                portText = rest.substr(1);
            }
        } else {
            std::size_t colon = hostPort.rfind(':');
            std::string_view host = hostPort;
            if (colon != std::string_view::npos) {
                host = hostPort.substr(0, colon);
                hasPort = true;
                portText = hostPort.substr(colon + 1);
            }
            if (!onlyPlus(host, "")) return false;
            host_ = std::string(host);
        }
        if (hasPort && !portText.empty()) {
            if (portText.size() > 5) return false;
            int port = 0;
            for (char c : portText) {
                if (!isDigit(c)) return false;
                port = port * 10 + (c - '0');
            }
            if (port > 65535) return false;
            port_ = port;
        }
    }
    // Brackets belong only to IP-literal hosts; queries and fragments are
    // let through with them, as form keys such as "ids[]" put them there.
    if (!onlyPlus(r.path, ":@/")) return false;
    if (r.query && !onlyPlus(*r.query, ":@/?[]")) return false;
    if (r.fragment && !onlyPlus(*r.fragment, ":@/?[]")) return false;
    scheme_ = r.scheme;
    authority_ = r.authority;
    path_ = r.path;
    query_ = r.query;
    fragment_ = r.fragment;
    return true;
}

URLPtr URL::URLWithString(std::string_view text) {
    if (text.empty()) return nullptr;
    auto url = std::make_shared<URL>();
    if (!url->parse(text)) return nullptr;
    url->text_ = std::string(text);
    url->absolute_ = url->text_;
    return url;
}

URLPtr URL::URLWithString(std::string_view text, const std::shared_ptr<const URL>& baseURL) {
    if (!baseURL) return URLWithString(text);
    // The relative text must be a valid reference of its own.
    if (!text.empty()) {
        auto alone = std::make_shared<URL>();
        if (!alone->parse(text)) return nullptr;
    }
    std::string absolute = compose(resolve(split(baseURL->absoluteString()), split(text)));
    auto url = std::make_shared<URL>();
    if (!url->parse(absolute)) return nullptr;
    url->text_ = std::string(text);
    url->absolute_ = std::move(absolute);
    url->base_ = baseURL;
    return url;
}

URLPtr URL::fileURLWithPath(std::string_view path) {
    if (path.empty()) return nullptr;
    std::error_code ec;
    std::filesystem::path p(path);
    if (p.is_relative()) p = std::filesystem::current_path(ec) / p;
    return fileURLWithPath(p.string(), std::filesystem::is_directory(p, ec));
}

URLPtr URL::fileURLWithPath(std::string_view path, bool isDirectory) {
    if (path.empty()) return nullptr;
    std::string absolute(path);
    if (absolute[0] != '/') {
        std::error_code ec;
        absolute = (std::filesystem::current_path(ec) / std::filesystem::path(absolute)).string();
    }
    if (isDirectory && absolute.back() != '/') absolute += '/';
    auto escaped = str::addingPercentEncoding(absolute, CharacterSet::URLPathAllowed());
    if (!escaped) return nullptr;
    return URLWithString("file://" + *escaped);
}

URLPtr URL::absoluteURL() const {
    if (!base_) return std::const_pointer_cast<URL>(std::static_pointer_cast<const URL>(shared_from_this()));
    return URLWithString(absolute_);
}

std::optional<std::string> URL::host() const {
    if (host_.empty()) return std::nullopt;
    if (host_[0] == '[') return host_.substr(1, host_.size() - 2);
    return decoded(host_);
}

std::optional<std::string> URL::user() const {
    if (!userInfo_) return std::nullopt;
    return decoded(userInfo_->substr(0, userInfo_->find(':')));
}

std::optional<std::string> URL::password() const {
    if (!userInfo_) return std::nullopt;
    std::size_t colon = userInfo_->find(':');
    if (colon == std::string::npos) return std::nullopt;
    return decoded(userInfo_->substr(colon + 1));
}

std::string URL::path() const {
    std::string p = decoded(path_);
    if (p.size() > 1 && p.back() == '/') p.pop_back();
    return p;
}

std::string URL::resourcePath() const {
    std::string out = path_.empty() ? "/" : path_;
    if (query_) out += "?" + *query_;
    if (fragment_) out += "#" + *fragment_;
    return out;
}

std::string URL::lastPathComponent() const { return str::lastPathComponent(path()); }

std::string URL::pathExtension() const { return str::pathExtension(path()); }

std::vector<std::string> URL::pathComponents() const { return str::pathComponents(path()); }

bool URL::isFileURL() const {
    if (!scheme_ || scheme_->size() != 4) return false;
    std::string s = *scheme_;
    for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return s == "file";
}

URLPtr URL::withPath(const std::string& newPath) const {
    Reference r{scheme_, authority_, newPath, query_, fragment_};
    return URLWithString(compose(r));
}

URLPtr URL::URLByAppendingPathComponent(std::string_view component) const {
    return URLByAppendingPathComponent(component, false);
}

URLPtr URL::URLByAppendingPathComponent(std::string_view component, bool isDirectory) const {
    auto escaped = str::addingPercentEncoding(component, CharacterSet::URLPathAllowed());
    if (!escaped) return nullptr;
    std::string p = path_;
    if (p.empty() && authority_) p = "/";
    if (!p.empty() && p.back() != '/' && !(escaped->size() && (*escaped)[0] == '/')) p += '/';
    if (!p.empty() && p.back() == '/' && !escaped->empty() && (*escaped)[0] == '/') escaped->erase(0, 1);
    p += *escaped;
    if (isDirectory && (p.empty() || p.back() != '/')) p += '/';
    return withPath(p);
}

URLPtr URL::URLByDeletingLastPathComponent() const {
    std::string p = path_;
    if (p.empty() || p == "/") return withPath(p);
    if (p.back() == '/') p.pop_back();
    std::size_t slash = p.rfind('/');
    return withPath(slash == std::string::npos ? std::string("./") : p.substr(0, slash + 1));
}

std::string URL::description() const {
    if (!base_) return text_;
    return text_ + " -- " + base_->description();
}

bool URL::isEqual(const Object& other) const {
    auto* o = dynamic_cast<const URL*>(&other);
    if (!o) return false;
    if (o->text_ != text_) return false;
    if (!base_ || !o->base_) return !base_ && !o->base_;
    return base_->isEqual(*o->base_);
}

std::size_t URL::hash() const { return std::hash<std::string>()(text_); }

}  // namespace ns
