#include "convert/resample.h"

#include "platform/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace glyphora {

namespace {

constexpr int kLanes = PictureResampler::kLaneRows;
constexpr int kChannels = Bitmap::kBytesPerPixel;
constexpr int kBatches = 3;
// Source pixels transposed at a time: 1024 x 3 channels x 16 rows of floats, 192 KiB.
constexpr int kWindowPixels = 1024;
// Below this many source pixels a second thread costs more than it saves.
constexpr long long kThreadFromPixels = 256 * 1024;
// Adding and taking away 2^23 rounds a float of 0..2^23 to a whole number, halves to even.
constexpr float kRoundingBias = 8388608.0f;

// Rows side by side: one vector lane per row, each summed in contributor order. Sixteen
// rows make six independent chains of additions per contributor, so the adds do not wait
// on one another.
typedef float HalfLanes __attribute__((vector_size(kLanes / 2 * sizeof(float))));

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

// Eight rows of bytes into floats: byte k of row r goes to out[k x stride + r], so the same
// byte of each row lies side by side.
constexpr int kTransposeRows = 8;
void transposeRows(const std::uint8_t* const* rows, std::size_t length, float* out,
                   std::size_t stride) {
    std::size_t k = 0;
#ifdef __SSE2__
    // Sixteen bytes of each row at a time, interleaved in three rounds of unpacking.
    const __m128i zero = _mm_setzero_si128();
    for (; k + 16 <= length; k += 16, out += 16 * stride) {
        __m128i r[kTransposeRows];
        for (int lane = 0; lane < kTransposeRows; ++lane)
            r[lane] = _mm_loadu_si128(reinterpret_cast<const __m128i*>(rows[lane] + k));
        // Round 1: bytes of rows 0/1, 2/3, 4/5, 6/7 paired.
        const __m128i a0 = _mm_unpacklo_epi8(r[0], r[1]), a1 = _mm_unpackhi_epi8(r[0], r[1]);
        const __m128i a2 = _mm_unpacklo_epi8(r[2], r[3]), a3 = _mm_unpackhi_epi8(r[2], r[3]);
        const __m128i a4 = _mm_unpacklo_epi8(r[4], r[5]), a5 = _mm_unpackhi_epi8(r[4], r[5]);
        const __m128i a6 = _mm_unpacklo_epi8(r[6], r[7]), a7 = _mm_unpackhi_epi8(r[6], r[7]);
        // Round 2: four rows per byte.
        const __m128i b0 = _mm_unpacklo_epi16(a0, a2), b1 = _mm_unpackhi_epi16(a0, a2);
        const __m128i b2 = _mm_unpacklo_epi16(a1, a3), b3 = _mm_unpackhi_epi16(a1, a3);
        const __m128i b4 = _mm_unpacklo_epi16(a4, a6), b5 = _mm_unpackhi_epi16(a4, a6);
        const __m128i b6 = _mm_unpacklo_epi16(a5, a7), b7 = _mm_unpackhi_epi16(a5, a7);
        // Round 3: eight rows per byte, two bytes per register.
        const __m128i c[8] = {_mm_unpacklo_epi32(b0, b4), _mm_unpackhi_epi32(b0, b4),
                              _mm_unpacklo_epi32(b1, b5), _mm_unpackhi_epi32(b1, b5),
                              _mm_unpacklo_epi32(b2, b6), _mm_unpackhi_epi32(b2, b6),
                              _mm_unpacklo_epi32(b3, b7), _mm_unpackhi_epi32(b3, b7)};
        for (int i = 0; i < 8; ++i) {
            const __m128i lo = _mm_unpacklo_epi8(c[i], zero);
            const __m128i hi = _mm_unpackhi_epi8(c[i], zero);
            float* to = out + 2 * static_cast<std::size_t>(i) * stride;
            _mm_storeu_ps(to, _mm_cvtepi32_ps(_mm_unpacklo_epi16(lo, zero)));
            _mm_storeu_ps(to + 4, _mm_cvtepi32_ps(_mm_unpackhi_epi16(lo, zero)));
            _mm_storeu_ps(to + stride, _mm_cvtepi32_ps(_mm_unpacklo_epi16(hi, zero)));
            _mm_storeu_ps(to + stride + 4, _mm_cvtepi32_ps(_mm_unpackhi_epi16(hi, zero)));
        }
    }
#endif
    for (; k < length; ++k, out += stride) {
        for (int lane = 0; lane < kTransposeRows; ++lane)
            out[lane] = static_cast<float>(rows[lane][k]);
    }
}

// Pass 1 for one batch: lanes holds the batch transposed, [x][channel][row]; each
// destination pixel of each row gets its sum. Compiled for AVX2 where the processor has it;
// the sums are the same either way (no fused multiply-add: ISO C++ mode keeps them apart).
__attribute__((target_clones("avx2", "default"))) void
horizontalSums(const float* lanes, int firstPixel, const Contributors& h, int firstDest,
               int endDest, int rowCount, std::uint8_t* const* outRows) {
    const int* first = h.first.data();
    const int* pixel = h.pixel.data();
    const float* weight = h.weight.data();
    constexpr int kHalf = kLanes / 2;
    for (int i = firstDest; i < endDest; ++i) {
        HalfLanes r0 = {}, g0 = {}, b0 = {}, r1 = {}, g1 = {}, b1 = {};
        for (int k = first[i]; k < first[i + 1]; ++k) {
            const float* p =
                lanes + static_cast<std::ptrdiff_t>(pixel[k] - firstPixel) * kChannels * kLanes;
            HalfLanes v0, v1, v2, v3, v4, v5;
            std::memcpy(&v0, p, sizeof v0);
            std::memcpy(&v1, p + kHalf, sizeof v1);
            std::memcpy(&v2, p + kLanes, sizeof v2);
            std::memcpy(&v3, p + kLanes + kHalf, sizeof v3);
            std::memcpy(&v4, p + 2 * kLanes, sizeof v4);
            std::memcpy(&v5, p + 2 * kLanes + kHalf, sizeof v5);
            const float w = weight[k];
            r0 += w * v0;
            r1 += w * v1;
            g0 += w * v2;
            g1 += w * v3;
            b0 += w * v4;
            b1 += w * v5;
        }
        // Out of the registers only once the sums are complete.
        float sums[kChannels][kLanes];
        std::memcpy(sums[0], &r0, sizeof r0);
        std::memcpy(sums[0] + kHalf, &r1, sizeof r1);
        std::memcpy(sums[1], &g0, sizeof g0);
        std::memcpy(sums[1] + kHalf, &g1, sizeof g1);
        std::memcpy(sums[2], &b0, sizeof b0);
        std::memcpy(sums[2] + kHalf, &b1, sizeof b1);
        for (int lane = 0; lane < rowCount; ++lane) {
            std::uint8_t* out = outRows[lane] + static_cast<std::ptrdiff_t>(i) * kChannels;
            out[0] = clampedByte(sums[0][lane]);
            out[1] = clampedByte(sums[1][lane]);
            out[2] = clampedByte(sums[2][lane]);
        }
    }
}

// Pass 2 for one destination row: the work rows summed across, one lane per byte of the row.
__attribute__((target_clones("avx2", "default"))) void
verticalSums(const std::uint8_t* ring, int ringRows, std::size_t rowBytes, const int* pixel,
             const float* weight, int count, float* sums, std::uint8_t* out) {
    std::fill(sums, sums + rowBytes, 0.0f);
    for (int k = 0; k < count; ++k) {
        const std::uint8_t* row = ring + static_cast<std::size_t>(pixel[k] % ringRows) * rowBytes;
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
    // floor(centre - width) .. ceil(centre + width) for each: never more than this.
    const std::size_t most =
        static_cast<std::size_t>(destSize) * static_cast<std::size_t>(2.0f * width + 3.0f);
    c.pixel.reserve(most);
    c.weight.reserve(most);
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

std::size_t PictureResampler::windowFloats() const {
    // A window holds kWindowPixels, or one destination pixel's whole span when wider.
    int widest = 0;
    for (int i = 0; i < destWidth_; ++i)
        widest = std::max(widest, highestPixel_[static_cast<std::size_t>(i)] -
                                      lowestPixel_[static_cast<std::size_t>(i)] + 1);
    return static_cast<std::size_t>(std::min(sourceWidth_, std::max(widest, kWindowPixels))) *
           kChannels * kLanes;
}

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
    lowestPixel_.assign(static_cast<std::size_t>(destWidth_), 0);
    highestPixel_.assign(static_cast<std::size_t>(destWidth_), 0);
    for (int i = 0; i < destWidth_; ++i) {
        const auto begin =
            horizontal_.pixel.begin() + horizontal_.first[static_cast<std::size_t>(i)];
        const auto end =
            horizontal_.pixel.begin() + horizontal_.first[static_cast<std::size_t>(i) + 1];
        if (begin == end)
            continue;
        const auto [low, high] = std::minmax_element(begin, end);
        lowestPixel_[static_cast<std::size_t>(i)] = *low;
        highestPixel_[static_cast<std::size_t>(i)] = *high;
    }
    vertical_ = buildContributors(height, destHeight_, filter_, support_);
    highestRow_.assign(static_cast<std::size_t>(destHeight_), 0);
    int span = 1;
    for (int y = 0; y < destHeight_; ++y) {
        const auto begin = vertical_.pixel.begin() + vertical_.first[static_cast<std::size_t>(y)];
        const auto end = vertical_.pixel.begin() + vertical_.first[static_cast<std::size_t>(y) + 1];
        if (begin == end)
            continue;
        const auto [low, high] = std::minmax_element(begin, end);
        highestRow_[static_cast<std::size_t>(y)] = *high;
        span = std::max(span, *high - *low + 1);
    }
    const bool threaded =
        useSecondThread_ && static_cast<long long>(width) * height >= kThreadFromPixels;
    batches_.resize(threaded ? kBatches : 1);
    // New rows must not overwrite rows a waiting destination row still reads: the batches
    // being summed hold the next rows after those through pass 1 (batches are given back in
    // row order), and a waiting destination row reads at most span rows before them.
    ringRows_ = std::min(height, span + kBatchRows * static_cast<int>(batches_.size()));
    const std::size_t workRowBytes = static_cast<std::size_t>(destWidth_) * kChannels;
    ring_ = makeLargeArray<std::uint8_t>(workRowBytes * static_cast<std::size_t>(ringRows_));
    columnSums_.resize(workRowBytes);
    destination_ = Bitmap(destWidth_, destHeight_);
    nextDestRow_ = 0;
    const std::size_t rowBytes = static_cast<std::size_t>(width) * kChannels;
    const std::size_t batchBytes = rowBytes * kBatchRows * batches_.size();
    batchRows_ = makeLargeArray<std::uint8_t>(batchBytes);
    for (std::size_t i = 0; i < batches_.size(); ++i) {
        batches_[i].rows = batchRows_.get() + rowBytes * kBatchRows * i;
        free_.push_back(static_cast<int>(i));
    }
    lanes_ = makeLargeArray<float>(windowFloats());
    workerWanted_ = threaded;
    return true;
}

bool PictureResampler::takeTwoBands(int cut) {
    // Only a picture large enough for a second thread, before its first row, and narrowed:
    // the work rows are kept whole, and they are no larger than the picture then.
    if (!workerWanted_ || cut <= 0 || cut >= sourceHeight_ || rowsDone_ > 0 ||
        destWidth_ > sourceWidth_)
        return false;
    workerWanted_ = false;
    cut_ = cut;
    // The lower band's rows may come before the upper band's last ones: rows are kept whole.
    ringRows_ = sourceHeight_;
    ring_ = makeLargeArray<std::uint8_t>(static_cast<std::size_t>(destWidth_) * kChannels *
                                         static_cast<std::size_t>(sourceHeight_));
    lowerLanes_ = makeLargeArray<float>(windowFloats());
    batches_[0].rowCount = batches_[1].rowCount = 0;
    return true;
}

void PictureResampler::startWorker() {
    workerWanted_ = false;
    worker_ = std::thread([this] { workerLoop(); });
}

std::uint8_t* PictureResampler::rowBuffer(int y) {
    const std::size_t rowBytes = static_cast<std::size_t>(sourceWidth_) * kChannels;
    if (cut_ > 0) {
        Batch& batch = bandBatch(y);
        if (batch.rowCount == 0)
            batch.firstRow = y;
        return batch.rows +
               static_cast<std::size_t>(std::clamp(y - batch.firstRow, 0, kBatchRows - 1)) *
                   rowBytes;
    }
    if (workerWanted_)
        startWorker();
    if (filling_ < 0) {
        std::unique_lock lock(mutex_);
        // With every batch taken, the decoder sums a waiting one itself rather than wait
        // for the second thread, which a busy machine may not run for a while.
        while (free_.empty()) {
            if (queued_.empty()) {
                changed_.wait(lock);
                continue;
            }
            const int index = queued_.front();
            queued_.pop_front();
            lock.unlock();
            runBatch(index, lanes_.get());
            lock.lock();
        }
        filling_ = free_.back();
        free_.pop_back();
        batches_[static_cast<std::size_t>(filling_)].firstRow = y;
        batches_[static_cast<std::size_t>(filling_)].rowCount = 0;
    }
    Batch& batch = batches_[static_cast<std::size_t>(filling_)];
    const int slot = std::clamp(y - batch.firstRow, 0, kBatchRows - 1);
    return batch.rows + static_cast<std::size_t>(slot) * rowBytes;
}

void PictureResampler::bandRowDone(int y) {
    const bool upper = y < cut_;
    Batch& batch = bandBatch(y);
    batch.rowCount = y - batch.firstRow + 1;
    ++rowsDone_;
    if (batch.rowCount < kBatchRows && y != cut_ - 1 && y != sourceHeight_ - 1)
        return;
    horizontalPass(batch, upper ? lanes_.get() : lowerLanes_.get());
    batch.rowCount = 0;
    // The destination rows of the upper band alone, while the lower band may still be
    // decoded; finish() does the rest.
    if (y == cut_ - 1)
        verticalPass(cut_);
}

void PictureResampler::rowDone(int y) {
    if (cut_ > 0) {
        bandRowDone(y);
        return;
    }
    if (filling_ < 0)
        return;
    Batch& batch = batches_[static_cast<std::size_t>(filling_)];
    batch.rowCount = y - batch.firstRow + 1;
    ++rowsDone_;
    if (batch.rowCount == kBatchRows || y == sourceHeight_ - 1) {
        submit(filling_);
        filling_ = -1;
    }
}

void PictureResampler::submit(int batchIndex) {
    if (!worker_.joinable()) {
        inOrder_.push_back(batchIndex);
        runBatch(batchIndex, lanes_.get());
        return;
    }
    bool wake = false;
    {
        std::lock_guard lock(mutex_);
        queued_.push_back(batchIndex);
        inOrder_.push_back(batchIndex);
        wake = workerWaiting_;
    }
    if (wake)
        changed_.notify_all();
}

void PictureResampler::runBatch(int batchIndex, float* lanes) {
    horizontalPass(batches_[static_cast<std::size_t>(batchIndex)], lanes);
    std::lock_guard lock(mutex_);
    batches_[static_cast<std::size_t>(batchIndex)].summed = true;
    // Batches are given back in row order, each once the rows before it are through, and
    // pass 2 follows them in the same step.
    int rowsThrough = -1;
    while (!inOrder_.empty() && batches_[static_cast<std::size_t>(inOrder_.front())].summed) {
        Batch& batch = batches_[static_cast<std::size_t>(inOrder_.front())];
        rowsThrough = batch.firstRow + batch.rowCount;
        batch.summed = false;
        free_.push_back(inOrder_.front());
        inOrder_.pop_front();
    }
    if (rowsThrough < 0)
        return;
    verticalPass(rowsThrough);
    changed_.notify_all();
}

void PictureResampler::horizontalPass(const Batch& batch, float* lanes) {
    const std::size_t rowBytes = static_cast<std::size_t>(sourceWidth_) * kChannels;
    const std::size_t workRowBytes = static_cast<std::size_t>(destWidth_) * kChannels;
    for (int group = 0; group < batch.rowCount; group += kLanes) {
        const int rows = std::min(kLanes, batch.rowCount - group);
        const std::uint8_t* from[kLanes];
        for (int lane = 0; lane < kLanes; ++lane)
            from[lane] =
                batch.rows + rowBytes * static_cast<std::size_t>(group + std::min(lane, rows - 1));
        std::uint8_t* outRows[kLanes];
        for (int lane = 0; lane < rows; ++lane)
            outRows[lane] =
                ring_.get() + workRowBytes * static_cast<std::size_t>(
                                                 (batch.firstRow + group + lane) % ringRows_);
        // A window of source pixels at a time, transposed so that the same pixel of the
        // group's rows lies side by side, small enough to stay in the cache while the
        // destination pixels whose contributors it holds are summed.
        int dest = 0;
        while (dest < destWidth_) {
            const int low = lowestPixel_[static_cast<std::size_t>(dest)];
            const int high =
                std::min(sourceWidth_, std::max(low + kWindowPixels,
                                                highestPixel_[static_cast<std::size_t>(dest)] + 1));
            int end = dest + 1;
            while (end < destWidth_ && lowestPixel_[static_cast<std::size_t>(end)] >= low &&
                   highestPixel_[static_cast<std::size_t>(end)] < high)
                ++end;
            const std::size_t offset = static_cast<std::size_t>(low) * kChannels;
            const std::size_t length = static_cast<std::size_t>(high - low) * kChannels;
            for (int half = 0; half < kLanes; half += kTransposeRows) {
                const std::uint8_t* part[kTransposeRows];
                for (int lane = 0; lane < kTransposeRows; ++lane)
                    part[lane] = from[half + lane] + offset;
                transposeRows(part, length, lanes + half, kLanes);
            }
            horizontalSums(lanes, low, horizontal_, dest, end, rows, outRows);
            dest = end;
        }
    }
}

void PictureResampler::workerLoop() {
    const LargeArray<float> lanes = makeLargeArray<float>(windowFloats());
    std::unique_lock lock(mutex_);
    for (;;) {
        workerWaiting_ = true;
        changed_.wait(lock, [this] { return !queued_.empty() || closing_; });
        workerWaiting_ = false;
        if (queued_.empty())
            return;
        const int index = queued_.front();
        queued_.pop_front();
        lock.unlock();
        runBatch(index, lanes.get());
        lock.lock();
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
    if (cut_ > 0 && rowsDone_ == sourceHeight_)
        verticalPass(sourceHeight_);
    if (sourceHeight_ == 0 || rowsDone_ != sourceHeight_ || nextDestRow_ != destHeight_)
        return {};
    return std::move(destination_);
}

void PictureResampler::verticalPass(int rowsThrough) {
    const std::size_t rowBytes = static_cast<std::size_t>(destWidth_) * kChannels;
    while (nextDestRow_ < destHeight_ &&
           highestRow_[static_cast<std::size_t>(nextDestRow_)] < rowsThrough) {
        const int first = vertical_.first[static_cast<std::size_t>(nextDestRow_)];
        verticalSums(ring_.get(), ringRows_, rowBytes, vertical_.pixel.data() + first,
                     vertical_.weight.data() + first, vertical_.count(nextDestRow_),
                     columnSums_.data(), destination_.scanLine(nextDestRow_));
        ++nextDestRow_;
    }
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
