#include "protocol/requests/TAVOSecurityPolice.h"

#include <mutex>

#include "platform/foundation/Bundle.h"
#include "platform/foundation/FileData.h"
#include "platform/net/Certificate.h"
#include "platform/net/Policy.h"

namespace {

struct DefaultTrustMaterial {
    std::optional<std::vector<ns::Data>> certificates;
    std::vector<sec::KeyPtr> publicKeys;
};

std::vector<sec::KeyPtr> keysOf(const std::optional<std::vector<ns::Data>>& certificates) {
    std::vector<sec::KeyPtr> keys;
    if (!certificates) return keys;
    for (const auto& der : *certificates) {
        // The certificate's own key: what evaluating it alone would extract.
        auto certificate = sec::Certificate::createWithData(der);
        if (!certificate) continue;
        if (auto key = certificate->publicKey()) keys.push_back(key);
    }
    return keys;
}

// Read and decoded once: every request makes a policy of its own.
const DefaultTrustMaterial& defaultMaterial() {
    static std::once_flag once;
    static DefaultTrustMaterial material;
    std::call_once(once, [] {
        const std::string path = ns::Bundle::mainBundle()->pathForResource("ca", "der");
        if (path.empty()) return;
        if (auto bytes = ns::dataWithContentsOfFile(path)) material.certificates = std::vector<ns::Data>{*bytes};
        material.publicKeys = keysOf(material.certificates);
    });
    return material;
}

}  // namespace

std::optional<std::vector<ns::Data>> TAVOSecurityPolice::defaultCertificates() { return defaultMaterial().certificates; }

std::shared_ptr<TAVOSecurityPolice> TAVOSecurityPolice::defaultSecurityPolice() {
    auto police = create();
    police->certificates_ = defaultMaterial().certificates;
    police->publicKeys_ = defaultMaterial().publicKeys;
    return police;
}

void TAVOSecurityPolice::setCertificates(std::optional<std::vector<ns::Data>> certificates) {
    certificates_ = std::move(certificates);
    publicKeys_ = keysOf(certificates_);
}

bool TAVOSecurityPolice::evaluateServerTrust(const sec::TrustPtr& trust, const std::optional<std::string>&) {
    if (!trust || !certificates_ || certificates_->empty()) return false;
    auto anchor = sec::Certificate::createWithData(certificates_->front());
    if (!anchor) return false;
    // Only the chain counts, not the name the server presents: the anchor is
    // the application's own certificate, which signs nothing but our servers.
    if (trust->setPolicies({sec::Policy::createSSL(true, std::nullopt)}) != sec::kErrSecSuccess) return false;
    if (trust->setAnchorCertificates({anchor}) != sec::kErrSecSuccess) return false;
    if (trust->setAnchorCertificatesOnly(true) != sec::kErrSecSuccess) return false;
    sec::TrustResultType result = sec::TrustResultType::Invalid;
    if (trust->evaluate(result) != sec::kErrSecSuccess) return false;
    return result == sec::TrustResultType::Proceed || result == sec::TrustResultType::Confirm ||
           result == sec::TrustResultType::Unspecified;
}
