#pragma once

#include "formats/open_save_commands.h"

#include <filesystem>

namespace glyphora {

class Editor;

// The ".glf" document read and written for the Editor: the colour mode, the active colours
// and the failure reports around the format of glf_format.h. The open and save dispatch
// calls these for ".glf" files and FormatCode 11.

// Writes the canvas to the file, which the caller has named and cleared for writing.
// Failure: beep and "Couldn`t write file."; an existing file stays as it was.
bool saveGlfFile(Editor& editor, const std::filesystem::path& fileName);
// Reads the file into the canvas and checks its colour mode; the active colours become
// the file's defaults. Failure: beep and "Couldn`t read file."; a file whose header does
// not fit it changes nothing, a file cut short leaves what was read.
bool loadGlfFile(Editor& editor, const std::filesystem::path& fileName);

// F1 and F2: the quick document "Current.glf" in the working directory, written and read
// without questions and without touching the document's file name.
void SaveQuickDocument(Editor& editor);
void LoadQuickDocument(Editor& editor);

// The ".glf" branch of openDocument and the writer of FormatCode 11 in saveDocument.
OpenBranchResult readGlfDocument(Editor& editor, const std::filesystem::path& file);
SaveOutcome SaveGlfDocument(Editor& editor);

} // namespace glyphora
