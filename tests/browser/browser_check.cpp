// The coloured HTML pages in a real browser: glyphora-cli builds a coloured document and saves
// it in the five flavours, headless Chromium renders each page, and sampled pixels must show
// the cells' colours where the cells are and, except on the CSS pre page (which sets its font
// only on colour runs), a monospaced text whose columns line up.
//
//   browser_check [--keep DIR] [--font FAMILY]
//
// CHROMIUM names the browser (default "chromium"). --font sets the pages' font (default
// "Courier New"); a proportional one must fail.
#include <QColor>
#include <QImage>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr QRgb kGreen = 0x00FF00;
constexpr QRgb kRed = 0xFF0000;
constexpr QRgb kBlue = 0x0000FF;
constexpr QRgb kYellow = 0xFFFF00;
constexpr QRgb kCyan = 0x00FFFF;
constexpr QRgb kMagenta = 0xFF00FF;
// How far an anti-aliased glyph pixel may be from its colour (sum over the channels).
constexpr int kGlyphTolerance = 90;
constexpr int kMinGlyphPixels = 8;
constexpr int kMinFillPixels = 50;
constexpr int kPixelSlack = 2;
constexpr int kGlyphGap = 3;
constexpr const char* kWindowSize = "900,500";

// The document: green '#' markers in columns 0 and 5 of rows 0 and 1, with narrow letters
// between them in row 0 and wide ones in row 1; red M on yellow in columns 0-3 and blue i on
// cyan in columns 5-8 of row 2; a magenta run of blanks in columns 2-5 of row 3.
const char* kText = R"(set ShowInfoMessages=N
answer "12 4"
run NewCanvas
run SetModeFullColored
click 0 0
type "#iiii#"
click 0 1
type "#MMMM#"
click 0 2
type "MMMM iiii"
)";
struct Run {
    const char* fg; // none: the background only
    const char* bg;
    const char* cells; // "left top right bottom"
};
constexpr Run kRuns[] = {{"00FF00", "00FF00", "0 0 0 1"},
                         {"00FF00", "00FF00", "5 0 5 1"},
                         {"FF0000", "FFFF00", "0 2 3 2"},
                         {"0000FF", "00FFFF", "5 2 8 2"},
                         {nullptr, "FF00FF", "2 3 5 3"}};

struct Flavour {
    int code;
    const char* name;
    bool table;
    bool fontColors;
    bool aligned; // the page sets one monospaced font for all its text
};
constexpr Flavour kFlavours[] = {
    {4, "HTML colored", false, true, true},    {13, "HTML colored (CSS)", false, true, false},
    {5, "HTML table", true, true, true},       {14, "HTML table (CSS)", true, false, true},
    {15, "HTML table (IE)", true, true, true},
};

struct Box {
    int left = 0;
    int top = 0;
    int right = -1; // inclusive
    int bottom = -1;
    int pixels = 0;
    int width() const { return right - left + 1; }
    int height() const { return bottom - top + 1; }
    void add(const Box& b) {
        if (pixels == 0)
            *this = Box{b.left, b.top, b.right, b.bottom, 0};
        left = std::min(left, b.left);
        top = std::min(top, b.top);
        right = std::max(right, b.right);
        bottom = std::max(bottom, b.bottom);
        pixels += b.pixels;
    }
};

bool matches(QRgb pixel, QRgb color, int tolerance) {
    return std::abs(qRed(pixel) - qRed(color)) + std::abs(qGreen(pixel) - qGreen(color)) +
               std::abs(qBlue(pixel) - qBlue(color)) <=
           tolerance;
}

