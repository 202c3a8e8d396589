#include "tests/gallery/PlatformAlertPicture.h"

#include <algorithm>
#include <cmath>

#include "platform/ui/Label.h"
#include "platform/ui/TextField.h"

namespace keelbox::gallery {

namespace {

constexpr double kBoxWidth = 270;
constexpr double kBoxCornerRadius = 12;
constexpr double kPadding = 16;
constexpr double kLineGap = 4;
constexpr double kTitleFontSize = 17;
constexpr double kMessageFontSize = 13;
constexpr double kFieldHeight = 26;
constexpr double kFieldGap = 6;
constexpr double kButtonHeight = 44;
constexpr double kButtonFontSize = 17;
constexpr double kSeparator = 0.5;
constexpr double kDimAlpha = 0.4;

ui::Color separatorColor() { return ui::Color::rgba(0.8, 0.8, 0.8, 1); }
// The application's tint.
ui::Color buttonColor() { return ui::Color::rgb255(10, 167, 75); }

std::shared_ptr<ui::Label> addLabel(const ui::ViewPtr& box, const std::string& text, const ui::Font& font,
                                    double y, const ui::Color& color) {
    auto label = ui::Label::create(cg::RectMake(kPadding, y, kBoxWidth - 2 * kPadding, 0));
    label->setText(text);
    label->setFont(font);
    label->setTextColor(color);
    label->setNumberOfLines(0);
    label->setTextAlignment(ui::TextAlignment::Center);
    const cg::Size fits = label->sizeThatFits({kBoxWidth - 2 * kPadding, 1000});
    label->setFrame(cg::RectMake(kPadding, y, kBoxWidth - 2 * kPadding, std::ceil(fits.height)));
    box->addSubview(label);
    return label;
}

void addLine(const ui::ViewPtr& box, const cg::Rect& frame) {
    auto line = ui::View::create(frame);
    line->setBackgroundColor(separatorColor());
    box->addSubview(line);
}

}  // namespace

ui::WindowPtr PlatformAlertPicture::windowFor(const ui::AlertView& alert, const cg::Size& screen) {
    auto window = ui::Window::create(cg::RectMake(0, 0, screen.width, screen.height));
    window->setWindowLevel(ui::WindowLevelAlert);
    window->setBackgroundColor(ui::Color::rgba(0, 0, 0, kDimAlpha));

    auto box = ui::View::create(cg::RectMake(0, 0, kBoxWidth, 0));
    box->setBackgroundColor(ui::Color::rgba(0.97, 0.97, 0.97, 1));
    box->layer()->setCornerRadius(kBoxCornerRadius);
    box->setClipsToBounds(true);

    double y = kPadding + kLineGap;
    if (!alert.title.empty())
        y = cg::RectGetMaxY(addLabel(box, alert.title, ui::Font::boldSystemFontOfSize(kTitleFontSize), y,
                                     ui::Color::blackColor())->frame()) + kLineGap;
    if (!alert.message.empty())
        y = cg::RectGetMaxY(addLabel(box, alert.message, ui::Font::systemFontOfSize(kMessageFontSize), y,
                                     ui::Color::blackColor())->frame()) + kLineGap;
    for (long i = 0; auto field = alert.textFieldAtIndex(i); ++i) {
        y += kFieldGap;
        auto copy = ui::TextField::create(cg::RectMake(kPadding, y, kBoxWidth - 2 * kPadding, kFieldHeight));
        copy->setText(field->text());
        copy->setPlaceholder(field->placeholder());
        copy->setSecureTextEntry(field->isSecureTextEntry());
        copy->borderStyle = ui::TextBorderStyle::Line;
        copy->setBackgroundColor(ui::Color::whiteColor());
        box->addSubview(copy);
        y += kFieldHeight;
    }
    y += kPadding;

    const long count = alert.numberOfButtons();
    const bool sideBySide = count == 2;
    const double buttonWidth = sideBySide ? kBoxWidth / 2 : kBoxWidth;
    for (long i = 0; i < count; ++i) {
        const double x = sideBySide ? buttonWidth * static_cast<double>(i) : 0;
        const double top = sideBySide ? y : y + kButtonHeight * static_cast<double>(i);
        addLine(box, cg::RectMake(x, top, buttonWidth, kSeparator));
        if (sideBySide && i == 1) addLine(box, cg::RectMake(x, top, kSeparator, kButtonHeight));
        auto title = ui::Label::create(cg::RectMake(x, top, buttonWidth, kButtonHeight));
        title->setText(alert.buttonTitleAtIndex(i));
        title->setTextAlignment(ui::TextAlignment::Center);
        title->setTextColor(buttonColor());
        title->setFont(i == alert.cancelButtonIndex ? ui::Font::systemFontOfSize(kButtonFontSize)
                                                    : ui::Font::boldSystemFontOfSize(kButtonFontSize));
        box->addSubview(title);
    }
    y += kButtonHeight * static_cast<double>(sideBySide ? 1 : count);

    box->setFrame(cg::RectMake((screen.width - kBoxWidth) / 2, (screen.height - y) / 2, kBoxWidth, y));
    window->addSubview(box);
    window->setHidden(false);
    return window;
}

}  // namespace keelbox::gallery
