// HTML page writers: the five flavours on a coloured sketch in memory, and on a picture
// converted at its natural size as a file.
#include "bench_support.h"
#include "formats/html_export.h"

#include <benchmark/benchmark.h>

namespace {

using namespace glyphora;

struct NoProgress : Progress {
    void showBar(const std::string&, bool, const std::string&) override {}
    void setBarPosition(double, double, const std::string&, const std::string&) override {}
    void hideBar() override {}
    bool escapePressed() override { return false; }
};

// Colour runs of a few cells, as converted pictures and ANSI art have them.
CharCanvas makeCanvas(int cols, int rows) {
    return bench::randomCanvas(cols, rows, ' ', [](CharCanvas& canvas, int c, int r, auto& rng) {
        const Color run = static_cast<Color>((c / 4 + r) % 16) * 0x0F0F0F;
        canvas.SetFontCell(c, r, rng() % 8 == 0 ? static_cast<Color>(rng() & 0xFFFFFF) : run);
        canvas.SetColorCell(c, r, (c / 8 + r / 2) % 2 ? kWhite : kBlack);
    });
}

HtmlPage pageFor(HtmlFlavour flavour, const CharCanvas& canvas) {
    HtmlPage page;
    page.title = "BENCH.HTM";
    page.options = HtmlOptions{};
    if (flavour == HtmlFlavour::CssColored)
        page.classes = countTextColors(canvas);
    if (flavour == HtmlFlavour::CssTable)
        page.classes = countBackgroundColors(canvas);
    return page;
}

void BM_EncodeHtml(benchmark::State& state) {
    const auto flavour = static_cast<HtmlFlavour>(state.range(0));
    const CharCanvas& canvas =
        bench::cachedCanvas(int(state.range(1)), int(state.range(2)), makeCanvas);
    const HtmlPage page = pageFor(flavour, canvas);
    NoProgress progress;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string out = encodeHtml(flavour, canvas, page, progress);
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    bench::reportCells(state, canvas);
    state.counters["page_bytes_per_cell"] =
        double(bytes) / (double(canvas.colCount()) * canvas.rowCount());
}

// The way a save writes: in pieces to a new file, flushed to the disk.
void BM_WriteHtml(benchmark::State& state) {
    const auto flavour = static_cast<HtmlFlavour>(state.range(0));
    const CharCanvas& canvas =
        bench::cachedCanvas(int(state.range(1)), int(state.range(2)), makeCanvas);
    const HtmlPage page = pageFor(flavour, canvas);
    NoProgress progress;
    const auto path = bench::scratch("page.htm");
    for (auto _ : state)
        benchmark::DoNotOptimize(writeHtml(path, flavour, canvas, page, progress));
    bench::reportCells(state, canvas);
}

// Flavour (0 Colored, 1 Table, 2 CssColored, 3 CssTable, 4 IeTable) x columns x rows.
BENCHMARK(BM_EncodeHtml)->ArgsProduct({{0, 1, 2, 3, 4}, {80}, {50}})->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteHtml)
    ->ArgsProduct({{0, 1, 2, 3, 4}, {1000}, {1000}})
    ->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
