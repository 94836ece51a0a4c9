#include "app/text_browser.h"

#include "app/editor.h"
#include "formats/open_save_commands.h"
#include "formats/text_file_reader.h"
#include "platform/text_file.h"

#include <algorithm>

namespace glyphora {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kParent = "..";

} // namespace

TextBrowser::TextBrowser(const fs::path& folder, CharSet glyphSet) : glyphSet_(glyphSet) {
    openFolder(folder);
}

void TextBrowser::openFolder(const fs::path& folder) {
    std::error_code ec;
    fs::path absolute = fs::absolute(folder, ec);
    folder_ = (ec ? folder : absolute).lexically_normal();
    // "/a/b/" is the folder "/a/b", whose parent is "/a".
    if (!folder_.has_filename() && folder_.has_relative_path())
        folder_ = folder_.parent_path();
    folders_ = listSubfolders(folder_);
    if (folder_.has_relative_path())
        folders_.insert(folders_.begin(), std::string(kParent));
    files_ = listFilesWithExtensions(folder_, {".txt", ".asc", ".nfo", ".diz"});
    selectFile(-1);
}

void TextBrowser::enterFolder(const std::string& name) {
    openFolder(name == kParent ? folder_.parent_path() : folder_ / name);
}

void TextBrowser::selectFile(int index) {
    text_.clear();
    characters_ = 0;
    if (index < 0 || index >= static_cast<int>(files_.size())) {
        current_ = -1;
        return;
    }
    current_ = index;
    const TextFileLines read = readTextFileLines(folder_ / files_[static_cast<std::size_t>(index)]);
    if (!read.lines)
        return;
    // Unicode files came in as bytes of the set their characters fit; others are shown in
    // the set the canvas is shown in.
    const CharSet set = read.style.encoding == TextEncoding::Bytes ? glyphSet_ : read.style.byteSet;
    std::string bytes;
    for (std::size_t i = 0; i < read.lines->size(); ++i) {
        if (i)
            bytes += '\n';
        bytes += (*read.lines)[i];
        characters_ += (*read.lines)[i].size();
    }
    text_ = bytesToUtf8(bytes, set);
}

void TextBrowser::previousFile() {
    if (files_.empty())
        return;
    selectFile(current_ <= 0 ? static_cast<int>(files_.size()) - 1 : current_ - 1);
}

void TextBrowser::nextFile() {
    if (files_.empty())
        return;
    selectFile(current_ + 1 >= static_cast<int>(files_.size()) ? 0 : current_ + 1);
}

TextBrowser::KeyAction TextBrowser::pressKey(Key key, char typed) {
    switch (key) {
    case Key::Escape:
        return KeyAction::Close;
    case Key::Left:
    case Key::Backspace:
        previousFile();
        return KeyAction::PreviousFile;
    case Key::Modifier:
        return KeyAction::None;
    case Key::Other:
        break;
    }
    if (typed == 'S' || typed == 's') {
        explorerShown = !explorerShown;
        return KeyAction::ToggleExplorer;
    }
    nextFile();
    return KeyAction::NextFile;
}

bool TextBrowser::canFitWidth() const {
    return characters_ >= kFitMinimum;
}

int fitFontSize(int size, const std::function<bool(int)>& wrapsAt,
                const std::function<bool(int)>& step) {
    size = std::clamp(size, TextBrowser::kMinFontSize, TextBrowser::kMaxFontSize);
    if (wrapsAt(size)) {
        while (size > TextBrowser::kMinFontSize && wrapsAt(size)) {
            if (!step(--size))
                break;
        }
        return size;
    }
    while (size < TextBrowser::kMaxFontSize && !wrapsAt(size + 1)) {
        if (!step(++size))
            break;
    }
    return size;
}

void ShowTextBrowser(Editor& editor) {
    editor.ui().textBrowser({workingDirectory(editor).string(), editor.glyphSet()});
}

} // namespace glyphora
