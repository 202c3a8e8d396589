#include <gtest/gtest.h>

#include "emulator/TestPKI.h"
#include "net/http/TNSecurityPolicy.h"

namespace {

using emulator::TestPKI;

sec::TrustPtr trustFor(const std::vector<std::string>& chain) {
    std::vector<sec::CertificatePtr> certificates;
    for (const auto& name : chain) certificates.push_back(sec::Certificate::createWithData(TestPKI::read(name, "der")));
    auto trust = sec::Trust::create(certificates, {sec::Policy::createBasicX509()});
    // The system store knows nothing of the test root: anchor it as an
    // installed root would be.
    trust->setAnchorCertificates({sec::Certificate::createWithData(TestPKI::rootCA())});
    return trust;
}

TEST(TNSecurityPolicyTest, ModesAndFlagsOverTheTestPKI) {
    struct Case {
        const char* what;
        unsigned mode;
        std::vector<std::string> chain;
        std::vector<std::string> pinned;
        bool validatesChain;
        bool validatesDomain;
        bool allowInvalid;
        std::optional<std::string> host;
        bool accepted;
    };
    const std::vector<Case> cases = {
        {"none, valid", 0, {"server", "root-ca"}, {}, true, false, false, std::nullopt, true},
        {"none, foreign chain refused", 0, {"foreign-server", "foreign-ca"}, {}, true, false, false, std::nullopt, false},
        {"none, foreign chain allowed when invalid is allowed", 0, {"foreign-server", "foreign-ca"}, {}, true, false, true,
         std::nullopt, true},
        {"none, expired refused", 0, {"expired"}, {}, true, false, false, std::nullopt, false},
        {"domain checked: right host", 0, {"server"}, {}, true, true, false, "127.0.0.1", true},
        {"domain checked: wrong host", 0, {"wrong-host"}, {}, true, true, false, "127.0.0.1", false},
        {"domain not checked: wrong host passes", 0, {"wrong-host"}, {}, true, false, false, "127.0.0.1", true},
        {"certificate: whole chain pinned", 2, {"server", "root-ca"}, {"server", "root-ca"}, true, false, false,
         std::nullopt, true},
        {"certificate: leaf not pinned, chain validated", 2, {"server", "root-ca"}, {"root-ca"}, true, false, false,
         std::nullopt, false},
        {"certificate: root pinned, chain not validated", 2, {"server", "root-ca"}, {"root-ca"}, false, false, false,
         std::nullopt, true},
        {"certificate: foreign chain against our root", 2, {"foreign-server", "foreign-ca"}, {"root-ca"}, false, false,
         true, std::nullopt, false},
        {"public key: leaf key pinned, leaf only", 1, {"server", "root-ca"}, {"server"}, false, false, false,
         std::nullopt, true},
        {"public key: leaf key pinned, chain validated", 1, {"server", "root-ca"}, {"server"}, true, false, false,
         std::nullopt, false},
        {"public key: every key pinned", 1, {"server", "root-ca"}, {"server", "root-ca"}, true, false, false,
         std::nullopt, true},
        {"public key: nothing matches", 1, {"server"}, {"foreign-ca"}, false, false, false, std::nullopt, false},
        {"unknown mode", 9, {"server"}, {"server"}, true, false, false, std::nullopt, false},
    };
    for (const auto& c : cases) {
        auto policy = TNSecurityPolicy::create();
        policy->SSLPinningMode = c.mode;
        policy->validatesCertificateChain = c.validatesChain;
        policy->validatesDomainName = c.validatesDomain;
        policy->allowInvalidCertificates = c.allowInvalid;
        std::vector<ns::Data> pinned;
        for (const auto& name : c.pinned) pinned.push_back(TestPKI::read(name, "der"));
        policy->setPinnedCertificates(pinned);
        EXPECT_EQ(policy->evaluateServerTrust(trustFor(c.chain), c.host), c.accepted) << c.what;
    }
}

TEST(TNSecurityPolicyTest, PinnedKeysFollowPinnedCertificates) {
    auto policy = TNSecurityPolicy::defaultPolicy();
    EXPECT_EQ(policy->SSLPinningMode, TNSSLPinningModeNone);
    EXPECT_TRUE(policy->validatesCertificateChain);
    EXPECT_FALSE(policy->validatesDomainName);
    policy->setPinnedCertificates({TestPKI::read("server", "der"), ns::Data::fromString("junk"), TestPKI::rootCA()});
    EXPECT_EQ(policy->pinnedCertificates().size(), 3u);
    EXPECT_EQ(policy->pinnedPublicKeys().size(), 2u);
    EXPECT_FALSE(policy->evaluateServerTrust(nullptr));
}

}  // namespace
