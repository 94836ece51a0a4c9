#include "convert/resample.h"

#include "platform/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace glyphora {

namespace {

constexpr int kLanes = PictureResampler::kBatchRows;
constexpr int kChannels = Bitmap::kBytesPerPixel;
constexpr int kBatches = 4;
// Below this many source pixels a second thread costs more than it saves.
constexpr long long kThreadFromPixels = 256 * 1024;
// Adding and taking away 2^23 rounds a float of 0..2^23 to a whole number, halves to even.
constexpr float kRoundingBias = 8388608.0f;

// Eight rows side by side: one vector lane per row, each summed in contributor order.
typedef float Lanes __attribute__((vector_size(kLanes * sizeof(float))));

float sinc(float x) {
    if (x == 0.0f)
        return 1.0f;
    const float v = static_cast<float>(static_cast<double>(x) * std::numbers::pi);
    return static_cast<float>(std::sin(static_cast<double>(v)) / static_cast<double>(v));
}

int mirrored(int j, int size) {
    if (j < 0)
        j = -j;
    if (j >= size)
        j = 2 * size - j - 1;
    // A picture narrower than the filter mirrors past its other edge; stay inside.
    return std::clamp(j, 0, size - 1);
}

inline std::uint8_t clampedByte(float sum) {
    if (sum > 255.0f)
        return 255;
    if (sum < 0.0f)
        return 0;
    return static_cast<std::uint8_t>((sum + kRoundingBias) - kRoundingBias);
}

// Pass 1 for one batch: lanes holds the batch transposed, [x][channel][row]; each
// destination pixel of each row gets its sum. Compiled for AVX2 where the processor has it;
// the sums are the same either way (no fused multiply-add: ISO C++ mode keeps them apart).
__attribute__((target_clones("avx2", "default"))) void
horizontalSums(const float* lanes, const Contributors& h, int destWidth, int rowCount,
               std::uint8_t* const* outRows) {
    const int* first = h.first.data();
    const int* pixel = h.pixel.data();
    const float* weight = h.weight.data();
    for (int i = 0; i < destWidth; ++i) {
        Lanes r = {}, g = {}, b = {};
        for (int k = first[i]; k < first[i + 1]; ++k) {
            const float* p = lanes + static_cast<std::ptrdiff_t>(pixel[k]) * kChannels * kLanes;
            Lanes vr, vg, vb;
            std::memcpy(&vr, p, sizeof vr);
            std::memcpy(&vg, p + kLanes, sizeof vg);
            std::memcpy(&vb, p + 2 * kLanes, sizeof vb);
            const float w = weight[k];
            r += w * vr;
            g += w * vg;
            b += w * vb;
        }
        for (int lane = 0; lane < rowCount; ++lane) {
            std::uint8_t* out = outRows[lane] + static_cast<std::ptrdiff_t>(i) * kChannels;
            out[0] = clampedByte(r[lane]);
            out[1] = clampedByte(g[lane]);
            out[2] = clampedByte(b[lane]);
        }
    }
}

// Pass 2 for one destination row: the work rows summed across, one lane per byte of the row.
__attribute__((target_clones("avx2", "default"))) void
verticalSums(const std::uint8_t* work, std::size_t rowBytes, const int* pixel, const float* weight,
             int count, float* sums, std::uint8_t* out) {
    std::fill(sums, sums + rowBytes, 0.0f);
    for (int k = 0; k < count; ++k) {
        const std::uint8_t* row = work + static_cast<std::size_t>(pixel[k]) * rowBytes;
        const float w = weight[k];
        for (std::size_t x = 0; x < rowBytes; ++x)
            sums[x] += w * static_cast<float>(row[x]);
    }
    for (std::size_t x = 0; x < rowBytes; ++x)
        out[x] = clampedByte(sums[x]);
}

} // namespace

float lanczos3(float x) {
    if (x < 0.0f)
        x = -x;
    if (x >= kLanczos3Support)
        return 0.0f;
    return sinc(x) * sinc(static_cast<float>(static_cast<double>(x) / 3.0));
}

