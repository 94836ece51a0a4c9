#include "render_loader.h"

#include <dlfcn.h>

namespace glyphora {

bool LoadedCanvasRenderer::load() {
    if (handle_)
        return true;
    handle_ = ::dlopen(library_.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle_) {
        const char* reason = ::dlerror();
        error_ = reason ? reason : "cannot load " + library_.string();
        return false;
    }
    render_ = reinterpret_cast<RenderFunction>(::dlsym(handle_, "glyphora_render_canvas"));
    measure_ = reinterpret_cast<MeasureFunction>(::dlsym(handle_, "glyphora_measure_char"));
    if (!render_ || !measure_) {
        error_ = library_.string() + " is not the canvas renderer";
        render_ = nullptr;
        measure_ = nullptr;
        return false;
    }
    return true;
}

std::optional<Bitmap> LoadedCanvasRenderer::render(const CharCanvas& canvas, CharSet glyphs,
                                                   int firstCol, int firstRow, int width,
                                                   int height) {
    if (!load() || !render_)
        return std::nullopt;
    Bitmap picture;
    if (!render_(&canvas, static_cast<int>(glyphs), firstCol, firstRow, width, height, &picture))
        return std::nullopt;
    return picture;
}

std::optional<CharMetrics> LoadedCanvasRenderer::measure(const TextFont& font, char ch) {
    if (!load() || !measure_)
        return std::nullopt;
    CharMetrics metrics;
    measure_(&font, ch, &metrics.width, &metrics.height);
    return metrics;
}

} // namespace glyphora

// Under the leak checker of the sanitizer builds: fontconfig, which the renderer's fonts
// start, keeps its caches to the end of the process by design.
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig.so\n";
}
