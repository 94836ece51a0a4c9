#pragma once

#include "platform/ui.h"

#include <array>
#include <string>

namespace glyphora {

// The status bar's four fields. Field 0 shows the cursor position, field 3 transient
// messages that the status timer clears after 5 seconds.
class StatusBar {
public:
    static constexpr int kFieldCount = 4;
    static constexpr std::array<int, kFieldCount> kFieldWidths = {100, 100, 300, 600};
    static constexpr int kPositionField = 0;
    static constexpr int kColorField = 2;
    static constexpr int kMessageField = 3;
    static constexpr int kClearIntervalMs = 5000;

    explicit StatusBar(Ui& ui) : ui_(ui) {}

    const std::string& field(int index) const { return fields_.at(static_cast<size_t>(index)); }
    void setField(int index, std::string text);

    // Writes field 3 and enables the status timer. A running timer is not restarted, so a newer
    // message is cleared when the running interval ends.
    void StatusMessage(std::string text);
    bool timerEnabled() const { return timerEnabled_; }
    // Disables the status timer, so the next message gets a full interval.
    void stopTimer();
    // the status timer's expiry: clears field 3 and disables the timer.
    void statusTimerTick();

    // "Pos.: X=3 Y=7" for the zero-based cell (2, 6).
    static std::string positionText(int col, int row);

private:
    Ui& ui_;
    std::array<std::string, kFieldCount> fields_;
    bool timerEnabled_ = false;
};

} // namespace glyphora
