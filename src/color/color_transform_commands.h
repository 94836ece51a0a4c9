#pragma once

#include "color/color_transforms.h"

namespace glyphora {

class Editor;

// "&ColorTools" > "&Special": whole-document colour transforms. None takes an undo
// snapshot.
void ColorToGray(Editor& editor);
void NegativeFg(Editor& editor);
void NegativeBg(Editor& editor);
void PermuteFg(Editor& editor, ChannelOrder order);
void PermuteBg(Editor& editor, ChannelOrder order);
// The five items of each "&Flip colors" submenu.
void PermuteFgRBG(Editor& editor);
void PermuteFgBGR(Editor& editor);
void PermuteFgBRG(Editor& editor);
void PermuteFgGRB(Editor& editor);
void PermuteFgGBR(Editor& editor);
void PermuteBgRBG(Editor& editor);
void PermuteBgBGR(Editor& editor);
void PermuteBgBRG(Editor& editor);
void PermuteBgGRB(Editor& editor);
void PermuteBgGBR(Editor& editor);
// Ask "Brightness" / "Value: (-255 <-> 255)" and shift every channel.
void BrightnessFg(Editor& editor);
void BrightnessBg(Editor& editor);
void SwapFgBg(Editor& editor);

} // namespace glyphora
