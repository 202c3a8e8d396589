// The password and free-text alerts driven as a person would: the error
// shown in the field and cleared by tapping into it, the lift while
// editing, the field's geometry on the panel, which answers close the
// alert, and another alert waiting behind one that stays up.
#include <gtest/gtest.h>

#include "core/app/TAVOLocalizedString.h"
#include "platform/ui/ViewAnimation.h"
#include "tests/uikit/AlertTestSupport.h"
#include "widgets/MAPasswordAlertView.h"
#include "widgets/MATextFieldAlertView.h"

namespace keelbox::test {
namespace {

const ui::Color kFieldGrey = ui::Color::white(0.2);

// The last recorded animation that changed the view's frame.
const ui::ViewAnimationRecord* lastFrameAnimation() {
    const auto& records = ui::ViewAnimation::records();
    for (auto it = records.rbegin(); it != records.rend(); ++it)
        for (const auto& key : it->keyPaths)
            if (key == "position" || key == "frame" || key == "bounds") return &*it;
    return nullptr;
}

class PasswordAlertTest : public AlertTest {
protected:
    // As the USB storage screen uses it: "confirm" accepts only the right
    // password and otherwise answers with the text to show.
    MAPasswordAlertViewPtr usbDeletePrompt() {
        auto alert = MAPasswordAlertView::create("Keelbox-5G");
        alert->addButtonWithTitle("cancel", MAAlertViewButtonTypeCancel, [](const MAPasswordAlertViewPtr& a) {
            a->dismissAnimated(true);
            return std::string();
        });
        alert->addButtonWithTitle("connect", MAAlertViewButtonTypeDefault, [this](const MAPasswordAlertViewPtr& a) {
            tried.push_back(a->password());
            if (a->password().empty() || a->showErrorInfo()) return TAVOLocalizedString("psw is null");
            if (a->password() != "admin") return std::string("Wrong password");
            a->dismissAnimated(true);
            return std::string();
        });
        return alert;
    }

