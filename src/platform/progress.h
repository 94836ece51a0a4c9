#pragma once

#include <cstdint>
#include <string>

namespace glyphora {

// How a long algorithm reports progress and learns that the user pressed Escape, without
// knowing who shows it.
class Progress {
public:
    virtual ~Progress() = default;
    virtual void showBar(const std::string& caption, bool abortable, const std::string& step) = 0;
    virtual void setBarPosition(double position, double maximum, const std::string& caption,
                                const std::string& step) = 0;
    virtual void hideBar() = 0;
    // Polled once per outer iteration of an abortable loop.
    virtual bool escapePressed() = 0;
};

} // namespace glyphora

namespace glyphora {

// What the progress panel shows, for the shell to draw.
struct ProgressView {
    static constexpr int kSegments = 20;

    bool visible = false;
    std::string caption; // the operation text, e.g. "Saving ..."
    std::string step;    // the step text, e.g. "Step 1 of 3"
    bool abortable = false;
    std::uint32_t segments = 0; // bit i: segment i is lit
    bool animated = false;
    int animationProcess = 0;

    bool segmentOn(int i) const { return i >= 0 && i < kSegments && (segments >> i) & 1u; }
    bool operator==(const ProgressView&) const = default;
};

} // namespace glyphora
