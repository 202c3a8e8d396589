// The plain bar view the screens draw instead of the system bar: it only
// places its four parts, a background filling it, a title view between
// 60-point insets, and a left and a right button kept `margin` points from
// the edges. Setting a part again replaces (removes) the previous view.
#pragma once

#include <memory>

#include "platform/ui/Button.h"
#include "platform/ui/View.h"

class CustomizedNavigationBar : public ui::View {
public:
    using ui::View::View;
    static std::shared_ptr<CustomizedNavigationBar> create(const cg::Rect& frame = {}) {
        return make<CustomizedNavigationBar>(frame);
    }

    static constexpr double kTitleInset = 60;

    const ui::ViewPtr& backgroundView() const { return backgroundView_; }
    void setBackgroundView(const ui::ViewPtr& view);
    const ui::ViewPtr& titleView() const { return titleView_; }
    void setTitleView(const ui::ViewPtr& view);
    const ui::ButtonPtr& leftBarButtonItem() const { return leftBarButtonItem_; }
    void setLeftBarButtonItem(const ui::ButtonPtr& button);
    const ui::ButtonPtr& rightBarButtonItem() const { return rightBarButtonItem_; }
    void setRightBarButtonItem(const ui::ButtonPtr& button);
    int margin() const { return margin_; }
    void setMargin(int margin) { margin_ = margin; }

    void initWithFrame(const cg::Rect& frame) override;

private:
    ui::ViewPtr backgroundView_;
    ui::ViewPtr titleView_;
    ui::ButtonPtr leftBarButtonItem_;
    ui::ButtonPtr rightBarButtonItem_;
    int margin_ = 0;
};

using CustomizedNavigationBarPtr = std::shared_ptr<CustomizedNavigationBar>;
