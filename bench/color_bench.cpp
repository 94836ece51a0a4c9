// Colour work on whole canvases, from a sketch-sized 1000 x 1000 to a photo converted at
// 4000 x 3000: every transform, a region fill over everything, the main colour scan, and
// the .glf writer and reader (bytes_per_second is the file bandwidth).
#include "color/cell_color_ops.h"
#include "color/color_transforms.h"
#include "formats/glf_format.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <map>
#include <random>

namespace {

using namespace glyphora;
namespace fs = std::filesystem;

struct NoProgress : Progress {
    void ShowBar(const std::string&, bool, const std::string&) override {}
    void PosBar(double, double, const std::string&, const std::string&) override {}
    void HideBar() override {}
    bool escapePressed() override { return false; }
};

// Characters with runs of a few colours, as converted art has.
CharCanvas makeCanvas(int cols, int rows) {
    CharCanvas canvas(cols, rows);
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> byte(32, 126);
    Color fg = 0;
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const char ch = static_cast<char>(byte(rng));
            canvas.setText(c, r, std::string_view(&ch, 1));
            if (rng() % 8 == 0)
                fg = static_cast<Color>(rng() % 64) * 0x040404;
            canvas.SetFontCell(c, r, fg);
            canvas.SetColorCell(c, r, static_cast<Color>(rng() & 0xFFFFFF));
        }
    }
    return canvas;
}

const CharCanvas& canvasOf(int cols, int rows) {
    static std::map<std::pair<int, int>, CharCanvas> cache;
    auto it = cache.find({cols, rows});
    if (it == cache.end())
        it = cache.emplace(std::pair{cols, rows}, makeCanvas(cols, rows)).first;
    return it->second;
}

fs::path scratch(const char* name) {
    const fs::path dir = fs::temp_directory_path() / "glyphora-bench";
    fs::create_directories(dir);
    return dir / name;
}

void report(benchmark::State& state, const CharCanvas& canvas) {
    const double cells = double(canvas.colCount()) * canvas.rowCount();
    state.counters["cells"] = cells;
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * cells));
}

template <class Transform> void runTransform(benchmark::State& state, Transform transform) {
    CharCanvas canvas = canvasOf(int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        transform(canvas);
    report(state, canvas);
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
    report(state, canvas);
}

void BM_FindMainColor(benchmark::State& state) {
    CharCanvas canvas = canvasOf(int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(FindMainColor(canvas, [](int) { return true; }));
    report(state, canvas);
}

void BM_SaveMarc(benchmark::State& state) {
    CharCanvas canvas = canvasOf(int(state.range(0)), int(state.range(1)));
    const fs::path path = scratch("save.glf");
    NoProgress progress;
    for (auto _ : state) {
        if (!writeGlf(path, canvas, ColorMode::FullColored, progress))
            state.SkipWithError("write failed");
    }
    report(state, canvas);
    state.SetBytesProcessed(static_cast<int64_t>(
        state.iterations() * glfFileSize(canvas.colCount(), canvas.rowCount())));
    fs::remove(path);
}

void BM_loadMarc(benchmark::State& state) {
    CharCanvas source = canvasOf(int(state.range(0)), int(state.range(1)));
    const fs::path path = scratch("load.glf");
    NoProgress progress;
    writeGlf(path, source, ColorMode::FullColored, progress);
    CharCanvas canvas(1, 1);
    for (auto _ : state) {
        if (readGlf(path, canvas, progress).status != GlfReadStatus::Complete)
            state.SkipWithError("read failed");
    }
    report(state, canvas);
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
BENCHMARK(BM_SaveMarc)->Apply(sizes);
BENCHMARK(BM_loadMarc)->Apply(sizes);

} // namespace

BENCHMARK_MAIN();
