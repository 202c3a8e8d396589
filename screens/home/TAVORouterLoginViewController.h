// An empty screen kept for the router login road; its back item closes it.
#pragma once

#include <memory>

#include "widgets/TAVOBaseViewController.h"

class TAVORouterLoginViewController : public TAVOBaseViewController {
public:
    using TAVOBaseViewController::TAVOBaseViewController;
    static std::shared_ptr<TAVORouterLoginViewController> create() { return make<TAVORouterLoginViewController>(); }

    void viewDidLoad() override;
    void leftNavItemPressed() override;
};
