#include "tests/support/screen/QueuedAlert.h"

#include "platform/ui/TextField.h"
#include "platform/ui/TouchDriver.h"
#include "tests/support/Harness.h"

namespace keelbox::test {

namespace {

void collectFields(const ui::ViewPtr& view, std::vector<std::shared_ptr<ui::TextField>>& fields) {
    if (!view) return;
    if (auto field = std::dynamic_pointer_cast<ui::TextField>(view)) fields.push_back(field);
    for (const auto& sub : view->subviews()) collectFields(sub, fields);
}

std::vector<std::shared_ptr<ui::TextField>> fieldsOf(const MAAlertView& alert) {
    std::vector<std::shared_ptr<ui::TextField>> fields;
    collectFields(alert.containerView(), fields);
    return fields;
}

}  // namespace

std::vector<std::shared_ptr<ShownAlert>> QueuedAlert::shown() {
    auto current = MAAlertView::currentAlertView();
    if (!current || !current->isVisible() || !current->alertWindow()) return {};
    return {std::make_shared<QueuedAlert>(current)};
}

std::vector<std::string> QueuedAlert::buttonTitles() const {
    std::vector<std::string> titles;
    for (const auto& button : alert_->buttons()) titles.push_back(button->titleForState(ui::ControlStateNormal).value_or(""));
    return titles;
}

std::size_t QueuedAlert::textFieldCount() const { return fieldsOf(*alert_).size(); }

bool QueuedAlert::fillTextField(std::size_t index, const std::string& text) {
    auto fields = fieldsOf(*alert_);
    if (index >= fields.size()) return false;
    auto field = fields[index];
    field->becomeFirstResponder();
    if (!field->clear() && !field->text().empty()) return false;
    return field->insertText(text);
}

bool QueuedAlert::pressButton(const std::string& title) {
    for (const auto& button : alert_->buttons()) {
        if (button->titleForState(ui::ControlStateNormal).value_or("") != title) continue;
        ui::TouchDriver finger([](double seconds) { advance(seconds); });
        auto hit = finger.tapView(button);
        return hit && (hit == button || hit->isDescendantOfView(button));
    }
    return false;
}

}  // namespace keelbox::test
