#pragma once

namespace glyphora {

class Editor;

// "Replace &All" / "Replace Ar&ea": replace a whole cell text everywhere or in the selection.
void ReplaceAll(Editor& editor);
void ReplaceArea(Editor& editor);
// "Replace &text": find strings along the rows and replace them hit by hit.
void ReplaceText(Editor& editor);
// "&Search text": find strings along the rows, selecting each hit.
void SearchText(Editor& editor);
// "&UPPERCASE" / "&lowercase" of the selection.
void ToUpperCase(Editor& editor);
void ToLowerCase(Editor& editor);

} // namespace glyphora
