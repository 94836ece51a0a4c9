#include "app/editor.h"

#include "color/color_modes.h"

#include <algorithm>
#include <random>
#include <system_error>

namespace glyphora {

namespace {

constexpr int kStartCols = 80;
constexpr int kStartRows = 50;
constexpr const char* kUndoDirectory = "Undo";
constexpr const char* kWelcomeStatus = " W E L C O M E ";

} // namespace

std::string Editor::randomInstanceTag() {
    std::random_device device;
    std::mt19937 engine(device());
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    std::string tag;
    for (int i = 0; i < 3; ++i)
        tag += static_cast<char>('0' + static_cast<int>(std::nearbyint(unit(engine) * 9)));
    return tag;
}

Editor::Editor(Ui& ui, std::filesystem::path programDir, std::string instanceTag)
    : Editor(ui, ProgramPlaces{programDir, programDir, programDir}, std::move(instanceTag)) {}

Editor::Editor(Ui& ui, const ProgramPlaces& places, std::string instanceTag)
    : ui_(ui), programDir_(places.home), shippedDataDir_(places.shippedData),
      executableDir_(places.executableDir), canvas_(kStartCols, kStartRows),
      settings_(defaultSettings(programDir_)), status_(ui), progress_(ui),
      undo_(programDir_ / kUndoDirectory, std::move(instanceTag)) {
    TextFont font;
    font.size = settings_.FontSize;
    canvas_.setFont(font);
    status_.StatusMessage(kWelcomeStatus);
    updateCellSize();
    undo_.reset();
    TextToGrid(welcomePicture(), canvas_);
    setShowGrid(settings_.ShowGrid);
    setGridSelection({0, 0, 0, 0});
    textClip.ClipboardFilled = true;
}

std::filesystem::path Editor::dataPath(const std::filesystem::path& relative) const {
    std::error_code ec;
    const std::filesystem::path own = programDir_ / relative;
    if (std::filesystem::exists(own, ec))
        return own;
    const std::filesystem::path shipped = shippedDataDir_ / relative;
    return std::filesystem::exists(shipped, ec) ? shipped : own;
}

void Editor::setColorMode(ColorMode mode) {
    checkColorMode(mode);
    applyColorModeEntry(canvas_, mode);
}

void Editor::checkColorMode(ColorMode mode) {
    if (mode == ColorMode::Ansi)
        setGlyphSet(CharSet::Cp437);
    else if (mode_ == ColorMode::Ansi)
        setGlyphSet(CharSet::Windows1252);
    mode_ = mode;
}

void Editor::setGlyphSet(CharSet set) {
    if (glyphSet_ == set)
        return;
    glyphSet_ = set;
    ui_.repaintCanvas();
}

void Editor::setGridSelection(CellRect rect) {
    gridAnchor_ = {std::min(rect.left, rect.right), std::min(rect.top, rect.bottom)};
    moveGridTo({std::max(rect.left, rect.right), std::max(rect.top, rect.bottom)}, true);
    syncSelectionFields();
}

CellPos Editor::clampedToCanvas(CellPos cell) const {
    return {std::clamp(cell.col, 0, canvas_.colCount() - 1),
            std::clamp(cell.row, 0, canvas_.rowCount() - 1)};
}

void Editor::moveGridTo(CellPos cell, bool extend) {
    gridCurrent_ = clampedToCanvas(cell);
    gridAnchor_ = extend ? clampedToCanvas(gridAnchor_) : gridCurrent_;
}

CellRect Editor::gridSelection() const {
    // Derived on each read, so it stays inside a canvas that has shrunk since.
    const CellPos anchor = clampedToCanvas(gridAnchor_);
    const CellPos current = clampedToCanvas(gridCurrent_);
    return {std::min(anchor.col, current.col), std::min(anchor.row, current.row),
            std::max(anchor.col, current.col), std::max(anchor.row, current.row)};
}

void Editor::syncSelectionFields() {
    const CellRect grid = gridSelection();
    sel_.CursorCol = sel_.SelEndCol = grid.left;
    sel_.CursorRow = sel_.SelEndRow = grid.top;
    sel_.SelStartCol = grid.right;
    sel_.SelStartRow = grid.bottom;
    status_.setField(StatusBar::kPositionField,
                     StatusBar::positionText(sel_.CursorCol, sel_.CursorRow));
}

void Editor::keepSelectionInCanvas() {
    const auto inside = [this](int col, int row) { return canvas_.contains(col, row); };
    const bool fieldsInside =
        inside(sel_.CursorCol, sel_.CursorRow) && inside(sel_.SelEndCol, sel_.SelEndRow) &&
        inside(sel_.SelStartCol, sel_.SelStartRow) && inside(sel_.SelLeft, sel_.SelTop) &&
        inside(sel_.SelRight, sel_.SelBottom);
    const bool gridInside =
        inside(gridAnchor_.col, gridAnchor_.row) && inside(gridCurrent_.col, gridCurrent_.row);
    if (!fieldsInside || !gridInside) {
        setGridSelection(gridSelection());
        const CellRect grid = gridSelection();
        sel_.SelLeft = grid.left;
        sel_.SelTop = grid.top;
        sel_.SelRight = grid.right;
        sel_.SelBottom = grid.bottom;
    }
    const CellPos previewCell = clampedToCanvas({preview.col, preview.row});
    preview.col = previewCell.col;
    preview.row = previewCell.row;
    const CellPos firstVisible = clampedToCanvas({firstVisibleCol, firstVisibleRow});
    firstVisibleCol = firstVisible.col;
    firstVisibleRow = firstVisible.row;
}

void Editor::normalizeSelection() {
    if (!suspendSnapshots)
        takeUndoSnapshot();
    if (sel_.SelStartCol == sel_.SelEndCol && sel_.SelStartRow == sel_.SelEndRow) {
        StatusMessage("Selection set to 1x1");
        sel_.SelLeft = sel_.SelRight = sel_.SelEndCol;
        sel_.SelTop = sel_.SelBottom = sel_.SelEndRow;
        return;
    }
    sel_.SelLeft = std::min(sel_.SelStartCol, sel_.SelEndCol);
    sel_.SelRight = std::max(sel_.SelStartCol, sel_.SelEndCol);
    sel_.SelTop = std::min(sel_.SelStartRow, sel_.SelEndRow);
    sel_.SelBottom = std::max(sel_.SelStartRow, sel_.SelEndRow);
    if (sel_.SelRight - sel_.SelLeft > kMaxSelection - 1) {
        ui_.beep();
        sel_.SelRight = sel_.SelLeft + kMaxSelection - 1;
        StatusMessage("Selection out of range (x>499). Set x:=499");
    }
    if (sel_.SelBottom - sel_.SelTop > kMaxSelection - 1) {
        ui_.beep();
        sel_.SelBottom = sel_.SelTop + kMaxSelection - 1;
        StatusMessage("Selection out of range (y>499). Set y:=499");
    }
}

void Editor::normalizeSelectionWithoutSnapshot() {
    const SnapshotSuspension suspended(*this);
    normalizeSelection();
}

void Editor::takeUndoSnapshot() {
    if (settings_.EnableUndo)
        undo_.takeSnapshot(canvas_, settings_.UndoSteps);
}

void Editor::updateCellSize() {
    const CharMetrics size = ui_.measureChar(canvas_.font(), 'A');
    const int expansion = cellExpansionDisabled ? 0 : kCellExpansion;
    canvas_.metrics.colWidth = size.width + expansion;
    canvas_.metrics.rowHeight = size.height + expansion;
    // Outside Plain mode every cell carries its own font, following the canvas font size.
    if (mode_ != ColorMode::Plain)
        canvas_.giveEveryCellOwnFont();
}

void Editor::ApplyFontSize(int size) {
    TextFont font = canvas_.font();
    font.size = std::clamp(size, kMinFontSize, kMaxFontSize);
    canvas_.setFont(font);
    updateCellSize();
}

void Editor::setShowGrid(bool show) {
    settings_.ShowGrid = show;
    canvas_.metrics.gridLineWidth = show ? 1 : 0;
}

void Editor::scrollTo(int col, int row) {
    firstVisibleCol = std::clamp(col, 0, canvas_.colCount() - 1);
    firstVisibleRow = std::clamp(row, 0, canvas_.rowCount() - 1);
    ui_.scrollCanvasTo(firstVisibleCol, firstVisibleRow);
}

void Editor::Refresh() {
    canvas_.updateSizeFields();
    updateCellSize();
    ui_.repaintCanvas();
    progress_.stopBarAnimation();
    progress_.hideBar();
}

Settings Editor::currentSettings() const {
    Settings s = settings_;
    s.FontSize = canvas_.font().size;
    s.MainFontName = canvas_.font().name;
    s.MainFontColor = canvas_.defaultFontColor();
    s.MainGridColor = canvas_.defaultColor();
    s.ColorMode = mode_;
    s.ShowGrid = canvas_.metrics.gridLineWidth != 0;
    s.History = document_.ReopenList;
    return s;
}

std::string Editor::setSetting(std::string_view name, std::string_view value) {
    const SettingField* field = findSettingField(name);
    if (!field)
        return "unknown setting: " + std::string(name);
    Settings next = currentSettings();
    if (std::string error = setSettingFromText(next, *field, value); !error.empty())
        return error;
    settings_ = next;
    // Fields whose value lives in the canvas or the mode take effect at once.
    if (name == "FontSize") {
        ApplyFontSize(next.FontSize);
    } else if (name == "MainFontName") {
        TextFont font = canvas_.font();
        font.name = next.MainFontName;
        canvas_.setFont(font);
        updateCellSize();
    } else if (name == "MainFontColor") {
        canvas_.setDefaultFontColor(next.MainFontColor);
    } else if (name == "MainGridColor") {
        canvas_.setDefaultColor(next.MainGridColor);
    } else if (name == "ColorMode") {
        setColorMode(next.ColorMode);
    } else if (name == "ShowGrid") {
        setShowGrid(next.ShowGrid);
    } else if (name == "History") {
        document_.ReopenList = next.History;
    }
    return {};
}

} // namespace glyphora
