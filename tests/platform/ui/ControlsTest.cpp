#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "platform/foundation/NotificationCenter.h"
#include "platform/graphics/Image.h"
#include "platform/ui/ActivityIndicatorView.h"
#include "platform/ui/Button.h"
#include "platform/ui/Image.h"
#include "platform/ui/Keyboard.h"
#include "platform/ui/KeyboardNotifications.h"
#include "platform/ui/Label.h"
#include "platform/ui/RefreshControl.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TouchDriver.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"

using namespace ui;
using keelbox::test::advance;

namespace {
ImagePtr solidImage(std::size_t w, std::size_t h, double scale = 1) {
    return Image::imageWithCGImage(cg::Image::create(w, h, scale), scale);
}
}  // namespace

TEST(ButtonTest, StateValuesFallBackToNormalAndFollowTheState) {
    auto b = Button::buttonWithType(ButtonType::Custom);
    b->setTitle(std::string("Back"), ControlStateNormal);
    b->setTitleColor(Color::rgb255(51, 51, 51), ControlStateNormal);
    b->setTitleColor(Color::redColor(), ControlStateHighlighted);
    b->setImage(solidImage(30, 20), ControlStateSelected);
    EXPECT_EQ(b->currentTitle(), "Back");
    EXPECT_EQ(b->titleLabel()->text(), "Back");
    EXPECT_EQ(b->titleLabel()->textColor(), Color::rgb255(51, 51, 51));
    b->setHighlighted(true);
    EXPECT_EQ(b->titleLabel()->textColor(), Color::redColor());
    EXPECT_EQ(b->titleForState(ControlStateHighlighted), std::optional<std::string>("Back"));
    b->setHighlighted(false);
    EXPECT_EQ(b->currentImage(), nullptr);
    b->setSelected(true);
    ASSERT_NE(b->currentImage(), nullptr);
    EXPECT_EQ(b->imageView()->image(), b->currentImage());
    b->setEnabled(false);
    EXPECT_EQ(b->state(), unsigned(ControlStateDisabled | ControlStateSelected));
}

TEST(ButtonTest, SizeToFitIsImagePlusTitleInItsFont) {
    auto b = Button::buttonWithType(ButtonType::Custom);
    b->setTitle(std::string("Back"), ControlStateNormal);
    b->titleLabel()->setFont(Font::systemFontOfSize(16));
    double textWidth = Font::systemFontOfSize(16).sizeOfString("Back").width;
    b->sizeToFit();
    EXPECT_EQ(b->frame().size.width, textWidth);
    b->setImage(solidImage(20, 30), ControlStateNormal);
    b->sizeToFit();
    EXPECT_EQ(b->frame().size, cg::SizeMake(textWidth + 20, 30));
    b->layoutIfNeeded();
    EXPECT_EQ(b->imageView()->frame().origin.x, 0);
    EXPECT_EQ(b->titleLabel()->frame().origin.x, 20);
}

TEST(LabelTest, SizesAndShrinksWithTheFontMetrics) {
    auto label = Label::create(cg::RectMake(0, 0, 50, 20));
    EXPECT_FALSE(label->isUserInteractionEnabled());
    label->setFont(Font::systemFontOfSize(20));
    label->setText("a rather long title");
    cg::Size one = Font::systemFontOfSize(20).sizeOfString("a rather long title");
    EXPECT_EQ(label->sizeThatFits({50, 20}), one);
    label->setNumberOfLines(0);
    cg::Size wrapped = label->sizeThatFits({60, 0});
    EXPECT_LE(wrapped.width, 60);
    EXPECT_GT(wrapped.height, one.height);
    label->setNumberOfLines(1);
    label->setAdjustsFontSizeToFitWidth(true);
    label->setMinimumFontSize(8);
    EXPECT_LT(label->displayedFontSize(), 20);
    EXPECT_GE(label->displayedFontSize(), 8);
    label->setText("");
    EXPECT_EQ(label->sizeThatFits({50, 20}), cg::SizeMake(0, 0));
    label->setHighlightedTextColor(Color::whiteColor());
    label->setHighlighted(true);
    EXPECT_EQ(label->currentTextColor(), Color::whiteColor());
}

TEST(ImageTest, DecodesPngAndJpegAndRefusesEverythingElse) {
    auto png = cg::Image::create(6, 4, 1)->pngData();
    auto image = Image::imageWithData(png, 2);
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->size(), cg::SizeMake(3, 2));
    EXPECT_EQ(image->scale(), 2);
    EXPECT_EQ(Image::imageWithData(ns::Data::fromString("not an image")), nullptr);
    EXPECT_EQ(Image::imageWithData(ns::Data()), nullptr);
    // A JPEG header followed by garbage is no image either.
    EXPECT_EQ(Image::imageWithData(ns::Data({0xFF, 0xD8, 0xFF, 0xE0, 0x00, 0x10, 'J', 'F', 'I', 'F', 0})), nullptr);
    EXPECT_EQ(Image::imageNamed("no_such_image_anywhere"), nullptr);
    EXPECT_EQ(Image::imageNamed(""), nullptr);
}

