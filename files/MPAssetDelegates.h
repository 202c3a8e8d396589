// What the picker's screens ask of one another: the picker decides how many
// items may be chosen and receives the chosen assets; the grid hears each
// item's choice.
#pragma once

#include <memory>
#include <vector>

#include "platform/ui/AssetsLibrary.h"

class MPAsset;
class MPAssetTablePickerCtroller;

class MPAssetSelectionDelegate {
public:
    virtual ~MPAssetSelectionDelegate() = default;
    virtual void selectedAssets(const std::vector<ui::AssetPtr>& assets) = 0;
    virtual bool shouldSelectAsset(MPAsset& asset, int previousCount) = 0;
};

class MPAssetDelegate {
public:
    virtual ~MPAssetDelegate() = default;
    virtual void assetSelected(MPAsset&) {}
    virtual void assetCancelSelected(MPAsset&) {}
    virtual bool shouldSelectAsset(MPAsset&) { return true; }
};

// Lets an owner hide items from the grid (no screen sets one).
class MPAssetPickerFilterDelegate {
public:
    virtual ~MPAssetPickerFilterDelegate() = default;
    virtual bool isAssetFilteredOut(MPAssetTablePickerCtroller& picker, const ui::AssetPtr& asset) = 0;
};
