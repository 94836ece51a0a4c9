#include "convert/art_to_picture_commands.h"

#include "app/editor.h"
#include "convert/canvas_picture.h"
#include "color/color_commands.h"
#include "convert/art_to_picture.h"
#include "convert/picture_commands.h"
#include "convert/resample.h"
#include "formats/file_names.h"
#include "formats/open_save_commands.h"
#include "platform/picture_io.h"
#include "platform/text_file.h"
#include "platform/text_numbers.h"


namespace glyphora {

namespace fs = std::filesystem;

namespace {

constexpr const char* kViewerWriteFailed = "Error";
constexpr const char* kCaptureFailed = "Couldn`t write file";
constexpr const char* kCreatingImage = "Creating Image ...";
constexpr const char* kOnlyStep = "Step 1 of 1";
constexpr const char* kDestroyQuestion = "This will destroy the current grid. Continue?";
constexpr const char* kCannotOpenPicture = "Couldn`t open picture.";
constexpr const char* kCannotOpenText = "Couldn`t open text.";
constexpr const char* kTextFilter = "*.Text|*.txt";
constexpr const char* kOpenTitle = "Open";
constexpr const char* kNewDocumentCaption = "NoName";

// The file a picture is written to: a name ending ".png" is kept (PNG is written), any
// other gets the bitmap extension unless it has it (anywhere, for the viewer; at the end,
// for the captures). False when the user keeps an existing file.
bool preparePictureTarget(Editor& editor, bool anywhere, std::string_view extension) {
    std::string& name = editor.document().SaveTargetName;
    if (!writesPng(name)) {
        const std::string upper = upperCase(name);
        const bool has = anywhere ? upper.find(".BMP") != std::string::npos
                                  : upper.size() >= 4 && upper.ends_with(".BMP");
        if (!has)
            name += extension;
    }
    return confirmSaveTarget(editor);
}

bool writePicture(Editor& editor, const Bitmap& picture) {
    const std::string bytes = encodePictureFor(editor.document().SaveTargetName, picture);
    return !bytes.empty() && writeSaveTarget(editor, bytes);
}

// The viewer over a picture of one pixel per cell; "Save" writes its magnified image.
SaveOutcome viewAndSave(Editor& editor, const Bitmap& picture) {
    editor.progress().hideBar();
    editor.ui().setCursor(AppCursor::Normal);
    const std::optional<ViewerSettings> chosen = editor.ui().viewPicture(picture);
    if (!chosen) {
        editor.document().SaveTargetName = std::string(kNoFile);
        return SaveOutcome::Declined;
    }
    if (!preparePictureTarget(editor, true, ".BMP"))
        return SaveOutcome::Declined;
    if (writePicture(editor, magnifiedPicture(picture, chosen->zoom, chosen->ratio)))
        return SaveOutcome::Written;
    editor.ui().beep();
    editor.ui().message(kViewerWriteFailed);
    return SaveOutcome::Failed;
}

template <typename Make> SaveOutcome cellPicture(Editor& editor, Make make) {
    Bitmap picture;
    {
        BusyCursor busy(editor.ui());
        editor.progress().showBar(kCreatingImage, false, kOnlyStep);
        picture = make();
    }
    return viewAndSave(editor, picture);
}

// Renders cells through the shell's renderer and writes them; a failure says so in a box.
SaveOutcome capture(Editor& editor, int firstCol, int firstRow, int width, int height) {
    if (!preparePictureTarget(editor, false, ".bmp"))
        return SaveOutcome::Declined;
    bool written = false;
    {
        BusyCursor busy(editor.ui());
        CanvasPictureRenderer* renderer = editor.canvasPictures;
        if (renderer && Bitmap::sizeFits(width, height) && width > 0 && height > 0) {
            const std::optional<Bitmap> picture = renderer->render(
                editor.canvas(), editor.glyphSet(), firstCol, firstRow, width, height);
            written = picture && writePicture(editor, *picture);
        }
    }
    if (written)
        return SaveOutcome::Written;
    editor.ui().beep();
    editor.ui().message(kCaptureFailed);
    return SaveOutcome::Failed;
}

std::optional<fs::path> chooseFile(Editor& editor, std::string filter) {
    FileDialogRequest request;
    request.title = kOpenTitle;
    request.filter = std::move(filter);
    request.initialDir = (workingDirectory(editor) / "").string();
    const std::optional<std::string> chosen = editor.ui().openFile(request);
    if (!chosen)
        return std::nullopt;
    return inWorkingDirectory(editor, *chosen);
}

} // namespace

SaveOutcome SaveCharsPicture(Editor& editor) {
    return cellPicture(editor, [&] { return charsToPicture(editor.canvas(), editor.progress()); });
}

SaveOutcome SaveFontColorPicture(Editor& editor) {
    return cellPicture(editor, [&] {
        return colorsToPicture(editor.canvas(), ColorSource::Font, editor.progress());
    });
}

SaveOutcome SaveCellColorPicture(Editor& editor) {
    return cellPicture(editor, [&] {
        return colorsToPicture(editor.canvas(), ColorSource::Cell, editor.progress());
    });
}

SaveOutcome SaveVisibleCanvasPicture(Editor& editor) {
    const CharCanvas& canvas = editor.canvas();
    const long long colPitch = canvas.metrics.colWidth + canvas.metrics.gridLineWidth;
    const long long rowPitch = canvas.metrics.rowHeight + canvas.metrics.gridLineWidth;
    const int first = std::clamp(editor.firstVisibleCol, 0, canvas.colCount() - 1);
    const int top = std::clamp(editor.firstVisibleRow, 0, canvas.rowCount() - 1);
    const long long cols = std::min(editor.visibleCols, canvas.colCount() - first);
    const long long rows = std::min(editor.visibleRows, canvas.rowCount() - top);
    return capture(editor, first, top, static_cast<int>(std::min(cols * colPitch, 1LL << 30)),
                   static_cast<int>(std::min(rows * rowPitch, 1LL << 30)));
}

SaveOutcome SaveWholeCanvasPicture(Editor& editor) {
    const CharCanvas& canvas = editor.canvas();
    const long long width =
        static_cast<long long>(canvas.metrics.colWidth + canvas.metrics.gridLineWidth) *
        canvas.colCount();
    const long long height =
        static_cast<long long>(canvas.metrics.rowHeight + canvas.metrics.gridLineWidth) *
        canvas.rowCount();
    if (!Bitmap::sizeFits(width, height) || width > INT32_MAX || height > INT32_MAX) {
        editor.ui().beep();
        editor.ui().message(kCaptureFailed);
        return SaveOutcome::Failed;
    }
    return capture(editor, 0, 0, static_cast<int>(width), static_cast<int>(height));
}

void PictureToFormArt(Editor& editor) {
    if (editor.ui().confirm(kDestroyQuestion, Buttons::YesNo) != Answer::Yes)
        return;
    const std::optional<fs::path> pictureFile =
        chooseFile(editor, std::string("*.Bitmap|") + kPicturePatterns);
    if (!pictureFile)
        return;
    Bitmap picture;
    if (readPictureFile(*pictureFile, picture) != PictureError::None) {
        editor.ui().message(kCannotOpenPicture);
        return;
    }
    const std::optional<CanvasSizeReply> reply =
        editor.ui().canvasSize({resampleTitle(editor, picture.width(), picture.height()),
                                std::to_string(picture.width()), std::to_string(picture.height())});
    if (!reply)
        return;
    const std::optional<int> w = parseInteger<int>(reply->width);
    const std::optional<int> h = parseInteger<int>(reply->height);
    if (!w || !h || *w < 1 || *h < 1 || !CharCanvas::sizeFits(*w, *h) ||
        !Bitmap::sizeFits(*w, *h)) {
        editor.ui().beep();
        return;
    }
    Bitmap form(*w, *h);
    {
        BusyCursor busy(editor.ui());
        ResampleBitmap(picture, form, lanczos3, kLanczos3Support);
        CharCanvas& canvas = editor.canvas();
        canvas.setSize(*w, *h);
        canvas.updateSizeFields();
    }
    const std::optional<fs::path> textFile = chooseFile(editor, kTextFilter);
    if (!textFile)
        return;
    std::string text;
    // The text fills at most the canvas's cells: a larger file is refused before it is read.
    constexpr auto kMaxFormTextBytes = 3 * static_cast<std::uintmax_t>(CharCanvas::kMaxCells);
    if (readFileBytes(*textFile, text, kMaxFormTextBytes) != FileRead::Read) {
        editor.ui().message(kCannotOpenText);
        return;
    }
    BusyCursor busy(editor.ui());
    std::string& formChar = editor.settings().Picture2FormChar;
    if (formChar.empty())
        formChar = " ";
    if (editor.colorMode() != ColorMode::Plain)
        enterColorMode(editor, ColorMode::Plain, false);
    CharCanvas& canvas = editor.canvas();
    layTextOnPicture(form, text, formChar.front(), canvas);
    canvas.removeAllOwnFonts();
    canvas.removeAllOwnBrushes();
    DocumentState& doc = editor.document();
    doc.CurrentFileName = std::string(kNoFile);
    doc.SaveEnabled = false;
    doc.SaveTargetName.clear();
    doc.caption = std::string(fileNameOf(textFile->string()));
    if (doc.caption.empty())
        doc.caption = kNewDocumentCaption;
    editor.ui().repaintCanvas();
}

} // namespace glyphora
