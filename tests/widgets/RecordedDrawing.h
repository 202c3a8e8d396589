// What a view draws, as the recorded calls of its drawRect, for the widget
// tests that check a drawing's shapes rather than its pixels.
#pragma once

#include <algorithm>
#include <iterator>
#include <vector>

#include "platform/graphics/Context.h"
#include "platform/graphics/DrawCall.h"
#include "platform/graphics/GraphicsContextStack.h"
#include "platform/ui/View.h"

namespace keelbox::test {

inline std::vector<cg::DrawCall> drawingOf(ui::View& view) {
    auto context = cg::Context::createRecording(view.bounds().size);
    context->setRecording(true);
    cg::pushContext(context);
    view.drawRect(view.bounds());
    cg::popContext();
    return context->recordedCalls();
}

// The calls of one kind, in order.
inline std::vector<cg::DrawCall> only(const std::vector<cg::DrawCall>& calls, cg::DrawOp op) {
    std::vector<cg::DrawCall> out;
    std::copy_if(calls.begin(), calls.end(), std::back_inserter(out), [op](const cg::DrawCall& c) { return c.op == op; });
    return out;
}

}  // namespace keelbox::test
