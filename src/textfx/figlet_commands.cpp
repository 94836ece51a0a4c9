#include "textfx/figlet_commands.h"

#include "app/editor.h"
#include "textfx/figlet.h"

namespace glyphora {

namespace {

constexpr const char* kFontsFolder = "Fonts";
constexpr const char* kFontFilter = "*.flf|*.flf|*.*|*.*";
constexpr const char* kCopiedAll = "No selection... copied all.";
constexpr const char* kFontInfo =
    "This little tool imports FIGLet Fonts (-V2.0).\r"
    "Only ASCII caracters from 32 to 126 are used.\r"
    "Contol strings are \"@\" and \"$\" (ONLY).\r"
    "This did not check then Importfiles !\r"
    "For more options please download FigLet (ASCII Font Editor).\r"
    "\r"
    "Type into the box below the grid to add letters; \"Copy Grid\" copies the\r"
    "selected cells (or the whole grid) for pasting into the canvas.\r"
    "The fonts are the work of their authors: see the comment lines of each font.";

} // namespace

std::filesystem::path figletFontsDir(const std::filesystem::path& programDir) {
    return programDir / kFontsFolder;
}

std::optional<FigletFont> findFigletFont(const std::filesystem::path& name,
                                         const std::filesystem::path& programDir) {
    std::error_code ec;
    if (std::filesystem::is_regular_file(name, ec))
        return FigletFont::load(name);
    if (name.is_relative())
        return FigletFont::load(figletFontsDir(programDir) / name);
    return std::nullopt;
}

void ToggleFigletPanel(Editor& editor) {
    editor.figletPanel.setVisible(!editor.figletPanel.visible());
}

void LoadFigletFont(Editor& editor) {
    FigletPanel& panel = editor.figletPanel;
    const std::string folder = figletFontsDir(editor.programDir()).string() + "/";
    const std::optional<std::string> file =
        editor.ui().openFile({"Import FigLet Font", kFontFilter, "", folder});
    if (file) {
        if (std::optional<FigletFont> font = FigletFont::load(*file)) {
            const FigletLoadReport report = panel.setFont(std::move(*font));
            if (report.heightMissing) {
                editor.ui().beep();
                editor.ui().message(kFigletNoHeight);
            }
            if (report.widthMissing) {
                editor.ui().beep();
                editor.ui().message(kFigletNoWidth);
            }
        } else {
            editor.ui().beep();
        }
    }
    panel.reset();
}

void ResetFigletGrid(Editor& editor) {
    editor.figletPanel.reset();
}

void CopyFigletGrid(Editor& editor) {
    const FigletPanel& panel = editor.figletPanel;
    bool wholeGrid = false;
    CellRect rect = panel.copyRect(wholeGrid);
    if (wholeGrid)
        editor.StatusMessage(kCopiedAll);
    // The block clipboard holds at most 500 x 500 cells.
    rect.right = std::min(rect.right, rect.left + TextClip::kMaxLast);
    rect.bottom = std::min(rect.bottom, rect.top + TextClip::kMaxLast);
    TextClip& clip = editor.textClip;
    for (int row = rect.top; row <= rect.bottom; ++row) {
        for (int col = rect.left; col <= rect.right; ++col) {
            const char ch = panel.grid().at(col, row);
            clip.set(col - rect.left, row - rect.top,
                     ch == FigletGrid::kEmpty ? std::string_view() : std::string_view(&ch, 1));
        }
    }
    clip.ClipLastCol = rect.right - rect.left;
    clip.ClipLastRow = rect.bottom - rect.top;
    clip.ClipboardFilled = true;
    editor.ui().setClipboardText(bytesToUtf8(blockRowsToText(clip), editor.glyphSet()));
}

void ShowFigletFontInfo(Editor& editor) {
    editor.ui().message(kFontInfo);
}

void CloseFigletPanel(Editor& editor) {
    editor.figletPanel.setVisible(false);
}

void TypeFigletChar(Editor& editor, int key) {
    editor.figletPanel.type(key);
}

bool figletPanelVisible(const Editor& editor) {
    return editor.figletPanel.visible();
}

} // namespace glyphora
