#pragma once

#include "canvas/char_canvas.h"
#include "platform/input.h"

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string_view>
#include <vector>

namespace glyphora {

// The link between the main window and the colour window: queued notifications, each with
// a code and one 32-bit value, handled in the order they were posted.
inline constexpr int kNotifyFontColor = 1025; // a colour: the font colour / active foreground
inline constexpr int kNotifyBackColor = 1026; // a colour: the fill / active background
inline constexpr int kNotifyError = 1027;     // an error number 1..6
inline constexpr int kNotifyCommand = 1028;   // a command number 1..6

struct ColorNotification {
    int code = 0;
    std::uint32_t value = 0;
    bool operator==(const ColorNotification&) const = default;
};

class NotificationQueue {
public:
    void post(int code, std::uint32_t value) { queue_.push_back({code, value}); }
    void post(const ColorNotification& n) { queue_.push_back(n); }
    bool empty() const { return queue_.empty(); }
    std::size_t size() const { return queue_.size(); }
    std::optional<ColorNotification> take();
    void clear() { queue_.clear(); }

private:
    std::deque<ColorNotification> queue_;
};

// The error numbers the colour window sends, and their texts for the main window.
enum ColorWindowError : std::uint32_t {
    kErrRgbColors = 1,
    kErrRgbBackColors = 2,
    kErrAnsiColors = 3,
    kErrAnsiBackColors = 4,
    kErrColors = 5,
    kErrBackColors = 6,
};
// The message for an error number; " ColorDlg Error (internal-#1)" for any other.
std::string_view colorWindowErrorText(std::uint32_t number);
inline constexpr std::string_view kUnknownCommandText = " ColorDlg Error (internal-#2)";

// The command numbers the colour window sends.
enum ColorWindowCommand : std::uint32_t {
    kCmdActiveFontToCell = 1,
    kCmdActiveBackToCell = 2,
    kCmdColorSelectionFont = 3,
    kCmdColorSelectionBack = 4,
    kCmdCopyWithColor = 5,
    kCmdPasteWithColor = 6,
};

enum class ColorWindowImage { RgbPalette, AnsiPalette, FreeColor };

// Comma-separated entries of six hex digits, each a colour value with blue first
// (0xBBGGRR as written), so "0000FF" is red. Unreadable entries count as black.
std::vector<Color> parsePaletteText(std::string_view text);

// The colour dialog window " ColorDlg", free of any toolkit: its palettes, free colour and
// sample box, and what a click or a tool button sends to the main window. It checks the
// colour mode itself before it sends anything.
class ColorWindowModel {
public:
    static constexpr const char* kCaption = " ColorDlg";
    static constexpr int kClientWidth = 140;
    static constexpr int kClientHeight = 346;
    static constexpr int kSwatch = 20;
    static constexpr int kColumns = 7;
    static constexpr int kRgbRows = 7;
    static constexpr int kAnsiRows = 3;
    static constexpr int kSampleHeight = 24;
    static constexpr Color kInitialFreeColor = 0x800000; // navy
    static constexpr const char* kSampleText = " ABC 012 /\\- #*@";
    static constexpr std::array<const char*, 6> kToolHints = {"fgColor", "bgColor", "fgColor",
                                                              "bgColor", "copy",    "paste"};
    // Filled column by column: each column a ramp from light to dark.
    static constexpr std::string_view kRgbPaletteText =
        "FFFFFF,CFC8CF,BFBFBF,909790,606760,2F302F,000000,"
        "CFC8FF,6067FF,0000FF,0000CF,000090,000060,00002F,"
        "90C8FF,2FC8FF,0097FF,0067FF,0067CF,003090,003060,"
        "CFFFFF,90FFFF,00FFFF,00C8FF,009790,006760,00302F,"
        "90FF90,90FF60,2FFF2F,00C800,009700,006700,003000,"
        "FFFFCF,FFFF60,FFC82F,FF672F,FF3430,980000,680000,"
        "FFC8FF,FF97FF,CF67CF,CF30CF,603090,603060,2F002F";
    // Filled row by row: the 16 ANSI colours in SGR order, then black.
    static constexpr std::string_view kAnsiPaletteText =
        "000000,0000A0,00A000,0050A0,A00000,A000A0,A0A800,A0A8A0,"
        "505050,5050FF,50F850,50F8FF,FF5050,FF50FF,FFF850,FFF8FF";

    ColorWindowModel();

    // Swatch colours by column and row, zero-based.
    Color rgbSwatch(int col, int row) const;
    Color ansiSwatch(int col, int row) const;
    Color freeColor() const { return freeColor_; }
    void setFreeColor(Color color) { freeColor_ = color & kWhite; }
    Color sampleFont() const { return sampleFont_; }
    Color sampleBack() const { return sampleBack_; }

    // Image sizes in pixels.
    static int imageWidth(ColorWindowImage image);
    static int imageHeight(ColorWindowImage image);
    // The colour of the pixel under the mouse, nothing outside the image.
    std::optional<Color> colorAt(ColorWindowImage image, int x, int y) const;

    // A click on an image: updates the sample and returns what goes to the main window.
    std::vector<ColorNotification> click(ColorWindowImage image, int x, int y, MouseButton button,
                                         ColorMode mode);
    // Tool button 1..6, left to right.
    std::vector<ColorNotification> toolButton(int button, ColorMode mode) const;
    // A notification from the main window: 1025 sets the sample's text colour, 1026 its fill.
    void receive(const ColorNotification& notification);

private:
    std::array<Color, kColumns * kRgbRows> rgb_{};
    std::array<Color, kColumns * kAnsiRows> ansi_{};
    Color freeColor_ = kInitialFreeColor;
    Color sampleFont_ = kBlack;
    Color sampleBack_ = kWhite;
};

} // namespace glyphora
