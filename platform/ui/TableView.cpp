#include "platform/ui/TableView.h"

#include <algorithm>

#include "platform/foundation/Log.h"
#include "platform/ui/Appearance.h"
#include "platform/ui/BasicAnimation.h"

namespace ui {

std::shared_ptr<TableView> TableView::create(const cg::Rect& frame, TableViewStyle style) {
    return makeTable<TableView>(frame, style);
}

void TableView::initWithFrameStyle(const cg::Rect& frame, TableViewStyle style) {
    initWithFrame(frame);
    style_ = style;
    alwaysBounceVertical = true;
    if (style == TableViewStyle::Grouped) {
        sectionHeaderHeight_ = 10;
        sectionFooterHeight_ = 10;
    }
}

void TableView::setHeight(double& storage, double height) {
    if (setProperty(storage, height, PropertyEffectsLayout)) heightsChanged_ = true;
}

void TableView::setTableDelegate(const std::shared_ptr<TableViewDelegate>& d) {
    tableDelegate_ = d;
    setDelegate(d);
}

void TableView::setTableHeaderView(const ViewPtr& v) {
    if (headerView_) headerView_->removeFromSuperview();
    headerView_ = v;
    if (v) addSubview(v);
    if (loaded_) reloadData();
}

void TableView::setTableFooterView(const ViewPtr& v) {
    if (footerView_) footerView_->removeFromSuperview();
    footerView_ = v;
    if (v) addSubview(v);
    if (loaded_) reloadData();
}

void TableView::setBackgroundView(const ViewPtr& v) {
    if (backgroundView_) backgroundView_->removeFromSuperview();
    backgroundView_ = v;
    if (v) {
        v->setFrame(bounds());
        insertSubviewAtIndex(v, 0);
    }
}

long TableView::numberOfRowsInSection(long section) const {
    if (section < 0 || section >= numberOfSections()) return 0;
    return static_cast<long>(sections_[section].rowY.size());
}

void TableView::computeLayout() {
    auto ds = dataSource();
    auto d = tableDelegate();
    for (auto& [s, v] : headerViews_) v->removeFromSuperview();
    for (auto& [s, v] : footerViews_) v->removeFromSuperview();
    headerViews_.clear();
    footerViews_.clear();
    sections_.clear();
    double width = bounds().size.width;
    double y = 0;
    if (headerView_) {
        cg::Rect f = headerView_->frame();
        headerView_->setFrame(cg::RectMake(0, 0, width, f.size.height));
        y = f.size.height;
    }
    long count = ds ? std::max(0L, ds->numberOfSectionsInTableView(*this)) : 0;
    for (long s = 0; s < count; ++s) {
        Section sec;
        sec.headerTitle = ds->titleForHeaderInSection(*this, s);
        sec.footerTitle = ds->titleForFooterInSection(*this, s);
        ViewPtr hv = d ? d->viewForHeaderInSection(*this, s) : nullptr;
        ViewPtr fv = d ? d->viewForFooterInSection(*this, s) : nullptr;
        if (!hv && sec.headerTitle) {
            auto label = Label::create();
            Appearance::BuiltInDefaults defaults;
            label->setText(*sec.headerTitle);
            label->setFont(Font::boldSystemFontOfSize(17));
            hv = label;
        }
        if (!fv && sec.footerTitle) {
            auto label = Label::create();
            Appearance::BuiltInDefaults defaults;
            label->setText(*sec.footerTitle);
            label->setFont(Font::systemFontOfSize(15));
            fv = label;
        }
        std::optional<double> hh = d ? d->heightForHeaderInSection(*this, s) : std::nullopt;
        std::optional<double> fh = d ? d->heightForFooterInSection(*this, s) : std::nullopt;
        bool grouped = style_ == TableViewStyle::Grouped;
        sec.headerHeight = std::max(0.0, hh.value_or(hv || grouped ? sectionHeaderHeight_ : 0));
        sec.footerHeight = std::max(0.0, fh.value_or(fv || grouped ? sectionFooterHeight_ : 0));
        sec.headerY = y;
        y += sec.headerHeight;
        long rows = std::max(0L, ds->numberOfRowsInSection(*this, s));
        for (long r = 0; r < rows; ++r) {
            double h = rowHeight_;
            if (d)
                if (auto given = d->heightForRowAtIndexPath(*this, {s, r})) h = std::max(0.0, *given);
            sec.rowY.push_back(y);
            sec.rowHeight.push_back(h);
            y += h;
        }
        sec.footerY = y;
        y += sec.footerHeight;
        if (hv) {
            hv->setFrame(cg::RectMake(0, sec.headerY, width, sec.headerHeight));
            headerViews_[s] = hv;
            addSubview(hv);
        }
        if (fv) {
            fv->setFrame(cg::RectMake(0, sec.footerY, width, sec.footerHeight));
            footerViews_[s] = fv;
            addSubview(fv);
        }
        sections_.push_back(std::move(sec));
    }
    if (footerView_) {
        cg::Rect f = footerView_->frame();
        footerView_->setFrame(cg::RectMake(0, y, width, f.size.height));
        y += f.size.height;
    }
    setContentSize({width, y});
}

void TableView::reloadSectionIndexTitles() {
    auto ds = dataSource();
    indexTitles_ = ds ? ds->sectionIndexTitlesForTableView(*this) : std::vector<std::string>{};
}

void TableView::reloadData() {
    auto keep = self<TableView>();
    loaded_ = true;
    heightsChanged_ = false;
    auto old = std::move(visible_);
    visible_.clear();
    for (auto& [ip, cell] : old) enqueue(cell);
    computeLayout();
    reloadSectionIndexTitles();
    if (selected_ && !validIndexPath(*selected_)) selected_.reset();
    layoutVisibleCells();
}

bool TableView::validIndexPath(const IndexPath& ip) const {
    return ip.section >= 0 && ip.section < numberOfSections() && ip.row >= 0 &&
           ip.row < numberOfRowsInSection(ip.section);
}

void TableView::enqueue(const TableViewCellPtr& cell) {
    cell->removeFromSuperview();
    if (!cell->reuseIdentifier().empty()) pool_[cell->reuseIdentifier()].push_back(cell);
}

TableViewCellPtr TableView::dequeueReusableCellWithIdentifier(const std::string& identifier) {
    auto it = pool_.find(identifier);
    if (it == pool_.end() || it->second.empty()) return nullptr;
    auto cell = it->second.back();
    it->second.pop_back();
    cell->prepareForReuse();
    return cell;
}

void TableView::registerCellFactory(const std::string& identifier, CellFactory factory) {
    factories_[identifier] = std::move(factory);
}

TableViewCellPtr TableView::dequeueReusableCellWithIdentifier(const std::string& identifier, const IndexPath&) {
    if (auto cell = dequeueReusableCellWithIdentifier(identifier)) return cell;
    auto it = factories_.find(identifier);
    if (it != factories_.end() && it->second) return it->second(identifier);
    return TableViewCell::create(TableViewCellStyle::Default, identifier);
}

std::size_t TableView::reusePoolSize(const std::string& identifier) const {
    auto it = pool_.find(identifier);
    return it == pool_.end() ? 0 : it->second.size();
}

cg::Rect TableView::rectForRowAtIndexPath(const IndexPath& ip) const {
    if (!validIndexPath(ip)) return cg::RectZero;
    const auto& s = sections_[ip.section];
    return cg::RectMake(0, s.rowY[ip.row], bounds().size.width, s.rowHeight[ip.row]);
}

cg::Rect TableView::rectForSection(long section) const {
    if (section < 0 || section >= numberOfSections()) return cg::RectZero;
    const auto& s = sections_[section];
    return cg::RectMake(0, s.headerY, bounds().size.width, s.footerY + s.footerHeight - s.headerY);
}

cg::Rect TableView::rectForHeaderInSection(long section) const {
    if (section < 0 || section >= numberOfSections()) return cg::RectZero;
    const auto& s = sections_[section];
    return cg::RectMake(0, s.headerY, bounds().size.width, s.headerHeight);
}

ViewPtr TableView::headerViewForSection(long section) const {
    auto it = headerViews_.find(section);
    return it == headerViews_.end() ? nullptr : it->second;
}

std::optional<IndexPath> TableView::indexPathForRowAtPoint(const cg::Point& p) const {
    for (long s = 0; s < numberOfSections(); ++s) {
        const auto& sec = sections_[s];
        for (std::size_t r = 0; r < sec.rowY.size(); ++r)
            if (p.y >= sec.rowY[r] && p.y < sec.rowY[r] + sec.rowHeight[r] && p.x >= 0 && p.x < bounds().size.width)
                return IndexPath{s, static_cast<long>(r)};
    }
    return std::nullopt;
}

void TableView::layoutVisibleCells() {
    if (!loaded_) return;
    auto ds = dataSource();
    auto d = tableDelegate();
    cg::Rect visibleRect = bounds();
    std::vector<IndexPath> wanted;
    for (long s = 0; s < numberOfSections(); ++s) {
        const auto& sec = sections_[s];
        for (std::size_t r = 0; r < sec.rowY.size(); ++r) {
            double top = sec.rowY[r], bottom = top + sec.rowHeight[r];
            if (bottom > visibleRect.origin.y && top < cg::RectGetMaxY(visibleRect) && sec.rowHeight[r] > 0)
                wanted.push_back({s, static_cast<long>(r)});
        }
    }
    for (auto it = visible_.begin(); it != visible_.end();) {
        if (std::find(wanted.begin(), wanted.end(), it->first) == wanted.end()) {
            enqueue(it->second);
            it = visible_.erase(it);
        } else {
            ++it;
        }
    }
    for (const auto& ip : wanted) {
        auto found = visible_.find(ip);
        TableViewCellPtr cell;
        if (found != visible_.end()) {
            cell = found->second;
        } else {
            if (!ds) break;
            cell = ds->cellForRowAtIndexPath(*this, ip);
            if (!cell) {
                ns::logWarning("TableView: the data source gave no cell for row " + ip.description());
                continue;
            }
            visible_[ip] = cell;
            // Cells lie below the section headers and footers.
            ViewPtr firstHeader;
            for (const auto& sub : subviews())
                for (const auto& [s, hv] : headerViews_)
                    if (sub == hv && !firstHeader) firstHeader = hv;
            if (firstHeader)
                insertSubviewBelow(cell, firstHeader);
            else
                addSubview(cell);
            cell->setSelected(selected_ && *selected_ == ip, false);
            if (d) d->willDisplayCell(*this, cell, ip);
        }
        cell->setFrame(rectForRowAtIndexPath(ip));
    }
    placeSectionHeadersAndFooters();
    if (backgroundView_) backgroundView_->setFrame(bounds());
}

void TableView::placeSectionHeadersAndFooters() {
    double width = bounds().size.width;
    bool floating = style_ == TableViewStyle::Plain;
    // In a plain table a section's header stays at the top edge of the
    // visible area while the section passes beneath it, and its footer at
    // the bottom edge; neither leaves the span of its own section.
    double top = contentOffset().y + contentInset().top;
    double bottom = contentOffset().y + bounds().size.height - contentInset().bottom;
    for (const auto& [s, hv] : headerViews_) {
        const auto& sec = sections_[s];
        double y = sec.headerY;
        if (floating) y = std::max(sec.headerY, std::min(top, sec.footerY + sec.footerHeight - sec.headerHeight));
        hv->setFrame(cg::RectMake(0, y, width, sec.headerHeight));
        // Above the cells and the headers of earlier sections.
        if (floating && y != sec.headerY) bringSubviewToFront(hv);
    }
    for (const auto& [s, fv] : footerViews_) {
        const auto& sec = sections_[s];
        double y = sec.footerY;
        if (floating) y = std::min(sec.footerY, std::max(bottom - sec.footerHeight, sec.headerY));
        fv->setFrame(cg::RectMake(0, y, width, sec.footerHeight));
        if (floating && y != sec.footerY) bringSubviewToFront(fv);
    }
}

void TableView::setContentOffset(const cg::Point& offset) {
    ScrollView::setContentOffset(offset);
    layoutVisibleCells();
}

void TableView::layoutSubviews() {
    ScrollView::layoutSubviews();
    if (!loaded_) {
        reloadData();
        return;
    }
    if (heightsChanged_) {
        // The rows keep their cells; only their places change.
        heightsChanged_ = false;
        computeLayout();
        if (selected_ && !validIndexPath(*selected_)) selected_.reset();
    }
    layoutVisibleCells();
}

std::vector<TableViewCellPtr> TableView::visibleCells() {
    if (!loaded_) reloadData();
    std::vector<TableViewCellPtr> out;
    for (auto& [ip, cell] : visible_) out.push_back(cell);
    return out;
}

std::vector<IndexPath> TableView::indexPathsForVisibleRows() {
    if (!loaded_) reloadData();
    std::vector<IndexPath> out;
    for (auto& [ip, cell] : visible_) out.push_back(ip);
    return out;
}

TableViewCellPtr TableView::cellForRowAtIndexPath(const IndexPath& ip) {
    if (!loaded_) reloadData();
    auto it = visible_.find(ip);
    return it == visible_.end() ? nullptr : it->second;
}

std::optional<IndexPath> TableView::indexPathForCell(const TableViewCellPtr& cell) const {
    for (const auto& [ip, c] : visible_)
        if (c == cell) return ip;
    return std::nullopt;
}

void TableView::scrollToRowAtIndexPath(const IndexPath& ip, TableViewScrollPosition position, bool animated) {
    if (!loaded_) reloadData();
    if (!validIndexPath(ip)) return;
    cg::Rect r = rectForRowAtIndexPath(ip);
    double h = bounds().size.height;
    cg::Point o = contentOffset();
    switch (position) {
        case TableViewScrollPosition::Top: o.y = r.origin.y; break;
        case TableViewScrollPosition::Middle: o.y = cg::RectGetMidY(r) - h / 2; break;
        case TableViewScrollPosition::Bottom: o.y = cg::RectGetMaxY(r) - h; break;
        case TableViewScrollPosition::None:
            if (r.origin.y < o.y) o.y = r.origin.y;
            else if (cg::RectGetMaxY(r) > o.y + h) o.y = cg::RectGetMaxY(r) - h;
            break;
    }
    cg::Point min = minimumContentOffset(), max = maximumContentOffset();
    o.y = std::clamp(o.y, min.y, max.y);
    setContentOffset(o, animated);
    layoutVisibleCells();
}

void TableView::selectRowAtIndexPath(const std::optional<IndexPath>& ip, bool animated,
                                     TableViewScrollPosition position) {
    if (!loaded_) reloadData();
    if (selected_ && (!ip || *selected_ != *ip)) deselectRowAtIndexPath(*selected_, animated);
    if (!ip || !validIndexPath(*ip)) return;
    selected_ = ip;
    if (position != TableViewScrollPosition::None) scrollToRowAtIndexPath(*ip, position, animated);
    if (auto cell = cellForRowAtIndexPath(*ip)) cell->setSelected(true, animated);
}

void TableView::deselectRowAtIndexPath(const IndexPath& ip, bool animated) {
    if (selected_ && *selected_ == ip) selected_.reset();
    if (auto cell = cellForRowAtIndexPath(ip)) cell->setSelected(false, animated);
}

void TableView::touchesBegan(const TouchSet& touches, const Event* event) {
    touchedRow_.reset();
    if (touches.empty() || !allowsSelection || (editing_ && !allowsSelectionDuringEditing)) {
        ScrollView::touchesBegan(touches, event);
        return;
    }
    auto ip = indexPathForRowAtPoint(touches.front()->locationInView(self<View>()));
    if (!ip) return;
    auto d = tableDelegate();
    if (d && !d->shouldHighlightRowAtIndexPath(*this, *ip)) return;
    touchedRow_ = ip;
    if (auto cell = cellForRowAtIndexPath(*ip)) cell->setHighlighted(true, false);
}

void TableView::touchesCancelled(const TouchSet&, const Event*) {
    if (touchedRow_)
        if (auto cell = cellForRowAtIndexPath(*touchedRow_)) cell->setHighlighted(false, false);
    touchedRow_.reset();
}

void TableView::touchesEnded(const TouchSet& touches, const Event*) {
    if (!touchedRow_ || touches.empty()) return;
    auto keep = self<TableView>();
    IndexPath row = *touchedRow_;
    touchedRow_.reset();
    if (auto cell = cellForRowAtIndexPath(row)) cell->setHighlighted(false, false);
    auto at = indexPathForRowAtPoint(touches.front()->locationInView(self<View>()));
    if (!at || *at != row) return;
    auto d = tableDelegate();
    std::optional<IndexPath> target = d ? d->willSelectRowAtIndexPath(*this, row) : std::optional<IndexPath>(row);
    if (!target || !validIndexPath(*target)) return;
    if (selected_ && *selected_ != *target) {
        IndexPath old = *selected_;
        std::optional<IndexPath> deselect = d ? d->willDeselectRowAtIndexPath(*this, old) : std::optional<IndexPath>(old);
        if (deselect) {
            deselectRowAtIndexPath(*deselect, false);
            if (d) d->didDeselectRowAtIndexPath(*this, *deselect);
        }
    }
    selected_ = target;
    if (auto cell = cellForRowAtIndexPath(*target)) cell->setSelected(true, false);
    if (d) d->didSelectRowAtIndexPath(*this, *target);
}

// ---- updates ----

void TableView::beginUpdates() {
    if (updateDepth_++ == 0) {
        sectionDelta_ = 0;
        rowDelta_.clear();
        pendingAnimation_ = TableViewRowAnimation::None;
    }
}

void TableView::endUpdates() {
    if (updateDepth_ == 0) return;
    if (--updateDepth_ > 0) return;
    checkAndReload(sectionDelta_, rowDelta_, pendingAnimation_, false);
}

void TableView::animateUpdate(TableViewRowAnimation animation) {
    if (animation == TableViewRowAnimation::None) return;
    auto a = ca::BasicAnimation::animationWithKeyPath("rows");
    a->duration = kRowAnimationDuration;
    a->name = "rowUpdate";
    layer()->addAnimation(a, "rowUpdate" + std::to_string(++animationSerial_));
}

void TableView::checkAndReload(long sectionDelta, const std::map<long, long>& rowDeltas,
                               TableViewRowAnimation animation, bool) {
    auto ds = dataSource();
    if (!loaded_ || !ds) {
        reloadData();
        return;
    }
    long newSections = std::max(0L, ds->numberOfSectionsInTableView(*this));
    bool consistent = newSections == numberOfSections() + sectionDelta;
    if (consistent && sectionDelta == 0) {
        for (long s = 0; s < newSections && consistent; ++s) {
            auto it = rowDeltas.find(s);
            long delta = it == rowDeltas.end() ? 0 : it->second;
            long now = std::max(0L, ds->numberOfRowsInSection(*this, s));
            consistent = now == numberOfRowsInSection(s) + delta;
        }
    }
    if (!consistent)
        ns::logWarning("TableView: the row counts after an update do not match the data source; reloading");
    reloadData();
    if (consistent) animateUpdate(animation);
}

void TableView::insertRowsAtIndexPaths(const std::vector<IndexPath>& ips, TableViewRowAnimation animation) {
    beginUpdates();
    pendingAnimation_ = animation;
    for (const auto& ip : ips) {
        ++rowDelta_[ip.section];
        if (selected_ && selected_->section == ip.section && ip.row <= selected_->row) ++selected_->row;
    }
    endUpdates();
}

void TableView::deleteRowsAtIndexPaths(const std::vector<IndexPath>& ips, TableViewRowAnimation animation) {
    beginUpdates();
    pendingAnimation_ = animation;
    for (const auto& ip : ips) {
        if (!validIndexPath(ip)) {
            rowDelta_[-1] = 1;  // an impossible change: the counts cannot match
            continue;
        }
        --rowDelta_[ip.section];
        if (selected_ && selected_->section == ip.section) {
            if (ip.row == selected_->row)
                selected_.reset();
            else if (ip.row < selected_->row)
                --selected_->row;
        }
    }
    if (rowDelta_.count(-1)) sectionDelta_ = 1 << 20;
    endUpdates();
}

void TableView::reloadRowsAtIndexPaths(const std::vector<IndexPath>&, TableViewRowAnimation animation) {
    beginUpdates();
    pendingAnimation_ = animation;
    endUpdates();
}

void TableView::insertSections(const std::vector<long>& sections, TableViewRowAnimation animation) {
    beginUpdates();
    pendingAnimation_ = animation;
    sectionDelta_ += static_cast<long>(sections.size());
    selected_.reset();
    endUpdates();
}

void TableView::deleteSections(const std::vector<long>& sections, TableViewRowAnimation animation) {
    beginUpdates();
    pendingAnimation_ = animation;
    sectionDelta_ -= static_cast<long>(sections.size());
    selected_.reset();
    endUpdates();
}

void TableView::reloadSections(const std::vector<long>&, TableViewRowAnimation animation) {
    beginUpdates();
    pendingAnimation_ = animation;
    endUpdates();
}

void TableView::setEditing(bool editing, bool animated) {
    editing_ = editing;
    for (auto& [ip, cell] : visible_) cell->setEditing(editing, animated);
}

}  // namespace ui
