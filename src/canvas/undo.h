#pragma once

#include "canvas/char_canvas.h"

#include <filesystem>
#include <string>

namespace glyphora {

// A ring of snapshot files of the canvas text (size and cell texts, no colours) in the undo
// directory. The files are the program's own: a small header and every cell's text with its
// length, so any byte a cell holds comes back. The ring size comes from the settings at
// each call; a call with another size than the ring was filled with starts a fresh ring, so
// a slot left over from the old size is never read as a newer snapshot.
class UndoRing {
public:
    UndoRing(std::filesystem::path directory, std::string instanceTag);

    // Writes the canvas to the next slot. A snapshot that cannot be written is abandoned:
    // the counters go back, so an older file in that slot is never mistaken for it.
    bool takeSnapshot(const CharCanvas& canvas, int steps);
    // Reads the current slot back into the canvas and steps back: the size and every text;
    // colours stay at their positions. False, with the canvas unchanged, when nothing is
    // left to undo or the file is missing, damaged or cut short.
    bool undo(CharCanvas& canvas, int steps);

    void reset() { slot_ = count_ = 0; }
    int slot() const { return slot_; }
    int count() const { return count_; }
    const std::string& instanceTag() const { return tag_; }
    const std::filesystem::path& directory() const { return directory_; }
    std::filesystem::path snapshotPath(int slot) const;

    // Deletes every "*.dat" file in the undo directory, other instances' files included.
    void deleteAllSnapshotFiles() const;

private:
    // Starts a fresh ring when the size differs from the one the slots were filled with.
    void followRingSize(int steps);

    std::filesystem::path directory_;
    std::string tag_;
    int slot_ = 0;
    int count_ = 0;
    int steps_ = 0; // the ring size of the present slots; 0 before the first call
};

} // namespace glyphora
