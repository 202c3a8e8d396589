// A window: the root of a view tree, at a level among the application's
// windows (normal 0, status bar 1000, alert 2000, or any number). One
// window is the key window. A window starts hidden; makeKeyAndVisible
// shows it and makes it key. Its root view controller's view fills it and
// hears the appearance calls when the window becomes visible.
#pragma once

#include <memory>

#include "platform/ui/View.h"

namespace ui {

class ViewController;

inline constexpr double WindowLevelNormal = 0;
inline constexpr double WindowLevelStatusBar = 1000;
inline constexpr double WindowLevelAlert = 2000;

class Window : public View {
public:
    using View::View;
    static std::shared_ptr<Window> create(const cg::Rect& frame = {}) { return make<Window>(frame); }
    ~Window() override;

    double windowLevel() const { return level_; }
    void setWindowLevel(double level);
    bool isKeyWindow() const;
    void makeKeyWindow();
    void makeKeyAndVisible();
    void resignKeyWindow();
    virtual void becomeKeyWindow() {}

    std::shared_ptr<ViewController> rootViewController() const { return root_; }
    void setRootViewController(const std::shared_ptr<ViewController>& controller);

    void setHidden(bool hidden) override;
    std::shared_ptr<Responder> nextResponder() const override;

    // Points in the window's coordinates to the screen's and back.
    cg::Point convertPointToWindow(const cg::Point& p, const std::shared_ptr<Window>& window) const;

    void initWithFrame(const cg::Rect& frame) override;

private:
    std::shared_ptr<ViewController> root_;
    double level_ = WindowLevelNormal;
};

using WindowPtr = std::shared_ptr<Window>;

}  // namespace ui
