// A small panel explaining the Wi-Fi timer of health mode, shown inside a
// popup; its close control tells the delegate.
#pragma once

#include <memory>

#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "screens/wifi/TAVOHealthModeHelpViewControllerDelegate.h"
#include "widgets/TAVOPopupViewControllerDelegate.h"
#include "widgets/TAVOWIFIViewControler.h"

class TAVOHealthModeHelpViewController : public TAVOWIFIViewControler, public TAVOPopupViewControllerDelegate {
public:
    using TAVOWIFIViewControler::TAVOWIFIViewControler;
    static std::shared_ptr<TAVOHealthModeHelpViewController> create() { return make<TAVOHealthModeHelpViewController>(); }

    static constexpr double kLogoTop = 25;
    static constexpr double kShowGap = 27;
    static constexpr double kTextGap = 19;
    static constexpr double kTextX = 27;
    static constexpr double kTextHeight = 50;

    std::shared_ptr<TAVOHealthModeHelpViewControllerDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVOHealthModeHelpViewControllerDelegate>& d) { delegate_ = d; }

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void userDidClickClose(TAVOPopupViewController& popup) override;

    const ui::ImageViewPtr& logoView() const { return logoView_; }
    const ui::LabelPtr& textLabel() const { return textLabel_; }

private:
    void setupView();

    std::weak_ptr<TAVOHealthModeHelpViewControllerDelegate> delegate_;
    ui::ImageViewPtr logoView_;
    ui::ImageViewPtr showView_;
    ui::LabelPtr textLabel_;
};
