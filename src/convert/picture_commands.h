#pragma once

#include "convert/colorgrid.h"
#include "formats/open_save_commands.h"

#include <filesystem>
#include <string>

namespace glyphora {

class Editor;

// The picture import dialog: its title and the indices of its conversion choices.
inline constexpr const char* kImportPictureTitle = "Import Picture";
inline constexpr int kAbsoluteChoice = 0;
inline constexpr int kRelativeChoice = 1;
inline constexpr int kForegroundChoice = 2;
inline constexpr int kBackgroundChoice = 3;
inline constexpr int kTemporaryOverlayChoice = 4;
inline constexpr int kLockedOverlayChoice = 5;

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

// The canvas size dialog's title for a picture: "Resample Picture: RP=" + width + "x" + the
// rows that keep its proportions for the cell's shape.
std::string resampleTitle(Editor& editor, int width, int height);

// "&BMP2Colorgrid": the picture sampled onto the canvas as the cells' font or background
// colours; characters stay. The mode becomes FontColored (foreground, from Plain or Ansi)
// or FullColored (background). False when the picture could not be read ("ERROR: Couldn`t
// complete request.").
bool Colorgrid(Editor& editor, const std::filesystem::path& file, ColorTarget target);
// The menu items: the open dialog for a picture, then Colorgrid.
void ColorgridForeground(Editor& editor);
void ColorgridBackground(Editor& editor);

// The picture overlay over the canvas view: "Te&mp. picture overlay" until the view next
// changes, "&Locked picture overlay" until "Cle&ar picture overlay" (or a copy) ends it.
bool showPictureOverlay(Editor& editor, const std::filesystem::path& file,
                        PictureOverlay::Mode mode);
void TempOverlay(Editor& editor);
void LockedOverlay(Editor& editor);
void ClearOverlay(Editor& editor);

} // namespace glyphora
