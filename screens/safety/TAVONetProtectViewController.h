// Admission control: a radar that keeps asking the router how many
// foreign devices it hears nearby, and a short list with the admission
// switches (admission control, its advanced mode, the anti-Wi-Fi-intruder
// protection) and the two password checks, from which the Wi-Fi password
// and admin password screens open. The background turns from the warning
// to the safe colours when every check is good.
//
// The advanced row exists only while admission control is on. A switch
// change that is not sent, or that fails, returns its row to the stored
// value; the advanced row comes and goes only when admission control
// really flips. The layout is built in code.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/errors/TAVOError.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/foundation/ScopedTimer.h"
#include "platform/ui/TableView.h"
#include "protocol/records/TAVOChannelInfo.h"
#include "uikit/LXAttributedLabel.h"
#include "widgets/CircleView.h"
#include "widgets/TAVOGradientView.h"
#include "widgets/TAVOHelpsView.h"
#include "widgets/TAVOHelpsViewDelegate.h"
#include "widgets/TAVOSwitchCellDelegate.h"
#include "widgets/TAVOWIFIViewControler.h"

class TAVONetProtectViewController : public TAVOWIFIViewControler,
                                     public TAVOSwitchCellDelegate,
                                     public ui::TableViewDataSource,
                                     public ui::TableViewDelegate,
                                     public TAVOHelpsViewDelegate {
public:
    using TAVOWIFIViewControler::TAVOWIFIViewControler;
    static std::shared_ptr<TAVONetProtectViewController> create() { return make<TAVONetProtectViewController>(); }
    ~TAVONetProtectViewController() override;

    enum Row : int { RowTitle, RowPermit, RowAdvance, RowAntiIntruder, RowWiFiPassword, RowAdminPassword };
    static constexpr double kRowHeight = 44;
    static constexpr double kIconSide = 27;
    static constexpr double kBlipSeconds = 1.0;
    static constexpr double kQuerySeconds = 5.0;
    static constexpr double kRadarTurnSeconds = 5.0;
    static constexpr long kHelpTag = 1005;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewDidDisappear(bool animated) override;
    void rightNavItemPressed() override;
    void dismissHelpsView(TAVOHelpsView& view) override;
    void onSwithChanged(ToggleSwitch& switchControl, TAVOSettingSwitchCell& cell) override;

    // State.
    int permitNetOpen() const { return permitNetOpen_; }
    int permitNetAdvanceOpen() const { return permitNetAdvanceOpen_; }
    int antiWiFiBruder() const { return antiWiFiBruder_; }
    int wifiPasswordStrength() const { return wifiPasswordStrength_; }
    bool adminPasswordOK() const { return adminPasswordOK_; }
    bool shouldGetProbedDevices() const { return shouldGetProbedDevices_; }
    void setShouldGetProbedDevices(bool on);

    // What a row shows, by the admission state.
    static Row rowKind(long row, bool permitOpen);
    static long rowOf(Row kind, bool permitOpen);
    bool isSafe() const;
    static ns::AttributedStringPtr passwordStatusText(int strength);
    static ns::AttributedStringPtr adminStatusText();
    // The radar's result line for a channel record and a blocked count.
    static std::string scanResult(const TAVOChannelInfo& info, int blocked);
    void updateScanningLabel(const std::optional<std::string>& result);
    void showError(const std::string& message);

    const TAVOGradientViewPtr& gradientView() const { return gradientView_; }
    const CircleViewPtr& circleView() const { return circleView_; }
    const ui::ViewPtr& randomView() const { return randomView_; }
    const LXAttributedLabelPtr& scanningLabel() const { return scanningLabel_; }
    const std::shared_ptr<ui::TableView>& tableView() const { return tableView_; }

    long numberOfRowsInSection(ui::TableView&, long) override { return permitNetOpen_ ? 6 : 5; }
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView& table, const ui::IndexPath& indexPath) override;
    std::optional<double> heightForRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override { return kRowHeight; }
    void didSelectRowAtIndexPath(ui::TableView& table, const ui::IndexPath& indexPath) override;

private:
    void buildViews();
    void listen();
    void readSharedStatus();
    void changeBackgroundColorAnimated(bool animated);
    void reloadRow(Row kind);
    void dropBlip();
    void askNearbyDevices();
    // A facade result: a refusal runs the failure as an answer would.
    void sent(std::int32_t result, Row kind);
    void permitAnswered(const ns::Dictionary& userInfo);
    void advanceAnswered(const ns::Dictionary& userInfo);
    void intruderAnswered(const ns::Dictionary& userInfo);
    void failed(Row kind, const std::string& message);

    int permitNetOpen_ = 0;
    int permitNetAdvanceOpen_ = 0;
    int antiWiFiBruder_ = 0;
    int wifiPasswordStrength_ = 1;
    bool adminPasswordOK_ = false;
    bool shouldGetProbedDevices_ = false;
    // Switch failures handled so far, so that a refusal is told once.
    unsigned failuresHandled_ = 0;

    TAVOGradientViewPtr gradientView_;
    ui::ViewPtr randomView_;
    CircleViewPtr circleView_;
    LXAttributedLabelPtr scanningLabel_;
    std::shared_ptr<ui::TableView> tableView_;
    std::shared_ptr<TAVOHelpsView> helpsView_;
    ns::ScopedTimer blipTimer_;
    ns::ScopedTimer queryTimer_;
    ns::ScopedObserver becameActiveObserver_;
};
