// openDocument and the commands that lead to it: "&Open", "&Reopen".
#include "app/editor.h"
#include "canvas/canvas_commands.h"
#include "canvas/grid_file.h"
#include "color/color_commands.h"
#include "convert/picture_commands.h"
#include "formats/ansi_commands.h"
#include "formats/file_format_table.h"
#include "formats/file_names.h"
#include "formats/glf_commands.h"
#include "formats/html_import_commands.h"
#include "formats/open_save_commands.h"
#include "formats/reopen_list.h"
#include "formats/text_file_reader.h"

#include <array>
#include <system_error>

namespace glyphora {

namespace fs = std::filesystem;

namespace {

constexpr const char* kOpenTitle = "Open";
constexpr const char* kCannotRead = "Couldn`t read file.";
constexpr const char* kTooLarge = "ERROR: Canvas size too large.";
constexpr const char* kNewDocumentCaption = "NoName";
constexpr const char* kImportedPrefix = "gl_";
constexpr const char* kUnmappedCharacters = " characters not in Windows-1252 or CP437 read as ?";

// A document read as plain text is shown in Plain mode. Leaving a coloured mode asks, as the
// mode switch does; "No" cancels the open.
bool leaveColorsForPlainText(Editor& editor) {
    return enterColorMode(editor, ColorMode::Plain, true);
}

// ".GLG": the grid text, read onto an emptied canvas so the document is the file's size
// and nothing of the previous document stays around it.
OpenBranchResult readGridDocument(Editor& editor, const fs::path& file) {
    std::string bytes;
    const FileRead read = readFileBytes(file, bytes, kMaxGridFileBytes);
    if (read != FileRead::Read)
        return {read == FileRead::TooLarge ? OpenOutcome::TooLarge : OpenOutcome::Failed};
    const GridExtent extent = measureGridBytes(bytes);
    if (!CharCanvas::sizeFits(extent.cols, extent.rows))
        return {OpenOutcome::TooLarge};
    if (!leaveColorsForPlainText(editor))
        return {OpenOutcome::Stopped};
    beginDocumentChange(editor);
    CharCanvas& canvas = editor.canvas();
    canvas.setSize(1, 1);
    canvas.clearTexts();
    readGridBytes(canvas, bytes);
    return {};
}

} // namespace

OpenBranchResult readTextDocument(Editor& editor, const fs::path& file) {
    const TextFileLines read = readTextFileLines(file);
    if (!read.lines)
        return {read.tooLarge ? OpenOutcome::TooLarge : OpenOutcome::Failed};
    if (!leaveColorsForPlainText(editor))
        return {OpenOutcome::Stopped};
    beginDocumentChange(editor);
    CharCanvas& canvas = editor.canvas();
    canvas.removeAllOwnFonts();
    canvas.removeAllOwnBrushes();
    TextToGrid(*read.lines, canvas);
    editor.document().textStyle = read.style;
    // Unicode art drawn in DOS characters is shown in them.
    if (read.style.byteSet == CharSet::Cp437)
        editor.setGlyphSet(CharSet::Cp437);
    if (read.unmapped > 0)
        editor.StatusMessage(std::to_string(read.unmapped) + kUnmappedCharacters);
    return {};
}

namespace {

// In the order the tests are made; a picture is any name isPictureName accepts (".BMP"
// anywhere, or a picture type's extension).
constexpr std::array<OpenBranch, 5> kOpenBranches = {{
    {".GLG", readGridDocument},
    {".GLF", readGlfDocument},
    {".ANS", readAnsiDocument},
    {".HTM", readHtmlDocument},
    {".BMP", readPictureDocument},
}};

bool branchTakes(const OpenBranch& branch, const std::string& name, const std::string& upper) {
    if (branch.reader == readPictureDocument)
        return isPictureName(name);
    return upper.find(branch.marker) != std::string::npos;
}

OpenBranchResult readDocument(Editor& editor, const fs::path& file, const std::string& upper) {
    BusyCursor busy(editor.ui());
    try {
        for (const OpenBranch& branch : kOpenBranches) {
            if (branchTakes(branch, file.string(), upper))
                return branch.reader ? branch.reader(editor, file) : readTextDocument(editor, file);
        }
        return readTextDocument(editor, file);
    } catch (...) {
        return {OpenOutcome::Failed};
    }
}

} // namespace

void beginDocumentChange(Editor& editor) {
    editor.takeUndoSnapshot();
    editor.document().textStyle = {};
}

OpenBranchResult stopWithoutDocumentFile(Editor& editor) {
    DocumentState& doc = editor.document();
    doc.CurrentFileName = std::string(kNoFile);
    doc.SaveEnabled = false;
    return {OpenOutcome::Stopped};
}

std::span<const OpenBranch> openBranches() {
    return kOpenBranches;
}

fs::path workingDirectory(const Editor& editor) {
    const std::string& dir = editor.settings().WorkingDirectory;
    if (!dir.empty())
        return dir;
    std::error_code ec;
    return fs::current_path(ec);
}

fs::path inWorkingDirectory(const Editor& editor, const std::string& name) {
    const fs::path path(name);
    if (name.empty() || path.is_absolute())
        return path;
    return workingDirectory(editor) / path;
}

int OpenTypeCode(std::string_view path, bool htmlImported) {
    struct ByExtension {
        std::string_view extension;
        int code;
    };
    static constexpr std::array<ByExtension, 5> kCodes = {{
        {".TXT", format_code::WindowsText},
        {".GLG", format_code::GlyphoraPlain},
        {".GLF", format_code::GlyphoraFormat},
        {".ASC", format_code::AsciiText},
        {".ANS", format_code::Ansi},
    }};
    const std::string extension = upperExtension(path);
    for (const ByExtension& entry : kCodes) {
        if (extension == entry.extension)
            return entry.code;
    }
    if (containsIgnoringCase(path, ".HTM") && htmlImported)
        return format_code::HtmlColored;
    return format_code::UserDefined;
}

void OpenCommand(Editor& editor) {
    openChosenFile(editor, kOpenFilter, nullptr);
}

void openChosenFile(Editor& editor, std::string filter, OpenReader reader) {
    FileDialogRequest request;
    request.title = kOpenTitle;
    request.filter = std::move(filter);
    request.initialDir = (workingDirectory(editor) / "").string();
    editor.document().OpenFileName.clear();
    const std::optional<std::string> chosen = editor.ui().openFile(request);
    if (!chosen)
        return;
    editor.document().OpenFileName = *chosen;
    openDocumentWith(editor, reader);
}

bool openDocument(Editor& editor) {
    return openDocumentWith(editor, nullptr);
}

bool openDocumentWith(Editor& editor, OpenReader reader) {
    DocumentState& doc = editor.document();
    const std::string name = inWorkingDirectory(editor, doc.OpenFileName).string();
    const std::string upper = upperCase(name);

    if (editor.textView().visible)
        ToggleTextView(editor);

    const OpenBranchResult result =
        reader ? reader(editor, name) : readDocument(editor, name, upper);
    if (result.outcome == OpenOutcome::Stopped)
        return false;
    if (result.outcome == OpenOutcome::Failed || result.outcome == OpenOutcome::TooLarge) {
        editor.ui().beep();
        editor.ui().message(result.outcome == OpenOutcome::TooLarge ? kTooLarge : kCannotRead);
        stopWithoutDocumentFile(editor);
        return false;
    }
    editor.canvas().updateSizeFields();
    editor.keepSelectionInCanvas();

    const std::string fileName(fileNameOf(name));
    // A picture never becomes the document's file, so "&Save" cannot write text over it.
    const bool picture = isPictureName(name);
    if (upper.find(".HTM") != std::string::npos && result.htmlImported) {
        // The page read is never overwritten by a later "&Save".
        doc.CurrentFileName =
            (fs::path(name).parent_path() / (kImportedPrefix + fileName)).string();
        doc.caption = kImportedPrefix + fileName;
    } else if (!picture) {
        doc.CurrentFileName = name;
        doc.caption = fileName;
    } else {
        doc.CurrentFileName = std::string(kNoFile);
    }
    editor.settings().WorkingDirectory = fs::path(name).parent_path().string();

    const int code = OpenTypeCode(name, result.htmlImported);
    doc.CurrentFormat = code;
    if (!picture)
        doc.SaveFormat = code;
    addToReopenList(doc.ReopenList, name);
    doc.SaveEnabled = doc.CurrentFileName != kNoFile;
    return true;
}

void reopenDocument(Editor& editor, const std::string& entry) {
    editor.document().OpenFileName = entry;
    openDocument(editor);
}

void ForgetDocumentFile(Editor& editor) {
    DocumentState& doc = editor.document();
    doc.caption = kNewDocumentCaption;
    doc.CurrentFileName = std::string(kNoFile);
    doc.SaveEnabled = false;
    doc.textStyle = {};
}

} // namespace glyphora
