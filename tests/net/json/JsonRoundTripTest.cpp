// Generated documents written by one codec and read back by the other (and
// by itself) come back equal.
#include <gtest/gtest.h>

#include "JsonDocumentGenerator.h"
#include "net/json/JSONDecoder.h"
#include "net/json/JetJsonSerializing.h"
#include "net/json/TinyJson.h"
#include "net/json/TinyJsonParser.h"
#include "net/json/TinyJsonWriter.h"

namespace {

// The generated document as a platform value, numbers as JetJson reads them.
ns::Value toValue(const nlohmann::json& j) {
    switch (j.type()) {
        case nlohmann::json::value_t::null: return ns::Value::null();
        case nlohmann::json::value_t::boolean: return ns::Value(j.get<bool>());
        case nlohmann::json::value_t::number_integer: return ns::Value(j.get<std::int64_t>());
        case nlohmann::json::value_t::number_unsigned: {
            const auto u = j.get<std::uint64_t>();
            return u <= static_cast<std::uint64_t>(INT64_MAX) ? ns::Value(static_cast<std::int64_t>(u)) : ns::Value(u);
        }
        case nlohmann::json::value_t::number_float: return ns::Value(j.get<double>());
        case nlohmann::json::value_t::string: return ns::Value(j.get<std::string>());
        case nlohmann::json::value_t::array: {
            ns::Array a;
            for (const auto& item : j) a.push_back(toValue(item));
            return ns::Value(std::move(a));
        }
        default: {
            ns::Dictionary d;
            for (const auto& [k, item] : j.items()) d.set(k, toValue(item));
            return ns::Value(std::move(d));
        }
    }
}

}  // namespace

TEST(JsonRoundTrip, GeneratedDocumentsSurviveBothCodecs) {
    jsontest::JsonDocumentGenerator generator(42);
    auto decoder = JSONDecoder::decoder();
    for (int i = 0; i < 800; ++i) {
        const ns::Value original = toValue(generator.document());
        const unsigned options = static_cast<unsigned>(i % 4);  // compact, pretty, ASCII-only, both

        ns::ErrorPtr error;
        const ns::Value jetText = JSONStringWithOptions(original, options, &error);
        ASSERT_TRUE(jetText.isString()) << (error ? error->localizedDescription() : "");
        const std::string& text = jetText.asString();
        const ns::Value back = decoder->objectWithUTF8String(text.data(), text.size(), &error);
        ASSERT_TRUE(back.isEqual(original)) << text << (error ? "\n" + error->localizedDescription() : "");
        ASSERT_EQ(back.description(), original.description());  // same order, same kinds

        // TinyJson reads what JetJson wrote (exact decimals compare by value),
        // and JetJson reads what TinyJson writes.
        ASSERT_TRUE(TinyJsonParser::create()->objectWithString(std::string_view(text)).isEqual(original)) << text;
        auto writer = TinyJsonWriter::create();
        writer->setHumanReadable(i % 2 == 1);
        const ns::Value tinyText = writer->stringWithObject(original);
        ASSERT_TRUE(tinyText.isString());
        const ns::Value fromTiny = decoder->objectWithUTF8String(tinyText.asString().data(), tinyText.asString().size());
        ASSERT_TRUE(fromTiny.isEqual(original)) << tinyText.asString();
    }
}
