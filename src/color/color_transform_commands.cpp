#include "color/color_transform_commands.h"

#include "app/editor.h"

namespace glyphora {

namespace {

constexpr const char* kBrightnessTitle = "Brightness";
constexpr const char* kBrightnessPrompt = "Value: (-255 <-> 255)";
constexpr const char* kBrightnessDefault = "0";

void negative(Editor& editor, ColorLayer layer) {
    BusyCursor busy(editor.ui());
    Negative(editor.canvas(), layer);
}

void permute(Editor& editor, ColorLayer layer, ChannelOrder order) {
    BusyCursor busy(editor.ui());
    Permute(editor.canvas(), layer, order);
}

void brightness(Editor& editor, ColorLayer layer) {
    const BrightnessInput input = parseBrightness(
        editor.ui().inputBox(kBrightnessTitle, kBrightnessPrompt, kBrightnessDefault));
    if (!input.error.empty()) {
        editor.ui().beep();
        editor.StatusMessage(std::string(input.error));
        return;
    }
    if (input.delta)
        Brightness(editor.canvas(), layer, *input.delta);
}

} // namespace

void ColorToGray(Editor& editor) {
    BusyCursor busy(editor.ui());
    ColorToGray(editor.canvas());
}

void NegativeFg(Editor& editor) {
    negative(editor, ColorLayer::Foreground);
}

void NegativeBg(Editor& editor) {
    negative(editor, ColorLayer::Background);
}

void PermuteFg(Editor& editor, ChannelOrder order) {
    permute(editor, ColorLayer::Foreground, order);
}

void PermuteBg(Editor& editor, ChannelOrder order) {
    permute(editor, ColorLayer::Background, order);
}

void PermuteFgRBG(Editor& editor) {
    PermuteFg(editor, ChannelOrder::RBG);
}

void PermuteFgBGR(Editor& editor) {
    PermuteFg(editor, ChannelOrder::BGR);
}

void PermuteFgBRG(Editor& editor) {
    PermuteFg(editor, ChannelOrder::BRG);
}

void PermuteFgGRB(Editor& editor) {
    PermuteFg(editor, ChannelOrder::GRB);
}

void PermuteFgGBR(Editor& editor) {
    PermuteFg(editor, ChannelOrder::GBR);
}

void PermuteBgRBG(Editor& editor) {
    PermuteBg(editor, ChannelOrder::RBG);
}

void PermuteBgBGR(Editor& editor) {
    PermuteBg(editor, ChannelOrder::BGR);
}

void PermuteBgBRG(Editor& editor) {
    PermuteBg(editor, ChannelOrder::BRG);
}

void PermuteBgGRB(Editor& editor) {
    PermuteBg(editor, ChannelOrder::GRB);
}

void PermuteBgGBR(Editor& editor) {
    PermuteBg(editor, ChannelOrder::GBR);
}

void BrightnessFg(Editor& editor) {
    brightness(editor, ColorLayer::Foreground);
}

void BrightnessBg(Editor& editor) {
    brightness(editor, ColorLayer::Background);
}

void SwapFgBg(Editor& editor) {
    SwapFgBg(editor.canvas());
}

} // namespace glyphora
