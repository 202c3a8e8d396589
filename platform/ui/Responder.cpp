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

namespace {
// While focus passes from one responder to another the keyboard stays.
bool transferring = false;
}  // namespace

bool Responder::becomeFirstResponder() {
    auto current = first().lock();
    if (current.get() == this) return true;
    if (!canBecomeFirstResponder()) return false;
    auto me = self<Responder>();
    const bool hadKeyboard = current && current->needsKeyboard();
    if (current) {
        transferring = true;
        bool resigned = current->resignFirstResponder();
        transferring = false;
        if (!resigned || first().lock()) return false;
    }
    first() = me;
    firstResponderChanged(true);
    Keyboard::focusMoved(hadKeyboard, needsKeyboard());
    return true;
}

bool Responder::resignFirstResponder() {
    if (!isFirstResponder()) return true;
    if (!canResignFirstResponder()) return false;
    auto keep = self<Responder>();
    first().reset();
    firstResponderChanged(false);
    if (!transferring) Keyboard::focusMoved(needsKeyboard(), false);
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