// The connected areas of the colour (8 neighbours), largest first, without specks.
std::vector<Box> areas(const QImage& image, QRgb color, int tolerance, int minPixels) {
    const int w = image.width();
    const int h = image.height();
    std::vector<char> seen(static_cast<std::size_t>(w) * h, 0);
    const auto at = [&](int x, int y) { return static_cast<std::size_t>(y) * w + x; };
    std::vector<Box> found;
    std::vector<std::pair<int, int>> work;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            if (seen[at(x, y)] || !matches(image.pixel(x, y), color, tolerance))
                continue;
            Box box;
            seen[at(x, y)] = 1;
            work.assign(1, {x, y});
            while (!work.empty()) {
                const auto [px, py] = work.back();
                work.pop_back();
                box.add({px, py, px, py, 1});
                for (int dy = -1; dy <= 1; ++dy) {
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int nx = px + dx;
                        const int ny = py + dy;
                        if (nx < 0 || ny < 0 || nx >= w || ny >= h || seen[at(nx, ny)] ||
                            !matches(image.pixel(nx, ny), color, tolerance))
                            continue;
                        seen[at(nx, ny)] = 1;
                        work.emplace_back(nx, ny);
                    }
                }
            }
            if (box.pixels >= minPixels)
                found.push_back(box);
        }
    }
    return found;
}

// A glyph's strokes, or a fill crossed by a black glyph, can fall apart into several areas:
// areas whose boxes come within the gap of each other are one.
std::vector<Box> mergedAreas(std::vector<Box> boxes, int gap) {
    bool merged = true;
    while (merged) {
        merged = false;
        for (std::size_t i = 0; i < boxes.size() && !merged; ++i) {
            for (std::size_t j = i + 1; j < boxes.size() && !merged; ++j) {
                Box& a = boxes[i];
                const Box& b = boxes[j];
                if (b.left > a.right + gap || a.left > b.right + gap || b.top > a.bottom + gap ||
                    a.top > b.bottom + gap)
                    continue;
                a.add(b);
                boxes.erase(boxes.begin() + static_cast<std::ptrdiff_t>(j));
                merged = true;
            }
        }
    }
    return boxes;
}

// All pixels of the colour as one box (empty when there are none).
Box extent(const std::vector<Box>& parts) {
    Box all;
    for (const Box& b : parts)
        all.add(b);
    return all;
}

int pixelsInside(const QImage& image, QRgb color, const Box& box) {
    int count = 0;
    for (int y = box.top; y <= box.bottom; ++y)
        for (int x = box.left; x <= box.right; ++x)
            count += matches(image.pixel(x, y), color, kGlyphTolerance);
    return count;
}

// Collects the failed expectations of one page.
struct Verdict {
    std::vector<std::string> failures;
    void expect(bool ok, const std::string& what) {
        if (!ok)
            failures.push_back(what);
    }
    void near(int a, int b, int slack, const std::string& what) {
        expect(std::abs(a - b) <= slack,
               what + " (" + std::to_string(a) + " vs " + std::to_string(b) + ")");
    }
};

// The green markers of columns 0 and 5, sorted by row, then column: glyphs on the pre pages
// (two rows), filled cells on the table pages (one area over both rows). They give the cell
// size, which must be that of a readable grid.
std::vector<Box> markers(const QImage& image, bool table, int& cw, int& rh, Verdict& v) {
    std::vector<Box> found = mergedAreas(
        table ? areas(image, kGreen, 0, 1) : areas(image, kGreen, kGlyphTolerance, kMinGlyphPixels),
        kGlyphGap);
    const std::size_t expected = table ? 2 : 4;
    if (found.size() != expected) {
        v.expect(false, std::to_string(expected) + " green markers (found " +
                            std::to_string(found.size()) + ")");
        return {};
    }
    std::sort(found.begin(), found.end(), [](const Box& a, const Box& b) {
        return a.top + 4 < b.top || (std::abs(a.top - b.top) <= 4 && a.left < b.left);
    });
    cw = table ? found[0].width() : (found[1].left - found[0].left) / 5;
    rh = table ? found[0].height() / 2 : found[2].top - found[0].top;
    v.expect(cw >= 6 && rh >= cw, "a cell grid from the markers");
    return found;
}

