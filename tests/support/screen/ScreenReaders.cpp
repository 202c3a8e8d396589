#include "tests/support/screen/ScreenReaders.h"

#include "platform/ui/AlertView.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "platform/ui/TextField.h"
#include "platform/ui/TextView.h"
#include "platform/ui/Window.h"
#include "tests/support/screen/PlatformAlert.h"
#include "tests/support/screen/QueuedAlert.h"
#include "tests/support/screen/ViewFinder.h"
#include "uikit/PGProgressHUD.h"
#include "uikit/LXAttributedLabel.h"
#include "widgets/CustomizedHUD.h"

namespace keelbox::test {

namespace {

struct Readers {
    std::vector<ScreenReaders::TextReader> text;
    std::vector<ScreenReaders::ImageReader> image;
    std::vector<ScreenReaders::ToastReader> toast;
    std::vector<ScreenReaders::AlertReader> alert;
};

template <class T, class F>
ScreenReaders::TextReader forClass(F read) {
    return [read](const ui::View& view) -> std::optional<std::string> {
        if (auto t = dynamic_cast<const T*>(&view)) return read(*t);
        return std::nullopt;
    };
}

std::string nameOf(const ui::ImagePtr& image) { return image ? image->name() : std::string(); }

void installPlatformReaders(Readers& r) {
    r.text.push_back(forClass<ui::Label>([](const ui::Label& l) { return l.text(); }));
    r.text.push_back(forClass<ui::Button>([](const ui::Button& b) { return b.currentTitle(); }));
    // A field shows its text (bullets when secure), else its placeholder.
    r.text.push_back(forClass<ui::TextField>([](const ui::TextField& f) {
        return f.text().empty() ? f.placeholder() : f.displayedText();
    }));
    r.text.push_back(forClass<ui::TextView>([](const ui::TextView& v) { return v.text(); }));

    r.image.push_back(forClass<ui::ImageView>([](const ui::ImageView& v) {
        return nameOf(v.isHighlighted() && v.highlightedImage() ? v.highlightedImage() : v.image());
    }));
    r.image.push_back(forClass<ui::Button>([](const ui::Button& b) {
        auto image = b.currentImage();
        return nameOf(image ? image : b.currentBackgroundImage());
    }));

    r.alert.push_back([] {
        std::vector<std::shared_ptr<ShownAlert>> shown;
        for (const auto& alert : ui::AlertView::visibleAlerts()) shown.push_back(std::make_shared<PlatformAlert>(alert));
        return shown;
    });
}

// The frontmost progress HUD a person sees, if any.
std::shared_ptr<PGProgressHUD> frontmostHUD() {
    auto app = ui::Application::existing();
    if (!app) return nullptr;
    std::vector<ui::ViewPtr> roots;
    for (const auto& window : app->windows())
        if (!window->isHidden()) roots.push_back(window);
    auto huds = ViewFinder(roots).ofClass<PGProgressHUD>();
    return huds.empty() ? nullptr : huds.back();
}

// A HUD as the driver reports it: its texts, label first.
ShownToast shownHUD(const std::shared_ptr<PGProgressHUD>& hud) {
    ShownToast toast{.kind = ShownToast::Kind::ProgressHUD, .view = hud};
    for (const auto& part : {hud->labelText(), hud->detailsLabelText()}) {
        if (part.empty()) continue;
        if (!toast.text.empty()) toast.text += "\n";
        toast.text += part;
    }
    return toast;
}

// The kits' readers (alerts, toasts and HUDs, custom views) go here as
// their libraries land.
void installKitReaders(Readers& r) {
    r.alert.push_back([] { return QueuedAlert::shown(); });
    r.toast.push_back([]() -> std::optional<ShownToast> {
        auto hud = frontmostHUD();
        if (!hud) return std::nullopt;
        return shownHUD(hud);
    });
    // The application's toasts: when the frontmost HUD is a CustomizedHUD,
    // its look tells its type (an icon, a spinner); the spinners are
    // loading indicators rather than toasts.
    r.toast.push_back([]() -> std::optional<ShownToast> {
        auto hud = std::dynamic_pointer_cast<CustomizedHUD>(frontmostHUD());
        if (!hud) return std::nullopt;
        ShownToast toast = shownHUD(hud);
        toast.kind = ShownToast::Kind::Toast;
        const int type = hud->type();
        if (type >= CustomizedHUDTypeInfo && type <= CustomizedHUDTypeDarkInfo) toast.type = type;
        const bool spinner = type == CustomizedHUDTypeSpinningCircle || type == CustomizedHUDTypePlainIndicator;
        if (spinner || !toast.type) toast.kind = ShownToast::Kind::ProgressHUD;
        return toast;
    });
    // An attributed label shows its attributed text, which need not be its plain text.
    r.text.push_back(forClass<LXAttributedLabel>([](const LXAttributedLabel& label) -> std::optional<std::string> {
        auto shown = label.attributedTextWithLinks();
        if (!shown) return std::nullopt;
        return shown->string();
    }));
}

Readers& readers() {
    static Readers r = [] {
        Readers made;
        installPlatformReaders(made);
        installKitReaders(made);
        return made;
    }();
    return r;
}

template <class List, class... Args>
auto askNewestFirst(const List& list, const Args&... args) -> decltype(list.front()(args...)) {
    for (auto it = list.rbegin(); it != list.rend(); ++it)
        if (auto answer = (*it)(args...)) return answer;
    return std::nullopt;
}

}  // namespace

void ScreenReaders::addTextReader(TextReader reader) {
    readers().text.push_back(std::move(reader));
}

void ScreenReaders::addImageReader(ImageReader reader) {
    readers().image.push_back(std::move(reader));
}

void ScreenReaders::addToastReader(ToastReader reader) {
    readers().toast.push_back(std::move(reader));
}

void ScreenReaders::addAlertReader(AlertReader reader) {
    readers().alert.push_back(std::move(reader));
}

std::optional<std::string> ScreenReaders::textOf(const ui::View& view) { return askNewestFirst(readers().text, view); }

std::optional<std::string> ScreenReaders::imageNameOf(const ui::View& view) {
    return askNewestFirst(readers().image, view);
}

std::optional<ShownToast> ScreenReaders::currentToast() { return askNewestFirst(readers().toast); }

std::vector<std::shared_ptr<ShownAlert>> ScreenReaders::shownAlerts() {
    std::vector<std::shared_ptr<ShownAlert>> all;
    for (const auto& reader : readers().alert) {
        auto some = reader();
        all.insert(all.end(), some.begin(), some.end());
    }
    return all;
}

}  // namespace keelbox::test
