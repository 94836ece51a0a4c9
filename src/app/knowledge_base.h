#pragma once

#include "canvas/text_conversion.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace glyphora {

// The knowledge base: ready-made one-line art, one piece per line, in the "*.dat" files of
// the program's Data folder. Its panel at the right of the window lists the lines of one
// file at a time; a selector steps through the files.
class KnowledgeBase {
public:
    // A file larger than this is no list of lines to pick from.
    static constexpr std::uintmax_t kMaxFileBytes = 4 * 1024 * 1024;

    bool visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }
    // Whether a file has been listed yet.
    bool loaded() const { return loaded_; }
    // The selector's position: the index of the listed file among files().
    int position() const { return position_; }
    // The "*.dat" files of the folder as last listed, sorted.
    const std::vector<std::string>& files() const { return files_; }
    const TextLines& lines() const { return lines_; }

    // The selector moved: the folder's files are listed again and the file at the position
    // read. When there is no such file, or it cannot be read as lines of text, the list
    // holds the four error lines instead.
    void select(const std::filesystem::path& folder, int position);

    // "ERROR:", "Couldn`t", "open", "file !!!".
    static const TextLines& errorLines();

private:
    bool visible_ = false;
    bool loaded_ = false;
    int position_ = 0;
    std::vector<std::string> files_;
    TextLines lines_;
};

// The Data folder of the program directory, found in any spelling.
std::filesystem::path knowledgeBaseFolder(const std::filesystem::path& programDir);

} // namespace glyphora
