// TinyJsonWriter: writes dictionaries and arrays as JSON text for the
// request road. Keys in the dictionary's own order unless sortKeys is set;
// compact unless humanReadable is set. Exact decimals are written as their
// text, doubles as the shortest text that reads back as the same double.
// A string or key that is not UTF-8 fails the write, since the parser would
// refuse the text.
#pragma once

#include <memory>
#include <string>

#include "net/json/JsonTextBuffer.h"
#include "net/json/TinyJsonBase.h"
#include "platform/foundation/Value.h"

class TinyJsonWriter : public TinyJsonBase {
public:
    static std::shared_ptr<TinyJsonWriter> create() { return std::shared_ptr<TinyJsonWriter>(new TinyJsonWriter()); }

    bool sortKeys() const { return sortKeys_; }
    void setSortKeys(bool sortKeys) { sortKeys_ = sortKeys; }
    bool humanReadable() const { return humanReadable_; }
    void setHumanReadable(bool humanReadable) { humanReadable_ = humanReadable; }

    // The text of a dictionary or array (the codec's JT collections
    // included), or nil with the trace filled.
    ns::Value stringWithObject(const ns::Value& value, ns::ErrorPtr* error = nullptr);

    std::string className() const override { return "TinyJsonWriter"; }

private:
    TinyJsonWriter() = default;
    bool writeValue(const ns::Value& value, JsonTextBuffer& out);
    bool writeArray(const ns::Value* items, std::size_t count, JsonTextBuffer& out);
    bool writeDictionary(const ns::Value& value, JsonTextBuffer& out);
    // False (code 1) for text that is not well-formed UTF-8.
    bool writeString(const std::string& text, JsonTextBuffer& out);
    void newline(JsonTextBuffer& out, unsigned depth) const;

    bool sortKeys_ = false;
    bool humanReadable_ = false;
};
