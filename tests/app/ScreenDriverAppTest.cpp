// The screen driver on the running application against the emulated
// peers: a small screen signs in through the facade and shows the answer
// as a toast, and raises alerts whose buttons are pressed by title.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "core/services/TAVOAlertPresenter.h"
#include "core/services/TAVOToastPresenter.h"
#include "management/account/TAVOZARAdapter.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/ui/AlertView.h"
#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/TextField.h"
#include "tests/support/screen/AppFixture.h"

namespace keelbox::test {
namespace {

// Two fields and a button that sign in through the facade, the answer told
// as a toast; a second button asks, in an alert, whether to sign out.
class SignInProbe : public ui::ViewController {
public:
    using ui::ViewController::ViewController;
    static std::shared_ptr<SignInProbe> create() { return ui::ViewController::make<SignInProbe>(); }

    void viewDidLoad() override {
        view()->setBackgroundColor(ui::Color::whiteColor());
        name_ = field("User name", 100, false);
        password_ = field("Password", 140, true);
        button("Sign in", 190, [this] {
            view()->endEditing(true);
            if (auto refused = TAVOAccountManager::shareInstance()->login(name_->text(), password_->text()))
                toast(*refused, TAVOToastTypeWarning);
        });
        button("Sign out", 240, [this] {
            TAVOAlertPresenter::shared()->showAlert(
                "Sign out?", "The router list is kept.",
                {{"Cancel", TAVOAlertButtonTypeCancel, [] {}},
                 {"Sign out", TAVOAlertButtonTypeDefault, [this] { status_->setText("Signed out"); }}});
        });
        status_ = ui::Label::create(cg::RectMake(20, 290, 280, 30));
        view()->addSubview(status_);

        std::weak_ptr<SignInProbe> weak = self<SignInProbe>();
        auto center = ns::NotificationCenter::defaultCenter();
        okObserver_ = ns::ScopedObserver(center, center->addObserverForName(kZARLoginOKNotification, {}, nullptr, [weak](const ns::NotificationPtr&) {
            auto account = TAVOAccountManager::shareInstance()->currentAccountData();
            if (auto probe = weak.lock(); probe && account) probe->toast("Signed in as " + account->username(), 0);
        }));
        failedObserver_ = ns::ScopedObserver(center, center->addObserverForName(kZARLoginNGNotification, {}, nullptr, [weak](const ns::NotificationPtr& n) {
            if (auto probe = weak.lock()) probe->toast(n->userInfo()["msg"].stringValue(), TAVOToastTypeWarning);
        }));
    }

private:
    std::shared_ptr<ui::TextField> field(const std::string& placeholder, double y, bool secure) {
        auto f = ui::TextField::create(cg::RectMake(20, y, 280, 30));
        f->setPlaceholder(placeholder);
        f->setSecureTextEntry(secure);
        f->clearsOnBeginEditing = secure;
        view()->addSubview(f);
        return f;
    }
    void button(const std::string& title, double y, std::function<void()> action) {
        auto b = ui::Button::create(cg::RectMake(20, y, 280, 40));
        b->setTitle(title, ui::ControlStateNormal);
        b->addTarget(self<SignInProbe>(), title, [action](ui::Control&) { action(); }, ui::ControlEventTouchUpInside);
        view()->addSubview(b);
    }
    void toast(const std::string& text, int type) { TAVOToastPresenter::shared()->showToast(text, type, 1.5, nullptr); }

