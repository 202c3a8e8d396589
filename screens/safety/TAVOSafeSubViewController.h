// The common screen behind five protection rows: a coloured page with a
// two-line headline, one large button that switches the protection, the
// list of what it covers with each item's state, and an optional help
// panel. It owns the switch's four states and the item-by-item animation
// after the router confirmed a change; it never talks to the router
// itself: a subclass fills the texts and the list, reads the switch,
// sends the change and forwards the router's answer to requestOK or
// requestNG.
//
// States: 0 on, 1 off, 2 turning on, 3 turning off. The layout is built in
// code.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/TableView.h"
#include "uikit/LXAttributedLabel.h"
#include "widgets/TAVOGradientView.h"
#include "widgets/TAVOHelpsView.h"
#include "widgets/TAVOHelpsViewDelegate.h"
#include "widgets/TAVOWIFIViewControler.h"

// One row of the list: an image name (a format filled with the row number
// plus 1) and its translated title.
struct TAVOSecurityItem {
    std::string image;
    std::string title;
};

class TAVOSafeSubViewController : public TAVOWIFIViewControler,
                                  public ui::TableViewDataSource,
                                  public ui::TableViewDelegate,
                                  public TAVOHelpsViewDelegate {
public:
    using TAVOWIFIViewControler::TAVOWIFIViewControler;

    enum SwitcherStatus : int { StatusOn = 0, StatusOff = 1, StatusTurningOn = 2, StatusTurningOff = 3 };
    enum StepKind : int { StepOn = 2, StepOff = 3 };

    static constexpr double kStepInterval = 1.0;
    static constexpr double kTransitionSeconds = 0.25;
    static constexpr double kRowHeight = 44;
    static constexpr double kIconSide = 27;
    static constexpr const char* kCellIdentifier = "securityCell";
    static constexpr const char* kHelpImageName = "topbar_ic_info";

    // Set by the subclass before viewDidLoad (translated texts).
    std::string titleForViewController;
    std::string titleOn, titleOff, titleTurningOn, titleTurningOff;
    std::string subtitleOn, subtitleBlockCountFormat, subtitleOff;
    std::string buttonTitleTurnOn, buttonTitleTurnOff;
    int blockCount = 0;
    std::vector<TAVOSecurityItem> securityItems;

    void viewDidLoad() override;
    void viewDidAppear(bool animated) override;
    void rightNavItemPressed() override;

    // Overridable hooks.
    virtual long tagForHelpView() const { return 0; }
    virtual ui::Font titleFontOn() const { return ui::Font::systemFontOfSize(16); }
    virtual ui::Font subtitleFontOn() const { return ui::Font::boldSystemFontOfSize(17); }
    virtual bool isSwitcherON() const { return false; }
    virtual void userDidChangeSwitcher(bool /*on*/) {}

    void clickEnableButton();
    void requestOK();
    void requestNG();
    void startFlashingUsingMaskImage(const std::string& maskName);

    int switcherStatus() const { return switcherStatus_; }
    void setSwitcherStatus(int status, bool animated);

    // The headline of a state, as the label shows it.
    ns::AttributedStringPtr headlineForStatus(int status) const;
    static std::string statusTextForStatus(int status);
    static ui::Color statusColorForStatus(int status);

    const TAVOGradientViewPtr& gradientView() const { return gradientView_; }
    const LXAttributedLabelPtr& titleLabel() const { return titleLabel_; }
    const ui::ButtonPtr& buttonEnable() const { return buttonEnable_; }
    const std::shared_ptr<ui::TableView>& tableView() const { return tableView_; }
    const ui::ImageViewPtr& flashImageView() const { return flashImageView_; }
    const std::shared_ptr<TAVOHelpsView>& helpsView() const { return helpsView_; }

    // Table.
    long numberOfRowsInSection(ui::TableView&, long) override { return static_cast<long>(securityItems.size()); }
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& indexPath) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override { return kRowHeight; }
    void dismissHelpsView(TAVOHelpsView& view) override;

protected:
    // Lays the views out for the screen height (tall and short screens).
    virtual void buildViews();
    void animateSteps(int kind, long index);

private:
    void applyButton(int status);

    int switcherStatus_ = -1;
    TAVOGradientViewPtr gradientView_;
    LXAttributedLabelPtr titleLabel_;
    ui::ButtonPtr buttonEnable_;
    std::shared_ptr<ui::TableView> tableView_;
    ui::ImageViewPtr flashImageView_;
    std::shared_ptr<TAVOHelpsView> helpsView_;
    ns::ScopedTimer stepTimer_;
};
