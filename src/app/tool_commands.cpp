#include "app/tool_commands.h"

#include "app/editor.h"
#include "app/image_info.h"
#include "formats/file_output.h"
#include "formats/open_save_commands.h"
#include "platform/system_info.h"
#include "platform/text_encoding.h"

#include <filesystem>
#include <system_error>

namespace glyphora {

namespace fs = std::filesystem;

namespace {

constexpr const char* kImageInfoFailure = "ERROR: Couldn`t complete request.";
constexpr const char* kEditorStartFailure = "ERROR: Couldn`t start editor";
constexpr const char* kPrintFailure = "ERROR: Couldn`t print.";
constexpr const char* kPrintTitle = "-";
constexpr const char* kRule = "---------------------------";
constexpr const char* kCodeTableTitle = "ASC table : ";
constexpr const char* kCodeTableFooter = "Created with Glyphora 4.5 ,ID1.4";
constexpr const char* kFontListTitle = "Fixed font list :";
constexpr const char* kFontListFooter = "Fixed font list: Created with Glyphora 4.5 ,ID1.4";
constexpr const char* kProgramFilter = "Program|*";
constexpr const char* kEditorExecutable = "glyphora";

bool isExistingFile(const fs::path& path) {
    std::error_code ec;
    return fs::is_regular_file(path, ec);
}

bool isProgramFile(const fs::path& path) {
    std::error_code ec;
    constexpr fs::perms kAnyExecute =
        fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    return fs::is_regular_file(path, ec) &&
           (fs::status(path, ec).permissions() & kAnyExecute) != fs::perms::none;
}

// Paths are UTF-8; the status bar shows the editor's bytes.
std::string shownPath(const std::string& path) {
    return utf8ToCp1252(path);
}

std::string quotedPath(const char* what, const std::string& path) {
    std::string text = what;
    text += " >";
    text += shownPath(path);
    text += "<";
    return text;
}

// Writes the lines to the hand-over file and asks the desktop to open it.
void handOverLines(Editor& editor, const TextLines& lines) {
    const fs::path file = editor.programDir() / kHandOverFile;
    const std::string bytes = handOverFileBytes(lines, editor.glyphSet());
    if (!writeReportingFailure(editor, [&] { return writeFileSafely(file, bytes); }))
        return;
    if (!editor.ui().shellOpen(file.string()))
        editor.reportFailure(kEditorStartFailure);
}

} // namespace

TextLines codeTableLines(CharCanvas& canvas, std::string_view caption) {
    TextLines lines{std::string(kCodeTableTitle) + std::string(caption), kRule, ""};
    std::string header = "(No)\t";
    for (int c = 1; c <= canvas.colCount(); ++c) {
        header += '(';
        header += std::to_string(c);
        header += ")\t";
    }
    lines.push_back(std::move(header));
    lines.emplace_back();
    for (int r = 0; r < canvas.rowCount(); ++r) {
        std::string line = "(";
        line += std::to_string(r + 1);
        line += ")\t";
        for (int c = 0; c < canvas.colCount(); ++c) {
            if (canvas.text(c, r).empty())
                canvas.setText(c, r, " ");
            line += std::to_string(static_cast<unsigned char>(canvas.text(c, r).front()));
            line += '\t';
        }
        lines.push_back(std::move(line));
    }
    lines.emplace_back();
    lines.emplace_back(kCodeTableFooter);
    return lines;
}

TextLines fixedFontListLines(const std::vector<std::string>& families) {
    TextLines lines{kFontListTitle, kRule, ""};
    for (std::size_t i = 0; i < families.size(); ++i) {
        std::string line = std::to_string(i);
        line += ".)\t";
        line += families[i];
        lines.push_back(std::move(line));
    }
    lines.emplace_back();
    lines.emplace_back(kFontListFooter);
    return lines;
}

std::string handOverFileBytes(const TextLines& lines, CharSet cellSet) {
    TextFileStyle utf8;
    utf8.encoding = TextEncoding::Utf8;
    return encodeTextFile(lines, cellSet, utf8).bytes;
}

void ImageInfo(Editor& editor) {
    std::string text;
    try {
        BusyCursor busy(editor.ui());
        const ImageStatistics figures = countImageStatistics(editor.canvas());
        const std::optional<std::uint64_t> allocated = allocatedMemoryBytes();
        text = allocated ? imageInfoText(figures, *allocated) : kImageInfoFailure;
    } catch (...) {
        text = kImageInfoFailure;
    }
    editor.ui().message(text);
}

void PrintCanvas(Editor& editor) {
    const PrintJob job{kPrintTitle, editor.canvas().font(), GridToText(editor.canvas()),
                       editor.glyphSet()};
    if (editor.ui().printText(job) == PrintOutcome::Failed)
        editor.reportFailure(kPrintFailure);
}

void ExportToEditor(Editor& editor) {
    // The text view shows what would go; the canvas itself goes as the text view would
    // show it, without switching views and back (which would reshape a canvas whose cells
    // hold longer texts).
    const TextView& view = editor.textView();
    handOverLines(editor, view.visible ? view.lines : GridToText(editor.canvas()));
}

void ExportCodeTable(Editor& editor) {
    handOverLines(editor, codeTableLines(editor.canvas(), editor.document().caption));
}

void ExportFixedFontList(Editor& editor) {
    handOverLines(editor, fixedFontListLines(editor.ui().fontFamilies(FontPitch::Fixed)));
}

void RunExternalProgram(Editor& editor) {
    const std::string& program = editor.settings().ExternalProgram;
    if (program.empty() || !isExistingFile(program)) {
        editor.reportFailure(quotedPath("ERROR: Couldn`t found", program));
        return;
    }
    if (!editor.ui().startProgram(program, {}))
        editor.reportFailure(quotedPath("ERROR: Couldn`t start", program));
}

void SetExternalProgram(Editor& editor) {
    FileDialogRequest request;
    request.filter = kProgramFilter;
    request.fileName = editor.settings().ExternalProgram;
    const std::optional<std::string> chosen = editor.ui().openFile(request);
    if (!chosen || !isExistingFile(*chosen))
        return;
    if (!isProgramFile(*chosen)) {
        editor.reportFailure(quotedPath("ERROR: Not a program", *chosen));
        return;
    }
    editor.settings().ExternalProgram = *chosen;
}

void OpenFileManager(Editor& editor) {
    const fs::path folder = workingDirectory(editor);
    if (!editor.ui().shellOpen(folder.string()))
        editor.reportFailure(quotedPath("ERROR: Couldn`t open", folder.string()));
}

void NewEditorInstance(Editor& editor) {
    const fs::path program = editor.executableDir() / kEditorExecutable;
    if (!editor.ui().startProgram(program.string(), {}))
        editor.reportFailure(quotedPath("ERROR: Couldn`t start", program.string()));
}

} // namespace glyphora
