// Known answers recorded once with `openssl dgst -<alg> -hmac key`.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/crypto/Hmac.h"
#include "tests/platform/crypto/HexBytes.h"

using namespace cc;
using keelbox::test::toHex;

TEST(HmacTest, KnownAnswersUnderKeyText) {
    const std::string fox = "The quick brown fox jumps over the lazy dog";
    const std::string key = "key";
    struct Case {
        HmacAlgorithm alg;
        std::string hex;
    };
    const Case cases[] = {
        {kCCHmacAlgSHA1, "de7c9b85b8b78aa6bc8a7a36f70a90701c9db4d9"},
        {kCCHmacAlgMD5, "80070713463e7749b90c2dc24911e275"},
        {kCCHmacAlgSHA224, "88ff8b54675d39b8f72322e65ff945c52d96379988ada25639747e69"},
        {kCCHmacAlgSHA256, "f7bc83f430538424b13298e6aa6fb143ef4d59a14946175997479dbc2d1a3cd8"},
        {kCCHmacAlgSHA384,
         "d7f4727e2c0b39ae0f1e40cc96f60242d5b7801841cea6fc592c5d3e1ae50700582a96cf35e1e554995fe4e03381c237"},
        {kCCHmacAlgSHA512,
         "b42af09057bac1e2d41708e48a902e09b5ff7f12ab428a4fe86653c73dd248fb82f948a549f7b791a5b41915ee4d1ec3935357e4e2317250d0372afa2ebeeb3a"},
    };
    for (const auto& c : cases) {
        std::vector<std::uint8_t> mac(hmacLength(c.alg));
        ASSERT_EQ(mac.size() * 2, c.hex.size());
        ASSERT_TRUE(hmac(c.alg, key.data(), key.size(), fox.data(), fox.size(), mac.data())) << c.alg;
        EXPECT_EQ(toHex(mac), c.hex) << "algorithm " << c.alg;
    }
}

TEST(HmacTest, AbsentKeyIsTheEmptyKeyAndUnknownAlgorithmFails) {
    const std::string fox = "The quick brown fox jumps over the lazy dog";
    unsigned char mac[20];
    ASSERT_TRUE(hmac(kCCHmacAlgSHA1, nullptr, 0, fox.data(), fox.size(), mac));
    EXPECT_EQ(toHex(mac, 20), "2ba7f707ad5f187c412de3106583c3111d668de8");
    EXPECT_EQ(hmacLength(99), 0u);
    EXPECT_FALSE(hmac(99, "k", 1, fox.data(), fox.size(), mac));
}
