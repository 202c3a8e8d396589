// The alert that asks for a free text (a device's new name). A button's
// handler reads the field and answers: an empty text closes the alert, any
// other text refuses the input and keeps the alert up as it is.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "widgets/MAFieldAlertView.h"

class MATextFieldAlertView : public MAFieldAlertView {
public:
    using MAFieldAlertView::MAFieldAlertView;
    using Handler = std::function<std::string(const std::shared_ptr<MATextFieldAlertView>&)>;

    static std::shared_ptr<MATextFieldAlertView> create(const std::string& title, const std::string& message = "");

    void addButtonWithTitle(const std::string& title, int type, Handler handler);

    const ui::TextFieldPtr& inputView() const { return textField(); }

protected:
    void handlerAnswered(const std::string& answer) override;
};

using MATextFieldAlertViewPtr = std::shared_ptr<MATextFieldAlertView>;
