#include "platform/foundation/HTTPURLResponse.h"

#include "platform/foundation/StringUtils.h"

namespace ns {

namespace {

// Splits "type/subtype; a=b; charset="x"" into the lower-case type and the
// parameter of the given name (quotes removed).
std::optional<std::string> headerParameter(std::string_view value, std::string_view name) {
    for (const auto& part : str::componentsSeparatedByString(value, ";")) {
        std::string p = str::trimmingWhitespace(part);
        std::size_t eq = p.find('=');
        if (eq == std::string::npos) continue;
        if (!equalsIgnoringASCIICase(str::trimmingWhitespace(p.substr(0, eq)), name)) continue;
        std::string v = str::trimmingWhitespace(p.substr(eq + 1));
        if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
        return v;
    }
    return std::nullopt;
}

}  // namespace

std::shared_ptr<HTTPURLResponse> HTTPURLResponse::create(URLPtr url, int statusCode, std::string HTTPVersion,
                                                         const std::vector<HTTPHeaderFields::Field>& headerLines) {
    HTTPHeaderFields headerFields;
    for (const auto& [name, value] : headerLines) headerFields.add(name, value, ", ");
    std::shared_ptr<HTTPURLResponse> r(new HTTPURLResponse());
    r->url_ = std::move(url);
    r->statusCode_ = statusCode;
    r->version_ = std::move(HTTPVersion);
    r->headers_ = headerFields;
    if (auto type = headerFields.value("Content-Type")) {
        std::string mime = str::asciiLowercase(str::trimmingWhitespace(type->substr(0, type->find(';'))));
        if (!mime.empty()) r->mimeType_ = mime;
        r->textEncodingName_ = headerParameter(*type, "charset");
    }
    if (auto length = headerFields.value("Content-Length")) {
        std::string digits = str::trimmingWhitespace(*length);
        bool ok = !digits.empty() && digits.size() <= 18;
        for (char c : digits) ok = ok && c >= '0' && c <= '9';
        if (ok) r->expectedContentLength_ = std::stoll(digits);
    }
    return r;
}

std::string HTTPURLResponse::suggestedFilename() const {
    if (auto disposition = headers_.value("Content-Disposition")) {
        if (auto name = headerParameter(*disposition, "filename")) {
            // Never hand out a path: only the last component of what the server named.
            std::string n = *name;
            std::size_t slash = n.find_last_of("/\\");
            if (slash != std::string::npos) n = n.substr(slash + 1);
            if (!n.empty() && n != "." && n != "..") return n;
        }
    }
    return URLResponse::suggestedFilename();
}

std::string HTTPURLResponse::localizedStringForStatusCode(int statusCode) {
    switch (statusCode) {
        case 100: return "continue";
        case 101: return "switching protocols";
        case 200: return "no error";
        case 201: return "created";
        case 202: return "accepted";
        case 203: return "non-authoritative information";
        case 204: return "no content";
        case 205: return "reset content";
        case 206: return "partial content";
        case 300: return "multiple choices";
        case 301: return "moved permanently";
        case 302: return "found";
        case 303: return "see other";
        case 304: return "not modified";
        case 305: return "needs proxy";
        case 307: return "temporarily redirected";
        case 400: return "bad request";
        case 401: return "unauthorized";
        case 402: return "payment required";
        case 403: return "forbidden";
        case 404: return "not found";
        case 405: return "method not allowed";
        case 406: return "unacceptable";
        case 407: return "proxy authentication required";
        case 408: return "request timed out";
        case 409: return "conflict";
        case 410: return "no longer exists";
        case 411: return "length required";
        case 412: return "precondition failed";
        case 413: return "request too large";
        case 414: return "requested URL too long";
        case 415: return "unsupported media type";
        case 416: return "requested range not satisfiable";
        case 417: return "expectation failed";
        case 500: return "internal server error";
        case 501: return "unimplemented";
        case 502: return "bad gateway";
        case 503: return "service unavailable";
        case 504: return "gateway timed out";
        case 505: return "unsupported version";
        default: break;
    }
    if (statusCode >= 100 && statusCode < 200) return "informational";
    if (statusCode >= 200 && statusCode < 300) return "success";
    if (statusCode >= 300 && statusCode < 400) return "redirected";
    if (statusCode >= 400 && statusCode < 500) return "client error";
    if (statusCode >= 500 && statusCode < 600) return "server error";
    return "server error";
}

std::string HTTPURLResponse::description() const {
    return "<" + className() + ": " + (url_ ? url_->absoluteString() : std::string("(null)")) +
           "> { Status Code: " + std::to_string(statusCode_) + " }";
}

}  // namespace ns
