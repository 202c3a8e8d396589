// Shared by the alert kit's tests: an application window that is key (the
// screen underneath the alerts), the screen driver, and an alert that tells
// a log its transitions, handlers and notifications.
#pragma once

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Screen.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/Window.h"
#include "tests/support/Harness.h"
#include "tests/support/screen/ScreenDriver.h"
#include "uikit/MAAlertView.h"

namespace keelbox::test {

// Long enough for any entrance plus any exit.
inline constexpr double kSettle = 1.0;

class AlertLog {
public:
    AlertLog() {
        auto center = ns::NotificationCenter::defaultCenter();
        for (const auto& name : {MAAlertViewWillShowNotification, MAAlertViewDidShowNotification,
                                 MAAlertViewWillDismissNotification, MAAlertViewDidDismissNotification}) {
            const std::string shortName = name.substr(std::string("MAAlertView").size());
            observers_.emplace_back(center, center->addObserverForName(name, {}, nullptr, [this, shortName](const ns::NotificationPtr& n) {
                add(nameOf(n->object().asObject().get()) + " " + shortName);
            }));
        }
    }

    void add(const std::string& entry) { entries.push_back(entry); }
    // Handlers of the alert write "<name> willShow" and the like.
    void watch(const MAAlertViewPtr& alert, const std::string& name) {
        names_[alert.get()] = name;
        alert->setWillShowHandler([this, name](const MAAlertViewPtr&) { add(name + " willShow"); });
        alert->setDidShowHandler([this, name](const MAAlertViewPtr&) { add(name + " didShow"); });
        alert->setWillDismissHandler([this, name](const MAAlertViewPtr&) { add(name + " willDismiss"); });
        alert->setDidDismissHandler([this, name](const MAAlertViewPtr&) { add(name + " didDismiss"); });
    }
    std::vector<std::string> take() { return std::exchange(entries, {}); }

    std::vector<std::string> entries;

private:
    std::string nameOf(const void* alert) const {
        auto it = names_.find(alert);
        return it == names_.end() ? "?" : it->second;
    }
    std::map<const void*, std::string> names_;
    std::vector<ns::ScopedObserver> observers_;
};

// An alert whose entrances and exits go into a log.
class LoggedAlert : public MAAlertView {
public:
    using MAAlertView::MAAlertView;
    static std::shared_ptr<LoggedAlert> create(AlertLog& log, const std::string& name, const std::string& title,
                                               const std::string& message = "") {
        auto alert = makeWithTitle<LoggedAlert>(title, message);
        alert->log_ = &log;
        alert->name_ = name;
        log.watch(alert, name);
        return alert;
    }
    void transitionInCompletion(std::function<void()> completion) override {
        log_->add(name_ + " in");
        MAAlertView::transitionInCompletion(std::move(completion));
    }
    void transitionOutCompletion(std::function<void()> completion) override {
        log_->add(name_ + " out");
        MAAlertView::transitionOutCompletion(std::move(completion));
    }

private:
    AlertLog* log_ = nullptr;
    std::string name_;
};

class AlertTest : public ::testing::Test {
protected:
    void SetUp() override {
        appWindow = ui::Window::create(ui::Screen::mainScreen()->bounds());
        appWindow->setRootViewController(ui::ViewController::create());
        appWindow->makeKeyAndVisible();
    }

    // An alert with one button per title (the last a cancel button when
    // `cancelLast`), each writing "<title>" into `tapped`.
    MAAlertViewPtr alertWithButtons(const std::string& title, const std::vector<std::string>& buttons,
                                    bool cancelLast = false) {
        auto alert = MAAlertView::create(title, "");
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            const int type = cancelLast && i + 1 == buttons.size() ? MAAlertViewButtonTypeCancel
                                                                    : MAAlertViewButtonTypeDefault;
            alert->addButtonWithTitle(buttons[i], type, [this, b = buttons[i]](const MAAlertViewPtr&) { tapped.push_back(b); });
        }
        return alert;
    }

    ui::WindowPtr appWindow;
    ScreenDriver screen;
    std::vector<std::string> tapped;
};

}  // namespace keelbox::test
