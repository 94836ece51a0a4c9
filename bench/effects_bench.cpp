// Character effects: the largest FIGlet font at hand loaded and 1000 characters typed into
// the FigLet panel, and the palette reduction and brightness passes over a 1000 x 1000
// canvas of random printable characters (counting the characters in use included).
#include "bench_support.h"
#include "convert/char_palette.h"
#include "textfx/figlet.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

using namespace glyphora;
namespace fs = std::filesystem;

constexpr int kTypedCharacters = 1000;

// The largest font of the figlet package, the shared corpus and our own.
fs::path largestFont() {
    fs::path largest;
    std::uintmax_t largestSize = 0;
    for (const fs::path& dir : {fs::path("/usr/share/figlet"),
                                fs::path(GLYPHORA_SOURCE_DIR) / ".." / "shared" / "corpus" / "flf",
                                fs::path(GLYPHORA_SOURCE_DIR) / "data" / "Fonts"}) {
        std::error_code ec;
        for (const auto& entry : fs::directory_iterator(dir, ec)) {
            if (entry.path().extension() != ".flf")
                continue;
            const std::uintmax_t size = entry.file_size(ec);
            if (!ec && size > largestSize) {
                largest = entry.path();
                largestSize = size;
            }
        }
    }
    return largest;
}

void BM_FigletLoadAndType1000(benchmark::State& state) {
    const fs::path font = largestFont();
    if (font.empty()) {
        state.SkipWithError("no FIGlet font found");
        return;
    }
    state.SetLabel(font.filename().string());
    for (auto _ : state) {
        FigletPanel panel;
        panel.setFont(*FigletFont::load(font));
        panel.reset();
        for (int i = 0; i < kTypedCharacters; ++i)
            panel.type(' ' + 1 + i % 94);
        benchmark::DoNotOptimize(panel.pen());
    }
    state.SetItemsProcessed(state.iterations() * kTypedCharacters);
}

CharCanvas makeCanvas(int cols, int rows) {
    return bench::randomCanvas(cols, rows, ' ', [](CharCanvas&, int, int, auto&) {});
}

template <class Pass> void runOnFreshCopies(benchmark::State& state, Pass pass) {
    const CharCanvas& source = bench::cachedCanvas(1000, 1000, makeCanvas);
    bench::NoProgress progress;
    for (auto _ : state) {
        state.PauseTiming();
        CharCanvas canvas = source;
        state.ResumeTiming();
        pass(canvas, progress);
    }
    bench::reportCells(state, source);
}

void BM_PaletteReduction1000x1000(benchmark::State& state) {
    runOnFreshCopies(state, [](CharCanvas& canvas, Progress& progress) {
        const UsedCharacters used = countUsedCharacters(canvas);
        applyCharMap(canvas, paletteReductionMap({8, PaletteSource::Current, false}, used),
                     progress);
    });
}

void BM_CharBrightness1000x1000(benchmark::State& state) {
    runOnFreshCopies(state, [](CharCanvas& canvas, Progress& progress) {
        applyCharMap(canvas, brightnessMap(-17), progress);
    });
}

BENCHMARK(BM_FigletLoadAndType1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaletteReduction1000x1000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CharBrightness1000x1000)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
