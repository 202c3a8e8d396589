// Known answers recorded once with `openssl dgst` (MD2 from RFC 1319's
// test suite, since OpenSSL 3 no longer has MD2).
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "platform/crypto/Digest.h"
#include "platform/crypto/MD2.h"
#include "tests/platform/crypto/HexBytes.h"

using namespace cc;
using keelbox::test::toHex;

namespace {

const std::string kFox = "The quick brown fox jumps over the lazy dog";

std::string digestHex(DigestAlgorithm alg, const std::string& text) {
    std::vector<std::uint8_t> md(digestLength(alg));
    if (!digest(alg, text.data(), text.size(), md.data())) return "(failed)";
    return toHex(md);
}

}  // namespace

TEST(DigestTest, KnownAnswers) {
    struct Case {
        DigestAlgorithm alg;
        std::string input;
        std::string hex;
    };
    const Case cases[] = {
        {DigestAlgorithm::MD4, "", "31d6cfe0d16ae931b73c59d7e0c089c0"},
        {DigestAlgorithm::MD4, "abc", "a448017aaf21d8525fc10ae87aa6729d"},
        {DigestAlgorithm::MD4, kFox, "1bee69a46ba811185c194762abaeae90"},
        {DigestAlgorithm::MD5, "", "d41d8cd98f00b204e9800998ecf8427e"},
        {DigestAlgorithm::MD5, "abc", "900150983cd24fb0d6963f7d28e17f72"},
        {DigestAlgorithm::MD5, kFox, "9e107d9d372bb6826bd81d3542a419d6"},
        {DigestAlgorithm::SHA1, "", "da39a3ee5e6b4b0d3255bfef95601890afd80709"},
        {DigestAlgorithm::SHA1, "abc", "a9993e364706816aba3e25717850c26c9cd0d89d"},
        {DigestAlgorithm::SHA1, kFox, "2fd4e1c67a2d28fced849ee1bb76e7391b93eb12"},
        {DigestAlgorithm::SHA224, "abc", "23097d223405d8228642a477bda255b32aadbce4bda0b3f7e36c9da7"},
        {DigestAlgorithm::SHA224, kFox, "730e109bd7a8a32b1cb9d9a09aa2325d2430587ddbc0c38bad911525"},
        {DigestAlgorithm::SHA256, "", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {DigestAlgorithm::SHA256, kFox, "d7a8fbb307d7809469ca9abcb0082e4f8d5651e46d3cdb762d02d0bf37c9e592"},
        {DigestAlgorithm::SHA384, "abc",
         "cb00753f45a35e8bb5a03d699ac65007272c32ab0eded1631a8b605a43ff5bed8086072ba1e7cc2358baeca134c825a7"},
        {DigestAlgorithm::SHA384, kFox,
         "ca737f1014a48f4c0b6dd43cb177b0afd9e5169367544c494011e3317dbf9a509cb1e5dc1e85a941bbee3d7f2afbc9b1"},
        {DigestAlgorithm::SHA512, "abc",
         "ddaf35a193617abacc417349ae20413112e6fa4e89a97ea20a9eeee64b55d39a2192992a274fc1a836ba3c23a3feebbd454d4423643ce80e2a9ac94fa54ca49f"},
        {DigestAlgorithm::SHA512, kFox,
         "07e547d9586f6a73f73fbac0435ed76951218fb7d0c8d788a309d785436bbb642e93a252a954f23912547d1e8a3b5ed6e1bfd7097821233fa0538f3db854fee6"},
        // RFC 1319, A.5.
        {DigestAlgorithm::MD2, "", "8350e5a3e24c153df2275c9f80692773"},
        {DigestAlgorithm::MD2, "a", "32ec01ec4a6dac72c0ab96fb34c0b5d1"},
        {DigestAlgorithm::MD2, "abc", "da853b0d3f88d99b30283a69e6ded6bb"},
        {DigestAlgorithm::MD2, "message digest", "ab4f496bfb2a530b219ff33031fe06b0"},
        {DigestAlgorithm::MD2, "abcdefghijklmnopqrstuvwxyz", "4e8ddff3650292ab5a4108c3aa47940b"},
        {DigestAlgorithm::MD2, "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789",
         "da33def2a42df13975352846c30338cd"},
        {DigestAlgorithm::MD2, "12345678901234567890123456789012345678901234567890123456789012345678901234567890",
         "d5976f79d83d3a0dc9806c3c66f3efd8"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(digestHex(c.alg, c.input), c.hex) << "input \"" << c.input << "\" alg " << static_cast<int>(c.alg);
        EXPECT_EQ(digestLength(c.alg) * 2, c.hex.size());
    }
}

TEST(DigestTest, MD2FedInPiecesMatchesOneShot) {
    // Pieces straddling the 16-byte block boundary exercise the buffering.
    const std::string text = "12345678901234567890123456789012345678901234567890123456789012345678901234567890";
    MD2 md2;
    std::size_t at = 0;
    for (std::size_t piece : {1u, 15u, 17u, 3u, 32u, 12u}) {
        md2.update(text.data() + at, piece);
        at += piece;
    }
    ASSERT_EQ(at, text.size());
    unsigned char md[16];
    md2.final(md);
    EXPECT_EQ(toHex(md, 16), "d5976f79d83d3a0dc9806c3c66f3efd8");
}

TEST(DigestTest, ConcurrentFirstUseOfLegacyAlgorithms) {
    // The legacy provider and the algorithm cache are set up on first use;
    // several threads arriving together must all get the right answer.
    std::vector<std::thread> threads;
    std::vector<std::string> results(8);
    for (std::size_t i = 0; i < results.size(); ++i)
        threads.emplace_back([&, i] { results[i] = digestHex(DigestAlgorithm::MD4, "abc"); });
    for (auto& t : threads) t.join();
    for (const auto& r : results) EXPECT_EQ(r, "a448017aaf21d8525fc10ae87aa6729d");
}
