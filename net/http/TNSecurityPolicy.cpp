#include "net/http/TNSecurityPolicy.h"

#include <algorithm>
#include <filesystem>

#include "platform/foundation/Bundle.h"
#include "platform/foundation/FileData.h"

namespace {

bool isTrusted(const sec::TrustPtr& trust) {
    sec::TrustResultType result = sec::TrustResultType::Invalid;
    if (trust->evaluate(result) != sec::kErrSecSuccess) return false;
    return result == sec::TrustResultType::Unspecified || result == sec::TrustResultType::Proceed;
}

}  // namespace

std::shared_ptr<TNSecurityPolicy> TNSecurityPolicy::create() {
    return std::shared_ptr<TNSecurityPolicy>(new TNSecurityPolicy());
}

std::shared_ptr<TNSecurityPolicy> TNSecurityPolicy::defaultPolicy() { return create(); }

std::shared_ptr<TNSecurityPolicy> TNSecurityPolicy::policyWithPinningMode(unsigned mode) {
    auto policy = create();
    policy->SSLPinningMode = mode;
    policy->validatesDomainName = true;
    policy->setPinnedCertificates(defaultPinnedCertificates());
    return policy;
}

const std::vector<ns::Data>& TNSecurityPolicy::defaultPinnedCertificates() {
    static const std::vector<ns::Data> certificates = [] {
        std::vector<ns::Data> found;
        auto bundle = ns::Bundle::mainBundle();
        if (!bundle) return found;
        std::vector<std::filesystem::path> paths;
        std::error_code error;
        for (const auto& entry : std::filesystem::directory_iterator(bundle->resourcePath(), error))
            if (entry.is_regular_file() && entry.path().extension() == ".cer") paths.push_back(entry.path());
        std::sort(paths.begin(), paths.end());
        for (const auto& path : paths)
            if (auto data = ns::dataWithContentsOfFile(path.string())) found.push_back(*data);
        return found;
    }();
    return certificates;
}

void TNSecurityPolicy::setPinnedCertificates(std::vector<ns::Data> certificates) {
    pinnedCertificates_ = std::move(certificates);
    pinnedPublicKeys_.clear();
    for (const auto& der : pinnedCertificates_) {
        auto certificate = sec::Certificate::createWithData(der);
        if (!certificate) continue;
        if (auto key = certificate->publicKey()) pinnedPublicKeys_.push_back(key);
    }
}

bool TNSecurityPolicy::evaluateServerTrust(const sec::TrustPtr& serverTrust, const std::optional<std::string>& domain) {
    if (!serverTrust) return false;
    auto policy = validatesDomainName ? sec::Policy::createSSL(true, domain) : sec::Policy::createBasicX509();
    serverTrust->setPolicies({policy});
    if (!isTrusted(serverTrust) && !allowInvalidCertificates) return false;

    std::vector<sec::CertificatePtr> chain;
    for (std::size_t i = 0; i < serverTrust->certificateCount(); ++i)
        if (auto certificate = serverTrust->certificateAtIndex(i)) chain.push_back(certificate);

    switch (SSLPinningMode) {
    case TNSSLPinningModeNone:
        return true;
    case TNSSLPinningModeCertificate: {
        std::vector<sec::CertificatePtr> anchors;
        for (const auto& der : pinnedCertificates_)
            if (auto certificate = sec::Certificate::createWithData(der)) anchors.push_back(certificate);
        serverTrust->setAnchorCertificates(anchors);
        if (!isTrusted(serverTrust)) return false;
        if (!validatesCertificateChain) return true;
        return std::all_of(chain.begin(), chain.end(), [&](const sec::CertificatePtr& certificate) {
            return std::find(pinnedCertificates_.begin(), pinnedCertificates_.end(), certificate->data()) !=
                   pinnedCertificates_.end();
        });
    }
    case TNSSLPinningModePublicKey: {
        std::vector<sec::KeyPtr> chainKeys;
        for (const auto& certificate : chain)
            if (auto key = certificate->publicKey()) chainKeys.push_back(key);
        if (!validatesCertificateChain && chainKeys.size() > 1) chainKeys.resize(1);
        std::size_t matches = 0;
        for (const auto& key : chainKeys)
            for (const auto& pinned : pinnedPublicKeys_)
                if (key->isEqual(*pinned)) ++matches;
        if (matches == 0) return false;
        return !validatesCertificateChain || matches == chain.size();
    }
    default:
        return false;
    }
}
