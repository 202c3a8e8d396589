// Shows one of the texts the application carries (the privacy statement or
// the licence agreement) under a bar titled with the screen's title.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/TextView.h"
#include "widgets/TAVOBaseViewController.h"

class TAVOLicenseAgreementsViewController : public TAVOBaseViewController {
public:
    using TAVOBaseViewController::TAVOBaseViewController;
    static std::shared_ptr<TAVOLicenseAgreementsViewController> create() {
        return ui::ViewController::make<TAVOLicenseAgreementsViewController>();
    }

    // The UTF-8 text of a bundle resource "<name>.txt"; empty when it is
    // missing or unreadable.
    static std::string bundleText(const std::string& name);

    void viewDidLoad() override;

    std::string statements;
    const std::shared_ptr<ui::TextView>& statementsTextView() const { return statementsTextView_; }

private:
    std::shared_ptr<ui::TextView> statementsTextView_;
};