Contributors buildContributors(int sourceSize, int destSize, ResampleFilter filter, float support) {
    Contributors c;
    const float scale = static_cast<float>(destSize) / static_cast<float>(sourceSize);
    const bool shrinking = scale < 1.0f;
    const float width = shrinking ? support / scale : support;
    c.first.reserve(static_cast<std::size_t>(destSize) + 1);
    c.pixel.reserve(static_cast<std::size_t>(destSize) *
                    static_cast<std::size_t>(2.0f * width + 1.0f));
    for (int i = 0; i < destSize; ++i) {
        c.first.push_back(static_cast<int>(c.pixel.size()));
        const float centre = static_cast<float>(i) / scale;
        const int left = static_cast<int>(std::floor(centre - width));
        const int right = static_cast<int>(std::ceil(centre + width));
        for (int j = left; j <= right; ++j) {
            const float distance = centre - static_cast<float>(j);
            const float w = shrinking ? filter(distance * scale) * scale : filter(distance);
            if (w == 0.0f)
                continue;
            c.pixel.push_back(mirrored(j, sourceSize));
            c.weight.push_back(w);
        }
    }
    c.first.push_back(static_cast<int>(c.pixel.size()));
    return c;
}

PictureResampler::PictureResampler(int destWidth, int destHeight, ResampleFilter filter,
                                   float support, bool useSecondThread)
    : destWidth_(std::max(destWidth, 1)), destHeight_(std::max(destHeight, 1)), filter_(filter),
      support_(support), useSecondThread_(useSecondThread) {}

PictureResampler::~PictureResampler() {
    stopWorker();
}

bool PictureResampler::begin(int width, int height) {
    if (width < 1 || height < 1 || !Bitmap::sizeFits(destWidth_, destHeight_) ||
        !Bitmap::sizeFits(destWidth_, height))
        return false;
    sourceWidth_ = width;
    sourceHeight_ = height;
    horizontal_ = buildContributors(width, destWidth_, filter_, support_);
    work_.assign(
        static_cast<std::size_t>(destWidth_) * static_cast<std::size_t>(height) * kChannels, 0);
    const std::size_t rowBytes = static_cast<std::size_t>(width) * kChannels;
    const bool threaded =
        useSecondThread_ && static_cast<long long>(width) * height >= kThreadFromPixels;
    batches_.assign(threaded ? kBatches : 1, Batch{});
    for (std::size_t i = 0; i < batches_.size(); ++i) {
        batches_[i].rows.resize(rowBytes * kLanes);
        free_.push_back(static_cast<int>(i));
    }
    if (threaded)
        worker_ = std::thread([this] { workerLoop(); });
    return true;
}

std::uint8_t* PictureResampler::rowBuffer(int y) {
    if (filling_ < 0) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [this] { return !free_.empty(); });
        filling_ = free_.back();
        free_.pop_back();
        batches_[static_cast<std::size_t>(filling_)].firstRow = y;
        batches_[static_cast<std::size_t>(filling_)].rowCount = 0;
    }
    Batch& batch = batches_[static_cast<std::size_t>(filling_)];
    const int slot = std::clamp(y - batch.firstRow, 0, kLanes - 1);
    return batch.rows.data() +
           static_cast<std::size_t>(slot) * static_cast<std::size_t>(sourceWidth_) * kChannels;
}

void PictureResampler::rowDone(int y) {
    if (filling_ < 0)
        return;
    Batch& batch = batches_[static_cast<std::size_t>(filling_)];
    batch.rowCount = y - batch.firstRow + 1;
    ++rowsDone_;
    if (batch.rowCount == kLanes || y == sourceHeight_ - 1) {
        submit(filling_);
        filling_ = -1;
    }
}

void PictureResampler::submit(int batchIndex) {
    if (!worker_.joinable()) {
        horizontalPass(batches_[static_cast<std::size_t>(batchIndex)], lanes_);
        free_.push_back(batchIndex);
        return;
    }
    {
        std::lock_guard lock(mutex_);
        queued_.push_back(batchIndex);
    }
    changed_.notify_all();
}

