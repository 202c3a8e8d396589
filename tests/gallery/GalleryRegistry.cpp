#include "tests/gallery/GalleryRegistry.h"

#include <algorithm>

namespace keelbox::gallery {

namespace {

std::vector<GalleryState>& registered() {
    static std::vector<GalleryState> states;
    return states;
}

std::vector<std::string>& refused() {
    static std::vector<std::string> names;
    return names;
}

bool isFileName(const std::string& name) {
    return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
    });
}

}  // namespace

void GalleryRegistry::add(const std::string& name, std::function<void(test::AppFixture&)> produce) {
    if (!isFileName(name)) {
        refused().push_back("\"" + name + "\": use lower-case letters, digits and '_'");
        return;
    }
    auto& states = registered();
    if (std::any_of(states.begin(), states.end(), [&](const GalleryState& s) { return s.name == name; })) {
        refused().push_back("\"" + name + "\": registered twice");
        return;
    }
    states.push_back({name, std::move(produce)});
}

const std::vector<GalleryState>& GalleryRegistry::states() { return registered(); }

const std::vector<std::string>& GalleryRegistry::problems() { return refused(); }

}  // namespace keelbox::gallery
