// A table: sections of rows laid out top to bottom in a scroll view, with
// optional section headers and footers and table header and footer views.
// In a plain table the headers and footers of the section in view float at
// the edges of the visible area, as the platform draws them.
// Only the rows in view have cells; a cell scrolled out or dropped by a
// reload goes to the reuse pool of its identifier, and the data source gets
// it back from dequeueReusableCellWithIdentifier (after prepareForReuse).
//
// A tap on a row (a touch that does not become a drag) highlights it while
// down and selects it on release, asking the delegate first. Row updates
// check their counts against the data source; a mismatch, which the
// platform answers by crashing, reloads the whole table instead and logs a
// warning.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/ui/IndexPath.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/TableViewCell.h"

namespace ui {

class TableView;

enum class TableViewStyle { Plain = 0, Grouped = 1 };
enum class TableViewRowAnimation { Fade = 0, Right = 1, Left = 2, Top = 3, Bottom = 4, None = 5, Middle = 6,
                                   Automatic = 100 };
enum class TableViewScrollPosition { None = 0, Top = 1, Middle = 2, Bottom = 3 };
enum class TableViewCellEditingStyle { None = 0, Delete = 1, Insert = 2 };

class TableViewDataSource {
public:
    virtual ~TableViewDataSource() = default;
    virtual long numberOfSectionsInTableView(TableView&) { return 1; }
    virtual long numberOfRowsInSection(TableView&, long section) = 0;
    virtual TableViewCellPtr cellForRowAtIndexPath(TableView&, const IndexPath&) = 0;
    virtual std::optional<std::string> titleForHeaderInSection(TableView&, long) { return std::nullopt; }
    virtual std::optional<std::string> titleForFooterInSection(TableView&, long) { return std::nullopt; }
    virtual std::vector<std::string> sectionIndexTitlesForTableView(TableView&) { return {}; }
    virtual bool canEditRowAtIndexPath(TableView&, const IndexPath&) { return true; }
    virtual void commitEditingStyle(TableView&, TableViewCellEditingStyle, const IndexPath&) {}
};

class TableViewDelegate : public ScrollViewDelegate {
public:
    // Heights: nullopt means "not implemented" (the table's own value).
    virtual std::optional<double> heightForRowAtIndexPath(TableView&, const IndexPath&) { return std::nullopt; }
    virtual std::optional<double> heightForHeaderInSection(TableView&, long) { return std::nullopt; }
    virtual std::optional<double> heightForFooterInSection(TableView&, long) { return std::nullopt; }
    virtual ViewPtr viewForHeaderInSection(TableView&, long) { return nullptr; }
    virtual ViewPtr viewForFooterInSection(TableView&, long) { return nullptr; }
    virtual void willDisplayCell(TableView&, const TableViewCellPtr&, const IndexPath&) {}
    // nullopt refuses the selection; the default selects the row itself.
    virtual std::optional<IndexPath> willSelectRowAtIndexPath(TableView&, const IndexPath& ip) { return ip; }
    virtual void didSelectRowAtIndexPath(TableView&, const IndexPath&) {}
    virtual std::optional<IndexPath> willDeselectRowAtIndexPath(TableView&, const IndexPath& ip) { return ip; }
    virtual void didDeselectRowAtIndexPath(TableView&, const IndexPath&) {}
    virtual bool shouldHighlightRowAtIndexPath(TableView&, const IndexPath&) { return true; }
    virtual TableViewCellEditingStyle editingStyleForRowAtIndexPath(TableView&, const IndexPath&) {
        return TableViewCellEditingStyle::Delete;
    }
};

class TableView : public ScrollView {
public:
    using ScrollView::ScrollView;
    static std::shared_ptr<TableView> create(const cg::Rect& frame, TableViewStyle style = TableViewStyle::Plain);
    // How long animated row updates take (their transaction completes then).
    static constexpr double kRowAnimationDuration = 0.3;

    template <class T = TableView>
    static std::shared_ptr<T> makeTable(const cg::Rect& frame, TableViewStyle style) {
        auto t = construct<T>();
        t->initWithFrameStyle(frame, style);
        return t;
    }
    virtual void initWithFrameStyle(const cg::Rect& frame, TableViewStyle style);

    TableViewStyle style() const { return style_; }
    std::shared_ptr<TableViewDataSource> dataSource() const { return dataSource_.lock(); }
    void setDataSource(const std::shared_ptr<TableViewDataSource>& d) { dataSource_ = d; }
    std::shared_ptr<TableViewDelegate> tableDelegate() const { return tableDelegate_.lock(); }
    // Also the scroll view's delegate.
    void setTableDelegate(const std::shared_ptr<TableViewDelegate>& d);

    // The heights of rows and of section headers and footers where the
    // delegate gives none; a change lays the rows out again.
    double rowHeight() const { return rowHeight_; }
    void setRowHeight(double height) { setHeight(rowHeight_, height); }
    double sectionHeaderHeight() const { return sectionHeaderHeight_; }
    void setSectionHeaderHeight(double height) { setHeight(sectionHeaderHeight_, height); }
    double sectionFooterHeight() const { return sectionFooterHeight_; }
    void setSectionFooterHeight(double height) { setHeight(sectionFooterHeight_, height); }
    int separatorStyle = 1;
    OptionalColor separatorColor;
    bool allowsSelection = true;
    bool allowsSelectionDuringEditing = false;
    const ViewPtr& tableHeaderView() const { return headerView_; }
    void setTableHeaderView(const ViewPtr& v);
    const ViewPtr& tableFooterView() const { return footerView_; }
    void setTableFooterView(const ViewPtr& v);
    const ViewPtr& backgroundView() const { return backgroundView_; }
    void setBackgroundView(const ViewPtr& v);

