// Both decoders against nlohmann-json on generated valid documents, in
// every layout nlohmann writes (compact, indented, ASCII-only escapes).
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "JsonDocumentGenerator.h"
#include "net/json/JSONDecoder.h"
#include "net/json/TinyJsonParser.h"

namespace {

// Whether a decoded value says what nlohmann read. Number kinds may differ
// where the codecs choose differently (TinyJson keeps exact decimals, JetJson
// reads "-0" as a double); the values must not.
::testing::AssertionResult matches(const ns::Value& v, const nlohmann::json& j, const std::string& path = "$") {
    auto fail = [&]() {
        return ::testing::AssertionFailure() << path << ": decoded " << v.description() << ", expected " << j.dump();
    };
    switch (j.type()) {
        case nlohmann::json::value_t::null: return v.isNull() ? ::testing::AssertionSuccess() : fail();
        case nlohmann::json::value_t::boolean:
            return v.isBool() && v.boolValue() == j.get<bool>() ? ::testing::AssertionSuccess() : fail();
        case nlohmann::json::value_t::number_integer:
        case nlohmann::json::value_t::number_unsigned: {
            const std::string expected = j.dump();
            if (v.isDecimal()) return v.decimalText() == expected ? ::testing::AssertionSuccess() : fail();
            if (v.kind() == ns::ValueKind::Integer)
                return std::to_string(v.longLongValue()) == expected ? ::testing::AssertionSuccess() : fail();
            if (v.kind() == ns::ValueKind::Unsigned)
                return std::to_string(v.unsignedLongLongValue()) == expected ? ::testing::AssertionSuccess() : fail();
            if (v.isDouble() && expected == "0" && v.doubleValue() == 0) return ::testing::AssertionSuccess();
            return fail();
        }
        case nlohmann::json::value_t::number_float: {
            const double expected = j.get<double>();
            if (v.isDecimal())
                return std::strtod(v.decimalText().c_str(), nullptr) == expected ? ::testing::AssertionSuccess()
                                                                                 : fail();
            return v.isDouble() && v.doubleValue() == expected ? ::testing::AssertionSuccess() : fail();
        }
        case nlohmann::json::value_t::string:
            return v.isString() && v.asString() == j.get<std::string>() ? ::testing::AssertionSuccess() : fail();
        case nlohmann::json::value_t::array: {
            if (!v.isArray() || v.count() != j.size()) return fail();
            for (std::size_t i = 0; i < j.size(); ++i) {
                auto r = matches(v[i], j[i], path + "[" + std::to_string(i) + "]");
                if (!r) return r;
            }
            return ::testing::AssertionSuccess();
        }
        case nlohmann::json::value_t::object: {
            if (!v.isDictionary() || v.count() != j.size()) return fail();
            for (const auto& [key, item] : j.items()) {
                const ns::Value* found = v.asDictionary().find(key);
                if (!found) return fail() << " (missing key " << key << ")";
                auto r = matches(*found, item, path + "." + key);
                if (!r) return r;
            }
            return ::testing::AssertionSuccess();
        }
        default: return fail();
    }
}

}  // namespace

TEST(JsonDecoderDifferential, BothDecodersAgreeWithNlohmannOnValidDocuments) {
    jsontest::JsonDocumentGenerator generator(20261210);
    auto jet = JSONDecoder::decoder();  // one decoder: its cache spans the documents
    auto tiny = TinyJsonParser::create();
    for (int i = 0; i < 1500; ++i) {
        const nlohmann::json doc = generator.document();
        const int indent = i % 3 == 0 ? 2 : -1;
        const bool asciiOnly = i % 4 == 1;
        const std::string text = doc.dump(indent, ' ', asciiOnly);
        const nlohmann::json reread = nlohmann::json::parse(text);

        ns::ErrorPtr error;
        const ns::Value a = jet->objectWithUTF8String(text.data(), text.size(), &error);
        ASSERT_TRUE(matches(a, reread)) << text << (error ? "\n" + error->localizedDescription() : "");
        const ns::Value b = tiny->objectWithString(std::string_view(text), &error);
        ASSERT_TRUE(matches(b, reread)) << text << (error ? "\n" + error->localizedDescription() : "");
    }
}
