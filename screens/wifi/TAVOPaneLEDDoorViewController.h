// The router's front-panel LEDs, on or off: two side-by-side choices, the
// one in force shown selected. The selection moves only when the router
// has accepted the change.
#pragma once

#include <memory>
#include <string>

#include "platform/ui/Button.h"
#include "widgets/TAVOWIFIViewControler.h"

class TAVOPaneLEDDoorViewController : public TAVOWIFIViewControler {
public:
    using TAVOWIFIViewControler::TAVOWIFIViewControler;
    static std::shared_ptr<TAVOPaneLEDDoorViewController> create();

    static constexpr double kPanelTop = 25;
    static constexpr double kPanelHeight = 235;

    // 1 on, 0 off, as the router status reports it ("" reads as off).
    static int stateFromLEDStatus(const std::string& ledStatus);

    void viewDidLoad() override;

    int currentState() const { return currentState_; }
    const ui::ButtonPtr& openButton() const { return openButton_; }
    const ui::ButtonPtr& closeButton() const { return closeButton_; }

    void tap(ui::Control& button);
    void updateView();

private:
    ui::ButtonPtr makeColumn(const ui::ViewPtr& panel, int column, const char* imageName, const char* titleKey);
    void requestChangeLEDState(int state);
    void showError(const std::string& text);

    int currentState_ = 0;
    int newState_ = 0;
    ui::ButtonPtr openButton_;
    ui::ButtonPtr closeButton_;
};

using TAVOPaneLEDDoorViewControllerPtr = std::shared_ptr<TAVOPaneLEDDoorViewController>;
