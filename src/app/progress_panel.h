#pragma once

#include "platform/progress.h"
#include "platform/ui.h"

namespace glyphora {

// The in-window progress display: an operation text, a step text, a bar of 20 segments
// and, for abortable work, the line "(Press ESC to abort)". Every change is pushed to the
// shell at once, since the work runs on the user-interface thread.
class ProgressPanel : public Progress {
public:
    static constexpr const char* kAbortHint = "(Press ESC to abort)";
    static constexpr const char* kBarCaption = "  Please wait ...";

    explicit ProgressPanel(Ui& ui) : ui_(ui) {}

    void showBar(const std::string& caption, bool abortable, const std::string& step) override;
    // Lights segments 0..round(position / maximum x 20); never switches one off. A maximum
    // of 0 or less counts as finished work and lights every segment.
    void setBarPosition(double position, double maximum, const std::string& caption,
                        const std::string& step) override;
    void hideBar() override;
    bool escapePressed() override { return ui_.escapeDown(); }

    // The self-running animation of the bar; the program only uses process 4.
    void startBarAnimation(int process);
    void stopBarAnimation();

    const ProgressView& view() const { return view_; }

private:
    void setSegment(int index);
    void publish(const ProgressView& before);

    Ui& ui_;
    ProgressView view_;
};

} // namespace glyphora
