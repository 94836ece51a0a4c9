#pragma once

#include "formats/file_format_table.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace glyphora {

// The rules of the save-as browser, apart from its widgets: the chosen type group and
// row, the file mask, the file-name field with its extension forcing, and the folder shown.
// Paths use "/" as the separator.
class SaveBrowserModel {
public:
    // The field starts with the caption, the group and row of the format code are chosen
    // (User defined for a code without a row), and the folder list starts in folder.
    SaveBrowserModel(int formatCode, std::string caption, std::string folder);

    int group() const { return group_; }
    int row() const { return row_; }
    const FileFormat& format() const;
    // The row names of the chosen group (the text before each row's first comma).
    std::vector<std::string> rowNames() const;
    // "*." + extension, "*.*" for User defined.
    std::string fileMask() const;
    // The row's fields with the labels the browser shows them under.
    struct LabelledField {
        std::string_view label;
        std::string value;
    };
    std::vector<LabelledField> rowFields() const;

    // The encoding the document's text is written in, shown for the plain text types only
    // (empty for the others).
    void setDocumentEncoding(std::string name) { documentEncoding_ = std::move(name); }
    std::string encodingShown() const;

    const std::string& fileName() const { return field_; }
    const std::string& folder() const { return folder_; }

    // Lists the group's rows and chooses its first row.
    void chooseGroup(int group);
    // Shows the row and, unless it is User defined, forces its extension on the field.
    void chooseRow(int row);
    // Typing into the field.
    void editField(std::string text) { field_ = std::move(text); }
    // Leaving the field: forces the extension when the present one differs, and expands
    // the field to a full path under the shown folder.
    void leaveField();
    // A file clicked in the file list: the field becomes folder + "/" + name.
    void clickFile(std::string_view name);
    // Another folder shown: the field's file name moves under it.
    void changeFolder(std::string folder);

    // "Save/C&ontinue": the chosen code and the full path of the field.
    struct Choice {
        int formatCode = 0;
        std::string path;
    };
    Choice accept();

private:
    std::string fullPath(std::string_view name) const;

    int group_ = 0;
    int row_ = 0;
    std::string field_;
    std::string folder_;
    std::string documentEncoding_;
};

// Without a "." in the file name the extension is appended; with one, everything after the
// first "." of the file name is replaced. The folder part of a path is never touched.
std::string forceExtension(std::string_view path, std::string_view extension);

} // namespace glyphora
