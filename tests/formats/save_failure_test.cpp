// Every writer behind the save command, made to fail part way through its file.
#include "convert/canvas_picture.h"
#include "editor_fixture.h"
#include "formats/file_format_table.h"
#include "formats/open_save_commands.h"

#include <map>

namespace glyphora {
namespace {

namespace fs = std::filesystem;

using Names = std::vector<std::string>;

constexpr const char* kCannotSave = "ERROR: Couldn`t save file.";
// The text types, the others, the picture viewer and the canvas captures word their
// message differently.
constexpr const char* kWriteFailedMessages[] = {"message: Could`t write file.",
                                                "message: Couldn`t write file.", "message: Error",
                                                "message: Couldn`t write file"};

// The window's renderer for the canvas captures: every pixel grey.
struct GreyRenderer : CanvasPictureRenderer {
    std::optional<Bitmap> render(const CharCanvas&, CharSet, int, int, int width,
                                 int height) override {
        return Bitmap(width, height, rgb(128, 128, 128));
    }
};

struct SaveFailure : test::EditorTest {
    // Apart from the program directory, which holds the editor's own files.
    const fs::path folder = dir / "saves";
    GreyRenderer renderer;

    SaveFailure() {
        editor.settings().WorkingDirectory = folder.string();
        editor.setColorMode(ColorMode::Ansi);
        CharCanvas& canvas = editor.canvas();
        canvas.setSize(5, 3);
        canvas.clearTexts();
        put(0, 0, "<ab&");
        put(1, 2, "xyz");
        canvas.SetFontCell(1, 0, 0x0000AA);
        canvas.SetColorCell(2, 2, 0xAA0000);
        editor.canvasPictures = &renderer;
    }
    ~SaveFailure() override { editor.canvasPictures = nullptr; }
    void saveAs(int code, const fs::path& path) {
        ui.queueAnswer(std::to_string(code) + " " + path.string());
        if (code >= format_code::AsciiToPicture && code <= format_code::CellColorToPicture)
            ui.queueAnswer("save"); // the picture viewer's Save
        if (fs::exists(path))
            ui.queueAnswer("yes");
        SaveAs(editor);
    }
    long failureMessages() const {
        long n = 0;
        for (const char* message : kWriteFailedMessages)
            n += std::count(ui.transcript().begin(), ui.transcript().end(), message);
        return n;
    }
    // One failed save over the old files: reported as failed, the target as it was, and a
    // companion file either as it was or whole (the applet data writes its companion from
    // the complete data even when the main file fails).
    void expectFailedSave(int code, const fs::path& target, std::uint64_t failAt,
                          const std::map<std::string, std::string>& files,
                          const std::map<std::string, std::string>& whole) {
        const long messagesBefore = failureMessages();
        {
            test::WriteFault fault(failAt);
            saveAs(code, target);
        }
        Names names;
        for (const auto& [name, bytes] : files) {
            names.push_back(name);
            const std::string now = test::readBytes(folder / name);
            if (name == target.filename() || now != whole.at(name)) {
                EXPECT_EQ(now, bytes) << name;
            }
        }
        EXPECT_EQ(test::fileNamesIn(folder), names); // no temporary left
        EXPECT_EQ(editor.status().field(StatusBar::kMessageField), kCannotSave);
        EXPECT_EQ(failureMessages(), messagesBefore + 1);
        EXPECT_EQ(editor.document().CurrentFileName, "-");
    }
};

TEST_F(SaveFailure, EveryWriterKeepsTheOldFilesWhenItsWriteFailsAtAnyByte) {
    ASSERT_FALSE(saveBranches().empty());
    for (const SaveBranch& branch : saveBranches()) {
        const int code = branch.formatCode;
        SCOPED_TRACE(findFileFormat(code)->name);
        fs::remove_all(folder);
        fs::create_directory(folder);

        // A save that works names the files the type writes and the bytes of the main one.
        saveAs(code, folder / "doc");
        ASSERT_NE(editor.status().field(StatusBar::kMessageField), kCannotSave);
        const fs::path target = editor.document().SaveTargetName;
        const std::string written = test::readBytes(target);
        ASSERT_GE(written.size(), 2u);
        std::map<std::string, std::string> files;
        std::map<std::string, std::string> whole;
        for (const std::string& name : test::fileNamesIn(folder)) {
            whole[name] = test::readBytes(folder / name);
            files[name] = "old " + name;
            test::writeBytes(folder / name, files[name]);
        }

        for (const std::uint64_t failAt :
             {std::uint64_t{0}, std::uint64_t{1}, std::uint64_t{written.size() / 2},
              std::uint64_t{written.size() - 1}}) {
            SCOPED_TRACE(failAt);
            expectFailedSave(code, target, failAt, files, whole);
        }

        // With backups on, the old file is copied first: it keeps its own name as well.
        editor.settings().BackupFiles = true;
        const std::string name = target.filename().string();
        files[name + ".bak"] = files[name];
        whole[name + ".bak"] = files[name];
        expectFailedSave(code, target, written.size() / 2, files, whole);
        editor.settings().BackupFiles = false;

        // Nothing stuck: the next save writes the whole file.
        saveAs(code, target);
        EXPECT_NE(editor.status().field(StatusBar::kMessageField), kCannotSave);
        EXPECT_EQ(test::readBytes(target), written);
        EXPECT_EQ(editor.document().CurrentFileName, target.string());
    }
}

} // namespace
} // namespace glyphora
