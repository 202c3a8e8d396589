// Server trust for the cloud: a server is trusted exactly when its chain
// leads to the certificate the application carries (resource "ca.der"); the
// system's own roots never count, and the host name is not checked. The
// command service installs it as the policy of its cloud transfers.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "net/http/TNSecurityPolicy.h"
#include "platform/foundation/Data.h"
#include "platform/net/Key.h"
#include "platform/net/Trust.h"

class TAVOSecurityPolice : public TNSecurityPolicy {
public:
    static std::shared_ptr<TAVOSecurityPolice> create() { return std::shared_ptr<TAVOSecurityPolice>(new TAVOSecurityPolice()); }
    // The bytes of the bundle's "ca.der", read once per process; none when
    // the resource is missing.
    static std::optional<std::vector<ns::Data>> defaultCertificates();
    // A new policy over defaultCertificates().
    static std::shared_ptr<TAVOSecurityPolice> defaultSecurityPolice();

    const std::optional<std::vector<ns::Data>>& certificates() const { return certificates_; }
    // Stores the certificates (DER) and derives their public keys; only the
    // first certificate takes part in decisions.
    void setCertificates(std::optional<std::vector<ns::Data>> certificates);
    const std::vector<sec::KeyPtr>& publicKeys() const { return publicKeys_; }

    using TNSecurityPolicy::evaluateServerTrust;
    // The domain is ignored. Keeps no state between decisions.
    bool evaluateServerTrust(const sec::TrustPtr& trust, const std::optional<std::string>& domain) override;

    std::string className() const override { return "TAVOSecurityPolice"; }

protected:
    TAVOSecurityPolice() = default;

private:
    std::optional<std::vector<ns::Data>> certificates_;
    std::vector<sec::KeyPtr> publicKeys_;
};

using TAVOSecurityPolicePtr = std::shared_ptr<TAVOSecurityPolice>;
