// A bare collection view: a scroll view that carries a flow layout's
// measures. It places no items yet; the keyboard-avoiding variant builds
// on its scrolling alone.
#pragma once

#include <memory>

#include "platform/ui/ScrollView.h"

namespace ui {

struct CollectionViewFlowLayout {
    cg::Size itemSize{50, 50};
    double minimumLineSpacing = 10;
    double minimumInteritemSpacing = 10;
    cg::EdgeInsets sectionInset;
    bool scrollsHorizontally = false;
};

class CollectionView : public ScrollView {
public:
    using ScrollView::ScrollView;
    static std::shared_ptr<CollectionView> create(const cg::Rect& frame,
                                                  std::shared_ptr<CollectionViewFlowLayout> layout = nullptr) {
        auto v = make<CollectionView>(frame);
        v->layout_ = layout ? std::move(layout) : std::make_shared<CollectionViewFlowLayout>();
        return v;
    }
    const std::shared_ptr<CollectionViewFlowLayout>& collectionViewLayout() const { return layout_; }
    void setCollectionViewLayout(std::shared_ptr<CollectionViewFlowLayout> layout) { layout_ = std::move(layout); }

private:
    std::shared_ptr<CollectionViewFlowLayout> layout_ = std::make_shared<CollectionViewFlowLayout>();
};

}  // namespace ui
