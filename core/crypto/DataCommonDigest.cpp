#include "core/crypto/DataCommonDigest.h"

#include "platform/crypto/Digest.h"

namespace {

ns::Data digestOf(cc::DigestAlgorithm alg, const ns::Data& data) {
    ns::Data md = ns::Data::withLength(cc::digestLength(alg));
    if (!cc::digest(alg, data.bytes(), data.length(), md.mutableBytes())) return ns::Data();
    return md;
}

}  // namespace

ns::Data KXMD2Sum(const ns::Data& data) { return digestOf(cc::DigestAlgorithm::MD2, data); }
ns::Data KXMD4Sum(const ns::Data& data) { return digestOf(cc::DigestAlgorithm::MD4, data); }
ns::Data KXMD5Sum(const ns::Data& data) { return digestOf(cc::DigestAlgorithm::MD5, data); }
ns::Data KXSHA1Hash(const ns::Data& data) { return digestOf(cc::DigestAlgorithm::SHA1, data); }
ns::Data KXSHA224Hash(const ns::Data& data) { return digestOf(cc::DigestAlgorithm::SHA224, data); }
ns::Data KXSHA256Hash(const ns::Data& data) { return digestOf(cc::DigestAlgorithm::SHA256, data); }
ns::Data KXSHA384Hash(const ns::Data& data) { return digestOf(cc::DigestAlgorithm::SHA384, data); }
ns::Data KXSHA512Hash(const ns::Data& data) { return digestOf(cc::DigestAlgorithm::SHA512, data); }
