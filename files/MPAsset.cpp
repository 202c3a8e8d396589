#include "files/MPAsset.h"

void MPAsset::setSelected(bool selected) {
    auto parent = parent_.lock();
    if (selected) {
        if (parent && !parent->shouldSelectAsset(*this)) return;
        selected_ = true;
        if (parent) parent->assetSelected(*this);
    } else {
        selected_ = false;
        if (parent) parent->assetCancelSelected(*this);
    }
}
