// One item of the picker's grid: the library asset and whether it is chosen.
// Choosing asks the grid first; the grid hears every change.
#pragma once

#include <memory>

#include "files/MPAssetDelegates.h"
#include "platform/foundation/Object.h"

class MPAsset : public ns::Object {
public:
    static std::shared_ptr<MPAsset> create(const ui::AssetPtr& asset) {
        auto a = std::shared_ptr<MPAsset>(new MPAsset());
        a->asset = asset;
        return a;
    }

    ui::AssetPtr asset;
    bool selected() const { return selected_; }
    void setSelected(bool selected);
    void setParent(const std::shared_ptr<MPAssetDelegate>& parent) { parent_ = parent; }

private:
    MPAsset() = default;
    bool selected_ = false;
    std::weak_ptr<MPAssetDelegate> parent_;
};

using MPAssetPtr = std::shared_ptr<MPAsset>;
