#pragma once

#include <span>
#include <string>
#include <string_view>

namespace glyphora {

// The codes of the file types, as SaveFormat and CurrentFormat hold them.
namespace format_code {
inline constexpr int WindowsText = 1;
inline constexpr int AsciiText = 2;
inline constexpr int HtmlPlain = 3;
inline constexpr int HtmlColored = 4;
inline constexpr int HtmlTable = 5;
inline constexpr int Pattern = 6;
inline constexpr int RichText = 7;
inline constexpr int CsvTable = 8;
inline constexpr int Ansi = 9;
inline constexpr int GlyphoraPlain = 10;
inline constexpr int GlyphoraFormat = 11;
inline constexpr int UserDefined = 12;
inline constexpr int HtmlColoredCss = 13;
inline constexpr int HtmlTableCss = 14;
inline constexpr int HtmlTableIe = 15;
inline constexpr int AsciiToPicture = 16;
inline constexpr int FontColorToPicture = 17;
inline constexpr int CellColorToPicture = 18;
inline constexpr int CaptureCanvasVisible = 19;
inline constexpr int CaptureCanvasWhole = 20;
inline constexpr int AppletData = 30;
} // namespace format_code

// One row of the table as the save-as browser lists it: ten comma-separated fields.
struct FileFormatRow {
    std::string_view group;
    std::string_view text;
};

// A row split into its fields.
struct FileFormat {
    std::string name;
    std::string fontColor;
    std::string cellColor;
    std::string fontAttributes;
    std::string cellBorder;
    std::string writeOnly;
    std::string usage;
    std::string note;
    std::string extension; // without dot; "*" for any
    int code = 0;

    bool anyExtension() const { return extension == "*"; }
};

inline constexpr std::string_view kUserDefinedGroup = "Other";

// The browser's type groups in their order, and every row under them in table order.
std::span<const std::string_view> fileFormatGroups();
std::span<const FileFormatRow> FileFormatTable();

FileFormat parseFileFormat(std::string_view rowText);
// The row of the code, or nullptr for a code no file type has.
const FileFormat* findFileFormat(int code);
// The plain text types (Windows text, Pattern, CSS plaintext table, User defined), which write
// a document back in the encoding and line ends its file came with.
bool writesDocumentEncoding(int code);
// Group and row index (within the group) of the code; "Other" / "User defined" for a
// code not in the table.
struct FormatPosition {
    int group = 0;
    int row = 0;
};
FormatPosition formatPosition(int code);
// The rows of one group, split.
std::span<const FileFormat> formatsOfGroup(int group);

// The extension a writer appends to the save target unless the upper-cased name holds it
// (".txt" for 1); empty for User defined and for the types without such a rule.
std::string_view saveExtension(int code);

} // namespace glyphora
