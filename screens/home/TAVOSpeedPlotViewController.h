// The speed curve: a live chart of the router's traffic over the last 100
// samples and the current download and upload speeds, shown in a popup
// over the dashboard. It polls with its own speed listener from appearing
// to disappearing (the shared status poller reports to it meanwhile).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "management/pollers/TAVORouterGetSpeedListener.h"
#include "platform/ui/ImageView.h"
#include "platform/ui/Label.h"
#include "screens/home/TAVOSpeedPlotViewControllerDelegate.h"
#include "widgets/TAVOLinePlotView.h"
#include "widgets/TAVOPopupViewControllerDelegate.h"
#include "widgets/TAVOSpeedLabel.h"
#include "widgets/TAVOWIFIViewControler.h"

class TAVOSpeedPlotViewController : public TAVOWIFIViewControler,
                                    public TAVOLinePlotViewDelegate,
                                    public TAVORouterGetSpeedListenerDelegate,
                                    public TAVOPopupViewControllerDelegate {
public:
    using TAVOWIFIViewControler::TAVOWIFIViewControler;
    static std::shared_ptr<TAVOSpeedPlotViewController> create() { return make<TAVOSpeedPlotViewController>(); }
    ~TAVOSpeedPlotViewController() override;

    static constexpr unsigned kMaxPointCount = 100;

    // The chart's scale: the tick step, how the tick labels are written, and
    // whether the chart is in MB/s.
    struct Scale {
        double step = 0;
        std::string labelFormat;
        bool megabytes = false;
    };
    static Scale scaleForMaxKB(double speedMaxKB);

    std::shared_ptr<TAVOSpeedPlotViewControllerDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<TAVOSpeedPlotViewControllerDelegate>& d) { delegate_ = d; }
    double speedMaxKB() const { return speedMaxKB_; }
    // Set by the opener; 0 learns it from the first data drawn.
    void setSpeedMaxKB(double kb) { speedMaxKB_ = kb; }
    const std::vector<double>& speedsKB() const { return speedsKB_; }

    const std::shared_ptr<TAVOLinePlotView>& linePlotView() const { return linePlotView_; }
    const ui::LabelPtr& unitLabel() const { return unitLabel_; }
    const ui::LabelPtr& titleLabel() const { return titleLabel_; }
    const std::shared_ptr<TAVOSpeedLabel>& downloadSpeedLabel() const { return downloadSpeedLabel_; }
    const std::shared_ptr<TAVOSpeedLabel>& uploadSpeedLabel() const { return uploadSpeedLabel_; }
    const std::shared_ptr<TAVORouterGetSpeedListener>& speedListener() const { return speedListener_; }

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    void drawPlotViewWithData(const std::vector<double>& samplesKB);

    // The popup's close button.
    void userDidClickClose(TAVOPopupViewController& popup) override;

    // The read-out while panning.
    ui::OptionalColor annotationLineColorOfPlotView(TAVOLinePlotView&) override;
    ui::OptionalColor annotationFillColorOfPlotView(TAVOLinePlotView&) override;
    ui::OptionalColor annotationStokeColorOfPlotView(TAVOLinePlotView&) override;
    float annotationLineWidthOfPlotView(TAVOLinePlotView&) override { return 1.0f; }
    ui::OptionalColor annotationColorAtIndex(int, TAVOLinePlotData&, TAVOLinePlotView&) override;
    std::optional<ui::Font> annotationFontAtIndex(int, TAVOLinePlotData&, TAVOLinePlotView&) override;
    std::optional<std::string> annotationTextAtIndex(int index, TAVOLinePlotData& plot, TAVOLinePlotView&) override;

    // The poll.
    void lisenerSpeed(TAVORouterGetSpeedListener&, const ns::Array& speed) override;
    void lisenerDownSpeedUpSpeed(TAVORouterGetSpeedListener&, int downSpeed, int upSpeed) override;

private:
    void buildInterface();
    void endListening();

    std::weak_ptr<TAVOSpeedPlotViewControllerDelegate> delegate_;
    double speedMaxKB_ = 0;
    std::vector<double> speedsKB_;
    TAVOLinePlotDataPtr plot_;
    std::shared_ptr<TAVORouterGetSpeedListener> speedListener_;

    std::shared_ptr<TAVOLinePlotView> linePlotView_;
    ui::LabelPtr unitLabel_;
    ui::LabelPtr titleLabel_;
    ui::LabelPtr downoadLabel_;
    ui::LabelPtr uploadLabel_;
    std::shared_ptr<TAVOSpeedLabel> downloadSpeedLabel_;
    std::shared_ptr<TAVOSpeedLabel> uploadSpeedLabel_;
    ui::ImageViewPtr deviderView_;
};

using TAVOSpeedPlotViewControllerPtr = std::shared_ptr<TAVOSpeedPlotViewController>;
