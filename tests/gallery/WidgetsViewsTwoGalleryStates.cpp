// The states of the animated backgrounds (wave, halo, radio waves and the
// two gradients), the small animated views and the list cells, each on a
// screen pushed over the launched application. Animated views are pictured
// a moment into their animation, as the screen shows them then.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/app/TAVOLocalizedString.h"
#include "core/crypto/TAVOCommonUtility.h"
#include "platform/ui/Label.h"
#include "platform/ui/LayerPresentation.h"
#include "platform/ui/TableView.h"
#include "platform/ui/ViewController.h"
#include "platform/ui/Window.h"
#include "tests/gallery/GalleryRegistry.h"
#include "widgets/TAVOButton.h"
#include "widgets/TAVOCommonTableViewCell.h"
#include "widgets/TAVOGradientBgView.h"
#include "widgets/TAVOGradientView.h"
#include "widgets/TAVOHaloView.h"
#include "widgets/TAVOHeadContentView.h"
#include "widgets/TAVORadioWaveView.h"
#include "widgets/TAVORightPaneCell.h"
#include "widgets/TAVORotationView.h"
#include "widgets/TAVOSearchIntroduceLabel.h"
#include "widgets/TAVOSearchLightView.h"
#include "widgets/TAVOSettingSelectCell.h"
#include "widgets/TAVOSingleChooseTableViewCell.h"
#include "widgets/TAVOSpeedupButton.h"
#include "widgets/TAVOWaitingAnimationView.h"
#include "widgets/TAVOWaveView.h"
#include "widgets/UITableViewCellSeperator.h"

