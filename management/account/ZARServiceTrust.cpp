#include "management/account/ZARServiceTrust.h"

#include <string_view>

#include "core/crypto/Base64Codec.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/FileData.h"
#include "platform/net/Policy.h"

namespace {

constexpr std::string_view kBegin = "-----BEGIN CERTIFICATE-----";
constexpr std::string_view kEnd = "-----END CERTIFICATE-----";

std::vector<sec::CertificatePtr> certificatesOf(const ns::Data& file) {
    std::vector<sec::CertificatePtr> out;
    const std::string_view text(reinterpret_cast<const char*>(file.bytes()), file.length());
    std::size_t at = text.find(kBegin);
    if (at == std::string_view::npos) {
        if (auto der = sec::Certificate::createWithData(file)) out.push_back(der);
        return out;
    }
    while (at != std::string_view::npos) {
        const std::size_t body = at + kBegin.size();
        const std::size_t end = text.find(kEnd, body);
        if (end == std::string_view::npos) break;
        const auto* bytes = reinterpret_cast<const std::uint8_t*>(text.data() + body);
        if (auto der = Base64Codec::decodeStrict(bytes, end - body))
            if (auto certificate = sec::Certificate::createWithData(*der)) out.push_back(certificate);
        at = text.find(kBegin, end + kEnd.size());
    }
    return out;
}

}  // namespace

std::vector<sec::CertificatePtr> ZARServiceTrust::deploymentAuthorities() {
    const std::string path = ns::Bundle::deploymentValue(kCAFileSetting);
    if (path.empty()) return {};
    // Read at every evaluation: a handful of bytes per sign-in, and a changed
    // deployment value takes effect at once.
    auto file = ns::dataWithContentsOfFile(path);
    return file ? certificatesOf(*file) : std::vector<sec::CertificatePtr>{};
}

bool ZARServiceTrust::evaluate(const sec::TrustPtr& trust, const std::string& host) {
    if (!trust) return false;
    if (trust->setPolicies({sec::Policy::createSSL(true, host)}) != sec::kErrSecSuccess) return false;
    auto authorities = deploymentAuthorities();
    if (!authorities.empty()) {
        // Added to the system's roots, not in their place.
        if (trust->setAnchorCertificates(std::move(authorities)) != sec::kErrSecSuccess) return false;
        if (trust->setAnchorCertificatesOnly(false) != sec::kErrSecSuccess) return false;
    }
    return trust->evaluateIsTrusted();
}
