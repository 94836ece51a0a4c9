// The ANSI reader: the text screen that ANSI art is drawn on, emulated.
#include "color/ansi_palette.h"
#include "formats/ansi_format.h"
#include "platform/text_codec.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

namespace glyphora {

namespace {

constexpr unsigned char kEsc = 27;
constexpr unsigned char kCr = 13;
constexpr unsigned char kLf = 10;
constexpr unsigned char kBel = 7;
constexpr unsigned char kEndOfFile = 26;
constexpr unsigned char kFullBlock = 219;
constexpr unsigned char kBackslash = '\\';
// Bytes from here on are characters of the art's character set, never part of a sequence.
constexpr unsigned char kFirstHighByte = 0x80;

constexpr int kScreenColumns = 80;
constexpr int kScreenRows = 25;
// Beyond these the reader keeps nothing: later parameters are dropped, larger values capped.
constexpr std::size_t kMaxParameters = 30;
constexpr int kMaxParameterValue = 255;

// SAUCE record layout.
constexpr std::size_t kSauceSize = 128;
constexpr std::string_view kSauceId = "SAUCE00";
constexpr std::string_view kCommentId = "COMNT";
constexpr std::size_t kCommentLine = 64;
constexpr std::size_t kSauceDataType = 94;
constexpr std::size_t kSauceWidth = 96;
constexpr std::size_t kSauceComments = 104;
constexpr std::size_t kSauceFontName = 106;
constexpr std::string_view kIbmFont = "IBM ";
constexpr unsigned char kCharacterData = 1;

// Colour sequences: SGR parameters.
constexpr int kReset = 0;
constexpr int kBold = 1;
constexpr int kFirstForeground = 30;
constexpr int kLastForeground = 37;
constexpr int kExtendedForeground = 38;
constexpr int kFirstBackground = 40;
constexpr int kLastBackground = 47;
constexpr int kExtendedBackground = 48;
constexpr int kIndexedSelector = 5;
constexpr int kRgbSelector = 2;
constexpr int kBrightOffset = 8;

// The 256-colour table beyond the palette.
constexpr int kCubeStart = 16;
constexpr int kGreyStart = 232;
constexpr int kCubeSide = 6;
constexpr std::array<int, kCubeSide> kCubeLevels = {0, 95, 135, 175, 215, 255};
constexpr int kGreyBase = 8;
constexpr int kGreyStep = 10;

// The screen's colours as small ids: the 16 palette indices and the two greys.
using ColorId = std::uint8_t;
constexpr ColorId kStartGreyId = kAnsiColorCount;
constexpr ColorId kResetGreyId = kAnsiColorCount + 1;
constexpr ColorId kBlackId = 0;

Color colorOfId(ColorId id) {
    if (id == kStartGreyId)
        return kAnsiStartGrey;
    if (id == kResetGreyId)
        return kAnsiResetGrey;
    return kAnsiPalette[id].color;
}

std::uint16_t littleEndian16(std::string_view bytes, std::size_t at) {
    return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at]) |
                                      static_cast<unsigned char>(bytes[at + 1]) << 8);
}

// A decimal parameter, capped; nothing for an empty or non-decimal text.
std::optional<int> parameterValue(std::string_view text) {
    if (text.empty())
        return std::nullopt;
    int value = 0;
    for (const char ch : text) {
        if (ch < '0' || ch > '9')
            return std::nullopt;
        value = std::min(value * 10 + (ch - '0'), kMaxParameterValue);
    }
    return value;
}

int squaredDistance(Color a, Color b) {
    const int dr = redOf(a) - redOf(b);
    const int dg = greenOf(a) - greenOf(b);
    const int db = blueOf(a) - blueOf(b);
    return dr * dr + dg * dg + db * db;
}

bool isFinalByte(unsigned char b) {
    return b >= 0x40 && b <= 0x7E;
}
bool isParameterByte(unsigned char b) {
    return b >= 0x30 && b <= 0x3F;
}
bool isIntermediateByte(unsigned char b) {
    return b >= 0x20 && b <= 0x2F;
}
// The last byte of an escape that is not a control sequence.
bool isEscapeFinalByte(unsigned char b) {
    return b >= 0x30 && b <= 0x7E;
}

// The emulated text screen. A cell is two bytes (the byte, a colour id and one of the 8
// background ids) and whether a row was drawn on is kept per row, so that the screen costs
// a fraction of the canvas it becomes.
class AnsiScreen {
public:
    AnsiScreen(int width, long long maxCells)
        : width_(width), maxRows_(static_cast<int>(std::min<long long>(
                             maxCells / width, std::numeric_limits<int>::max()))) {
        clearScreen();
    }

