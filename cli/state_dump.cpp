#include "state_dump.h"

#include "app/editor.h"
#include "platform/text_codec.h"

namespace glyphora {

namespace {

using Json = nlohmann::ordered_json;

Json bytes(std::string_view text) {
    return latin1ToUtf8(text);
}

Json settingValue(const Settings& s, const SettingRef& ref) {
    struct Visitor {
        const Settings& s;
        Json operator()(std::string Settings::*m) const { return bytes(s.*m); }
        Json operator()(int Settings::*m) const { return s.*m; }
        Json operator()(bool Settings::*m) const { return s.*m; }
        Json operator()(Color Settings::*m) const { return colorToHex(s.*m); }
        Json operator()(ColorMode Settings::*m) const { return static_cast<int>(s.*m); }
        Json operator()(std::vector<std::string> Settings::*m) const {
            Json list = Json::array();
            for (const std::string& item : s.*m)
                list.push_back(bytes(item));
            return list;
        }
    };
    return std::visit(Visitor{s}, ref);
}

} // namespace

Json dumpState(Editor& editor) {
    const CharCanvas& canvas = editor.canvas();
    Json state;
    state["cols"] = canvas.colCount();
    state["rows"] = canvas.rowCount();
    state["mode"] = static_cast<int>(editor.colorMode());
    state["font"] = {{"name", bytes(canvas.font().name)}, {"size", canvas.font().size}};
    state["cellWidth"] = canvas.metrics.colWidth;
    state["cellHeight"] = canvas.metrics.rowHeight;
    state["gridLineWidth"] = canvas.metrics.gridLineWidth;
    state["cellExpansion"] = !editor.cellExpansionDisabled;
    state["cp437Glyphs"] = editor.glyphSet() == CharSet::Cp437;
    state["defaultFg"] = colorToHex(canvas.defaultFontColor());
    state["defaultBg"] = colorToHex(canvas.defaultColor());
    state["activeFg"] = colorToHex(editor.ActiveFontColor);
    state["activeBg"] = colorToHex(editor.ActiveBackColor);

    Json cells = Json::array();
    Json fg = Json::array();
    Json bg = Json::array();
    for (int r = 0; r < canvas.rowCount(); ++r) {
        Json textRow = Json::array();
        Json fgRow = Json::array();
        Json bgRow = Json::array();
        for (int c = 0; c < canvas.colCount(); ++c) {
            const Cell& cell = canvas.cell(c, r);
            textRow.push_back(bytes(canvas.text(c, r)));
            fgRow.push_back(cell.hasOwnFont() ? Json(colorToHex(cell.ownFontColor())) : Json());
            bgRow.push_back(cell.hasOwnBrush() ? Json(colorToHex(cell.ownBrushColor())) : Json());
        }
        cells.push_back(std::move(textRow));
        fg.push_back(std::move(fgRow));
        bg.push_back(std::move(bgRow));
    }
    state["cells"] = std::move(cells);
    state["fg"] = std::move(fg);
    state["bg"] = std::move(bg);

    const SelectionFields& sel = editor.sel();
    const CellRect& grid = editor.gridSelection();
    state["cursor"] = {sel.CursorCol, sel.CursorRow};
    state["selection"] = {grid.left, grid.top, grid.right, grid.bottom};
    Json status = Json::array();
    for (int i = 0; i < StatusBar::kFieldCount; ++i)
        status.push_back(bytes(editor.status().field(i)));
    state["status"] = std::move(status);

    const DocumentState& doc = editor.document();
    state["caption"] = bytes(doc.caption);
    state["currentFileName"] = bytes(doc.CurrentFileName);
    state["currentFormat"] = doc.CurrentFormat;
    state["saveFormat"] = doc.SaveFormat;
    state["undo"] = {{"slot", editor.undoRing().slot()}, {"count", editor.undoRing().count()}};
    state["clipboard"] = editor.ui().clipboardText();

    const Settings settings = editor.currentSettings();
    Json reopen = Json::array();
    for (const std::string& path : doc.ReopenList)
        reopen.push_back(bytes(path));
    state["reopen"] = std::move(reopen);

    Json lines = Json::array();
    for (const std::string& line : editor.textView().lines)
        lines.push_back(bytes(line));
    state["textView"] = {{"visible", editor.textView().visible}, {"lines", std::move(lines)}};

    const FigletPanel& figlet = editor.figletPanel;
    Json figletRows = Json::array();
    for (const std::string& row : figlet.rowsText(figlet.wholeGrid()))
        figletRows.push_back(bytes(row));
    Json figletState;
    figletState["visible"] = figlet.visible();
    figletState["label"] = bytes(figlet.fontLabel());
    figletState["typing"] = bytes(figlet.typing());
    figletState["cols"] = figlet.grid().colCount();
    figletState["rows"] = figlet.grid().rowCount();
    figletState["pen"] = figlet.pen();
    figletState["grid"] = std::move(figletRows);
    state["figlet"] = std::move(figletState);

    CopyGrid& copyGrid = editor.copyGrid;
    Json copyRows = Json::array();
    for (int r = 0; r < copyGrid.cells().rowCount(); ++r) {
        std::string row;
        for (int c = 0; c < copyGrid.cells().colCount(); ++c)
            row += copyGrid.cells().text(c, r);
        copyRows.push_back(bytes(row));
    }
    const CellRect& copySelection = copyGrid.selection();
    state["copyGrid"] = {
        {"visible", copyGrid.visible()},
        {"hint", copyGrid.hintShown()},
        {"cols", copyGrid.cells().colCount()},
        {"rows", copyGrid.cells().rowCount()},
        {"selection",
         {copySelection.left, copySelection.top, copySelection.right, copySelection.bottom}},
        {"grid", std::move(copyRows)}};

    const KnowledgeBase& base = editor.knowledgeBase;
    Json baseFiles = Json::array();
    for (const std::string& name : base.files())
        baseFiles.push_back(bytes(name));
    Json baseLines = Json::array();
    for (const std::string& line : base.lines())
        baseLines.push_back(bytes(line));
    state["knowledgeBase"] = {{"visible", base.visible()},
                              {"position", base.position()},
                              {"files", std::move(baseFiles)},
                              {"lines", std::move(baseLines)}};

    Json fields;
    for (const SettingField& field : settingFields())
        fields[std::string(field.name)] = settingValue(settings, field.ref);
    state["settings"] = std::move(fields);
    return state;
}

} // namespace glyphora
