#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/graphics/Image.h"
#include "platform/ui/Appearance.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/ProgressView.h"
#include "platform/ui/TableView.h"
#include "platform/ui/TextField.h"
#include "platform/ui/Window.h"

using namespace ui;

namespace {

// Lays the view out and draws it, so that only later requests show.
void settle(View& view) {
    view.layoutIfNeeded();
    view.layer()->display(nullptr);
}

struct PropertyCase {
    std::string name;
    std::function<ViewPtr()> make;
    std::function<void(View&)> set;
    unsigned effects;
};

template <class T>
std::function<void(View&)> on(std::function<void(T&)> set) {
    return [set](View& v) { set(static_cast<T&>(v)); };
}

}  // namespace

TEST(ViewProperties, ANewValueAsksForWhatThePropertyNeedsAnEqualOneForNothing) {
    auto image = Image::imageWithCGImage(cg::Image::create(4, 4));
    const std::vector<PropertyCase> cases = {
        {"view tint", [] { return View::create(); }, [](View& v) { v.setTintColor(Color::redColor()); },
         PropertyEffectsDisplay},
        {"label text", [] { return Label::create(); }, on<Label>([](Label& l) { l.setText("Status"); }),
         PropertyEffectsDisplay},
        {"label font", [] { return Label::create(); },
         on<Label>([](Label& l) { l.setFont(Font::boldSystemFontOfSize(12)); }), PropertyEffectsDisplay},
        {"label lines", [] { return Label::create(); }, on<Label>([](Label& l) { l.setNumberOfLines(-3); }),
         PropertyEffectsDisplay},
        {"image", [] { return ImageView::create(); }, on<ImageView>([image](ImageView& i) { i.setImage(image); }),
         PropertyEffectsDisplay},
        {"control selected", [] { return Control::create(); }, on<Control>([](Control& c) { c.setSelected(true); }),
         PropertyEffectsDisplay},
        {"button title", [] { return Button::create(); },
         on<Button>([](Button& b) { b.setTitle(std::string("Go"), ControlStateNormal); }), PropertyEffectsLayout},
        {"content alignment", [] { return Button::create(); },
         on<Button>([](Button& b) { b.setContentHorizontalAlignment(ControlContentHorizontalAlignment::Left); }),
         PropertyEffectsLayout},
        {"field text", [] { return TextField::create(); }, on<TextField>([](TextField& f) { f.setText("abc"); }),
         PropertyEffectsDisplay},
        {"progress", [] { return ProgressView::create(); },
         on<ProgressView>([](ProgressView& p) { p.setProgress(1.5); }), PropertyEffectsDisplay},
        {"row height", [] { return TableView::create(cg::RectMake(0, 0, 320, 200)); },
         on<TableView>([](TableView& t) { t.setRowHeight(60); }), PropertyEffectsLayout},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto view = c.make();
        settle(*view);
        c.set(*view);
        EXPECT_EQ(view->needsDisplay(), (c.effects & PropertyEffectsDisplay) != 0);
        EXPECT_EQ(view->needsLayout(), (c.effects & PropertyEffectsLayout) != 0);
        settle(*view);
        c.set(*view);
        EXPECT_FALSE(view->needsDisplay());
        EXPECT_FALSE(view->needsLayout());
    }
}

TEST(ViewProperties, AValueSetOnTheInstanceCountsAsSetEvenWhenItEqualsTheDefault) {
    Appearance::set<Label>("textColor", [](Label& l) { l.setTextColor(Color::redColor()); });
    auto window = Window::create(cg::RectMake(0, 0, 320, 480));
    auto own = Label::create();
    own->setTextColor(own->textColor());  // black, as it already was
    auto plain = Label::create();
    window->addSubview(own);
    window->addSubview(plain);
    EXPECT_EQ(own->textColor(), Color::blackColor());
    EXPECT_EQ(plain->textColor(), Color::redColor());
}

TEST(ViewProperties, AChangedContentAlignmentMovesTheButtonsTitle) {
    auto button = Button::create(cg::RectMake(0, 0, 200, 40));
    button->setTitle(std::string("Go"), ControlStateNormal);
    button->layoutIfNeeded();
    double width = button->titleLabel()->frame().size.width;
    EXPECT_EQ(button->titleLabel()->frame().origin.x, (200 - width) / 2);
    button->setContentHorizontalAlignment(ControlContentHorizontalAlignment::Right);
    button->layoutIfNeeded();
    EXPECT_EQ(button->titleLabel()->frame().origin.x, 200 - width);
}

TEST(ViewContentModeTest, PlacesTheLayerContentsByTheMatchingGravity) {
    auto view = ImageView::create(cg::RectMake(0, 0, 100, 40));
    EXPECT_EQ(view->layer()->contentsGravity(), "resize");
    const std::vector<std::pair<ContentMode, std::string>> cases = {
        {ContentMode::Center, "center"},         {ContentMode::ScaleAspectFit, "resizeAspect"},
        {ContentMode::ScaleAspectFill, "resizeAspectFill"}, {ContentMode::TopLeft, "topLeft"},
        {ContentMode::Bottom, "bottom"},         {ContentMode::ScaleToFill, "resize"},
    };
    for (const auto& [mode, gravity] : cases) {
        view->setContentMode(mode);
        EXPECT_EQ(view->layer()->contentsGravity(), gravity);
    }
}
