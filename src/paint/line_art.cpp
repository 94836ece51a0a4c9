#include "paint/line_art.h"

#include "paint/solid_shapes.h"
#include "platform/rounding.h"

#include <optional>
#include <vector>

namespace glyphora {

namespace {

constexpr int kNoPoint = -1000;

// The literal characters dot mode draws with and rewrites to.
constexpr std::string_view kFall = "\\";
constexpr std::string_view kRise = "/";
constexpr std::string_view kUnder = "_";
constexpr std::string_view kBar = "|";
constexpr std::string_view kGrave = "`";
constexpr std::string_view kDot = ".";
constexpr std::string_view kDash = "-";
constexpr std::string_view kQuote = "'";
constexpr std::string_view kColon = ":";
constexpr std::string_view kSemicolon = ";";
constexpr std::string_view kBang = "!";

struct Point {
    int x;
    int y;
    bool operator==(const Point&) const = default;
};

// The unmirrored points of the falling diagonal in loop order.
std::vector<Point> diagonalPoints(const CellRect& rect) {
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    std::vector<Point> points;
    if (h < w) {
        const DiagonalRatio r(h, w);
        for (int x = rect.left; x <= rect.right; ++x)
            points.push_back({x, rect.top + r.offset(x - rect.left)});
    } else {
        const DiagonalRatio r(w, h);
        for (int y = rect.top; y <= rect.bottom; ++y)
            points.push_back({rect.left + r.offset(y - rect.top), y});
    }
    return points;
}

// The rising line is the falling one mirrored left to right inside the rectangle.
Point cellOf(const Point& p, const CellRect& rect, bool rising) {
    return rising ? Point{rect.right - (p.x - rect.left), p.y} : p;
}

void drawDiagonal(CharCanvas& canvas, const CellRect& rect, const std::vector<Point>& points,
                  bool rising, std::string_view diagonal, std::string_view horz,
                  std::string_view vert) {
    const bool flat = diagonalIsFlat(rect);
    Point previous{kNoPoint, kNoPoint};
    for (const Point& p : points) {
        std::string_view text = diagonal;
        if (flat && previous == Point{p.x - 1, p.y})
            text = horz;
        else if (!flat && previous == Point{p.x, p.y - 1})
            text = vert;
        const Point cell = cellOf(p, rect, rising);
        canvas.setText(cell.x, cell.y, text);
        previous = p;
    }
}

// Reads the neighbours a rule names. Right of the last column and below the last row the
// text is empty; left of column 0 there is nothing, and the rules for that point stop.
class Probe {
public:
    explicit Probe(const CharCanvas& canvas) : canvas_(canvas) {}
    std::optional<std::string_view> at(int x, int y) const {
        if (x < 0)
            return std::nullopt;
        return canvas_.text(x, y);
    }

private:
    const CharCanvas& canvas_;
};

void dotFalling(CharCanvas& canvas, bool flat, int x, int y) {
    const auto t = [&](int cx, int cy) { return canvas.text(cx, cy); };
    if (flat) {
        if (t(x, y) == kFall && t(x + 1, y) == kUnder && t(x + 2, y) == kUnder) {
            canvas.setText(x, y, kGrave);
            canvas.setText(x + 1, y, kDash);
            canvas.setText(x + 2, y, kDot);
        } else if (t(x, y) == kFall && t(x + 1, y) == kUnder && t(x + 2, y) != kUnder) {
            canvas.setText(x, y, kGrave);
            canvas.setText(x + 1, y, kDot);
        }
        return;
    }
    if (t(x, y) == kFall && t(x + 1, y + 1) == kBar) {
        canvas.setText(x, y, kGrave);
        canvas.setText(x + 1, y, kDot);
        canvas.setText(x + 1, y + 1, kColon);
    } else if (t(x, y) == kFall && t(x, y + 1) == kBar) {
        canvas.setText(x, y, kBang);
        canvas.setText(x, y + 1, kColon);
    } else if (t(x, y) == kBar) {
        canvas.setText(x, y, kColon);
    }
}

void dotRising(CharCanvas& canvas, bool flat, int c, int y) {
    const Probe probe(canvas);
    const std::string_view here = canvas.text(c, y);
    if (flat) {
        if (here != kUnder)
            return;
        if (canvas.text(c + 1, y) == kUnder && canvas.text(c + 2, y) == kRise) {
            canvas.setText(c, y, kDot);
            canvas.setText(c + 1, y, kDash);
            canvas.setText(c + 2, y, kQuote);
            return;
        }
        if (canvas.text(c + 1, y) != kRise)
            return;
        const std::optional<std::string_view> before = probe.at(c - 1, y);
        if (before && *before != kUnder) {
            canvas.setText(c, y, kDot);
            canvas.setText(c + 1, y, kQuote);
        }
        return;
    }
    if (here == kRise) {
        const std::optional<std::string_view> below = probe.at(c - 1, y + 1);
        if (below && *below == kBar) {
            canvas.setText(c, y, kQuote);
            canvas.setText(c - 1, y, kDot);
            canvas.setText(c - 1, y + 1, kColon);
        }
        return;
    }
    if (here != kBar)
        return;
    const std::optional<std::string_view> below = probe.at(c - 1, y + 1);
    if (!below)
        return;
    if (*below == kRise) {
        canvas.setText(c, y, kSemicolon);
        canvas.setText(c - 1, y + 1, kBang);
    } else {
        canvas.setText(c, y, kColon);
    }
}

void lineArtDiagonal(CharCanvas& canvas, const CellRect& rect, const DiagonalChars& chars,
                     bool dotMode, bool rising) {
    const std::vector<Point> points = diagonalPoints(rect);
    if (!dotMode) {
        drawDiagonal(canvas, rect, points, rising, chars.diagonal, chars.horz, chars.vert);
        return;
    }
    drawDiagonal(canvas, rect, points, rising, rising ? kRise : kFall, kUnder, kBar);
    const bool flat = diagonalIsFlat(rect);
    for (const Point& p : points) {
        const Point cell = cellOf(p, rect, rising);
        if (rising)
            dotRising(canvas, flat, cell.x, cell.y);
        else
            dotFalling(canvas, flat, cell.x, cell.y);
    }
}

} // namespace

void LineArtHorz(CharCanvas& canvas, const CellRect& rect, std::string_view text) {
    PaintHorzLine(canvas, rect, text);
}

void LineArtVert(CharCanvas& canvas, const CellRect& rect, std::string_view text) {
    PaintVertLine(canvas, rect, text);
}

void LineArtRectangle(CharCanvas& canvas, const CellRect& rect, std::string_view horz,
                      std::string_view vert, std::string_view corner) {
    PaintHorzLine(canvas, rect, horz);
    PaintVertLine(canvas, rect, vert);
    PaintHorzLine(canvas, {rect.left, rect.bottom, rect.right, rect.bottom}, horz);
    PaintVertLine(canvas, {rect.right, rect.top, rect.right, rect.bottom}, vert);
    canvas.setText(rect.left, rect.top, corner);
    canvas.setText(rect.right, rect.bottom, corner);
    canvas.setText(rect.left, rect.bottom, corner);
    canvas.setText(rect.right, rect.top, corner);
}

bool diagonalIsFlat(const CellRect& rect) {
    return rect.bottom - rect.top < rect.right - rect.left;
}

void LineArtFalling(CharCanvas& canvas, const CellRect& rect, const DiagonalChars& chars,
                    bool dotMode) {
    lineArtDiagonal(canvas, rect, chars, dotMode, false);
}

void LineArtRising(CharCanvas& canvas, const CellRect& rect, const DiagonalChars& chars,
                   bool dotMode) {
    lineArtDiagonal(canvas, rect, chars, dotMode, true);
}

} // namespace glyphora
