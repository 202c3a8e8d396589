// Signs the user in to the cloud account with a user name and a password,
// and with a captcha once the account service asks for one. After a
// successful sign-in it stores the account's cookies, marks the current
// router as the account's, binds that router to the account when it
// carries a local login ticket (else fetches the account's routers list),
// and returns to the main tabs or to the screen that opened it. It also
// leads to registration and to the password-recovery page.
//
// showWay 1: presented from the first screen in a navigation controller of
// its own; 0: pushed. forceLogin: the user may not skip the sign-in.
#pragma once

#include <memory>
#include <string>

#include "platform/foundation/NotificationCenter.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/TextField.h"
#include "widgets/TAVOAccountLoginTaking.h"
#include "widgets/TAVOBaseViewController.h"

class TAVOArdoAccountLoginViewController : public TAVOBaseViewController,
                                           public ui::TextFieldDelegate,
                                           public TAVOAccountLoginTaking {
public:
    using TAVOBaseViewController::TAVOBaseViewController;
    static std::shared_ptr<TAVOArdoAccountLoginViewController> create();

    enum ShowWay : int { ShowWayPushed = kShowWayPushed, ShowWayModal = kShowWayModal };

    static constexpr double kBoxMarginX = 25;
    static constexpr double kBoxTopGap = 25;
    static constexpr double kRowHeight = 43;
    static constexpr double kBoxHeight = 86;
    static constexpr double kBoxHeightWithCaptcha = 126;
    static constexpr double kCaptchaWidth = 75;
    static constexpr double kIconInset = 12;
    static constexpr double kLoginButtonGap = 14;
    static constexpr double kLoginTitleSize = 18;
    static constexpr double kLinkGap = 10;
    static constexpr double kLinkHeight = 20;
    static constexpr double kLinkTitleSize = 13;
    static constexpr double kIntroduceFontSize = 12;
    static constexpr double kIntroduceWhite = 0.733;
    static constexpr double kIntroduceHeight = 48;
    static constexpr double kIntroduceMargin = 15;
    static constexpr const char* kUserIcon = "icon_user_login_bind";
    static constexpr const char* kPasswordIcon = "icon_psw_login_bind";
    static constexpr const char* kBottomPicture = "login_ycshow";
    static constexpr const char* kCaptchaPlaceholder = "请输入验证码";
    static constexpr const char* kCaptchaPromptText = "请输入验证码";
    static constexpr const char* kCaptchaAgainText = "请重新输入验证码";

    bool forceLogin() const { return forceLogin_; }
    void setForceLogin(bool force) override { forceLogin_ = force; }
    int showWay() const { return showWay_; }
    void setShowWay(int way) override { showWay_ = way; }
    bool isShowingCaptcha() const { return showCaptcha_; }
    const std::string& codeSC() const { return codeSC_; }

    const ui::ImageViewPtr& bgView() const { return bgView_; }
    const ui::TextFieldPtr& accountField() const { return accountField_; }
    const ui::TextFieldPtr& passwdField() const { return passwdField_; }
    const ui::TextFieldPtr& authCodeField() const { return authCodeField_; }
    const ui::ImageViewPtr& codeImageView() const { return codeImageView_; }
    const ui::ButtonPtr& okButton() const { return okButton_; }
    const ui::ButtonPtr& forgetPswButton() const { return forgetPswButton_; }
    const ui::ButtonPtr& regButton() const { return regButton_; }

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    void onOkButtonPressed();
    void onForgetButtonPressed();
    void onRegButtonPressed();
    void leftNavItemPressed() override;
    void rightNavItemPressed() override;
    void gotoMainViewController();
    // A captcha was demanded: the row (first time) and a new picture.
    void showCaptcha();
    void tapCodeImage();

    bool textFieldShouldReturn(ui::TextField& field) override;

private:
    void buildCentre();
    void buildBottom();
    void loginWithArdoID(const std::string& name, const std::string& psw);
    void loginWithArdoID(const std::string& name, const std::string& psw, const std::string& code);
    void startedLogin(const std::optional<std::string>& refusal);
    void loginOK();
    void loginNG(const ns::NotificationPtr& notification);
    void bindRemoteRouterOK(const ns::Value& router);
    void bindRemoteRouterNG();
    void requestRoutersListOK();
    void requestRoutersListNG();
    // Back to where the user came from, as showWay says.
    void leaveAfterLogin();
    void getAuthCode(const cg::Size& size);
    void authCodeResultOK(const ns::NotificationPtr& notification);
    void authCodeResultNG();
    void stopListening();

    bool forceLogin_ = true;
    int showWay_ = ShowWayPushed;
    bool showCaptcha_ = false;
    std::string codeSC_;

    ui::ImageViewPtr bgView_;
    ui::TextFieldPtr accountField_;
    ui::TextFieldPtr passwdField_;
    ui::TextFieldPtr authCodeField_;
    ui::ImageViewPtr codeImageView_;
    ui::ButtonPtr okButton_;
    ui::ButtonPtr forgetPswButton_;
    ui::ButtonPtr regButton_;
    ui::ImageViewPtr bottomPicture_;
    ui::LabelPtr introduceLabel_;

    ns::ScopedObserver loginOKObserver_;
    ns::ScopedObserver loginNGObserver_;
    ns::ScopedObserver authCodeOKObserver_;
    ns::ScopedObserver authCodeNGObserver_;
};
