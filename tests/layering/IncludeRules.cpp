#include "tests/layering/IncludeRules.h"

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>

namespace fs = std::filesystem;

namespace {

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

// The CMake text without its comments.
std::string withoutComments(const std::string& text) {
    std::string out;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) out += line.substr(0, line.find('#')) + "\n";
    return out;
}

bool isUnder(const std::string& path, const std::string& folder) {
    return path.size() > folder.size() && path.compare(0, folder.size(), folder) == 0 && path[folder.size()] == '/';
}

bool isSource(const fs::path& path) {
    static const std::set<std::string> extensions{".h", ".hpp", ".cpp", ".c"};
    return extensions.count(path.extension().string()) != 0;
}

}  // namespace

IncludeRules IncludeRules::fromSourceTree(const fs::path& root) {
    IncludeRules rules;
    const std::string text = withoutComments(readFile(root / "CMakeLists.txt"));
    static const std::regex call(R"(keelbox_library\s*\(([^)]*)\))");
    for (auto it = std::sregex_iterator(text.begin(), text.end(), call); it != std::sregex_iterator(); ++it) {
        std::istringstream words((*it)[1].str());
        std::string name;
        Library library;
        if (!(words >> name >> library.folder)) continue;
        std::vector<std::string>* list = nullptr;
        for (std::string word; words >> word;) {
            if (word == "DEPS")
                list = &library.deps;
            else if (word == "EXCLUDE")
                list = &library.excluded;
            else if (list)
                list->push_back(word);
        }
        rules.libraries_[name] = library;
    }
    for (const auto& [name, library] : rules.libraries_) rules.allowed_[name] = rules.reachableFrom(name);
    return rules;
}

std::set<std::string> IncludeRules::reachableFrom(const std::string& library) const {
    std::set<std::string> seen{library};
    std::vector<std::string> pending{library};
    while (!pending.empty()) {
        auto it = libraries_.find(pending.back());
        pending.pop_back();
        if (it == libraries_.end()) continue;
        for (const auto& dep : it->second.deps)
            if (libraries_.count(dep) && seen.insert(dep).second) pending.push_back(dep);
    }
    return seen;
}

std::optional<std::string> IncludeRules::owner(const std::string& relativePath) const {
    std::optional<std::string> best;
    std::size_t bestLength = 0;
    for (const auto& [name, library] : libraries_) {
        if (!isUnder(relativePath, library.folder) || library.folder.size() <= bestLength) continue;
        bool excluded = std::any_of(library.excluded.begin(), library.excluded.end(), [&](const std::string& sub) {
            return isUnder(relativePath, library.folder + "/" + sub);
        });
        if (excluded) continue;
        best = name;
        bestLength = library.folder.size();
    }
    return best;
}

bool IncludeRules::mayInclude(const std::string& library, const std::string& includedLibrary) const {
    auto it = allowed_.find(library);
    return it != allowed_.end() && it->second.count(includedLibrary) != 0;
}

std::vector<std::string> IncludeRules::violations(const fs::path& root) const {
    // Our headers are included in quotes; angle brackets are the system's.
    static const std::regex include(R"re(^\s*#\s*include\s*"([^"]+)")re");
    std::vector<fs::path> files;
    for (const auto& [name, library] : libraries_) {
        fs::path folder = root / library.folder;
        if (!fs::is_directory(folder)) continue;
        for (const auto& entry : fs::recursive_directory_iterator(folder))
            if (entry.is_regular_file() && isSource(entry.path())) files.push_back(entry.path());
    }
    std::sort(files.begin(), files.end());
    files.erase(std::unique(files.begin(), files.end()), files.end());

    std::vector<std::string> found;
    for (const auto& file : files) {
        const std::string relative = fs::relative(file, root).generic_string();
        auto library = owner(relative);
        if (!library) continue;
        std::istringstream lines(readFile(file));
        int number = 0;
        for (std::string line; std::getline(lines, line);) {
            ++number;
            auto first = line.find_first_not_of(" \t");
            if (first == std::string::npos || line[first] != '#') continue;  // spares the regex most lines
            std::smatch match;
            if (!std::regex_search(line, match, include)) continue;
            auto included = owner(match[1].str());
            if (!included || mayInclude(*library, *included)) continue;
            found.push_back(relative + ":" + std::to_string(number) + ": includes \"" + match[1].str() + "\" of " +
                            *included + ", which " + *library + " does not depend on");
        }
    }
    return found;
}