TEST(ImageTest, StretchableCapsLeaveAOnePointMiddle) {
    auto image = solidImage(20, 10);
    auto stretchable = image->stretchableImageWithLeftCapWidth(4, 2);
    EXPECT_EQ(stretchable->capInsets(), cg::EdgeInsetsMake(2, 4, 7, 15));
    EXPECT_EQ(stretchable->leftCapWidth(), 4);
    EXPECT_TRUE(stretchable->isResizable());
    EXPECT_FALSE(image->isResizable());
    auto noVertical = image->stretchableImageWithLeftCapWidth(4, 0);
    EXPECT_EQ(noVertical->capInsets().top, 0);
    EXPECT_EQ(noVertical->capInsets().bottom, 0);
}

TEST(ActivityIndicatorTest, HiddenWhileStopped) {
    auto spinner = ActivityIndicatorView::createWithStyle(ActivityIndicatorViewStyle::Gray);
    EXPECT_EQ(spinner->frame().size, cg::SizeMake(20, 20));
    EXPECT_TRUE(spinner->isHidden());
    spinner->startAnimating();
    EXPECT_FALSE(spinner->isHidden());
    spinner->stopAnimating();
    EXPECT_TRUE(spinner->isHidden());
}

namespace {
struct KeyboardLog {
    std::vector<std::string> names;
    std::vector<ns::ObjectPtr> tokens;
    cg::Rect lastEnd;
    double duration = 0;
    long curve = 0;
    KeyboardLog() {
        auto center = ns::NotificationCenter::defaultCenter();
        for (const auto* name : {&KeyboardWillShowNotification, &KeyboardDidShowNotification,
                                 &KeyboardWillHideNotification, &KeyboardDidHideNotification})
            tokens.push_back(center->addObserverForName(*name, {}, nullptr, [this](const ns::NotificationPtr& n) {
                names.push_back(n->name());
                auto info = n->userInfo();
                if (auto r = info[KeyboardFrameEndUserInfoKey].as<RectValue>()) lastEnd = r->rect;
                duration = info[KeyboardAnimationDurationUserInfoKey].doubleValue();
                curve = info[KeyboardAnimationCurveUserInfoKey].intValue();
            }));
    }
    ~KeyboardLog() {
        for (auto& t : tokens) ns::NotificationCenter::defaultCenter()->removeObserver(t);
    }
};

struct FieldDelegate : TextFieldDelegate {
    std::vector<std::string> log;
    bool allowEnd = true;
    bool textFieldShouldBeginEditing(TextField&) override { log.push_back("shouldBegin"); return true; }
    void textFieldDidBeginEditing(TextField&) override { log.push_back("didBegin"); }
    bool textFieldShouldEndEditing(TextField&) override { log.push_back("shouldEnd"); return allowEnd; }
    void textFieldDidEndEditing(TextField&) override { log.push_back("didEnd"); }
    bool shouldChangeCharactersInRange(TextField&, ns::Range r, const std::string& s) override {
        log.push_back("change " + std::to_string(r.location) + "," + std::to_string(r.length) + " '" + s + "'");
        return s != "!";
    }
    bool textFieldShouldReturn(TextField&) override { log.push_back("return"); return false; }
};
}  // namespace

TEST(KeyboardTest, ShowsOnceWhileFocusMovesBetweenFieldsAndHidesWhenTheLastResigns) {
    KeyboardLog keyboard;
    auto window = Window::create(cg::RectMake(0, 0, 320, 480));
    window->makeKeyAndVisible();
    auto a = TextField::create(cg::RectMake(10, 10, 100, 30));
    auto b = TextField::create(cg::RectMake(10, 50, 100, 30));
    window->addSubview(a);
    window->addSubview(b);
    TouchDriver finger;
    finger.tap(window, {20, 20});
    EXPECT_TRUE(a->isFirstResponder());
    EXPECT_EQ(keyboard.names, (std::vector<std::string>{KeyboardWillShowNotification}));
    EXPECT_EQ(keyboard.lastEnd, cg::RectMake(0, 264, 320, 216));
    EXPECT_EQ(keyboard.duration, 0.25);
    EXPECT_EQ(keyboard.curve, 7);
    advance(0.25);
    EXPECT_EQ(keyboard.names.back(), KeyboardDidShowNotification);
    b->becomeFirstResponder();  // focus moves: the keyboard stays
    EXPECT_EQ(keyboard.names.size(), 2u);
    EXPECT_FALSE(a->isEditing());
    b->resignFirstResponder();
    EXPECT_EQ(keyboard.names.back(), KeyboardWillHideNotification);
    EXPECT_FALSE(Keyboard::isVisible());
    a->becomeFirstResponder();
    a->removeFromSuperview();  // leaving the window ends editing
    EXPECT_FALSE(a->isFirstResponder());
    EXPECT_EQ(keyboard.names.back(), KeyboardWillHideNotification);
}

