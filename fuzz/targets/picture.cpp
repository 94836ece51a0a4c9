// A picture file of any type, decoded row by row as the picture import streams it into the
// resampler: only one row is kept, so a large size in a header over a small body costs no
// more than the import itself would take. A JPEG is decoded in two bands at once too, as a
// large one is.
#include "fuzz_targets.h"
#include "platform/picture_io.h"

#include <vector>

namespace {

class OneRowSink : public glyphora::PictureRowSink {
public:
    bool begin(int width, int) override {
        row_.assign(static_cast<std::size_t>(width) * 3, 0);
        return true;
    }
    std::uint8_t* rowBuffer(int) override { return row_.data(); }
    // Reads the whole row, so a row the decoder left short shows as an uninitialised read.
    void rowDone(int) override {
        for (const std::uint8_t byte : row_)
            sum_ += byte;
    }

private:
    std::vector<std::uint8_t> row_;
    unsigned sum_ = 0;
};

// One row per band, each summed by the thread that decodes its band.
class TwoBandSink : public glyphora::PictureRowSink {
public:
    bool begin(int width, int) override {
        for (std::vector<std::uint8_t>& row : rows_)
            row.assign(static_cast<std::size_t>(width) * 3, 0);
        return true;
    }
    bool takeTwoBands(int cut) override {
        cut_ = cut;
        return true;
    }
    std::uint8_t* rowBuffer(int y) override { return rows_[band(y)].data(); }
    void rowDone(int y) override {
        for (const std::uint8_t byte : rows_[band(y)])
            sums_[band(y)] += byte;
    }

private:
    std::size_t band(int y) const { return y < cut_ ? 0 : 1; }

    std::vector<std::uint8_t> rows_[2];
    unsigned sums_[2] = {};
    int cut_ = 0;
};

} // namespace

int glyphora::fuzz::fuzzPicture(std::string_view bytes) {
    PictureHeader header;
    PictureError error = PictureError::None;
    readPictureHeader(bytes, header, error);
    OneRowSink sink;
    decodePicture(bytes, sink);
    if (header.type == PictureType::Jpeg && header.height > 1) {
        TwoBandSink bands;
        decodeJpegInBands(bytes, bands, header.height / 2);
    }
    return 0;
}
