#include "convert/picture_commands.h"
#include "formats/document_fixture.h"
#include "paint/canvas_picture.h"
#include "platform/picture_io.h"

namespace glyphora {
namespace {

namespace fs = std::filesystem;

constexpr const char* kCannotOpen = "message: Couldn`t open image.";

struct PictureCommands : test::DocumentTest {
    PictureCommands() {
        editor.canvas().setSize(3, 2);
        editor.canvas().clearTexts();
        put(0, 0, "abc");
    }
    // A 4 x 2 picture: black, dark grey, light grey, white on top; white below.
    fs::path fourByTwo(const std::string& name = "pic.bmp") {
        Bitmap picture(4, 2);
        picture.setPixel(0, 0, kBlack);
        picture.setPixel(1, 0, rgb(60, 60, 60));
        picture.setPixel(2, 0, rgb(200, 200, 200));
        test::writeBytes(dir / name, writesPng(name) ? encodePng(picture) : encodeBmp(picture));
        return dir / name;
    }
};

TEST_F(PictureCommands, RelativeAtTheOwnSizeStretchesTheRampAndNamesNoFile) {
    editor.document().caption = "before.txt";
    editor.document().SaveFormat = 3;
    editor.document().CurrentFileName = (dir / "before.txt").string();
    open(fourByTwo("photo.PNG"), {"", ""});
    EXPECT_TRUE(saw("choice: Import Picture -> 2"));
    // Font size 6 measures 5 x 9: 2 rows keep the proportions of 2 pixel rows.
    EXPECT_TRUE(saw("size: Resample Picture: RP=4x1 4 2 -> 4 2"));
    EXPECT_FALSE(saw("stretch: Stretch option: -> resample"));
    EXPECT_TRUE(saw("progress: Creating Backup ... / Step 1 of 3"));
    EXPECT_EQ(editor.canvas().widthField, "4");
    // Built-in ramp from "#" (darkest) to " " (white): grey 60 is 60/255 of 96 steps up.
    EXPECT_EQ(row(0), "#6j ");
    EXPECT_EQ(row(1), "    ");
    const DocumentState& doc = editor.document();
    EXPECT_EQ(doc.CurrentFileName, "-");
    EXPECT_FALSE(doc.SaveEnabled);
    EXPECT_EQ(doc.caption, "photo.PNG");
    EXPECT_EQ(doc.SaveFormat, 3); // a picture is no document file of its own
    EXPECT_EQ(doc.ReopenList.front(), (dir / "photo.PNG").string());
    EXPECT_EQ(editor.undoRing().count(), 1);
    EXPECT_FALSE(editor.progress().view().visible);
}

TEST_F(PictureCommands, AbsoluteWithTheTableKeepsColoursTheBuiltInRampResetsThem) {
    editor.setColorMode(ColorMode::FontColored);
    editor.canvas().SetFontCell(0, 1, rgb(9, 9, 9));
    test::writeBytes(dir / "ramp.dat", std::string(48, '.') + std::string(48, 'X'));
    editor.settings().Bmp2AsciiDataFile = "ramp.dat";
    open(fourByTwo(), {"1", ""});
    EXPECT_EQ(row(0), "#X. ");
    EXPECT_EQ(editor.canvas().foreground(0, 1), rgb(9, 9, 9));

    // A table named but missing: the status says so and the built-in ramp is used.
    editor.settings().Bmp2AsciiDataFile = "gone.dat";
    open(fourByTwo(), {"1", ""});
    EXPECT_TRUE(saw("status3: ERROR: File: gone.dat. Using intern palette."));
    EXPECT_EQ(row(0).substr(0, 1), "#");
    EXPECT_FALSE(editor.canvas().hasOwnFont(0, 1));
}

TEST_F(PictureCommands, AnotherSizeAsksHowToStretchAndCancelsLeaveTheCanvas) {
    const fs::path pic = fourByTwo();
    // The size dialog cancelled: nothing changes, not even undo.
    open(pic, {"", "cancel"});
    EXPECT_EQ(row(0), "abc");
    EXPECT_EQ(editor.undoRing().count(), 0);
    // The stretch dialog cancelled: the snapshot stays taken, the canvas as it was.
    open(pic, {"", "2 1", "cancel"});
    EXPECT_EQ(row(0), "abc");
    EXPECT_EQ(editor.undoRing().count(), 1);
    EXPECT_FALSE(editor.progress().view().visible);
    // Resampled, or resized by nearest pixels (columns 0 and 2 of row 0: fx = 2, fy = 2):
    // either way the darker left is "#" and the brighter right " ".
    for (const char* stretch : {"resample", "resize"}) {
        editor.canvas().setSize(3, 2);
        put(0, 0, "abc");
        open(pic, {"", "2 1", stretch});
        EXPECT_EQ(test::picture(editor.canvas()), (test::Rows{"# "})) << stretch;
    }
}

TEST_F(PictureCommands, UnreadablePicturesAndOneGreyReportCouldNotOpen) {
    editor.canvas().SetColorCell(1, 0, rgb(5, 5, 5));
    // A forged size: the document stays as it was.
    std::string forged = encodeBmp(Bitmap(2, 2));
    forged[18] = '\xFF';
    forged[19] = '\xFF';
    forged[22] = '\xFF';
    forged[23] = '\xFF';
    test::writeBytes(dir / "forged.bmp", forged);
    open(dir / "forged.bmp", {""});
    EXPECT_EQ(row(0), "abc");
    EXPECT_TRUE(editor.canvas().hasOwnBrush(1, 0));
    EXPECT_EQ(editor.document().CurrentFileName, "-");
    EXPECT_EQ(editor.undoRing().count(), 0);
    EXPECT_EQ(std::count(ui.transcript().begin(), ui.transcript().end(), kCannotOpen), 1);

    // One grey level: the relative ramp has no step. The canvas is already resized, its
    // characters unchanged, the colours reset, and the document named after the picture.
    test::writeBytes(dir / "grey.bmp", encodeBmp(Bitmap(5, 1, rgb(90, 90, 90))));
    open(dir / "grey.bmp", {"", ""});
    EXPECT_EQ(std::count(ui.transcript().begin(), ui.transcript().end(), kCannotOpen), 2);
    EXPECT_EQ(editor.canvas().colCount(), 5);
    EXPECT_EQ(row(0), "abc");
    EXPECT_FALSE(editor.canvas().hasOwnBrush(1, 0));
    EXPECT_EQ(editor.document().caption, "grey.bmp");
    EXPECT_EQ(editor.undoRing().count(), 1);

    // A sound header over data cut short fails while decoding: the same failure path, taken
    // after the snapshot and before the canvas is resized.
    editor.canvas().setSize(3, 1);
    put(0, 0, "abc");
    editor.canvas().SetColorCell(1, 0, rgb(5, 5, 5));
    const std::string png = encodePng(Bitmap(64, 64, rgb(10, 200, 30)));
    test::writeBytes(dir / "cut.png", png.substr(0, png.size() - 40));
    open(dir / "cut.png", {"", ""});
    EXPECT_EQ(std::count(ui.transcript().begin(), ui.transcript().end(), kCannotOpen), 3);
    EXPECT_EQ(editor.canvas().colCount(), 3);
    EXPECT_EQ(row(0), "abc");
    EXPECT_FALSE(editor.canvas().hasOwnBrush(1, 0));
    EXPECT_EQ(editor.document().caption, "cut.png");
    EXPECT_EQ(editor.undoRing().count(), 2);
}

} // namespace
} // namespace glyphora
