#include "screens/account/TAVOLicenseAgreementsViewController.h"

#include "platform/foundation/Bundle.h"
#include "platform/foundation/FileData.h"
#include "platform/foundation/Utf16.h"

std::string TAVOLicenseAgreementsViewController::bundleText(const std::string& name) {
    const std::string path = ns::Bundle::mainBundle()->pathForResource(name, "txt");
    if (path.empty()) return "";
    auto data = ns::dataWithContentsOfFile(path);
    if (!data) return "";
    std::string text = data->toString();
    return ns::utf16::isValidUtf8(text) ? text : std::string();
}

void TAVOLicenseAgreementsViewController::viewDidLoad() {
    TAVOBaseViewController::viewDidLoad();
    navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleDarkBackArrow);
    navBar()->setTitle(title());
    const cg::Rect b = view()->bounds();
    const double top = cg::RectGetMaxY(navBar()->frame());
    statementsTextView_ = ui::TextView::create(cg::RectMake(10, top + 5, b.size.width - 20, b.size.height - top - 5));
    statementsTextView_->editable = false;
    statementsTextView_->setFont(ui::Font::systemFontOfSize(13));
    statementsTextView_->textColor = ui::Color::white(0.2);
    statementsTextView_->setBackgroundColor(ui::Color::clearColor());
    statementsTextView_->setText(statements);
    view()->addSubview(statementsTextView_);
}
