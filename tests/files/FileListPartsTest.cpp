// The parts of the file lists: a row in every transfer state, the select
// texts of the base list, and the folder path strip's nodes sliding in and
// out, scrolling and reporting taps.
#include <gtest/gtest.h>

#include "files/TAVOFileInfoCell.h"
#include "files/TAVOFileSelectViewController.h"
#include "files/TAVOFolderTreeCell.h"
#include "files/TAVOHTreeView.h"
#include "platform/ui/Touch.h"
#include "tests/files/FilesFixture.h"

namespace keelbox::test {
namespace {

TAVOFileInfoPtr record(int state, int type = 1) {
    auto r = TAVOFileInfo::create();
    r->fileName = "f.bin";
    r->fileType = type;
    r->state = state;
    r->time = "2026-12-11 03:00";
    r->size = "1.0MB";
    r->fileLogoUrl = "ic_type_unknown";
    return r;
}

struct Shown {
    bool time, size, arrow, bar, check, del;
    const char* word;  // nullptr: the right label hidden
};

Shown shown(const TAVOFileInfoCellPtr& c) {
    static std::string word;
    word = c->rightProgressLB()->text();
    return {!c->timeLB()->isHidden(), !c->sizeLB()->isHidden(), !c->rightImageView()->isHidden(), !c->progressView()->isHidden(),
            !c->selectImageView()->isHidden(), !c->rightDeleteBtn()->isHidden(), c->rightProgressLB()->isHidden() ? nullptr : word.c_str()};
}

TEST(FileInfoCellTest, EveryStateShowsItsParts) {
    auto cell = TAVOFileInfoCell::create("cell");
    struct Case {
        int state, type;
        Shown expected;
        std::string time;
    };
    const std::vector<Case> cases = {
        {0, 0, {true, true, true, false, false, false, nullptr}, "2026-12-11 03:00"},
        {0, 1, {true, true, false, false, false, false, nullptr}, "2026-12-11 03:00"},
        {1, 1, {false, false, false, true, false, false, "上传中"}, ""},
        {2, 1, {true, false, false, false, false, true, nullptr}, "上传失败"},
        {3, 1, {false, false, false, true, false, false, "下载中"}, ""},
        {4, 1, {true, false, false, false, false, true, nullptr}, "下载失败"},
        {5, 1, {true, true, false, false, false, false, "已完成"}, "2026-12-11 03:00"},
        {5, 0, {true, true, true, false, false, false, nullptr}, ""},
        {6, 1, {false, false, false, true, false, false, "暂停"}, ""},
        {7, 1, {false, false, false, true, false, false, "等待中"}, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.state) + "/" + std::to_string(c.type));
        // The same cell, reused after a failed row: no earlier words stay.
        cell->bindModel(record(4));
        cell->bindModel(record(c.state, c.type));
        const Shown s = shown(cell);
        EXPECT_EQ(s.time, c.expected.time);
        if (c.state != 5 || c.type != 0) {
            EXPECT_EQ(s.size, c.expected.size);
        }
        EXPECT_EQ(s.arrow, c.expected.arrow);
        EXPECT_EQ(s.bar, c.expected.bar);
        EXPECT_EQ(s.check, c.expected.check);
        EXPECT_EQ(s.del, c.expected.del);
        EXPECT_EQ(s.word ? std::string(s.word) : "-", c.expected.word ? std::string(c.expected.word) : "-");
        if (!c.time.empty()) {
            EXPECT_EQ(cell->timeLB()->text(), c.time);
        }
    }
    // A selected row shows the ticked box even in a transfer state.
    auto selected = record(3);
    selected->isSelected = true;
    cell->bindModel(selected);
    EXPECT_FALSE(cell->selectImageView()->isHidden());
    EXPECT_FALSE(cell->timeLB()->isHidden());
    EXPECT_TRUE(cell->progressView()->isHidden());
    // A file the router cannot size shows its icon and name only.
    auto big = record(0);
    big->isBigFile = true;
    cell->bindModel(big);
    EXPECT_TRUE(cell->timeLB()->isHidden());
    EXPECT_TRUE(cell->sizeLB()->isHidden());
    // Select mode swaps the right label for the box.
    cell->bindModel(record(5));
    cell->setShowSelectView(true);
    EXPECT_TRUE(cell->rightProgressLB()->isHidden());
    EXPECT_FALSE(cell->selectImageView()->isHidden());
}

struct DeleteListener : TAVOFileInfoCellDelegate {
    std::vector<TAVOFileInfoPtr> asked;
    void cellDeleteFileInfo(TAVOFileInfoCell&, const TAVOFileInfoPtr& info) override { asked.push_back(info); }
};

TEST(FileInfoCellTest, TheDeleteButtonReachesTheDelegate) {
    auto cell = TAVOFileInfoCell::create("cell");
    auto failed = record(2);
    cell->bindModel(failed);
    cell->deleteFailFile();  // no delegate: nothing happens
    auto listener = std::make_shared<DeleteListener>();
    cell->setFileInfoCellDelegate(listener);
    cell->rightDeleteBtn()->sendActionsForControlEvents(ui::ControlEventTouchUpInside);
    ASSERT_EQ(listener->asked.size(), 1u);
    EXPECT_EQ(listener->asked[0], failed);
}

struct Host : TAVOFileListHost {
    int mode = 0;
    std::string title, right;
    void setCurrentMode(int m) override { mode = m; }
    int currentMode() const override { return mode; }
    void changeTitle(const std::string& t) override { title = t; }
    void setRightBarItemText(const std::string& t) override { right = t; }
    void showLoading() override {}
    void dismisLoading() override {}
    void showError(const TAVOErrorPtr&) override {}
    void showFileToast(int, const std::string&) override {}
    void addDownloads(const std::vector<TAVOFileInfoPtr>&) override {}
};

TEST(FileSelectListTest, TitleAndSelectTexts) {
    auto list = ui::ViewController::make<TAVOFileSelectViewController>();
    auto host = std::make_shared<Host>();
    list->setHost(host);
    list->changeNavBarTextOfItems({});
    EXPECT_EQ(host->title, "0 selected");
    EXPECT_EQ(host->right, "Select none");
    auto a = record(0), b = record(0);
    a->isSelected = true;
    list->changeNavBarTextOfItems({a, b});
    EXPECT_EQ(host->title, "1 selected");
    EXPECT_EQ(host->right, "Select all");
    list->gotoMode(1);
    EXPECT_EQ(host->mode, 1);
    (void)list->view();
    EXPECT_TRUE(list->noFileImageView()->isHidden());
    list->setNoData(true);
    EXPECT_FALSE(list->noFileImageView()->isHidden());
    EXPECT_EQ(list->noFileLB()->text(), "没有文件");
}

struct Nodes : TAVOHTreeViewDataSource, TAVOHTreeViewDelegate {
    std::vector<double> widths;
    std::vector<unsigned> taps;
    unsigned numberOfNodesInTreeView(TAVOHTreeView&) override { return static_cast<unsigned>(widths.size()); }
    TAVOTreeCellPtr cellForRowAtIndex(TAVOHTreeView&, unsigned i) override {
        auto cell = TAVOFolderTreeCell::create();
        cell->bindModel("node " + std::to_string(i));
        return cell;
    }
    double widthForRowAtIndex(TAVOHTreeView&, unsigned i) override { return widths[i]; }
    void didSelectRowAtIndex(TAVOHTreeView&, unsigned i) override { taps.push_back(i); }
};

TEST(FolderPathStripTest, NodesSlideInAndOutAndScroll) {
    auto strip = TAVOHTreeView::create(cg::RectMake(0, 0, 320, 44));
    auto nodes = std::make_shared<Nodes>();
    strip->setDataSource(nodes);
    strip->setDelegate(nodes);
    nodes->widths = {80, 90, 100};
    strip->reloadData();
    strip->layoutIfNeeded();
    ASSERT_EQ(strip->cells().size(), 3u);
    EXPECT_EQ(strip->currentX(), 270);
    advance(0.3);
    EXPECT_EQ(strip->cells()[2]->frame().origin.x, 170);
    EXPECT_EQ(strip->scrollView()->contentSize().width, 270);

    // Back to one node: the other two slide out to the right and go.
    auto leaving = strip->cells()[2];
    nodes->widths = {80};
    strip->reloadData();
    strip->layoutIfNeeded();
    EXPECT_EQ(strip->currentX(), 80);
    EXPECT_EQ(strip->cells().size(), 1u);
    advance(0.3);
    EXPECT_EQ(leaving->frame().origin.x, 320);
    EXPECT_FALSE(leaving->superview());

    // Wider than the strip: it scrolls so the last node ends 15 points in.
    nodes->widths = {80, 120, 120, 120};
    strip->reloadData();
    strip->layoutIfNeeded();
    advance(0.5);
    EXPECT_EQ(strip->scrollView()->contentOffset().x, 440 - 320 + 15);

    // A tap reports its node 0.1 s after the finger lifts.
    auto node = std::dynamic_pointer_cast<TAVOFolderTreeCell>(strip->cells()[1]);
    node->touchesBegan({}, nullptr);
    EXPECT_TRUE(node->pressed());
    node->touchesEnded({}, nullptr);
    EXPECT_TRUE(nodes->taps.empty());
    advance(0.11);
    EXPECT_EQ(nodes->taps, (std::vector<unsigned>{1}));
    EXPECT_FALSE(node->pressed());
    node->touchesBegan({}, nullptr);
    node->touchesCancelled({}, nullptr);
    advance(0.2);
    EXPECT_EQ(nodes->taps.size(), 1u);
    EXPECT_FALSE(node->pressed());
}

}  // namespace
}  // namespace keelbox::test
