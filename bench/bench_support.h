// Helpers the benchmark programs share; header-only, as each bench/*.cpp is a program.
#pragma once

#include "canvas/char_canvas.h"
#include "platform/progress.h"

#include <benchmark/benchmark.h>
#include <cstdint>
#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <string_view>
#include <tuple>

namespace glyphora::bench {

constexpr std::uint32_t kSeed = 42;
constexpr int kLastPrintable = 126;

// A canvas of random printable characters from firstByte on, one per cell, row by row from
// a fixed seed; colour(canvas, col, row, rng) then gives the cell its colours.
template <class Colour> CharCanvas randomCanvas(int cols, int rows, int firstByte, Colour colour) {
    CharCanvas canvas(cols, rows);
    std::mt19937 rng(kSeed);
    std::uniform_int_distribution<int> byte(firstByte, kLastPrintable);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            const char ch = static_cast<char>(byte(rng));
            canvas.setText(c, r, std::string_view(&ch, 1));
            colour(canvas, c, r, rng);
        }
    }
    return canvas;
}

// Progress that nobody watches: the algorithm's own work is measured.
struct NoProgress : Progress {
    void showBar(const std::string&, bool, const std::string&) override {}
    void setBarPosition(double, double, const std::string&, const std::string&) override {}
    void hideBar() override {}
    bool escapePressed() override { return false; }
};

using MakeCanvas = CharCanvas (*)(int cols, int rows);

// Each size is made once per program and shared by the benchmarks that read it.
inline const CharCanvas& cachedCanvas(int cols, int rows, MakeCanvas make) {
    static std::map<std::tuple<MakeCanvas, int, int>, CharCanvas> cache;
    auto it = cache.find({make, cols, rows});
    if (it == cache.end())
        it = cache.emplace(std::tuple{make, cols, rows}, make(cols, rows)).first;
    return it->second;
}

// A file path in a scratch folder of the system's temporary folder.
inline std::filesystem::path scratch(const char* name) {
    const std::filesystem::path dir = std::filesystem::temp_directory_path() / "glyphora-bench";
    std::filesystem::create_directories(dir);
    return dir / name;
}

// Counts the canvas's cells per iteration as the items processed.
inline void reportCells(benchmark::State& state, const CharCanvas& canvas) {
    const double cells = double(canvas.colCount()) * canvas.rowCount();
    state.counters["cells"] = cells;
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations() * cells));
}

} // namespace glyphora::bench
