// An icon row whose title is followed by a count badge that moves with the
// title's length.
#pragma once

#include <memory>
#include <string>

#include "widgets/IndicatorView.h"
#include "widgets/TAVORightPaneCell.h"

class TAVORightIncludingIndicatorCell : public TAVORightPaneCell {
public:
    using TAVORightPaneCell::TAVORightPaneCell;
    static std::shared_ptr<TAVORightIncludingIndicatorCell> create(ui::TableViewCellStyle style,
                                                                   const std::string& reuseIdentifier) {
        return makeCell<TAVORightIncludingIndicatorCell>(style, reuseIdentifier);
    }

    void initWithStyle(ui::TableViewCellStyle style, const std::string& reuseIdentifier) override;
    void layoutSubviews() override;

    void setTitle(const std::string& title);
    void setCount(int count);
    const std::shared_ptr<IndicatorView>& indicator() const { return indicator_; }

private:
    void placeIndicator();

    std::shared_ptr<IndicatorView> indicator_;
};
