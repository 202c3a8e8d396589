// The view inside a table cell that holds the cell's own content. It is a
// class of its own so that code rearranging a cell can tell the platform's
// content view from views a cell subclass placed directly in the cell.
#pragma once

#include "platform/ui/View.h"

namespace ui {

class TableViewCellContentView : public View {
public:
    using View::View;
};

}  // namespace ui
