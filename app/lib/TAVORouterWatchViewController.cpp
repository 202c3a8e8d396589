#include "app/lib/TAVORouterWatchViewController.h"

#include <cstdio>
#include <sstream>

#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVORouterPreference.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "management/account/TAVOZARAdapter.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/DispatchQueue.h"
#include "platform/ui/Label.h"
#include "protocol/TAVORequestAnswers.h"
#include "protocol/requests/catalogue/TAVORoutersListRequest.h"

namespace {

std::string channelText(const TAVORouterModelPtr& router) {
    return router->isLocalRouter ? "over the home network" : "over the cloud";
}

std::string routerText(const TAVORouterModelPtr& router) {
    std::ostringstream text;
    text << "Router " << router->router_id;
    if (!router->ssid.empty()) text << " \"" << router->ssid << "\"";
    if (!router->mac.empty()) text << " (" << router->mac << ")";
    text << ", " << channelText(router);
    return text.str();
}

std::string statusText(const TAVORouterStatusPtr& status) {
    std::ostringstream text;
    text << "Status:";
    if (!status) return "Status: no report";
    if (status->hardwareInfo && !status->hardwareInfo->rom_version.empty())
        text << " ROM " << status->hardwareInfo->rom_version << ",";
    if (status->wanStatus) {
        const bool up = status->wanStatus->wan_status == "1";
        text << " internet " << (up ? "connected" : "not connected");
        if (!status->wanStatus->wan_ip.empty()) text << " (WAN " << status->wanStatus->wan_ip << ")";
        text << ",";
    }
    if (status->staticInfo) text << " " << ns::Value(status->staticInfo->stat_client).intValue() << " devices online";
    if (status->internetStatus && !status->internetStatus->isp.empty()) text << ", line " << status->internetStatus->isp;
    return text.str();
}

std::string errorText(const TAVOErrorPtr& error) {
    if (!error) return "unknown error";
    std::ostringstream text;
    text << (error->errorMsg().empty() ? std::string("error") : error->errorMsg()) << " (" << error->errorCode() << ")";
    return text.str();
}

void printToStandardOutput(const std::string& line) {
    std::fputs((line + "\n").c_str(), stdout);
    std::fflush(stdout);
}

}  // namespace

std::shared_ptr<TAVORouterWatchViewController> TAVORouterWatchViewController::create() {
    auto screen = ui::ViewController::make<TAVORouterWatchViewController>();
    screen->printer_ = printToStandardOutput;
    return screen;
}

TAVORouterWatchViewController::~TAVORouterWatchViewController() {
    stopObserving();
    // The facade's shared status poller is left to whoever shows the router next.
    if (speedListener_) speedListener_->endLisener(true);
}

std::optional<std::pair<std::string, std::string>> TAVORouterWatchViewController::demoAccount() {
    const std::string text = ns::Bundle::deploymentValue(kDemoAccountSetting);
    const auto colon = text.find(':');
    if (colon == std::string::npos || colon == 0 || colon + 1 == text.size()) return std::nullopt;
    return std::make_pair(text.substr(0, colon), text.substr(colon + 1));
}

void TAVORouterWatchViewController::viewDidLoad() {
    auto preference = TAVORouterPreference::shareInstance();
    showedIntroduction_ = preference->shouldShowIntroduce();
    view()->setBackgroundColor(ui::Color::whiteColor());
    const cg::Rect bounds = view()->bounds();
    auto makeLabel = [&](double y, double height, double fontSize) {
        auto label = ui::Label::create(cg::RectMake(16, y, bounds.size.width - 32, height));
        label->setNumberOfLines(0);
        label->setTextColor(ui::Color::blackColor());
        label->setFont(ui::Font::systemFontOfSize(fontSize));
        view()->addSubview(label);
        return label;
    };
    auto title = makeLabel(40, 30, 20);
    title->setText(TAVOLocalizedString("Keelbox"));
    headlineLabel_ = makeLabel(80, 50, 14);
    routerLabel_ = makeLabel(140, 60, 14);
    statusLabel_ = makeLabel(210, 90, 14);
    speedLabel_ = makeLabel(310, 50, 14);
    preference->finishStartup();

    // Start once launching is over, when the event hub and the error system
    // are in place.
    std::weak_ptr<TAVORouterWatchViewController> weak = self<TAVORouterWatchViewController>();
    dispatch::Queue::main()->async([weak] {
        if (auto screen = weak.lock()) screen->start();
    });
}

void TAVORouterWatchViewController::start() {
    if (stage_ != Stage::Starting) return;
    stage_ = Stage::SigningIn;
    auto facade = TAVOAccountManager::shareInstance();
    observe(kZARLoginOKNotification, [this](const ns::NotificationPtr&) { signedIn(); });
    observe(kZARAutoLoginOKNotification, [this](const ns::NotificationPtr&) { signedIn(); });
    observe(kZARLoginNGNotification, [this](const ns::NotificationPtr& n) {
        fail("Sign-in refused: " + n->userInfo()["msg"].stringValue());
    });
    observe(kZARAutoLoginNGNotification, [this](const ns::NotificationPtr& n) {
        // A stored account the service no longer knows: try the demo account.
        if (demoAccount()) {
            say(headlineLabel_, "The stored account was refused (" + n->userInfo()["msg"].stringValue() + ")");
            signInWithDemoAccount();
        } else {
            fail("Sign-in with the stored account refused: " + n->userInfo()["msg"].stringValue());
        }
    });

    const ns::Value stored = TAVORouterPreference::shareInstance()->accountDic();
    const std::string q = stored["q"].stringValue(), t = stored["t"].stringValue();
    if (!q.empty() && !t.empty()) {
        say(headlineLabel_, "Signing in with the stored account");
        if (auto refused = facade->autoLogin(q, t)) {
            if (!demoAccount()) return fail("Cannot sign in with the stored account: " + *refused);
            signInWithDemoAccount();
        }
        return;
    }
    signInWithDemoAccount();
}

