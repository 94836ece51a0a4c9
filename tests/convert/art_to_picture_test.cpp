#include "app/editor.h"
#include "convert/art_to_picture.h"
#include "convert/art_to_picture_commands.h"
#include "formats/document_fixture.h"
#include "formats/recording_progress.h"
#include "paint/canvas_picture.h"
#include "platform/picture_io.h"

namespace glyphora {
namespace {

namespace fs = std::filesystem;

TEST(ArtToPicture, CharactersBecomeGreysAndColoursBecomePixels) {
    CharCanvas canvas = test::drawn({"#A \\"});
    test::RecordingProgress progress;
    const Bitmap chars = charsToPicture(canvas, progress);
    EXPECT_EQ(chars.pixel(0, 0), kBlack);
    EXPECT_EQ(chars.pixel(1, 0), rgb(65, 65, 65));
    EXPECT_EQ(chars.pixel(2, 0), kWhite);
    EXPECT_EQ(chars.pixel(3, 0), kBlack);
    EXPECT_EQ(progress.calls.front(), "pos 0/4 Creating Image ... / Step 1 of 1");

    canvas.SetFontCell(1, 0, rgb(1, 2, 3));
    canvas.SetFontCell(2, 0, rgb(4, 5, 6)); // a space: its background counts
    canvas.SetColorCell(2, 0, rgb(7, 8, 9));
    const Bitmap fonts = colorsToPicture(canvas, ColorSource::Font, progress);
    EXPECT_EQ(fonts.pixel(1, 0), rgb(1, 2, 3));
    EXPECT_EQ(fonts.pixel(2, 0), rgb(7, 8, 9));
    const Bitmap cells = colorsToPicture(canvas, ColorSource::Cell, progress);
    EXPECT_EQ(cells.pixel(1, 0), kWhite);
    EXPECT_EQ(cells.pixel(2, 0), rgb(7, 8, 9));
}

TEST(ArtToPicture, TheViewerMagnifiesByZoomAndRowRatio) {
    Bitmap picture(10, 5);
    picture.setPixel(9, 4, kBlack);
    // Zoom 3 and ratio 2: the last pixel covers 3 columns by 6 rows.
    const Bitmap display = magnifiedPicture(picture, 3, 2.0);
    EXPECT_EQ(display.pixel(27, 24), kBlack);
    EXPECT_EQ(display.pixel(29, 29), kBlack);
    EXPECT_EQ(display.pixel(26, 29), kWhite);
    // A ratio of 1.5 places the rows at Round(1.5 y): 0, 2 (1.5), 3, 4 (4.5), 6.
    const Bitmap odd = magnifiedPicture(picture, 1, 1.5);
    EXPECT_EQ(odd.height(), 8); // Round(7.5)
    EXPECT_EQ(odd.pixel(9, 6), kBlack);
    EXPECT_EQ(odd.pixel(9, 5), kWhite);
}

TEST(ArtToPicture, FormArtLaysTheTextOnBlackPixelsAndRepeatsIt) {
    Bitmap picture(3, 2, kBlack);
    picture.setPixel(1, 0, kWhite);
    CharCanvas canvas(3, 2);
    canvas.setText(2, 0, "z");
    // Five black pixels, a text of three bytes with a line break that uses up a pixel.
    // The line break's cell keeps its "z"; after the "b" the text starts again.
    layTextOnPicture(picture, "a\nb", '.', canvas);
    EXPECT_EQ(test::picture(canvas), (test::Rows{"a.z", "ba@"}));
}

// A renderer that paints every pixel in one colour, standing in for the window's.
struct FlatRenderer : CanvasPictureRenderer {
    std::optional<Bitmap> render(const CharCanvas&, CharSet, int, int, int width,
                                 int height) override {
        asked = {width, height};
        return Bitmap(width, height, rgb(9, 8, 7));
    }
    std::pair<int, int> asked;
};

struct ArtToPictureCommands : test::DocumentTest {
    ArtToPictureCommands() {
        editor.canvas().setSize(10, 5);
        editor.canvas().clearTexts();
        put(0, 0, "#A");
    }
    Bitmap read(const std::string& name) {
        Bitmap picture;
        EXPECT_EQ(readPictureFile(dir / name, picture), PictureError::None);
        return picture;
    }
};

TEST_F(ArtToPictureCommands, TheViewerSavesItsMagnifiedImageOrClosesWithoutAFile) {
    saveAs(16, "art", {"save 3 2.0"});
    EXPECT_TRUE(saw("viewer: 10 x 5 -> save 3 2.0"));
    const Bitmap saved = read("art.BMP");
    EXPECT_EQ(saved.width(), 30);
    EXPECT_EQ(saved.height(), 30);
    EXPECT_EQ(saved.pixel(4, 4), rgb(65, 65, 65));
    EXPECT_EQ(editor.document().caption, "art.BMP");
    // A name ending .png keeps it and gets PNG; an existing file is asked about.
    saveAs(18, "cells.png", {"save"});
    EXPECT_EQ(test::readBytes(dir / "cells.png").substr(1, 3), "PNG");
    saveAs(17, "cells.png", {"save", "no"});
    EXPECT_TRUE(saw("confirm: File exists. Overwrite ? -> no"));
    // "Close": nothing written, the document has no file.
    saveAs(16, "closed", {"close"});
    EXPECT_FALSE(fs::exists(dir / "closed.BMP"));
    EXPECT_EQ(editor.document().CurrentFileName, "-");
}

TEST_F(ArtToPictureCommands, CapturesDrawWithTheShellsRendererOrReportThatTheyCannot) {
    // No renderer (no window): the capture says it could not write.
    saveAs(20, "whole");
    EXPECT_TRUE(saw("message: Couldn`t write file"));
    EXPECT_FALSE(fs::exists(dir / "whole.bmp"));
    FlatRenderer renderer;
    editor.canvasPictures = &renderer;
    const CellMetrics& m = editor.canvas().metrics;
    saveAs(20, "whole");
    EXPECT_EQ(renderer.asked, (std::pair{10 * (m.colWidth + m.gridLineWidth),
                                         5 * (m.rowHeight + m.gridLineWidth)}));
    EXPECT_EQ(read("whole.bmp").pixel(0, 0), rgb(9, 8, 7));
    // The visible part: the cells from the first visible one as far as the view shows.
    editor.firstVisibleCol = 8;
    editor.visibleCols = 5;
    editor.visibleRows = 2;
    saveAs(19, "part.PNG");
    EXPECT_EQ(renderer.asked,
              (std::pair{2 * (m.colWidth + m.gridLineWidth), 2 * (m.rowHeight + m.gridLineWidth)}));
    EXPECT_EQ(read("part.PNG").width(), renderer.asked.first);
    editor.canvasPictures = nullptr;
}

TEST_F(ArtToPictureCommands, FormArtAsksResamplesAndLaysTheTextOut) {
    Bitmap picture(4, 2, kBlack);
    picture.setPixel(3, 1, kWhite);
    test::writeBytes(dir / "shape.png", encodePng(picture));
    test::writeBytes(dir / "words.txt", "xy");
    editor.setColorMode(ColorMode::FontColored);
    for (const char* answer : {"yes", "shape.png", "", "words.txt"})
        ui.queueAnswer(answer);
    PictureToFormArt(editor);
    EXPECT_TRUE(saw("size: Resample Picture: RP=4x1 4 2 -> 4 2"));
    EXPECT_EQ(row(0), "xyxy");
    EXPECT_EQ(row(1), "xyx ");
    EXPECT_EQ(editor.colorMode(), ColorMode::Plain);
    EXPECT_EQ(editor.document().caption, "words.txt");
    EXPECT_EQ(editor.document().CurrentFileName, "-");
    // Declined, or a file that is no picture: the canvas stays.
    ui.queueAnswer("no");
    PictureToFormArt(editor);
    EXPECT_EQ(row(0), "xyxy");
    for (const char* answer : {"yes", "words.txt"})
        ui.queueAnswer(answer);
    PictureToFormArt(editor);
    EXPECT_TRUE(saw("message: Couldn`t open picture."));
    EXPECT_EQ(row(0), "xyxy");
    // A text far larger than any canvas is refused before it is read (8 GiB, sparse).
    test::writeBytes(dir / "huge.txt", "");
    std::filesystem::resize_file(dir / "huge.txt", std::uintmax_t{1} << 33);
    for (const char* answer : {"yes", "shape.png", "", "huge.txt"})
        ui.queueAnswer(answer);
    PictureToFormArt(editor);
    EXPECT_TRUE(saw("message: Couldn`t open text."));
}

} // namespace
} // namespace glyphora