// The pre pages: the letters' colours must lie in their cells.
void checkPrePage(const QImage& image, const Flavour& flavour, Verdict& v) {
    int cw = 0;
    int rh = 0;
    const std::vector<Box> m = markers(image, false, cw, rh, v);
    const Box red = extent(areas(image, kRed, kGlyphTolerance, kMinGlyphPixels));
    const Box blue = extent(areas(image, kBlue, kGlyphTolerance, kMinGlyphPixels));
    v.expect(red.pixels > 0 && blue.pixels > 0, "red and blue letters shown");
    if (m.empty())
        return;
    const Box& a0 = m[0]; // column 0, row 0
    const Box& a1 = m[2]; // column 0, row 1
    if (!flavour.aligned) {
        // Colours only: red before blue on one line below the markers.
        v.expect(red.right < blue.left, "red letters left of blue ones");
        v.expect(red.top > a1.top && blue.top > a1.top, "coloured row below the marker rows");
        v.expect(std::abs(red.bottom - blue.bottom) <= rh / 2, "red and blue on one line");
        return;
    }
    v.near(a1.left, a0.left, 1, "rows start aligned");
    v.near(m[3].left, m[1].left, 1, "column 5 aligned under narrow and wide letters (monospace)");
    const int x0 = a0.left;
    const int rowTop = a0.top + 2 * rh;
    v.expect(red.left >= x0 - cw / 2 && red.right <= x0 + 4 * cw && red.right >= x0 + 3 * cw,
             "red letters fill columns 0-3");
    v.expect(blue.left >= x0 + 5 * cw - cw / 2 && blue.left <= x0 + 5 * cw + cw / 2 &&
                 blue.right <= x0 + 9 * cw,
             "blue letters in columns 5-8");
    v.expect(red.top >= rowTop - rh / 2 && red.bottom < rowTop + rh &&
                 blue.top >= rowTop - rh / 2 && blue.bottom < rowTop + rh,
             "coloured letters in row 2");
}

// The table pages: coloured cell backgrounds give the grid directly; each run must cover its
// cells.
void checkTablePage(const QImage& image, const Flavour& flavour, Verdict& v) {
    int cw = 0;
    int rh = 0;
    const std::vector<Box> m = markers(image, true, cw, rh, v);
    const std::vector<Box> fills[] = {areas(image, kYellow, 0, kMinFillPixels),
                                      areas(image, kCyan, 0, kMinFillPixels),
                                      areas(image, kMagenta, 0, kMinFillPixels)};
    if (m.empty())
        return;
    if (fills[0].size() != 1 || fills[1].size() != 1 || fills[2].size() != 1) {
        v.expect(false, "one area per coloured run (yellow " + std::to_string(fills[0].size()) +
                            ", cyan " + std::to_string(fills[1].size()) + ", magenta " +
                            std::to_string(fills[2].size()) + ")");
        return;
    }
    const Box& g0 = m[0];
    const Box& yellow = fills[0][0];
    const Box& cyan = fills[1][0];
    const Box& magenta = fills[2][0];
    const auto near = [&](int a, int b, const std::string& what) {
        v.near(a, b, kPixelSlack, what);
    };
    near(m[1].left, g0.left + 5 * cw, "column 5 marker five cells in");
    near(yellow.left, g0.left, "yellow run starts in column 0");
    near(yellow.top, g0.top + 2 * rh, "yellow run in row 2");
    near(yellow.width(), 4 * cw, "yellow run four cells wide");
    near(cyan.left, m[1].left, "cyan run starts in column 5");
    near(cyan.top, yellow.top, "cyan run in row 2");
    near(cyan.width(), yellow.width(), "narrow letters as wide as wide ones");
    near(magenta.left, g0.left + 2 * cw, "magenta blanks from column 2");
    near(magenta.top, yellow.bottom + 1, "magenta blanks in row 3");
    near(magenta.width(), 4 * cw, "magenta blanks four cells wide");
    if (flavour.fontColors) {
        const int reds = pixelsInside(image, kRed, yellow);
        const int blues = pixelsInside(image, kBlue, cyan);
        v.expect(reds >= kMinFillPixels / 2, "red letters on the yellow cells");
        v.expect(blues >= kMinFillPixels / 2, "blue letters on the cyan cells");
    }
}

int run(const std::string& command) {
    return std::system(command.c_str());
}

