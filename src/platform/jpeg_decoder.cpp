// JPEG through libjpeg-turbo, decoded at full size straight into the sink's RGB rows.
#include "platform/picture_io.h"

#include <algorithm>
#include <atomic>
#include <csetjmp>
#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>
#include <system_error>
#include <thread>

namespace glyphora {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return: it jumps back to
// the decoding function. Warnings are counted; a file whose data ends early, at the end of
// the file or at a marker, is an error to us (libjpeg would pad it with grey, row after row
// of whatever size the header claims).
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    bool endedEarly;
};

void errorExit(j_common_ptr info) {
    std::longjmp(reinterpret_cast<ErrorManager*>(info->err)->jump, 1);
}

void emitMessage(j_common_ptr info, int level) {
    auto* err = reinterpret_cast<ErrorManager*>(info->err);
    if (level < 0 && (err->base.msg_code == JWRN_JPEG_EOF || err->base.msg_code == JWRN_HIT_MARKER))
        err->endedEarly = true;
}

void outputMessage(j_common_ptr) {}

// Pictures from this size on are decoded in two bands at once, when the sink takes them.
// Below it the second thread's start and its reading through the upper band's data cost
// about what the split saves (a 1920 x 1200 photo of quality 100 was no faster).
constexpr long long kBandsFromPixels = 8LL * 1024 * 1024;

// Where the upper band ends. The caller's thread decodes the upper band; the second thread,
// a thread start later, reads through the upper band's data without decoding its pixels
// (libjpeg-turbo skips whole rows at the cost of their entropy decoding alone) and decodes
// the lower band. The cut lies below the middle, where both take as long. The costs are
// rough measures (entropy decoding per byte of the file, the rest per pixel, a thread's
// start); any cut gives the same picture.
int bandCut(const jpeg_decompress_struct& info, std::size_t fileBytes) {
    const double pixels = static_cast<double>(info.output_width) * info.output_height;
    const double entropy = 9.5 * static_cast<double>(fileBytes); // nanoseconds
    const double whole = entropy + 6.0 * pixels;
    const double threadStart = 1.5e6;
    const double share = std::clamp((whole + threadStart) / (2.0 * whole - entropy), 0.5, 0.9);
    // On a boundary of the rows decoded together, so neither band decodes rows of the other.
    const int group = info.max_v_samp_factor * DCTSIZE;
    const int height = static_cast<int>(info.output_height);
    return std::min(height - 1, static_cast<int>(share * height) / group * group);
}

// Only plain data lives in the frames between setjmp and longjmp.

// Reads the header and starts the decoder; with a sink, also begins the picture there.
PictureError start(jpeg_decompress_struct* info, ErrorManager* err, std::string_view bytes,
                   PictureRowSink* sink, PictureHeader* header) {
    if (setjmp(err->jump))
        return PictureError::Corrupt;
    jpeg_create_decompress(info);
    jpeg_mem_src(info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(info, TRUE) != JPEG_HEADER_OK)
        return PictureError::Corrupt;
    if (header != nullptr) {
        header->type = PictureType::Jpeg;
        header->width = static_cast<int>(info->image_width);
        header->height = static_cast<int>(info->image_height);
        return PictureError::None;
    }
    if (!pictureSizeFits(info->image_width, info->image_height))
        return PictureError::TooLarge;
    info->out_color_space = JCS_RGB;
    jpeg_start_decompress(info);
    if (info->output_components != 3 ||
        (sink != nullptr &&
         !sink->begin(static_cast<int>(info->output_width), static_cast<int>(info->output_height))))
        return PictureError::TooLarge;
    return PictureError::None;
}

PictureError skipRows(jpeg_decompress_struct* info, ErrorManager* err, int count) {
    if (setjmp(err->jump))
        return PictureError::Corrupt;
    const auto rows = static_cast<JDIMENSION>(count);
    return jpeg_skip_scanlines(info, rows) == rows && !err->endedEarly ? PictureError::None
                                                                       : PictureError::Corrupt;
}

