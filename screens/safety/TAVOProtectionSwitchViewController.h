// A protection screen on the switch template: which protection it is comes
// from a descriptor (its request-28 type, help page, switch and counter of
// the shared router status, texts and items), so the five protection
// screens differ only in their descriptors.
//
// Switching sends request 28 through the facade; the answer (for every
// protection) reaches every open screen, and each acts only on the answer
// whose "param" carries its own type: a confirmed value is written into
// the shared status at once, so the protection tab shows it before the
// next poll. A request that the facade refuses at once fails like a
// refused answer.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/errors/TAVOError.h"
#include "platform/foundation/NotificationCenter.h"
#include "protocol/records/TAVORouterDynamicInfo.h"
#include "widgets/CircleView.h"
#include "protocol/records/TAVORouterSafeSwitch.h"
#include "screens/safety/TAVOSafeSubViewController.h"

struct TAVOProtectionDescriptor {
    int type = 0;
    long helpTag = 0;
    int TAVORouterSafeSwitch::*switchField = nullptr;
    std::function<int(const TAVORouterDynamicInfo&)> counter;
    // Keys of the string table, in the template's order.
    const char* title;
    const char* titleOn;
    const char* titleOff;
    const char* titleTurningOn;
    const char* titleTurningOff;
    const char* subtitleOn;
    const char* subtitleBlockCountFormat;
    const char* subtitleOff;
    const char* buttonTitleTurnOn;
    const char* buttonTitleTurnOff;
    // {image name, title key}
    std::vector<std::pair<const char*, const char*>> items;
    // The moving-lights mask; empty for the radar.
    std::string maskName;
    // The headline fonts of the on state, when not the template's.
    std::optional<ui::Font> titleFontOn;
    std::optional<ui::Font> subtitleFontOn;
};

class TAVOProtectionSwitchViewController : public TAVOSafeSubViewController {
public:
    using TAVOSafeSubViewController::TAVOSafeSubViewController;

    static constexpr const char* kRadarBackground = "safe_fcw_radar_bg";
    static constexpr const char* kRadarSweep = "safe_fcw_radar";
    static constexpr double kRadarTurnSeconds = 5.0;

    virtual const TAVOProtectionDescriptor& descriptor() const = 0;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

    long tagForHelpView() const override { return descriptor().helpTag; }
    bool isSwitcherON() const override;
    ui::Font titleFontOn() const override;
    ui::Font subtitleFontOn() const override;
    void userDidChangeSwitcher(bool on) override;

    void commonSwOK(const ns::Dictionary& userInfo);
    void commonSwNG(const TAVOErrorPtr& error, const ns::Dictionary& userInfo);

protected:
    // The moving lights, or (without a mask) the radar of the web-site screen.
    virtual void startAnimation();
    void buildViews() override;
    const CircleViewPtr& circleView() const { return circleView_; }

private:
    // The shared status's switch record, or null before the first answer.
    std::shared_ptr<TAVORouterSafeSwitch> sharedSwitches() const;
    bool isOwnAnswer(const ns::Dictionary& userInfo) const;
    void failSwitch(const std::string& message);

    CircleViewPtr circleView_;
    ns::ScopedObserver becameActiveObserver_;
};
