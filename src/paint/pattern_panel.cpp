#include "paint/pattern_panel.h"

#include "platform/text_file.h"

#include <algorithm>

namespace glyphora {

namespace {

// The preview shows the file as text; a file too large for a pattern is not shown.
constexpr std::uintmax_t kMaxPreviewBytes = 4 * 1024 * 1024;

} // namespace

void PatternPanel::open(const std::filesystem::path& directory, PatternFillMode mode) {
    directory_ = directory;
    files_ = listPatternFiles(directory);
    mode_ = mode;
    selected_ = -1;
    preview_.clear();
    visible_ = true;
}

void PatternPanel::select(int index) {
    preview_.clear();
    if (index < 0 || index >= static_cast<int>(files_.size())) {
        selected_ = -1;
        return;
    }
    selected_ = index;
    if (auto lines = readUserDataFileLines(selectedPath(), kMaxPreviewBytes))
        preview_ = std::move(*lines);
}

bool PatternPanel::select(const std::string& name) {
    const auto it = std::find(files_.begin(), files_.end(), name);
    if (it == files_.end())
        return false;
    select(static_cast<int>(it - files_.begin()));
    return true;
}

std::filesystem::path PatternPanel::selectedPath() const {
    if (selected_ < 0)
        return {};
    return directory_ / files_[static_cast<std::size_t>(selected_)];
}

} // namespace glyphora
