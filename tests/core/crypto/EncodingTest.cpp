// MD5 text, the Base64 codecs and URL percent-encoding. Known answers
// recorded once with `openssl dgst -md5` and `openssl base64 -A`.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/crypto/Base64Codec.h"
#include "core/crypto/DataAddition.h"
#include "core/crypto/DataBase64.h"
#include "core/crypto/DataBase64Additions.h"
#include "core/crypto/DataMd5.h"
#include "core/crypto/StringAddition.h"
#include "core/crypto/StringMD5.h"

namespace {

ns::Data bytes(const std::string& s) { return ns::Data::fromString(s); }
const std::string kFox = "The quick brown fox jumps over the lazy dog";

}  // namespace

TEST(EncodingTest, Md5TextsDifferOnlyInCase) {
    EXPECT_EQ(md5String("Keelbox"), "43A1B0D5D7DDE5D01032D210BCA75E16");
    EXPECT_EQ(KXMd5String(std::string("Keelbox")), "43a1b0d5d7dde5d01032d210bca75e16");
    EXPECT_EQ(KXMd5String(bytes("Keelbox")), "43a1b0d5d7dde5d01032d210bca75e16");
    EXPECT_EQ(md5(bytes("Keelbox")), "43a1b0d5d7dde5d01032d210bca75e16");
    EXPECT_EQ(KXMd5String(std::string("路由器")), "4ebb8701e4c1f14cd3df15f0d0790e89");
    // A text ends at its first zero byte; bytes do not.
    const std::string withZero("Keelbox\0tail", 12);
    EXPECT_EQ(md5String(withZero), "43A1B0D5D7DDE5D01032D210BCA75E16");
    EXPECT_NE(KXMd5String(ns::Data::fromString(withZero)), "43a1b0d5d7dde5d01032d210bca75e16");
}