    void run(std::string_view art) {
        reserveFor(art.size());
        std::size_t i = 0;
        bool afterCr = false;
        while (i < art.size() && !failed_) {
            if (x_ > width_ - 1) {
                x_ = 0;
                moveToRow(static_cast<long long>(y_) + 1);
                if (failed_)
                    break;
            }
            const auto b = static_cast<unsigned char>(art[i++]);
            const bool wasAfterCr = afterCr;
            afterCr = false;
            switch (b) {
            case kEsc:
                i = escapeSequence(art, i);
                break;
            case kCr:
                moveToRow(static_cast<long long>(y_) + 1);
                afterCr = true;
                break;
            case kLf:
                // CR LF is one line end; a lone LF is one too, as Unix files write it.
                x_ = 0;
                if (!wasAfterCr)
                    moveToRow(static_cast<long long>(y_) + 1);
                break;
            default:
                put(b);
                break;
            }
        }
    }

    bool failed() const { return failed_; }
    Color activeFont() const { return colorOfId(font_); }
    Color activeBack() const { return colorOfId(back_); }

    // The rows the canvas keeps: those a line end finished and a last row drawn on; after a
    // failure, the rows up to the last one drawn on.
    int keptRows() const {
        if (failed_)
            return lastDrawnRow_ + 1;
        return y_ + (rowDrawn(y_) ? 1 : 0);
    }

    // A full block is drawn as a space filled with its foreground colour.
    void copyTo(CharCanvas& canvas) const {
        const int rows = std::max(keptRows(), 1);
        canvas.setSize(width_, rows);
        std::array<Color, kColorIds> colors;
        for (std::size_t id = 0; id < kColorIds; ++id)
            colors[id] = colorOfId(static_cast<ColorId>(id));
        const Cell blank;
        for (int r = 0; r < rows; ++r) {
            for (int c = 0; c < width_; ++c) {
                const Cell& cell = r < rowsHeld_ ? cells_[index(c, r)] : blank;
                const bool block = cell.ch == kFullBlock;
                const char ch = block ? ' ' : static_cast<char>(cell.ch);
                canvas.setText(c, r, std::string_view(&ch, 1));
                canvas.SetFontCell(c, r, colors[cell.font]);
                canvas.SetColorCell(c, r, colors[block ? cell.font : cell.back]);
            }
        }
    }

private:
    static constexpr std::size_t kColorIds = kAnsiColorCount + 2;

    // A full block keeps its byte until the copy, so a background is always one of the 8.
    struct Cell {
        unsigned char ch = ' ';
        ColorId font : 5 = kStartGreyId;
        ColorId back : 3 = kBlackId;
    };
    static_assert(sizeof(Cell) == 2);

    std::size_t index(int col, int row) const {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(width_) +
               static_cast<std::size_t>(col);
    }

    bool rowDrawn(int row) const {
        return row < rowsHeld_ && rowsDrawn_[static_cast<std::size_t>(row)];
    }

    void markDrawn(int row) {
        rowsDrawn_[static_cast<std::size_t>(row)] = true;
        lastDrawnRow_ = std::max(lastDrawnRow_, row);
    }

    // The screen reset: 25 rows of spaces in the present colours, the cursor home.
    void clearScreen() {
        rowsHeld_ = std::min(kScreenRows, maxRows_);
        cells_.assign(index(0, rowsHeld_), Cell{' ', font_, back_});
        rowsDrawn_.assign(static_cast<std::size_t>(rowsHeld_), false);
        x_ = y_ = 0;
    }

    // Growing a screen of millions of cells by doubling copies it over and over; a byte draws
    // at most one cell, so the file's size bounds what nearly every file needs. Only the
    // cells drawn on are ever touched, the rest of the reservation costs no memory.
    void reserveFor(std::size_t bytes) {
        const std::size_t rows = bytes / static_cast<std::size_t>(width_) + 1;
        cells_.reserve(index(0, static_cast<int>(std::min<std::size_t>(rows, maxRows_))));
    }

    // The screen grows as the cursor draws further down; rows it grows by look as after a
    // screen reset, grey on black.
    bool holdRow(int row) {
        if (row >= maxRows_) {
            failed_ = true;
            return false;
        }
        if (row >= rowsHeld_) {
            const long long doubled = std::max<long long>(row + 1LL, 2LL * rowsHeld_);
            rowsHeld_ = static_cast<int>(std::min<long long>(doubled, maxRows_));
            cells_.resize(index(0, rowsHeld_));
            rowsDrawn_.resize(static_cast<std::size_t>(rowsHeld_));
        }
        return true;
    }

