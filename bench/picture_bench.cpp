// Pictures to character art, in source pixels per second: decoding a 20-megapixel JPEG
// (6028 x 3391, Debian package lomiri-wallpapers-20.04) on its own, decoding it straight
// into the Lanczos3 resampler at 200 x 100 and 400 x 200, the resampler alone on a decoded
// picture, and the grey mapping of a resampled picture. Skipped when the photo is missing.
#include "bench_support.h"
#include "convert/picture_to_art.h"
#include "convert/resample.h"
#include "platform/picture_io.h"
#include "platform/text_file.h"

#include <benchmark/benchmark.h>
#include <filesystem>
#include <string>

namespace {

using namespace glyphora;

constexpr const char* kPhoto = "/usr/share/backgrounds/Kleiber_by_Lukas_Baubkus.jpg";

const std::string& photoBytes() {
    static const std::string bytes = [] {
        std::string b;
        readFileBytes(kPhoto, b);
        return b;
    }();
    return bytes;
}

bool skipWithoutPhoto(benchmark::State& state) {
    if (!photoBytes().empty())
        return false;
    state.SkipWithError("photo not installed (scripts/install-deps.sh bench)");
    return true;
}

// Decoding only: rows go nowhere.
struct DiscardingSink : PictureRowSink {
    std::vector<std::uint8_t> row;
    bool begin(int width, int) override {
        row.resize(static_cast<std::size_t>(width) * 3);
        return true;
    }
    std::uint8_t* rowBuffer(int) override { return row.data(); }
    void rowDone(int) override { benchmark::ClobberMemory(); }
};

void setPixels(benchmark::State& state, long long perIteration) {
    state.SetItemsProcessed(state.iterations() * perIteration);
    state.counters["pixels"] = static_cast<double>(perIteration);
}

void BM_DecodeJpeg(benchmark::State& state) {
    if (skipWithoutPhoto(state))
        return;
    DiscardingSink sink;
    for (auto _ : state)
        decodePicture(photoBytes(), sink);
    setPixels(state, 6028LL * 3391);
}
BENCHMARK(BM_DecodeJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_DecodeIntoResampler(benchmark::State& state) {
    if (skipWithoutPhoto(state))
        return;
    const int width = static_cast<int>(state.range(0));
    for (auto _ : state) {
        PictureResampler resampler(width, width / 2, lanczos3, kLanczos3Support, true);
        decodePicture(photoBytes(), resampler);
        benchmark::DoNotOptimize(resampler.finish());
    }
    setPixels(state, 6028LL * 3391);
}
BENCHMARK(BM_DecodeIntoResampler)->Arg(200)->Arg(400)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ResampleDecoded(benchmark::State& state) {
    if (skipWithoutPhoto(state))
        return;
    BitmapSink decoded;
    decodePicture(photoBytes(), decoded);
    const int width = static_cast<int>(state.range(0));
    for (auto _ : state) {
        PictureResampler resampler(width, width / 2, lanczos3, kLanczos3Support,
                                   state.range(1) != 0);
        feedBitmap(decoded.bitmap, resampler);
        benchmark::DoNotOptimize(resampler.finish());
    }
    setPixels(state, 6028LL * 3391);
}
BENCHMARK(BM_ResampleDecoded)
    ->Args({200, 0})
    ->Args({200, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

void BM_GreyToArt(benchmark::State& state) {
    Bitmap picture(400, 200);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            picture.setPixel(x, y, rgb(x & 0xFF, y & 0xFF, (x * y) & 0xFF));
    bench::NoProgress progress;
    CharCanvas canvas(400, 200);
    for (auto _ : state) {
        Bitmap grey = picture;
        greyPicture(grey);
        const GreyRange range = greyRange(grey);
        writeArt(grey, *relativeCharacters(nullptr, range.darkest, range.brightest), canvas,
                 progress, 399);
    }
    setPixels(state, 400LL * 200);
}
BENCHMARK(BM_GreyToArt)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
