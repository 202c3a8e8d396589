// TNSecurityPolicy: decides whether to trust an HTTPS server's chain: no
// pinning (the chain must be valid unless invalid certificates are
// allowed), pinned certificates, or pinned public keys; optionally checking
// that the leaf names the host.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Data.h"
#include "platform/foundation/Object.h"
#include "platform/net/Key.h"
#include "platform/net/Trust.h"

enum TNSSLPinningMode : unsigned {
    TNSSLPinningModeNone = 0,
    TNSSLPinningModePublicKey = 1,
    TNSSLPinningModeCertificate = 2,
};

class TNSecurityPolicy : public ns::Object {
public:
    static std::shared_ptr<TNSecurityPolicy> create();
    // No pinning.
    static std::shared_ptr<TNSecurityPolicy> defaultPolicy();
    // The mode, host names checked, and every ".cer" of the main bundle pinned.
    static std::shared_ptr<TNSecurityPolicy> policyWithPinningMode(unsigned mode);
    // The DER bytes of every ".cer" resource at the top of the main bundle,
    // in name order; read once.
    static const std::vector<ns::Data>& defaultPinnedCertificates();

    unsigned SSLPinningMode = TNSSLPinningModeNone;
    // When pinning: every chain certificate (or its key) must be pinned;
    // otherwise the leaf key alone counts (public-key mode).
    bool validatesCertificateChain = true;
    bool allowInvalidCertificates = false;
    bool validatesDomainName = false;

    const std::vector<ns::Data>& pinnedCertificates() const { return pinnedCertificates_; }
    // Also derives the pinned keys (certificates that do not decode are skipped).
    void setPinnedCertificates(std::vector<ns::Data> certificates);
    const std::vector<sec::KeyPtr>& pinnedPublicKeys() const { return pinnedPublicKeys_; }

    bool evaluateServerTrust(const sec::TrustPtr& serverTrust) { return evaluateServerTrust(serverTrust, std::nullopt); }
    virtual bool evaluateServerTrust(const sec::TrustPtr& serverTrust, const std::optional<std::string>& domain);

protected:
    TNSecurityPolicy() = default;

private:
    std::vector<ns::Data> pinnedCertificates_;
    std::vector<sec::KeyPtr> pinnedPublicKeys_;
};

using TNSecurityPolicyPtr = std::shared_ptr<TNSecurityPolicy>;
