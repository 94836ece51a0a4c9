#pragma once

#include <optional>
#include <string>
#include <vector>

namespace glyphora {

class Editor;

// Start-up and shutdown of the main window.

inline constexpr const char* kNoIniMessage =
    "ERROR: No INI found or defect (\"Conigure\"/Default/Save).";
inline constexpr const char* kInternFailure2 = "ERROR: Intern failure #2.";
inline constexpr const char* kStartupTypeError =
    "ERROR: Only GLF, GLG, TXT, HTML, BMP and ASC files are supported";
inline constexpr const char* kDropTypeError =
    "ERROR: Only GLF, GLG, TXT, HTML and ASC files are supported";
inline constexpr const char* kDropOpenError = "ERROR: Couldn`t open file.";
inline constexpr const char* kCloseQuestion = " Close program ? ";

// How the start treats edit.ini: the window deletes a damaged file (it writes a sound one at
// shutdown); a batch run only reads it, so a damaged file stays for the window to repair.
enum class SettingsFileUse { ReadAndRepair, ReadOnly };

// The first showing of the main window: reads edit.ini from the program directory and
// applies it (a missing or damaged file gives the defaults, deletes the file, beeps and
// says so), creates the data folders "Data", "Fonts", "Pattern" and "Undo", and applies
// the font. Call it once.
void startEditor(Editor& editor, SettingsFileUse use = SettingsFileUse::ReadAndRepair);

// The command line: all arguments joined by single blanks name one document. Returns its
// full path when it is an existing file of a type the start-up opens; another existing
// file gives an error message and the caption "NoName.txt"; a missing path is ignored.
std::optional<std::string> StartupDocument(Editor& editor, const std::vector<std::string>& args);
// Opens the start-up document (at the first paint of the window).
void OpenStartupDocument(Editor& editor, const std::string& path);

// Files dropped on the main window: the first one is opened when it is a text, grid,
// full-attribute or HTML document.
void openDroppedFiles(Editor& editor, const std::vector<std::string>& paths);

// The main window is asked to close: asks " Close program ? " while info messages are on
// (false: stay open), then writes edit.ini and deletes the temporary and undo files.
bool queryClose(Editor& editor);

// The settings as they would be written now: the reopen entries whose files still exist,
// the canvas font, colours and mode, the working directory.
void WriteSettings(Editor& editor);

} // namespace glyphora
