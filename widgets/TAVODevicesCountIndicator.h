// The header strip that tells how many devices the router has, with a
// devices icon before the text.
#pragma once

#include <memory>

#include "widgets/TAVOCellIndicator.h"

class TAVODevicesCountIndicator : public TAVOCellIndicator {
public:
    using TAVOCellIndicator::TAVOCellIndicator;
    static std::shared_ptr<TAVODevicesCountIndicator> create(const cg::Rect& frame = {}) {
        return make<TAVODevicesCountIndicator>(frame);
    }

    void setDevicesCount(int count);

    void initWithFrame(const cg::Rect& frame) override;
};
