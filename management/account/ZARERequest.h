// A request to the user-account service: GET <endpoint>?parad=<block>&from=<client>,
// where the block is the DES-encrypted, signed query of all parameters.
#pragma once

#include <memory>
#include <string>

#include "management/account/KXRequest.h"
#include "management/account/ZARClentInfoProvider.h"

class ZARERequest : public KXRequest {
public:
    std::weak_ptr<ZARClentInfoProvider> clientInfoProvider;

    // The service endpoint: the deployment value "AccountServiceURL"
    // (KEELBOX_ACCOUNT_SERVICE_URL overrides it).
    std::string getHttpURL() override;
    std::string getHttpMethod() override { return "GET"; }
    // The common parameters, then the request's own.
    ns::Dictionary generateParams() override;
    // Sorted "name=<URL-encoded value>&..." plus "sig", encrypted:
    // "parad=<block>&from=<client id>".
    std::string generateParamsString() override;

    // "from", "is_keep_alive" and "v".
    virtual void generateCommonParams(ns::Dictionary& params);
    virtual void generateSpecialParams(ns::Dictionary& /*params*/) {}
    bool isNeedBoundary() const { return false; }

    // The query before encryption: every pair in sorted order joined by "&",
    // values URL-encoded, ending with "sig=" and the lower-case MD5 of the
    // raw pairs followed by the signing key.
    std::string signedPlainText(const ns::Dictionary& params, const std::string& sigKey) const;

    static constexpr const char* kDefaultServiceURL = "https://account.keelbox.org/api.php";
    std::string className() const override { return "ZARERequest"; }
};
