#include "app/progress_panel.h"

#include <cmath>

namespace glyphora {

void ProgressPanel::publish(const ProgressView& before) {
    if (!(view_ == before))
        ui_.progressChanged(view_);
}

void ProgressPanel::setSegment(int index) {
    if (index >= 0 && index < ProgressView::kSegments)
        view_.segments |= 1u << index;
}

void ProgressPanel::showBar(const std::string& caption, bool abortable, const std::string& step) {
    const ProgressView before = view_;
    view_.segments = 0;
    view_.caption = caption;
    view_.step = step;
    view_.abortable = abortable;
    view_.visible = true;
    publish(before);
    ui_.repaintCanvas();
}

void ProgressPanel::setBarPosition(double position, double maximum, const std::string& caption,
                                   const std::string& step) {
    const ProgressView before = view_;
    double scaled = maximum > 0 ? position / maximum * ProgressView::kSegments
                                : static_cast<double>(ProgressView::kSegments);
    if (std::isnan(scaled))
        scaled = -1;
    // Only indices up to the last segment matter; clamping keeps the cast defined.
    scaled = std::fmin(std::fmax(scaled, -1.0), static_cast<double>(ProgressView::kSegments));
    const int lit = static_cast<int>(std::nearbyint(scaled));
    for (int i = 0; i <= lit; ++i)
        setSegment(i);
    view_.caption = caption;
    view_.step = step;
    publish(before);
}

void ProgressPanel::hideBar() {
    const ProgressView before = view_;
    view_.visible = false;
    publish(before);
}

void ProgressPanel::startBarAnimation(int process) {
    const ProgressView before = view_;
    view_.animationProcess = process;
    view_.animated = true;
    publish(before);
}

void ProgressPanel::stopBarAnimation() {
    const ProgressView before = view_;
    view_.animationProcess = 0;
    view_.animated = false;
    publish(before);
}

} // namespace glyphora