void PictureResampler::horizontalPass(const Batch& batch, std::vector<float>& lanes) {
    const std::size_t rowBytes = static_cast<std::size_t>(sourceWidth_) * kChannels;
    lanes.resize(rowBytes * kLanes);
    for (int lane = 0; lane < kLanes; ++lane) {
        float* to = lanes.data() + lane;
        if (lane >= batch.rowCount) {
            for (std::size_t k = 0; k < rowBytes; ++k)
                to[k * kLanes] = 0.0f;
            continue;
        }
        const std::uint8_t* from = batch.rows.data() + rowBytes * static_cast<std::size_t>(lane);
        for (std::size_t k = 0; k < rowBytes; ++k)
            to[k * kLanes] = static_cast<float>(from[k]);
    }
    std::uint8_t* outRows[kLanes];
    const std::size_t workRowBytes = static_cast<std::size_t>(destWidth_) * kChannels;
    for (int lane = 0; lane < batch.rowCount; ++lane)
        outRows[lane] =
            work_.data() + workRowBytes * static_cast<std::size_t>(batch.firstRow + lane);
    horizontalSums(lanes.data(), horizontal_, destWidth_, batch.rowCount, outRows);
}

void PictureResampler::workerLoop() {
    std::vector<float> lanes;
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return !queued_.empty() || closing_; });
        if (queued_.empty())
            return;
        const int index = queued_.front();
        queued_.pop_front();
        lock.unlock();
        horizontalPass(batches_[static_cast<std::size_t>(index)], lanes);
        lock.lock();
        free_.push_back(index);
        changed_.notify_all();
    }
}

void PictureResampler::stopWorker() {
    if (!worker_.joinable())
        return;
    {
        std::lock_guard lock(mutex_);
        closing_ = true;
    }
    changed_.notify_all();
    worker_.join();
}

Bitmap PictureResampler::finish() {
    if (filling_ >= 0 && batches_[static_cast<std::size_t>(filling_)].rowCount > 0) {
        submit(filling_);
        filling_ = -1;
    }
    stopWorker();
    if (sourceHeight_ == 0 || rowsDone_ != sourceHeight_)
        return {};
    const Contributors vertical = buildContributors(sourceHeight_, destHeight_, filter_, support_);
    Bitmap destination(destWidth_, destHeight_);
    const std::size_t rowBytes = static_cast<std::size_t>(destWidth_) * kChannels;
    std::vector<float> sums(rowBytes);
    for (int y = 0; y < destHeight_; ++y) {
        const int first = vertical.first[static_cast<std::size_t>(y)];
        verticalSums(work_.data(), rowBytes, vertical.pixel.data() + first,
                     vertical.weight.data() + first, vertical.count(y), sums.data(),
                     destination.scanLine(y));
    }
    return destination;
}

void ResampleBitmap(const Bitmap& source, Bitmap& destination, ResampleFilter filter,
                    float support) {
    PictureResampler resampler(destination.width(), destination.height(), filter, support, true);
    if (feedBitmap(source, resampler))
        destination = resampler.finish();
}

Bitmap resizeNearest(const Bitmap& source, int width, int height) {
    Bitmap destination(width, height);
    if (source.empty() || destination.empty())
        return destination;
    const double fx = static_cast<double>(source.width()) / width;
    const double fy = static_cast<double>(source.height()) / height;
    std::vector<int> columns(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x)
        columns[static_cast<std::size_t>(x)] =
            std::min(static_cast<int>(roundHalfEven(fx * x)), source.width() - 1);
    for (int y = 0; y < height; ++y) {
        const int sy = std::min(static_cast<int>(roundHalfEven(fy * y)), source.height() - 1);
        const std::uint8_t* from = source.scanLine(sy);
        std::uint8_t* to = destination.scanLine(y);
        for (int x = 0; x < width; ++x)
            std::memcpy(to + 3 * x, from + 3 * columns[static_cast<std::size_t>(x)], 3);
    }
    return destination;
}

} // namespace glyphora
