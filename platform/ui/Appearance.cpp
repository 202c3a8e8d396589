#include "platform/ui/Appearance.h"

#include <algorithm>
#include <vector>

#include "platform/foundation/Singleton.h"
#include "platform/ui/View.h"

namespace ui {

namespace {

bool& applying() {
    static bool flag = false;
    return flag;
}

}  // namespace

static std::vector<Appearance::Entry>* registryPtr = nullptr;

void Appearance::add(Entry entry) {
    if (!registryPtr) {
        registryPtr = new std::vector<Entry>();
        ns::onTestReset([] { registryPtr->clear(); });
    }
    registryPtr->push_back(std::move(entry));
}

void Appearance::removeAll() {
    if (registryPtr) registryPtr->clear();
}

bool Appearance::isApplying() { return applying(); }

Appearance::BuiltInDefaults::BuiltInDefaults() : previous_(applying()) { applying() = true; }

Appearance::BuiltInDefaults::~BuiltInDefaults() { applying() = previous_; }

void Appearance::applyTo(View& view) {
    if (!registryPtr || registryPtr->empty()) return;
    std::vector<const Entry*> matching;
    for (const auto& e : *registryPtr)
        if (e.matches(view)) matching.push_back(&e);
    if (matching.empty()) return;
    // Base classes first: an entry goes after every entry whose class is a
    // proper base of its own. A stable insertion keeps registration order
    // among unrelated or equal classes.
    auto isProperBase = [](const Entry* base, const Entry* derived) {
        // derived's class converts to base's class, but not the other way.
        return base->catchesPointer(derived->throwPointer) && !derived->catchesPointer(base->throwPointer);
    };
    std::vector<const Entry*> ordered;
    for (const Entry* e : matching) {
        auto pos = ordered.end();
        // Insert before the first already-placed entry that derives from e.
        for (auto it = ordered.begin(); it != ordered.end(); ++it)
            if (isProperBase(e, *it)) {
                pos = it;
                break;
            }
        ordered.insert(pos, e);
    }
    BuiltInDefaults applyingScope;
    for (const Entry* e : ordered) {
        if (view.hasExplicitValue(e->property)) continue;
        e->apply(view);
    }
}

}  // namespace ui
