#include "net/json/JTDictionaryEnumerator.h"

std::shared_ptr<JTDictionaryEnumerator> JTDictionaryEnumerator::create(std::shared_ptr<JTDictionary> collection) {
    return std::shared_ptr<JTDictionaryEnumerator>(new JTDictionaryEnumerator(std::move(collection)));
}

ns::Value JTDictionaryEnumerator::nextObject() {
    const auto& entries = collection_->entries();
    while (nextIndex_ < entries.size()) {
        const auto& e = entries[nextIndex_++];
        if (!e.key.isNil()) return e.key;
    }
    return ns::Value();
}

ns::Array JTDictionaryEnumerator::allObjects() {
    ns::Array keys;
    for (ns::Value key = nextObject(); !key.isNil(); key = nextObject()) keys.push_back(key);
    return keys;
}
