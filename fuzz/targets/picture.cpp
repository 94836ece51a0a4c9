// A picture file of any type, decoded row by row as the picture import streams it into the
// resampler: only one row is kept, so a large size in a header over a small body costs no
// more than the import itself would take.
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

} // namespace

int glyphora::fuzz::fuzzPicture(std::string_view bytes) {
    PictureHeader header;
    PictureError error = PictureError::None;
    readPictureHeader(bytes, header, error);
    OneRowSink sink;
    decodePicture(bytes, sink);
    return 0;
}