void TAVORouterWatchViewController::signInWithDemoAccount() {
    auto account = demoAccount();
    if (!account || triedDemoAccount_) {
        return fail(std::string("Not signed in: no stored account; set ") + kDemoAccountVariable + "=\"user:password\"");
    }
    triedDemoAccount_ = true;
    say(headlineLabel_, "Signing in as " + account->first);
    if (auto refused = TAVOAccountManager::shareInstance()->login(account->first, account->second))
        fail("Cannot sign in as " + account->first + ": " + *refused);
}

void TAVORouterWatchViewController::signedIn() {
    if (stage_ != Stage::SigningIn) return;
    auto facade = TAVOAccountManager::shareInstance();
    auto account = facade->currentAccountData();
    if (!account) return fail("Signed in, but no account was kept");
    // Remembered for the next start, as the login screen does.
    TAVORouterPreference::shareInstance()->saveQT(account->q(), account->t());
    const std::string who = account->username().empty() ? account->qid() : account->username();
    say(headlineLabel_, "Signed in as " + who);

    stage_ = Stage::ListingRouters;
    auto listFailed = [this](const TAVOErrorPtr& error, const ns::Dictionary&) {
        fail("The routers list failed: " + errorText(error));
    };
    auto self = this->self<TAVORouterWatchViewController>();
    TAVORequestAnswers::listen<TAVORoutersListRequest>(
        self, [this](const ns::Value&, const ns::Dictionary&) { routersListed(); }, listFailed);
    // Refused by the facade or by the provider, the failure arrives the same way.
    (void)TAVORequestAnswers::deliverRefusal(facade->requestRoutersList(), self, listFailed);
}

void TAVORouterWatchViewController::routersListed() {
    if (stage_ != Stage::ListingRouters) return;
    stopObserving();
    auto facade = TAVOAccountManager::shareInstance();
    const auto routers = facade->currentRoutersList();
    if (routers.empty()) return fail("The account has no routers");
    facade->selectPreviousRouter(routers);
    auto router = facade->currentRouter();
    if (!router) return fail("No router could be selected");
    say(routerLabel_, routerText(router));

    stage_ = Stage::WaitingForStatus;
    speedListener_ = TAVORouterGetSpeedListener::create();
    speedListener_->startLisener(router, facade->currentAccountData(), self<TAVORouterWatchViewController>());
}

void TAVORouterWatchViewController::lisenerDownSpeedUpSpeed(TAVORouterGetSpeedListener&, int downSpeed, int upSpeed) {
    if (stage_ != Stage::WaitingForStatus && stage_ != Stage::StatusShown) return;
    auto router = TAVOAccountManager::shareInstance()->currentRouter();
    if (!router) return;
    say(statusLabel_, statusText(router->status));
    say(speedLabel_, "Speeds: down " + TAVOCommonUtility::convertSpeedToStandardValueWithBlankSpace(downSpeed) +
                         ", up " + TAVOCommonUtility::convertSpeedToStandardValueWithBlankSpace(upSpeed));
    stage_ = Stage::StatusShown;
}

void TAVORouterWatchViewController::lisenerSpeed(TAVORouterGetSpeedListener&, const ns::Array& speed) {
    if (stage_ != Stage::WaitingForStatus && stage_ != Stage::StatusShown) return;
    std::ostringstream text;
    text << "Speed samples (KB/s):";
    for (const auto& sample : speed) text << " " << sample.intValue();
    if (printer_) printer_(text.str());
}

void TAVORouterWatchViewController::lisenerError(TAVORouterGetSpeedListener&, const TAVOErrorPtr& error) {
    if (stage_ == Stage::Failed) return;
    // The pollers go on; the next report may succeed.
    say(statusLabel_, "Status: " + errorText(error));
}

void TAVORouterWatchViewController::fail(const std::string& message) {
    stage_ = Stage::Failed;
    stopObserving();
    say(headlineLabel_, message);
}

void TAVORouterWatchViewController::stop() {
    stopObserving();
    if (speedListener_) speedListener_->endLisener();
    speedListener_.reset();
}

void TAVORouterWatchViewController::say(const std::shared_ptr<ui::Label>& label, const std::string& text) {
    if (label) label->setText(text);
    if (printer_) printer_(text);
}

void TAVORouterWatchViewController::observe(const std::string& name,
                                            std::function<void(const ns::NotificationPtr&)> action) {
    auto center = ns::NotificationCenter::defaultCenter();
    center->addObserver(self<TAVORouterWatchViewController>(), std::move(action), name);
}

void TAVORouterWatchViewController::stopObserving() { ns::NotificationCenter::defaultCenter()->removeObserver(this); }
