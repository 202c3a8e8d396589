#include "platform/ui/ViewAnimation.h"

#include <vector>

#include "platform/foundation/Singleton.h"
#include "platform/ui/BasicAnimation.h"
#include "platform/ui/MainLoop.h"
#include "platform/ui/View.h"

namespace ui {

namespace {

// The shared outcome of one animate call.
struct Group : std::enable_shared_from_this<Group> {
    ViewAnimation::Completion completion;
    int pending = 0;
    bool finished = true;
    bool fired = false;
    mainloop::Handle timer = 0;

    void stopped(bool ok) {
        if (fired) return;
        if (!ok) {
            // Interrupted: the completion hears it now, the timer is moot.
            fired = true;
            mainloop::cancel(timer);
            if (completion) completion(false);
            return;
        }
        if (--pending > 0) return;
        fired = true;
        if (completion) completion(finished);
    }
};

struct Frame {
    bool enabled = true;
    double duration = 0;
    double delay = 0;
    unsigned options = 0;
    ca::TimingFunction timing = ca::TimingFunction::EaseInEaseOut;
    std::shared_ptr<Group> group;
    std::size_t record = 0;
};

std::vector<Frame>& frames() {
    static std::vector<Frame> f;
    return f;
}

std::vector<ViewAnimationRecord>& recordList() {
    static std::vector<ViewAnimationRecord> r;
    static bool registered = false;
    if (!registered) {
        registered = true;
        ns::onTestReset([] {
            recordList().clear();
            frames().clear();
        });
    }
    return r;
}

ca::TimingFunction timingForCurve(int curve) {
    switch (curve) {
        case 1: return ca::TimingFunction::EaseIn;
        case 2: return ca::TimingFunction::EaseOut;
        case 3: return ca::TimingFunction::Linear;
        default: return ca::TimingFunction::EaseInEaseOut;
    }
}

void run(ViewAnimationRecord record, const ViewAnimation::Block& animations, ViewAnimation::Completion completion,
         const std::shared_ptr<View>& transitionView) {
    auto group = std::make_shared<Group>();
    group->completion = std::move(completion);
    group->pending = 1;  // the clock: delay + duration
    const bool repeats = record.options & ViewAnimationOptionRepeat;

    recordList().push_back(record);
    Frame frame;
    frame.enabled = record.duration > 0;
    frame.duration = record.duration;
    frame.delay = record.delay;
    frame.options = record.options;
    frame.timing = timingForCurve(record.curve);
    frame.group = group;
    frame.record = recordList().size() - 1;

    if (transitionView && frame.enabled) {
        auto t = ca::BasicAnimation::animationWithKeyPath("transition");
        t->duration = record.duration;
        t->beginTime = record.delay > 0 ? ca::currentMediaTime() + record.delay : 0;
        t->name = "transition";
        ++group->pending;
        t->onStop = [group](bool ok) { group->stopped(ok); };
        transitionView->layer()->addAnimation(t, "transition");
        frames().push_back(Frame{false, 0, 0, 0, frame.timing, group, frame.record});  // changes apply at once
    } else {
        frames().push_back(frame);
    }
    if (animations) animations();
    frames().pop_back();

    if (repeats && frame.enabled) {
        --group->pending;  // repeating forever: only removal ends it
        return;
    }
    // The clock keeps the group alive until it is due.
    group->timer = mainloop::performAfter(record.delay + record.duration, [group] { group->stopped(true); });
}

}  // namespace

void ViewAnimation::animate(double duration, double delay, unsigned options, const Block& animations,
                            Completion completion) {
    ViewAnimationRecord r;
    r.duration = duration;
    r.delay = delay;
    r.options = options;
    r.curve = static_cast<int>((options >> 16) & 0xF);
    run(r, animations, std::move(completion), nullptr);
}

void ViewAnimation::animateWithCurve(double duration, int curve, const Block& animations, Completion completion) {
    ViewAnimationRecord r;
    r.kind = ViewAnimationRecord::Kind::KeyboardCurve;
    r.duration = duration;
    r.curve = curve;
    run(r, animations, std::move(completion), nullptr);
}

void ViewAnimation::transition(const std::shared_ptr<View>& view, double duration, unsigned options,
                               const Block& animations, Completion completion) {
    ViewAnimationRecord r;
    r.kind = ViewAnimationRecord::Kind::Transition;
    r.duration = duration;
    r.options = options;
    r.curve = static_cast<int>((options >> 16) & 0xF);
    r.view = view;
    run(r, animations, std::move(completion), view);
}

void ViewAnimation::performWithoutAnimation(const Block& block) {
    frames().push_back(Frame{false, 0, 0, 0, ca::TimingFunction::Default, nullptr, 0});
    if (block) block();
    frames().pop_back();
}

bool ViewAnimation::isAnimating() { return !frames().empty() && frames().back().enabled; }

void ViewAnimation::propertyChanging(View& view, const std::string& keyPath, const ca::AnimationValue& from,
                                     const ca::AnimationValue& to) {
    if (!isAnimating()) return;
    Frame& f = frames().back();
    auto a = ca::BasicAnimation::animationWithKeyPath(keyPath);
    a->fromValue = from;
    a->toValue = to;
    a->duration = f.duration;
    a->timingFunction = f.timing;
    if (f.delay > 0) {
        a->beginTime = ca::currentMediaTime() + f.delay;
        a->fillMode = ca::FillMode::Backwards;
    }
    if (f.options & ViewAnimationOptionRepeat) a->repeatCount = ca::kHugeRepeatCount;
    a->autoreverses = f.options & ViewAnimationOptionAutoreverse;
    ++f.group->pending;
    a->onStop = [g = f.group](bool ok) { g->stopped(ok); };
    if (f.record < recordList().size()) recordList()[f.record].keyPaths.push_back(keyPath);
    view.layer()->addAnimation(a, keyPath);
}

const std::vector<ViewAnimationRecord>& ViewAnimation::records() { return recordList(); }
void ViewAnimation::clearRecords() { recordList().clear(); }

}  // namespace ui
