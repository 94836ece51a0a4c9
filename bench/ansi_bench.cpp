// ANSI art import and export, in bytes per second of the .ans file: a synthetic 10 MiB file
// (a colour change every one to four cells, CR LF after every 80 cells), the largest file of
// the shared corpus when it is there, and the export of an 80 x 100 000 Ansi canvas.
// `ansi_bench --write-synthetic FILE` writes the synthetic file for scripts/bench-convert.sh.
#include "bench_support.h"
#include "color/ansi_palette.h"
#include "formats/ansi_format.h"
#include "platform/text_file.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

using namespace glyphora;
namespace fs = std::filesystem;

constexpr std::size_t kSyntheticBytes = 10u << 20;
constexpr int kScreenColumns = 80;
constexpr int kLongestRun = 4;
constexpr int kExportColumns = 80;
constexpr int kExportRows = 100000;
// What the cells of ANSI art mostly hold: letters and the DOS shades and blocks.
constexpr std::string_view kArtBytes =
    "abcdefghijklmnopqrstuvwxyz #*.:/\\|\xB0\xB1\xB2\xDB\xDC\xDF";

std::string syntheticAnsi() {
    std::mt19937 rng(bench::kSeed);
    std::string bytes;
    bytes.reserve(kSyntheticBytes + 1024);
    while (bytes.size() < kSyntheticBytes) {
        for (int col = 0; col < kScreenColumns;) {
            bytes += "\x1b[" + std::to_string(rng() % 2) + ";" + std::to_string(30 + rng() % 8) +
                     ";" + std::to_string(40 + rng() % 8) + "m";
            const int run =
                std::min(1 + static_cast<int>(rng() % kLongestRun), kScreenColumns - col);
            for (int k = 0; k < run; ++k)
                bytes += kArtBytes[rng() % kArtBytes.size()];
            col += run;
        }
        bytes += "\r\n";
    }
    return bytes;
}

const std::string& synthetic() {
    static const std::string bytes = syntheticAnsi();
    return bytes;
}

void readBench(benchmark::State& state, const std::string& bytes) {
    CharCanvas canvas;
    for (auto _ : state)
        benchmark::DoNotOptimize(readAnsi(bytes, canvas));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes.size()));
    bench::reportCells(state, canvas);
}

void BM_ReadAnsiSynthetic(benchmark::State& state) {
    readBench(state, synthetic());
}

// Palette colours that change every few cells, as drawn art has them.
CharCanvas makeAnsiCanvas(int cols, int rows) {
    int fg = 7;
    int bg = 0;
    return bench::randomCanvas(cols, rows, ' ', [&](CharCanvas& canvas, int c, int r, auto& rng) {
        if (rng() % kLongestRun == 0) {
            fg = static_cast<int>(rng() % kAnsiColorCount);
            bg = static_cast<int>(rng() % kAnsiBackgroundCount);
        }
        canvas.SetFontCell(c, r, kAnsiPalette[static_cast<std::size_t>(fg)].color);
        canvas.SetColorCell(c, r, kAnsiPalette[static_cast<std::size_t>(bg)].color);
    });
}

void BM_EncodeAnsi(benchmark::State& state) {
    CharCanvas canvas =
        bench::cachedCanvas(int(state.range(0)), int(state.range(1)), makeAnsiCanvas);
    bench::NoProgress progress;
    std::size_t bytes = 0;
    for (auto _ : state) {
        const std::string out = encodeAnsi(canvas, ColorMode::Ansi, kAnsiStartPreset, progress);
        bytes = out.size();
        benchmark::DoNotOptimize(out.data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    bench::reportCells(state, canvas);
}

BENCHMARK(BM_ReadAnsiSynthetic)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EncodeAnsi)->Args({kExportColumns, kExportRows})->Unit(benchmark::kMillisecond);

// The largest .ans of the shared corpus, registered only when the corpus is there.
void registerCorpusBench() {
    const fs::path folder = fs::path(GLYPHORA_SOURCE_DIR) / "../shared/corpus/ans";
    std::error_code ec;
    fs::path largest;
    std::uintmax_t largestSize = 0;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::uintmax_t size = entry.is_regular_file() ? entry.file_size(ec) : 0;
        if (entry.path().extension() == ".ans" && size > largestSize) {
            largest = entry.path();
            largestSize = size;
        }
    }
    if (largest.empty())
        return;
    static std::string bytes;
    readFileBytes(largest, bytes);
    benchmark::RegisterBenchmark(("BM_ReadAnsiCorpus/" + largest.filename().string()).c_str(),
                                 [](benchmark::State& state) { readBench(state, bytes); })
        ->Unit(benchmark::kMillisecond);
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--write-synthetic") == 0) {
        if (writeFileBytes(argv[2], synthetic()))
            return 0;
        std::cerr << "cannot write " << argv[2] << '\n';
        return 1;
    }
    registerCorpusBench();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