    std::vector<std::string> tried;
};

TEST_F(PasswordAlertTest, AnErrorShowsReadableInTheFieldUntilThePersonTapsIntoIt) {
    auto alert = usbDeletePrompt();
    alert->show();
    advance(kSettle);
    const auto& field = alert->psw();
    EXPECT_TRUE(field->isSecureTextEntry());
    EXPECT_EQ(field->placeholder(), TAVOLocalizedString("placeholder for input password"));

    ASSERT_TRUE(screen.pressAlertButton("connect"));
    advance(kSettle);
    EXPECT_EQ(tried, (std::vector<std::string>{""}));
    ASSERT_TRUE(screen.alert()) << "the alert stays up";
    EXPECT_TRUE(alert->isVisible());
    EXPECT_TRUE(alert->showErrorInfo());
    EXPECT_EQ(field->text(), TAVOLocalizedString("psw is null"));
    EXPECT_EQ(field->displayedText(), field->text()) << "readable, not dotted";
    EXPECT_EQ(field->textColor(), MAPasswordAlertView::errorTextColor());

    // Connect again without touching the field: the error text is no password.
    ASSERT_TRUE(screen.pressAlertButton("connect"));
    EXPECT_EQ(tried.back(), TAVOLocalizedString("psw is null"));
    EXPECT_TRUE(alert->showErrorInfo());

    ASSERT_TRUE(screen.tap(field));
    EXPECT_TRUE(field->isEditing());
    EXPECT_EQ(field->text(), "");
    EXPECT_TRUE(field->isSecureTextEntry());
    EXPECT_EQ(field->textColor(), kFieldGrey);
    EXPECT_FALSE(alert->showErrorInfo());

    ASSERT_TRUE(screen.type("wrong"));
    EXPECT_EQ(field->displayedText().find("wrong"), std::string::npos) << "typing is dotted again";
    ASSERT_TRUE(screen.pressAlertButton("connect"));
    EXPECT_FALSE(field->isEditing()) << "the field lets go of the keyboard after a tap";
    EXPECT_EQ(field->text(), "Wrong password");
    EXPECT_TRUE(alert->isVisible());

    ASSERT_TRUE(screen.tap(field));
    ASSERT_TRUE(screen.type("admin"));
    ASSERT_TRUE(screen.pressAlertButton("connect"));
    advance(kSettle);
    EXPECT_EQ(tried.back(), "admin");
    EXPECT_FALSE(screen.alert());
    EXPECT_TRUE(MAAlertView::sharedQueue().empty());
    EXPECT_FALSE(MAAlertView::isAnimating());
}

TEST_F(PasswordAlertTest, TheAlertRisesSeventyPointsWhileTheFieldIsEditedAndTheFieldSpansTheContent) {
    auto alert = usbDeletePrompt();
    alert->show();
    advance(kSettle);
    const cg::Rect rest = alert->frame();
    const auto& background = alert->fieldBackgroundView();
    EXPECT_EQ(background->frame().size, (cg::Size{242, 40}));
    EXPECT_EQ(alert->psw()->frame(), cg::RectMake(10, 5, 232, 30));
    ASSERT_TRUE(background->image());
    EXPECT_EQ(background->image()->leftCapWidth(), 7);
    EXPECT_EQ(background->image()->topCapHeight(), 7);

    ui::ViewAnimation::clearRecords();
    ASSERT_TRUE(screen.tap(alert->psw()));
    EXPECT_EQ(alert->frame().origin.y, rest.origin.y - 70);
    auto* lift = lastFrameAnimation();
    ASSERT_TRUE(lift);
    EXPECT_EQ(lift->duration, 0.3);
    // The field is still where a finger finds it, and a second tap keeps it up.
    ASSERT_TRUE(screen.tap(alert->psw()));
    EXPECT_EQ(alert->frame().origin.y, rest.origin.y - 70);

    ui::ViewAnimation::clearRecords();
    EXPECT_TRUE(alert->psw()->resignFirstResponder());
    EXPECT_EQ(alert->frame(), rest);
    ASSERT_TRUE(lastFrameAnimation());
    EXPECT_EQ(lastFrameAnimation()->duration, 0.3);

    // Leaving while editing puts the alert back too, so that it comes up
    // where it belongs the next time.
    ASSERT_TRUE(screen.tap(alert->psw()));
    alert->dismissAnimated(true);
    advance(kSettle);
    EXPECT_EQ(alert->frame(), rest);
}

TEST_F(PasswordAlertTest, AnAlertShownWhileThePasswordAlertStaysUpWaitsUntilItHasGone) {
    auto alert = usbDeletePrompt();
    alert->show();
    advance(kSettle);
    ASSERT_TRUE(screen.pressAlertButton("connect"));  // empty: stays up with the error
    auto notice = alertWithButtons("Router restarted", {"OK"});
    notice->show();
    advance(kSettle);
    ASSERT_EQ(screen.alerts().size(), 1u);
    EXPECT_EQ(screen.alert()->title(), "Keelbox-5G");
    EXPECT_FALSE(notice->isVisible());

    ASSERT_TRUE(screen.pressAlertButton("cancel"));
    advance(kSettle);
    ASSERT_TRUE(screen.alert());
    EXPECT_EQ(screen.alert()->title(), "Router restarted");
    EXPECT_EQ(MAAlertView::sharedQueue(), (std::vector<MAAlertViewPtr>{notice}));
}

TEST_F(AlertTest, TheTextFieldAlertClosesOnlyWhenItsHandlerAcceptsTheInput) {
    struct Case {
        const char* name;
        std::string answer;
        bool closes;
    };
    for (const auto& c : {Case{"refused", "Name too long", false}, Case{"accepted", "", true}}) {
        SCOPED_TRACE(c.name);
        auto alert = MATextFieldAlertView::create("Device name");
        std::string seen;
        alert->addButtonWithTitle("sure", MAAlertViewButtonTypeDefault, [&](const MATextFieldAlertViewPtr& a) {
            seen = a->inputView()->text();
            return c.answer;
        });
        alert->show();
        advance(kSettle);
        ASSERT_TRUE(screen.tap(alert->inputView()));
        ASSERT_TRUE(screen.type("Living room TV"));
        ASSERT_TRUE(screen.pressAlertButton("sure"));
        advance(kSettle);
        EXPECT_EQ(seen, "Living room TV");
        EXPECT_EQ(alert->isVisible(), !c.closes);
        EXPECT_EQ(bool(screen.alert()), !c.closes);
        if (!c.closes) {
            EXPECT_EQ(alert->inputView()->text(), "Living room TV") << "nothing changes";
            EXPECT_EQ(alert->inputView()->textColor(), kFieldGrey);
            // Another alert waits behind the refusing one.
            auto notice = alertWithButtons("Saved elsewhere", {"OK"});
            notice->show();
            advance(kSettle);
            EXPECT_FALSE(notice->isVisible());
            alert->dismissAnimated(true);
            advance(kSettle);
            EXPECT_TRUE(notice->isVisible());
            notice->dismissAnimated(true);
            advance(kSettle);
        }
        EXPECT_FALSE(screen.alert());
    }
}

TEST_F(AlertTest, ATextFieldAlertButtonWithoutAHandlerCloses) {
    auto alert = MATextFieldAlertView::create("Device name");
    alert->addButtonWithTitle("cancel", MAAlertViewButtonTypeCancel, nullptr);
    alert->show();
    advance(kSettle);
    ASSERT_TRUE(screen.pressAlertButton("cancel"));
    advance(kSettle);
    EXPECT_FALSE(screen.alert());
    EXPECT_FALSE(MAAlertView::isAnimating());
}

}  // namespace
}  // namespace keelbox::test
