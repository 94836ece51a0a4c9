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
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
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
const char* kDocument = R"(set ShowInfoMessages=N
answer "12 4"
run NewCanvas
run SetModeFullColored
click 0 0
type "#iiii#"
click 0 1
type "#MMMM#"
click 0 2
type "MMMM iiii"
answer 00FF00
run SetActiveFontColorDialog
answer 00FF00
run SetActiveBackColorDialog
select 0 0 0 1
run ColorSelectionFg
run ColorSelectionBg
select 5 0 5 1
run ColorSelectionFg
run ColorSelectionBg
answer FF0000
run SetActiveFontColorDialog
answer FFFF00
run SetActiveBackColorDialog
select 0 2 3 2
run ColorSelectionFg
run ColorSelectionBg
answer 0000FF
run SetActiveFontColorDialog
answer 00FFFF
run SetActiveBackColorDialog
select 5 2 8 2
run ColorSelectionFg
run ColorSelectionBg
answer FF00FF
run SetActiveBackColorDialog
select 2 3 5 3
run ColorSelectionBg
)";

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
            Box box{x, y, x, y, 0};
            seen[at(x, y)] = 1;
            work.assign(1, {x, y});
            while (!work.empty()) {
                const auto [px, py] = work.back();
                work.pop_back();
                ++box.pixels;
                box.left = std::min(box.left, px);
                box.right = std::max(box.right, px);
                box.top = std::min(box.top, py);
                box.bottom = std::max(box.bottom, py);
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
                a.left = std::min(a.left, b.left);
                a.top = std::min(a.top, b.top);
                a.right = std::max(a.right, b.right);
                a.bottom = std::max(a.bottom, b.bottom);
                a.pixels += b.pixels;
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
    for (const Box& b : parts) {
        if (all.pixels == 0) {
            all = b;
            continue;
        }
        all.left = std::min(all.left, b.left);
        all.top = std::min(all.top, b.top);
        all.right = std::max(all.right, b.right);
        all.bottom = std::max(all.bottom, b.bottom);
        all.pixels += b.pixels;
    }
    return all;
}

int pixelsInside(const QImage& image, QRgb color, const Box& box) {
    int count = 0;
    for (int y = box.top; y <= box.bottom; ++y)
        for (int x = box.left; x <= box.right; ++x)
            count += matches(image.pixel(x, y), color, kGlyphTolerance);
    return count;
}

std::string describe(const Box& b) {
    std::ostringstream out;
    out << b.width() << "x" << b.height() << "@" << b.left << "," << b.top;
    return out.str();
}

// Collects the failed expectations of one page.
struct Verdict {
    std::vector<std::string> failures;
    std::ostringstream figures;
    void expect(bool ok, const std::string& what) {
        if (!ok)
            failures.push_back(what);
    }
    bool near(int a, int b, int slack, const std::string& what) {
        expect(std::abs(a - b) <= slack,
               what + " (" + std::to_string(a) + " vs " + std::to_string(b) + ")");
        return std::abs(a - b) <= slack;
    }
};

