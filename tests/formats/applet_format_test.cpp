#include "editor_fixture.h"
#include "formats/applet_format.h"
#include "formats/open_save_commands.h"
#include "formats/recording_progress.h"
#include "paint/canvas_picture.h"

namespace glyphora {
namespace {

TEST(AppletData, ColourCodesOnlyWhereTheyChangeAndRunsInTheCompactForm) {
    test::RecordingProgress progress;
    CharCanvas canvas = test::drawn({"aaa", "b"});
    canvas.SetColorCell(1, 1, rgb(128, 128, 128)); // the background alone changes
    canvas.SetFontCell(2, 1, rgb(255, 0, 255));    // both change
    canvas.SetColorCell(2, 1, kBlack);
    const std::string plain = encodeAppletData(canvas, progress);
    EXPECT_EQ(plain, "\xA7"
                     "000f\xA7"
                     "999Faaa\xE4\r\n"
                     "b\xA7"
                     "555F \xA7"
                     "909f\xA7"
                     "000F \xE4\r\n");
    EXPECT_EQ(canvas.text(1, 1), " "); // empty cells are written as blanks
    EXPECT_EQ(runLengthAppletData(plain), "\xA7"
                                          "000f\xA7"
                                          "999F\xA7"
                                          "3Xa\xE4"
                                          "b\xA7"
                                          "555F \xA7"
                                          "909f\xA7"
                                          "000F \xE4");
    // Two equal bytes stay, control bytes go, long runs count in decimal.
    EXPECT_EQ(runLengthAppletData("xx\tyy" + std::string(12, 'z')), "xxyy\xA7"
                                                                    "12Xz");
    EXPECT_EQ(appletColorDigit(255), 9);
    EXPECT_EQ(appletColorDigit(14), 0);
    EXPECT_EQ(appletColorDigit(15), 1);
}

using AppletSave = test::EditorTest;

TEST_F(AppletSave, WritesTheCompanionBesideTheData) {
    editor.canvas().setSize(2, 1);
    put(0, 0, "qq");
    editor.settings().WorkingDirectory = dir.path().string();
    ui.queueAnswer("30 " + (dir / "art").string());
    SaveAs(editor);
    EXPECT_EQ(test::readBytes(dir / "art.dat"), "\xA7"
                                                "000f\xA7"
                                                "999Fqq\xE4\r\n");
    EXPECT_EQ(test::readBytes(dir / "art.dat_RLE"), "\xA7"
                                                    "000f\xA7"
                                                    "999Fqq\xE4");
    EXPECT_EQ(editor.document().CurrentFormat, 30);
}

} // namespace
} // namespace glyphora