TEST(EncodingTest, EveryEncoderGivesStandardBase64) {
    const std::pair<std::string, std::string> cases[] = {
        {"f", "Zg=="},         {"fo", "Zm8="},         {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="},  {"fooba", "Zm9vYmE="},  {"foobar", "Zm9vYmFy"},
        {kFox, "VGhlIHF1aWNrIGJyb3duIGZveCBqdW1wcyBvdmVyIHRoZSBsYXp5IGRvZw=="},
    };
    for (const auto& [plain, b64] : cases) {
        EXPECT_EQ(encodeBase64ForData(bytes(plain)), b64);
        EXPECT_EQ(base64Encoding(bytes(plain)), b64);
        EXPECT_EQ(KXBase64EncodingForString(bytes(plain)), b64);
        EXPECT_EQ(KXBase64Encoding(bytes(plain)), bytes(b64));
        EXPECT_EQ(KXBase64Encoding(plain), b64);
    }
    // Empty input: the compact encoders give nothing, the others "".
    EXPECT_EQ(KXBase64Encoding(ns::Data()), std::nullopt);
    EXPECT_EQ(KXBase64EncodingForString(ns::Data()), std::nullopt);
    EXPECT_EQ(KXBase64Encoding(std::string()), std::nullopt);
    EXPECT_EQ(base64Encoding(ns::Data()), "");
    EXPECT_EQ(encodeBase64ForData(ns::Data()), "");
}

TEST(EncodingTest, WrappedAndWebSafeEncoders) {
    const std::string line(72, 'A');
    EXPECT_EQ(encodeWrappedBase64ForData(ns::Data::withLength(54)), line + "\r\n");
    EXPECT_EQ(encodeWrappedBase64ForData(ns::Data::withLength(57)), line + "\r\nAAAA");
    EXPECT_EQ(encodeWrappedBase64ForData(ns::Data::withLength(108)), line + "\r\n" + line + "\r\n");
    EXPECT_EQ(encodeWrappedBase64ForData(bytes("foob")), "Zm9vYg==");
    EXPECT_EQ(encodeWebSafeBase64ForData(ns::Data({0xFB, 0xFF})), "-_8=");
    EXPECT_EQ(decodeWebSafeBase64ForString("-_8="), ns::Data({0xFB, 0xFF}));
}

TEST(EncodingTest, StrictDecoding) {
    struct Case {
        std::string text;
        std::optional<std::string> decoded;
    };
    const Case cases[] = {
        {"Zm9vYmFy", "foobar"},
        {"Zm9v\nYmFy", "foobar"},            // line feed between groups
        {" Zm9v\r\n\tYmFy\v\f", "foobar"},   // every whitespace character
        {"Zm=9vYg", "foob"},                  // "=" skipped wherever it stands
        {"Zm9vYmE", "fooba"},                 // 3 values give 2 bytes
        {"Zm9vYg", "foob"},                   // 2 values give 1 byte
        {"", ""},
        {"Z", std::nullopt},                  // a single character
        {"Zm9vY", std::nullopt},
        {"Zm9v!mFy", std::nullopt},           // outside the alphabet
        {"Zm9v-mFy", std::nullopt},           // web-safe characters are not standard
        {"Zm9v\xC3\xA9", std::nullopt},       // not ASCII
        {std::string("Zm9v\0!!!", 8), "foo"}, // ends at the first zero byte
    };
    for (const auto& c : cases) {
        const auto asData = KXBase64DecodeToData(c.text);
        EXPECT_EQ(asData.has_value(), c.decoded.has_value()) << c.text;
        if (asData && c.decoded) {
            EXPECT_EQ(asData->toString(), *c.decoded) << c.text;
        }
        EXPECT_EQ(KXBase64Decoding(ns::Data::fromString(c.text)).has_value(), c.decoded.has_value()) << c.text;
        EXPECT_EQ(KXBase64Decoding(c.text), c.decoded) << c.text;
        EXPECT_EQ(KXBase64DecodingForString(ns::Data::fromString(c.text)), c.decoded) << c.text;
    }
    // Text forms refuse decoded bytes that are not ASCII; the byte forms keep them.
    EXPECT_EQ(KXBase64Decoding(std::string("/w==")), std::nullopt);
    EXPECT_EQ(KXBase64DecodeToData("/w=="), ns::Data({0xFF}));
}

TEST(EncodingTest, DataWithBase64EncodedStringTakesNoTextAsEmpty) {
    // No text at all gives empty bytes instead of bringing the process down.
    EXPECT_EQ(dataWithBase64EncodedString(std::nullopt), ns::Data());
    EXPECT_EQ(dataWithBase64EncodedString(std::string()), ns::Data());
    EXPECT_EQ(dataWithBase64EncodedString(std::string("Zm9vYg==")), bytes("foob"));
    EXPECT_EQ(dataWithBase64EncodedString(std::string("Zm9v!")), std::nullopt);
}

TEST(EncodingTest, LenientDecoding) {
    const std::pair<std::string, std::string> cases[] = {
        {"Zm9vYmFy", "foobar"},
        {"Zm9v YmFy", "foobar"},         // whitespace skipped
        {"Zm9v*Ym\nFy", "foobar"},       // noise skipped
        {"QQ==", "A"},
        {"Zm9vYg==", "foob"},
        {"Zm9v=YmFy", "foo"},            // "=" ends decoding
        {"Zm9vY", "foo"},                // a trailing single character emits nothing
        {"Zm9v  ", "foo"},               // whitespace up to the end ends decoding
        {"", ""},
        {"Zm9v\xC3\xA9", ""},            // not ASCII: empty bytes
    };
    for (const auto& [text, decoded] : cases) EXPECT_EQ(decodeBase64ForString(text).toString(), decoded) << text;
}

TEST(EncodingTest, RoundTripsOverEveryRemainder) {
    std::vector<std::uint8_t> v;
    for (int n = 0; n < 80; ++n) {
        const ns::Data data(v);
        const std::string text = encodeBase64ForData(data);
        EXPECT_EQ(KXBase64DecodeToData(text), data) << n;
        EXPECT_EQ(decodeBase64ForString(text), data) << n;
        EXPECT_EQ(decodeBase64ForString(encodeWrappedBase64ForData(data)), data) << n;
        EXPECT_EQ(KXBase64DecodeToData(encodeWrappedBase64ForData(data)), data) << n;
        EXPECT_EQ(decodeWebSafeBase64ForString(encodeWebSafeBase64ForData(data)), data) << n;
        v.push_back(static_cast<std::uint8_t>(n * 37 + 11));
    }
}

TEST(EncodingTest, URLEncodeAndDecode) {
    EXPECT_EQ(URLEncode("a b/c~d"), "a%20b%2Fc%7Ed");
    // Every one of the extra characters is escaped; letters, digits, "-._" stay.
    EXPECT_EQ(URLEncode(":/?#[]@!$ &'()*+,;=\"<>%{}|\\^~`"),
              "%3A%2F%3F%23%5B%5D%40%21%24%20%26%27%28%29%2A%2B%2C%3B%3D%22%3C%3E%25%7B%7D%7C%5C%5E%7E%60");
    EXPECT_EQ(URLEncode("AZaz09-._"), "AZaz09-._");
    EXPECT_EQ(URLEncode("路"), "%E8%B7%AF");
    EXPECT_EQ(URLEncode("VGhl+/8="), "VGhl%2B%2F8%3D");
    EXPECT_EQ(URLEncode("\xff\xfe"), "");  // not UTF-8

    EXPECT_EQ(URLDecode("a%20b%2Fc%7Ed"), "a b/c~d");
    EXPECT_EQ(URLDecode("%e8%b7%af"), "路");
    EXPECT_EQ(URLDecode("a+b"), "a+b");
    EXPECT_EQ(URLDecode("%E8"), std::nullopt);   // not UTF-8
    EXPECT_EQ(URLDecode("%zz"), std::nullopt);   // malformed escape
    EXPECT_EQ(URLDecode("ab%4"), std::nullopt);  // escape cut short
    const std::string text = "key=VGhl+/8= & 路由器";
    EXPECT_EQ(URLDecode(URLEncode(text)), text);
}
