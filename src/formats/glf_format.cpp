#include "formats/glf_format.h"

#include "formats/file_output.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <system_error>
#include <vector>

namespace glyphora {

namespace {

constexpr const char* kSavingCaption = "Saving ...";
constexpr const char* kLoadingCaption = "Loading ...";
constexpr const char* kSettingColorCaption = "Setting color ...";
constexpr const char* kOneStep = "Step 1 of 1";
constexpr std::size_t kRecord = 3;
constexpr std::size_t kFileBuffer = std::size_t{1} << 20;
constexpr int kByteShift = 8;
constexpr unsigned kByteMask = 0xFF;
// The font size control's range.
constexpr int kMinFontSize = 2;
constexpr int kMaxFontSize = 30;
constexpr char kBlank = ' ';

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

File openFile(const std::filesystem::path& path, const char* mode) {
    return File(std::fopen(path.string().c_str(), mode));
}

unsigned char lowByte(int value) {
    return static_cast<unsigned char>(static_cast<unsigned>(value) & kByteMask);
}

unsigned char* putColor(unsigned char* out, Color color) {
    out[0] = static_cast<unsigned char>(redOf(color));
    out[1] = static_cast<unsigned char>(greenOf(color));
    out[2] = static_cast<unsigned char>(blueOf(color));
    return out + kRecord;
}

Color getColor(const unsigned char* in) {
    return rgb(in[0], in[1], in[2]);
}

bool writeRecords(std::FILE* file, const unsigned char* data, std::size_t size) {
    return std::fwrite(data, 1, size, file) == size;
}

bool writeBody(std::FILE* file, CharCanvas& canvas, ColorMode mode, Progress& progress) {
    const int cols = canvas.colCount();
    const int rows = canvas.rowCount();
    unsigned char header[kGlfHeaderBytes];
    header[0] = lowByte(cols >> kByteShift);
    header[1] = lowByte(cols);
    header[2] = glfModeByte(mode);
    header[3] = lowByte(rows >> kByteShift);
    header[4] = lowByte(rows);
    header[5] = lowByte(canvas.font().size);
    header[6] = lowByte(canvas.metrics.colWidth);
    header[7] = lowByte(canvas.metrics.rowHeight);
    header[8] = lowByte(canvas.metrics.gridLineWidth);
    const bool plain = mode == ColorMode::Plain;
    putColor(header + 9, plain ? kWhite : canvas.defaultColor());
    putColor(header + 12, plain ? kBlack : canvas.defaultFontColor());
    if (!writeRecords(file, header, sizeof header))
        return false;

    std::vector<unsigned char> line(static_cast<std::size_t>(cols) * kGlfCellBytes);
    for (int r = 0; r < rows; ++r) {
        progress.setBarPosition(r, rows - 1, kSavingCaption, kOneStep);
        unsigned char* out = line.data();
        for (int c = 0; c < cols; ++c) {
            out = putColor(out, canvas.FontCell(c, r));
            out = putColor(out, canvas.ColorCell(c, r));
            if (canvas.text(c, r).empty())
                canvas.setText(c, r, std::string_view(&kBlank, 1));
            out[0] = static_cast<unsigned char>(canvas.text(c, r)[0]);
            out[1] = out[2] = 0;
            out += kRecord;
        }
        if (!writeRecords(file, line.data(), line.size()))
            return false;
    }
    return true;
}

// Applies what a run of cell bytes holds, record by record: a cell whose records end early
// keeps the parts read so far, as a reader going record by record would leave it.
void readCells(CharCanvas& canvas, int row, const unsigned char* in, std::size_t bytes, bool plain,
               Color& working) {
    const int cols = canvas.colCount();
    for (int c = 0; c < cols && bytes >= kRecord; ++c) {
        if (!plain)
            working = getColor(in);
        canvas.SetFontCell(c, row, working);
        if (bytes < 2 * kRecord)
            return;
        if (plain)
            canvas.ResetColorCell(c, row);
        else
            canvas.SetColorCell(c, row, getColor(in + kRecord));
        if (bytes < kGlfCellBytes)
            return;
        canvas.setText(c, row,
                       std::string_view(reinterpret_cast<const char*>(in + 2 * kRecord), 1));
        in += kGlfCellBytes;
        bytes -= kGlfCellBytes;
    }
}

} // namespace

std::uint64_t glfFileSize(std::uint64_t width, std::uint64_t height) {
    return kGlfHeaderBytes + kGlfCellBytes * width * height;
}

std::uint8_t glfModeByte(ColorMode mode) {
    return static_cast<std::uint8_t>(mode);
}

ColorMode glfModeFromByte(std::uint8_t byte) {
    switch (byte) {
    case 1:
        return ColorMode::Plain;
    case 2:
        return ColorMode::FontColored;
    case 4:
        return ColorMode::Ansi;
    default:
        return ColorMode::FullColored;
    }
}

bool writeGlf(const std::filesystem::path& path, CharCanvas& canvas, ColorMode mode,
              Progress& progress) {
    // Larger sides would wrap in their two bytes and give a file no reader can take.
    if (canvas.colCount() > kGlfMaxSide || canvas.rowCount() > kGlfMaxSide)
        return false;
    progress.showBar(kSavingCaption, false, kOneStep);
    const bool ok = writeFileSafely(path, [&](std::FILE* file) {
        std::setvbuf(file, nullptr, _IOFBF, kFileBuffer);
        return writeBody(file, canvas, mode, progress);
    });
    progress.hideBar();
    return ok;
}

GlfReadResult readGlf(const std::filesystem::path& path, CharCanvas& canvas, Progress& progress) {
    GlfReadResult result;
    progress.showBar(kLoadingCaption, false, kOneStep);
    std::error_code ec;
    const std::uintmax_t fileSize = std::filesystem::file_size(path, ec);
    File file = ec ? File() : openFile(path, "rb");
    unsigned char header[kGlfHeaderBytes];
    if (!file || std::fread(header, 1, sizeof header, file.get()) != sizeof header) {
        progress.hideBar();
        return result;
    }
    const int cols = header[0] << kByteShift | header[1];
    const int rows = header[3] << kByteShift | header[4];
    // The header must describe this file before anything is changed: a forged size would
    // otherwise resize the canvas to whatever it claims.
    if (cols == 0 || rows == 0 || !CharCanvas::sizeFits(cols, rows) ||
        fileSize >
            glfFileSize(static_cast<std::uint64_t>(cols), static_cast<std::uint64_t>(rows))) {
        progress.hideBar();
        return result;
    }

    // A file cut short fills only the rows its bytes reach; one more row is all the canvas
    // gets beyond them, however many the header claims.
    const std::uint64_t rowBytes = static_cast<std::uint64_t>(cols) * kGlfCellBytes;
    const std::uint64_t cellBytes = fileSize > kGlfHeaderBytes ? fileSize - kGlfHeaderBytes : 0;
    const std::uint64_t rowsInFile = (cellBytes + rowBytes - 1) / rowBytes;
    const int sizedRows = static_cast<int>(std::min<std::uint64_t>(rows, rowsInFile + 1));

    result.mode = glfModeFromByte(header[2]);
    canvas.setSize(cols, sizedRows);
    canvas.updateSizeFields();
    TextFont font = canvas.font();
    font.size = std::clamp(static_cast<int>(header[5]), kMinFontSize, kMaxFontSize);
    // A cell is at least one pixel; a grid line is there or not.
    canvas.metrics.colWidth = std::max(static_cast<int>(header[6]), 1);
    canvas.metrics.rowHeight = std::max(static_cast<int>(header[7]), 1);
    canvas.metrics.gridLineWidth = header[8] != 0 ? 1 : 0;
    result.defaultBack = getColor(header + 9);
    result.defaultFont = getColor(header + 12);
    canvas.setDefaultColor(result.defaultBack);
    font.color = result.defaultFont;
    canvas.setFont(font);

    const bool plain = result.mode == ColorMode::Plain;
    Color working = result.defaultFont;
    std::setvbuf(file.get(), nullptr, _IOFBF, kFileBuffer);
    std::vector<unsigned char> line(static_cast<std::size_t>(cols) * kGlfCellBytes);
    result.status = GlfReadStatus::Complete;
    for (int r = 0; r < sizedRows; ++r) {
        progress.setBarPosition(r, rows - 1, kSettingColorCaption, kOneStep);
        const std::size_t got = std::fread(line.data(), 1, line.size(), file.get());
        readCells(canvas, r, line.data(), got, plain, working);
        if (got != line.size()) {
            result.status = GlfReadStatus::CutShort;
            break;
        }
    }
    if (sizedRows < rows) // rows the measured file could not fill were never read
        result.status = GlfReadStatus::CutShort;
    progress.hideBar();
    return result;
}

} // namespace glyphora
