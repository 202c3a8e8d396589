#include "files/TAVOTreeCell.h"

void TAVOTreeCell::initWithFrame(const cg::Rect& frame) {
    ui::View::initWithFrame(frame);
    setBackgroundColor(ui::Color::clearColor());
}
