#include <gtest/gtest.h>

#include "emulator/TestPKI.h"
#include "platform/net/Trust.h"

namespace {

using emulator::TestPKI;
using sec::Certificate;
using sec::Policy;
using sec::Trust;

sec::CertificatePtr load(const std::string& name) {
    auto cert = Certificate::createWithData(TestPKI::read(name, "der"));
    EXPECT_TRUE(cert) << name;
    return cert;
}

TEST(CertificateTest, RoundTripsDERAndRefusesAnythingElse) {
    ns::Data der = TestPKI::read("server", "der");
    auto cert = Certificate::createWithData(der);
    ASSERT_TRUE(cert);
    EXPECT_EQ(cert->data(), der);
    EXPECT_EQ(cert->subjectSummary(), "127.0.0.1");
    EXPECT_TRUE(cert->isEqual(*Certificate::createWithData(der)));
    EXPECT_FALSE(cert->isEqual(*load("root-ca")));

    ns::Data trailing = der;
    trailing.append("\0", 1);
    ns::Data truncated = der.subdata(0, der.length() - 1);
    for (const ns::Data& bad : {ns::Data(), ns::Data::fromString("not a certificate"), trailing, truncated})
        EXPECT_FALSE(Certificate::createWithData(bad));
}

struct TrustCase {
    const char* what;
    std::vector<const char*> chain;
    std::vector<const char*> anchors;  // empty: system roots only
    std::optional<std::string> sslHost;  // none: basic X.509 policy
    std::optional<double> verifyDate;
    bool trusted;
};

TEST(TrustTest, EvaluatesChainsAgainstAnchorsPoliciesAndTime) {
    const double mid2020 = 1593561600;  // 2020-07-01
    const double in2019 = 1546300800;   // 2019-01-01
    const std::vector<TrustCase> cases = {
        {"leaf under the test root", {"server"}, {"root-ca"}, std::nullopt, std::nullopt, true},
        {"full chain, IP host", {"server", "root-ca"}, {"root-ca"}, "127.0.0.1", std::nullopt, true},
        {"DNS host", {"server"}, {"root-ca"}, "localhost", std::nullopt, true},
        {"host not named", {"server"}, {"root-ca"}, "other.example", std::nullopt, false},
        {"SSL policy without host", {"wrong-host"}, {"root-ca"}, "", std::nullopt, true},
        {"wrong host, basic policy", {"wrong-host"}, {"root-ca"}, std::nullopt, std::nullopt, true},
        {"wrong host, SSL policy", {"wrong-host"}, {"root-ca"}, "127.0.0.1", std::nullopt, false},
        {"expired leaf", {"expired"}, {"root-ca"}, std::nullopt, std::nullopt, false},
        {"expired leaf, checked in 2020", {"expired"}, {"root-ca"}, std::nullopt, mid2020, true},
        {"not yet valid", {"server"}, {"root-ca"}, std::nullopt, in2019, false},
        {"foreign leaf", {"foreign-server"}, {"root-ca"}, std::nullopt, std::nullopt, false},
        {"foreign chain carrying its own root", {"foreign-server", "foreign-ca"}, {"root-ca"}, std::nullopt,
         std::nullopt, false},
        {"foreign leaf under its own CA", {"foreign-server"}, {"foreign-ca"}, "127.0.0.1", std::nullopt, true},
        {"leaf is itself the anchor", {"server"}, {"server"}, std::nullopt, std::nullopt, true},
        {"no anchors: system roots", {"server"}, {}, std::nullopt, std::nullopt, false},
    };
    for (const auto& c : cases) {
        std::vector<sec::CertificatePtr> chain;
        for (auto name : c.chain) chain.push_back(load(name));
        sec::PolicyPtr policy = c.sslHost ? Policy::createSSL(true, *c.sslHost) : Policy::createBasicX509();
        auto trust = Trust::create(chain, {policy});
        ASSERT_TRUE(trust);
        if (!c.anchors.empty()) {
            std::vector<sec::CertificatePtr> anchors;
            for (auto name : c.anchors) anchors.push_back(load(name));
            trust->setAnchorCertificates(anchors);
        }
        if (c.verifyDate) trust->setVerifyDate(*c.verifyDate);
        sec::TrustResultType result;
        ASSERT_EQ(trust->evaluate(result), sec::kErrSecSuccess) << c.what;
        EXPECT_EQ(result, c.trusted ? sec::TrustResultType::Unspecified : sec::TrustResultType::RecoverableTrustFailure)
            << c.what << ": " << trust->lastFailureReason();
        EXPECT_EQ(trust->evaluateIsTrusted(), c.trusted) << c.what;
    }
}

TEST(TrustTest, AnchorsOnlyOffStillHonoursTheAnchorsAndPoliciesCanChange) {
    auto trust = Trust::create({load("wrong-host")}, {Policy::createBasicX509()});
    trust->setAnchorCertificates({load("root-ca")});
    trust->setAnchorCertificatesOnly(false);
    EXPECT_TRUE(trust->evaluateIsTrusted());
    trust->setPolicies({Policy::createSSL(true, std::string("127.0.0.1"))});
    EXPECT_FALSE(trust->evaluateIsTrusted());
    EXPECT_FALSE(trust->lastFailureReason().empty());
    // The same question twice gives the same answer.
    EXPECT_FALSE(trust->evaluateIsTrusted());
}

TEST(TrustTest, ExposesTheChainAndTheLeafKeyEvenWhenUntrusted) {
    auto leaf = load("foreign-server");
    auto trust = Trust::create({leaf, load("foreign-ca")}, {Policy::createBasicX509()});
    trust->setAnchorCertificates({load("root-ca")});
    EXPECT_FALSE(trust->evaluateIsTrusted());
    EXPECT_EQ(trust->certificateCount(), 2u);
    EXPECT_TRUE(trust->certificateAtIndex(0)->isEqual(*leaf));
    EXPECT_EQ(trust->certificateAtIndex(1)->subjectSummary(), "Foreign Test CA");
    EXPECT_FALSE(trust->certificateAtIndex(2));
    auto key = trust->copyPublicKey();
    ASSERT_TRUE(key);
    EXPECT_TRUE(key->isEqual(*leaf->publicKey()));
    EXPECT_FALSE(key->isEqual(*load("server")->publicKey()));
    EXPECT_EQ(key->bits(), 2048);
    EXPECT_FALSE(key->subjectPublicKeyInfo().empty());

    EXPECT_FALSE(Trust::create({}, {Policy::createBasicX509()}));
}

}  // namespace
