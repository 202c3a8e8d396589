#include "tests/support/screen/ViewFinder.h"

#include <sstream>

#include "tests/support/screen/ScreenReaders.h"
#include "tests/support/screen/ViewReader.h"

namespace keelbox::test {

namespace {
constexpr double kInvisibleAlpha = 0.01;
}  // namespace

ViewFinder::ViewFinder(std::vector<ui::ViewPtr> roots, Scope scope) : roots_(std::move(roots)), scope_(scope) {}

ViewFinder::ViewFinder(ui::ViewPtr root, Scope scope) : ViewFinder(std::vector<ui::ViewPtr>{std::move(root)}, scope) {}

void ViewFinder::walk(const std::function<bool(const ui::ViewPtr&)>& visit) const {
    std::function<void(const ui::ViewPtr&)> step = [&](const ui::ViewPtr& view) {
        if (!view) return;
        // A hidden or transparent view hides everything inside it.
        if (scope_ == Scope::ShownOnly && (view->isHidden() || view->alpha() < kInvisibleAlpha || !view->window()))
            return;
        if (!visit(view)) return;
        // A copy: a reader may change the tree.
        const auto subviews = view->subviews();
        for (const auto& sub : subviews) step(sub);
    };
    for (const auto& root : roots_) step(root);
}

std::vector<ui::ViewPtr> ViewFinder::all() const {
    return matching([](const ui::ViewPtr&) { return true; });
}

std::vector<ui::ViewPtr> ViewFinder::matching(const std::function<bool(const ui::ViewPtr&)>& predicate) const {
    std::vector<ui::ViewPtr> found;
    walk([&](const ui::ViewPtr& view) {
        if ((scope_ == Scope::All || ViewReader::isShown(view)) && predicate(view)) found.push_back(view);
        return true;
    });
    return found;
}

std::vector<ui::ViewPtr> ViewFinder::claiming(const std::function<bool(const ui::ViewPtr&)>& predicate) const {
    std::vector<ui::ViewPtr> found;
    walk([&](const ui::ViewPtr& view) {
        if ((scope_ == Scope::All || ViewReader::isShown(view)) && predicate(view)) {
            found.push_back(view);
            return false;
        }
        return true;
    });
    return found;
}

std::vector<ui::ViewPtr> ViewFinder::withText(const std::string& text) const {
    return claiming([&](const ui::ViewPtr& view) { return ScreenReaders::textOf(*view) == text; });
}

std::vector<ui::ViewPtr> ViewFinder::withAnyText() const {
    return claiming([](const ui::ViewPtr& view) {
        auto text = ScreenReaders::textOf(*view);
        return text && !text->empty();
    });
}

std::vector<ui::ViewPtr> ViewFinder::withTextContaining(const std::string& part) const {
    return claiming([&](const ui::ViewPtr& view) {
        auto text = ScreenReaders::textOf(*view);
        return text && text->find(part) != std::string::npos;
    });
}

std::vector<ui::ViewPtr> ViewFinder::withTag(long tag) const {
    return matching([tag](const ui::ViewPtr& view) { return view->tag() == tag; });
}

std::vector<ui::ViewPtr> ViewFinder::withImage(const std::string& imageName) const {
    return claiming([&](const ui::ViewPtr& view) { return ScreenReaders::imageNameOf(*view) == imageName; });
}

std::vector<ui::ViewPtr> ViewFinder::withClassName(const std::string& className) const {
    return matching([&](const ui::ViewPtr& view) { return view->className() == className; });
}

ui::ViewPtr ViewFinder::atPath(const std::string& path) const {
    if (roots_.empty()) return nullptr;
    ui::ViewPtr view = roots_.front();
    std::istringstream parts(path);
    std::string part;
    while (view && std::getline(parts, part, '/')) {
        if (part.empty()) continue;
        std::size_t index = 0;
        try {
            index = std::stoul(part);
        } catch (const std::exception&) {
            return nullptr;
        }
        const auto& subviews = view->subviews();
        view = index < subviews.size() ? subviews[index] : nullptr;
    }
    return view;
}

std::string ViewFinder::pathOf(const ui::ViewPtr& view) const {
    if (roots_.empty() || !view) return {};
    std::vector<std::size_t> indices;
    ui::ViewPtr v = view;
    while (v && v != roots_.front()) {
        auto parent = v->superview();
        if (!parent) return {};
        const auto& siblings = parent->subviews();
        std::size_t i = 0;
        while (i < siblings.size() && siblings[i] != v) ++i;
        indices.insert(indices.begin(), i);
        v = parent;
    }
    if (!v) return {};
    std::string path;
    for (auto i : indices) path += (path.empty() ? "" : "/") + std::to_string(i);
    return path;
}

std::string ViewFinder::describe() const {
    std::ostringstream out;
    std::function<void(const ui::ViewPtr&, const std::string&, int)> line = [&](const ui::ViewPtr& view,
                                                                               const std::string& path, int depth) {
        const cg::Rect f = ViewReader::frameInWindow(view);
        out << std::string(static_cast<std::size_t>(depth) * 2, ' ') << (path.empty() ? "." : path) << " "
            << view->className() << " (" << f.origin.x << "," << f.origin.y << " " << f.size.width << "x"
            << f.size.height << ")";
        if (auto text = ScreenReaders::textOf(*view); text && !text->empty()) out << " \"" << *text << "\"";
        if (auto image = ScreenReaders::imageNameOf(*view); image && !image->empty()) out << " [" << *image << "]";
        if (view->isHidden()) out << " hidden";
        if (view->alpha() < kInvisibleAlpha) out << " transparent";
        out << "\n";
        const auto& subviews = view->subviews();
        for (std::size_t i = 0; i < subviews.size(); ++i)
            line(subviews[i], (path.empty() ? "" : path + "/") + std::to_string(i), depth + 1);
    };
    for (const auto& root : roots_)
        if (root) line(root, "", 0);
    return out.str();
}

}  // namespace keelbox::test
