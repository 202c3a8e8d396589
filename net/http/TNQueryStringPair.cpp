#include "net/http/TNQueryStringPair.h"

#include "platform/foundation/PercentEscaping.h"
#include "platform/foundation/StringUtils.h"

namespace {

std::string textOf(const ns::Value& v) { return v.isString() ? v.asString() : v.description(); }

}  // namespace

std::string TNPercentEscapedQueryText(const std::string& text, ns::StringEncoding encoding) {
    // Everything the URL grammar reserves for structure is escaped, so a
    // value can carry "&", "=", "+" or "#" without changing the form.
    auto escaped = ns::str::addingPercentEscapes(text, "[].", ":/?&=;+!@#$()',*", encoding);
    return escaped ? *escaped : text;
}

std::string TNQueryStringPair::fieldText() const { return textOf(field_); }

std::string TNQueryStringPair::URLEncodedStringValueWithEncoding(ns::StringEncoding encoding) const {
    std::string key = TNPercentEscapedQueryText(fieldText(), encoding);
    if (value_.isNilOrNull()) return key;
    return key + "=" + TNPercentEscapedQueryText(textOf(value_), encoding);
}

std::vector<TNQueryStringPairPtr> TNFlattenParameters(const ns::Value& key, const ns::Value& value) {
    std::vector<TNQueryStringPairPtr> pairs;
    if (value.isDictionary()) {
        for (const auto& [innerKey, innerValue] : value.asDictionary()) {
            if (innerValue.isNil()) continue;
            ns::Value nestedKey = key.isNil() ? ns::Value(innerKey) : ns::Value(textOf(key) + "[" + innerKey + "]");
            auto nested = TNFlattenParameters(nestedKey, innerValue);
            pairs.insert(pairs.end(), nested.begin(), nested.end());
        }
    } else if (value.isArray()) {
        ns::Value arrayKey(textOf(key) + "[]");
        for (const auto& element : value.asArray()) {
            auto nested = TNFlattenParameters(arrayKey, element);
            pairs.insert(pairs.end(), nested.begin(), nested.end());
        }
    } else {
        pairs.push_back(TNQueryStringPair::create(key, value));
    }
    return pairs;
}

std::string TNJoinQueryPairs(const ns::Value& parameters, ns::StringEncoding encoding) {
    std::vector<std::string> texts;
    for (const auto& pair : TNFlattenParameters(ns::Value(), parameters))
        texts.push_back(pair->URLEncodedStringValueWithEncoding(encoding));
    return ns::str::join(texts, "&");
}
