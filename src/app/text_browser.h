#pragma once

#include "canvas/text_conversion.h"
#include "platform/color.h"
#include "platform/text_codec.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace glyphora {

class Editor;

// The text-file browser "TextBrowser": a folder with its subfolders and text files, the file
// shown and how it is shown. The window draws it and forwards keys and clicks.
class TextBrowser {
public:
    static constexpr int kInitialFontSize = 8;
    static constexpr int kMinFontSize = 1;
    static constexpr int kMaxFontSize = 72;
    // "&Max. width" needs a text of at least this many characters.
    static constexpr std::size_t kFitMinimum = 10;

    // glyphSet: the byte set files without a Unicode encoding are shown in.
    TextBrowser(const std::filesystem::path& folder, CharSet glyphSet);

    const std::filesystem::path& folder() const { return folder_; }
    // The subfolders, ".." first when the folder has a parent.
    const std::vector<std::string>& folders() const { return folders_; }
    // The text files of the folder ("*.txt", "*.asc", "*.nfo", "*.diz"), sorted.
    const std::vector<std::string>& files() const { return files_; }
    // Index into files(), -1 when no file is shown.
    int current() const { return current_; }
    // The file's text as UTF-8, lines joined by line feeds; empty when none is shown or it
    // cannot be read.
    const std::string& text() const { return text_; }

    // Lists a folder; no file is shown until one is chosen.
    void openFolder(const std::filesystem::path& folder);
    // One of folders(): ".." goes up.
    void enterFolder(const std::string& name);
    // Shows a file of the list; an index outside it shows none.
    void selectFile(int index);
    // Before the first file comes the last, after the last the first.
    void previousFile();
    void nextFile();

    // The keys the window tells apart: Escape closes, "S" toggles the explorer panel, Left
    // or Backspace go to the previous file, any other key but a lone modifier to the next.
    enum class Key { Escape, Left, Backspace, Modifier, Other };
    enum class KeyAction { Close, ToggleExplorer, PreviousFile, NextFile, None };
    // typed: the character the key gives, 0 for none. Carries out what the key does to the
    // browser and tells what it was; closing is the window's.
    KeyAction pressKey(Key key, char typed);

    // Whether "&Max. width" may run.
    bool canFitWidth() const;

    bool explorerShown = true;
    bool wordWrap = false;
    int fontSize = kInitialFontSize;
    Color textColor = kBlack;
    Color backColor = kWhite;

private:
    std::filesystem::path folder_;
    CharSet glyphSet_;
    std::vector<std::string> folders_;
    std::vector<std::string> files_;
    int current_ = -1;
    std::string text_;
    std::size_t characters_ = 0;
};

// "&Max. width": the largest font size, from the one given, at which wrapping adds no line.
// While the text wraps the size goes down; while the next size still does not wrap it goes
// up. wrapsAt tells whether the text wraps at a size; each new size is handed to step,
// which shows it and returns false to stop there (Escape). Sizes stay in the browser's range.
int fitFontSize(int size, const std::function<bool(int)>& wrapsAt,
                const std::function<bool(int)>& step);

// "&Special > Textfile Brower": the browser, modal, on the working folder.
void ShowTextBrowser(Editor& editor);

} // namespace glyphora
