// JPEG through libjpeg-turbo, decoded at full size straight into the sink's RGB rows.
#include "platform/picture_io.h"

#include <csetjmp>
#include <cstdio>
#include <jerror.h>
#include <jpeglib.h>

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

// Only plain data lives in the frame between setjmp and longjmp.
PictureError decode(jpeg_decompress_struct* info, ErrorManager* err, std::string_view bytes,
                    PictureRowSink* sink, bool headerOnly, PictureHeader* header) {
    if (setjmp(err->jump))
        return PictureError::Corrupt;
    jpeg_create_decompress(info);
    jpeg_mem_src(info, reinterpret_cast<const unsigned char*>(bytes.data()),
                 static_cast<unsigned long>(bytes.size()));
    if (jpeg_read_header(info, TRUE) != JPEG_HEADER_OK)
        return PictureError::Corrupt;
    if (headerOnly) {
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
        !sink->begin(static_cast<int>(info->output_width), static_cast<int>(info->output_height)))
        return PictureError::TooLarge;
    while (info->output_scanline < info->output_height) {
        const int y = static_cast<int>(info->output_scanline);
        JSAMPROW row = sink->rowBuffer(y);
        if (jpeg_read_scanlines(info, &row, 1) != 1 || err->endedEarly)
            return PictureError::Corrupt;
        sink->rowDone(y);
    }
    jpeg_finish_decompress(info);
    return err->endedEarly ? PictureError::Corrupt : PictureError::None;
}

PictureError run(std::string_view bytes, PictureRowSink* sink, PictureHeader* header) {
    jpeg_decompress_struct info{};
    ErrorManager err{};
    info.err = jpeg_std_error(&err.base);
    err.base.error_exit = errorExit;
    err.base.emit_message = emitMessage;
    err.base.output_message = outputMessage;
    const PictureError result = decode(&info, &err, bytes, sink, sink == nullptr, header);
    jpeg_destroy_decompress(&info);
    return result;
}

} // namespace

bool readJpegHeader(std::string_view bytes, PictureHeader& header) {
    return run(bytes, nullptr, &header) == PictureError::None;
}

PictureError decodeJpeg(std::string_view bytes, PictureRowSink& sink) {
    return run(bytes, &sink, nullptr);
}

} // namespace glyphora
