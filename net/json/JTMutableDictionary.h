// JTMutableDictionary: the mutable twin of JTDictionary, built by the
// decoder's mutable mode. Grows to the next table size when a new pair
// would not fit the capacity rule; removal re-inserts the rest of the probe
// run so that no colliding key is lost.
#pragma once

#include "net/json/JTDictionary.h"

class JTMutableDictionary : public JTDictionary {
public:
    // Raises NSInvalidArgumentException for a nil key or object. The key is
    // copied; an equal key's value is replaced and the count kept.
    void setObject(const ns::Value& object, const ns::Value& key);
    // Raises NSInvalidArgumentException for a nil key; absent keys are ignored.
    void removeObjectForKey(const ns::Value& key);

    ns::Value copy() const override { return toValue(); }  // a platform immutable dictionary
    std::string className() const override { return "JTMutableDictionary"; }

private:
    using JTDictionary::JTDictionary;
    friend class JTParseState;
};
