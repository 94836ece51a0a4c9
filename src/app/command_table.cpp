#include "app/command_table.h"

#include "app/code_table_commands.h"
#include "app/editor.h"
#include "app/knowledge_base_commands.h"
#include "app/text_browser.h"
#include "app/info_commands.h"
#include "app/tool_commands.h"
#include "app/window_commands.h"
#include "canvas/canvas_commands.h"
#include "color/cell_color_commands.h"
#include "color/color_commands.h"
#include "color/color_transform_commands.h"
#include "color/color_window_commands.h"
#include "config/configure_commands.h"
#include "convert/char_effect_commands.h"
#include "convert/art_to_picture_commands.h"
#include "convert/picture_commands.h"
#include "edit/clipboard_commands.h"
#include "edit/copy_grid_commands.h"
#include "edit/input_commands.h"
#include "edit/search_commands.h"
#include "edit/transform_commands.h"
#include "formats/glf_commands.h"
#include "formats/html_export_commands.h"
#include "formats/html_import_commands.h"
#include "formats/open_save_commands.h"
#include "paint/manual_paint_commands.h"
#include "paint/paint_commands.h"
#include "platform/text_case.h"
#include "textfx/figlet_commands.h"
#include "textfx/text_effect_commands.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace glyphora {

namespace {

constexpr std::array<std::string_view, 11> kTopLevelMenus = {
    "&File",       "Edit&1",   "Edit&2", "&Image",   "&Effects", "&Paint",
    "&ColorTools", "&Special", "&View",  "&Options", "I&nfo",
};

constexpr std::string_view kPathSeparator = " > ";

bool showGridChecked(const Editor& e) {
    return e.canvas().metrics.gridLineWidth != 0;
}
bool cp437GlyphsChecked(const Editor& e) {
    return e.glyphSet() == CharSet::Cp437;
}
bool cellExpansionDisabledChecked(const Editor& e) {
    return e.cellExpansionDisabled;
}
bool textViewChecked(const Editor& e) {
    return e.textView().visible;
}
bool saveOptimizedChecked(const Editor& e) {
    return e.settings().SaveOptimized;
}
bool undoEnabledChecked(const Editor& e) {
    return e.settings().EnableUndo;
}

bool paintbarChecked(const Editor& e) {
    return e.settings().ShowPaintbar;
}
bool pastePreviewChecked(const Editor& e) {
    return e.settings().PastePreview;
}
bool redefineKeysChecked(const Editor& e) {
    return e.settings().RedefineKeys;
}
bool infoMessagesChecked(const Editor& e) {
    return e.settings().ShowInfoMessages;
}
bool showInTaskChecked(const Editor& e) {
    return e.settings().ShowInTask;
}
bool statusbarChecked(const Editor& e) {
    return e.settings().ShowStatusbar;
}
bool stayOnTopChecked(const Editor& e) {
    return e.settings().StayOnTop;
}

// Rows in menu order: the menus are built in this order. Rows without a handler are
// headings, shown as disabled lines.
std::vector<CommandRow> buildRows() {
    return {
        // File
        {"OpenCommand", "&File > &Open", "Ctrl+O", OpenCommand},
        {"SaveToCurrentFile", "&File > &Save", "", SaveToCurrentFile, saveEnabled},
        {"SaveAs", "&File > Save &as ...", "Ctrl+S", SaveAs},
        {"NewCanvas", "&File > &New", "Ctrl+N", NewCanvas},
        {"PrintCanvas", "&File > &Print", "", PrintCanvas},
        // The hidden "Special" submenu.
        {"ExportRowTables", "&File > Special > Save IE4.x Table", "", ExportRowTables, nullptr,
         nullptr, true},
        {"ImportHtml", "&File > Special > Import HTML", "", ImportHtml, nullptr, nullptr, true},
        {"ExportCssColoredText", "&File > Special > Export font colored with CSS", "",
         ExportCssColoredText, nullptr, nullptr, true},
        {"ExportCssTable", "&File > Special > Export table with CSS", "", ExportCssTable, nullptr,
         nullptr, true},
        {"SaveQuickDocument", "&File > S&ave \"Current.GLF\"", "F1", SaveQuickDocument},
        {"LoadQuickDocument", "&File > &Load \"Current.GLF\"", "F2", LoadQuickDocument},
        {"ToggleCopyGridPane", "&File > Open file in &copy grid", "", ToggleCopyGridPane},
        {"NewEditorInstance", "&File > New Editor &Instance", "", NewEditorInstance},
        {"ExitProgram", "&File > E&xit", "Ctrl+Q", ExitProgram},
        // Edit1
        {"Undo", "Edit&1 > &Undo", "Ctrl+Z", Undo},
        {"CutBlock", "Edit&1 > &Cut", "Ctrl+X", CutBlock},
        {"CopyBlock", "Edit&1 > C&opy", "Ctrl+C", CopyBlock},
        {"PasteBlock", "Edit&1 > &Paste", "Ctrl+V", PasteBlock},
        {"PasteOver", "Edit&1 > Paste &over", "Ctrl+F1", PasteOver},
        {"PasteUnder", "Edit&1 > Paste u&nder", "Ctrl+F2", PasteUnder},
        {"DeleteBlock", "Edit&1 > &Delete", "Del", DeleteBlock},
        {"SelectAll", "Edit&1 > &Select all", "Ctrl+A", SelectAll},
        {"CopyAll", "Edit&1 > Copy &all", "", CopyAll},
        {"CompleteCols", "Edit&1 > Selec&t ... > complete &cols", "", CompleteCols},
        {"CompleteRows", "Edit&1 > Selec&t ... > complete &rows", "", CompleteRows},
        {"ShowSelectionNavigator", "Edit&1 > Selection Na&v.", "", ShowSelectionNavigator},
        // Edit2
        {"FlipVertical", "Edit&2 > Flip &vert.", "", FlipVertical},
        {"FlipHorizontal", "Edit&2 > Flip &horz.", "", FlipHorizontal},
        {"FlipCharsHorz", "Edit&2 > Flip &char's > &horz.", "", FlipCharsHorz},
        {"FlipCharsVert", "Edit&2 > Flip &char's > &vert.", "", FlipCharsVert},
        {"Crop", "Edit&2 > &Crop", "", Crop},
        {"CenterRows", "Edit&2 > C&enter", "", CenterRows},
        {"CopyRotated", "Edit&2 > C&opy 90\xB0 rotated", "", CopyRotated},
        {"ReplaceAll", "Edit&2 > &Replace/Search > Replace &All", "", ReplaceAll},
        {"ReplaceArea", "Edit&2 > &Replace/Search > Replace Ar&ea", "", ReplaceArea},
        {"ReplaceText", "Edit&2 > &Replace/Search > Replace &text", "", ReplaceText},
        {"SearchText", "Edit&2 > &Replace/Search > &Search text", "", SearchText},
        {"ToUpperCase", "Edit&2 > Char.&Selection > &UPPERCASE", "", ToUpperCase},
        {"ToLowerCase", "Edit&2 > Char.&Selection > &lowercase", "", ToLowerCase},
        {"CopyColorBlock", "Edit&2 > Copy wi&th Color", "", CopyColorBlock},
        {"PasteColorBlock", "Edit&2 > Paste wit&h Color", "", PasteColorBlock},
        // Image
        {"SetCanvas", "&Image > &Set canvas", "", SetCanvas},
        {"ResizeCanvas", "&Image > &Resize", "", ResizeCanvas},
        {"SetPalette", "&Image > Set palette", "", SetPalette},
        {"CharBrightness", "&Image > &Brightness", "", CharBrightness},
        {"DeleteSelectedRows", "&Image > &Delete rows", "", DeleteSelectedRows},
        {"DeleteSelectedCols", "&Image > Delete &cols", "", DeleteSelectedCols},
        {"InsertRowAtCursor", "&Image > &Insert row", "", InsertRowAtCursor},
        {"InsertColAtCursor", "&Image > &Insert col", "", InsertColAtCursor},
        {"ImageInfo", "&Image > I&mage Info", "", ImageInfo},
        {"RefreshWindow", "&Image > Re&fresh", "", RefreshWindow},
        // Effects
        {"FillSelectionWithText", "&Effects > Fill selection with &textfile", "",
         FillSelectionWithText},
        {"FillCharWithText", "&Effects > Fill &char. with textfile", "", FillCharWithText},
        {"FillBackgroundWithPattern", "&Effects > &Fill background with pattern", "",
         FillBackgroundWithPattern},
        {"InsertSignature", "&Effects > &Insert signature.txt", "Ctrl+M", InsertSignature},
        {"InvertSelection", "&Effects > In&vert  selection", "", InvertSelection},
        {"PictureToFormArt", "&Effects > BMP 2 &ASCII (form art)", "", PictureToFormArt},
        // Paint
        {"HeadingSolid", "&Paint > SOLID:", ""},
        {"PaintHorzLine", "&Paint > &Line horiz. > Line &horz.", "", PaintHorzLine},
        {"PaintVertLine", "&Paint > &Line horiz. > Line &vert.", "", PaintVertLine},
        {"PaintFallingLine", "&Paint > &Line horiz. > Line &\\", "", PaintFallingLine},
        {"PaintRisingLine", "&Paint > &Line horiz. > Line &/", "", PaintRisingLine},
        {"PaintRectangle", "&Paint > &Rectangle > &Empty", "", PaintRectangle},
        {"PaintFilledRectangle", "&Paint > &Rectangle > &Filled", "", PaintFilledRectangle},
        {"Floodfill", "&Paint > &Fill > with &character", "F11", Floodfill},
        {"FillWithPattern", "&Paint > &Fill > with &pattern", "F12", FillWithPattern},
        {"PaintCircle", "&Paint > &Circle", "", PaintCircle},
        {"ManualPaintChar", "&Paint > &Manual (Shift+mousemove)", "", ManualPaintChar, nullptr,
         isManualPaintCharChecked},
        {"HeadingLine", "&Paint > LINE:", ""},
        {"LineArtHorz", "&Paint > Line &horiz. > Line &horz.", "", LineArtHorz},
        {"LineArtVert", "&Paint > Line &horiz. > Line &vert.", "", LineArtVert},
        {"LineArtFalling", "&Paint > Line &horiz. > Line &\\", "", LineArtFalling},
        {"LineArtRising", "&Paint > Line &horiz. > Line &/", "", LineArtRising},
        {"ToggleDotMode", "&Paint > Line &horiz. > &dot mode", "", ToggleDotMode, nullptr,
         dotModeChecked},
        {"LineArtRectangle", "&Paint > Rec&tangle", "", LineArtRectangle},
        // ColorTools
        {"SetModePlain", "&ColorTools > Color &mode > Plain &text (TXT,ASCII,CSV,HTML-Plaint.,GLG)",
         "", SetModePlain, nullptr, isModePlainChecked},
        {"SetModeFontColored", "&ColorTools > Color &mode > &Font colored (HTML colored)", "",
         SetModeFontColored, nullptr, isModeFontColoredChecked},
        {"SetModeFullColored",
         "&ColorTools > Color &mode > Font + backgr. colored (&HTML table, GLF)", "",
         SetModeFullColored, nullptr, isModeFullColoredChecked},
        {"SetModeAnsi", "&ColorTools > Color &mode > F&ont + backgr. colored (ANSI, RTF)", "",
         SetModeAnsi, nullptr, isModeAnsiChecked},
        {"ToggleColorWindow", "&ColorTools > Color &Dialog Window", "", ToggleColorWindow,
         isFontColorToolsEnabled, isColorWindowChecked},
        {"ColorgridForeground", "&ColorTools > &Special > &BMP2Colorgrid > &foreground", "",
         ColorgridForeground},
        {"ColorgridBackground", "&ColorTools > &Special > &BMP2Colorgrid > &background", "",
         ColorgridBackground},
        {"NegativeFg", "&ColorTools > &Special > &Negative > &foreground", "", NegativeFg,
         isColorSpecialEnabled},
        {"NegativeBg", "&ColorTools > &Special > &Negative > &background", "", NegativeBg,
         isBackgroundSpecialEnabled},
        {"PermuteFgRBG", "&ColorTools > &Special > &Flip colors > &foreground > RGB -> RBG", "",
         PermuteFgRBG, isColorSpecialEnabled},
        {"PermuteFgBGR", "&ColorTools > &Special > &Flip colors > &foreground > RGB -> BGR", "",
         PermuteFgBGR, isColorSpecialEnabled},
        {"PermuteFgBRG", "&ColorTools > &Special > &Flip colors > &foreground > RGB -> BRG", "",
         PermuteFgBRG, isColorSpecialEnabled},
        {"PermuteFgGRB", "&ColorTools > &Special > &Flip colors > &foreground > RGB -> GRB", "",
         PermuteFgGRB, isColorSpecialEnabled},
        {"PermuteFgGBR", "&ColorTools > &Special > &Flip colors > &foreground > RGB -> GBR", "",
         PermuteFgGBR, isColorSpecialEnabled},
        {"PermuteBgRBG", "&ColorTools > &Special > &Flip colors > &background > RGB -> RBG", "",
         PermuteBgRBG, isBackgroundSpecialEnabled},
        {"PermuteBgBGR", "&ColorTools > &Special > &Flip colors > &background > RGB -> BGR", "",
         PermuteBgBGR, isBackgroundSpecialEnabled},
        {"PermuteBgBRG", "&ColorTools > &Special > &Flip colors > &background > RGB -> BRG", "",
         PermuteBgBRG, isBackgroundSpecialEnabled},
        {"PermuteBgGRB", "&ColorTools > &Special > &Flip colors > &background > RGB -> GRB", "",
         PermuteBgGRB, isBackgroundSpecialEnabled},
        {"PermuteBgGBR", "&ColorTools > &Special > &Flip colors > &background > RGB -> GBR", "",
         PermuteBgGBR, isBackgroundSpecialEnabled},
        {"BrightnessFg", "&ColorTools > &Special > B&rightness > &foreground", "", BrightnessFg,
         isColorSpecialEnabled},
        {"BrightnessBg", "&ColorTools > &Special > B&rightness > &background", "", BrightnessBg,
         isBackgroundSpecialEnabled},
        {"ColorToGray", "&ColorTools > &Special > &Color2GrayScale", "", ColorToGray,
         isColorSpecialEnabled},
        {"SwapFgBg", "&ColorTools > &Special > Fli&p fg- and bgColors", "", SwapFgBg,
         isBackgroundSpecialEnabled},
        {"HeadingFont", "&ColorTools > F O N T :", ""},
        {"ColorSelectionFg", "&ColorTools > &Color selection", "F9", ColorSelectionFg,
         isFontColorToolsEnabled},
        {"SetActiveFontColorDialog", "&ColorTools > S&et active font color > &Color dialog",
         "Ctrl+F7", SetActiveFontColorDialog, isFontColorToolsEnabled},
        {"SetActiveFontToCell", "&ColorTools > S&et active font color > S&et to cell color", "F7",
         SetActiveFontToCell, isFontColorToolsEnabled},
        {"FillByCharFg", "&ColorTools > &Fill > depending from &char.", "Ctrl+F9", FillByCharFg,
         isFontColorToolsEnabled},
        {"FillByColorFg", "&ColorTools > &Fill > depending from c&olor", "Ctrl+Shift+F9",
         FillByColorFg, isFontColorToolsEnabled},
        {"ReplaceCharColorAllFg", "&ColorTools > &Replace > Replace char.color (&all)", "",
         ReplaceCharColorAllFg, isFontColorToolsEnabled},
        {"ReplaceCharColorSelFg", "&ColorTools > &Replace > Replace char.color (&selection)", "",
         ReplaceCharColorSelFg, isFontColorToolsEnabled},
        {"ReplaceColorSelFg", "&ColorTools > &Replace > Replace &color (selection)", "",
         ReplaceColorSelFg, isFontColorToolsEnabled},
        {"ManualPaintFont", "&ColorTools > &Manual (Shift+mousemove)", "", ManualPaintFont,
         isFontColorToolsEnabled, isManualPaintFontChecked},
        {"ResetSelectionColorFg", "&ColorTools > &Reset selection", "", ResetSelectionColorFg,
         isFontColorToolsEnabled},
        {"HeadingBackground", "&ColorTools > BACKGROUND:", ""},
        {"ColorSelectionBg", "&ColorTools > C&olor selection", "F10", ColorSelectionBg,
         isBackColorToolsEnabled},
        {"SetActiveBackColorDialog", "&ColorTools > Se&t active backg. color > &Color dialog",
         "Ctrl+F8", SetActiveBackColorDialog, isBackColorToolsEnabled},
        {"SetActiveBackToCell", "&ColorTools > Se&t active backg. color > S&et to cell color", "F8",
         SetActiveBackToCell, isBackColorToolsEnabled},
        {"FillByCharBg", "&ColorTools > F&ill > depending from &char.", "Ctrl+F10", FillByCharBg,
         isBackColorToolsEnabled},
        {"FillByColorBg", "&ColorTools > F&ill > depending from c&olor", "Ctrl+Shift+F10",
         FillByColorBg, isBackColorToolsEnabled},
        {"ReplaceCharColorAllBg", "&ColorTools > Re&place > Replace char. backgr.color (&all)", "",
         ReplaceCharColorAllBg, isBackColorToolsEnabled},
        {"ReplaceCharColorSelBg", "&ColorTools > Re&place > Replace char. backgr.color (&sel.)", "",
         ReplaceCharColorSelBg, isBackColorToolsEnabled},
        {"ReplaceColorSelBg", "&ColorTools > Re&place > Replace &color (selection)", "",
         ReplaceColorSelBg, isBackColorToolsEnabled},
        {"ManualPaintBack", "&ColorTools > M&anual (Shift+mousemove)", "", ManualPaintBack,
         isBackColorToolsEnabled, isManualPaintBackChecked},
        {"ResetSelectionColorBg", "&ColorTools > Reset selectio&n", "", ResetSelectionColorBg,
         isBackColorToolsEnabled},
        {"SetMainFontColorDialog", "&ColorTools > Main font& color > &Color dialog", "",
         SetMainFontColorDialog, isMainColorsEnabled},
        {"SetMainFontToCell", "&ColorTools > Main font& color > &Set to sel.cell color", "",
         SetMainFontToCell, isMainColorsEnabled},
        {"FindMainColor", "&ColorTools > Main font& color > &Find main color", "", FindMainColor,
         isMainColorsEnabled},
        {"SetMainBackColorDialog", "&ColorTools > Main backgro&und color > &Color Dialog", "",
         SetMainBackColorDialog, isMainColorsEnabled},
        {"SetMainBackToCell", "&ColorTools > Main backgro&und color > &Set to sel.cell color", "",
         SetMainBackToCell, isMainColorsEnabled},
        // Special
        {"PreconvertLineArt", "&Special > &pre-convert to lineart", "", PreconvertLineArt},
        {"MakeDotLines", "&Special >      ' --> &make dot lines", "", MakeDotLines},
        {"RandomArtDistinct", "&Special > &convert to random art > &all different char.", "",
         RandomArtDistinct},
        {"RandomArtEvery", "&Special > &convert to random art > &every character", "",
         RandomArtEvery},
        {"ToggleFigletPanel", "&Special > &Import Figlet Font", "", ToggleFigletPanel},
        {"ImportLineForm", "&Special > Import &textfile as \"line form\"", "", ImportLineForm},
        {"ExportToEditor", "&Special > &Export to Editor", "F4", ExportToEditor},
        {"ShowTextBrowser", "&Special > Textfile Brower", "", ShowTextBrowser},
        {"RunExternalProgram", "&Special > P&rograms > &Run extern prog.", "F5",
         RunExternalProgram},
        {"OpenFileManager", "&Special > P&rograms > Win &explorer", "", OpenFileManager},
        {"ExportCodeTable", "&Special > P&rograms > &Export ASCII table to editor", "",
         ExportCodeTable},
        {"ExportFixedFontList", "&Special > P&rograms > Export fixed &font list to editor", "",
         ExportFixedFontList},
        {"ExportToBrowser", "&Special > Export to browser (plain text)", "", ExportToBrowser},
        {"TempOverlay", "&Special > Te&mp. picture overlay", "", TempOverlay},
        {"LockedOverlay", "&Special > &Locked picture overlay", "", LockedOverlay},
        {"ClearOverlay", "&Special > Cle&ar picture overlay", "", ClearOverlay},
        {"ToggleKnowledgeBase", "&Special > &Knowledge Base", "", ToggleKnowledgeBase, nullptr,
         knowledgeBaseChecked},
        // View
        {"ToggleGrid", "&View > &Show grid", "", ToggleGrid, nullptr, showGridChecked},
        {"ToggleCp437Glyphs", "&View > CP437 glyphs", "", ToggleCp437Glyphs, nullptr,
         cp437GlyphsChecked},
        {"ChooseFont", "&View > Font &Dialog", "", ChooseFont},
        {"RefreshFont", "&View > &Refresh font", "", RefreshFont},
        {"ToggleCellExpansion", "&View > Disable &Cell Expansion", "", ToggleCellExpansion, nullptr,
         cellExpansionDisabledChecked},
        // Zoom: "Ctrl+=" is the plus key without Shift on most layouts.
        {"IncreaseFontSize", "&View > Fontsize &+", ShortcutList{"Ctrl+=", "Ctrl++"},
         IncreaseFontSize, nullptr, nullptr, true},
        {"DecreaseFontSize", "&View > Fontsize &-", "Ctrl+-", DecreaseFontSize, nullptr, nullptr,
         true},
        {"ShowCodeTable", "&View > ANSI Table", "", ShowCodeTable},
        {"ToggleTextView", "&View > &Text/Gridview", "", ToggleTextView, nullptr, textViewChecked},
        {"TogglePaintbar", "&View > &Paintbar", "F3", TogglePaintbar, nullptr, paintbarChecked},
        {"TogglePastePreview", "&View > P&aste preview", "", TogglePastePreview, nullptr,
         pastePreviewChecked},
        // Options
        {"Configure", "&Options > &Configure ", "F6", Configure},
        {"ToggleUndo", "&Options > \"&Undo\" enabled", "", ToggleUndo, nullptr, undoEnabledChecked},
        {"ToggleKeyRedefinition", "&Options > &Set 1245Key to /\\_|", "", ToggleKeyRedefinition,
         nullptr, redefineKeysChecked},
        {"ToggleInfoMessages", "&Options > Show &info. messages", "", ToggleInfoMessages, nullptr,
         infoMessagesChecked},
        {"ToggleShowInTask", "&Options > Show &prog. in Task", "", ToggleShowInTask, nullptr,
         showInTaskChecked},
        {"ToggleStatusbar", "&Options > Show s&tatusbar", "", ToggleStatusbar, nullptr,
         statusbarChecked},
        {"ToggleStayOnTop", "&Options > Stay on T&op", "", ToggleStayOnTop, nullptr,
         stayOnTopChecked},
        {"ToggleSaveOptimized", "&Options > Sa&ve optimized", "", ToggleSaveOptimized, nullptr,
         saveOptimizedChecked},
        {"ToggleAutosave", "&Options > Autosav&e", "", ToggleAutosave, nullptr, autosaveChecked},
        {"ToggleBackup", "&Options > Bac&kup", "", ToggleBackup, nullptr, backupChecked},
        {"SetExternalProgram", "&Options > Set e&xtern prog.", "", SetExternalProgram},
        // Info
        {"ShowAbout", "I&nfo > &About", "", ShowAbout},
        {"ShowHelp", "I&nfo > &Help", "", ShowHelp},
        {"ShowOnlinePage", "I&nfo > &Online Page", "", ShowOnlinePage},
        {"ShowSystemInfo", "I&nfo > &System Info", "", ShowSystemInfo},
        // Paint-bar buttons without a menu item of their own: they check the colour mode
        // themselves and say "Wrong Colormode." when their menu item is disabled.
        {"FloodfillFontButton", "", "", FloodfillFontButton},
        {"ReplaceCharColorFontButton", "", "", ReplaceCharColorFontButton},
        {"ColorSelectionFontButton", "", "", ColorSelectionFontButton},
        {"ResetSelectionFontButton", "", "", ResetSelectionFontButton},
        {"FloodfillBackButton", "", "", FloodfillBackButton},
        {"ReplaceCharColorBackButton", "", "", ReplaceCharColorBackButton},
        {"ColorSelectionBackButton", "", "", ColorSelectionBackButton},
        {"ResetSelectionBackButton", "", "", ResetSelectionBackButton},
        // The pattern panel's buttons.
        {"PatternFill", "", "", PatternFill},
        {"ClosePatternPanel", "", "", ClosePatternPanel},
        // The FigLet panel's buttons.
        {"LoadFigletFont", "", "", LoadFigletFont},
        {"ResetFigletGrid", "", "", ResetFigletGrid},
        {"CopyFigletGrid", "", "", CopyFigletGrid},
        {"ShowFigletFontInfo", "", "", ShowFigletFontInfo},
        {"CloseFigletPanel", "", "", CloseFigletPanel},
        // The copy grid's pop-up menu.
        {"LoadCopyGridFile", "", "", LoadCopyGridFile},
        {"SaveCopyGridFile", "", "", SaveCopyGridFile},
        {"RenewCopyGrid", "", "", RenewCopyGrid},
        {"CopyFromCopyGrid", "", "", CopyFromCopyGrid},
        {"PasteIntoCopyGrid", "", "", PasteIntoCopyGrid},
        {"BlankCopyGridSelection", "", "", BlankCopyGridSelection},
        {"SelectWholeCopyGrid", "", "", SelectWholeCopyGrid},
    };
}

// The canvas pop-up menu, in its own order.
const std::vector<PopupRow> kCanvasPopup = {
    {"Copy", "CopyBlock"},       {"Cut", "CutBlock"},         {"Paste", "PasteBlock"},
    {"Paste over", "PasteOver"}, {"Select All", "SelectAll"}, {"Crop", "Crop"},
    {"Delete", "DeleteBlock"},
};

// The pop-up menu of the FigLet panel's text grid.
const std::vector<PopupRow> kFigletPopup = {
    {"Copy", "CopyFigletGrid"},
    {"Clear", "ResetFigletGrid"},
    {"Close", "CloseFigletPanel"},
};

// The pop-up menu of the copy grid.
const std::vector<PopupRow> kCopyGridPopup = {
    {"Open", "LoadCopyGridFile"},         {"Close", "ToggleCopyGridPane"},
    {"Save", "SaveCopyGridFile"},         {"New", "RenewCopyGrid"},
    {"Copy", "CopyFromCopyGrid"},         {"Paste", "PasteIntoCopyGrid"},
    {"Delete", "BlankCopyGridSelection"}, {"Select All", "SelectWholeCopyGrid"},
};

using Item = PaintBarItem;

// The paint bar from left to right.
const std::vector<PaintBarItem> kPaintBar = {
    {Item::Kind::Button, "PaintFilledRectangle", "Rectangle (filled)"},
    {Item::Kind::Button, "PaintHorzLine", "Line (horz.)"},
    {Item::Kind::Button, "PaintVertLine", "Line (vert.)"},
    {Item::Kind::Button, "PaintRectangle", "Rectangle"},
    {Item::Kind::Button, "PaintCircle", "Circle"},
    {Item::Kind::Button, "PaintFallingLine", "Line \\"},
    {Item::Kind::Button, "PaintRisingLine", "Line /"},
    {Item::Kind::Button, "FillWithPattern", "Pattern"},
    {Item::Kind::Button, "Floodfill", "FloodFill"},
    {Item::Kind::CharBox, "SolidChar", "", &Settings::SolidChar},
    {Item::Kind::Divider, "", "", nullptr},
    {Item::Kind::Button, "LineArtHorz", "Line (horz.)"},
    {Item::Kind::CharBox, "LineHorzChar", "", &Settings::LineHorzChar},
    {Item::Kind::Button, "LineArtVert", "Line (vert.)"},
    {Item::Kind::CharBox, "LineVertChar", "", &Settings::LineVertChar},
    {Item::Kind::Button, "LineArtRectangle", "Rectangle"},
    {Item::Kind::CharBox, "RectHorzChar", "", &Settings::RectHorzChar},
    {Item::Kind::CharBox, "RectCornerChar", "", &Settings::RectCornerChar},
    {Item::Kind::Button, "LineArtFalling", "Line \\"},
    {Item::Kind::Button, "LineArtRising", "Line /"},
    {Item::Kind::CharBox, "DiagFallChar", "", &Settings::DiagFallChar},
    {Item::Kind::CharBox, "DiagRiseChar", "", &Settings::DiagRiseChar},
    {Item::Kind::CharBox, "DiagHorzChar", "", &Settings::DiagHorzChar},
    {Item::Kind::CharBox, "DiagVertChar", "", &Settings::DiagVertChar},
    {Item::Kind::Divider, "", "", nullptr},
    {Item::Kind::Button, "FloodfillFontButton", "Floodfill (font)"},
    {Item::Kind::Button, "ReplaceCharColorFontButton", "Replace char.color (font)"},
    {Item::Kind::Button, "ColorSelectionFontButton", "Color selection (font)"},
    {Item::Kind::Button, "ResetSelectionFontButton", "Reset selection (font)"},
    {Item::Kind::Button, "FloodfillBackButton", "Floodfill (bgColor)"},
    {Item::Kind::Button, "ReplaceCharColorBackButton", "Replace char.color (bgColor)"},
    {Item::Kind::Button, "ColorSelectionBackButton", "Color selection (bgColor)"},
    {Item::Kind::Button, "ResetSelectionBackButton", "Reset selection (bgColor)"},
};

} // namespace

