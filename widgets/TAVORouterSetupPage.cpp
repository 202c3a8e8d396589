#include "widgets/TAVORouterSetupPage.h"

#include "platform/foundation/Bundle.h"

std::string TAVORouterSetupPage::address() {
    std::string address = ns::Bundle::deploymentValue(kDeploymentName, kDefaultAddress);
    return address.empty() ? kDefaultAddress : address;
}
