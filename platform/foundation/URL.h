// ns::URL: a URL parsed by our own RFC 3986 reader that keeps the text
// exactly as given. Text that is not a valid URL reference gives nullptr:
// characters outside the URL alphabet (spaces, quotes, "<>\^`{|}", anything
// beyond ASCII), "%" not followed by two hex digits, brackets outside an
// IP-literal host, a "#" inside the fragment, a port that is not a number
// from 0 to 65535, and the empty text (unless a base URL is given).
//
// A URL made relative to a base keeps its own text (relativeString) and
// answers every component from the resolved absolute URL (RFC 3986 §5.2).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/foundation/Object.h"

namespace ns {

class URL;
using URLPtr = std::shared_ptr<URL>;

class URL : public Object {
public:
    static URLPtr URLWithString(std::string_view text);
    static URLPtr URLWithString(std::string_view text, const std::shared_ptr<const URL>& baseURL);
    // A "file://" URL for a local path; a relative path is taken from the
    // current directory. Without `isDirectory` an existing directory gets a
    // trailing "/". nullptr for an empty path.
    static URLPtr fileURLWithPath(std::string_view path);
    static URLPtr fileURLWithPath(std::string_view path, bool isDirectory);

    // The text as given.
    const std::string& relativeString() const { return text_; }
    // The text resolved against the base (the text itself without a base).
    const std::string& absoluteString() const { return absolute_; }
    std::shared_ptr<const URL> baseURL() const { return base_; }
    URLPtr absoluteURL() const;

    // Components of the absolute URL. Absent components are nothing; an
    // empty host reads as nothing. host, user and password are
    // percent-decoded (an IP-literal host without its brackets); query and
    // fragment are as written.
    const std::optional<std::string>& scheme() const { return scheme_; }
    std::optional<std::string> host() const;
    std::optional<int> port() const { return port_; }
    std::optional<std::string> user() const;
    std::optional<std::string> password() const;
    const std::optional<std::string>& query() const { return query_; }
    const std::optional<std::string>& fragment() const { return fragment_; }
    // The path percent-decoded, without a trailing "/" (except the root "/").
    std::string path() const;
    // The path exactly as written.
    const std::string& percentEncodedPath() const { return path_; }
    // Path, query and fragment as written ("/a?b#c"), "/" when empty.
    std::string resourcePath() const;

    std::string lastPathComponent() const;
    std::string pathExtension() const;
    // "/" first for an absolute path, then the decoded segments.
    std::vector<std::string> pathComponents() const;
    bool hasDirectoryPath() const { return !path_.empty() && path_.back() == '/'; }
    bool isFileURL() const;

    // The component is percent-escaped for a path and joined with one "/";
    // query and fragment stay in place.
    URLPtr URLByAppendingPathComponent(std::string_view component) const;
    URLPtr URLByAppendingPathComponent(std::string_view component, bool isDirectory) const;
    // The path up to and including its last "/" (the root stays the root).
    URLPtr URLByDeletingLastPathComponent() const;

    std::string description() const override;
    bool isEqual(const Object& other) const override;
    std::size_t hash() const override;

    URL() = default;  // use URLWithString / fileURLWithPath

private:
    bool parse(std::string_view absolute);
    URLPtr withPath(const std::string& newPath) const;

    std::string text_;
    std::string absolute_;
    std::shared_ptr<const URL> base_;

    std::optional<std::string> scheme_;
    std::optional<std::string> authority_;
    std::optional<std::string> userInfo_;
    std::string host_;  // as written
    std::optional<int> port_;
    std::string path_;
    std::optional<std::string> query_;
    std::optional<std::string> fragment_;
};

}  // namespace ns
