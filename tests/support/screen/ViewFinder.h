// Finds views the way a person's eye does: over some roots (windows, or a
// view to look inside), in drawing order (back to front), the views shown
// only unless asked for all. Once a view answers for a text or an image,
// the views inside it are not asked again (a button, not also its label).
//
//   ViewFinder(window).withText("OK")          every view showing "OK"
//   ViewFinder(cell).ofClass<ui::Switch>()     the switches in a cell
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/View.h"

namespace keelbox::test {

class ViewFinder {
public:
    enum class Scope { ShownOnly, All };
    explicit ViewFinder(std::vector<ui::ViewPtr> roots, Scope scope = Scope::ShownOnly);
    explicit ViewFinder(ui::ViewPtr root, Scope scope = Scope::ShownOnly);

    // Every view below the roots (roots included), back to front.
    std::vector<ui::ViewPtr> all() const;
    std::vector<ui::ViewPtr> matching(const std::function<bool(const ui::ViewPtr&)>& predicate) const;
    std::vector<ui::ViewPtr> withText(const std::string& text) const;
    // Views that show any text.
    std::vector<ui::ViewPtr> withAnyText() const;
    // Views whose text contains the part.
    std::vector<ui::ViewPtr> withTextContaining(const std::string& part) const;
    std::vector<ui::ViewPtr> withTag(long tag) const;
    std::vector<ui::ViewPtr> withImage(const std::string& imageName) const;
    // By the class name the program spells ("Label", "TAVOHomeHeaderView").
    std::vector<ui::ViewPtr> withClassName(const std::string& className) const;
    template <class T>
    std::vector<std::shared_ptr<T>> ofClass() const {
        std::vector<std::shared_ptr<T>> found;
        for (const auto& view : all())
            if (auto t = std::dynamic_pointer_cast<T>(view)) found.push_back(t);
        return found;
    }

    // The view reached from the first root by subview indices, "2/0/1";
    // "" is the root itself. Hidden views count, as in the tree.
    ui::ViewPtr atPath(const std::string& path) const;
    // The path of a view below the first root, or "" when it is not there.
    std::string pathOf(const ui::ViewPtr& view) const;

    // The tree below the roots, one line per view (path, class, frame in
    // the window, text, image, hidden): for failure messages.
    std::string describe() const;

private:
    // Walks back to front; `visit` answers whether to look inside the view.
    void walk(const std::function<bool(const ui::ViewPtr&)>& visit) const;
    std::vector<ui::ViewPtr> claiming(const std::function<bool(const ui::ViewPtr&)>& predicate) const;

    std::vector<ui::ViewPtr> roots_;
    Scope scope_;
};

}  // namespace keelbox::test