TEST(TextFieldTest, DelegateDecidesEditingChangesAndReturn) {
    auto field = TextField::create(cg::RectMake(0, 0, 100, 30));
    auto d = std::make_shared<FieldDelegate>();
    field->setDelegate(d);
    std::vector<std::string> events;
    field->addTarget(nullptr, "changed", [&](Control&) { events.push_back("changed"); }, ControlEventEditingChanged);
    ASSERT_TRUE(field->becomeFirstResponder());
    EXPECT_TRUE(field->insertText("h\u00e9"));
    EXPECT_FALSE(field->insertText("!"));
    EXPECT_TRUE(field->deleteBackward());
    EXPECT_EQ(field->text(), "h");
    EXPECT_FALSE(field->pressReturn());
    d->allowEnd = false;
    EXPECT_FALSE(field->resignFirstResponder());
    EXPECT_TRUE(field->isFirstResponder());
    d->allowEnd = true;
    EXPECT_TRUE(field->resignFirstResponder());
    EXPECT_EQ(d->log, (std::vector<std::string>{"shouldBegin", "didBegin", "change 0,0 'h\u00e9'", "change 2,0 '!'",
                                                "change 1,1 ''", "return", "shouldEnd", "shouldEnd", "didEnd"}));
    EXPECT_EQ(events.size(), 2u);
    field->setSecureTextEntry(true);
    field->setText("ab\u00e9");
    EXPECT_EQ(field->displayedText(), "\u2022\u2022\u2022");
}

#include "platform/ui/DatePicker.h"
#include "platform/ui/DocumentInteractionController.h"
#include "platform/ui/ViewAnimation.h"

TEST(DatePickerTest, ProgramChangesAreSilentUserSpinsSendValueChangedWithinBounds) {
    auto picker = DatePicker::create(cg::RectMake(0, 41, 320, 220));
    picker->datePickerMode = DatePickerMode::Time;
    int changes = 0;
    picker->addTarget(nullptr, "changed", [&](Control&) { ++changes; }, ControlEventValueChanged);
    picker->minimumDate = ns::Date::withTimeIntervalSince1970(1000);
    picker->setDate(ns::Date::withTimeIntervalSince1970(10));
    EXPECT_EQ(picker->date().timeIntervalSince1970(), 1000);
    EXPECT_EQ(changes, 0);
    picker->spinTo(ns::Date::withTimeIntervalSince1970(5000));
    EXPECT_EQ(changes, 1);
}

TEST(DocumentInteractionTest, MenuPresentationIsRecorded) {
    auto doc = DocumentInteractionController::interactionControllerWithURL("file:///tmp/a%20b.mp4");
    EXPECT_EQ(doc->name, "a%20b.mp4");
    EXPECT_TRUE(doc->presentOptionsMenuFromRect(cg::RectMake(0, 470, 320, 10), nullptr, true));
    EXPECT_TRUE(doc->isMenuVisible());
    doc->dismissMenuAnimated(true);
    EXPECT_FALSE(doc->isMenuVisible());
    EXPECT_FALSE(DocumentInteractionController::interactionControllerWithURL("")->presentOptionsMenuFromRect(
        cg::RectZero, nullptr, false));
}

TEST(ViewTransitionTest, ChangesApplyAtOnceAndTheCompletionFollowsTheDuration) {
    auto panel = View::create(cg::RectMake(0, 0, 100, 100));
    auto a = View::create(), b = View::create();
    panel->addSubview(a);
    panel->addSubview(b);
    b->setHidden(true);
    std::vector<bool> done;
    ViewAnimation::transition(panel, 0.5, ViewAnimationOptionTransitionCrossDissolve, [&] {
        a->setHidden(true);
        b->setHidden(false);
        a->setAlpha(0.5);  // inside a transition nothing animates on its own
    }, [&](bool f) { done.push_back(f); });
    EXPECT_TRUE(a->isHidden());
    EXPECT_FALSE(b->isHidden());
    EXPECT_EQ(a->layer()->animationKeys().size(), 0u);
    EXPECT_EQ(panel->layer()->animationKeys(), (std::vector<std::string>{"transition"}));
    ASSERT_EQ(ViewAnimation::records().back().kind, ViewAnimationRecord::Kind::Transition);
    advance(0.5);
    EXPECT_EQ(done, (std::vector<bool>{true}));
}

TEST(RefreshControlTest, OnlyAUsersPullSendsValueChangedAndOnlyWhenIdle) {
    auto control = RefreshControl::create();
    int changes = 0;
    control->addTarget(nullptr, "refresh", [&](Control&) { ++changes; }, ControlEventValueChanged);
    control->beginRefreshing();  // the program's own start is silent
    EXPECT_TRUE(control->isRefreshing());
    control->pull();  // already refreshing: nothing new starts
    EXPECT_EQ(changes, 0);
    control->endRefreshing();
    EXPECT_FALSE(control->isRefreshing());
    control->pull();
    EXPECT_TRUE(control->isRefreshing());
    EXPECT_EQ(changes, 1);
    control->setEnabled(false);
    control->endRefreshing();
    control->pull();
    EXPECT_EQ(changes, 1);  // a disabled control cannot be pulled
}
