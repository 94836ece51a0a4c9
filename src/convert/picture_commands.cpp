#include "convert/picture_commands.h"

#include "app/editor.h"
#include "color/color_commands.h"
#include "convert/picture_to_art.h"
#include "convert/resample.h"
#include "edit/canvas_size_rules.h"
#include "edit/transform_commands.h"
#include "formats/file_names.h"
#include "platform/mapped_file.h"
#include "platform/picture_io.h"
#include "platform/rounding.h"
#include "platform/text_file.h"
#include "platform/text_numbers.h"

#include <system_error>

namespace glyphora {

namespace fs = std::filesystem;

namespace {

constexpr const char* kImportOk = "&OK";
constexpr const char* kAbsoluteCaption = "Absolut color definition";
constexpr const char* kRelativeCaption = "Relative color definition";
constexpr const char* kConversionGroup = "Conversion: BMP2ASCII ";
constexpr const char* kForegroundCaption = "Foreground";
constexpr const char* kBackgroundCaption = "Background";
constexpr const char* kColoringGroup = "Coloring: BMP2Colorgrid";
constexpr const char* kTemporaryCaption = "Temporary";
constexpr const char* kLockedCaption = "Locked";
constexpr const char* kOverlayGroup = "Overlay";
constexpr const char* kPictureTitle = "Open";
constexpr const char* kColorgridFailed = "ERROR: Couldn`t complete request.";
constexpr const char* kSettingColors = "Setting colors ...";
constexpr const char* kOnlyStep = "Step 1 of 1";

constexpr const char* kCannotOpen = "Couldn`t open image.";
constexpr const char* kSizeTitle = "Resample Picture: RP=";
constexpr const char* kBackupCaption = "Creating Backup ...";
constexpr const char* kInitializing = "Initializing ...";
constexpr const char* kFirstStep = "Step 1 of 3";
constexpr const char* kSecondStep = "Step 2 of 3";
constexpr double kStepOnlyMaximum = 10000;

// A picture that could not be read, before anything changed: the document stays as it was
// and keeps no file.
OpenBranchResult refuseUnreadable(Editor& editor) {
    editor.ui().beep();
    editor.ui().setCursor(AppCursor::Normal);
    editor.ui().message(kCannotOpen);
    return stopWithoutDocumentFile(editor);
}

// The end of every conversion: the document is new and unnamed, captioned with the
// picture's name.
void finishConversion(Editor& editor, const fs::path& file) {
    DocumentState& doc = editor.document();
    doc.CurrentFileName = std::string(kNoFile);
    doc.SaveTargetName.clear();
    doc.SaveEnabled = false;
    editor.progress().hideBar();
    doc.caption = std::string(fileNameOf(file.string()));
    editor.ui().repaintCanvas();
}

// A failure once the undo snapshot is taken: what was converted stays, the cells lose
// their own colours, and the conversion finishes as usual.
OpenBranchResult failConversion(Editor& editor, const fs::path& file) {
    editor.ui().beep();
    editor.ui().setCursor(AppCursor::Normal);
    editor.ui().message(kCannotOpen);
    editor.canvas().removeAllOwnFonts();
    editor.canvas().removeAllOwnBrushes();
    finishConversion(editor, file);
    return {OpenOutcome::Stopped};
}

// The size dialog's answer, as the canvas size dialogs take it, for a picture too.
std::optional<CanvasSize> parseSize(const CanvasSizeReply& reply) {
    CanvasSize size;
    if (parseCanvasSize(reply.width, reply.height, size) != SizeError::None ||
        !Bitmap::sizeFits(size.cols, size.rows))
        return std::nullopt;
    return size;
}

enum class Decoded { Done, Cancelled, Failed };

// The picture at the size asked: as it is when the size is its own, else resampled
// (decoded straight into the resampler) or resized, as the stretch option says.
Decoded decodeAtSize(Editor& editor, std::string_view bytes, const PictureHeader& header,
                     CanvasSize size, Bitmap& picture) {
    if (size.cols == header.width && size.rows == header.height) {
        BitmapSink sink;
        if (decodePicture(bytes, sink) != PictureError::None)
            return Decoded::Failed;
        picture = std::move(sink.bitmap);
        return Decoded::Done;
    }
    const std::optional<StretchOption> option = editor.ui().chooseStretch();
    if (!option)
        return Decoded::Cancelled;
    editor.ui().setCursor(AppCursor::Busy);
    if (*option == StretchOption::Resample) {
        PictureResampler resampler(size.cols, size.rows, lanczos3, kLanczos3Support, true);
        if (decodePicture(bytes, resampler) != PictureError::None)
            return Decoded::Failed;
        picture = resampler.finish();
    } else {
        BitmapSink sink;
        if (decodePicture(bytes, sink) != PictureError::None)
            return Decoded::Failed;
        picture = resizeNearest(sink.bitmap, size.cols, size.rows);
    }
    return picture.empty() ? Decoded::Failed : Decoded::Done;
}

// The table named by the "BMP2ASCII data" setting, or nothing for the built-in ramp (with a
// status message when a table was named but is not there).
std::optional<CharacterRamp> characterTable(Editor& editor) {
    const std::string& setting = editor.settings().Bmp2AsciiDataFile;
    std::error_code ec;
    const fs::path path = editor.programDir() / setting;
    if (setting != kInternTable && fs::is_regular_file(path, ec)) {
        if (std::optional<CharacterRamp> table = readCharacterRamp(path))
            return table;
    }
    if (setting != kInternTable)
        editor.StatusMessage("ERROR: File: " + setting + ". Using intern palette.");
    return std::nullopt;
}

} // namespace

std::string resampleTitle(Editor& editor, int width, int height) {
    const CharMetrics cell = editor.ui().measureChar(editor.canvas().font(), 'A');
    const long double ratio =
        cell.height > 0 ? static_cast<long double>(cell.width) / cell.height : 1.0L;
    return kSizeTitle + std::to_string(width) + "x" + std::to_string(roundHalfEven(ratio * height));
}

OpenBranchResult readPictureDocument(Editor& editor, const fs::path& file) {
    ChoiceRequest request;
    request.title = kImportPictureTitle;
    request.okCaption = kImportOk;
    request.choices = {kAbsoluteCaption,   kRelativeCaption,  kForegroundCaption,
                       kBackgroundCaption, kTemporaryCaption, kLockedCaption};
    request.groups = {{kConversionGroup, kAbsoluteChoice},
                      {kColoringGroup, kForegroundChoice},
                      {kOverlayGroup, kTemporaryOverlayChoice}};
    request.preset = kRelativeChoice;
    const std::optional<int> choice = editor.ui().chooseOne(request);
    if (!choice)
        return {OpenOutcome::Stopped};
    bool done = true;
    switch (*choice) {
    case kAbsoluteChoice:
        return PictureToArt(editor, file, ArtMapping::Absolute);
    case kRelativeChoice:
        return PictureToArt(editor, file, ArtMapping::Relative);
    case kForegroundChoice:
    case kBackgroundChoice:
        done = Colorgrid(editor, file,
                         *choice == kForegroundChoice ? ColorTarget::Foreground
                                                      : ColorTarget::Background);
        break;
    default:
        done =
            showPictureOverlay(editor, file,
                               *choice == kLockedOverlayChoice ? PictureOverlay::Mode::Locked
                                                               : PictureOverlay::Mode::Temporary);
        break;
    }
    return done ? OpenBranchResult{} : OpenBranchResult{OpenOutcome::Stopped};
}

OpenBranchResult PictureToArt(Editor& editor, const fs::path& file, ArtMapping mapping) {
    MappedFile mapped;
    PictureHeader header;
    PictureError error = PictureError::None;
    if (!mapped.open(file) || !readPictureHeader(mapped.bytes(), header, error))
        return refuseUnreadable(editor);
    const std::string_view bytes = mapped.bytes();

    const std::optional<CanvasSizeReply> reply =
        editor.ui().canvasSize({resampleTitle(editor, header.width, header.height),
                                std::to_string(header.width), std::to_string(header.height)});
    if (!reply)
        return {OpenOutcome::Stopped};
    const std::optional<CanvasSize> size = parseSize(*reply);
    if (!size)
        return refuseUnreadable(editor);

    BusyCursor busy(editor.ui());
    ProgressPanel& progress = editor.progress();
    progress.showBar(kBackupCaption, false, kFirstStep);
    editor.takeUndoSnapshot();
    progress.setBarPosition(0, kStepOnlyMaximum, kInitializing, kSecondStep);

    Bitmap picture;
    switch (decodeAtSize(editor, bytes, header, *size, picture)) {
    case Decoded::Cancelled:
        progress.hideBar();
        return {OpenOutcome::Stopped};
    case Decoded::Failed:
        return failConversion(editor, file);
    case Decoded::Done:
        break;
    }
    mapped.close();

    CharCanvas& canvas = editor.canvas();
    canvas.setSize(picture.width(), picture.height());
    canvas.updateSizeFields();
    greyPicture(picture);

    const std::optional<CharacterRamp> table = characterTable(editor);
    const CharacterRamp* ramp = table ? &*table : nullptr;
    std::optional<GreyCharacters> characters;
    int progressMaximum = picture.width() - 1;
    if (mapping == ArtMapping::Absolute) {
        characters = absoluteCharacters(ramp);
        if (!ramp)
            progressMaximum = picture.width();
    } else {
        const GreyRange range = greyRange(picture);
        characters = relativeCharacters(ramp, range.darkest, range.brightest);
        // One grey level only: the ramp has no steps.
        if (!characters)
            return failConversion(editor, file);
    }
    writeArt(picture, *characters, canvas, progress, progressMaximum);
    if (!ramp) {
        canvas.removeAllOwnFonts();
        canvas.removeAllOwnBrushes();
    }
    finishConversion(editor, file);
    return {};
}

namespace {

// The open dialog for a picture; nothing when cancelled.
std::optional<fs::path> choosePicture(Editor& editor) {
    FileDialogRequest request;
    request.title = kPictureTitle;
    request.filter = std::string("Bitmap|") + kPicturePatterns + "|All|*.*";
    request.initialDir = (workingDirectory(editor) / "").string();
    editor.document().OpenFileName.clear();
    const std::optional<std::string> chosen = editor.ui().openFile(request);
    if (!chosen)
        return std::nullopt;
    editor.document().OpenFileName = *chosen;
    return inWorkingDirectory(editor, *chosen);
}

bool loadPicture(const fs::path& file, Bitmap& picture) {
    return readPictureFile(file, picture) == PictureError::None;
}

} // namespace

bool Colorgrid(Editor& editor, const fs::path& file, ColorTarget target) {
    BusyCursor busy(editor.ui());
    ProgressPanel& progress = editor.progress();
    Bitmap picture;
    const bool loaded = loadPicture(file, picture);
    if (loaded) {
        progress.showBar(kSettingColors, false, kOnlyStep);
        const ColorMode mode = editor.colorMode();
        if (target == ColorTarget::Foreground && mode != ColorMode::FullColored &&
            mode != ColorMode::FontColored)
            enterColorMode(editor, ColorMode::FontColored, false);
        if (target == ColorTarget::Background && mode != ColorMode::FullColored)
            enterColorMode(editor, ColorMode::FullColored, false);
        colorGrid(picture, editor.canvas(), target, progress);
    }
    progress.hideBar();
    if (!loaded)
        editor.StatusMessage(kColorgridFailed);
    editor.ui().repaintCanvas();
    return loaded;
}

void ColorgridForeground(Editor& editor) {
    if (const std::optional<fs::path> file = choosePicture(editor))
        Colorgrid(editor, *file, ColorTarget::Foreground);
}

void ColorgridBackground(Editor& editor) {
    if (const std::optional<fs::path> file = choosePicture(editor))
        Colorgrid(editor, *file, ColorTarget::Background);
}

bool showPictureOverlay(Editor& editor, const fs::path& file, PictureOverlay::Mode mode) {
    BusyCursor busy(editor.ui());
    editor.overlay.clear();
    editor.ui().repaintCanvas();
    Bitmap picture;
    if (!loadPicture(file, picture))
        return false;
    editor.overlay.picture = std::move(picture);
    editor.overlay.mode = mode;
    editor.ui().repaintCanvas();
    return true;
}

void TempOverlay(Editor& editor) {
    if (const std::optional<fs::path> file = choosePicture(editor))
        showPictureOverlay(editor, *file, PictureOverlay::Mode::Temporary);
}

void LockedOverlay(Editor& editor) {
    if (const std::optional<fs::path> file = choosePicture(editor))
        showPictureOverlay(editor, *file, PictureOverlay::Mode::Locked);
}

void ClearOverlay(Editor& editor) {
    editor.overlay.clear();
    editor.ui().repaintCanvas();
}

} // namespace glyphora
