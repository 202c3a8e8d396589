// The states of the text kits: attributed labels with a detected link,
// bold and coloured markup and Chinese text, and the popover view with a
// list under a title, with a text near the top edge (arrow on top), busy,
// done and failed.
#include <gtest/gtest.h>

#include "platform/ui/ViewController.h"
#include "tests/gallery/GalleryRegistry.h"
#include "uikit/LXASBasicHTMLParser.h"
#include "uikit/LXAttributedLabel.h"
#include "uikit/LXCommodityStyleModifiers.h"
#include "uikit/PopoverView.h"

namespace keelbox::gallery {

namespace {

using test::AppFixture;

// A plain white screen on top of the application's stack.
ui::ViewPtr blankScreen(AppFixture& app) {
    EXPECT_TRUE(app.launch());
    auto screen = ui::ViewController::create();
    screen->view()->setBackgroundColor(ui::Color::whiteColor());
    app.push(screen);
    return screen->view();
}

LXAttributedLabelPtr addLabel(const ui::ViewPtr& screen, double y, double height) {
    auto label = LXAttributedLabel::create(cg::RectMake(16, y, 288, height));
    label->setLineBreakMode(ui::LineBreakMode::WordWrapping);
    label->setFont(ui::Font::systemFontOfSize(16));
    screen->addSubview(label);
    return label;
}

// Markup over text already in the labels' font, as callers hand it over.
ns::AttributedStringPtr styledMarkup(const std::string& markup) {
    auto text = ns::AttributedString::create(markup);
    LXCommodityStyleModifiers::setFont(*text, ui::Font::systemFontOfSize(16));
    return LXASBasicHTMLParser().attributedStringByProcessingMarkupInAttributedString(*text);
}

void attributedLabels(AppFixture& app) {
    auto screen = blankScreen(app);
    addLabel(screen, 80, 44)->setText("Help is at http://example.com/help or call 010 8888 1234.");

    addLabel(screen, 150, 44)->setAttributedText(styledMarkup(
        "<b>Bold</b> words, <font color='#d02020'>red words</font>, <u>underlined</u> and "
        "<a href='http://example.com/more'>a link</a>."));
    addLabel(screen, 220, 44)->setAttributedText(
        styledMarkup("路由器<b>已连接</b>，网速<font color='#1a9e3a'>良好</font>。详情见 www.example.com"));

    auto centred = addLabel(screen, 290, 80);
    centred->setCenterVertically(true);
    centred->setTextAlignment(ui::TextAlignment::Center);
    centred->setBackgroundColor(ui::Color::white(0.94));
    centred->setText("Centred vertically");
    app.screen().wait(0.5);
}

PopoverViewPtr channelList(AppFixture& app) {
    auto screen = blankScreen(app);
    auto popover = PopoverView::showPopoverAtPoint({160, 420}, screen, "Channel",
                                                   PopoverView::StringArray{"Auto", "Channel 1", "Channel 6",
                                                                            "Channel 11"},
                                                   nullptr);
    app.screen().wait(0.5);
    return popover;
}

}  // namespace

void registerUikitTextGalleryStates() {
    GalleryRegistry::add("uikit_attributed_labels", attributedLabels);
    GalleryRegistry::add("uikit_popover_list", [](AppFixture& app) { channelList(app); });
    GalleryRegistry::add("uikit_popover_text_below_tip", [](AppFixture& app) {
        auto screen = blankScreen(app);
        PopoverView::showPopoverAtPoint({60, 40}, screen,
                                        "A popover near the top opens below the point it shows.", nullptr);
        app.screen().wait(0.5);
    });
    GalleryRegistry::add("uikit_popover_busy", [](AppFixture& app) {
        channelList(app)->showActivityIndicatorWithMessage("Switching");
        app.screen().wait(0.5);
    });
    GalleryRegistry::add("uikit_popover_success", [](AppFixture& app) {
        channelList(app)->showSuccess();
        app.screen().wait(0.5);
    });
    GalleryRegistry::add("uikit_popover_error", [](AppFixture& app) {
        channelList(app)->showError();
        app.screen().wait(0.5);
    });
}

}  // namespace keelbox::gallery
