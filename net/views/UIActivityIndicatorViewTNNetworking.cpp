#include "net/views/UIActivityIndicatorViewTNNetworking.h"

#include "net/views/TNOperationStateFollower.h"
#include "platform/foundation/DispatchQueue.h"

void UIActivityIndicatorViewTNNetworking::setAnimatingWithStateOfOperation(
    const std::shared_ptr<ui::ActivityIndicatorView>& view, const TNURLConnectionOperationPtr& operation) {
    TNOperationStateFollower::follow(
        view, operation, [](ui::View& v) { static_cast<ui::ActivityIndicatorView&>(v).startAnimating(); },
        [](ui::View& v) { static_cast<ui::ActivityIndicatorView&>(v).stopAnimating(); });
}

void UIActivityIndicatorViewTNNetworking::startAnimating(const std::shared_ptr<ui::ActivityIndicatorView>& view) {
    std::weak_ptr<ui::ActivityIndicatorView> weak = view;
    dispatch::Queue::main()->async([weak] {
        if (auto v = weak.lock()) v->startAnimating();
    });
}

void UIActivityIndicatorViewTNNetworking::stopAnimating(const std::shared_ptr<ui::ActivityIndicatorView>& view) {
    std::weak_ptr<ui::ActivityIndicatorView> weak = view;
    dispatch::Queue::main()->async([weak] {
        if (auto v = weak.lock()) v->stopAnimating();
    });
}
