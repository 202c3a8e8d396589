// The photo and video picker: a navigation stack of its own with the album
// list and an album's grid. It limits how many items may be chosen and
// hands the chosen items to its delegate as dictionaries of URL, file name
// and size (see MPImagePickerControllerDelegate.h).
#pragma once

#include <memory>
#include <vector>

#include "files/MPAssetDelegates.h"
#include "files/MPImagePickerControllerDelegate.h"
#include "platform/ui/NavigationController.h"

class MPAlbumPickerController;

class MPImagePickerController : public ui::NavigationController, public MPAssetSelectionDelegate {
public:
    using ui::NavigationController::NavigationController;
    static constexpr int kDefaultMaximum = 4;

    static std::shared_ptr<MPImagePickerController> initImagePicker() { return initPicker(false); }
    static std::shared_ptr<MPImagePickerController> initVideoPicker() { return initPicker(true); }

    int maximumImagesCount = kDefaultMaximum;
    bool returnsOriginalImage = true;
    void setImagePickerDelegate(const std::shared_ptr<MPImagePickerControllerDelegate>& d) { delegate_ = d; }
    std::shared_ptr<MPImagePickerControllerDelegate> imagePickerDelegate() const { return delegate_.lock(); }
    std::shared_ptr<MPAlbumPickerController> albumPicker() const;

    void cancelImagePicker();
    void selectedAssets(const std::vector<ui::AssetPtr>& assets) override;
    bool shouldSelectAsset(MPAsset& asset, int previousCount) override;
    ui::StatusBarStyle preferredStatusBarStyle() const override;
    unsigned supportedInterfaceOrientations() const override;

private:
    static std::shared_ptr<MPImagePickerController> initPicker(bool videos);
    std::weak_ptr<MPImagePickerControllerDelegate> delegate_;
};

using MPImagePickerControllerPtr = std::shared_ptr<MPImagePickerController>;
