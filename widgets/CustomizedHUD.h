// The application's toasts and loading indicators: a progress HUD in one of
// six looks, named by number (the toast type):
//   0 information icon, 1 warning icon (errors and warnings),
//   2 spinning circle, 3 plain grey spinner without box or dimming,
//   4 warning icon on a 70 % black box, 5 information icon on it;
// any other number shows the texts alone in a white box.
#pragma once

#include <memory>

#include "uikit/PGProgressHUD.h"

enum CustomizedHUDType : int {
    CustomizedHUDTypeInfo = 0,
    CustomizedHUDTypeWarning = 1,
    CustomizedHUDTypeSpinningCircle = 2,
    CustomizedHUDTypePlainIndicator = 3,
    CustomizedHUDTypeDarkWarning = 4,
    CustomizedHUDTypeDarkInfo = 5,
};

class CustomizedHUD : public PGProgressHUD {
public:
    using PGProgressHUD::PGProgressHUD;

    static constexpr double kFontSize = 13;
    static constexpr double kDarkBoxAlpha = 0.7;
    static constexpr double kBottomGap = 20;
    // The frame of the icon and spinner views.
    static constexpr double kIconWidth = 24;
    static constexpr double kIconHeight = 30;
    static constexpr const char* kInfoIconName = "InfoIcon.png";
    static constexpr const char* kWarningIconName = "warningIcon.png";
    static constexpr const char* kLoadingIconName = "loadingIcon_white";

    // A new HUD of the type over the view's bounds, added to it and shown
    // at once. postion 1 draws the box at the bottom.
    static std::shared_ptr<CustomizedHUD> showHUDAddedTo(const ui::ViewPtr& view, int type, int postion,
                                                          bool animated);
    // postion 0; always shown animated, whatever the flag says.
    static std::shared_ptr<CustomizedHUD> showHUDAddedTo(const ui::ViewPtr& view, int type, bool animated);
    // Hides (removing it when hidden) the last CustomizedHUD among the
    // view's direct subviews; false when there is none.
    static bool hideHUDForView(const ui::ViewPtr& view, bool animated);

    int postion() const { return postion_; }
    void setPostion(int postion) { setProperty(postion_, postion, ui::PropertyEffectsDisplay); }
    // The look it was given.
    int type() const { return type_; }

    cg::Rect getBoxRect(const cg::Rect& bounds) const override;

private:
    void applyType(int type);

    int postion_ = 0;
    int type_ = -1;
};

using CustomizedHUDPtr = std::shared_ptr<CustomizedHUD>;
