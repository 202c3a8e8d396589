// The helpers against the same primitives called directly through OpenSSL,
// in the same run: AES-128-CBC + Base64 of 64 KiB, and one RSA wrap of a
// 16-byte session key. Prints "ratio: <what> <ours / direct>" at the end.
#include <benchmark/benchmark.h>

#include "bench/support/RatioReporter.h"

#include <openssl/evp.h>
#include <openssl/pem.h>
#include <openssl/rsa.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "core/crypto/DataBase64Additions.h"
#include "core/crypto/DataCommonCryptor.h"
#include "core/crypto/RandomPrintableBytes.h"
#include "core/crypto/RouterPublicKey.h"
#include "core/crypto/TAVOEncryptUtility.h"

namespace {

const ns::Data& payload() {
    static const ns::Data data = [] {
        ns::Data d = ns::Data::withLength(64 * 1024);
        for (std::size_t i = 0; i < d.length(); ++i) d.mutableBytes()[i] = static_cast<std::uint8_t>(i * 31 + 7);
        return d;
    }();
    return data;
}

const ns::Data& sessionKey() {
    static const ns::Data key = randomPrintableBytes(16, 60, 65);
    return key;
}

void BM_Helpers_AES128CBC_Base64_64KiB(benchmark::State& state) {
    for (auto _ : state) {
        auto cipher = KXAES256EncryptedDataUsingKey(payload(), sessionKey());
        std::string text = encodeBase64ForData(*cipher);
        benchmark::DoNotOptimize(text);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * payload().length()));
}

void BM_OpenSSL_AES128CBC_Base64_64KiB(benchmark::State& state) {
    const unsigned char iv[16] = {0};
    for (auto _ : state) {
        EVP_CIPHER_CTX* ctx = EVP_CIPHER_CTX_new();
        std::vector<unsigned char> cipher(payload().length() + 16);
        int n1 = 0, n2 = 0;
        EVP_EncryptInit_ex(ctx, EVP_aes_128_cbc(), nullptr, sessionKey().bytes(), iv);
        EVP_EncryptUpdate(ctx, cipher.data(), &n1, payload().bytes(), static_cast<int>(payload().length()));
        EVP_EncryptFinal_ex(ctx, cipher.data() + n1, &n2);
        EVP_CIPHER_CTX_free(ctx);
        std::string text(4 * ((n1 + n2 + 2) / 3), '\0');
        EVP_EncodeBlock(reinterpret_cast<unsigned char*>(text.data()), cipher.data(), n1 + n2);
        benchmark::DoNotOptimize(text);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * payload().length()));
}

void BM_Helpers_RSAWrap16(benchmark::State& state) {
    for (auto _ : state) {
        auto wrapped = TAVOEncryptUtility::TAVOEncode(sessionKey());
        benchmark::DoNotOptimize(wrapped);
    }
}

void BM_OpenSSL_RSAWrap16(benchmark::State& state) {
    // The same steps: read the PEM text, then one PKCS#1 v1.5 encryption.
    const std::string pem = routerPublicKeyPEM();
    for (auto _ : state) {
        BIO* bio = BIO_new_mem_buf(pem.data(), static_cast<int>(pem.size()));
        EVP_PKEY* key = PEM_read_bio_PUBKEY(bio, nullptr, nullptr, nullptr);
        BIO_free(bio);
        EVP_PKEY_CTX* ctx = EVP_PKEY_CTX_new_from_pkey(nullptr, key, nullptr);
        EVP_PKEY_encrypt_init(ctx);
        EVP_PKEY_CTX_set_rsa_padding(ctx, RSA_PKCS1_PADDING);
        std::vector<unsigned char> out(static_cast<std::size_t>(EVP_PKEY_get_size(key)));
        std::size_t written = out.size();
        EVP_PKEY_encrypt(ctx, out.data(), &written, sessionKey().bytes(), sessionKey().length());
        EVP_PKEY_CTX_free(ctx);
        EVP_PKEY_free(key);
        benchmark::DoNotOptimize(out);
    }
}

BENCHMARK(BM_Helpers_AES128CBC_Base64_64KiB);
BENCHMARK(BM_OpenSSL_AES128CBC_Base64_64KiB);
BENCHMARK(BM_Helpers_RSAWrap16);
BENCHMARK(BM_OpenSSL_RSAWrap16);


}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    keelbox::bench::RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("aes128cbc+base64-64KiB", "BM_Helpers_AES128CBC_Base64_64KiB", "BM_OpenSSL_AES128CBC_Base64_64KiB");
    reporter.printRatio("rsa-wrap-16B", "BM_Helpers_RSAWrap16", "BM_OpenSSL_RSAWrap16");
    benchmark::Shutdown();
    return 0;
}