    void reloadData();
    void reloadSectionIndexTitles();
    const std::vector<std::string>& sectionIndexTitles() const { return indexTitles_; }
    long numberOfSections() const { return static_cast<long>(sections_.size()); }
    long numberOfRowsInSection(long section) const;

    // Reuse.
    TableViewCellPtr dequeueReusableCellWithIdentifier(const std::string& identifier);
    using CellFactory = std::function<TableViewCellPtr(const std::string& identifier)>;
    void registerCellFactory(const std::string& identifier, CellFactory factory);
    // With a registered factory this never returns null.
    TableViewCellPtr dequeueReusableCellWithIdentifier(const std::string& identifier, const IndexPath& ip);
    std::size_t reusePoolSize(const std::string& identifier) const;

    // Rows and cells.
    std::vector<TableViewCellPtr> visibleCells();
    std::vector<IndexPath> indexPathsForVisibleRows();
    TableViewCellPtr cellForRowAtIndexPath(const IndexPath& ip);
    std::optional<IndexPath> indexPathForCell(const TableViewCellPtr& cell) const;
    std::optional<IndexPath> indexPathForRowAtPoint(const cg::Point& p) const;
    cg::Rect rectForRowAtIndexPath(const IndexPath& ip) const;
    cg::Rect rectForSection(long section) const;
    cg::Rect rectForHeaderInSection(long section) const;
    ViewPtr headerViewForSection(long section) const;
    void scrollToRowAtIndexPath(const IndexPath& ip, TableViewScrollPosition position, bool animated);

    // Selection (no delegate calls, as on the platform).
    std::optional<IndexPath> indexPathForSelectedRow() const { return selected_; }
    void selectRowAtIndexPath(const std::optional<IndexPath>& ip, bool animated, TableViewScrollPosition position);
    void deselectRowAtIndexPath(const IndexPath& ip, bool animated);

    // Updates.
    void beginUpdates();
    void endUpdates();
    void insertRowsAtIndexPaths(const std::vector<IndexPath>& ips, TableViewRowAnimation animation);
    void deleteRowsAtIndexPaths(const std::vector<IndexPath>& ips, TableViewRowAnimation animation);
    void reloadRowsAtIndexPaths(const std::vector<IndexPath>& ips, TableViewRowAnimation animation);
    void insertSections(const std::vector<long>& sections, TableViewRowAnimation animation);
    void deleteSections(const std::vector<long>& sections, TableViewRowAnimation animation);
    void reloadSections(const std::vector<long>& sections, TableViewRowAnimation animation);

    bool isEditing() const { return editing_; }
    void setEditing(bool editing, bool animated);

    // Scrolling brings rows into view at once (cells are asked for then).
    void setContentOffset(const cg::Point& offset) override;
    using ScrollView::setContentOffset;
    void layoutSubviews() override;
    void touchesBegan(const TouchSet& touches, const Event* event) override;
    void touchesEnded(const TouchSet& touches, const Event* event) override;
    void touchesCancelled(const TouchSet& touches, const Event* event) override;

private:
    struct Section {
        double headerY = 0, headerHeight = 0;
        double footerY = 0, footerHeight = 0;
        std::vector<double> rowY, rowHeight;
        std::optional<std::string> headerTitle, footerTitle;
    };
    void setHeight(double& storage, double height);
    void computeLayout();
    void layoutVisibleCells();
    void placeSectionHeadersAndFooters();
    void enqueue(const TableViewCellPtr& cell);
    void checkAndReload(long expectedSectionsDelta, const std::map<long, long>& rowDeltas,
                        TableViewRowAnimation animation, bool rowsOnly);
    void animateUpdate(TableViewRowAnimation animation);
    bool validIndexPath(const IndexPath& ip) const;

    TableViewStyle style_ = TableViewStyle::Plain;
    std::weak_ptr<TableViewDataSource> dataSource_;
    std::weak_ptr<TableViewDelegate> tableDelegate_;
    std::vector<Section> sections_;
    std::vector<std::string> indexTitles_;
    std::map<IndexPath, TableViewCellPtr> visible_;
    std::map<long, ViewPtr> headerViews_, footerViews_;
    std::map<std::string, std::vector<TableViewCellPtr>> pool_;
    std::map<std::string, CellFactory> factories_;
    ViewPtr headerView_, footerView_, backgroundView_;
    std::optional<IndexPath> selected_;
    std::optional<IndexPath> touchedRow_;
    double rowHeight_ = 44;
    double sectionHeaderHeight_ = 22;
    double sectionFooterHeight_ = 22;
    bool loaded_ = false;
    // A height changed since the rows were placed.
    bool heightsChanged_ = false;
    bool editing_ = false;
    int updateDepth_ = 0;
    std::vector<long> countsBeforeUpdate_;
    long sectionDelta_ = 0;
    std::map<long, long> rowDelta_;
    TableViewRowAnimation pendingAnimation_ = TableViewRowAnimation::None;
    std::uint64_t animationSerial_ = 0;
};

using TableViewPtr = std::shared_ptr<TableView>;

}  // namespace ui
