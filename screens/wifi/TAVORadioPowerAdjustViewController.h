// Sets the transmit power of the router's radio in three steps (normal,
// strong, strongest): a wave picture of the power in force above a
// three-stop slider and a description. The stop a person settles on is
// sent at once; until the router confirms it the power in force stays as
// it was, and a refusal puts the slider back on it.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Label.h"
#include "screens/wifi/TAVOSignalAdjustingControlView.h"
#include "screens/wifi/TAVOSignalAdjustingHeaderView.h"
#include "widgets/TAVOBaseViewController.h"
#include "widgets/TAVORadioPowerTaking.h"

class TAVORadioPowerAdjustViewController : public TAVOBaseViewController,
                                           public TAVOSignalAdjustingControlViewDelegate,
                                           public TAVORadioPowerTaking {
public:
    using TAVOBaseViewController::TAVOBaseViewController;
    static std::shared_ptr<TAVORadioPowerAdjustViewController> create();

    // The description key of a five-step position.
    static std::string getStr(int position);

    void viewDidLoad() override;

    int radioPower() const { return radioPower_; }
    // The power the opener knows, shown until the router's answer.
    void setRadioPower(int percent) override { radioPower_ = percent; }
    int lastRadioPower() const { return lastRadioPower_; }
    const TAVOSignalAdjustingHeaderViewPtr& headView() const { return headView_; }
    const TAVOSignalAdjustingControlViewPtr& adjustView() const { return adjustView_; }
    const ui::LabelPtr& introduceLabel() const { return introduceLabel_; }

    void adjustControl(TAVOSignalAdjustingControlView& view, int position) override;
    void updateView();

private:
    void getRadio();
    void setRadio(int power);
    void getRadioOK(const ns::Value& records);
    void showError(const std::string& text);

    int radioPower_ = 0;
    int lastRadioPower_ = -1;
    TAVOSignalAdjustingHeaderViewPtr headView_;
    TAVOSignalAdjustingControlViewPtr adjustView_;
    ui::LabelPtr introduceLabel_;
    ns::ScopedObserver becameActive_;
};

using TAVORadioPowerAdjustViewControllerPtr = std::shared_ptr<TAVORadioPowerAdjustViewController>;
