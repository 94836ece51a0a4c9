#include "formats/applet_format.h"

namespace glyphora {

namespace {

constexpr char kCodeStart = '\xA7';
constexpr char kForegroundEnd = 'f';
constexpr char kBackgroundEnd = 'F';
constexpr char kRepeatEnd = 'X';
constexpr char kRowEnd = '\xE4';
constexpr const char* kPlainCaption = "Saving (normal) ...";
constexpr const char* kPlainStep = "Step 1 of 2";
constexpr std::size_t kShortestRun = 3;

std::string colorDigits(Color color) {
    return {static_cast<char>('0' + appletColorDigit(redOf(color))),
            static_cast<char>('0' + appletColorDigit(greenOf(color))),
            static_cast<char>('0' + appletColorDigit(blueOf(color)))};
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace

int appletColorDigit(int channel) {
    // round(channel * 10 / 283); no channel falls on a half.
    return (20 * channel + 283) / 566;
}

std::string encodeAppletData(CharCanvas& canvas, Progress& progress) {
    progress.showBar(kPlainCaption, false, kPlainStep);
    std::string out;
    // "x" matches no digits, so the first cell carries both codes.
    std::string previousFg = "x";
    std::string previousBg = "x";
    for (int r = 0; r < canvas.rowCount(); ++r) {
        progress.setBarPosition(r, canvas.rowCount() - 1, kPlainCaption, kPlainStep);
        for (int c = 0; c < canvas.colCount(); ++c) {
            const std::string fg = colorDigits(canvas.foreground(c, r));
            const std::string bg = colorDigits(canvas.background(c, r));
            if (canvas.text(c, r).empty())
                canvas.setText(c, r, " ");
            if (fg != previousFg)
                out += kCodeStart + fg + kForegroundEnd;
            if (bg != previousBg)
                out += kCodeStart + bg + kBackgroundEnd;
            out += canvas.text(c, r);
            previousFg = fg;
            previousBg = bg;
        }
        out += kRowEnd;
        out += "\r\n";
    }
    return out;
}

std::string runLengthAppletData(std::string_view plain) {
    std::string out;
    out.reserve(plain.size());
    std::size_t runLength = 0;
    char runByte = '\xFF';
    const auto flush = [&] {
        if (runLength >= kShortestRun)
            out += kCodeStart + std::to_string(runLength) + kRepeatEnd + runByte;
        else
            out.append(runLength, runByte);
        runLength = 0;
    };
    bool inCode = false;
    for (const char b : plain) {
        if (static_cast<unsigned char>(b) <= 30)
            continue;
        if (inCode) {
            out += b;
            inCode = isDigit(b);
        } else if (b == kCodeStart) {
            flush();
            runByte = '\xFF';
            out += kCodeStart;
            inCode = true;
        } else if (runLength > 0 && b == runByte) {
            ++runLength;
        } else {
            flush();
            runByte = b;
            runLength = 1;
        }
    }
    flush();
    return out;
}

} // namespace glyphora
