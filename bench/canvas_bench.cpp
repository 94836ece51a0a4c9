// Canvas model throughput: text conversion, grid files, undo and column insertion at the
// sizes users meet, from a small sketch to a photo converted at its natural size.
#include "canvas/grid_file.h"
#include "canvas/text_conversion.h"
#include "canvas/undo.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>
#include <random>

namespace {

using namespace glyphora;
namespace fs = std::filesystem;

CharCanvas makeCanvas(int cols, int rows) {
    CharCanvas canvas(cols, rows);
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> byte(33, 126);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const char ch = static_cast<char>(byte(rng));
            canvas.setText(c, r, std::string_view(&ch, 1));
            if ((c + r) % 3 == 0)
                canvas.SetFontCell(c, r, static_cast<Color>(rng() & 0xFFFFFF));
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
    state.counters["bytes_per_cell"] = double(sizeof(Cell));
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * cells));
}

void BM_GridToText(benchmark::State& state) {
    CharCanvas canvas = canvasOf(int(state.range(0)), int(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(GridToText(canvas));
    report(state, canvas);
}

void BM_TextToGrid(benchmark::State& state) {
    CharCanvas canvas = canvasOf(int(state.range(0)), int(state.range(1)));
    const TextLines lines = GridToText(canvas);
    for (auto _ : state)
        TextToGrid(lines, canvas);
    report(state, canvas);
}

void BM_SaveToFile(benchmark::State& state) {
    const CharCanvas& canvas = canvasOf(int(state.range(0)), int(state.range(1)));
    const fs::path path = scratch("save.glg");
    for (auto _ : state)
        SaveToFile(canvas, path);
    report(state, canvas);
}

void BM_LoadFromFile(benchmark::State& state) {
    const CharCanvas& source = canvasOf(int(state.range(0)), int(state.range(1)));
    const fs::path path = scratch("load.glg");
    SaveToFile(source, path);
    CharCanvas canvas(1, 1);
    for (auto _ : state)
        LoadFromFile(canvas, path);
    report(state, canvas);
}

void BM_UndoSnapshot(benchmark::State& state) {
    const CharCanvas& canvas = canvasOf(int(state.range(0)), int(state.range(1)));
    UndoRing ring(scratch("undo"), "999");
    for (auto _ : state)
        ring.takeSnapshot(canvas, 10);
    report(state, canvas);
}

void BM_Undo(benchmark::State& state) {
    CharCanvas canvas = canvasOf(int(state.range(0)), int(state.range(1)));
    UndoRing ring(scratch("undo"), "998");
    for (auto _ : state) {
        state.PauseTiming();
        ring.takeSnapshot(canvas, 10);
        state.ResumeTiming();
        ring.undo(canvas, 10);
    }
    report(state, canvas);
}

void BM_InsertColumn(benchmark::State& state) {
    CharCanvas canvas = canvasOf(int(state.range(0)), int(state.range(1)));
    for (auto _ : state) {
        canvas.InsertColumn(canvas.colCount() / 2);
        state.PauseTiming();
        canvas.DeleteColumn(canvas.colCount() / 2);
        state.ResumeTiming();
    }
    report(state, canvas);
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Args({80, 50})->Args({1000, 1000})->Args({4000, 3000})->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_GridToText)->Apply(sizes);
BENCHMARK(BM_TextToGrid)->Apply(sizes);
BENCHMARK(BM_SaveToFile)->Apply(sizes);
BENCHMARK(BM_LoadFromFile)->Apply(sizes);
BENCHMARK(BM_UndoSnapshot)->Apply(sizes);
BENCHMARK(BM_Undo)->Apply(sizes);
BENCHMARK(BM_InsertColumn)->Apply(sizes);

} // namespace

BENCHMARK_MAIN();
