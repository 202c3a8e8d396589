#include <gtest/gtest.h>

#include "core/app/CustomViewFromNib.h"
#include "platform/ui/Label.h"
#include "platform/ui/NibRegistry.h"
#include "platform/ui/Screen.h"

namespace {

class SpeedupHeaderView : public ui::View {
    using ui::View::View;
};

// The file holds a plain view first, then the header view; the tall
// variant's header is taller so the two can be told apart.
ui::NibRegistration header("SpeedupHeaderView", [](const ns::ObjectPtr&) {
    return std::vector<ns::ObjectPtr>{ui::View::create(cg::RectMake(0, 0, 10, 10)),
                                      ui::View::make<SpeedupHeaderView>(cg::RectMake(0, 0, 320, 100))};
});
ui::NibRegistration tallHeader("SpeedupHeaderView-568h", [](const ns::ObjectPtr&) {
    return std::vector<ns::ObjectPtr>{ui::View::make<SpeedupHeaderView>(cg::RectMake(0, 0, 320, 188))};
});
ui::NibRegistration labelsOnly("LabelsOnlyView", [](const ns::ObjectPtr&) {
    return std::vector<ns::ObjectPtr>{ui::Label::create()};
});

class NoFileView : public ui::View {
    using ui::View::View;
};
class LabelsOnlyView : public ui::View {
    using ui::View::View;
};

}  // namespace

TEST(CustomViewFromNib, TheFirstViewOfTheClassFromTheFileForTheScreen) {
    const cg::Rect original = ui::Screen::mainScreen()->bounds();
    for (double height : {480.0, 568.0}) {
        ui::Screen::mainScreen()->setBounds(cg::RectMake(0, 0, 320, height));
        auto view = CustomViewFromNib::customViewFromNib<SpeedupHeaderView>();
        ASSERT_TRUE(view) << height;
        EXPECT_EQ(view->frame().size.height, height == 568 ? 188 : 100);
    }
    ui::Screen::mainScreen()->setBounds(original);
}

TEST(CustomViewFromNib, NothingWithoutAFileOrWithoutAViewOfTheClass) {
    EXPECT_EQ(CustomViewFromNib::customViewFromNib<NoFileView>(), nullptr);
    EXPECT_EQ(CustomViewFromNib::customViewFromNib<LabelsOnlyView>(), nullptr);
    EXPECT_EQ(CustomViewFromNib::nibNameForClassName("NoFileView"), "");
}
