#pragma once

#include "platform/progress.h"

#include <string>
#include <vector>

namespace glyphora::test {

// Records what a reader or writer shows on the progress panel.
struct RecordingProgress : Progress {
    std::vector<std::string> calls;
    void showBar(const std::string& caption, bool abortable, const std::string& step) override {
        calls.push_back("show " + caption + " / " + step + (abortable ? " abortable" : ""));
    }
    void setBarPosition(double position, double maximum, const std::string& caption,
                        const std::string& step) override {
        calls.push_back("pos " + std::to_string(static_cast<int>(position)) + "/" +
                        std::to_string(static_cast<int>(maximum)) + " " + caption + " / " + step);
    }
    void hideBar() override { calls.push_back("hide"); }
    bool escapePressed() override { return false; }
};

} // namespace glyphora::test
