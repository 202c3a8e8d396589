// The layering of the source tree, read from its CMakeLists.txt: every
// keelbox_library(<name> <folder> DEPS ... EXCLUDE ...) owns the files below
// its folder, and a file may include the headers of its own library and of
// the libraries its library depends on, directly or through others. So a
// lower layer never includes a higher one, and the screen subsystems, which
// stand side by side on the widgets, never include one another's headers.
// Folders that are no library (app/, tests/, bench/, fuzz/) may include
// anything.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

class IncludeRules {
public:
    // The rules of the tree at `root`; empty when its CMakeLists.txt cannot
    // be read.
    static IncludeRules fromSourceTree(const std::filesystem::path& root);

    // The library owning a path relative to the root ("net/reachability/x.h"
    // belongs to net_reachability, not to net), if any.
    std::optional<std::string> owner(const std::string& relativePath) const;
    bool mayInclude(const std::string& library, const std::string& includedLibrary) const;
    std::size_t libraryCount() const { return libraries_.size(); }

    // One line per include that breaks the rules, "file:line: ..." with the
    // path relative to the root, in file order.
    std::vector<std::string> violations(const std::filesystem::path& root) const;

private:
    struct Library {
        std::string folder;
        std::vector<std::string> deps;
        std::vector<std::string> excluded;  // subfolders that are other libraries
    };
    std::set<std::string> reachableFrom(const std::string& library) const;

    std::map<std::string, Library> libraries_;
    std::map<std::string, std::set<std::string>> allowed_;
};
