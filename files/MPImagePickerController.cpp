#include "files/MPImagePickerController.h"

#include "core/app/TAVOLocalizedString.h"
#include "core/app/TAVOStatusTextColorUtility.h"
#include "files/MPAlbumPickerController.h"
#include "files/MPAsset.h"
#include "platform/foundation/Bundle.h"
#include "platform/foundation/Format.h"
#include "platform/ui/Device.h"
#include "uikit/MAAlertView.h"

std::shared_ptr<MPImagePickerController> MPImagePickerController::initPicker(bool videos) {
    auto album = ui::ViewController::make<MPAlbumPickerController>();
    album->isSelectVideo = videos;
    auto picker = ui::ViewController::make<MPImagePickerController>();
    picker->initWithRootViewController(album);
    picker->maximumImagesCount = kDefaultMaximum;
    album->setParent(picker);
    picker->navigationBar()->setBackgroundColor(ui::Color::rgb255(42, 47, 47));
    return picker;
}

std::shared_ptr<MPAlbumPickerController> MPImagePickerController::albumPicker() const {
    return viewControllers().empty() ? nullptr : std::dynamic_pointer_cast<MPAlbumPickerController>(viewControllers().front());
}

void MPImagePickerController::cancelImagePicker() {
    if (auto d = imagePickerDelegate()) d->mpImagePickerControllerDidCancel(*this);
}

bool MPImagePickerController::shouldSelectAsset(MPAsset&, int previousCount) {
    if (previousCount < maximumImagesCount) return true;
    // The program's texts all live in its one string table.
    const std::string title = ns::format(TAVOLocalizedString("Only %d photos please!"), maximumImagesCount);
    const std::string message = ns::format(TAVOLocalizedString("You can only send %d photos at a time."), maximumImagesCount);
    auto alert = MAAlertView::create(title, message);
    alert->addButtonWithTitle(TAVOLocalizedString("Okay"), MAAlertViewButtonTypeCancel, nullptr);
    alert->show();
    return false;
}

void MPImagePickerController::selectedAssets(const std::vector<ui::AssetPtr>& assets) {
    std::vector<ns::Dictionary> info;
    for (const auto& asset : assets) {
        if (!asset || asset->type().empty() || !asset->defaultRepresentation()) continue;
        const auto rep = asset->defaultRepresentation();
        info.push_back(ns::Dictionary{{kMPPickerMediaTypeKey, asset->type()},
                                      {kMPPickerFileURLKey, rep->url()},
                                      {kMPPickerFileSizeKey, rep->size()},
                                      {kMPPickerDataNameKey, rep->filename()}});
    }
    if (auto d = imagePickerDelegate()) {
        d->mpImagePickerControllerDidFinishPickingMediaWithInfo(*this, info);
        return;
    }
    popToRootViewControllerAnimated(false);
}

ui::StatusBarStyle MPImagePickerController::preferredStatusBarStyle() const {
    return TAVOStatusTextColorUtility::sharedInstance()->getStatusBarStyleByViewControllerName("MPImagePickerController") == 1
               ? ui::StatusBarStyle::LightContent
               : ui::StatusBarStyle::Default;
}

unsigned MPImagePickerController::supportedInterfaceOrientations() const {
    const unsigned all = (1u << 1) | (1u << 2) | (1u << 3) | (1u << 4);
    const bool tablet = ui::Device::currentDevice()->userInterfaceIdiom == 1;
    return tablet ? all : all & ~(1u << 2);
}
