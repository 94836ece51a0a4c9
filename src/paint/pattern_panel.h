#pragma once

#include "paint/fills.h"

#include <filesystem>
#include <string>
#include <vector>

namespace glyphora {

// What "Fill" does: tile the flood area around the cursor, or every background cell.
enum class PatternFillMode { Area, Background };

// The pattern panel at the right of the main window, free of any toolkit: the "*.pat" files
// of the pattern folder, the selected one and its text for the preview box. The shell only
// draws it and forwards clicks.
class PatternPanel {
public:
    bool visible() const { return visible_; }
    PatternFillMode mode() const { return mode_; }
    const std::filesystem::path& directory() const { return directory_; }
    const std::vector<std::string>& files() const { return files_; }
    // Index into files(), or -1.
    int selected() const { return selected_; }
    // The selected file's lines as they stand in it; empty when none is selected or it
    // cannot be read.
    const std::vector<std::string>& preview() const { return preview_; }

    // Lists the folder, clears the selection and the preview, shows the panel.
    void open(const std::filesystem::path& directory, PatternFillMode mode);
    // Selects a file of the list and loads the preview; an index outside the list clears
    // the selection.
    void select(int index);
    // Selects by file name; false when the list holds no such file.
    bool select(const std::string& name);
    void hide() { visible_ = false; }

    // The full path of the selected file, or empty.
    std::filesystem::path selectedPath() const;

private:
    bool visible_ = false;
    PatternFillMode mode_ = PatternFillMode::Area;
    std::filesystem::path directory_;
    std::vector<std::string> files_;
    int selected_ = -1;
    std::vector<std::string> preview_;
};

// The painting state the Editor keeps beside the settings.
struct PaintState {
    // "&dot mode": off at every start, not stored in the settings.
    bool DotMode = false;
    PatternPanel patternPanel;
};

} // namespace glyphora