// Decodes the rows up to end into the sink; the decoder is finished at the last row.
PictureError readRows(jpeg_decompress_struct* info, ErrorManager* err, PictureRowSink* sink,
                      int end) {
    if (setjmp(err->jump))
        return PictureError::Corrupt;
    while (static_cast<int>(info->output_scanline) < end) {
        const int y = static_cast<int>(info->output_scanline);
        JSAMPROW row = sink->rowBuffer(y);
        if (jpeg_read_scanlines(info, &row, 1) != 1 || err->endedEarly)
            return PictureError::Corrupt;
        sink->rowDone(y);
    }
    if (end == static_cast<int>(info->output_height))
        jpeg_finish_decompress(info);
    return err->endedEarly ? PictureError::Corrupt : PictureError::None;
}

int heightOf(const jpeg_decompress_struct& info) {
    return static_cast<int>(info.output_height);
}

// A decoder of its own, with libjpeg's errors turned into returns.
struct Decoder {
    jpeg_decompress_struct info{};
    ErrorManager err{};

    Decoder() {
        info.err = jpeg_std_error(&err.base);
        err.base.error_exit = errorExit;
        err.base.emit_message = emitMessage;
        err.base.output_message = outputMessage;
    }
    ~Decoder() { jpeg_destroy_decompress(&info); }
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;
};

// The rows from the cut on, on a decoder of its own, unless the caller's thread has taken
// them by the time this one reaches the cut. A failure before the cut leaves them to the
// caller's thread too, which meets damaged data there itself.
PictureError decodeLowerBand(std::string_view bytes, PictureRowSink& sink, int cut,
                             std::atomic<bool>& lowerTaken) {
    Decoder decoder;
    if (start(&decoder.info, &decoder.err, bytes, nullptr, nullptr) != PictureError::None ||
        skipRows(&decoder.info, &decoder.err, cut) != PictureError::None ||
        lowerTaken.exchange(true))
        return PictureError::None;
    return readRows(&decoder.info, &decoder.err, &sink, heightOf(decoder.info));
}

// The upper band here, the lower one on a second thread. Should the second thread not have
// reached the cut when the upper band is done (a busy machine may not run it for a while),
// this one goes on with the lower band itself: a second thread that does not get to run
// does not hold the picture up.
PictureError decodeInBands(Decoder& decoder, std::string_view bytes, PictureRowSink& sink,
                           int cut) {
    std::atomic<bool> lowerTaken = false;
    PictureError lower = PictureError::None;
    std::thread thread;
    try {
        thread = std::thread([&] { lower = decodeLowerBand(bytes, sink, cut, lowerTaken); });
    } catch (const std::system_error&) {
        // No second thread: one band.
    }
    PictureError error = readRows(&decoder.info, &decoder.err, &sink, cut);
    // Taken on failure too, so the second thread stops at the cut.
    if (!lowerTaken.exchange(true) && error == PictureError::None)
        error = readRows(&decoder.info, &decoder.err, &sink, heightOf(decoder.info));
    if (thread.joinable())
        thread.join();
    return error != PictureError::None ? error : lower;
}

} // namespace

bool readJpegHeader(std::string_view bytes, PictureHeader& header) {
    Decoder decoder;
    return start(&decoder.info, &decoder.err, bytes, nullptr, &header) == PictureError::None;
}

PictureError decodeJpeg(std::string_view bytes, PictureRowSink& sink) {
    return decodeJpegInBands(bytes, sink, 0);
}

PictureError decodeJpegInBands(std::string_view bytes, PictureRowSink& sink, int cut) {
    Decoder decoder;
    jpeg_decompress_struct& info = decoder.info;
    const PictureError error = start(&info, &decoder.err, bytes, &sink, nullptr);
    if (error != PictureError::None)
        return error;
    // Single-scan Huffman data only: a progressive picture is entropy decoded whole before
    // its first row, and arithmetic coding is rare.
    if (!jpeg_has_multiple_scans(&info) && !info.arith_code) {
        if (cut == 0 &&
            static_cast<long long>(info.output_width) * info.output_height >= kBandsFromPixels)
            cut = bandCut(info, bytes.size());
        if (cut > 0 && cut < heightOf(info) && sink.takeTwoBands(cut))
            return decodeInBands(decoder, bytes, sink, cut);
    }
    return readRows(&info, &decoder.err, &sink, heightOf(info));
}

} // namespace glyphora
