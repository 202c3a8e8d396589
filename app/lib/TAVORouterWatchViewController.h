// The first screen until the login and home screens exist: it drives the
// engine so that the application manages a router with no set-up. It signs
// in (the stored account; otherwise, or when that is refused, the demo
// account of the deployment value KEELBOX_DEMO_ACCOUNT="user:password"),
// fetches the routers list, selects the router the user worked on before
// (else the first), and then shows the router, its status and its live
// speeds as each report arrives, as labels and as lines on the printer
// (standard output by default).
//
// Like the home screen, it asks whether the introduction is due and marks
// start-up as finished. Main thread only.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "management/pollers/TAVORouterGetSpeedListener.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/ViewController.h"

namespace ui {
class Label;
}

class TAVORouterWatchViewController : public ui::ViewController, public TAVORouterGetSpeedListenerDelegate {
public:
    using ui::ViewController::ViewController;
    enum class Stage { Starting, SigningIn, ListingRouters, WaitingForStatus, StatusShown, Failed };
    using Printer = std::function<void(const std::string& line)>;

    // The deployment value of the demo account (read from KEELBOX_DEMO_ACCOUNT,
    // or the bundle's info value of that name).
    static constexpr const char* kDemoAccountSetting = "DemoAccount";
    static constexpr const char* kDemoAccountVariable = "KEELBOX_DEMO_ACCOUNT";

    static std::shared_ptr<TAVORouterWatchViewController> create();
    ~TAVORouterWatchViewController() override;

    // The demo account of the deployment value: "user:password" (the
    // password may hold ':'); nothing when unset or malformed.
    static std::optional<std::pair<std::string, std::string>> demoAccount();

    // Where the lines go; set before the view loads.
    void setPrinter(Printer printer) { printer_ = std::move(printer); }

    void viewDidLoad() override;

    Stage stage() const { return stage_; }
    bool showedIntroduction() const { return showedIntroduction_; }
    const std::shared_ptr<ui::Label>& headlineLabel() const { return headlineLabel_; }
    const std::shared_ptr<ui::Label>& routerLabel() const { return routerLabel_; }
    const std::shared_ptr<ui::Label>& statusLabel() const { return statusLabel_; }
    const std::shared_ptr<ui::Label>& speedLabel() const { return speedLabel_; }
    const std::shared_ptr<TAVORouterGetSpeedListener>& speedListener() const { return speedListener_; }

    // Stops the pollers and listens to nothing more.
    void stop();

    void lisenerSpeed(TAVORouterGetSpeedListener& lisener, const ns::Array& speed) override;
    void lisenerDownSpeedUpSpeed(TAVORouterGetSpeedListener& lisener, int downSpeed, int upSpeed) override;
    void lisenerError(TAVORouterGetSpeedListener& lisener, const TAVOErrorPtr& error) override;

private:
    void start();
    void signInWithDemoAccount();
    void signedIn();
    void routersListed();
    void fail(const std::string& message);
    void say(const std::shared_ptr<ui::Label>& label, const std::string& text);
    // Registrations are the screen's own (it is their observer): they end
    // with it, or all at once with stopObserving.
    void observe(const std::string& name, std::function<void(const ns::NotificationPtr&)> action);
    void stopObserving();

    Stage stage_ = Stage::Starting;
    bool showedIntroduction_ = false;
    bool triedDemoAccount_ = false;
    Printer printer_;
    std::shared_ptr<TAVORouterGetSpeedListener> speedListener_;
    std::shared_ptr<ui::Label> headlineLabel_, routerLabel_, statusLabel_, speedLabel_;
};
