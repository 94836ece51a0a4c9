#include "canvas/undo.h"

#include "canvas/grid_file.h"

#include <algorithm>
#include <system_error>

namespace glyphora {

namespace fs = std::filesystem;

UndoRing::UndoRing(fs::path directory, std::string instanceTag)
    : directory_(std::move(directory)), tag_(std::move(instanceTag)) {}

fs::path UndoRing::snapshotPath(int slot) const {
    return directory_ / ("~temp" + tag_ + std::to_string(slot) + ".dat");
}

bool UndoRing::takeSnapshot(const CharCanvas& canvas, int steps) {
    steps = std::max(steps, 1);
    const int previousSlot = slot_;
    const int previousCount = count_;
    slot_ = slot_ + 1 > steps ? 1 : slot_ + 1;
    count_ = std::min(count_ + 1, steps);

    std::error_code ec;
    fs::create_directories(directory_, ec);
    if (SaveToFile(canvas, snapshotPath(slot_)))
        return true;
    fs::remove(snapshotPath(slot_), ec);
    slot_ = previousSlot;
    count_ = previousCount;
    return false;
}

bool UndoRing::undo(CharCanvas& canvas, int steps) {
    steps = std::max(steps, 1);
    if (count_ <= 0 || slot_ <= 0)
        return false;
    std::string bytes;
    if (!readFileBytes(snapshotPath(slot_), bytes))
        return false;

    // The snapshot fixes the size; texts are rewritten, colours stay at their positions.
    const GridExtent extent = measureGridBytes(bytes);
    if (!CharCanvas::sizeFits(extent.cols, extent.rows))
        return false;
    canvas.setSize(static_cast<int>(extent.cols), static_cast<int>(extent.rows));
    canvas.clearTexts();
    readGridBytes(canvas, bytes);

    slot_ = slot_ - 1 < 1 ? steps : slot_ - 1;
    count_ = std::max(count_ - 1, 0);
    return true;
}

void UndoRing::deleteAllSnapshotFiles() const {
    std::error_code ec;
    for (fs::directory_iterator it(directory_, ec), end; !ec && it != end; it.increment(ec)) {
        if (it->path().extension() == ".dat") {
            std::error_code ignored;
            fs::remove(it->path(), ignored);
        }
    }
}

} // namespace glyphora
