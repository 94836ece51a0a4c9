#pragma once

#include "convert/canvas_picture.h"
#include "platform/ui.h"

#include <filesystem>

namespace glyphora {

// The window's canvas renderer for a conversion to a picture, in a library beside the
// executable that is loaded at its first use, so that other conversions start without Qt.
class LoadedCanvasRenderer : public CanvasPictureRenderer {
public:
    explicit LoadedCanvasRenderer(std::filesystem::path library) : library_(std::move(library)) {}

    // False (with the reason in error()) when the library cannot be loaded.
    bool load();
    const std::string& error() const { return error_; }

    std::optional<Bitmap> render(const CharCanvas& canvas, CharSet glyphs, int firstCol,
                                 int firstRow, int width, int height) override;
    // The size of a character as the window measures it; nothing when not loaded.
    std::optional<CharMetrics> measure(const TextFont& font, char ch);

    static constexpr const char* kLibraryName = "libglyphora_render.so";

private:
    using RenderFunction = bool (*)(const CharCanvas*, int, int, int, int, int, Bitmap*);
    using MeasureFunction = void (*)(const TextFont*, char, int*, int*);

    std::filesystem::path library_;
    void* handle_ = nullptr;
    RenderFunction render_ = nullptr;
    MeasureFunction measure_ = nullptr;
    std::string error_;
};

} // namespace glyphora