    void moveToRow(long long row) {
        // A row the limit cannot hold ends the read; the canvas could never show it.
        if (row > maxRows_) {
            failed_ = true;
            return;
        }
        y_ = static_cast<int>(row);
    }

    void put(unsigned char ch) {
        if (!holdRow(y_))
            return;
        cells_[index(x_, y_)] = Cell{ch, font_, back_};
        markDrawn(y_);
        ++x_;
    }

    // After an ESC: a control sequence, a string up to its terminator, or a short escape.
    // Returns the position after what was consumed.
    std::size_t escapeSequence(std::string_view s, std::size_t i) {
        if (i >= s.size())
            return i;
        const auto b = static_cast<unsigned char>(s[i]);
        if (b == '[')
            return controlSequence(s, i + 1);
        if (b == ']')
            return skipString(s, i + 1);
        if (b == kCr || b == kEsc)
            return i + 1;
        if (isIntermediateByte(b)) {
            while (i < s.size() && isIntermediateByte(static_cast<unsigned char>(s[i])))
                ++i;
            return i < s.size() && isEscapeFinalByte(static_cast<unsigned char>(s[i])) ? i + 1 : i;
        }
        if (isEscapeFinalByte(b))
            return i + 1;
        return i; // not an escape after all: the byte is drawn
    }

    // A string (a window title and such) ends at BEL or at ESC backslash.
    static std::size_t skipString(std::string_view s, std::size_t i) {
        while (i < s.size()) {
            const auto b = static_cast<unsigned char>(s[i++]);
            if (b == kBel)
                return i;
            if (b == kEsc)
                return i < s.size() && static_cast<unsigned char>(s[i]) == kBackslash ? i + 1 : i;
        }
        return i;
    }

    // Private (a leading "<=>?") and intermediate forms are not ours.
    static bool isPrivate(std::string_view parameters) {
        return !parameters.empty() && parameters[0] >= '<' && parameters[0] <= '?';
    }

    std::size_t controlSequence(std::string_view s, std::size_t i) {
        // Nearly every sequence is its parameters in one run and a final byte.
        std::size_t end = i;
        while (end < s.size() && isParameterByte(static_cast<unsigned char>(s[end])))
            ++end;
        if (end < s.size() && isFinalByte(static_cast<unsigned char>(s[end]))) {
            const std::string_view parameters = s.substr(i, end - i);
            if (!isPrivate(parameters))
                command(s[end], parameters);
            return end + 1;
        }
        std::string parameters;
        bool intermediate = false;
        while (i < s.size()) {
            const auto b = static_cast<unsigned char>(s[i]);
            if (isParameterByte(b)) {
                parameters += static_cast<char>(b);
            } else if (isIntermediateByte(b)) {
                intermediate = true;
            } else if (isFinalByte(b)) {
                if (!intermediate && !isPrivate(parameters))
                    command(static_cast<char>(b), parameters);
                return i + 1;
            } else if (b == kCr || b == kEsc) {
                return i + 1; // ends the sequence without effect
            } else if (b >= kFirstHighByte) {
                return i; // broken off: the byte is art
            }
            // Other control bytes and DEL inside a sequence are passed over.
            ++i;
        }
        return i;
    }

    std::optional<int> countOrOne(std::string_view p) const {
        return p.empty() ? std::optional<int>(1) : parameterValue(p);
    }

    void command(char final, std::string_view p) {
        switch (final) {
        case 'H':
            cursorPosition(p);
            break;
        case 'J':
            font_ = kStartGreyId;
            back_ = kBlackId;
            clearScreen();
            break;
        case 'A':
            if (const auto n = countOrOne(p))
                y_ = std::max(y_ - *n, 0);
            break;
        case 'B':
            if (const auto n = countOrOne(p))
                moveToRow(static_cast<long long>(y_) + *n);
            break;
        case 'C':
            if (const auto n = countOrOne(p))
                x_ = std::min(x_ + *n, width_ - 1);
            break;
        case 'D':
            if (const auto n = countOrOne(p))
                x_ = std::max(x_ - *n, 0);
            break;
        case 's':
            xs_ = x_;
            ys_ = y_;
            break;
        case 'u':
            x_ = xs_;
            moveToRow(ys_);
            break;
        case 'K':
            eraseToEndOfLine();
            break;
        case 'm':
            applyColorParameters(p);
            break;
        default:
            break;
        }
    }

