// sec::Certificate: one X.509 certificate, made from and turned back into DER.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/Data.h"
#include "platform/foundation/Object.h"

typedef struct x509_st X509;

namespace sec {

class Key;

class Certificate : public ns::Object {
public:
    // nullptr unless the bytes are exactly one DER-encoded certificate.
    static std::shared_ptr<Certificate> createWithData(const ns::Data& der);
    // Takes one reference of the given certificate (the caller keeps its own).
    static std::shared_ptr<Certificate> createWithX509(X509* certificate);
    ~Certificate() override;

    // The DER encoding, byte for byte as it was read.
    const ns::Data& data() const { return der_; }
    // The subject's common name, or the one-line subject when it has none.
    std::string subjectSummary() const;
    // The certificate's public key, whether or not anyone trusts it.
    std::shared_ptr<Key> publicKey() const;

    // Borrowed; lives as long as this object.
    X509* x509() const { return x509_; }

    std::string description() const override;
    bool isEqual(const ns::Object& other) const override;

protected:
    Certificate(X509* x509, ns::Data der) : x509_(x509), der_(std::move(der)) {}

private:
    X509* x509_;
    ns::Data der_;
};

using CertificatePtr = std::shared_ptr<Certificate>;

}  // namespace sec
