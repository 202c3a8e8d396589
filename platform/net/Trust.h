// sec::Trust: a certificate chain, the policies to check it against and the
// anchors it must lead to, evaluated with OpenSSL's X509_verify_cert.
//
// Without anchors the system's root store decides. Setting anchors makes them
// the only ones (anchorsOnly), as the platform does; setAnchorCertificatesOnly
// (false) adds the system roots back. An anchor anywhere inside the chain ends
// it (partial chains are accepted), so a pinned intermediate or leaf suffices.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/Object.h"
#include "platform/net/Certificate.h"
#include "platform/net/Key.h"
#include "platform/net/Policy.h"

namespace sec {

// Status codes of the trust calls.
enum : std::int32_t {
    kErrSecSuccess = 0,
    kErrSecParam = -50,
    kErrSecAllocate = -108,
};

enum class TrustResultType : std::uint32_t {
    Invalid = 0,
    Proceed = 1,
    Confirm = 2,
    Deny = 3,
    Unspecified = 4,
    RecoverableTrustFailure = 5,
    FatalTrustFailure = 6,
    OtherError = 7,
};

class Trust : public ns::Object {
public:
    // certificates: leaf first. nullptr when the chain is empty.
    static std::shared_ptr<Trust> create(std::vector<CertificatePtr> certificates, std::vector<PolicyPtr> policies);

    std::int32_t setPolicies(std::vector<PolicyPtr> policies);
    std::vector<PolicyPtr> policies() const;
    std::int32_t setAnchorCertificates(std::vector<CertificatePtr> anchors);
    std::int32_t setAnchorCertificatesOnly(bool anchorsOnly);
    // Seconds since 1970 at which validity dates are checked; by default the
    // ns::Clock's now at the time of evaluation.
    std::int32_t setVerifyDate(double wallTime);

    // Runs the evaluation; the status is kErrSecSuccess when the evaluation
    // ran (whatever its verdict), and `result` holds the verdict:
    // Unspecified when trusted, RecoverableTrustFailure when not.
    std::int32_t evaluate(TrustResultType& result);
    // Convenience: evaluate and answer whether the chain is trusted.
    bool evaluateIsTrusted();
    // OpenSSL's reason for the last failed evaluation ("" when none).
    std::string lastFailureReason() const;

    std::size_t certificateCount() const;
    // nullptr when out of range.
    CertificatePtr certificateAtIndex(std::size_t index) const;
    // The leaf's public key, even when the chain is not trusted.
    KeyPtr copyPublicKey() const;

    std::string description() const override;

protected:
    Trust(std::vector<CertificatePtr> certificates, std::vector<PolicyPtr> policies)
        : certificates_(std::move(certificates)), policies_(std::move(policies)) {}

private:
    mutable std::mutex mutex_;
    std::vector<CertificatePtr> certificates_;
    std::vector<PolicyPtr> policies_;
    std::vector<CertificatePtr> anchors_;
    bool anchorsSet_ = false;
    bool anchorsOnly_ = false;
    std::optional<double> verifyDate_;
    std::string lastFailure_;
};

using TrustPtr = std::shared_ptr<Trust>;

}  // namespace sec
