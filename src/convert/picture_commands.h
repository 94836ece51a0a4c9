#pragma once

#include "formats/open_save_commands.h"

#include <filesystem>

namespace glyphora {

class Editor;

// The picture import dialog: its title and the indices of its conversion choices.
inline constexpr const char* kImportPictureTitle = "Import Picture";
inline constexpr int kAbsoluteChoice = 0;
inline constexpr int kRelativeChoice = 1;

// The picture branch of openDocument: the picture import dialog "Import Picture", then the
// operation chosen on the picture.
OpenBranchResult readPictureDocument(Editor& editor, const std::filesystem::path& file);

// The picture as character art: load it, ask for the canvas size ("Resample Picture: RP=
// ..."), resample or resize it to that size, grade its grey levels into characters.
// Absolute: fixed brightness steps, black "#" and white " ". Relative: the ramp stretched
// between the picture's own darkest and brightest grey.
enum class ArtMapping { Absolute, Relative };
OpenBranchResult PictureToArt(Editor& editor, const std::filesystem::path& file,
                              ArtMapping mapping);

} // namespace glyphora
