// The screen framework's states: a base screen with its bar, a router
// screen refusing in each unusable router state, a list loading and empty,
// and each toast type.
#include <gtest/gtest.h>

#include <string>

#include "core/records/TAVORouterModel.h"
#include "management/facade/TAVOAccountManager.h"
#include "platform/ui/Label.h"
#include "tests/gallery/GalleryRegistry.h"
#include "widgets/TAVORefreshTableViewController.h"

namespace keelbox::gallery {

namespace {

using test::AppFixture;

// A screen of the framework with a title, a back arrow, a right button and
// a line of content below the bar.
template <class Base>
class SampleScreen : public Base {
public:
    using Base::Base;
    void viewDidLoad() override {
        Base::viewDidLoad();
        this->navBar()->setLeftBarItemText("", AppNavigationBar::LeftStyleDarkBackArrow);
        this->navBar()->setTitle("Router settings");
        this->navBar()->setRightBarItemText("Save");
        auto text = ui::Label::create(cg::RectMake(20, 90, 280, 24));
        text->setText("What the screen shows");
        this->view()->addSubview(text);
    }
};

class SampleList : public SampleScreen<TAVORefreshTableViewController> {
public:
    using SampleScreen<TAVORefreshTableViewController>::SampleScreen;
    bool shouldShowBlackIndicator() override { return true; }
};

template <class Screen>
std::shared_ptr<Screen> pushScreen(AppFixture& app) {
    EXPECT_TRUE(app.launch());
    auto screen = ui::ViewController::make<Screen>();
    app.push(screen);
    app.screen().wait(1.0);
    return screen;
}

void refusedRouter(AppFixture& app, int state) {
    auto screen = pushScreen<SampleScreen<TAVOWIFIViewControler>>(app);
    auto facade = TAVOAccountManager::shareInstance();
    auto router = TAVORouterModel::create();
    router->mac = "00:11:22:33:44:55";
    router->router_id = "r1";
    facade->setCurrentRouter(router);
    facade->setLocalRouter(router);
    facade->setCurrentRouterCriticalErrorCode(state);
    EXPECT_FALSE(screen->isRouterAvailable());
    app.screen().wait(0.5);
}

}  // namespace

void registerWidgetsFrameGalleryStates() {
    GalleryRegistry::add("widgets_frame_base_screen",
                         [](AppFixture& app) { pushScreen<SampleScreen<TAVOBaseViewController>>(app); });

    for (int state : {100001, 100002, 100006})
        GalleryRegistry::add("widgets_frame_router_refused_" + std::to_string(state),
                             [state](AppFixture& app) { refusedRouter(app, state); });

    GalleryRegistry::add("widgets_frame_list_loading", [](AppFixture& app) {
        auto list = pushScreen<SampleList>(app);
        list->showLoading();
        app.screen().wait(0.3);
    });
    GalleryRegistry::add("widgets_frame_list_empty", [](AppFixture& app) {
        auto list = pushScreen<SampleList>(app);
        list->showLoading();
        list->dismissLoading();
        app.screen().wait(0.6);
    });

    for (int type = CustomizedHUDTypeInfo; type <= CustomizedHUDTypeDarkInfo; ++type)
        GalleryRegistry::add("widgets_frame_toast_type_" + std::to_string(type), [type](AppFixture& app) {
            auto screen = pushScreen<SampleScreen<TAVOBaseViewController>>(app);
            screen->showToastAutoDismiss(type, "The router is applying the new settings", false);
            app.screen().wait(0.5);
        });
}

}  // namespace keelbox::gallery
