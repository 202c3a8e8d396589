// The responder chain: views, view controllers, windows and the
// application each pass touches they do not handle to their next
// responder. One responder at a time is the first responder (the focused
// text input); the keyboard follows it.
#pragma once

#include <memory>

#include "platform/foundation/Object.h"
#include "platform/ui/Touch.h"

namespace ui {

class Responder : public ns::Object {
public:
    virtual std::shared_ptr<Responder> nextResponder() const { return nullptr; }

    virtual bool canBecomeFirstResponder() const { return false; }
    virtual bool canResignFirstResponder() const { return true; }
    // Makes this the first responder; false when it cannot become one or the
    // current one refuses to resign.
    virtual bool becomeFirstResponder();
    virtual bool resignFirstResponder();
    bool isFirstResponder() const;
    static std::shared_ptr<Responder> currentFirstResponder();

    // Whether holding the focus brings up the on-screen keyboard.
    virtual bool needsKeyboard() const { return false; }

    // The default passes each phase up the chain.
    virtual void touchesBegan(const TouchSet& touches, const Event* event);
    virtual void touchesMoved(const TouchSet& touches, const Event* event);
    virtual void touchesEnded(const TouchSet& touches, const Event* event);
    virtual void touchesCancelled(const TouchSet& touches, const Event* event);

protected:
    // Called after focus moved to (true) or away from (false) this one.
    virtual void firstResponderChanged(bool /*isFirst*/) {}
};

}  // namespace ui
