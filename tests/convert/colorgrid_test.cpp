#include "color/ansi_palette.h"
#include "convert/colorgrid.h"
#include "convert/picture_commands.h"
#include "edit/clipboard_commands.h"
#include "formats/document_fixture.h"
#include "formats/recording_progress.h"
#include "platform/picture_io.h"

namespace glyphora {
namespace {

namespace fs = std::filesystem;

// Pixel (x, y) of a w x h picture: red = 10 x, green = 10 y.
Bitmap ramp(int w, int h) {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.setPixel(x, y, rgb(10 * x, 10 * y, 0));
    return b;
}

TEST(Colorgrid, SamplesTheNearestPixelAndNeverReadsOutsideThePicture) {
    test::RecordingProgress progress;
    // One pixel per cell: each cell its own pixel.
    CharCanvas same(3, 2);
    colorGrid(ramp(3, 2), same, ColorTarget::Foreground, progress);
    EXPECT_EQ(same.foreground(2, 1), rgb(20, 10, 0));
    EXPECT_EQ(progress.calls.back(), "pos 1/1 Setting color ... / Step 1 of 1");
    // Twice as wide: column x takes pixel 2x.
    CharCanvas half(3, 1);
    half.setText(1, 0, "A");
    colorGrid(ramp(6, 1), half, ColorTarget::Background, progress);
    EXPECT_EQ(half.background(1, 0), rgb(20, 0, 0));
    EXPECT_EQ(half.background(2, 0), rgb(40, 0, 0));
    EXPECT_EQ(half.text(1, 0), "A");
    EXPECT_FALSE(half.hasOwnFont(1, 0));
    // Three pixels on four columns: Round(0), Round(0.75), Round(1.5), Round(2.25); and a
    // picture narrower than the canvas, whose last columns would round past its edge.
    CharCanvas wider(4, 1);
    colorGrid(ramp(3, 1), wider, ColorTarget::Foreground, progress);
    EXPECT_EQ(wider.foreground(1, 0), rgb(10, 0, 0));
    EXPECT_EQ(wider.foreground(2, 0), rgb(20, 0, 0));
    EXPECT_EQ(wider.foreground(3, 0), rgb(20, 0, 0));
    CharCanvas many(5, 3);
    colorGrid(ramp(2, 1), many, ColorTarget::Foreground, progress);
    EXPECT_EQ(many.foreground(4, 2), rgb(10, 0, 0)); // Round(4 x 2 / 5 = 1.6) = 2 -> 1
}

TEST(Colorgrid, AnsiArtTakesTheNearestPaletteColours) {
    CharCanvas canvas(2, 1);
    canvas.SetFontCell(0, 0, rgb(250, 80, 80));    // bright red
    canvas.SetColorCell(1, 0, rgb(250, 250, 250)); // a background: light grey at most
    mapColorsToAnsiPalette(canvas);
    EXPECT_EQ(canvas.foreground(0, 0), kAnsiPalette[9].color);
    EXPECT_EQ(canvas.background(1, 0), kAnsiPalette[7].color);
    EXPECT_FALSE(canvas.hasOwnFont(1, 0));
    EXPECT_EQ(canvas.defaultColor(), kAnsiDefaultBack);
}

struct ColorgridCommands : test::DocumentTest {
    ColorgridCommands() {
        editor.canvas().setSize(2, 2);
        put(0, 0, "ab");
        test::writeBytes(dir / "pic.png", encodePng(ramp(2, 2)));
    }
};

TEST_F(ColorgridCommands, ForegroundAndBackgroundSwitchTheModeAndKeepTheCharacters) {
    ui.queueAnswer((dir / "pic.png").string());
    ColorgridForeground(editor);
    EXPECT_EQ(editor.colorMode(), ColorMode::FontColored);
    EXPECT_EQ(editor.canvas().foreground(1, 1), rgb(10, 10, 0));
    EXPECT_EQ(row(0), "ab");
    EXPECT_TRUE(saw("progress: Setting colors ... / Step 1 of 1"));
    EXPECT_EQ(editor.undoRing().count(), 0);
    // From the open dialog's picture branch: the background, FullColored.
    open(dir / "pic.png", {"4"});
    EXPECT_EQ(editor.colorMode(), ColorMode::FullColored);
    EXPECT_EQ(editor.canvas().background(1, 0), rgb(10, 0, 0));
    EXPECT_EQ(editor.document().CurrentFileName, "-");
    // The foreground keeps FullColored.
    ui.queueAnswer((dir / "pic.png").string());
    ColorgridForeground(editor);
    EXPECT_EQ(editor.colorMode(), ColorMode::FullColored);
    // A file that is no picture: the status says so, nothing else changes.
    test::writeBytes(dir / "bad.png", "\x89PNG\r\n\x1a\n garbage");
    ui.queueAnswer((dir / "bad.png").string());
    ColorgridBackground(editor);
    EXPECT_TRUE(saw("status3: ERROR: Couldn`t complete request."));
    EXPECT_FALSE(editor.progress().view().visible);
    EXPECT_EQ(editor.canvas().background(1, 0), rgb(10, 0, 0));
}

TEST_F(ColorgridCommands, OverlaysAreKeptUntilClearedOrACopy) {
    ui.queueAnswer((dir / "pic.png").string());
    LockedOverlay(editor);
    EXPECT_EQ(editor.overlay.mode, PictureOverlay::Mode::Locked);
    EXPECT_EQ(editor.overlay.picture, ramp(2, 2));
    EXPECT_EQ(row(0), "ab"); // nothing is stored in the cells
    CopyBlock(editor);
    EXPECT_FALSE(editor.overlay.shown());
    ui.queueAnswer((dir / "pic.png").string());
    TempOverlay(editor);
    EXPECT_EQ(editor.overlay.mode, PictureOverlay::Mode::Temporary);
    ClearOverlay(editor);
    EXPECT_FALSE(editor.overlay.shown());
    ClearOverlay(editor); // with none: only a repaint
    EXPECT_FALSE(editor.overlay.shown());
    // From the picture import dialog; a cancelled file dialog changes nothing.
    open(dir / "pic.png", {"6"});
    EXPECT_EQ(editor.overlay.mode, PictureOverlay::Mode::Locked);
    ui.queueAnswer("cancel");
    TempOverlay(editor);
    EXPECT_EQ(editor.overlay.mode, PictureOverlay::Mode::Locked);
    EXPECT_EQ(overlaid(200, 255), 200);
    EXPECT_EQ(overlaid(200, 0), 0);
    EXPECT_EQ(overlaid(255, 128), 128);
}

} // namespace
} // namespace glyphora