namespace keelbox::gallery {

namespace {

using test::AppFixture;

const ui::Color kGreen = ui::Color::rgb255(10, 167, 75);
const ui::Color kSky = ui::Color::rgb255(88, 205, 253);

ui::LabelPtr label(const std::string& text, const cg::Rect& frame, const ui::Color& color = ui::Color::blackColor()) {
    auto l = ui::Label::create(frame);
    l->setText(text);
    l->setTextColor(color);
    l->setBackgroundColor(ui::Color::clearColor());
    return l;
}

ui::ViewControllerPtr pushScreen(AppFixture& app, const ui::Color& background) {
    EXPECT_TRUE(app.launch());
    auto screen = ui::ViewController::create();
    screen->view()->setBackgroundColor(background);
    app.push(screen);
    app.screen().wait(1.0);
    return screen;
}

// Lets the animations run for `seconds` and shows what they show then.
void pictureAfter(AppFixture& app, double seconds) {
    app.screen().wait(seconds);
    // The picture is the state's last word: the model is not put back.
    (void)ca::LayerPresentation::apply(app.window()->layer(), ca::currentMediaTime());
}

// The dashboard's animated backgrounds: a diagonal gradient, the rings and
// the halo's scale waves over it.
void dashboardBackgrounds(AppFixture& app) {
    auto screen = pushScreen(app, ui::Color::whiteColor());
    const cg::Rect full = screen->view()->bounds();
    auto gradient = TAVOGradientView::create(full);
    gradient->changeTopLeftColor(kGreen, kSky, false);
    screen->view()->addSubview(gradient);
    auto wave = TAVOWaveView::create(full);
    wave->setFillColor(ui::Color::white(1, 0.35));
    screen->view()->addSubview(wave);
    wave->startAnimation(5, false, {160, 180}, 200, 0);
    auto halo = TAVOHaloView::create(full);
    screen->view()->addSubview(halo);
    halo->startAnimation(TAVOHaloView::StyleScaleWaves);
    pictureAfter(app, 4.5);
}

void haloStyle(AppFixture& app, int style) {
    auto screen = pushScreen(app, kGreen);
    auto halo = TAVOHaloView::create(screen->view()->bounds());
    screen->view()->addSubview(halo);
    halo->startAnimation(style);
    screen->view()->addSubview(label("Guest Wi-Fi halo, style " + std::to_string(style), cg::RectMake(20, 30, 280, 24),
                                     ui::Color::whiteColor()));
    pictureAfter(app, 2.5);
}

void speedupButtons(AppFixture& app) {
    auto screen = pushScreen(app, ui::Color::white(0.95));
    const char* names[] = {"Idle", "Speeding up", "Busy", "Busy, speeding"};
    for (int row = 0; row < 4; ++row) {
        const double y = 80 + row * 70;
        screen->view()->addSubview(label(names[row], cg::RectMake(20, y + 8, 150, 24)));
        auto button = TAVOSpeedupButton::create(cg::RectMake(180, y, 100, 40));
        button->setBackgroundColor(ui::Color::white(0.8));
        screen->view()->addSubview(button);
        if (row == 3) button->setMode(TAVOSpeedupButton::ModeAnimating);
        button->setMode(row == 3 ? TAVOSpeedupButton::ModeBusy : row);
    }
    pictureAfter(app, 0.1);
}

// The dashboard's square buttons: picture, caption and badge, pressed and
// not; and header strips with and without a subtitle and background.
void dashboardButtons(AppFixture& app) {
    auto screen = pushScreen(app, kGreen);
    const char* pictures[] = {"home_wifi03", "home_wifi02", "home_wifi01"};
    const char* captions[] = {"Devices", "Guests", "Speed-up"};
    const char* badges[] = {"3", "128", ""};
    for (int i = 0; i < 3; ++i) {
        auto button = TAVOButton::create(cg::RectMake(20 + i * 100, 90, 80, 70));
        button->setButtonImage(ui::Image::imageNamed(pictures[i]));
        button->setContent(captions[i]);
        button->contentLabel()->setTextColor(ui::Color::whiteColor());
        if (*badges[i]) button->setIndicatorText(badges[i]);
        screen->view()->addSubview(button);
        if (i == 2) button->setHighlighted(true);
    }
    const char* titles[] = {"Router information", "Admin password"};
    const char* subtitles[] = {"", "Last changed today"};
    for (int i = 0; i < 2; ++i) {
        auto head = TAVOHeadContentView::create(cg::RectMake(0, 200 + i * 70, 320, 60));
        head->setIconImage(ui::Image::imageNamed(i ? "more_ic04" : "more_ic01"));
        if (i) head->setBgImage(TAVOCommonUtility::createImageFromColor(ui::Color::white(0.95), {320, 60}));
        head->setSubTitle(subtitles[i]);
        head->setTitle(titles[i]);
        screen->view()->addSubview(head);
    }
    pictureAfter(app, 0.1);
}

// A plain table that hands out ready-made cells, one section.
class FixedRows : public ui::TableViewDataSource {
public:
    std::vector<ui::TableViewCellPtr> cells;
    long numberOfRowsInSection(ui::TableView&, long) override { return static_cast<long>(cells.size()); }
    ui::TableViewCellPtr cellForRowAtIndexPath(ui::TableView&, const ui::IndexPath& ip) override {
        return cells.at(static_cast<std::size_t>(ip.row));
    }
};

void listCells(AppFixture& app) {
    auto screen = pushScreen(app, ui::Color::white(0.94));
    auto table = ui::TableView::create(cg::RectMake(0, 20, 320, 548));
    table->setBackgroundColor(ui::Color::white(0.94));
    auto rows = std::make_shared<FixedRows>();

    auto setting = [](const std::string& icon, const std::string& title, const std::string& status, bool flag) {
        auto cell = TAVOSettingSelectCell::create(ui::TableViewCellStyle::Default, "setting");
        cell->iconImage()->setImage(ui::Image::imageNamed(icon));
        cell->settingTitle()->setText(title);
        cell->statusLabel()->setText(status);
        if (flag) cell->flagImage()->setImage(ui::Image::imageNamed("icon_new_indicator"));
        return cell;
    };
    rows->cells.push_back(setting("icon_about_setting", "Wi-Fi settings", "Home-5G", false));
    rows->cells.push_back(setting("icon_about_setting", "Firmware", "2.0.1", true));
    rows->cells.push_back(setting("", "No icon row", "Ready", false));

    auto pane = TAVORightPaneCell::create(ui::TableViewCellStyle::Default, "pane");
    pane->setIconImage(ui::Image::imageNamed("icon_about_setting"));
    pane->setSubTitle("Version 2.0.1");
    pane->setTitle("About");
    rows->cells.push_back(pane);
    auto plainPane = TAVORightPaneCell::create(ui::TableViewCellStyle::Default, "pane");
    plainPane->setIconImage(ui::Image::imageNamed("icon_about_setting"));
    plainPane->setTitle("Feedback");
    rows->cells.push_back(plainPane);

    auto router = TAVOSingleChooseTableViewCell::create(ui::TableViewCellStyle::Default, "router");
    router->titleLabel()->setText("Living-room router");
    router->subtitleLabel()->setText("Online, 6 devices");
    rows->cells.push_back(router);

    table->setDataSource(rows);
    table->reloadData();
    for (std::size_t i = 0; i < rows->cells.size(); ++i) {
        rows->cells[i]->setBackgroundColor(ui::Color::whiteColor());
        showSeparatorLine(rows->cells[i], true, ui::IndexPath::indexPathForRow(static_cast<long>(i), 0), *table);
    }
    screen->view()->addSubview(table);
    app.screen().wait(0.1);
}

void commonCells(AppFixture& app) {
    auto screen = pushScreen(app, ui::Color::white(0.94));
    const struct {
        const char* icon;
        const char* text;
    } rows[] = {{"icon_about_setting", "Router administrator"}, {"", "Without an icon"}};
    for (int i = 0; i < 2; ++i) {
        auto cell = TAVOCommonTableViewCell::create(ui::TableViewCellStyle::Default, "common");
        cell->setFrame(cg::RectMake(0, 80 + i * 50, 320, 50));
        cell->setBackgroundColor(ui::Color::whiteColor());
        if (*rows[i].icon) cell->iconView()->setImage(ui::Image::imageNamed(rows[i].icon));
        cell->contentLable()->setText(rows[i].text);
        screen->view()->addSubview(cell);
        showTopSeparatorLine(cell, true, ui::IndexPath::indexPathForRow(i, 0));
    }
    app.screen().wait(0.1);
}

}  // namespace

void registerWidgetsViewsTwoGalleryStates() {
    GalleryRegistry::add("widgets_dashboard_backgrounds", dashboardBackgrounds);

    GalleryRegistry::add("widgets_wave_view_rings", [](AppFixture& app) {
        auto screen = pushScreen(app, ui::Color::whiteColor());
        auto wave = TAVOWaveView::create(cg::RectMake(0, 60, 320, 360));
        screen->view()->addSubview(wave);
        wave->startAnimation(5, false, {160, 180}, 200, 150);
        screen->view()->addSubview(label("Wi-Fi timer", cg::RectMake(120, 228, 120, 24)));
        pictureAfter(app, 4.5);
    });
    for (int style = 0; style < 3; ++style)
        GalleryRegistry::add("widgets_halo_view_style_" + std::to_string(style),
                             [style](AppFixture& app) { haloStyle(app, style); });

    GalleryRegistry::add("widgets_radio_wave_view_level_2", [](AppFixture& app) {
        auto screen = pushScreen(app, kGreen);
        auto radio = TAVORadioWaveView::create(cg::RectMake(0, 120, 320, 240));
        screen->view()->addSubview(radio);
        radio->setCurrentWavsShow(2);
        radio->startAnimation(4, 32, 4);
        auto house = ui::ImageView::createWithImage(ui::Image::imageNamed("home_xhtj_ic_house"));
        house->setCenter({160, 240});
        screen->view()->addSubview(house);
        pictureAfter(app, 3.5);
    });

    GalleryRegistry::add("widgets_gradient_backgrounds", [](AppFixture& app) {
        auto screen = pushScreen(app, ui::Color::whiteColor());
        auto bg = TAVOGradientBgView::create(cg::RectMake(0, 0, 320, 284));
        screen->view()->addSubview(bg);
        bg->setBgCorlor(kGreen);
        auto gradient = TAVOGradientView::create(cg::RectMake(0, 284, 320, 284));
        screen->view()->addSubview(gradient);
        gradient->changeTopLeftColor(kGreen, kSky, false);
        // Half-way through a cross-fade to warmer colours.
        gradient->changeTopLeftColor(ui::Color::rgb255(250, 160, 40), ui::Color::rgb255(220, 60, 60), true);
        screen->view()->addSubview(label("Light mask over a colour", cg::RectMake(20, 30, 280, 24), ui::Color::whiteColor()));
        screen->view()->addSubview(label("Diagonal gradient, cross-fading", cg::RectMake(20, 300, 280, 24), ui::Color::whiteColor()));
        pictureAfter(app, 0.5);
    });

    GalleryRegistry::add("widgets_small_animated_views", [](AppFixture& app) {
        auto screen = pushScreen(app, ui::Color::white(0.2));
        auto view = screen->view();
        view->addSubview(label("Speed gauge at 96 KB/s", cg::RectMake(20, 30, 280, 20), ui::Color::whiteColor()));
        auto dial = ui::ImageView::createWithImage(ui::Image::imageNamed("home_speed-up_circle"));
        dial->setCenter({160, 130});
        view->addSubview(dial);
        auto needle = TAVORotationView::create(cg::RectMake(158, 80, 4, 50));
        needle->setBackgroundColor(ui::Color::whiteColor());
        needle->layer()->setAnchorPoint({0.5, 1});
        needle->setCenter({160, 130});
        needle->setDictionaryValueToAngle({{0, -30}, {64, 10}, {128, 50}, {256, 90}, {512, 130}, {1024, 157},
                                           {5120, 180}, {10240, 198}, {20480, 210}});
        view->addSubview(needle);
        needle->setValue(96, 0.5, nullptr);

        view->addSubview(label("Waiting dots, second lit", cg::RectMake(20, 200, 280, 20), ui::Color::whiteColor()));
        auto waiting = TAVOWaitingAnimationView::create(cg::RectMake(100, 225, 120, 30));
        waiting->setCircleRadius(5);
        waiting->setCircleColor(ui::Color::whiteColor());
        view->addSubview(waiting);
        waiting->animateWaiting(1.5);

        auto search = TAVOSearchIntroduceLabel::create(cg::RectMake(0, 280, 320, 50));
        search->setBackgroundColor(ui::Color::white(0.95));
        search->setRotationImage(ui::Image::imageNamed("selected_router_list"));
        search->setInfo("Ask your friend to open the app");
        view->addSubview(search);
        search->startAnimation();

        auto light = TAVOSearchLightView::create(cg::RectMake(20, 360, 280, 40));
        light->iconIndicator()->setImage(ui::Image::imageNamed("home_testspeed_raypoint"));
        light->infoLabel()->setText(TAVOLocalizedString("scanning devices nearby"));
        view->addSubview(light);
        light->startAnimation();
        pictureAfter(app, 0.7);
    });

    GalleryRegistry::add("widgets_speedup_button_modes", speedupButtons);
    GalleryRegistry::add("widgets_dashboard_buttons_and_headers", dashboardButtons);
    GalleryRegistry::add("widgets_list_cells", listCells);
    GalleryRegistry::add("widgets_common_table_cells", commonCells);
}

}  // namespace keelbox::gallery