    void cursorPosition(std::string_view p) {
        const std::size_t split = p.find(';');
        if (p.empty()) {
            x_ = 0;
            moveToRow(0);
        } else if (split == std::string_view::npos) {
            if (const auto row = parameterValue(p)) {
                x_ = 0;
                moveToRow(std::max(*row, 1) - 1);
            }
        } else {
            const auto row = parameterValue(p.substr(0, split));
            moveToRow(row ? std::max(*row, 1) - 1 : 0);
            if (const auto col = parameterValue(p.substr(split + 1)))
                x_ = std::max(*col, 1) - 1;
        }
    }

    void eraseToEndOfLine() {
        if (x_ > width_ || !holdRow(y_))
            return;
        for (int c = x_; c < width_; ++c) {
            Cell& cell = cells_[index(c, y_)];
            cell.ch = ' ';
            cell.back = back_;
        }
        if (x_ < width_)
            markDrawn(y_);
        else
            lastDrawnRow_ = std::max(lastDrawnRow_, y_);
    }

    using Parameters = std::array<int, kMaxParameters>;

    // The values of the parameters, the first kMaxParameters of them; returns their count.
    // An empty parameter is 0; one that is no number is passed over (-1).
    static std::size_t splitParameters(std::string_view p, Parameters& values) {
        std::size_t count = 0;
        int value = 0;
        bool number = true;
        for (std::size_t i = 0;; ++i) {
            if (i == p.size() || p[i] == ';') {
                values[count++] = number ? value : -1;
                if (i == p.size() || count == kMaxParameters)
                    return count;
                value = 0;
                number = true;
            } else if (p[i] >= '0' && p[i] <= '9') {
                value = std::min(value * 10 + (p[i] - '0'), kMaxParameterValue);
            } else {
                number = false;
            }
        }
    }

    // How many parameters from k on an extended colour (38 or 48) takes, itself included;
    // an unknown form takes the rest.
    static std::size_t extendedLength(const Parameters& values, std::size_t count, std::size_t k) {
        const std::size_t left = count - k;
        if (left >= 2 && values[k + 1] == kIndexedSelector)
            return std::min<std::size_t>(3, left);
        if (left >= 2 && values[k + 1] == kRgbSelector)
            return std::min<std::size_t>(5, left);
        return left;
    }

    static std::optional<Color> extendedColor(const Parameters& values, std::size_t k,
                                              std::size_t length) {
        if (length == 3 && values[k + 1] == kIndexedSelector && values[k + 2] >= 0)
            return colorOf256Index(values[k + 2]);
        if (length == 5 && values[k + 1] == kRgbSelector && values[k + 2] >= 0 &&
            values[k + 3] >= 0 && values[k + 4] >= 0)
            return rgb(values[k + 2], values[k + 3], values[k + 4]);
        return std::nullopt;
    }

    void applyColorParameters(std::string_view p) {
        if (p.empty()) {
            font_ = kStartGreyId;
            back_ = kBlackId;
            return;
        }
        Parameters values;
        const std::size_t count = splitParameters(p, values);
        bool laterForeground = false;
        for (std::size_t k = 0; k < count; ++k) {
            if (values[k] == kExtendedForeground || values[k] == kExtendedBackground)
                k += extendedLength(values, count, k) - 1;
            else if (values[k] >= kFirstForeground && values[k] <= kLastForeground)
                laterForeground = true;
        }
        for (std::size_t k = 0; k < count; ++k) {
            const int v = values[k];
            if (v == kExtendedForeground || v == kExtendedBackground) {
                const std::size_t length = extendedLength(values, count, k);
                if (const auto color = extendedColor(values, k, length)) {
                    const bool background = v == kExtendedBackground;
                    (background ? back_ : font_) =
                        static_cast<ColorId>(nearestAnsiIndex(*color, background));
                }
                k += length - 1;
            } else {
                applyColorParameter(v, count > 1 && laterForeground);
            }
        }
    }

    void applyColorParameter(int p, bool foregroundFollows) {
        if (p == kBold) {
            bold_ = true;
            if (font_ < kBrightOffset)
                font_ = static_cast<ColorId>(font_ + kBrightOffset);
        } else if (p == kReset) {
            bold_ = false;
            if (!foregroundFollows)
                font_ = kResetGreyId;
            else if (font_ >= kBrightOffset && font_ < kAnsiColorCount)
                font_ = static_cast<ColorId>(font_ - kBrightOffset);
            back_ = kBlackId;
        } else if (p >= kFirstForeground && p <= kLastForeground) {
            font_ = static_cast<ColorId>(p - kFirstForeground + (bold_ ? kBrightOffset : 0));
        } else if (p >= kFirstBackground && p <= kLastBackground) {
            back_ = static_cast<ColorId>(p - kFirstBackground);
        }
    }

