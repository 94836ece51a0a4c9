// Opening and saving whole documents as a user does, through openDocument and saveDocument on
// an Editor: the undo snapshot, the colour mode and the status come along with the codec. A
// .glf in full colour and a plain text file, up to a photo converted at 4000 x 3000.
#include "app/editor.h"
#include "bench_support.h"
#include "formats/file_format_table.h"
#include "formats/glf_format.h"
#include "formats/open_save_commands.h"
#include "platform/headless_ui.h"
#include "platform/text_file.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <set>
#include <string>
#include <utility>

namespace {

using namespace glyphora;
namespace fs = std::filesystem;

constexpr const char* kInstanceTag = "997";

// Converted art: runs of a few text colours over a background that changes in every cell.
CharCanvas makeColouredCanvas(int cols, int rows) {
    Color fg = 0;
    return bench::randomCanvas(cols, rows, ' ', [&](CharCanvas& canvas, int c, int r, auto& rng) {
        if (rng() % 8 == 0)
            fg = static_cast<Color>(rng() % 64) * 0x040404;
        canvas.SetFontCell(c, r, fg);
        canvas.SetColorCell(c, r, static_cast<Color>(rng() & 0xFFFFFF));
    });
}

CharCanvas makePlainCanvas(int cols, int rows) {
    return bench::randomCanvas(cols, rows, ' ', [](CharCanvas&, int, int, auto&) {});
}

std::string sizeName(int cols, int rows) {
    return std::to_string(cols) + "x" + std::to_string(rows);
}

// An Editor on a Ui without a screen, its program folder (and so its undo folder) in scratch.
struct Workbench {
    HeadlessUi ui;
    Editor editor{ui, bench::scratch("program"), kInstanceTag};

    bool open(const fs::path& file) {
        editor.document().OpenFileName = file.string();
        openDocument(editor);
        return editor.document().CurrentFileName == file.string();
    }
    // "&Save" to the file in the format, as the autosave does: no question asked.
    bool save(const fs::path& file, int formatCode) {
        DocumentState& doc = editor.document();
        doc.SilentSave = true;
        doc.SaveFormat = formatCode;
        doc.SaveTargetName = file.string();
        saveDocument(editor);
        doc.SilentSave = false;
        return doc.CurrentFileName == file.string();
    }
};

// The .glf of the coloured canvas of that size, written once per program.
fs::path glfFile(int cols, int rows) {
    static std::set<std::pair<int, int>> written;
    const fs::path path = bench::scratch(("open-" + sizeName(cols, rows) + ".glf").c_str());
    if (written.insert({cols, rows}).second) {
        CharCanvas canvas = bench::cachedCanvas(cols, rows, makeColouredCanvas);
        bench::NoProgress progress;
        writeGlf(path, canvas, ColorMode::FullColored, progress);
    }
    return path;
}

// A text file of that many lines of that many printable characters, CR LF ended, written
// once per program.
fs::path textFile(int cols, int rows) {
    static std::set<std::pair<int, int>> written;
    const fs::path path = bench::scratch(("open-" + sizeName(cols, rows) + ".txt").c_str());
    if (written.insert({cols, rows}).second) {
        const CharCanvas& canvas = bench::cachedCanvas(cols, rows, makePlainCanvas);
        std::string bytes;
        bytes.reserve(static_cast<std::size_t>(cols + 2) * static_cast<std::size_t>(rows));
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < cols; ++c)
                bytes += canvas.text(c, r);
            bytes += "\r\n";
        }
        writeFileBytes(path, bytes);
    }
    return path;
}

void openBench(benchmark::State& state, const fs::path& file) {
    Workbench bench;
    for (auto _ : state) {
        if (!bench.open(file))
            state.SkipWithError("open failed");
    }
    bench::reportCells(state, bench.editor.canvas());
}

// The document is opened once, then saved again and again under another name.
void saveBench(benchmark::State& state, const fs::path& file, int formatCode, const char* target) {
    Workbench bench;
    if (!bench.open(file)) {
        state.SkipWithError("open failed");
        return;
    }
    const fs::path saved = bench::scratch(target);
    for (auto _ : state) {
        if (!bench.save(saved, formatCode))
            state.SkipWithError("save failed");
    }
    bench::reportCells(state, bench.editor.canvas());
    fs::remove(saved);
}

void BM_OpenGlfDocument(benchmark::State& state) {
    openBench(state, glfFile(int(state.range(0)), int(state.range(1))));
}

void BM_OpenTextDocument(benchmark::State& state) {
    openBench(state, textFile(int(state.range(0)), int(state.range(1))));
}

void BM_SaveGlfDocument(benchmark::State& state) {
    saveBench(state, glfFile(int(state.range(0)), int(state.range(1))), format_code::GlyphoraFormat,
              "save-document.glf");
}

void BM_SaveTextDocument(benchmark::State& state) {
    saveBench(state, textFile(int(state.range(0)), int(state.range(1))), format_code::WindowsText,
              "save-document.txt");
}

void sizes(benchmark::internal::Benchmark* b) {
    b->Args({1000, 1000})->Args({4000, 3000})->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_OpenGlfDocument)->Apply(sizes);
BENCHMARK(BM_OpenTextDocument)->Apply(sizes);
BENCHMARK(BM_SaveGlfDocument)->Apply(sizes);
BENCHMARK(BM_SaveTextDocument)->Apply(sizes);

} // namespace

BENCHMARK_MAIN();
