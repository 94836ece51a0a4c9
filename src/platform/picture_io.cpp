#include "platform/picture_io.h"

#include "platform/text_case.h"
#include "platform/text_file.h"

#include <array>
#include <cstring>

namespace glyphora {

namespace {

bool startsWith(std::string_view bytes, std::string_view signature) {
    return bytes.substr(0, signature.size()) == signature;
}

PictureType typeOf(std::string_view bytes) {
    if (startsWith(bytes, "BM"))
        return PictureType::Bmp;
    if (startsWith(bytes, std::string_view("\x89PNG\r\n\x1a\n", 8)))
        return PictureType::Png;
    if (startsWith(bytes, "\xFF\xD8\xFF"))
        return PictureType::Jpeg;
    return PictureType::Other;
}

} // namespace

bool BitmapSink::begin(int width, int height) {
    if (!pictureSizeFits(width, height))
        return false;
    bitmap = Bitmap(width, height);
    return !bitmap.empty();
}

bool feedBitmap(const Bitmap& bitmap, PictureRowSink& sink) {
    if (!sink.begin(bitmap.width(), bitmap.height()))
        return false;
    const std::size_t rowBytes = static_cast<std::size_t>(bitmap.width()) * Bitmap::kBytesPerPixel;
    for (int y = 0; y < bitmap.height(); ++y) {
        std::memcpy(sink.rowBuffer(y), bitmap.scanLine(y), rowBytes);
        sink.rowDone(y);
    }
    return true;
}

bool readPictureHeader(std::string_view bytes, PictureHeader& header, PictureError& error) {
    header = {};
    header.type = typeOf(bytes);
    bool known = false;
    switch (header.type) {
    case PictureType::Bmp:
        known = readBmpHeader(bytes, header);
        break;
    case PictureType::Png:
        known = readPngHeader(bytes, header);
        break;
    case PictureType::Jpeg:
        known = readJpegHeader(bytes, header);
        break;
    case PictureType::Other:
        known = readOtherHeader(bytes, header);
        break;
    }
    if (!known) {
        error =
            header.type == PictureType::Other ? PictureError::NotPicture : PictureError::Corrupt;
        return false;
    }
    if (!pictureSizeFits(header.width, header.height)) {
        error = PictureError::TooLarge;
        return false;
    }
    error = PictureError::None;
    return true;
}

PictureError decodePicture(std::string_view bytes, PictureRowSink& sink) {
    PictureHeader header;
    PictureError error;
    if (!readPictureHeader(bytes, header, error))
        return error;
    switch (header.type) {
    case PictureType::Bmp:
        return decodeBmp(bytes, sink);
    case PictureType::Png:
        return decodePng(bytes, sink);
    case PictureType::Jpeg:
        return decodeJpeg(bytes, sink);
    case PictureType::Other:
        break;
    }
    return decodeOther(bytes, sink);
}

PictureError readPictureFile(const std::filesystem::path& path, Bitmap& bitmap) {
    std::string bytes;
    if (!readFileBytes(path, bytes))
        return PictureError::CannotRead;
    BitmapSink sink;
    const PictureError error = decodePicture(bytes, sink);
    if (error == PictureError::None)
        bitmap = std::move(sink.bitmap);
    return error;
}

bool writesPng(std::string_view path) {
    return path.size() >= 4 && upperCase(path.substr(path.size() - 4)) == ".PNG";
}

std::string encodePictureFor(std::string_view path, const Bitmap& bitmap) {
    return writesPng(path) ? encodePng(bitmap) : encodeBmp(bitmap);
}

} // namespace glyphora
