#include "tests/support/screen/PlatformAlert.h"

namespace keelbox::test {

std::vector<std::string> PlatformAlert::buttonTitles() const {
    std::vector<std::string> titles;
    for (long i = 0; i < alert_->numberOfButtons(); ++i) titles.push_back(alert_->buttonTitleAtIndex(i));
    return titles;
}

std::size_t PlatformAlert::textFieldCount() const {
    std::size_t count = 0;
    while (alert_->textFieldAtIndex(static_cast<long>(count))) ++count;
    return count;
}

bool PlatformAlert::fillTextField(std::size_t index, const std::string& text) {
    auto field = alert_->textFieldAtIndex(static_cast<long>(index));
    if (!field) return false;
    field->becomeFirstResponder();
    if (!field->clear() && !field->text().empty()) return false;
    return field->insertText(text);
}

bool PlatformAlert::pressButton(const std::string& title) {
    for (long i = 0; i < alert_->numberOfButtons(); ++i) {
        if (alert_->buttonTitleAtIndex(i) != title) continue;
        alert_->tapButtonAtIndex(i);
        return true;
    }
    return false;
}

}  // namespace keelbox::test
