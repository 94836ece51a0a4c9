// The canvas renderer of the window, loaded by glyphora-cli only when a document is to
// become a picture: converting to text never pays for starting Qt.
#include "canvas_picture_renderer.h"

#include <QGuiApplication>
#include <cstdio>
#include <memory>

namespace {

// Fonts need a running application; without a screen it draws offscreen.
void ensureApplication() {
    if (QGuiApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's notes about its environment are no business of a conversion's output.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type == QtCriticalMsg || type == QtFatalMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    static int argc = 1;
    static char name[] = "glyphora-cli";
    static char* argv[] = {name, nullptr};
    // Ended at exit, so that Qt hands back what the font system took.
    static const std::unique_ptr<QGuiApplication> application =
        std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace

extern "C" __attribute__((visibility("default"))) bool
glyphora_render_canvas(const glyphora::CharCanvas* canvas, int glyphSet, int firstCol, int firstRow,
                       int width, int height, glyphora::Bitmap* out) {
    ensureApplication();
    static glyphora::QtCanvasPictureRenderer renderer;
    std::optional<glyphora::Bitmap> picture = renderer.render(
        *canvas, static_cast<glyphora::CharSet>(glyphSet), firstCol, firstRow, width, height);
    if (!picture)
        return false;
    *out = std::move(*picture);
    return true;
}

extern "C" __attribute__((visibility("default"))) void
glyphora_measure_char(const glyphora::TextFont* font, char ch, int* width, int* height) {
    ensureApplication();
    const glyphora::CharMetrics metrics = glyphora::QtCanvasPictureRenderer::measure(*font, ch);
    *width = metrics.width;
    *height = metrics.height;
}
