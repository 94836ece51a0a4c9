// Painting a full-HD view: the cost must not depend on the canvas size.
#include "canvas_renderer.h"

#include <QGuiApplication>
#include <QImage>
#include <benchmark/benchmark.h>
#include <random>

namespace {

using namespace glyphora;

CharCanvas makeCanvas(int cols, int rows) {
    CharCanvas canvas(cols, rows);
    std::mt19937 rng(7);
    std::uniform_int_distribution<int> byte(33, 126);
    // Only the area a view can show needs content; the rest stays blank but allocated.
    for (int r = 0; r < std::min(rows, 300); ++r) {
        for (int c = 0; c < std::min(cols, 500); ++c) {
            const char ch = static_cast<char>(byte(rng));
            canvas.setText(c, r, std::string_view(&ch, 1));
            canvas.SetFontCell(c, r, static_cast<Color>(rng() & 0xFFFFFF));
            if (c % 7 == 0)
                canvas.SetColorCell(c, r, static_cast<Color>(rng() & 0xFFFFFF));
        }
    }
    canvas.metrics = {7, 11, 1}; // "Courier New" 6 with the expansion
    return canvas;
}

void BM_PaintFullHdView(benchmark::State& state) {
    const CharCanvas canvas = makeCanvas(int(state.range(0)), int(state.range(1)));
    CanvasRenderer renderer;
    QImage image(1920, 1080, QImage::Format_RGB32);
    const CellRect selection{10, 10, 60, 40};
    renderer.render(image, canvas, 0, 0, &selection,
                    CharSet::Windows1252); // glyph masks are made once per font
    for (auto _ : state)
        renderer.render(image, canvas, 0, 0, &selection, CharSet::Windows1252);
    state.counters["canvas_cells"] = double(canvas.colCount()) * canvas.rowCount();
}

BENCHMARK(BM_PaintFullHdView)->Args({500, 300})->Args({4000, 3000})->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
