#include "platform/net/Trust.h"

#include <openssl/x509.h>
#include <openssl/x509_vfy.h>
#include <openssl/x509v3.h>

#include <arpa/inet.h>

#include <ctime>

#include "platform/foundation/Clock.h"

namespace sec {

namespace {

bool isIPAddress(const std::string& host) {
    unsigned char buffer[16];
    return inet_pton(AF_INET, host.c_str(), buffer) == 1 || inet_pton(AF_INET6, host.c_str(), buffer) == 1;
}

struct StoreDeleter {
    void operator()(X509_STORE* s) const { X509_STORE_free(s); }
};
struct ContextDeleter {
    void operator()(X509_STORE_CTX* c) const { X509_STORE_CTX_free(c); }
};
struct StackDeleter {
    void operator()(STACK_OF(X509)* s) const { sk_X509_free(s); }
};

}  // namespace

std::shared_ptr<Trust> Trust::create(std::vector<CertificatePtr> certificates, std::vector<PolicyPtr> policies) {
    std::erase(certificates, nullptr);
    std::erase(policies, nullptr);
    if (certificates.empty()) return nullptr;
    return std::shared_ptr<Trust>(new Trust(std::move(certificates), std::move(policies)));
}

std::int32_t Trust::setPolicies(std::vector<PolicyPtr> policies) {
    std::erase(policies, nullptr);
    std::lock_guard<std::mutex> lock(mutex_);
    policies_ = std::move(policies);
    return kErrSecSuccess;
}

std::vector<PolicyPtr> Trust::policies() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return policies_;
}

std::int32_t Trust::setAnchorCertificates(std::vector<CertificatePtr> anchors) {
    std::erase(anchors, nullptr);
    std::lock_guard<std::mutex> lock(mutex_);
    anchors_ = std::move(anchors);
    anchorsSet_ = true;
    anchorsOnly_ = true;
    return kErrSecSuccess;
}

std::int32_t Trust::setAnchorCertificatesOnly(bool anchorsOnly) {
    std::lock_guard<std::mutex> lock(mutex_);
    anchorsOnly_ = anchorsOnly;
    return kErrSecSuccess;
}

std::int32_t Trust::setVerifyDate(double wallTime) {
    std::lock_guard<std::mutex> lock(mutex_);
    verifyDate_ = wallTime;
    return kErrSecSuccess;
}

std::int32_t Trust::evaluate(TrustResultType& result) {
    std::lock_guard<std::mutex> lock(mutex_);
    result = TrustResultType::Invalid;
    lastFailure_.clear();

    std::unique_ptr<X509_STORE, StoreDeleter> store(X509_STORE_new());
    std::unique_ptr<X509_STORE_CTX, ContextDeleter> context(X509_STORE_CTX_new());
    std::unique_ptr<STACK_OF(X509), StackDeleter> untrusted(sk_X509_new_null());
    if (!store || !context || !untrusted) return kErrSecAllocate;

    for (const auto& anchor : anchors_) X509_STORE_add_cert(store.get(), anchor->x509());
    if (!anchorsSet_ || !anchorsOnly_) X509_STORE_set_default_paths(store.get());
    for (std::size_t i = 1; i < certificates_.size(); ++i) sk_X509_push(untrusted.get(), certificates_[i]->x509());

    if (X509_STORE_CTX_init(context.get(), store.get(), certificates_.front()->x509(), untrusted.get()) != 1)
        return kErrSecAllocate;

    X509_VERIFY_PARAM* param = X509_STORE_CTX_get0_param(context.get());
    // An anchor anywhere in the chain ends it: a pinned intermediate or leaf
    // is trusted without its issuers.
    X509_VERIFY_PARAM_set_flags(param, X509_V_FLAG_PARTIAL_CHAIN);
    double when = verifyDate_ ? *verifyDate_ : ns::Clock::now();
    X509_VERIFY_PARAM_set_time(param, static_cast<time_t>(when));

    for (const auto& policy : policies_) {
        if (policy->kind() != Policy::Kind::SSL) continue;
        X509_VERIFY_PARAM_set_purpose(param, policy->server() ? X509_PURPOSE_SSL_SERVER : X509_PURPOSE_SSL_CLIENT);
        if (const auto& host = policy->hostName()) {
            int ok = isIPAddress(*host) ? X509_VERIFY_PARAM_set1_ip_asc(param, host->c_str())
                                        : X509_VERIFY_PARAM_set1_host(param, host->c_str(), host->size());
            if (ok != 1) {
                // A name that cannot even be matched matches nothing.
                lastFailure_ = "unusable host name";
                result = TrustResultType::RecoverableTrustFailure;
                return kErrSecSuccess;
            }
        }
    }

    int verified = X509_verify_cert(context.get());
    if (verified == 1) {
        result = TrustResultType::Unspecified;
    } else {
        int error = X509_STORE_CTX_get_error(context.get());
        lastFailure_ = X509_verify_cert_error_string(error);
        result = TrustResultType::RecoverableTrustFailure;
    }
    return kErrSecSuccess;
}

bool Trust::evaluateIsTrusted() {
    TrustResultType result;
    return evaluate(result) == kErrSecSuccess &&
           (result == TrustResultType::Unspecified || result == TrustResultType::Proceed);
}

std::string Trust::lastFailureReason() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return lastFailure_;
}

std::size_t Trust::certificateCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return certificates_.size();
}

CertificatePtr Trust::certificateAtIndex(std::size_t index) const {
    std::lock_guard<std::mutex> lock(mutex_);
    return index < certificates_.size() ? certificates_[index] : nullptr;
}

KeyPtr Trust::copyPublicKey() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return certificates_.front()->publicKey();
}

std::string Trust::description() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return "<SecTrust: " + certificates_.front()->subjectSummary() + ", " + std::to_string(certificates_.size()) +
           " certificates>";
}

}  // namespace sec
