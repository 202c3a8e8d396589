// The account login screen as its openers see it: they create it by class
// name and say whether the login may be skipped and how it was shown,
// without knowing the screen's class.
#pragma once

class TAVOAccountLoginTaking {
public:
    // How the screen was shown: pushed on a stack, or presented in a stack
    // of its own.
    static constexpr int kShowWayPushed = 0;
    static constexpr int kShowWayModal = 1;

    virtual ~TAVOAccountLoginTaking() = default;
    virtual void setForceLogin(bool force) = 0;
    virtual void setShowWay(int way) = 0;
};
