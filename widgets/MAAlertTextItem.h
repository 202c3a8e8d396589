// A button of an alert with a text field: its handler answers with a text.
// An empty text means the input was accepted; anything else is what the
// alert should tell the person (or, for a free-text alert, a refusal that
// keeps it up).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "uikit/MAAlertItem.h"

class MAAlertTextItem : public MAAlertItem {
public:
    using TextAction = std::function<std::string(const std::shared_ptr<MAAlertView>&)>;

    static std::shared_ptr<MAAlertTextItem> create(std::string title, int type, TextAction action);

    TextAction textAction;  // may be empty
};

using MAAlertTextItemPtr = std::shared_ptr<MAAlertTextItem>;