    std::shared_ptr<ui::TextField> name_, password_;
    std::shared_ptr<ui::Label> status_;
    ns::ScopedObserver okObserver_;
    ns::ScopedObserver failedObserver_;
};

TEST(ScreenDriverOnTheApplication, TheAnswerToASignInShowsAsAToast) {
    AppFixture app;
    ASSERT_TRUE(app.launch());
    app.push(SignInProbe::create());
    auto& screen = app.screen();
    ASSERT_TRUE(screen.tapText("User name"));
    ASSERT_TRUE(screen.type(EmulatedPeers::kDemoUser));
    // Once typed into, the field shows bullets rather than its placeholder.
    const auto password = screen.viewWithText("Password");

    struct Case {
        const char* password;
        std::string toast;
        std::optional<int> type;
    };
    const std::vector<Case> cases{
        {"wrong", "wrong user name or password", TAVOToastTypeWarning},
        {EmulatedPeers::kDemoPassword, "Signed in as demo", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.password);
        ASSERT_TRUE(screen.tap(password));
        ASSERT_TRUE(screen.type(c.password));
        EXPECT_FALSE(screen.viewWithText(c.password)) << "a password shows as bullets";
        ASSERT_TRUE(screen.tapText("Sign in"));
        ASSERT_TRUE(screen.waitUntil([&] { return screen.toast().has_value(); })) << screen.describe();
        EXPECT_EQ(screen.toast()->text, c.toast);
        EXPECT_EQ(screen.toast()->type, c.type);
        screen.wait(2.0);
        EXPECT_FALSE(screen.toast()) << "gone after its time";
    }
    EXPECT_EQ(app.peers().accounts().calls().back().method, "UserIntf.login");
}

TEST(ScreenDriverOnTheApplication, AnAlertsButtonsArePressedByTheirTitles) {
    AppFixture app;
    ASSERT_TRUE(app.launch());
    app.push(SignInProbe::create());
    auto& screen = app.screen();
    ASSERT_TRUE(screen.tapText("Sign out"));
    ASSERT_EQ(screen.alerts().size(), 1u);
    auto alert = screen.alert();
    EXPECT_EQ(alert->title(), "Sign out?");
    EXPECT_EQ(alert->message(), "The router list is kept.");
    EXPECT_EQ(alert->buttonTitles(), (std::vector<std::string>{"Cancel", "Sign out"}));
    // The alert is modal: the screen's own "Sign out" is out of reach.
    EXPECT_EQ(screen.viewWithText("Sign out")->window(), alert->view()->window());

    bool pressed = true;
    EXPECT_NONFATAL_FAILURE(pressed = screen.pressAlertButton("OK"), "has no button \"OK\"");
    EXPECT_FALSE(pressed);
    EXPECT_TRUE(screen.pressAlertButton("Cancel"));
    EXPECT_FALSE(screen.viewWithText("Signed out"));
    EXPECT_FALSE(screen.alert()) << "it leaves at once";
    screen.wait(1.0);

    ASSERT_TRUE(screen.tapText("Sign out")) << "the screen is reachable again";
    ASSERT_TRUE(screen.alert());
    EXPECT_TRUE(screen.pressAlertButton("Sign out"));
    EXPECT_TRUE(screen.viewWithText("Signed out"));
    screen.wait(1.0);
    EXPECT_FALSE(screen.alert());
}

// The platform's alert with a text field, as kits raise it for input.
TEST(ScreenDriverOnTheApplication, AnAlertsTextFieldIsFilledBeforeItsButtonIsPressed) {
    AppFixture app;
    ASSERT_TRUE(app.launch());
    struct Heard : ui::AlertViewDelegate {
        void clickedButtonAtIndex(ui::AlertView& alert, long index) override {
            heard = alert.buttonTitleAtIndex(index) + ":" + alert.textFieldAtIndex(0)->text();
        }
        std::string heard;
    };
    auto delegate = std::make_shared<Heard>();
    auto raised = ui::AlertView::create("Rename", "", delegate, std::string("Cancel"), {"Save"});
    raised->setAlertViewStyle(ui::AlertViewStyle::PlainTextInput);
    raised->show();
    auto alert = app.screen().alert();
    ASSERT_TRUE(alert);
    EXPECT_EQ(alert->textFieldCount(), 1u);
    EXPECT_FALSE(alert->fillTextField(1, "no such field"));
    EXPECT_TRUE(alert->fillTextField(0, "Study"));
    EXPECT_TRUE(alert->fillTextField(0, "Office"));
    EXPECT_TRUE(app.screen().pressAlertButton("Save"));
    EXPECT_EQ(delegate->heard, "Save:Office");
}

}  // namespace
}  // namespace keelbox::test
