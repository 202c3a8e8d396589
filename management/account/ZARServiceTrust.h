// Whether the account client trusts the account service's certificate.
//
// The platform's default evaluation decides (the system's root store and the
// host name). A deployment that runs its own account service may add the
// authorities it trusts with a CA file named by the deployment value
// "AccountServiceCAFile" (KEELBOX_ACCOUNT_SERVICE_CA_FILE): the loopback
// emulator's test CA, for instance. Verification itself is never switched
// off: a chain that leads to neither the system's roots nor that file, or
// that does not name the host, is refused.
#pragma once

#include <string>
#include <vector>

#include "platform/net/Certificate.h"
#include "platform/net/Trust.h"

class ZARServiceTrust {
public:
    static constexpr const char* kCAFileSetting = "AccountServiceCAFile";

    // The certificates of the deployment's CA file (PEM, one or more
    // certificates, or a single DER certificate); none when no file is named
    // or it holds no certificate.
    static std::vector<sec::CertificatePtr> deploymentAuthorities();
    // True when the chain is good for `host` under the system's roots or the
    // deployment's authorities.
    static bool evaluate(const sec::TrustPtr& trust, const std::string& host);
};
