// Every reader bounds what it takes by the input and by its stated limits: files far larger
// than any document, and size fields at the edges of their types.
#include "config/settings_file.h"
#include "convert/char_effects.h"
#include "edit/flip_tables.h"
#include "formats/ansi_format.h"
#include "formats/document_fixture.h"
#include "formats/glf_format.h"
#include "formats/recording_progress.h"
#include "paint/fills.h"
#include "platform/text_file.h"
#include "textfx/figlet.h"
#include "textfx/line_form.h"

namespace glyphora {
namespace {

namespace fs = std::filesystem;

// 8 GiB that take no disk space: a reader that reads before it measures runs out of memory.
constexpr std::uintmax_t kHugeFile = std::uintmax_t{1} << 33;

// Text numbers at and beyond the edges of a signed 32-bit field.
constexpr const char* kEdgeNumbers[] = {
    "0",           "-1",          "2147483647", "2147483648",
    "-2147483648", "-2147483649", "4294967296", "99999999999999999999"};

void makeSparse(const fs::path& path, std::uintmax_t size) {
    test::writeBytes(path, "");
    fs::resize_file(path, size);
}

using InputBounds = test::DocumentTest;

TEST_F(InputBounds, DocumentsLargerThanAnyCanvasAreRefusedBeforeTheyAreRead) {
    put(0, 0, "keep");
    for (const char* name : {"huge.txt", "huge.glg", "huge.glf", "huge.ans", "huge.htm"}) {
        SCOPED_TRACE(name);
        makeSparse(dir / name, kHugeFile);
        if (fs::path(name).extension() == ".htm")
            ui.queueAnswer("1"); // the page is imported, not read as text
        const std::size_t before = ui.transcript().size();
        open(dir / name);
        EXPECT_EQ(row(0, 0, 4), "keep");
        EXPECT_EQ(editor.document().CurrentFileName, "-");
        const std::vector<std::string> said(ui.transcript().begin() + before,
                                            ui.transcript().end());
        EXPECT_TRUE(std::count(said.begin(), said.end(), "message: ERROR: Canvas size too large.") +
                        std::count(said.begin(), said.end(), "message: Couldn`t read file.") ==
                    1);
        EXPECT_TRUE(editor.document().ReopenList.empty());
        fs::remove(dir / name);
    }
}

TEST(InputBoundsData, HugeTablesFontsPatternsAndSettingsAreNoFileAtAll) {
    test::TempDir dir;
    const fs::path huge = dir / "huge";
    makeSparse(huge, kHugeFile);
    EXPECT_FALSE(readFlipTable(huge));
    EXPECT_FALSE(readInvertTable(huge));
    EXPECT_FALSE(readPatternFile(huge));
    EXPECT_FALSE(FigletFont::load(huge));
    EXPECT_FALSE(readDataFileLines(huge, 1 << 20));
    const SettingsReadResult settings = readSettingsFile(huge, Settings{});
    EXPECT_TRUE(settings.damaged);
    EXPECT_EQ(settings.settings.UndoSteps, Settings{}.UndoSteps);
}

TEST(InputBoundsData, GlfSidesAtTheirEdgesNeverResizeBeyondWhatTheFileHolds) {
    test::TempDir dir;
    test::RecordingProgress progress;
    const fs::path file = dir / "forged.glf";
    for (const int cols : {0, 1, 0xFFFF})
        for (const int rows : {0, 1, 0xFFFF}) {
            SCOPED_TRACE(std::to_string(cols) + " x " + std::to_string(rows));
            std::string header = {static_cast<char>(cols >> 8), static_cast<char>(cols & 0xFF), 3,
                                  static_cast<char>(rows >> 8), static_cast<char>(rows & 0xFF)};
            header += std::string(10, '\x08');
            test::writeBytes(file, header + std::string(9 * 3, 'z'));
            CharCanvas canvas(2, 2);
            const GlfReadResult read = readGlf(file, canvas, progress);
            if (cols == 0 || rows == 0) {
                EXPECT_EQ(read.status, GlfReadStatus::Refused);
                EXPECT_EQ(canvas.colCount() * canvas.rowCount(), 4);
            } else if (read.status != GlfReadStatus::Refused) {
                // Three cells of data: at most the rows they reach and one more.
                EXPECT_LE(canvas.rowCount(), 3 / cols + 2);
                EXPECT_EQ(canvas.colCount(), cols);
            }
        }
}

TEST(InputBoundsData, AnsiMetadataAtItsEdgesStaysWithinTheCanvasLimit) {
    std::string record = "SAUCE00" + std::string(121, '\0');
    record[94] = 1; // character data: the width field counts
    for (const int width : {0, 1, 0x7FFF, 0x8000, 0xFFFF})
        for (const int comments : {0, 1, 255}) {
            SCOPED_TRACE(std::to_string(width) + " wide, comments " + std::to_string(comments));
            record[96] = static_cast<char>(width & 0xFF);
            record[97] = static_cast<char>(width >> 8);
            record[104] = static_cast<char>(comments);
            CharCanvas canvas;
            const AnsiReadResult read = readAnsi("art\r\n\x1a" + record, canvas);
            EXPECT_EQ(read.status, AnsiReadStatus::Complete);
            EXPECT_EQ(canvas.text(0, 0), "a");
            EXPECT_EQ(read.width, std::max(width, 80));
            EXPECT_LE(static_cast<long long>(canvas.colCount()) * canvas.rowCount(),
                      CharCanvas::kMaxCells);
        }
}

TEST(InputBoundsData, FontAndFormHeaderNumbersAtTheEdgesFallBackOrAreRefused) {
    for (const char* number : kEdgeNumbers) {
        SCOPED_TRACE(number);
        const std::string n = number;
        FigletPanel panel;
        const FigletLoadReport report =
            panel.setFont(FigletFont({"flf2a$ " + n + " 4 " + n + " 0 0", "x@@"}));
        EXPECT_TRUE(report.heightMissing);
        EXPECT_TRUE(report.widthMissing);
        EXPECT_EQ(panel.grid().rowCount(), FigletPanel::kFallbackSize);
        EXPECT_EQ(panel.grid().colCount(), FigletPanel::kFallbackSize);

        const TextLines form = {"head", n, "head", n, "--\xA7--"};
        const TextLines colOnly = {"head", n, "head", "5", "--\xA7--"};
        const TextLines rowOnly = {"head", "3", "head", n, "--\xA7--"};
        EXPECT_FALSE(parseLineFormStart(form));
        EXPECT_FALSE(parseLineFormStart(colOnly));
        EXPECT_FALSE(parseLineFormStart(rowOnly));
    }
}

TEST(InputBoundsData, SettingsNumbersAtTheEdgesAreClampedOrStopTheReading) {
    struct Field {
        const char* label;
        int Settings::*member;
        IntRange range;
    };
    const Field fields[] = {
        {"Autosave interval", &Settings::AutosaveInterval, kAutosaveIntervalRange},
        {"Fontsize", &Settings::FontSize, kFontSizeRange},
        {"Copy grid width", &Settings::CopyGridWidth, kCopyGridWidthRange},
        {"Knowledge base width", &Settings::KnowledgeBaseWidth, kKnowledgeBaseWidthRange},
        {"Undo steps", &Settings::UndoSteps, kUndoStepsRange}};
    const std::vector<std::string> lines = splitTextLines(settingsFileText(Settings{}));
    for (const Field& field : fields) {
        const auto at = std::find_if(lines.begin(), lines.end(), [&](const std::string& line) {
            return line.rfind(field.label, 0) == 0;
        });
        ASSERT_NE(at, lines.end()) << field.label;
        for (const char* number : kEdgeNumbers) {
            SCOPED_TRACE(std::string(field.label) + " " + number);
            std::vector<std::string> edited = lines;
            std::string& line = edited[static_cast<std::size_t>(at - lines.begin())];
            line = line.substr(0, line.find(':') + 1) + number;
            std::string text;
            for (const std::string& l : edited)
                text += l + "\r\n";
            const SettingsReadResult read =
                parseSettingsText(text, Settings{}, [](const std::string&) { return true; });
            const int value = read.settings.*field.member;
            if (read.damaged) {
                EXPECT_EQ(value, Settings{}.*field.member);
            }
            EXPECT_GE(value, field.range.min);
            EXPECT_LE(value, field.range.max);
        }
    }
}

} // namespace
} // namespace glyphora