std::string shellQuoted(const fs::path& path) {
    std::string quoted = "'";
    quoted += path.string();
    quoted += '\'';
    return quoted;
}

} // namespace

int main(int argc, char** argv) {
    fs::path dir;
    bool keep = false;
    std::string font = "Courier New";
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string option = argv[i];
        if (option == "--keep") {
            dir = argv[i + 1];
            keep = true;
        } else if (option == "--font") {
            font = argv[i + 1];
        } else {
            std::cerr << "usage: browser_check [--keep DIR] [--font FAMILY]\n";
            return 2;
        }
    }
    if (!dir.empty()) {
        fs::create_directories(dir);
        dir = fs::absolute(dir); // the browser takes a file URL, the script absolute paths
    } else {
        char pattern[] = "/tmp/glyphora-browser-XXXXXX";
        if (!mkdtemp(pattern)) {
            std::cerr << "no scratch folder\n";
            return 2;
        }
        dir = pattern;
    }
    const char* browser = std::getenv("CHROMIUM");
    const std::string chromium = browser ? browser : "chromium";

    std::ofstream script(dir / "document.script");
    script << kText;
    for (const Run& r : kRuns) {
        if (r.fg)
            script << "answer " << r.fg << "\nrun SetActiveFontColorDialog\n";
        script << "answer " << r.bg << "\nrun SetActiveBackColorDialog\nselect " << r.cells
               << (r.fg ? "\nrun ColorSelectionFg" : "") << "\nrun ColorSelectionBg\n";
    }
    for (const Flavour& f : kFlavours) {
        script << "answer \"" << font << " 20 0\"\n"; // the options form
        script << "saveas " << f.code << " \""
               << (dir / ("page" + std::to_string(f.code) + ".htm")).string() << "\"\n";
    }
    script.close();
    if (run(std::string(GLYPHORA_CLI) + " --home " + shellQuoted(dir) + " script " +
            shellQuoted(dir / "document.script") + " > " + shellQuoted(dir / "cli.log") +
            " 2>&1") != 0) {
        std::cerr << "glyphora-cli failed, see " << (dir / "cli.log") << "\n";
        return 2;
    }

    int failed = 0;
    for (const Flavour& f : kFlavours) {
        std::string stem = "page";
        stem += std::to_string(f.code);
        const fs::path page = dir / (stem + ".htm");
        const fs::path shot = dir / (stem + ".png");
        const std::string command =
            chromium + " --headless --no-sandbox --disable-gpu --hide-scrollbars" +
            " --force-device-scale-factor=1 --no-first-run --window-size=" + kWindowSize +
            " --user-data-dir=" + shellQuoted(dir / (stem + "-profile")) +
            " --screenshot=" + shellQuoted(shot) + " " + shellQuoted("file://" + page.string()) +
            " > " + shellQuoted(dir / (stem + ".log")) + " 2>&1";
        const int status = run(command);
        std::error_code ignored;
        fs::remove_all(dir / (stem + "-profile"), ignored);
        QImage image;
        if (status != 0 || !image.load(QString::fromStdString(shot.string()))) {
            std::cout << f.code << " " << f.name << ": FAIL (no screenshot, see "
                      << (dir / (stem + ".log")).string() << ")\n";
            ++failed;
            continue;
        }
        image = image.convertToFormat(QImage::Format_RGB32);
        Verdict verdict;
        if (f.table)
            checkTablePage(image, f, verdict);
        else
            checkPrePage(image, f, verdict);
        const bool ok = verdict.failures.empty();
        failed += ok ? 0 : 1;
        std::printf("%2d %-20s %s\n", f.code, f.name, ok ? "PASS" : "FAIL");
        for (const std::string& failure : verdict.failures)
            std::cout << "     expected: " << failure << "\n";
    }
    if (failed == 0 && !keep) {
        std::printf("all pages pass\n");
        fs::remove_all(dir);
        return 0;
    }
    std::printf("%s; pages and screenshots in %s\n",
                failed == 0 ? "all pages pass" : "pages failed", dir.c_str());
    return failed == 0 ? 0 : 1;
}
