#pragma once

namespace glyphora {

class Editor;

// "&Special" > "Import &textfile as "line form"": a line-form file (".tf") becomes the
// canvas and a text file is poured along its path.
void ImportLineForm(Editor& editor);
// "&Effects" > "Fill selection with &textfile": the selection is cleared and filled with a
// text file, word-wrapped, then optionally centred.
void FillSelectionWithText(Editor& editor);
// "&Effects" > "Fill &char. with textfile": every cell holding a chosen character takes the
// next byte of a text file.
void FillCharWithText(Editor& editor);
// "&Effects" > "&Insert signature.txt": "Signature.txt" of the program directory at the
// cursor.
void InsertSignature(Editor& editor);

} // namespace glyphora
