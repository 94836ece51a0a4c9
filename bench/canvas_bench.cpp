// Canvas model throughput: text conversion, grid files, undo and column insertion at the
// sizes users meet, from a small sketch to a photo converted at its natural size.
#include "bench_support.h"
#include "canvas/grid_file.h"
#include "canvas/text_conversion.h"
#include "canvas/undo.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <filesystem>

namespace {

using namespace glyphora;
namespace fs = std::filesystem;

CharCanvas makeCanvas(int cols, int rows) {
    return bench::randomCanvas(cols, rows, '!', [](CharCanvas& canvas, int c, int r, auto& rng) {
        if ((c + r) % 3 == 0)
            canvas.SetFontCell(c, r, static_cast<Color>(rng() & 0xFFFFFF));
    });
}

const CharCanvas& canvasOf(int cols, int rows) {
    return bench::cachedCanvas(cols, rows, makeCanvas);
}

void report(benchmark::State& state, const CharCanvas& canvas) {
    bench::reportCells(state, canvas);
    state.counters["bytes_per_cell"] = double(sizeof(Cell));
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

// A grid file written and read as the .glg commands do: the text in memory, then the file.
void BM_SaveGridFile(benchmark::State& state) {
    const CharCanvas& canvas = canvasOf(int(state.range(0)), int(state.range(1)));
    const fs::path path = bench::scratch("save.glg");
    for (auto _ : state)
        writeFileBytes(path, gridToBytes(canvas));
    report(state, canvas);
}

void BM_LoadGridFile(benchmark::State& state) {
    const CharCanvas& source = canvasOf(int(state.range(0)), int(state.range(1)));
    const fs::path path = bench::scratch("load.glg");
    writeFileBytes(path, gridToBytes(source));
    CharCanvas canvas(1, 1);
    for (auto _ : state) {
        std::string bytes;
        readFileBytes(path, bytes);
        readGridBytes(canvas, bytes);
    }
    report(state, canvas);
}

void BM_UndoSnapshot(benchmark::State& state) {
    const CharCanvas& canvas = canvasOf(int(state.range(0)), int(state.range(1)));
    UndoRing ring(bench::scratch("undo"), "999");
    for (auto _ : state)
        ring.takeSnapshot(canvas, 10);
    report(state, canvas);
}

void BM_Undo(benchmark::State& state) {
    CharCanvas canvas = canvasOf(int(state.range(0)), int(state.range(1)));
    UndoRing ring(bench::scratch("undo"), "998");
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
BENCHMARK(BM_SaveGridFile)->Apply(sizes);
BENCHMARK(BM_LoadGridFile)->Apply(sizes);
BENCHMARK(BM_UndoSnapshot)->Apply(sizes);
BENCHMARK(BM_Undo)->Apply(sizes);
BENCHMARK(BM_InsertColumn)->Apply(sizes);

} // namespace

BENCHMARK_MAIN();
