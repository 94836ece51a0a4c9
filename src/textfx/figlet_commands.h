#pragma once

#include <filesystem>
#include <optional>

namespace glyphora {

class Editor;
class FigletFont;

// "&Special" > "&Import Figlet Font": shows the FigLet panel, or hides it when shown.
void ToggleFigletPanel(Editor& editor);
// The panel's buttons and the grid's pop-up menu ("Copy", "Clear", "Close").
// "Import FigLet Font": a font from the Fonts folder; the grid is reset either way.
void LoadFigletFont(Editor& editor);
void ResetFigletGrid(Editor& editor);
// "Copy Grid": the selected cells, or the whole grid, into the block clipboard and onto the
// system clipboard as text.
void CopyFigletGrid(Editor& editor);
void ShowFigletFontInfo(Editor& editor);
void CloseFigletPanel(Editor& editor);
// A key typed into the panel's box: its glyph is added to the grid.
void TypeFigletChar(Editor& editor, int key);

bool figletPanelVisible(const Editor& editor);

// The font a name stands for: the file itself, else the file of that name in the Fonts
// folder of the program directory.
std::optional<FigletFont> findFigletFont(const std::filesystem::path& name,
                                         const std::filesystem::path& programDir);
// The Fonts folder of a program directory.
std::filesystem::path figletFontsDir(const std::filesystem::path& programDir);

} // namespace glyphora
