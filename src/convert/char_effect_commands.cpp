#include "convert/char_effect_commands.h"

#include "app/editor.h"
#include "convert/char_effects.h"
#include "convert/char_palette.h"
#include "platform/text_file.h"

#include <algorithm>
#include <chrono>

namespace glyphora {

namespace {

constexpr std::uintmax_t kMaxLineArtFileBytes = 4 * 1024 * 1024;
constexpr const char* kBreak = "BREAK";

constexpr const char* kInvertCaption = "Analysing ...";
constexpr const char* kInvertStep = "Step 1 of 1";
constexpr const char* kInvertFileError = "ERROR: Couldn`t read invert file. Using intern pattern.";

constexpr const char* kNoLineArtFile = "ERROR: No LineArt INI found.";
constexpr const char* kLineArtDefect = "ERROR: LineArt INI defect.";
constexpr const char* kReduceQuestion = "Should the program try to reduce the linewidth?";
constexpr const char* kBackupCaption = "Creating backup";
constexpr const char* kBackupStep = "Analysing ...";
constexpr const char* kLineArtCaption = "Setting colors ...";
constexpr const char* kLineArtStep = "Finishing.";

constexpr const char* kDotBackupCaption = "Creating Backup ...";
constexpr const char* kDotBackupStep = "Step 2 of 2";

constexpr const char* kCounting = "Counting color ...";
constexpr const char* kTooFewColors =
    "More than three different characters are required for this operation.";
constexpr int kFewestCountedColors = 4;
constexpr const char* kCreatingPalette = "Creating palette ...";
constexpr const char* kSettingColor = "Setting color ...";
constexpr const char* kSettingStep = "Finishing";

void clearMessageField(Editor& editor) {
    editor.status().setField(StatusBar::kMessageField, {});
}

// The status message field without the clearing timer, for texts that last while a command
// runs.
void showWorkingText(Editor& editor, const char* text) {
    editor.status().setField(StatusBar::kMessageField, text);
}

CellRect selectionOnCanvas(const Editor& editor) {
    CellRect rect = editor.sel().rect();
    rect.right = std::min(rect.right, editor.canvas().colCount() - 1);
    rect.bottom = std::min(rect.bottom, editor.canvas().rowCount() - 1);
    return rect;
}

std::mt19937 clockSeededRandom() {
    return std::mt19937(static_cast<std::mt19937::result_type>(
        std::chrono::system_clock::now().time_since_epoch().count()));
}

} // namespace

void InvertSelection(Editor& editor) {
    editor.normalizeSelection();
    BusyCursor busy(editor.ui());
    ProgressPanel& progress = editor.progress();
    progress.showBar(kInvertCaption, true, kInvertStep);
    const std::string& name = editor.settings().InvertDataFile;
    std::optional<InvertTable> table;
    if (name != kInternTable) {
        std::error_code ec;
        const std::filesystem::path path = editor.dataPath(name);
        if (std::filesystem::exists(path, ec)) {
            table = readInvertTable(path);
            if (!table)
                editor.ui().beep();
        }
        if (!table)
            editor.StatusMessage(kInvertFileError);
    }
    if (invertCells(editor.canvas(), selectionOnCanvas(editor), table ? &*table : nullptr,
                    progress) == EffectRun::Aborted) {
        editor.StatusMessage(kBreak);
        progress.hideBar();
        return;
    }
    progress.hideBar();
    clearMessageField(editor);
}

void PreconvertLineArt(Editor& editor) {
    const std::filesystem::path path = editor.dataPath(editor.settings().LineArtDataFile);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) {
        editor.ui().beep();
        editor.StatusMessage(kNoLineArtFile);
        return;
    }
    const Answer reduce = editor.ui().confirm(kReduceQuestion, Buttons::YesNoAbort);
    if (reduce == Answer::Abort)
        return;
    BusyCursor busy(editor.ui());
    ProgressPanel& progress = editor.progress();
    progress.showBar(kBackupCaption, false, kBackupStep);
    editor.takeUndoSnapshot();
    if (reduce == Answer::Yes)
        reduceLineWidth(editor.canvas(), progress);
    progress.showBar(kLineArtCaption, true, kLineArtStep);
    const std::optional<std::vector<std::string>> lines =
        readDataFileLines(path, kMaxLineArtFileBytes);
    if (!lines) {
        editor.StatusMessage(kLineArtDefect);
        progress.hideBar();
        return;
    }
    if (preconvertLineArt(editor.canvas(), parseLineArtTable(*lines), progress) ==
        EffectRun::Aborted)
        editor.StatusMessage(kBreak);
    progress.hideBar();
}

void MakeDotLines(Editor& editor) {
    BusyCursor busy(editor.ui());
    ProgressPanel& progress = editor.progress();
    progress.showBar(kDotBackupCaption, false, kDotBackupStep);
    editor.takeUndoSnapshot();
    makeDotLines(editor.canvas(), progress);
    progress.hideBar();
    clearMessageField(editor);
}

void RandomArtEvery(Editor& editor) {
    BusyCursor busy(editor.ui());
    editor.takeUndoSnapshot();
    std::mt19937 random = clockSeededRandom();
    randomArtEvery(editor.canvas(), random);
}

void RandomArtDistinct(Editor& editor) {
    BusyCursor busy(editor.ui());
    editor.takeUndoSnapshot();
    std::mt19937 random = clockSeededRandom();
    randomArtDistinct(editor.canvas(), random);
}

void SetPalette(Editor& editor) {
    showWorkingText(editor, kCounting);
    const UsedCharacters used = countUsedCharacters(editor.canvas());
    clearMessageField(editor);
    if (used.count < kFewestCountedColors) {
        editor.ui().message(kTooFewColors);
        return;
    }
    const std::optional<DecreaseColorsReply> reply =
        editor.ui().decreaseColors({used.count, used.count - 1});
    if (!reply || reply->newColors >= used.count || reply->newColors < 1)
        return;
    BusyCursor busy(editor.ui());
    editor.takeUndoSnapshot();
    showWorkingText(editor, kCreatingPalette);
    const CharMap map = paletteReductionMap(
        {reply->newColors, reply->currentPalette ? PaletteSource::Current : PaletteSource::Global,
         reply->forceBlackWhite},
        used);
    showWorkingText(editor, kSettingColor);
    ProgressPanel& progress = editor.progress();
    progress.showBar(kSettingColor, false, kSettingStep);
    applyCharMap(editor.canvas(), map, progress);
    progress.hideBar();
    clearMessageField(editor);
}

void CharBrightness(Editor& editor) {
    const std::optional<int> steps = editor.ui().charBrightness();
    if (!steps)
        return;
    BusyCursor busy(editor.ui());
    editor.takeUndoSnapshot();
    ProgressPanel& progress = editor.progress();
    progress.showBar(kSettingColor, false, kSettingStep);
    applyCharMap(editor.canvas(), brightnessMap(*steps), progress);
    progress.hideBar();
}

} // namespace glyphora