ShortcutList::ShortcutList(const char* key) {
    if (*key != '\0')
        keys_.emplace_back(key);
}

bool ShortcutList::contains(std::string_view key) const {
    return std::any_of(keys_.begin(), keys_.end(),
                       [&](std::string_view own) { return equalsIgnoringCase(own, key); });
}

std::string ShortcutList::text() const {
    std::string joined;
    for (const std::string_view key : keys_) {
        if (!joined.empty())
            joined += ' ';
        joined += key;
    }
    return joined;
}

std::vector<std::string_view> splitMenuPath(std::string_view path) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = path.find(kPathSeparator, start);
        if (at == std::string_view::npos) {
            parts.push_back(path.substr(start));
            return parts;
        }
        parts.push_back(path.substr(start, at - start));
        start = at + kPathSeparator.size();
    }
}

CommandTable::CommandTable() : rows_(buildRows()) {}

std::span<const PopupRow> CommandTable::canvasPopup() const {
    return kCanvasPopup;
}

std::span<const PopupRow> CommandTable::figletPopup() const {
    return kFigletPopup;
}

std::span<const PopupRow> CommandTable::copyGridPopup() const {
    return kCopyGridPopup;
}

std::span<const PaintBarItem> CommandTable::paintBar() const {
    return kPaintBar;
}

std::span<const std::string_view> CommandTable::topLevelMenus() {
    return kTopLevelMenus;
}

const CommandRow* CommandTable::findById(std::string_view id) const {
    for (const CommandRow& row : rows_) {
        if (row.id == id)
            return &row;
    }
    return nullptr;
}

const CommandRow* CommandTable::findByMenuPath(std::string_view path) const {
    for (const CommandRow& row : rows_) {
        if (row.menuPath == path)
            return &row;
    }
    return nullptr;
}

const CommandRow* CommandTable::findByShortcut(std::string_view shortcut) const {
    if (shortcut.empty())
        return nullptr;
    for (const CommandRow& row : rows_) {
        if (row.shortcuts.contains(shortcut))
            return &row;
    }
    return nullptr;
}

CommandTable::RunResult CommandTable::run(Editor& editor, const CommandRow& row) {
    if (!row.run || !row.isEnabled(editor))
        return RunResult::Disabled;
    // A command acts on the highlighted rectangle, however the grid came to it.
    editor.syncSelectionFields();
    row.run(editor);
    editor.keepSelectionInCanvas();
    return RunResult::Ran;
}

} // namespace glyphora
