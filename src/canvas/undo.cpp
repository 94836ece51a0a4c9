#include "canvas/undo.h"

#include "platform/text_file.h"

#include <algorithm>
#include <cstdint>
#include <string_view>
#include <system_error>

namespace glyphora {

namespace fs = std::filesystem;

namespace {

// Snapshot layout: signature, columns and rows (32 bits, low byte first), then per cell in
// row order its text length and bytes. A length below kLongLength takes one byte; a longer
// text is kLongLength followed by a 32-bit length.
constexpr std::string_view kSignature = "GLYUNDO1";
constexpr std::size_t kWordBytes = 4;
constexpr std::size_t kHeaderBytes = kSignature.size() + 2 * kWordBytes;
constexpr unsigned char kLongLength = 0xFF;
constexpr unsigned kByteBits = 8;
constexpr unsigned kByteMask = 0xFF;

void putWord(std::string& out, std::uint32_t value) {
    for (std::size_t i = 0; i < kWordBytes; ++i)
        out += static_cast<char>((value >> (kByteBits * i)) & kByteMask);
}

std::uint32_t getWord(std::string_view bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < kWordBytes; ++i)
        value |= std::uint32_t{static_cast<unsigned char>(bytes[at + i])} << (kByteBits * i);
    return value;
}

std::string snapshotBytes(const CharCanvas& canvas) {
    const int cols = canvas.colCount();
    const int rows = canvas.rowCount();
    std::string out;
    // Nearly every cell is one byte of text after its length byte.
    out.reserve(kHeaderBytes + 2 * static_cast<std::size_t>(cols) * static_cast<std::size_t>(rows));
    out += kSignature;
    putWord(out, static_cast<std::uint32_t>(cols));
    putWord(out, static_cast<std::uint32_t>(rows));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const std::string_view text = canvas.text(c, r);
            if (text.size() < kLongLength) {
                out += static_cast<char>(text.size());
            } else {
                out += static_cast<char>(kLongLength);
                putWord(out, static_cast<std::uint32_t>(text.size()));
            }
            out += text;
        }
    }
    return out;
}

// Walks the cell texts of a snapshot in row order, calling visit(col, row, text) for each.
// False as soon as a length runs past the end, or when bytes are left over.
template <typename Visit>
bool forEachSnapshotCell(std::string_view bytes, int cols, int rows, Visit visit) {
    std::size_t pos = kHeaderBytes;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            if (pos >= bytes.size())
                return false;
            std::size_t length = static_cast<unsigned char>(bytes[pos++]);
            if (length == kLongLength) {
                if (bytes.size() - pos < kWordBytes)
                    return false;
                length = getWord(bytes, pos);
                pos += kWordBytes;
            }
            if (bytes.size() - pos < length)
                return false;
            visit(c, r, bytes.substr(pos, length));
            pos += length;
        }
    }
    return pos == bytes.size();
}

// Sets the canvas to the snapshot's size and texts. A damaged snapshot is refused before
// anything changes; its claimed size is checked against the bytes there are, since every
// cell takes at least its length byte.
bool readSnapshotBytes(CharCanvas& canvas, std::string_view bytes) {
    if (bytes.size() < kHeaderBytes || !bytes.starts_with(kSignature))
        return false;
    const long long cols = getWord(bytes, kSignature.size());
    const long long rows = getWord(bytes, kSignature.size() + kWordBytes);
    if (cols < 1 || rows < 1 || !CharCanvas::sizeFits(cols, rows))
        return false;
    const int width = static_cast<int>(cols);
    const int height = static_cast<int>(rows);
    if (bytes.size() - kHeaderBytes < static_cast<std::size_t>(cols * rows) ||
        !forEachSnapshotCell(bytes, width, height, [](int, int, std::string_view) {}))
        return false;

    canvas.setSize(width, height);
    canvas.clearTexts();
    forEachSnapshotCell(bytes, width, height, [&](int col, int row, std::string_view text) {
        if (!text.empty())
            canvas.setText(col, row, text);
    });
    return true;
}

} // namespace

UndoRing::UndoRing(fs::path directory, std::string instanceTag)
    : directory_(std::move(directory)), tag_(std::move(instanceTag)) {}

fs::path UndoRing::snapshotPath(int slot) const {
    return directory_ / ("~temp" + tag_ + std::to_string(slot) + ".dat");
}

void UndoRing::followRingSize(int steps) {
    if (steps == steps_)
        return;
    std::error_code ec;
    for (int slot = 1; slot <= steps_; ++slot)
        fs::remove(snapshotPath(slot), ec);
    slot_ = count_ = 0;
    steps_ = steps;
}

bool UndoRing::takeSnapshot(const CharCanvas& canvas, int steps) {
    steps = std::max(steps, 1);
    followRingSize(steps);
    const int previousSlot = slot_;
    const int previousCount = count_;
    slot_ = slot_ + 1 > steps ? 1 : slot_ + 1;
    count_ = std::min(count_ + 1, steps);

    std::error_code ec;
    fs::create_directories(directory_, ec);
    if (writeFileBytes(snapshotPath(slot_), snapshotBytes(canvas)))
        return true;
    fs::remove(snapshotPath(slot_), ec);
    slot_ = previousSlot;
    count_ = previousCount;
    return false;
}

bool UndoRing::undo(CharCanvas& canvas, int steps) {
    steps = std::max(steps, 1);
    followRingSize(steps);
    if (count_ <= 0 || slot_ <= 0)
        return false;
    std::string bytes;
    if (!readFileBytes(snapshotPath(slot_), bytes) || !readSnapshotBytes(canvas, bytes))
        return false;
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
