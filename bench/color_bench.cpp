// Colour work on whole canvases, from a sketch-sized 1000 x 1000 to a photo converted at
// 4000 x 3000: every transform, a region fill over everything, the main colour scan, and
// the .glf writer and reader (bytes_per_second is the file bandwidth).
#include "bench_support.h"
#include "color/cell_color_ops.h"
#include "color/color_transforms.h"
#include "formats/glf_format.h"

#include <benchmark/benchmark.h>
#include <filesystem>

namespace {

using namespace glyphora;
namespace fs = std::filesystem;

// Characters with runs of a few colours, as converted art has.
CharCanvas makeCanvas(int cols, int rows) {
    Color fg = 0;
    return bench::randomCanvas(cols, rows, ' ', [&](CharCanvas& canvas, int c, int r, auto& rng) {
        if (rng() % 8 == 0)
            fg = static_cast<Color>(rng() % 64) * 0x040404;
        canvas.SetFontCell(c, r, fg);
        canvas.SetColorCell(c, r, static_cast<Color>(rng() & 0xFFFFFF));
    });
}

const CharCanvas& canvasOf(int cols, int rows) {
    return bench::cachedCanvas(cols, rows, makeCanvas);
}

template <class Transform> void runTransform(benchmark::State& state, Transform transform) {
    CharCanvas canvas = canvasOf(int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        transform(canvas);
    bench::reportCells(state, canvas);
}

void BM_ColorToGray(benchmark::State& state) {
    runTransform(state, [](CharCanvas& c) { ColorToGray(c); });
}
void BM_NegativeFg(benchmark::State& state) {
    runTransform(state, [](CharCanvas& c) { Negative(c, ColorLayer::Foreground); });
}
void BM_NegativeBg(benchmark::State& state) {
    runTransform(state, [](CharCanvas& c) { Negative(c, ColorLayer::Background); });
}
void BM_PermuteFg(benchmark::State& state) {
    runTransform(state,
                 [](CharCanvas& c) { Permute(c, ColorLayer::Foreground, ChannelOrder::BRG); });
}
void BM_PermuteBg(benchmark::State& state) {
    runTransform(state,
                 [](CharCanvas& c) { Permute(c, ColorLayer::Background, ChannelOrder::GBR); });
}
void BM_BrightnessFg(benchmark::State& state) {
    runTransform(state, [](CharCanvas& c) { Brightness(c, ColorLayer::Foreground, 7); });
}
void BM_BrightnessBg(benchmark::State& state) {
    runTransform(state, [](CharCanvas& c) { Brightness(c, ColorLayer::Background, -7); });
}
void BM_SwapFgBg(benchmark::State& state) {
    runTransform(state, [](CharCanvas& c) { SwapFgBg(c); });
}

// The whole canvas is one area of one background colour, filled alternately with two.
void BM_FillByColorWholeCanvas(benchmark::State& state) {
    CharCanvas canvas(int(state.range(0)), int(state.range(1)));
    Color next = 0x123456;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FillByColor(canvas, canvas.colCount() / 2, canvas.rowCount() / 2,
                                             ColorLayer::Background, next));
        next ^= 0xFFFFFF;
    }
    bench::reportCells(state, canvas);
}

void BM_FindMainColor(benchmark::State& state) {
    CharCanvas canvas = canvasOf(int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(FindMainColor(canvas, [](int) { return true; }));
    bench::reportCells(state, canvas);
}

void BM_SaveGlfFile(benchmark::State& state) {
    CharCanvas canvas = canvasOf(int(state.range(0)), int(state.range(1)));
    const fs::path path = bench::scratch("save.glf");
    bench::NoProgress progress;
    for (auto _ : state) {
        if (!writeGlf(path, canvas, ColorMode::FullColored, progress))
            state.SkipWithError("write failed");
    }
    bench::reportCells(state, canvas);
    state.SetBytesProcessed(static_cast<int64_t>(
        state.iterations() * glfFileSize(canvas.colCount(), canvas.rowCount())));
    fs::remove(path);
}

void BM_LoadGlfFile(benchmark::State& state) {
    CharCanvas source = canvasOf(int(state.range(0)), int(state.range(1)));
    const fs::path path = bench::scratch("load.glf");
    bench::NoProgress progress;
    writeGlf(path, source, ColorMode::FullColored, progress);
    CharCanvas canvas(1, 1);
    for (auto _ : state) {
        if (readGlf(path, canvas, progress).status != GlfReadStatus::Complete)
            state.SkipWithError("read failed");
    }
    bench::reportCells(state, canvas);
    state.SetBytesProcessed(static_cast<int64_t>(
        state.iterations() * glfFileSize(canvas.colCount(), canvas.rowCount())));
    fs::remove(path);
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Args({1000, 1000})->Args({4000, 3000})->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_ColorToGray)->Apply(sizes);
BENCHMARK(BM_NegativeFg)->Apply(sizes);
BENCHMARK(BM_NegativeBg)->Apply(sizes);
BENCHMARK(BM_PermuteFg)->Apply(sizes);
BENCHMARK(BM_PermuteBg)->Apply(sizes);
BENCHMARK(BM_BrightnessFg)->Apply(sizes);
BENCHMARK(BM_BrightnessBg)->Apply(sizes);
BENCHMARK(BM_SwapFgBg)->Apply(sizes);
BENCHMARK(BM_FillByColorWholeCanvas)->Apply(sizes);
BENCHMARK(BM_FindMainColor)->Apply(sizes);
BENCHMARK(BM_SaveGlfFile)->Apply(sizes);
BENCHMARK(BM_LoadGlfFile)->Apply(sizes);

} // namespace

BENCHMARK_MAIN();