// The pre pages: the markers' glyphs give the cell grid; the letters' colours must lie in
// their cells.
void checkPrePage(const QImage& image, const Flavour& flavour, Verdict& v) {
    std::vector<Box> markers =
        mergedAreas(areas(image, kGreen, kGlyphTolerance, kMinGlyphPixels), kGlyphGap);
    const Box red = extent(areas(image, kRed, kGlyphTolerance, kMinGlyphPixels));
    const Box blue = extent(areas(image, kBlue, kGlyphTolerance, kMinGlyphPixels));
    v.expect(red.pixels > 0 && blue.pixels > 0, "red and blue letters shown");
    if (markers.size() != 4) {
        v.expect(false, "four green markers (found " + std::to_string(markers.size()) + ")");
        return;
    }
    std::sort(markers.begin(), markers.end(), [](const Box& a, const Box& b) {
        return a.top + 4 < b.top || (std::abs(a.top - b.top) <= 4 && a.left < b.left);
    });
    const Box& a0 = markers[0]; // column 0, row 0
    const Box& b0 = markers[1]; // column 5, row 0
    const Box& a1 = markers[2];
    const Box& b1 = markers[3];
    const int cw = (b0.left - a0.left) / 5;
    const int rh = a1.top - a0.top;
    v.figures << "cell " << cw << "x" << rh << " px; markers row 0 at x " << a0.left << ","
              << b0.left << ", row 1 at x " << a1.left << "," << b1.left;
    if (red.pixels > 0 && blue.pixels > 0)
        v.figures << "; red " << describe(red) << ", blue " << describe(blue);
    v.expect(cw >= 6 && rh >= cw, "a cell grid from the markers");
    if (!flavour.aligned) {
        // Colours only: red before blue on one line below the markers.
        v.expect(red.right < blue.left, "red letters left of blue ones");
        v.expect(red.top > a1.top && blue.top > a1.top, "coloured row below the marker rows");
        v.expect(std::abs(red.bottom - blue.bottom) <= rh / 2, "red and blue on one line");
        return;
    }
    v.near(a1.left, a0.left, 1, "rows start aligned");
    v.near(b1.left, b0.left, 1, "column 5 aligned under narrow and wide letters (monospace)");
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

// The table pages: coloured cell backgrounds give the grid directly.
void checkTablePage(const QImage& image, const Flavour& flavour, Verdict& v) {
    std::vector<Box> green = mergedAreas(areas(image, kGreen, 0, 1), kGlyphGap);
    const std::vector<Box> yellows = areas(image, kYellow, 0, kMinFillPixels);
    const std::vector<Box> cyans = areas(image, kCyan, 0, kMinFillPixels);
    const std::vector<Box> magentas = areas(image, kMagenta, 0, kMinFillPixels);
    if (green.size() != 2 || yellows.size() != 1 || cyans.size() != 1 || magentas.size() != 1) {
        v.expect(false, "one area per coloured run (green " + std::to_string(green.size()) +
                            ", yellow " + std::to_string(yellows.size()) + ", cyan " +
                            std::to_string(cyans.size()) + ", magenta " +
                            std::to_string(magentas.size()) + ")");
        return;
    }
    std::sort(green.begin(), green.end(),
              [](const Box& a, const Box& b) { return a.left < b.left; });
    const Box& g0 = green[0]; // column 0, rows 0-1
    const Box& g5 = green[1]; // column 5, rows 0-1
    const Box& yellow = yellows[0];
    const Box& cyan = cyans[0];
    const Box& magenta = magentas[0];
    const int cw = g0.width();
    const int rh = g0.height() / 2;
    v.figures << "cell " << cw << "x" << rh << " px; yellow " << describe(yellow) << ", cyan "
              << describe(cyan) << ", magenta " << describe(magenta);
    v.expect(cw >= 6 && rh >= cw, "a cell grid from the markers");
    v.near(g5.left, g0.left + 5 * cw, kPixelSlack, "column 5 marker five cells in");
    v.near(yellow.left, g0.left, kPixelSlack, "yellow run starts in column 0");
    v.near(yellow.top, g0.top + 2 * rh, kPixelSlack, "yellow run in row 2");
    v.near(yellow.width(), 4 * cw, kPixelSlack, "yellow run four cells wide");
    v.near(cyan.left, g5.left, kPixelSlack, "cyan run starts in column 5");
    v.near(cyan.top, yellow.top, kPixelSlack, "cyan run in row 2");
    v.near(cyan.width(), yellow.width(), kPixelSlack, "narrow letters as wide as wide ones");
    v.near(magenta.left, g0.left + 2 * cw, kPixelSlack, "magenta blanks from column 2");
    v.near(magenta.top, yellow.bottom + 1, kPixelSlack, "magenta blanks in row 3");
    v.near(magenta.width(), 4 * cw, kPixelSlack, "magenta blanks four cells wide");
    if (flavour.fontColors) {
        const int reds = pixelsInside(image, kRed, yellow);
        const int blues = pixelsInside(image, kBlue, cyan);
        v.figures << "; red px on yellow " << reds << ", blue px on cyan " << blues;
        v.expect(reds >= kMinFillPixels / 2, "red letters on the yellow cells");
        v.expect(blues >= kMinFillPixels / 2, "blue letters on the cyan cells");
    }
}

int run(const std::string& command) {
    return std::system(command.c_str());
}

std::string shellQuoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

} // namespace

int main(int argc, char** argv) {
    const auto started = std::chrono::steady_clock::now();
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
    script << kDocument;
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
        const std::string stem = "page" + std::to_string(f.code);
        const fs::path page = dir / (stem + ".htm");
        const fs::path shot = dir / (stem + ".png");
        const auto renderStart = std::chrono::steady_clock::now();
        const std::string command =
            chromium + " --headless --no-sandbox --disable-gpu --hide-scrollbars" +
            " --force-device-scale-factor=1 --no-first-run --window-size=" + kWindowSize +
            " --user-data-dir=" + shellQuoted(dir / (stem + "-profile")) +
            " --screenshot=" + shellQuoted(shot) + " " + shellQuoted("file://" + page.string()) +
            " > " + shellQuoted(dir / (stem + ".log")) + " 2>&1";
        const int status = run(command);
        std::error_code ignored;
        fs::remove_all(dir / (stem + "-profile"), ignored);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - renderStart).count();
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
        std::printf("%2d %-20s %s  rendered in %.1f s; %s\n", f.code, f.name, ok ? "PASS" : "FAIL",
                    seconds, verdict.figures.str().c_str());
        for (const std::string& failure : verdict.failures)
            std::cout << "     expected: " << failure << "\n";
    }
    const double total =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (failed == 0 && !keep) {
        std::printf("all pages pass in %.1f s\n", total);
        fs::remove_all(dir);
        return 0;
    }
    std::printf("%s in %.1f s; pages and screenshots in %s\n",
                failed == 0 ? "all pages pass" : "pages failed", total, dir.c_str());
    return failed == 0 ? 0 : 1;
}
