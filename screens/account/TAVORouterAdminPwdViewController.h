// Changes the current router's admin password: the current password, the
// new one and its repetition, each 8 to 16 characters. On success the
// router hands back a new login ticket, which is kept (with the new
// password) on the router record and in the stored local-router list, so
// the application stays logged in to the router on the home network.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "core/errors/TAVOError.h"
#include "platform/ui/Button.h"
#include "platform/ui/TextField.h"
#include "widgets/TAVOWIFIViewControler.h"

class TAVORouterAdminPwdViewController : public TAVOWIFIViewControler, public ui::TextFieldDelegate {
public:
    using TAVOWIFIViewControler::TAVOWIFIViewControler;
    static std::shared_ptr<TAVORouterAdminPwdViewController> create() { return ui::ViewController::make<TAVORouterAdminPwdViewController>(); }

    static constexpr double kBoxTopGap = 25;
    static constexpr double kRowHeight = 43;
    static constexpr double kLabelWidth = 75;
    static constexpr double kButtonHeight = 43;

    void viewDidLoad() override;

    // Checks the three fields and, when they pass, sends the change.
    void submit();
    // Sends the change (request 52) and shows the spinner until the answer.
    void updateAdminPwd(const std::string& newPwd, const std::optional<std::string>& oldPwd);
    // Keeps a non-empty ticket and the new password on the current router
    // and in the stored local-router record.
    void saveNewTicket(const std::string& ticket);

    bool textFieldShouldReturn(ui::TextField& field) override;

    const ui::TextFieldPtr& oldPwdField() const { return oldPwdField_; }
    const ui::TextFieldPtr& newerPwdField() const { return newerPwdField_; }
    const ui::TextFieldPtr& confirmPwdFiled() const { return confirmPwdFiled_; }
    const ui::ButtonPtr& completeBtn() const { return completeBtn_; }

private:
    void buildLayout();
    ui::TextFieldPtr makeField(const cg::Rect& frame, ui::ReturnKeyType returnKey);
    void updateAdminPwdOK(const ns::Value& reply);
    void updateAdminPwdNG(const TAVOErrorPtr& error);

    ui::TextFieldPtr oldPwdField_;
    ui::TextFieldPtr newerPwdField_;
    ui::TextFieldPtr confirmPwdFiled_;
    ui::ButtonPtr completeBtn_;
};
