#include "platform/net/Certificate.h"

#include <openssl/x509.h>

#include "platform/net/Key.h"

namespace sec {

std::shared_ptr<Certificate> Certificate::createWithData(const ns::Data& der) {
    if (der.empty()) return nullptr;
    const unsigned char* cursor = der.bytes();
    X509* x509 = d2i_X509(nullptr, &cursor, static_cast<long>(der.length()));
    if (!x509) return nullptr;
    // Trailing bytes mean this was not one certificate: refuse rather than guess.
    if (cursor != der.bytes() + der.length()) {
        X509_free(x509);
        return nullptr;
    }
    return std::shared_ptr<Certificate>(new Certificate(x509, der));
}

std::shared_ptr<Certificate> Certificate::createWithX509(X509* certificate) {
    if (!certificate) return nullptr;
    unsigned char* out = nullptr;
    int length = i2d_X509(certificate, &out);
    if (length <= 0) return nullptr;
    ns::Data der(out, static_cast<std::size_t>(length));
    OPENSSL_free(out);
    X509_up_ref(certificate);
    return std::shared_ptr<Certificate>(new Certificate(certificate, std::move(der)));
}

Certificate::~Certificate() { X509_free(x509_); }

std::string Certificate::subjectSummary() const {
    X509_NAME* name = X509_get_subject_name(x509_);
    char buffer[256] = {0};
    if (X509_NAME_get_text_by_NID(name, NID_commonName, buffer, sizeof buffer) > 0) return buffer;
    char* line = X509_NAME_oneline(name, nullptr, 0);
    std::string summary = line ? line : "";
    OPENSSL_free(line);
    return summary;
}

std::shared_ptr<Key> Certificate::publicKey() const {
    return Key::createWithEVP(X509_get0_pubkey(x509_));
}

std::string Certificate::description() const {
    return "<cert(" + std::to_string(reinterpret_cast<std::uintptr_t>(this)) + ") s: " + subjectSummary() + ">";
}

bool Certificate::isEqual(const ns::Object& other) const {
    auto* cert = dynamic_cast<const Certificate*>(&other);
    return cert && cert->der_ == der_;
}

}  // namespace sec
