// The cloud channel's trust decision for the HTTP client library: the same
// rule as the numbered requests (the chain must end in the certificate the
// application carries; the host name is not checked).
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "net/http/TNSecurityPolicy.h"
#include "protocol/requests/TAVOSecurityPolice.h"

class TAVOCommandTrustPolicy : public TNSecurityPolicy {
public:
    static std::shared_ptr<TAVOCommandTrustPolicy> create() {
        return std::shared_ptr<TAVOCommandTrustPolicy>(new TAVOCommandTrustPolicy());
    }
    bool evaluateServerTrust(const sec::TrustPtr& serverTrust, const std::optional<std::string>& domain) override {
        return police_->evaluateServerTrust(serverTrust, domain.value_or(""));
    }
    std::string className() const override { return "TAVOCommandTrustPolicy"; }

private:
    TAVOCommandTrustPolicy() : police_(TAVOSecurityPolice::defaultSecurityPolice()) {}
    TAVOSecurityPolicePtr police_;
};
