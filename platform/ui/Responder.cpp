#include "platform/ui/Responder.h"

#include "platform/foundation/Singleton.h"
#include "platform/ui/Keyboard.h"

namespace ui {

namespace {
std::weak_ptr<Responder>& first() {
    static std::weak_ptr<Responder> r;
    static bool registered = false;
    if (!registered) {
        registered = true;
        ns::onTestReset([] { first().reset(); });
    }
    return r;
}
}  // namespace

std::shared_ptr<Responder> Responder::currentFirstResponder() { return first().lock(); }

bool Responder::isFirstResponder() const { return first().lock().get() == this; }

bool Responder::becomeFirstResponder() {
    auto current = first().lock();
    if (current.get() == this) return true;
    if (!canBecomeFirstResponder()) return false;
    if (current && !current->canResignFirstResponder()) return false;
    auto me = self<Responder>();
    first() = me;
    if (current) current->firstResponderChanged(false);
    firstResponderChanged(true);
    Keyboard::focusMoved(current ? current->needsKeyboard() : false, needsKeyboard());
    return true;
}

bool Responder::resignFirstResponder() {
    if (!isFirstResponder()) return true;
    if (!canResignFirstResponder()) return false;
    auto keep = self<Responder>();
    first().reset();
    firstResponderChanged(false);
    Keyboard::focusMoved(needsKeyboard(), false);
    return true;
}

void Responder::touchesBegan(const TouchSet& touches, const Event* event) {
    if (auto next = nextResponder()) next->touchesBegan(touches, event);
}
void Responder::touchesMoved(const TouchSet& touches, const Event* event) {
    if (auto next = nextResponder()) next->touchesMoved(touches, event);
}
void Responder::touchesEnded(const TouchSet& touches, const Event* event) {
    if (auto next = nextResponder()) next->touchesEnded(touches, event);
}
void Responder::touchesCancelled(const TouchSet& touches, const Event* event) {
    if (auto next = nextResponder()) next->touchesCancelled(touches, event);
}

}  // namespace ui
