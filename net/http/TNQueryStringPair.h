// TNQueryStringPair: one key and value of a form or query string, and the
// flattening of nested parameters into such pairs.
//
// Keys and values are percent-encoded exactly once when a pair is written:
// callers hand over raw text, and a server decodes once to get it back.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Object.h"
#include "platform/foundation/StringEncoding.h"
#include "platform/foundation/Value.h"

class TNQueryStringPair : public ns::Object {
public:
    static std::shared_ptr<TNQueryStringPair> create(ns::Value field, ns::Value value) {
        return std::shared_ptr<TNQueryStringPair>(new TNQueryStringPair(std::move(field), std::move(value)));
    }

    const ns::Value& field() const { return field_; }
    const ns::Value& value() const { return value_; }
    // The key's text (its description).
    std::string fieldText() const;

    // "key=value" with both escaped; the escaped key alone when the value is
    // absent or null. A part that cannot be written in the encoding is left
    // as it is.
    std::string URLEncodedStringValueWithEncoding(ns::StringEncoding encoding) const;

private:
    TNQueryStringPair(ns::Value field, ns::Value value) : field_(std::move(field)), value_(std::move(value)) {}
    ns::Value field_;
    ns::Value value_;
};

using TNQueryStringPairPtr = std::shared_ptr<TNQueryStringPair>;

// Dictionaries give "outer[inner]" keys in their own order, arrays
// "outer[]" keys in order; anything else is one pair. An absent key stands
// for the top level.
std::vector<TNQueryStringPairPtr> TNFlattenParameters(const ns::Value& key, const ns::Value& value);
// The pairs of the parameters joined with "&"; "" for none.
std::string TNJoinQueryPairs(const ns::Value& parameters, ns::StringEncoding encoding);
// Percent-escapes one key or value: every byte except A-Z a-z 0-9 - _ . ~ [ ].
std::string TNPercentEscapedQueryText(const std::string& text, ns::StringEncoding encoding);
