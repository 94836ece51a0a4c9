#pragma once

#include "platform/bitmap.h"
#include "platform/large_block.h"
#include "platform/picture_io.h"

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace glyphora {

// Two-pass resampling with contributor lists: pass 1 resamples every source row to the new
// width into a work picture of 8-bit pixels, pass 2 resamples its columns to the new height.
// Sums are single precision, in contributor order; each is clamped to 0..255 and rounded
// half to even. Indices before the first pixel are mirrored (j -> -j), past the last one
// too (j -> 2 x size - j - 1).

using ResampleFilter = float (*)(float);
inline constexpr float kLanczos3Support = 3.0f;
// sinc(x) x sinc(x / 3) for |x| < 3, else 0.
float lanczos3(float x);

// For each destination index, its source indices and weights, zero weights left out.
struct Contributors {
    std::vector<int> first; // per destination index, into pixel and weight; one more at the end
    std::vector<int, LargeBlockAllocator<int>> pixel;
    std::vector<float, LargeBlockAllocator<float>> weight;

    int count(int dest) const { return first[dest + 1] - first[dest]; }
};
Contributors buildContributors(int sourceSize, int destSize, ResampleFilter filter, float support);

// Resamples a picture as its rows arrive from a decoder. Pass 1 runs on a second thread
// (when asked for and the picture is large) on batches of rows while the decoder fills the
// next ones, so decoding and the first pass overlap; no full-size copy of the picture is
// kept. A decoder that decodes two bands at once instead runs pass 1 on each band's own
// thread, with no hand-over. finish() waits for the last batch and runs pass 2.
class PictureResampler : public PictureRowSink {
public:
    PictureResampler(int destWidth, int destHeight, ResampleFilter filter, float support,
                     bool useSecondThread);
    ~PictureResampler() override;
    PictureResampler(const PictureResampler&) = delete;
    PictureResampler& operator=(const PictureResampler&) = delete;

    bool begin(int width, int height) override;
    std::uint8_t* rowBuffer(int y) override;
    void rowDone(int y) override;
    bool takeTwoBands(int cut) override;

    // The destination picture; empty when no picture was begun or rows are missing.
    Bitmap finish();

    // Rows summed side by side, one vector lane per row, and rows handed to the second
    // thread at a time (few hand-overs, each a wake-up).
    static constexpr int kLaneRows = 16;
    static constexpr int kBatchRows = 32;

private:
    struct Batch {
        // Up to kBatchRows source rows, RGB, in batchRows_. Buffers here are left
        // uninitialised: every byte is written before it is read.
        std::uint8_t* rows = nullptr;
        int firstRow = 0;
        int rowCount = 0;
        bool summed = false; // through pass 1, not yet given back
    };
    void startWorker();
    void submit(int batchIndex);
    // In two bands, batch 0 holds rows above the cut and batch 1 the others.
    Batch& bandBatch(int y) { return batches_[y < cut_ ? 0 : 1]; }
    void bandRowDone(int y);
    // Pass 1 for the batch, then pass 2 for what the batches through pass 1 allow.
    void runBatch(int batchIndex, float* lanes);
    void horizontalPass(const Batch& batch, float* lanes);
    // Pass 2 for every destination row whose source rows are all through pass 1.
    void verticalPass(int rowsThrough);
    void workerLoop();
    std::size_t windowFloats() const;
    void stopWorker();

    int destWidth_;
    int destHeight_;
    ResampleFilter filter_;
    float support_;
    bool useSecondThread_;
    bool workerWanted_ = false; // started with the first row, unless the rows come in bands
    int sourceWidth_ = 0;
    int sourceHeight_ = 0;
    int cut_ = 0; // the first row of the lower band; 0 in one band
    std::atomic<int> rowsDone_ = 0;
    Contributors horizontal_;
    // Per destination column, the lowest and highest source pixel among its contributors.
    std::vector<int> lowestPixel_;
    std::vector<int> highestPixel_;
    // The rows of pass 1 that pass 2 still needs, row y in slot y % ringRows_ (destWidth x
    // ringRows_, RGB): pass 2 runs as soon as a destination row's source rows are through,
    // so the work picture is never held whole. Two bands keep every row.
    LargeArray<std::uint8_t> ring_;
    int ringRows_ = 0;
    LargeArray<std::uint8_t> batchRows_; // the batches' rows
    Contributors vertical_;
    std::vector<int> highestRow_; // per destination row, its last source row
    int nextDestRow_ = 0;
    std::vector<float> columnSums_;
    Bitmap destination_;
    std::vector<Batch> batches_;
    LargeArray<float> lanes_;      // the transposed rows of the caller's thread
    LargeArray<float> lowerLanes_; // and of the lower band's, in two bands
    int filling_ = -1;             // the batch the decoder writes into

    std::thread worker_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<int> queued_;  // batches waiting for pass 1
    std::deque<int> inOrder_; // batches handed in and not given back, in row order
    std::vector<int> free_;   // batches the decoder may fill
    bool closing_ = false;
    bool workerWaiting_ = false;
};

// Resamples the source into the destination, whose size is already set (both at least
// 1 x 1).
void ResampleBitmap(const Bitmap& source, Bitmap& destination, ResampleFilter filter,
                    float support);

// Nearest neighbour ("Res&ize"): destination (x, y) = source (Round(fx x), Round(fy y)) with
// fx = source width / width, fy likewise; positions past the last pixel take the last one.
Bitmap resizeNearest(const Bitmap& source, int width, int height);

} // namespace glyphora
