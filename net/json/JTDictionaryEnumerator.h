// JTDictionaryEnumerator: the key enumerator of the JetJson dictionaries;
// hands out the keys in slot order.
#pragma once

#include <memory>

#include "net/json/JTDictionary.h"

class JTDictionaryEnumerator : public ns::Object {
public:
    static std::shared_ptr<JTDictionaryEnumerator> create(std::shared_ptr<JTDictionary> collection);
    // The next key, or nil at the end.
    ns::Value nextObject();
    // The keys not yet handed out.
    ns::Array allObjects();
    std::string className() const override { return "JTDictionaryEnumerator"; }

private:
    explicit JTDictionaryEnumerator(std::shared_ptr<JTDictionary> collection) : collection_(std::move(collection)) {}
    std::shared_ptr<JTDictionary> collection_;
    std::size_t nextIndex_ = 0;
};
