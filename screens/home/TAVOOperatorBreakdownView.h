// The body of the breakdown-reason screen: the fault's name, what it means,
// and the operator's phone number as a button that dials it.
#pragma once

#include <memory>

#include "platform/ui/Button.h"
#include "platform/ui/Label.h"
#include "platform/ui/View.h"

class TAVOOperatorBreakdownView : public ui::View {
public:
    using View::View;

    // Puts the view's interface into the nib registry.
    static void registerInterface();

    const ui::LabelPtr& NameLabel() const { return nameLabel_; }
    const ui::LabelPtr& introduceLabel() const { return introduceLabel_; }
    const ui::LabelPtr& telIntroduceLabel() const { return telIntroduceLabel_; }
    const ui::ViewPtr& operatortelLabel() const { return operatortelLabel_; }
    const ui::ButtonPtr& telButton() const { return telButton_; }

    // The phone-number button's action: dials the number its title shows.
    void call(ui::Control& sender);

private:
    ui::LabelPtr nameLabel_;
    ui::LabelPtr introduceLabel_;
    ui::LabelPtr telIntroduceLabel_;
    ui::ViewPtr operatortelLabel_;
    ui::ButtonPtr telButton_;
};

using TAVOOperatorBreakdownViewPtr = std::shared_ptr<TAVOOperatorBreakdownView>;
