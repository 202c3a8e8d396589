// Explains a broadband fault that lies with the operator and offers the
// operator's number to dial. Code 691 (the operator refused the account)
// has its own explanation; every other code says the connection failed.
#pragma once

#include <memory>

#include "screens/home/TAVOOperatorBreakdownView.h"
#include "widgets/TAVOBaseViewController.h"

class TAVOBreakdownSeasonViewController : public TAVOBaseViewController {
public:
    using TAVOBaseViewController::TAVOBaseViewController;
    static std::shared_ptr<TAVOBreakdownSeasonViewController> create() {
        return make<TAVOBreakdownSeasonViewController>();
    }

    static constexpr int kOperatorRefusedCode = 691;
    static constexpr double kBodyGap = 25;

    int errorId() const { return errorId_; }
    // Set before the view loads.
    void setErrorId(int code) { errorId_ = code; }

    void viewDidLoad() override;

    const TAVOOperatorBreakdownViewPtr& operatorView() const { return operatorView_; }

private:
    int errorId_ = 0;
    TAVOOperatorBreakdownViewPtr operatorView_;
};
