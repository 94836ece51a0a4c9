#include "app/status.h"

namespace glyphora {

void StatusBar::setField(int index, std::string text) {
    std::string& slot = fields_.at(static_cast<size_t>(index));
    if (slot == text)
        return;
    slot = std::move(text);
    ui_.statusChanged(index, slot);
}

void StatusBar::StatusMessage(std::string text) {
    setField(kMessageField, std::move(text));
    if (!timerEnabled_) {
        timerEnabled_ = true;
        ui_.setTimer(TimerId::Status, true, kClearIntervalMs);
    }
}

void StatusBar::stopTimer() {
    if (timerEnabled_) {
        timerEnabled_ = false;
        ui_.setTimer(TimerId::Status, false, kClearIntervalMs);
    }
}

void StatusBar::statusTimerTick() {
    setField(kMessageField, {});
    stopTimer();
}

std::string StatusBar::positionText(int col, int row) {
    return "Pos.: X=" + std::to_string(col + 1) + " Y=" + std::to_string(row + 1);
}

} // namespace glyphora
