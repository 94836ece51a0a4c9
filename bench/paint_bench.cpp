// Painting and replacing at canvas scale: a flood fill and a pattern fill over a whole
// photo-sized canvas, a filled rectangle of the largest selection, and Replace All. Each
// must stay well under a second and grow linearly with the cells touched.
#include "edit/search_replace.h"
#include "paint/fills.h"
#include "paint/solid_shapes.h"

#include <benchmark/benchmark.h>

namespace {

using namespace glyphora;

constexpr int kMaxSelection = 500;

CharCanvas blankCanvas(int cols, int rows) {
    CharCanvas canvas(cols, rows);
    for (int y = 0; y < rows; ++y) {
        for (int x = 0; x < cols; ++x)
            canvas.setText(x, y, " ");
    }
    return canvas;
}

void BM_FloodfillWholeCanvas(benchmark::State& state) {
    const int cols = static_cast<int>(state.range(0));
    const int rows = static_cast<int>(state.range(1));
    CharCanvas canvas = blankCanvas(cols, rows);
    bool hash = true;
    for (auto _ : state) {
        // Alternate the texts so every pass fills the whole canvas again.
        const char* next = hash ? "#" : " ";
        const char* old = hash ? " " : "#";
        benchmark::DoNotOptimize(Floodfill(canvas, cols / 2, rows / 2, next, old));
        hash = !hash;
    }
    state.SetItemsProcessed(state.iterations() * cols * rows);
}

// A comb of walls leaves one winding corridor: the fill keeps turning.
void BM_FloodfillCorridors(benchmark::State& state) {
    const int cols = static_cast<int>(state.range(0));
    const int rows = static_cast<int>(state.range(1));
    CharCanvas canvas = blankCanvas(cols, rows);
    for (int x = 1; x < cols; x += 2) {
        const int gap = (x / 2) % 2 == 0 ? rows - 1 : 0;
        for (int y = 0; y < rows; ++y) {
            if (y != gap)
                canvas.setText(x, y, "|");
        }
    }
    bool hash = true;
    for (auto _ : state) {
        const char* next = hash ? "#" : " ";
        const char* old = hash ? " " : "#";
        benchmark::DoNotOptimize(Floodfill(canvas, 0, 0, next, old));
        hash = !hash;
    }
    state.SetItemsProcessed(state.iterations() * cols * rows);
}

void BM_FilledRectangle(benchmark::State& state) {
    const int size = static_cast<int>(state.range(0));
    CharCanvas canvas = blankCanvas(size, size);
    for (auto _ : state)
        PaintFilledRectangle(canvas, {0, 0, size - 1, size - 1}, "#");
    state.SetItemsProcessed(state.iterations() * size * size);
}

void BM_PatternFill(benchmark::State& state) {
    const int cols = static_cast<int>(state.range(0));
    const int rows = static_cast<int>(state.range(1));
    const PatternLines pattern{"\\__/  ", "/  \\__"};
    CharCanvas canvas(cols, rows);
    for (auto _ : state) {
        state.PauseTiming();
        canvas.clearTexts();
        blankEmptyCells(canvas);
        state.ResumeTiming();
        benchmark::DoNotOptimize(tilePattern(canvas, pattern, " "));
    }
    state.SetItemsProcessed(state.iterations() * cols * rows);
}

void BM_ReplaceAll(benchmark::State& state) {
    const int cols = static_cast<int>(state.range(0));
    const int rows = static_cast<int>(state.range(1));
    CharCanvas canvas = blankCanvas(cols, rows);
    const CellRect all{0, 0, cols - 1, rows - 1};
    bool dot = true;
    for (auto _ : state) {
        benchmark::DoNotOptimize(replaceCells(canvas, all, dot ? " " : ".", dot ? "." : " "));
        dot = !dot;
    }
    state.SetItemsProcessed(state.iterations() * cols * rows);
}

void canvasSizes(benchmark::internal::Benchmark* b) {
    b->Args({1000, 750})->Args({2000, 1500})->Args({4000, 3000})->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_FloodfillWholeCanvas)->Apply(canvasSizes);
BENCHMARK(BM_FloodfillCorridors)->Apply(canvasSizes);
BENCHMARK(BM_FilledRectangle)
    ->Arg(kMaxSelection / 2)
    ->Arg(kMaxSelection)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PatternFill)->Apply(canvasSizes);
BENCHMARK(BM_ReplaceAll)->Apply(canvasSizes);

} // namespace

BENCHMARK_MAIN();
