// The list cells' geometry and the separator lines: which rows get which
// lines, and that a reused cell finds its lines again.
#include <gtest/gtest.h>

#include "core/crypto/TAVOCommonUtility.h"
#include "platform/ui/ImageView.h"
#include "tests/support/Harness.h"
#include "widgets/TAVOCommonTableViewCell.h"
#include "widgets/TAVORightPaneCell.h"
#include "widgets/TAVOSettingSelectCell.h"
#include "widgets/TAVOSingleChooseTableViewCell.h"
#include "widgets/UITableViewCellSeperator.h"

namespace keelbox::test {
namespace {

ui::ImagePtr picture(double width, double height) {
    return TAVOCommonUtility::createImageFromColor(ui::Color::redColor(), {width, height});
}

template <class Cell>
std::shared_ptr<Cell> laidOutCell(double width, double height, std::shared_ptr<Cell> cell) {
    cell->setFrame(cg::RectMake(0, 0, width, height));
    cell->layoutIfNeeded();
    return cell;
}

TEST(TAVOSettingSelectCellTest, StatusEndsBeforeTheArrowAndTheTitleFollowsTheIcon) {
    auto cell = TAVOSettingSelectCell::create(ui::TableViewCellStyle::Default, "setting");
    cell->iconImage()->setImage(picture(27, 27));
    cell->arrowView()->setImage(picture(7, 12));
    laidOutCell(320, 50, cell);
    EXPECT_EQ(cell->iconImage()->frame(), cg::RectMake(13, 11.5, 27, 27));
    EXPECT_EQ(cell->settingTitle()->frame(), cg::RectMake(50, 0, 320, 50));
    EXPECT_EQ(cell->arrowView()->frame(), cg::RectMake(300, 19, 7, 12));
    EXPECT_EQ(cell->statusLabel()->frame(), cg::RectMake(192, 0, 100, 50));
    EXPECT_EQ(cell->flagImage()->frame(), cg::RectMake(230, 0, 50, 50));

    // No icon, no arrow.
    cell->iconImage()->setImage(nullptr);
    cell->arrowView()->setImage(nullptr);
    cell->setNeedsLayout();
    cell->layoutIfNeeded();
    EXPECT_EQ(cell->settingTitle()->frame().origin.x, 13);
    EXPECT_EQ(cell->statusLabel()->frame(), cg::RectMake(207, 0, 100, 50));

    // An icon the owner sized keeps its size.
    cell->setManualLayout(true);
    cell->iconImage()->setFrame(cg::RectMake(0, 0, 40, 20));
    cell->setNeedsLayout();
    cell->layoutIfNeeded();
    EXPECT_EQ(cell->iconImage()->frame(), cg::RectMake(13, 15, 40, 20));
}

TEST(TAVORightPaneCellTest, ASubtitleSplitsTheRowAndAnEmptyOneHidesIt) {
    auto cell = laidOutCell(320, 60, TAVORightPaneCell::create(ui::TableViewCellStyle::Default, "pane"));
    const double titleX = 13 + 27 + 9;
    EXPECT_EQ(cell->titleLabel()->frame(), cg::RectMake(titleX, 0, 320 - titleX, 60));
    EXPECT_TRUE(cell->subTitleLabel()->isHidden());

    cell->setSubTitle("Version 2.0");
    cell->setTitle("About");
    EXPECT_FALSE(cell->subTitleLabel()->isHidden());
    cell->setNeedsLayout();
    cell->layoutIfNeeded();
    EXPECT_EQ(cell->titleLabel()->frame(), cg::RectMake(titleX, 0, 320 - titleX, 40));
    EXPECT_EQ(cell->subTitleLabel()->frame(), cg::RectMake(titleX, 35, 320 - titleX, 20));

    cell->setSubTitle("");
    cell->setTitle("About");
    EXPECT_TRUE(cell->subTitleLabel()->isHidden());
    cell->setNeedsLayout();
    cell->layoutIfNeeded();
    EXPECT_EQ(cell->titleLabel()->frame().size.height, 60);
}

TEST(TAVOSingleChooseTableViewCellTest, TitleOverSubtitleBesideTheIcon) {
    auto cell = TAVOSingleChooseTableViewCell::create(ui::TableViewCellStyle::Default, "router");
    const double iconRight = 15 + 16;
    EXPECT_EQ(cell->iconView()->frame(), cg::RectMake(15, 0, 16, 44));
    const cg::Rect title = cell->titleLabel()->frame();
    EXPECT_EQ(title.origin.x, iconRight + 12);
    EXPECT_EQ(title.size.width, 320 - iconRight + 24);
    EXPECT_NEAR(title.size.height, 26.4, 1e-9);
    EXPECT_NEAR(cell->subtitleLabel()->frame().origin.y, 26.4, 1e-9);
    EXPECT_NEAR(cell->subtitleLabel()->frame().size.height, 17.6, 1e-9);
    EXPECT_EQ(cell->accessoryType(), ui::TableViewCellAccessoryType::DisclosureIndicator);
}

TEST(TAVOCommonTableViewCellTest, TextSitsBetweenIconAndArrow) {
    auto cell = TAVOCommonTableViewCell::create(ui::TableViewCellStyle::Default, "common");
    cell->iconView()->setImage(picture(30, 30));
    cell->arrowView()->setImage(picture(9, 14));
    laidOutCell(320, 50, cell);
    EXPECT_EQ(cell->iconView()->frame(), cg::RectMake(15, 10, 30, 30));
    EXPECT_EQ(cell->contentLable()->frame(), cg::RectMake(55, 0, 241, 50));
    EXPECT_EQ(cell->arrowView()->frame(), cg::RectMake(296, 18, 9, 14));
    EXPECT_EQ(cell->iconView()->superview(), cell);

    cell->iconView()->setImage(nullptr);
    cell->setNeedsLayout();
    cell->layoutIfNeeded();
    EXPECT_EQ(cell->contentLable()->frame().origin.x, 15);
    EXPECT_EQ(cell->iconView()->frame().size, (cg::Size{0, 0}));
}

class Rows : public ui::TableViewDataSource {
public:
    long numberOfRowsInSection(ui::TableView&, long) override { return 3; }
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView&, const ui::IndexPath&) override { return nullptr; }
};

TEST(SeparatorLinesTest, FirstRowFullWidthLaterRowsIndentedOnlyTheLastWithABottomLine) {
    auto table = ui::TableView::create(cg::RectMake(0, 0, 320, 400));
    auto rows = std::make_shared<Rows>();
    table->setDataSource(rows);
    table->reloadData();
    struct Case {
        long row;
        cg::Rect top;
        bool bottomShown;
    };
    for (const Case c : {Case{0, cg::RectMake(0, 0, 320, 0.5), false}, Case{1, cg::RectMake(14, 0, 306, 0.5), false},
                         Case{2, cg::RectMake(14, 0, 306, 0.5), true}}) {
        SCOPED_TRACE(c.row);
        auto cell = ui::TableViewCell::create(ui::TableViewCellStyle::Default, "row");
        showSeparatorLine(cell, true, ui::IndexPath::indexPathForRow(c.row, 0), *table);
        auto top = findSubView(kTopSeparatorLineTag, cell);
        ASSERT_TRUE(top);
        EXPECT_EQ(top->superview(), cell);
        EXPECT_EQ(top->frame(), c.top);
        EXPECT_FALSE(top->isHidden());
        auto bottom = findSubView(kBottomSeparatorLineTag, cell);
        EXPECT_EQ(bottom && !bottom->isHidden(), c.bottomShown);
        if (bottom) {
            EXPECT_EQ(bottom->frame(), cg::RectMake(0, 43, 320, 0.5));
        }
    }
}

TEST(SeparatorLinesTest, AReusedCellFindsItsLinesAndTheBottomLineFollowsTheFinalSize) {
    auto table = ui::TableView::create(cg::RectMake(0, 0, 320, 400));
    auto rows = std::make_shared<Rows>();
    table->setDataSource(rows);
    table->reloadData();
    auto cell = ui::TableViewCell::create(ui::TableViewCellStyle::Default, "row");
    showSeparatorLine(cell, true, ui::IndexPath::indexPathForRow(2, 0), *table);
    const auto count = cell->subviews().size();
    showSeparatorLine(cell, true, ui::IndexPath::indexPathForRow(2, 0), *table);
    showTopSeperatorLine(cell, true);
    showBottomSeperatorLine(cell, true);
    EXPECT_EQ(cell->subviews().size(), count);

    // Hiding the top leaves the bottom as it was.
    showSeparatorLine(cell, false, ui::IndexPath::indexPathForRow(2, 0), *table);
    EXPECT_TRUE(findSubView(kTopSeparatorLineTag, cell)->isHidden());
    EXPECT_FALSE(findSubView(kBottomSeparatorLineTag, cell)->isHidden());

    // Sized after the line was placed: the next turn puts it on the new edge.
    cell->setFrame(cg::RectMake(0, 0, 375, 60));
    advance(0);
    EXPECT_EQ(findSubView(kBottomSeparatorLineTag, cell)->frame(), cg::RectMake(0, 59, 375, 0.5));
    showBottomSeperatorLine(cell, false);
    EXPECT_TRUE(findSubView(kBottomSeparatorLineTag, cell)->isHidden());
}

TEST(SeparatorLinesTest, FindSubViewSearchesDepthFirstBelowTheParent) {
    auto parent = ui::View::create();
    parent->setTag(7);
    auto first = ui::View::create();
    auto nested = ui::View::create();
    nested->setTag(7);
    auto second = ui::View::create();
    second->setTag(7);
    first->addSubview(nested);
    parent->addSubview(first);
    parent->addSubview(second);
    EXPECT_EQ(findSubView(7, parent), nested);
    EXPECT_EQ(findSubView(8, parent), nullptr);
    EXPECT_EQ(findSubView(7, nullptr), nullptr);
}

}  // namespace
}  // namespace keelbox::test