    int width_;
    int maxRows_;
    std::vector<Cell> cells_;
    std::vector<bool> rowsDrawn_;
    int rowsHeld_ = 0;
    int x_ = 0;
    int y_ = 0;
    int xs_ = 0;
    int ys_ = 0;
    bool bold_ = false;
    ColorId font_ = kStartGreyId;
    ColorId back_ = kBlackId;
    int lastDrawnRow_ = -1;
    bool failed_ = false;
};

} // namespace

SauceRecord findSauceRecord(std::string_view bytes) {
    SauceRecord record;
    record.artEnd = bytes.size();
    if (bytes.size() < kSauceSize ||
        bytes.substr(bytes.size() - kSauceSize, kSauceId.size()) != kSauceId)
        return record;
    const std::string_view sauce = bytes.substr(bytes.size() - kSauceSize);
    record.present = true;
    std::size_t start = bytes.size() - kSauceSize;
    const std::size_t comments =
        kCommentId.size() + kCommentLine * static_cast<unsigned char>(sauce[kSauceComments]);
    if (sauce[kSauceComments] != 0 && start >= comments &&
        bytes.substr(start - comments, kCommentId.size()) == kCommentId)
        start -= comments;
    if (start > 0 && static_cast<unsigned char>(bytes[start - 1]) == kEndOfFile)
        --start;
    record.artEnd = start;
    if (static_cast<unsigned char>(sauce[kSauceDataType]) == kCharacterData)
        record.width = littleEndian16(sauce, kSauceWidth);
    record.ibmFont = sauce.substr(kSauceFontName, kIbmFont.size()) == kIbmFont;
    return record;
}

AnsiReadResult readAnsi(std::string_view bytes, CharCanvas& canvas, long long maxCells) {
    AnsiReadResult result;
    const SauceRecord sauce = findSauceRecord(bytes);
    std::string_view art = bytes.substr(0, sauce.artEnd);

    // Art saved by Unicode editors: each character is one cell, in the DOS character set.
    std::optional<std::string> decoded;
    if (!sauce.ibmFont && std::any_of(art.begin(), art.end(), [](char c) {
            return static_cast<unsigned char>(c) >= kFirstHighByte;
        })) {
        decoded = validUtf8ToCp437(art);
        if (decoded) {
            art = *decoded;
            result.decodedUtf8 = true;
        }
    }

    // A wider screen only when the record asks for one and it still fits the limit.
    result.width = sauce.width > kScreenColumns &&
                           static_cast<long long>(sauce.width) * kScreenRows <= maxCells
                       ? sauce.width
                       : kScreenColumns;
    AnsiScreen screen(result.width, std::max(maxCells, static_cast<long long>(result.width)));
    screen.run(art);
    screen.copyTo(canvas);
    result.status = screen.failed() ? AnsiReadStatus::TooTall : AnsiReadStatus::Complete;
    result.activeFont = screen.activeFont();
    result.activeBack = screen.activeBack();
    return result;
}

int nearestAnsiIndex(Color color, bool background) {
    const int count = background ? kAnsiBackgroundCount : kAnsiColorCount;
    int best = 0;
    int bestDistance = squaredDistance(color, kAnsiPalette[0].color);
    for (int i = 1; i < count; ++i) {
        const int d = squaredDistance(color, kAnsiPalette[static_cast<std::size_t>(i)].color);
        if (d < bestDistance) {
            best = i;
            bestDistance = d;
        }
    }
    return best;
}

Color colorOf256Index(int index) {
    index = std::clamp(index, 0, kMaxParameterValue);
    if (index < kCubeStart)
        return kAnsiPalette[static_cast<std::size_t>(index)].color;
    if (index < kGreyStart) {
        const int cube = index - kCubeStart;
        const auto level = [](int i) { return kCubeLevels[static_cast<std::size_t>(i)]; };
        return rgb(level(cube / (kCubeSide * kCubeSide)), level(cube / kCubeSide % kCubeSide),
                   level(cube % kCubeSide));
    }
    const int grey = kGreyBase + kGreyStep * (index - kGreyStart);
    return rgb(grey, grey, grey);
}

} // namespace glyphora
