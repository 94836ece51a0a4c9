#pragma once

#include "formats/open_save_commands.h"

namespace glyphora {

class Editor;

// The "Bitmap" types of "Save &as ...". Each writes PNG for a name ending ".png", BMP
// otherwise, and asks before overwriting (unless the save is silent).
// 16 "ASCII 2 pic.": a grey pixel per cell from its character, shown in the viewer first.
SaveOutcome SaveCharsPicture(Editor& editor);
// 17 "Font color 2 pic." and 18 "Cell color 2 pic.": a pixel per cell from its colours.
SaveOutcome SaveFontColorPicture(Editor& editor);
SaveOutcome SaveCellColorPicture(Editor& editor);
// 19 "Capture Canvas 1": the visible part of the canvas as the view draws it.
SaveOutcome SaveVisibleCanvasPicture(Editor& editor);
// 20 "Capture Canvas 2": the whole canvas as the view draws it, rendered in one piece.
SaveOutcome SaveWholeCanvasPicture(Editor& editor);

// "&Effects > BMP 2 &ASCII (form art)": the characters of a text file laid onto the
// black pixels of a picture resampled to the canvas size asked for.
void PictureToFormArt(Editor& editor);

} // namespace glyphora
